#include "app/mode_panels/constants_panel_layout.h"

#include <algorithm>

namespace tallyx {
namespace {

constexpr int kButtonSlots = static_cast<int>(ConstantsPanelLayout::kLevelSlots) + 1;
constexpr int kLineCount = static_cast<int>(ConstantsPanelLayout::kLineCount);
// The buttons take this many fifths of the area's height, the lines the rest.
constexpr int kRowButtonFifths = 2;
constexpr int kColumnButtonFifths = 3;
constexpr int kNormal = 400;

Rect Slot(const Rect& band, int index, int count, int gap, bool across)
{
    if (across) {
        const int width = band.Width() / count;
        const int left = band.left + index * width;
        return {left + gap, band.top + gap, left + width - gap, band.bottom - gap};
    }
    const int height = band.Height() / count;
    const int top = band.top + index * height;
    return {band.left + gap, top + gap, band.right - gap, top + height - gap};
}

}  // namespace

ConstantsPanelLayout LayOutConstantsPanel(const Rect& area, int icon)
{
    const bool row = area.Width() >= area.Height();
    const int gap = std::max(1, icon / 16);
    const int split = area.top + area.Height() * (row ? kRowButtonFifths : kColumnButtonFifths) / 5;
    const Rect buttons{area.left, area.top, area.right, split};
    const Rect text{area.left + gap, split, area.right - gap, area.bottom - gap};
    ConstantsPanelLayout layout;
    for (std::size_t slot = 0; slot < layout.levelButtons.size(); ++slot) {
        layout.levelButtons[slot] = Slot(buttons, static_cast<int>(slot), kButtonSlots, gap, row);
    }
    layout.favouriteButton = Slot(buttons, kButtonSlots - 1, kButtonSlots, gap, row);
    for (std::size_t line = 0; line < layout.lines.size(); ++line) {
        layout.lines[line] = Slot(text, static_cast<int>(line), kLineCount, 0, false);
    }
    const int lineHeight = layout.lines[0].Height();
    layout.textFont = FontSpec{kFontFamily, std::max(1, std::min(lineHeight * 3 / 4, icon / 2)), kNormal};
    return layout;
}

}  // namespace tallyx
