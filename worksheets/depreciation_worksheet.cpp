#include "worksheets/depreciation_worksheet.h"

#include <array>

#include "platform/services.h"
#include "worksheets/depreciation_schedule.h"

namespace tallyx {
namespace {

using Row = DepreciationWorksheet::Row;

constexpr std::array kRows = {
    Row::Input<&DepreciationModel::Life, &DepreciationModel::SetLife>(L"Life", CellFormat::FormatInteger),
    Row::Input<&DepreciationModel::StartMonth, &DepreciationModel::SetStartMonth>(
        L"Start Month", CellFormat::FormatInteger),
    Row::Input<&DepreciationModel::StartYear, &DepreciationModel::SetStartYear>(
        L"Start Year", CellFormat::FormatInteger),
    Row::Input<&DepreciationModel::cost>(L"Cost", CellFormat::FormatTwoDecimals),
    Row::Input<&DepreciationModel::salvage>(L"Salary", CellFormat::FormatTwoDecimals),
    Row::Input<&DepreciationModel::Year, &DepreciationModel::SetYear>(L"Year", CellFormat::FormatInteger),
    Row::Result<&DepreciationModel::Depreciation>(L"Depreciation", CellFormat::FormatTwoDecimals),
    Row::Result<&DepreciationModel::RemainingBookValue>(L"RBVal", CellFormat::FormatTwoDecimals),
    Row::Result<&DepreciationModel::RemainingDepreciableValue>(L"RDVal", CellFormat::FormatTwoDecimals),
};

int CurrentYear()
{
    return Platform().clock->LocalTime().year;
}

}  // namespace

DepreciationWorksheet::DepreciationWorksheet(const WorksheetOptions&)
    : ModelWorksheet(L"Depreciation", kRows, CurrentYear())
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

void DepreciationWorksheet::Calculate()
{
    // A value typed before Calc counts: the result must match what the cells show.
    CommitCell();
    const int firstResult = FirstResultRow();
    MutableNavigation().ScrollCellToTop(firstResult, static_cast<int>(Cells().size()));
    model_.Compute();
    for (int cell = firstResult; cell < static_cast<int>(kRows.size()); ++cell) {
        WriteCell(cell);
    }
    ShowCell(firstResult);
    Host().InvalidateList();
}

void DepreciationWorksheet::Reset()
{
    model_.Reset(CurrentYear());
    WriteCells();
    HighlightFirstCell();
}

ScheduleTable DepreciationWorksheet::Schedule()
{
    // The schedule spans the whole life: the year and its results play no part.
    CommitCell();
    return DepreciationSchedule(model_);
}

}  // namespace tallyx
