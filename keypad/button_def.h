#pragma once

#include <cstdint>

#include "engine/button_types.h"

namespace tallyx {

// One key as built from the layout and skin texts: the engine's key with its
// look. The captions point into the fixed caption tables and are never owned.
struct ButtonDef : ButtonKey {
    std::int32_t style = 0;  // 0 to 5: colour set style + 1 of the skin
    const wchar_t* caption = L"";
    const wchar_t* raisedCaption = L"";
};

}  // namespace tallyx
