#include "worksheets/cash_flow_worksheet.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/number_text.h"
#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kTitle = L"Cash Flow";
constexpr std::wstring_view kNoPayback = L"none";
constexpr std::wstring_view kStoredPrefix = L"WSCF_";
constexpr std::wstring_view kFlowCountName = L"Flows";
constexpr CellRow kInitialRow{L"CF0", CellFormat::FormatTwoDecimals, false};
constexpr CellRow kRateRow{L"I", CellFormat::FormatPercent, false};
constexpr std::array kResultRows = {
    CellRow{L"NPV", CellFormat::FormatTwoDecimals, true}, CellRow{L"NFV", CellFormat::FormatTwoDecimals, true},
    CellRow{L"IRR", CellFormat::FormatPercent, true},     CellRow{L"MIRR", CellFormat::FormatPercent, true},
    CellRow{L"PB", CellFormat::FormatPlain, true},        CellRow{L"DPB", CellFormat::FormatPlain, true},
};
constexpr std::size_t kCellsPerFlow = 2;
constexpr std::size_t kFlowNumberDigits = 2;
// The letters of a pair's rows, in either case.
constexpr wchar_t kFlowLetters[] = L"CcFf";

// "C01", "F01": the letter and the flow's number from 1.
std::wstring FlowLabel(wchar_t letter, std::size_t flow)
{
    const std::wstring number = CellIntegerText(static_cast<long long>(flow + 1));
    return letter + std::wstring(kFlowNumberDigits - std::min(number.size(), kFlowNumberDigits), L'0') + number;
}

std::wstring PaybackText(const std::optional<double>& periods)
{
    return periods ? CellNumberText(*periods) : std::wstring(kNoPayback);
}

std::wstring StoredName(std::wstring_view row)
{
    return std::wstring(kStoredPrefix) + std::wstring(row);
}

}  // namespace

CashFlowWorksheet::CashFlowWorksheet(const WorksheetOptions&)
{
    Store(StoredValues::Direction::Read);
    Recompute();
}

CashFlowWorksheet::~CashFlowWorksheet()
{
    Store(StoredValues::Direction::Write);
}

// The number of flows first, so that reading knows how many pairs follow.
void CashFlowWorksheet::Store(StoredValues::Direction direction)
{
    StoredValues values(kWorksheetsKey, direction);
    values.Integer(StoredName(kFlowCountName), static_cast<std::int32_t>(model_.Flows().size()),
                   [this](std::int32_t flows) { model_.SetFlowCount(flows); });
    values.Double(StoredName(kInitialRow.label), model_.initial);
    for (std::size_t flow = 0; flow < model_.Flows().size(); ++flow) {
        values.Double(StoredName(FlowLabel(L'C', flow)), model_.Flows()[flow].amount,
                      [this, flow](double amount) { model_.SetAmount(flow, amount); });
        values.Integer(StoredName(FlowLabel(L'F', flow)), model_.Flows()[flow].count,
                       [this, flow](std::int32_t count) { model_.SetCount(flow, count); });
    }
    values.Double(StoredName(kRateRow.label), model_.ratePercent);
}

void CashFlowWorksheet::BuildCells()
{
    std::vector<std::wstring> labels;
    for (std::size_t flow = 0; flow < model_.Flows().size(); ++flow) {
        labels.push_back(FlowLabel(L'C', flow));
        labels.push_back(FlowLabel(L'F', flow));
    }
    std::vector<CellRow> rows{kInitialRow};
    for (std::size_t label = 0; label < labels.size(); ++label) {
        const bool amount = label % kCellsPerFlow == 0;
        rows.push_back({labels[label], amount ? CellFormat::FormatTwoDecimals : CellFormat::FormatInteger, false});
    }
    rows.push_back(kRateRow);
    rows.insert(rows.end(), kResultRows.begin(), kResultRows.end());
    BuildCellsFrom(rows, kTitle);
}

int CashFlowWorksheet::RateCell() const
{
    return 1 + static_cast<int>(kCellsPerFlow * model_.Flows().size());
}

CashFlowWorksheet::CellRole CashFlowWorksheet::RoleOf(int cell) const
{
    const int rateCell = RateCell();
    if (cell == 0) {
        return {Role::Initial, 0};
    }
    if (cell < rateCell) {
        const auto offset = static_cast<std::size_t>(cell - 1);
        return {offset % kCellsPerFlow == 0 ? Role::Amount : Role::Count, offset / kCellsPerFlow};
    }
    if (cell == rateCell) {
        return {Role::Rate, 0};
    }
    return {Role::Result, static_cast<std::size_t>(cell - rateCell - 1)};
}

std::wstring CashFlowWorksheet::ModelText(int cell) const
{
    const CellRole role = RoleOf(cell);
    switch (role.role) {
    case Role::Initial:
        return CellNumberText(model_.initial);
    case Role::Amount:
        return CellNumberText(model_.Flows()[role.index].amount);
    case Role::Count:
        return CellIntegerText(model_.Flows()[role.index].count);
    case Role::Rate:
        return CellNumberText(model_.ratePercent);
    case Role::Result:
        break;
    }
    const std::array texts = {
        CellNumberText(results_.netPresentValue), CellNumberText(results_.netFutureValue),
        CellNumberText(results_.internalRate),    CellNumberText(results_.modifiedInternalRate),
        PaybackText(results_.payback),            PaybackText(results_.discountedPayback),
    };
    return role.index < texts.size() ? texts[role.index] : std::wstring();
}

void CashFlowWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    const CellRole role = RoleOf(cell);
    switch (role.role) {
    case Role::Initial:
        model_.initial = number;
        break;
    case Role::Amount:
        model_.SetAmount(role.index, number);
        break;
    case Role::Count:
        model_.SetCount(role.index, integer);
        break;
    case Role::Rate:
        model_.ratePercent = number;
        break;
    case Role::Result:
        break;
    }
}

// The new pair goes after the last one, before the rate.
void CashFlowWorksheet::AddFlowCells()
{
    if (!model_.AddFlow()) {
        return;
    }
    const std::size_t flow = model_.Flows().size() - 1;
    const int amountCell = RateCell() - static_cast<int>(kCellsPerFlow);
    auto& cells = MutableCells();
    cells.emplace(cells.begin() + amountCell, FlowLabel(L'C', flow), CellFormat::FormatTwoDecimals, false);
    cells.emplace(cells.begin() + amountCell + 1, FlowLabel(L'F', flow), CellFormat::FormatInteger, false);
    WriteCell(amountCell);
    WriteCell(amountCell + 1);
    Host().LayOutAgain();
}

WorksheetReply CashFlowWorksheet::KeyUp(int key)
{
    if (key == WorksheetKeyDown && HighlightedCell() == RateCell() - 1) {
        AddFlowCells();
    }
    return Worksheet::KeyUp(key);
}

bool CashFlowWorksheet::MakeRowFor(std::wstring_view label)
{
    const bool pairLabel = label.size() == 1 + kFlowNumberDigits &&
                           std::wstring_view(kFlowLetters).find(label.front()) != std::wstring_view::npos &&
                           label.find_first_not_of(L"0123456789", 1) == std::wstring_view::npos;
    const std::int32_t flows = pairLabel ? ParseLong(label.substr(1)) : 0;
    if (flows < 1 || flows > static_cast<std::int32_t>(CashFlowModel::kMostFlows)) {
        return false;
    }
    while (static_cast<std::int32_t>(model_.Flows().size()) < flows) AddFlowCells();
    return true;
}

void CashFlowWorksheet::Calculate()
{
    const int cell = HighlightedCell();
    if (cell == WorksheetNavigation::kNoHighlight) {
        return;
    }
    const int firstResult = RateCell() + 1;
    if (cell < firstResult) {
        // An entry counts before it is computed with; its results start at NPV.
        CommitCell();
        MutableNavigation().HighlightCell(firstResult, static_cast<int>(Cells().size()));
    }
    Recompute();
    WriteCells();
    ShowCell(HighlightedCell());
    Host().InvalidateList();
    Host().FlashHighlight();
}

void CashFlowWorksheet::Reset()
{
    model_ = CashFlowModel();
    Recompute();
    BuildCells();
    Host().LayOutAgain();
}

}  // namespace tallyx
