#include "worksheets/depreciation_worksheet.h"

#include <array>

#include "platform/services.h"
#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum DepreciationRow : int {
    RowLife, RowStartMonth, RowStartYear, RowCost, RowSalvage, RowYear,
    RowDepreciation, RowBookValue, RowDepreciableValue,
};

constexpr std::array kRows = {
    CellRow{L"Life", CellFormat::FormatInteger, false},
    CellRow{L"Start Month", CellFormat::FormatInteger, false},
    CellRow{L"Start Year", CellFormat::FormatInteger, false},
    CellRow{L"Cost", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Salary", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Year", CellFormat::FormatInteger, false},
    CellRow{L"Depreciation", CellFormat::FormatTwoDecimals, true},
    CellRow{L"RBVal", CellFormat::FormatTwoDecimals, true},
    CellRow{L"RDVal", CellFormat::FormatTwoDecimals, true},
};

int CurrentYear()
{
    return Platform().clock->LocalTime().year;
}

}  // namespace

DepreciationWorksheet::DepreciationWorksheet(const WorksheetOptions&) : model_(CurrentYear())
{
    Store(StoredValues::Direction::Read);
}

DepreciationWorksheet::~DepreciationWorksheet()
{
    Store(StoredValues::Direction::Write);
}

void DepreciationWorksheet::Store(StoredValues::Direction direction)
{
    StoredValues values(kWorksheetsKey, direction);
    values.Integer(L"WSDep_Life", model_.Life(), [this](std::int32_t years) { model_.SetLife(years); });
    values.Integer(L"WSDep_SMnth", model_.StartMonth(), [this](std::int32_t month) { model_.SetStartMonth(month); });
    values.Integer(L"WSDep_SYear", model_.StartYear(), [this](std::int32_t year) { model_.SetStartYear(year); });
    values.Integer(L"WSDep_Year", model_.Year(), [this](std::int32_t year) { model_.SetYear(year); });
    values.Double(L"WSDep_Cost", model_.cost);
    values.Double(L"WSDep_Sal", model_.salvage);
}

void DepreciationWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Depreciation");
}

std::wstring DepreciationWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowLife:
        return CellIntegerText(model_.Life());
    case RowStartMonth:
        return CellIntegerText(model_.StartMonth());
    case RowStartYear:
        return CellIntegerText(model_.StartYear());
    case RowCost:
        return CellNumberText(model_.cost);
    case RowSalvage:
        return CellNumberText(model_.salvage);
    case RowYear:
        return CellIntegerText(model_.Year());
    case RowDepreciation:
        return CellNumberText(model_.Depreciation());
    case RowBookValue:
        return CellNumberText(model_.RemainingBookValue());
    default:
        return CellNumberText(model_.RemainingDepreciableValue());
    }
}

void DepreciationWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowLife:
        model_.SetLife(integer);
        break;
    case RowStartMonth:
        model_.SetStartMonth(integer);
        break;
    case RowStartYear:
        model_.SetStartYear(integer);
        break;
    case RowCost:
        model_.cost = number;
        break;
    case RowSalvage:
        model_.salvage = number;
        break;
    case RowYear:
        model_.SetYear(integer);
        break;
    }
}

void DepreciationWorksheet::Calculate()
{
    // A value typed before Calc counts: the result must match what the cells show.
    CommitCell();
    MutableNavigation().ScrollCellToTop(RowDepreciation, static_cast<int>(Cells().size()));
    model_.Compute();
    for (int cell = RowDepreciation; cell <= RowDepreciableValue; ++cell) {
        WriteCell(cell);
    }
    ShowCell(RowDepreciation);
    Host().InvalidateList();
}

void DepreciationWorksheet::Reset()
{
    model_.Reset(CurrentYear());
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
