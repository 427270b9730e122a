#include "engine/rounded_difference.h"

#include <algorithm>
#include <cmath>

#include "engine/general_text.h"

namespace tallyx {
namespace {

constexpr int kExponentFormDecimals = 15;

bool HasExponent(const ShortText& text)
{
    return text.View().find('e') != std::string_view::npos;
}

// Decimals to round to. Operands in exponent form get 15, and more when the
// larger one is so small that 15 decimals would erase its digits.
int RoundingDecimals(double a, double b)
{
    const ShortText left = GeneralChars(a, kResultPrecision);
    const ShortText right = GeneralChars(b, kResultPrecision - 1);
    if (!HasExponent(left) && !HasExponent(right)) {
        return static_cast<int>(std::max(left.Size(), right.Size())) - 1;
    }
    const double larger = std::max(std::fabs(a), std::fabs(b));
    const int leadingDigit = static_cast<int>(std::floor(std::log10(larger)));
    return std::max(kExponentFormDecimals, kResultPrecision - 1 - leadingDigit);
}

}  // namespace

double RoundedDifference(double a, double b)
{
    const double difference = a - b;
    if (!std::isfinite(a) || !std::isfinite(b)) return difference;
    const int decimals = RoundingDecimals(a, b);
    double scaled = difference * std::pow(10.0, decimals + 1);
    if (!std::isfinite(scaled)) return difference;
    scaled += difference >= 0 ? 5.0 : -5.0;
    const double rounded = std::trunc(scaled * 0.1) / std::pow(10.0, decimals);
    // Beyond the range of doubles the rounding has nothing left to remove.
    return std::isfinite(rounded) ? rounded : difference;
}

}  // namespace tallyx
