#include "worksheets/cash_flow_worksheet.h"

#include <array>

namespace tallyx {
namespace {

constexpr CellRow kEmptyRow{L"", CellFormat::FormatPlain, false};
constexpr std::array kRows = {kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow};

}  // namespace

void CashFlowWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"");
}

WorksheetReply CashFlowWorksheet::KeyUp(int key)
{
    const bool move = key == WorksheetKeyUp || key == WorksheetKeyDown || key == WorksheetKeyTab;
    return move ? WorksheetReply::Done : Worksheet::KeyUp(key);
}

void CashFlowWorksheet::Reset()
{
    HighlightFirstCell();
}

}  // namespace tallyx
