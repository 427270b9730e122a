#include "worksheets/compound_interest_worksheet.h"

#include <algorithm>
#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum CompoundRow : int { RowPeriods, RowRate, RowStartValue, RowFinalValue };

constexpr std::array kRows = {
    CellRow{L"# of Periods", CellFormat::FormatInteger, false},
    CellRow{L"Interest Rate", CellFormat::FormatPercent, false},
    CellRow{L"Start Value", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Final Value", CellFormat::FormatTwoDecimals, false},
};

// What Calc solves on each row.
constexpr std::array kSolved = {
    CompoundValue::Periods, CompoundValue::Rate, CompoundValue::StartValue, CompoundValue::FinalValue,
};

}  // namespace

CompoundInterestWorksheet::CompoundInterestWorksheet(const WorksheetOptions&)
{
    Store(StoredValues::Direction::Read);
}

CompoundInterestWorksheet::~CompoundInterestWorksheet()
{
    Store(StoredValues::Direction::Write);
}

void CompoundInterestWorksheet::Store(StoredValues::Direction direction)
{
    StoredValues values(kWorksheetsKey, direction);
    values.Integer(L"WSPC_PD", model_.Periods(), [this](std::int32_t periods) { model_.SetPeriods(periods); });
    values.Double(L"WSPC_CH", model_.rate);
    values.Double(L"WSPC_PVal", model_.startValue);
    values.Double(L"WSPC_FVal", model_.finalValue);
}

void CompoundInterestWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Compound Interest");
}

std::wstring CompoundInterestWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowPeriods:
        return CellIntegerText(model_.Periods());
    case RowRate:
        return CellNumberText(model_.rate);
    case RowStartValue:
        return CellNumberText(model_.startValue);
    default:
        return CellNumberText(model_.finalValue);
    }
}

void CompoundInterestWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowPeriods:
        model_.SetPeriods(integer);
        break;
    case RowRate:
        model_.rate = number;
        break;
    case RowStartValue:
        model_.startValue = number;
        break;
    case RowFinalValue:
        model_.finalValue = number;
        break;
    }
}

void CompoundInterestWorksheet::Calculate()
{
    const int cell = HighlightedCell();
    if (cell < 0) {
        return;
    }
    const int row = std::min(cell, static_cast<int>(RowFinalValue));
    if (model_.Solve(kSolved[row])) {
        ShowSolvedCell(row);
    } else {
        // No whole number of periods gets there: say so rather than show a count never stored.
        SetCellText(row, CellNumberText(model_.SolvedPeriods()));
        ShowCell(row);
        Host().InvalidateList();
    }
    Host().FlashHighlight();
}

void CompoundInterestWorksheet::Reset()
{
    model_ = CompoundInterestModel();
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
