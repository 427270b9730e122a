#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallyx {

// The lengths the calculator's texts are held to. Longer texts are refused
// or cut by their owners; nothing is written past these.
constexpr std::size_t kRegisterLength = 31;    // a memory slot or stack register
constexpr std::size_t kEntryLength = 95;       // the number being typed or shown
constexpr std::size_t kTypingLimit = 64;       // typing stops once an entry holds more
constexpr std::size_t kLevelLength = 511;      // one pending bracket level, or an expression
constexpr std::size_t kPasteLength = 32;       // the part of the clipboard a paste takes

inline std::wstring CutText(std::wstring_view text, std::size_t limit)
{
    return std::wstring(text.substr(0, limit));
}

}  // namespace tallyx
