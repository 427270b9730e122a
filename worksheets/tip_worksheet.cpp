#include "worksheets/tip_worksheet.h"

#include <array>

namespace tallyx {
namespace {

using Row = TipWorksheet::Row;

// The percentage shows whole: a cut-off 12 for 12.5 would be committed back as 12.
constexpr std::array kRows = {
    Row::Input<&Tip::Amount, &Tip::SetAmount>(L"Bill Amount", CellFormat::FormatTwoDecimals),
    Row::Input<&Tip::TipPercentage, &Tip::SetTipPercentage>(L"Tip Percent", CellFormat::FormatPercent),
    Row::Input<&Tip::NumberOfPeople, &Tip::SetNumberOfPeople>(L"Num. People", CellFormat::FormatInteger),
    Row::Result<&Tip::TipAmount>(L"Tip Amount", CellFormat::FormatTwoDecimals),
    Row::Result<&Tip::TotalSplit>(L"Total per Per.", CellFormat::FormatTwoDecimals),
    Row::Result<&Tip::Total>(L"Bill Total", CellFormat::FormatTwoDecimals),
};

}  // namespace

TipWorksheet::TipWorksheet(const WorksheetOptions&) : ModelWorksheet(L"Tip Calculator", kRows)
{
    model_.Load();
}

TipWorksheet::~TipWorksheet()
{
    model_.Save();
}

void TipWorksheet::Calculate()
{
    CalculateResults(FirstResultRow());
}

void TipWorksheet::Reset()
{
    model_.Reset();
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
