#pragma once

#include "keypad/button_def.h"

namespace tallyx {

// Advanced memory turns the memory store and recall keys into STO and RCL
// prefixes and the clear, add and subtract keys into the registers M1 to M3.
ButtonDef RewriteForAdvancedMemory(ButtonDef button);

// RPN entry has no equals, brackets or plain sign change: those places get
// Enter, the stack keys, EEX, CHS and CLX.
ButtonDef RewriteForRpn(ButtonDef button);

}  // namespace tallyx
