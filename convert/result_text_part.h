#pragma once

#include <string>
#include <string_view>

namespace tallyx {

// The pieces of a result text that a conversion panel draws: the whole text,
// or the significand and the exponent drawn small and raised.
enum class ResultPart { Whole = 0, Significand = 1, Exponent = 2 };

// The significand of "1.23456789012e+015" is "1.234567890" (at most 11
// characters when the text is longer than that, no "." left at the end) and
// its exponent "015"; a negative exponent keeps its sign ("-007"). A text
// without an exponent is all significand and has an empty exponent.
std::wstring ResultTextPart(std::wstring_view text, ResultPart part);

}  // namespace tallyx
