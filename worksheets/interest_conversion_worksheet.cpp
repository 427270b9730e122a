#include "worksheets/interest_conversion_worksheet.h"

#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum ConversionRow : int { RowPeriods, RowNominal, RowEffective };

constexpr std::array kRows = {
    CellRow{L"Periods / Year", CellFormat::FormatInteger, false},
    CellRow{L"Nominal Rate", CellFormat::FormatPercent, false},
    CellRow{L"Effective Rate", CellFormat::FormatPercent, false},
};

}  // namespace

InterestConversionWorksheet::InterestConversionWorksheet(const WorksheetOptions&)
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

void InterestConversionWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Percent Change");
}

std::wstring InterestConversionWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowPeriods:
        return CellIntegerText(model_.periodsPerYear);
    case RowNominal:
        return CellNumberText(model_.nominalRate);
    default:
        return CellNumberText(model_.effectiveRate);
    }
}

void InterestConversionWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowPeriods:
        model_.periodsPerYear = integer;
        break;
    case RowNominal:
        model_.nominalRate = number;
        break;
    case RowEffective:
        model_.effectiveRate = number;
        break;
    }
}

void InterestConversionWorksheet::Calculate()
{
    switch (HighlightedCell()) {
    case RowNominal:
        model_.SolveNominalRate();
        ShowSolvedCell(RowNominal);
        break;
    case RowEffective:
        model_.SolveEffectiveRate();
        ShowSolvedCell(RowEffective);
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
