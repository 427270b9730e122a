#pragma once

#include <cstdint>
#include <optional>

namespace tallyx {

// What a typed character does: press a key of the calculator, or nothing
// while still counting as handled.
struct MappedKey {
    std::int32_t type = 0;
    std::int32_t id = 0;
    bool press = true;
};

// Maps typed characters to calculator keys. The hex digits A to F depend on
// the number base: in base 10 some of them are functions instead. Beside the
// characters, a desktop's usual keys: Ctrl+C and Ctrl+Insert copy, Ctrl+V and
// Shift+Insert paste, Escape clears and Delete clears the entry.
class KeyMapper {
public:
    // Nothing for a character the calculator does not take.
    std::optional<MappedKey> MapCharacter(wchar_t character, int base) const;
    // keyData holds the Shift and Ctrl state of a key-down message; nothing
    // for a key, or a combination, that is no shortcut.
    std::optional<MappedKey> MapShortcut(std::uint32_t virtualKey, std::intptr_t keyData) const;
};

}  // namespace tallyx
