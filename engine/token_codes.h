#pragma once

#include <cstdint>

namespace tallyx {

// Codes of the expression tokens. The code of a binary operator is also its
// binding rank: the higher the code, the tighter it binds.
using TokenCode = std::uint16_t;

constexpr TokenCode kTokenEnd = 1;
constexpr TokenCode kTokenOpenBracket = 2;
constexpr TokenCode kTokenPlus = 3;
constexpr TokenCode kTokenMinus = 4;
constexpr TokenCode kTokenTimes = 5;
constexpr TokenCode kTokenDivide = 6;
constexpr TokenCode kTokenPower = 7;
constexpr TokenCode kTokenLastBinary = 22;
constexpr TokenCode kTokenCloseBracket = 23;
constexpr TokenCode kTokenNegate = 26;
constexpr TokenCode kTokenFirstFunction = 27;
// A number token refers to value slot (code - kTokenFirstSlot).
constexpr TokenCode kTokenFirstSlot = 75;

constexpr bool IsBinaryToken(TokenCode code)
{
    return code >= kTokenPlus && code <= kTokenLastBinary;
}

constexpr bool IsPrefixToken(TokenCode code)
{
    return code >= kTokenNegate && code < kTokenFirstSlot;
}

constexpr bool IsNumberToken(TokenCode code)
{
    return code >= kTokenFirstSlot;
}

}  // namespace tallyx
