#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keypad/button_def.h"

namespace tallyx {

// The key of that skin section name in a built-in skin (0-4), found without regard to letter case.
std::optional<ButtonDef> FindButtonByName(std::wstring_view name, int skinIndex = 0);
// Every section name of the vocabulary, in table order (for "did you mean" suggestions).
std::vector<std::wstring> ButtonNames();

}  // namespace tallyx
