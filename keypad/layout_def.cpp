#include "keypad/layout_def.h"

#include "engine/shift_rule.h"

namespace tallyx {

const std::vector<ButtonDef>& LayoutDef::AlternateButtonsFor(std::int32_t shiftState) const
{
    switch (shiftState) {
    case ShiftStateSecond:
        return secondButtons;
    case ShiftStateHyp:
        return hyperbolicButtons;
    case ShiftStateHypSecond:
        return hyperbolicSecondButtons;
    default:
        return alternateButtons;
    }
}

}  // namespace tallyx
