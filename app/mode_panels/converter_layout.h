#pragma once

#include <span>
#include <vector>

#include "app/keypad_geometry.h"
#include "keypad/layout_def.h"
#include "ui/keypad_grid.h"

namespace tallyx {

// Where the parts of a converter panel sit: a strip of three buttons, the
// rows of what the panel shows, and the keypad of its layout. Portrait
// windows stack them, landscape windows put the keypad on the right.
struct ConverterLayout {
    static constexpr int kButtonCount = 3;

    ScreenMetrics metrics;
    GridPlacement buttons;
    // One rectangle per row weight, top to bottom.
    std::vector<Rect> rows;
    GridPlacement keypad;
    CaptionFonts buttonFonts;
    CaptionFonts keyFonts;
};

// rowWeights share the room left beside or above the keypad; a missing
// layout leaves the keypad without cells.
ConverterLayout ComputeConverterLayout(const ScreenMetrics& metrics, const LayoutDef* layout,
                                       std::span<const int> rowWeights);

}  // namespace tallyx
