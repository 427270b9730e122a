#pragma once

#include <array>
#include <string_view>

namespace tallyx {

// The four-bit group of each decimal digit, for BCD results and the Binary
// Dec notation.
constexpr std::array<std::string_view, 10> kBcdDigitGroups = {
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111", "1000", "1001",
};

}  // namespace tallyx
