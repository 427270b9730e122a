#pragma once

#include <array>
#include <cstddef>

#include "platform/geometry.h"
#include "ui/canvas.h"

namespace tallyx {

// Where the constants browser puts its buttons and its three text lines in
// the part of the window the keypad leaves it. Each button has a slot of
// its own, so that a level appearing or going moves none of the others.
struct ConstantsPanelLayout {
    static constexpr std::size_t kLevelSlots = 4;
    static constexpr std::size_t kLineCount = 3;

    std::array<Rect, kLevelSlots> levelButtons;
    Rect favouriteButton;
    std::array<Rect, kLineCount> lines;
    FontSpec textFont;
};

// A wide area takes the buttons in a row above the lines, a tall one in a column.
ConstantsPanelLayout LayOutConstantsPanel(const Rect& area, int icon);

}  // namespace tallyx
