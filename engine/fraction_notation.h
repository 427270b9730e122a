#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallyx {

// A number text as a whole part ("", "-" or digits) and a fraction.
struct FractionText {
    std::wstring whole;
    std::wstring numerator;
    std::wstring denominator;
};

// The nearest fraction with a denominator up to 100000 that the digits after
// the point allow; nothing when there is none (then Normal notation shows it).
std::optional<FractionText> FormatFraction(std::wstring_view text);

}  // namespace tallyx
