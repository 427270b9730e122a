#pragma once

#include <cstdint>
#include <vector>

#include "keypad/button_def.h"

namespace tallyx {

// One built keypad layout. Positions count from 1 in reading order; a main
// position left out of the text moves the later keys up.
struct LayoutDef {
    std::int32_t mainRows = 0;
    std::int32_t mainColumns = 0;
    std::int32_t alternateRows = 0;
    std::int32_t alternateColumns = 0;
    std::vector<ButtonDef> mainButtons;
    std::vector<ButtonDef> alternateButtons;
    std::vector<ButtonDef> secondButtons;
    std::vector<ButtonDef> hyperbolicButtons;
    std::vector<ButtonDef> hyperbolicSecondButtons;

    // The key set the alternate area shows in that shift state; the main area never changes.
    const std::vector<ButtonDef>& AlternateButtonsFor(std::int32_t shiftState) const;
};

}  // namespace tallyx
