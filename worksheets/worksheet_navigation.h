#pragma once

namespace tallyx {

// No more rows than this are ever shown at once.
inline constexpr int kMostVisibleRows = 15;

// Which part of a worksheet's cell list is on screen and which cell is
// highlighted. The highlight is kept relative to the first visible row, as the
// drawing wants it; every operation is told the current number of cells, since
// some worksheets grow their list.
class WorksheetNavigation {
public:
    static constexpr int kNoHighlight = -1;

    int FirstVisibleRow() const { return firstVisibleRow_; }
    // Relative to the first visible row; kNoHighlight when none.
    int HighlightedRow() const { return highlightedRow_; }
    int VisibleRows() const { return visibleRows_; }
    // Absolute index of the highlighted cell, or kNoHighlight.
    int HighlightedCell() const;

    // Limited to 1 to kMostVisibleRows; scrolls so that the highlight stays on screen.
    void SetVisibleRows(int rows, int cellCount);

    // Down and Up: scroll at the edge of the visible rows, stop at the ends.
    // False when nothing moved.
    bool MoveDown(int cellCount);
    bool MoveUp();

    void HighlightFirstCell();
    // Unscrolled when every cell fits, else the last cell sits on the bottom row.
    void HighlightLastCell(int cellCount);
    // Scrolls as little as needed to bring the cell on screen. False for no such cell.
    bool HighlightCell(int cell, int cellCount);
    // A tap on a visible row; false when the row holds no cell.
    bool HighlightVisibleRow(int row, int cellCount);
    // The cell becomes the first visible row and is highlighted there.
    void ScrollCellToTop(int cell, int cellCount);

private:
    int firstVisibleRow_ = 0;
    int highlightedRow_ = 0;
    int visibleRows_ = kMostVisibleRows;
};

}  // namespace tallyx
