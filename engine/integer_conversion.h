#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tallyx {

// A double truncated toward zero to a 64-bit integer; values beyond that
// range saturate instead of overflowing, and NaN gives 0.
inline std::int64_t TruncateToInt64(double value)
{
    constexpr double kLowest = static_cast<double>(std::numeric_limits<std::int64_t>::min());
    constexpr double kHighest = static_cast<double>(std::numeric_limits<std::int64_t>::max());
    if (std::isnan(value)) return 0;
    if (value <= kLowest) return std::numeric_limits<std::int64_t>::min();
    if (value >= kHighest) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(value);
}

}  // namespace tallyx
