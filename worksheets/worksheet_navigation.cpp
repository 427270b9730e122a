#include "worksheets/worksheet_navigation.h"

#include <algorithm>

namespace tallyx {

int WorksheetNavigation::HighlightedCell() const
{
    return highlightedRow_ == kNoHighlight ? kNoHighlight : firstVisibleRow_ + highlightedRow_;
}

void WorksheetNavigation::SetVisibleRows(int rows, int cellCount)
{
    const int cell = HighlightedCell();
    visibleRows_ = std::clamp(rows, 1, kMostVisibleRows);
    if (cell != kNoHighlight) {
        HighlightCell(cell, cellCount);
    }
}

bool WorksheetNavigation::MoveDown(int cellCount)
{
    const int cell = HighlightedCell();
    if (cell == kNoHighlight || cell + 1 >= cellCount) {
        return false;
    }
    if (highlightedRow_ + 1 >= visibleRows_) {
        ++firstVisibleRow_;
    } else {
        ++highlightedRow_;
    }
    return true;
}

bool WorksheetNavigation::MoveUp()
{
    const int cell = HighlightedCell();
    if (cell == kNoHighlight || cell == 0) {
        return false;
    }
    if (highlightedRow_ == 0) {
        --firstVisibleRow_;
    } else {
        --highlightedRow_;
    }
    return true;
}

void WorksheetNavigation::HighlightFirstCell()
{
    firstVisibleRow_ = 0;
    highlightedRow_ = 0;
}

void WorksheetNavigation::HighlightLastCell(int cellCount)
{
    const int last = std::max(cellCount - 1, 0);
    firstVisibleRow_ = std::max(cellCount - visibleRows_, 0);
    highlightedRow_ = last - firstVisibleRow_;
}

bool WorksheetNavigation::HighlightCell(int cell, int cellCount)
{
    if (cell < 0 || cell >= cellCount) {
        return false;
    }
    if (cell < firstVisibleRow_) {
        firstVisibleRow_ = cell;
    } else if (cell >= firstVisibleRow_ + visibleRows_) {
        firstVisibleRow_ = cell - visibleRows_ + 1;
    }
    highlightedRow_ = cell - firstVisibleRow_;
    return true;
}

bool WorksheetNavigation::HighlightVisibleRow(int row, int cellCount)
{
    if (row < 0 || row >= visibleRows_ || firstVisibleRow_ + row >= cellCount) {
        return false;
    }
    highlightedRow_ = row;
    return true;
}

void WorksheetNavigation::ScrollCellToTop(int cell, int cellCount)
{
    if (cell < 0 || cell >= cellCount) {
        return;
    }
    firstVisibleRow_ = cell;
    highlightedRow_ = 0;
}

}  // namespace tallyx
