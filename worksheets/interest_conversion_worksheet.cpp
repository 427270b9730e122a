#include "worksheets/interest_conversion_worksheet.h"

#include <array>

namespace tallyx {
namespace {

using Row = InterestConversionWorksheet::Row;

constexpr std::array kRows = {
    Row::Input<&InterestConversionModel::periodsPerYear>(L"Periods / Year", CellFormat::FormatInteger),
    Row::Input<&InterestConversionModel::nominalRate>(L"Nominal Rate", CellFormat::FormatPercent),
    Row::Input<&InterestConversionModel::effectiveRate>(L"Effective Rate", CellFormat::FormatPercent),
};
constexpr int kNominalRow = 1;
constexpr int kEffectiveRow = 2;

}  // namespace

InterestConversionWorksheet::InterestConversionWorksheet(const WorksheetOptions&)
    : ModelWorksheet(L"Percent Change", kRows)
{
    Store(StoredValues::Direction::Read);
}

InterestConversionWorksheet::~InterestConversionWorksheet()
{
    Store(StoredValues::Direction::Write);
}

void InterestConversionWorksheet::Store(StoredValues::Direction direction)
{
    StoredValues values(kWorksheetsKey, direction);
    values.Integer(L"WSICon_CY", model_.periodsPerYear);
    values.Double(L"WSICon_NOM", model_.nominalRate);
    values.Double(L"WSICon_EFF", model_.effectiveRate);
}

void InterestConversionWorksheet::Calculate()
{
    switch (HighlightedCell()) {
    case kNominalRow:
        model_.SolveNominalRate();
        ShowSolvedCell(kNominalRow);
        break;
    case kEffectiveRow:
        model_.SolveEffectiveRate();
        ShowSolvedCell(kEffectiveRow);
        break;
    default:
        Host().InvalidateList();
        break;
    }
}

void InterestConversionWorksheet::Reset()
{
    model_ = InterestConversionModel();
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
