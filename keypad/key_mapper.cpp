#include "keypad/key_mapper.h"

#include <array>
#include <cwctype>

#include "keypad/button_def.h"

namespace tallyx {
namespace {

constexpr int kDecimalBase = 10;

// A character and its key; letters are listed in upper case and match either case.
struct CharacterKey {
    wchar_t character;
    MappedKey key;
};

constexpr MappedKey Press(std::int32_t type, std::int32_t id) { return {type, id, true}; }
constexpr MappedKey kHandledOnly{0, 0, false};

constexpr std::array kCharacterKeys = {
    CharacterKey{L'\b', Press(ButtonTypeClear, 3)},     CharacterKey{L'\r', Press(ButtonTypeEquals, 0)},
    CharacterKey{L' ', Press(ButtonTypeEquals, 0)},     CharacterKey{L'=', Press(ButtonTypeEquals, 0)},
    CharacterKey{L'?', Press(ButtonTypeEquals, 0)},     CharacterKey{L'!', Press(ButtonTypeFunction, 28)},
    CharacterKey{L'"', Press(ButtonTypeFunction, 12)},  CharacterKey{L'#', Press(ButtonTypeRecall, 99)},
    CharacterKey{L'$', Press(ButtonTypeClear, 0)},      CharacterKey{L'%', Press(ButtonTypeFunction, 30)},
    CharacterKey{L'&', Press(ButtonTypeOperator, 13)},  CharacterKey{L'(', Press(ButtonTypeBracket, 0)},
    CharacterKey{L')', Press(ButtonTypeBracket, 1)},    CharacterKey{L'*', Press(ButtonTypeOperator, 2)},
    CharacterKey{L'X', Press(ButtonTypeOperator, 2)},   CharacterKey{L'+', Press(ButtonTypeOperator, 0)},
    CharacterKey{L',', Press(ButtonTypeEntry, 16)},     CharacterKey{L'.', Press(ButtonTypeEntry, 16)},
    CharacterKey{L'-', Press(ButtonTypeOperator, 1)},   CharacterKey{L'/', Press(ButtonTypeOperator, 3)},
    CharacterKey{L'\\', Press(ButtonTypeOperator, 3)},  CharacterKey{L'G', Press(ButtonTypeShift, 0)},
    CharacterKey{L'H', Press(ButtonTypeShift, 1)},      CharacterKey{L'I', Press(ButtonTypeFunction, 21)},
    CharacterKey{L'J', Press(ButtonTypeFunction, 26)},  CharacterKey{L'K', Press(ButtonTypeFunction, 27)},
    CharacterKey{L'L', Press(ButtonTypeFunction, 14)},  CharacterKey{L'M', Press(ButtonTypeMemory, 33)},
    CharacterKey{L'Z', Press(ButtonTypeMemory, 33)},    CharacterKey{L'N', Press(ButtonTypeFunction, 15)},
    CharacterKey{L'O', Press(ButtonTypeFunction, 18)},  CharacterKey{L'P', Press(ButtonTypeRecall, 0)},
    CharacterKey{L'Q', kHandledOnly},                   CharacterKey{L'R', Press(ButtonTypeOperator, 6)},
    CharacterKey{L'S', Press(ButtonTypeFunction, 1)},   CharacterKey{L'T', Press(ButtonTypeFunction, 2)},
    CharacterKey{L'U', Press(ButtonTypeOperator, 5)},   CharacterKey{L'V', Press(ButtonTypeMemory, 16)},
    CharacterKey{L'W', Press(ButtonTypeMemory, 8)},     CharacterKey{L'Y', Press(ButtonTypeMemory, 0)},
    CharacterKey{L'^', Press(ButtonTypeOperator, 4)},
};

// Hex digits: the digit outside base 10, in base 10 a function or nothing.
struct HexLetter {
    wchar_t letter;
    std::optional<MappedKey> inDecimal;
};

constexpr std::array kHexLetters = {
    HexLetter{L'A', std::nullopt},
    HexLetter{L'B', std::nullopt},
    HexLetter{L'C', Press(ButtonTypeFunction, 0)},
    HexLetter{L'D', Press(ButtonTypeFunction, 12)},
    HexLetter{L'E', Press(ButtonTypeOperator, 5)},
    HexLetter{L'F', std::nullopt},
};

constexpr std::int32_t kFirstHexDigitId = 10;

}  // namespace

std::optional<MappedKey> KeyMapper::MapCharacter(wchar_t character, int base) const
{
    if (character >= L'0' && character <= L'9') {
        return Press(ButtonTypeEntry, character - L'0');
    }
    const auto upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character)));
    for (std::size_t index = 0; index < kHexLetters.size(); ++index) {
        if (kHexLetters[index].letter != upper) continue;
        if (base != kDecimalBase) return Press(ButtonTypeEntry, kFirstHexDigitId + static_cast<std::int32_t>(index));
        return kHexLetters[index].inDecimal;
    }
    for (const CharacterKey& entry : kCharacterKeys) {
        if (entry.character == upper) return entry.key;
    }
    return std::nullopt;
}

}  // namespace tallyx
