#include "engine/shift_rule.h"

#include <array>

#include "engine/key_ids.h"

namespace tallyx {
namespace {

// Rows by key (2nd, Hyp); columns by state: 2nd, Hyp, Hyp and 2nd, any other.
constexpr std::array<std::array<ShiftState, 4>, 2> kToggleTransitions = {{
    {ShiftStateNone, ShiftStateHypSecond, ShiftStateHyp, ShiftStateSecond},
    {ShiftStateHypSecond, ShiftStateNone, ShiftStateSecond, ShiftStateHyp},
}};
constexpr std::size_t kAnyOtherStateColumn = 3;

}  // namespace

ShiftState ShiftStateAfterKey(ShiftState state, std::int32_t shiftKeyId)
{
    if (shiftKeyId == ShiftKeySecond || shiftKeyId == ShiftKeyHyp) {
        const bool toggled = state >= ShiftStateSecond && state <= ShiftStateHypSecond;
        const auto column = toggled ? static_cast<std::size_t>(state) : kAnyOtherStateColumn;
        return kToggleTransitions[static_cast<std::size_t>(shiftKeyId)][column];
    }
    // Each prefix sets its own state, and a second press cancels it.
    if (shiftKeyId >= ShiftKeyFirstPrefix && shiftKeyId <= ShiftKeyLastPrefix) {
        return state == shiftKeyId ? ShiftStateNone : static_cast<ShiftState>(shiftKeyId);
    }
    return ShiftStateNone;
}

}  // namespace tallyx
