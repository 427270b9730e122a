#include "worksheets/tip_worksheet.h"

#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum TipRow : int { RowAmount, RowPercent, RowPeople, RowTipAmount, RowTotalSplit, RowTotal };

constexpr std::array kRows = {
    CellRow{L"Bill Amount", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Tip Percent", CellFormat::FormatPercent, false},
    CellRow{L"Num. People", CellFormat::FormatInteger, false},
    CellRow{L"Tip Amount", CellFormat::FormatTwoDecimals, true},
    CellRow{L"Total per Per.", CellFormat::FormatTwoDecimals, true},
    CellRow{L"Bill Total", CellFormat::FormatTwoDecimals, true},
};

}  // namespace

TipWorksheet::TipWorksheet(const WorksheetOptions&)
{
    tip_.Load();
}

TipWorksheet::~TipWorksheet()
{
    tip_.Save();
}

void TipWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Tip Calculator");
}

std::wstring TipWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowAmount:
        return CellNumberText(tip_.Amount());
    case RowPercent:
        // The whole percentage: a cut-off 12 for 12.5 would be committed back as 12.
        return CellNumberText(tip_.TipPercentage());
    case RowPeople:
        return CellIntegerText(tip_.NumberOfPeople());
    case RowTipAmount:
        return CellNumberText(tip_.TipAmount());
    case RowTotalSplit:
        return CellNumberText(tip_.TotalSplit());
    default:
        return CellNumberText(tip_.Total());
    }
}

void TipWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowAmount:
        tip_.SetAmount(number);
        break;
    case RowPercent:
        tip_.SetTipPercentage(number);
        break;
    case RowPeople:
        tip_.SetNumberOfPeople(integer);
        break;
    }
}

void TipWorksheet::Calculate()
{
    CalculateResults(RowTipAmount);
}

void TipWorksheet::Reset()
{
    tip_.Reset();
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
