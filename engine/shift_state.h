#pragma once

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

}  // namespace tallyx
