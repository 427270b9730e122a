#include "worksheets/compound_interest_worksheet.h"

#include <algorithm>
#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

using Row = CompoundInterestWorksheet::Row;

constexpr std::array kRows = {
    Row::Input<&CompoundInterestModel::Periods, &CompoundInterestModel::SetPeriods>(
        L"# of Periods", CellFormat::FormatInteger),
    Row::Input<&CompoundInterestModel::rate>(L"Interest Rate", CellFormat::FormatPercent),
    Row::Input<&CompoundInterestModel::startValue>(L"Start Value", CellFormat::FormatTwoDecimals),
    Row::Input<&CompoundInterestModel::finalValue>(L"Final Value", CellFormat::FormatTwoDecimals),
};

// What Calc solves on each row.
constexpr std::array kSolved = {
    CompoundValue::Periods, CompoundValue::Rate, CompoundValue::StartValue, CompoundValue::FinalValue,
};

}  // namespace

CompoundInterestWorksheet::CompoundInterestWorksheet(const WorksheetOptions&)
    : ModelWorksheet(L"Compound Interest", kRows)
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

void CompoundInterestWorksheet::Calculate()
{
    const int cell = HighlightedCell();
    if (cell < 0) {
        return;
    }
    const int row = std::min(cell, static_cast<int>(kSolved.size()) - 1);
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
