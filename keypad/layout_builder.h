#pragma once

#include <string_view>

#include "keypad/button_def.h"
#include "keypad/layout_def.h"

namespace tallyx {

class IniText;

// Which key rewritings a build applies.
struct KeyRewriting {
    bool advancedMemory = false;
    bool rpnKeys = false;
};

// The key of a skin section name, with its caption. A name the skin lacks is
// the digit 0, which is what the keypad shows for it.
ButtonDef ButtonFromSkin(const IniText& skin, std::wstring_view name);

// Places the skin's keys on the grid of a layout text.
LayoutDef BuildLayout(const IniText& layoutText, const IniText& skin, KeyRewriting rewriting);

}  // namespace tallyx
