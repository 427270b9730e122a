#pragma once

#include <cstdint>

namespace tallyx {

// The 2nd/Hyp shift and the pending prefixes (STO, RCL and further ones):
// the engine keeps it, and the keypad shows the key set that goes with it.
enum ShiftState : int {
    ShiftStateSecond = 0,
    ShiftStateHyp = 1,
    ShiftStateHypSecond = 2,
    ShiftStateRecallPending = 3,
    ShiftStateStorePending = 4,
    ShiftStateNone = 5,
};

// The state after a shift key with that id is pressed in the given state:
// the one rule of the engine, which the keypad's look follows.
ShiftState ShiftStateAfterKey(ShiftState state, std::int32_t shiftKeyId);

}  // namespace tallyx
