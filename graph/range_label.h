#pragma once

#include <string>
#include <string_view>

namespace tallyx {

// Shortens a number text (12 significant digits) for the plot's range labels:
// fixed texts keep about four decimals (0.123456789 reads 0.1234), exponent
// texts keep at most 10 characters and negative exponents lose their leading
// zeros (1.5e-005 reads 1.5e-5).
std::wstring ShortRangeLabel(std::wstring_view numberText);

}  // namespace tallyx
