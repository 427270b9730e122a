#include "keypad/key_mapper.h"

#include <array>
#include <cwctype>

#include "engine/key_ids.h"
#include "keypad/button_def.h"
#include "platform/window_messages.h"

namespace tallyx {
namespace {

// A character and its key; letters are listed in upper case and match either case.
struct CharacterKey {
    wchar_t character;
    MappedKey key;
};

constexpr MappedKey Press(std::int32_t type, std::int32_t id) { return {type, id, true}; }
constexpr MappedKey kHandledOnly{0, 0, false};

constexpr std::array kCharacterKeys = {
    CharacterKey{L'\b', Press(ButtonTypeClear, ClearKeyBackSpace)},
    CharacterKey{L'\r', Press(ButtonTypeEquals, EqualsKeyEquals)},
    CharacterKey{L' ', Press(ButtonTypeEquals, EqualsKeyEquals)},
    CharacterKey{L'=', Press(ButtonTypeEquals, EqualsKeyEquals)},
    CharacterKey{L'?', Press(ButtonTypeEquals, EqualsKeyEquals)},
    CharacterKey{L'!', Press(ButtonTypeFunction, FunctionKeyFactorial)},
    CharacterKey{L'"', Press(ButtonTypeFunction, FunctionKeyConvertAngle)},
    CharacterKey{L'#', Press(ButtonTypeRecall, RecallKeyLastAnswer)},
    CharacterKey{L'$', Press(ButtonTypeClear, ClearKeyClear)},
    CharacterKey{L'%', Press(ButtonTypeFunction, FunctionKeyPercentage)},
    CharacterKey{L'&', Press(ButtonTypeOperator, OperatorKeyAnd)},
    CharacterKey{L'(', Press(ButtonTypeBracket, BracketKeyOpen)},
    CharacterKey{L')', Press(ButtonTypeBracket, BracketKeyClose)},
    CharacterKey{L'*', Press(ButtonTypeOperator, OperatorKeyTimes)},
    CharacterKey{L'X', Press(ButtonTypeOperator, OperatorKeyTimes)},
    CharacterKey{L'+', Press(ButtonTypeOperator, OperatorKeyPlus)},
    CharacterKey{L',', Press(ButtonTypeEntry, EntryKeyDecimal)},
    CharacterKey{L'.', Press(ButtonTypeEntry, EntryKeyDecimal)},
    CharacterKey{L'-', Press(ButtonTypeOperator, OperatorKeyMinus)},
    CharacterKey{L'/', Press(ButtonTypeOperator, OperatorKeyDivide)},
    CharacterKey{L'\\', Press(ButtonTypeOperator, OperatorKeyDivide)},
    CharacterKey{L'G', Press(ButtonTypeShift, ShiftKeySecond)},
    CharacterKey{L'H', Press(ButtonTypeShift, ShiftKeyHyp)},
    CharacterKey{L'I', Press(ButtonTypeFunction, FunctionKeyOneOverX)},
    CharacterKey{L'J', Press(ButtonTypeFunction, FunctionKeyEToTheX)},
    CharacterKey{L'K', Press(ButtonTypeFunction, FunctionKeyTenToTheX)},
    CharacterKey{L'L', Press(ButtonTypeFunction, FunctionKeyLog)},
    CharacterKey{L'M', Press(ButtonTypeMemory, MemoryKeyPlusToo)},
    CharacterKey{L'Z', Press(ButtonTypeMemory, MemoryKeyPlusToo)},
    CharacterKey{L'N', Press(ButtonTypeFunction, FunctionKeyLn)},
    CharacterKey{L'O', Press(ButtonTypeFunction, FunctionKeyPlusMinus)},
    CharacterKey{L'P', Press(ButtonTypeRecall, RecallKeyPi)},
    CharacterKey{L'Q', kHandledOnly},
    CharacterKey{L'R', Press(ButtonTypeOperator, OperatorKeyRoot)},
    CharacterKey{L'S', Press(ButtonTypeFunction, FunctionKeySin)},
    CharacterKey{L'T', Press(ButtonTypeFunction, FunctionKeyTan)},
    CharacterKey{L'U', Press(ButtonTypeOperator, OperatorKeyExp)},
    CharacterKey{L'V', Press(ButtonTypeMemory, MemoryKeyFirstClear)},
    CharacterKey{L'W', Press(ButtonTypeMemory, MemoryKeyFirstRecall)},
    CharacterKey{L'Y', Press(ButtonTypeMemory, MemoryKeyFirstStore)},
    CharacterKey{L'^', Press(ButtonTypeOperator, OperatorKeyXToTheY)},
};

// Hex digits: the digit outside base 10, in base 10 a function or nothing.
struct HexLetter {
    wchar_t letter;
    std::optional<MappedKey> inDecimal;
};

constexpr std::array kHexLetters = {
    HexLetter{L'A', std::nullopt},
    HexLetter{L'B', std::nullopt},
    HexLetter{L'C', Press(ButtonTypeFunction, FunctionKeyCos)},
    HexLetter{L'D', Press(ButtonTypeFunction, FunctionKeyConvertAngle)},
    HexLetter{L'E', Press(ButtonTypeOperator, OperatorKeyExp)},
    HexLetter{L'F', std::nullopt},
};

// A key with exactly these modifiers held.
struct ShortcutKey {
    std::uint32_t virtualKey;
    std::intptr_t modifiers;
    MappedKey key;
};

constexpr std::intptr_t kModifiers = KeyDataShift | KeyDataControl;
constexpr MappedKey kCopy = Press(ButtonTypeClipboard, ClipboardKeyCopy);
constexpr MappedKey kPaste = Press(ButtonTypeClipboard, ClipboardKeyPaste);

constexpr std::array kShortcutKeys = {
    ShortcutKey{'C', KeyDataControl, kCopy},
    ShortcutKey{VK_INSERT, KeyDataControl, kCopy},
    ShortcutKey{'V', KeyDataControl, kPaste},
    ShortcutKey{VK_INSERT, KeyDataShift, kPaste},
    ShortcutKey{VK_ESCAPE, 0, Press(ButtonTypeClear, ClearKeyClear)},
    ShortcutKey{VK_DELETE, 0, Press(ButtonTypeClear, ClearKeyEntry)},
};

}  // namespace

std::optional<MappedKey> KeyMapper::MapShortcut(std::uint32_t virtualKey, std::intptr_t keyData) const
{
    for (const ShortcutKey& entry : kShortcutKeys) {
        if (entry.virtualKey == virtualKey && entry.modifiers == (keyData & kModifiers)) return entry.key;
    }
    return std::nullopt;
}

std::optional<MappedKey> KeyMapper::MapCharacter(wchar_t character, int base) const
{
    if (character >= L'0' && character <= L'9') {
        return Press(ButtonTypeEntry, character - L'0');
    }
    const auto upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(character)));
    for (std::size_t index = 0; index < kHexLetters.size(); ++index) {
        if (kHexLetters[index].letter != upper) continue;
        if (base != BaseKeyDecimal) return Press(ButtonTypeEntry, EntryKeyFirstLetter + static_cast<std::int32_t>(index));
        return kHexLetters[index].inDecimal;
    }
    for (const CharacterKey& entry : kCharacterKeys) {
        if (entry.character == upper) return entry.key;
    }
    return std::nullopt;
}

}  // namespace tallyx
