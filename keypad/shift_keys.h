#pragma once

#include <cstdint>

namespace tallyx {

// The shift and prefix states of the engine, as far as the keypad's look
// depends on them: the alternate area shows another key set under 2nd and Hyp.
enum ShiftStateValue : std::int32_t {
    ShiftStateSecond = 0,
    ShiftStateHyperbolic = 1,
    ShiftStateHyperbolicSecond = 2,
    ShiftStateRecallPrefix = 3,
    ShiftStateStorePrefix = 4,
    ShiftStateNone = 5,
};

// The state after a key of type 7 with that id is pressed in the given state.
std::int32_t ShiftStateAfterKey(std::int32_t state, std::int32_t shiftKeyId);

}  // namespace tallyx
