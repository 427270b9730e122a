#include <gtest/gtest.h>

#include "keypad/key_mapper.h"

namespace tallyx {
namespace {

struct CharacterCase {
    wchar_t character;
    int base;
    std::optional<MappedKey> expected;
};

bool Same(const std::optional<MappedKey>& a, const std::optional<MappedKey>& b)
{
    if (!a || !b) return a.has_value() == b.has_value();
    return a->type == b->type && a->id == b->id && a->press == b->press;
}

TEST(KeyMapper, TypedCharactersMapToKeys)
{
    const CharacterCase cases[] = {
        {L'7', 10, MappedKey{0, 7}},       {L'0', 16, MappedKey{0, 0}},      {L'\b', 10, MappedKey{8, 3}},
        {L'\r', 10, MappedKey{5, 0}},      {L' ', 10, MappedKey{5, 0}},      {L'?', 10, MappedKey{5, 0}},
        {L'!', 10, MappedKey{2, 28}},      {L'"', 10, MappedKey{2, 12}},     {L'#', 10, MappedKey{6, 99}},
        {L'$', 10, MappedKey{8, 0}},       {L'%', 10, MappedKey{2, 30}},     {L'&', 10, MappedKey{1, 13}},
        {L'(', 10, MappedKey{3, 0}},       {L')', 10, MappedKey{3, 1}},      {L'*', 10, MappedKey{1, 2}},
        {L'x', 10, MappedKey{1, 2}},       {L'X', 16, MappedKey{1, 2}},      {L',', 10, MappedKey{0, 16}},
        {L'.', 10, MappedKey{0, 16}},      {L'\\', 10, MappedKey{1, 3}},     {L'^', 10, MappedKey{1, 4}},
        {L'g', 10, MappedKey{7, 0}},       {L'H', 10, MappedKey{7, 1}},      {L'i', 10, MappedKey{2, 21}},
        {L'j', 10, MappedKey{2, 26}},      {L'k', 10, MappedKey{2, 27}},     {L'l', 10, MappedKey{2, 14}},
        {L'm', 10, MappedKey{4, 33}},      {L'z', 10, MappedKey{4, 33}},     {L'n', 10, MappedKey{2, 15}},
        {L'o', 10, MappedKey{2, 18}},      {L'p', 10, MappedKey{6, 0}},      {L'q', 10, MappedKey{0, 0, false}},
        {L'r', 10, MappedKey{1, 6}},       {L's', 10, MappedKey{2, 1}},      {L't', 10, MappedKey{2, 2}},
        {L'u', 10, MappedKey{1, 5}},       {L'v', 10, MappedKey{4, 16}},     {L'w', 10, MappedKey{4, 8}},
        {L'y', 10, MappedKey{4, 0}},
        // Hex letters: digits outside base 10, functions or nothing in it.
        {L'a', 16, MappedKey{0, 10}},      {L'B', 2, MappedKey{0, 11}},      {L'c', 16, MappedKey{0, 12}},
        {L'd', 8, MappedKey{0, 13}},       {L'E', 16, MappedKey{0, 14}},     {L'f', 16, MappedKey{0, 15}},
        {L'c', 10, MappedKey{2, 0}},       {L'D', 10, MappedKey{2, 12}},     {L'e', 10, MappedKey{1, 5}},
        {L'a', 10, std::nullopt},          {L'F', 10, std::nullopt},
        {L'~', 10, std::nullopt},          {L'\t', 10, std::nullopt},        {L'é', 10, std::nullopt},
    };
    const KeyMapper mapper;
    for (const CharacterCase& c : cases) {
        EXPECT_TRUE(Same(mapper.MapCharacter(c.character, c.base), c.expected))
            << "character " << static_cast<int>(c.character) << " base " << c.base;
    }
}

}  // namespace
}  // namespace tallyx
