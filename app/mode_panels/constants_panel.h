#pragma once

#include "app/panel.h"

namespace tallyx {

// The constants panel: the keypad and display stay in view beneath it, and
// until the constants browser is built it draws nothing of its own.
class ConstantsPanel : public Panel {};

}  // namespace tallyx
