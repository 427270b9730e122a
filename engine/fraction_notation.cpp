#include "engine/fraction_notation.h"

#include <cmath>
#include <limits>

#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr double kPrecision = 1e-14;
constexpr double kLargestDenominator = 100000.0;
// Digits after the point beyond which 10^d leaves a 32-bit integer.
constexpr std::size_t kMostLimitDigits = 9;
// Continued fractions of doubles converge long before this.
constexpr int kMostSteps = 64;

struct Fraction {
    double numerator = 0.0;
    double denominator = 0.0;
    double error = std::numeric_limits<double>::infinity();
};

// Continued-fraction approximation of 0 < part < 1 with denominators up to
// limit; `precision` is the start offset of each term and the error to stop at.
std::optional<Fraction> Approximate(double part, double limit, double precision)
{
    std::optional<Fraction> best;
    double remainder = part;
    double offset = precision;
    double numerator = 0.0;
    double previousNumerator = 0.0;
    for (int step = 0; step < kMostSteps; ++step) {
        const double term = std::trunc(1.0 / remainder + offset);
        remainder = 1.0 / remainder - term;
        const double next = step == 0 ? 1.0 : term * numerator + previousNumerator;
        previousNumerator = numerator;
        numerator = next;
        const double denominator = std::round(numerator / part);
        if (denominator > limit) {
            if (best) return best;
            const Fraction smallest{1.0, limit, std::fabs(1.0 / limit - part)};
            return smallest.error <= part ? std::optional(smallest) : std::nullopt;
        }
        best = Fraction{numerator, denominator, std::fabs(numerator / denominator - part)};
        if (best->error <= precision || remainder < offset) return best;
        offset = kPrecision / best->error;
    }
    return best;
}

std::size_t DigitsAfterPoint(std::wstring_view text, std::size_t point)
{
    std::size_t count = 0;
    for (std::size_t position = point + 1; position < text.size() && text[position] >= L'0' && text[position] <= L'9'; ++position) {
        ++count;
    }
    return count;
}

}  // namespace

std::optional<FractionText> FormatFraction(std::wstring_view text)
{
    const std::size_t point = text.find(L'.');
    if (point == std::wstring_view::npos) return std::nullopt;
    const double value = ParseDouble(text);
    if (!std::isfinite(value)) return std::nullopt;
    const std::size_t digits = DigitsAfterPoint(text, point);
    const bool wide = digits > kMostLimitDigits;
    const double limit = wide ? kLargestDenominator : std::pow(10.0, static_cast<double>(digits));
    const double tolerance = wide ? kPrecision : 1.0 / limit;

    const double whole = std::trunc(value + kPrecision);
    const double part = std::fabs(value - whole);
    if (part <= kPrecision) return std::nullopt;
    std::optional<Fraction> fraction = Approximate(part, limit, kPrecision);
    if (fraction && fraction->error > tolerance) {
        fraction = Approximate(part, std::numeric_limits<double>::infinity(), tolerance);
        if (fraction && fraction->error > tolerance) fraction.reset();
    }
    // A fraction that makes a whole one, or nothing, leaves a whole number.
    if (!fraction || fraction->numerator == 0 || fraction->numerator == fraction->denominator ||
        fraction->denominator < 1 || fraction->denominator > kLargestDenominator) {
        return std::nullopt;
    }

    FractionText shown;
    if (whole != 0) {
        shown.whole = FormatFixed(whole, 0);
    } else if (value < 0) {
        shown.whole = L"-";
    }
    shown.numerator = FormatFixed(fraction->numerator, 0);
    shown.denominator = FormatFixed(fraction->denominator, 0);
    return shown;
}

}  // namespace tallyx
