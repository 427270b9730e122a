#pragma once

#include <vector>

#include "app/keypad_geometry.h"
#include "keypad/layout_def.h"
#include "ui/keypad_grid.h"

namespace tallyx {

// Where a worksheet's list and keypad sit for one client size. Portrait: the
// list above the keypad, one line a row, the label left and the value right.
// Landscape: the list left of the keypad, two lines a row, the label on top.
struct WorksheetLayout {
    ScreenMetrics metrics;
    KeypadGeometry bar;  // the soft-key bar, as on a keypad of this size
    Rect list;
    int rowHeight = 0;
    int firstRowTop = 0;
    // Rows left and right when every cell fits; a scrolling portrait list leaves room for its arrows.
    int rowLeft = 0;
    int rowRight = 0;
    int visibleRows = 1;
    FontSpec valueFont;
    FontSpec labelFont;
    // The portrait keypad shows the layout's main keys, the landscape one its alternate keys.
    GridPlacement keypad;
    CaptionFonts keyFonts;

    bool Landscape() const { return metrics.Landscape(); }
    // The title line above the rows.
    Rect TitleLine() const;
};

WorksheetLayout LayOutWorksheet(const ScreenMetrics& metrics, const LayoutDef* layout);
// The keys the layout shows at that size.
const std::vector<ButtonDef>& WorksheetKeys(const WorksheetLayout& layout, const LayoutDef& keys);
// The rectangles of the visible rows; a list that scrolls is indented for its arrows.
std::vector<Rect> WorksheetRows(const WorksheetLayout& layout, int cellCount);

}  // namespace tallyx
