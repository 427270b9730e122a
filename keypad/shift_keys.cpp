#include "keypad/shift_keys.h"

#include <array>

namespace tallyx {
namespace {

constexpr std::int32_t kSecondKeyId = 0;
constexpr std::int32_t kHyperbolicKeyId = 1;
// Ids 3 to 7 are prefixes: each sets its own state, and a second press cancels it.
constexpr std::int32_t kFirstPrefixKeyId = 3;
constexpr std::int32_t kLastPrefixKeyId = 7;

// Rows by key (2nd, Hyp); columns by state: 2nd, Hyp, Hyp and 2nd, any other.
constexpr std::array<std::array<ShiftState, 4>, 2> kToggleTransitions = {{
    {ShiftStateNone, ShiftStateHypSecond, ShiftStateHyp, ShiftStateSecond},
    {ShiftStateHypSecond, ShiftStateNone, ShiftStateSecond, ShiftStateHyp},
}};
constexpr std::size_t kAnyOtherStateColumn = 3;

}  // namespace

ShiftState ShiftStateAfterKey(ShiftState state, std::int32_t shiftKeyId)
{
    if (shiftKeyId == kSecondKeyId || shiftKeyId == kHyperbolicKeyId) {
        const bool toggled = state >= ShiftStateSecond && state <= ShiftStateHypSecond;
        const auto column = toggled ? static_cast<std::size_t>(state) : kAnyOtherStateColumn;
        return kToggleTransitions[static_cast<std::size_t>(shiftKeyId)][column];
    }
    if (shiftKeyId >= kFirstPrefixKeyId && shiftKeyId <= kLastPrefixKeyId) {
        return state == shiftKeyId ? ShiftStateNone : static_cast<ShiftState>(shiftKeyId);
    }
    return ShiftStateNone;
}

}  // namespace tallyx
