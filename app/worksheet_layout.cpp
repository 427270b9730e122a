#include "app/worksheet_layout.h"

#include <algorithm>

#include "worksheets/worksheet_navigation.h"

namespace tallyx {
namespace {

constexpr int kBold = 700;
// Portrait lists lose two rows to the title and the arrows, landscape ones one.
constexpr int kPortraitSpareRows = 2;
constexpr int kLandscapeSpareRows = 1;

FontSpec BoldFont(int height)
{
    return FontSpec{kFontFamily, std::max(1, height), kBold};
}

// Short captions large, longer ones smaller; a raised part takes the middle size.
CaptionFonts KeyFontsFor(const GridPlacement& keypad)
{
    const Size key = GridKeySize(keypad);
    const int side = std::min(key.width, key.height);
    const FontSpec middle = BoldFont(4 * side / 7);
    return {BoldFont(5 * side / 7), middle, BoldFont(side / 2), middle};
}

int VisibleRows(int height, int rowHeight, int spareRows)
{
    const int rows = rowHeight > 0 ? height / rowHeight - spareRows : 1;
    return std::clamp(rows, 1, kMostVisibleRows);
}

void LayOutPortrait(WorksheetLayout& layout, const LayoutDef* keys)
{
    const ScreenMetrics& metrics = layout.metrics;
    const int above = layout.bar.softKeyBar.top;
    layout.list = {0, 0, metrics.width, above / 2};
    layout.rowHeight = layout.valueFont.pixelHeight;
    layout.visibleRows = VisibleRows(layout.list.Height(), layout.rowHeight, kPortraitSpareRows);
    layout.firstRowTop = layout.list.top + layout.rowHeight + metrics.smallIcon / 2;
    layout.rowLeft = layout.list.left + metrics.icon / 4;
    layout.rowRight = layout.list.right - metrics.icon / 4;
    const GridShape shape = keys ? GridShape{keys->mainRows, keys->mainColumns, layout.bar.gap} : GridShape{};
    layout.keypad = {{layout.bar.margin, layout.list.bottom + layout.bar.gap, metrics.width - layout.bar.margin, above - 1},
                     shape};
}

void LayOutLandscape(WorksheetLayout& layout, const LayoutDef* keys)
{
    const ScreenMetrics& metrics = layout.metrics;
    const int above = layout.bar.softKeyBar.top;
    layout.list = {0, 0, metrics.width / 2, above};
    layout.rowHeight = layout.valueFont.pixelHeight + layout.labelFont.pixelHeight;
    layout.visibleRows =
        VisibleRows(layout.list.Height() - metrics.smallIcon / 2, layout.rowHeight, kLandscapeSpareRows);
    layout.firstRowTop = layout.list.top + metrics.Unit() + metrics.smallIcon + layout.valueFont.pixelHeight;
    layout.rowLeft = layout.list.left + 3 * metrics.Unit();
    layout.rowRight = layout.list.right - 3 * metrics.Unit();
    const GridShape shape = keys ? GridShape{keys->alternateRows, keys->alternateColumns, layout.bar.gap} : GridShape{};
    layout.keypad = {{layout.list.right + layout.bar.margin, layout.bar.margin, metrics.width - layout.bar.margin, above - 1},
                     shape};
}

}  // namespace

Rect WorksheetLayout::TitleLine() const
{
    const int top = list.top + 2 * metrics.Unit();
    return {list.left + metrics.icon / 4, top, list.right - 3 * metrics.Unit(), top + valueFont.pixelHeight};
}

WorksheetLayout LayOutWorksheet(const ScreenMetrics& metrics, const LayoutDef* keys)
{
    WorksheetLayout layout;
    layout.metrics = metrics;
    layout.bar = ComputeKeypadGeometry(metrics, nullptr);
    layout.valueFont = BoldFont(metrics.smallIcon);
    layout.labelFont = BoldFont(metrics.smallIcon - 2 * metrics.Unit());
    if (metrics.Landscape()) {
        LayOutLandscape(layout, keys);
    } else {
        LayOutPortrait(layout, keys);
    }
    layout.keyFonts = KeyFontsFor(layout.keypad);
    return layout;
}

const std::vector<ButtonDef>& WorksheetKeys(const WorksheetLayout& layout, const LayoutDef& keys)
{
    return layout.Landscape() ? keys.alternateButtons : keys.mainButtons;
}

std::vector<Rect> WorksheetRows(const WorksheetLayout& layout, int cellCount)
{
    const bool scrolls = cellCount > layout.visibleRows;
    const int left = layout.rowLeft + (scrolls && !layout.Landscape() ? layout.metrics.smallIcon / 2 : 0);
    std::vector<Rect> rows;
    rows.reserve(static_cast<std::size_t>(layout.visibleRows));
    for (int row = 0; row < layout.visibleRows; ++row) {
        const int top = layout.firstRowTop + row * layout.rowHeight;
        rows.push_back({left, top, layout.rowRight, top + layout.rowHeight});
    }
    return rows;
}

}  // namespace tallyx
