#pragma once

#include <cstdint>

#include "engine/shift_state.h"

namespace tallyx {

// The state after a key of type 7 with that id is pressed in the given state:
// the one rule of the engine, which the keypad's look follows.
ShiftState ShiftStateAfterKey(ShiftState state, std::int32_t shiftKeyId);

}  // namespace tallyx
