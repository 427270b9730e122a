#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keypad/button_def.h"

namespace tallyx::cli {

// One key press named on the command line.
struct NamedKey {
    std::string name;  // as the user wrote it, or the digit it came from
    ButtonDef button;
};

// Resolves a key name of the vocabulary (any letter case), "TYPE:ID", or a
// run of digits and points ("12.5" types 1, 2, the point and 5). Nothing when
// the word names no key.
std::optional<std::vector<NamedKey>> ResolveKeyWord(std::string_view word);

// The vocabulary names closest to an unknown word, by edit distance.
std::vector<std::wstring> ClosestKeyNames(std::wstring_view word);

}  // namespace tallyx::cli
