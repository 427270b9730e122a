#include "worksheets/worksheet.h"

#include <algorithm>
#include <array>

#include "engine/button_types.h"
#include "engine/key_ids.h"
#include "platform/number_text.h"
#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum class ButtonAction { MoveUp, MoveDown, Calculate, ShowGraph, OpenData, SaveData, Close, Reset };

struct ButtonRoute {
    ButtonKey key;
    ButtonAction action;
};

// The buttons a worksheet acts on itself. Other worksheet keys (WSReset among
// them) do nothing here; every other key is an entry for the highlighted cell.
constexpr std::array kButtonRoutes = {
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonUp}, ButtonAction::MoveUp},
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonDown}, ButtonAction::MoveDown},
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonCalculate}, ButtonAction::Calculate},
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonGraph}, ButtonAction::ShowGraph},
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonLoad}, ButtonAction::OpenData},
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonSave}, ButtonAction::SaveData},
    ButtonRoute{{ButtonTypeWorksheetKey, WorksheetButtonBack}, ButtonAction::Close},
    ButtonRoute{{ButtonTypeClear, ClearKeyReset}, ButtonAction::Reset},
    ButtonRoute{{ButtonTypeGraph, GraphKeyDraw}, ButtonAction::ShowGraph},
    ButtonRoute{{ButtonTypeGraph, GraphKeyFunctions}, ButtonAction::ShowGraph},
};

constexpr int kPlaceholderCells = 20;

}  // namespace

WorksheetHost Worksheet::idleHost_;

void Worksheet::SetVisibleRows(int rows)
{
    navigation_.SetVisibleRows(rows, static_cast<int>(cells_.size()));
}

void Worksheet::TakeDisplayText(std::wstring_view text)
{
    SetCellText(HighlightedCell(), text);
}

WorksheetReply Worksheet::KeyUp(int key)
{
    bool moved = false;
    switch (key) {
    case WorksheetKeyDown:
    case WorksheetKeyTab:
        // Tab commits too: a cell left showing a value its results ignore would mislead.
        CommitCell();
        moved = navigation_.MoveDown(static_cast<int>(cells_.size()));
        break;
    case WorksheetKeyUp:
        CommitCell();
        moved = navigation_.MoveUp();
        break;
    case WorksheetKeyF1:
        return WorksheetReply::Close;
    default:
        return WorksheetReply::PassToKeys;
    }
    if (moved) {
        ShowCell(HighlightedCell());
        host_->InvalidateList();
    }
    return WorksheetReply::Done;
}

WorksheetReply Worksheet::PressButton(int type, int id)
{
    const auto route = std::find_if(kButtonRoutes.begin(), kButtonRoutes.end(),
                                    [&](const ButtonRoute& candidate) { return candidate.key == ButtonKey{type, id}; });
    if (route == kButtonRoutes.end()) {
        const int cell = HighlightedCell();
        const bool typable = type != ButtonTypeWorksheetKey && cell != WorksheetNavigation::kNoHighlight &&
                             !cells_[cell].ReadOnly();
        return typable ? WorksheetReply::PassToEngine : WorksheetReply::Done;
    }
    switch (route->action) {
    case ButtonAction::MoveUp:
        return KeyUp(WorksheetKeyUp);
    case ButtonAction::MoveDown:
        return KeyUp(WorksheetKeyDown);
    case ButtonAction::Calculate:
        Calculate();
        break;
    case ButtonAction::ShowGraph:
        ShowGraph(id);
        break;
    case ButtonAction::OpenData:
        OpenData();
        break;
    case ButtonAction::SaveData:
        SaveData();
        break;
    case ButtonAction::Close:
        return WorksheetReply::Close;
    case ButtonAction::Reset:
        Reset();
        break;
    }
    return WorksheetReply::Done;
}

bool Worksheet::TapRow(int visibleRow)
{
    const int cellCount = static_cast<int>(cells_.size());
    if (visibleRow < 0 || visibleRow >= navigation_.VisibleRows() ||
        navigation_.FirstVisibleRow() + visibleRow >= cellCount) {
        return false;
    }
    CommitCell();
    navigation_.HighlightVisibleRow(visibleRow, cellCount);
    ShowCell(HighlightedCell());
    host_->InvalidateList();
    return true;
}

bool Worksheet::TapCell(int cell)
{
    if (cell < 0 || cell >= static_cast<int>(cells_.size())) {
        return false;
    }
    CommitCell();
    navigation_.HighlightCell(cell, static_cast<int>(cells_.size()));
    ShowCell(cell);
    host_->InvalidateList();
    return true;
}

void Worksheet::BuildCells()
{
    cells_.clear();
    for (int index = 0; index < kPlaceholderCells; ++index) {
        cells_.emplace_back(L"X" + FormatInteger(index), CellFormat::FormatPlain, false, FormatInteger(index));
    }
    SetTitle(L"Worksheet");
    HighlightFirstCell();
}

void Worksheet::CommitCell()
{
    const int cell = HighlightedCell();
    if (cell == WorksheetNavigation::kNoHighlight || cell >= static_cast<int>(cells_.size()) ||
        cells_[cell].ReadOnly()) {
        return;
    }
    const std::wstring text = cells_[cell].Text();
    const double number = ParseDouble(text);
    CommitRow(cell, number, ParseLong(text));
    // A refused or adjusted entry must not go on showing what was typed; an
    // accepted one keeps every digit typed.
    const std::wstring held = ModelText(cell);
    if (held != CellNumberText(number)) {
        cells_[cell].SetText(held);
    }
}

void Worksheet::Calculate()
{
    host_->FlashHighlight();
}

void Worksheet::SetTitle(std::wstring_view title)
{
    title_ = title;
}

void Worksheet::BuildCellsFrom(std::span<const CellRow> rows, std::wstring_view title)
{
    cells_.clear();
    for (const CellRow& row : rows) {
        cells_.emplace_back(std::wstring(row.label), row.format, row.readOnly);
    }
    SetTitle(title);
    WriteCells();
    HighlightFirstCell();
}

std::wstring Worksheet::ModelText(int cell) const
{
    return cells_[cell].Text();
}

void Worksheet::WriteCell(int cell)
{
    if (cell >= 0 && cell < static_cast<int>(cells_.size())) {
        cells_[cell].SetText(ModelText(cell));
    }
}

void Worksheet::WriteCells()
{
    for (int cell = 0; cell < static_cast<int>(cells_.size()); ++cell) {
        WriteCell(cell);
    }
}

void Worksheet::ShowSolvedCell(int cell)
{
    WriteCell(cell);
    ShowCell(cell);
    host_->InvalidateList();
}

void Worksheet::CalculateResults(int firstResultCell)
{
    if (HighlightedCell() == WorksheetNavigation::kNoHighlight) {
        return;
    }
    if (HighlightedCell() < firstResultCell) {
        CommitCell();
        HighlightLastCell();
    }
    Recompute();
    for (int cell = firstResultCell; cell < static_cast<int>(cells_.size()); ++cell) {
        WriteCell(cell);
    }
    ShowCell(HighlightedCell());
    host_->InvalidateList();
    host_->FlashHighlight();
}

void Worksheet::RecomputeCells()
{
    CommitCell();
    Recompute();
    WriteCells();
    host_->InvalidateList();
}

void Worksheet::SetCellText(int cell, std::wstring_view text)
{
    if (cell >= 0 && cell < static_cast<int>(cells_.size())) {
        cells_[cell].SetText(text);
    }
}

void Worksheet::ShowCell(int cell)
{
    if (cell >= 0 && cell < static_cast<int>(cells_.size())) {
        host_->ShowInDisplay(cells_[cell].Text());
    }
}

void Worksheet::HighlightFirstCell()
{
    navigation_.HighlightFirstCell();
    ShowCell(0);
    host_->InvalidateList();
}

void Worksheet::HighlightLastCell()
{
    navigation_.HighlightLastCell(static_cast<int>(cells_.size()));
}

}  // namespace tallyx
