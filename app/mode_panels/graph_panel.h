#pragma once

#include "app/panel.h"

namespace tallyx {

// The graphing panel: the keypad stays in view beneath it, and until the
// function list is built it draws nothing of its own.
class GraphPanel : public Panel {};

}  // namespace tallyx
