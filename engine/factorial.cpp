#include "engine/factorial.h"

#include <cmath>
#include <limits>

namespace tallyx {
namespace {

constexpr double kLargestDouble = std::numeric_limits<double>::max();
constexpr double kTwoPi = 6.283185307179586;
constexpr double kInverseE = 0.36787944117144233;
// From here on every factorial is infinite, so counting is pointless.
constexpr double kFirstInfiniteFactorial = 172.0;

// n × (n − 1) × … × 1, stopping as soon as the product is as large as a double gets.
double ProductDownFrom(double count)
{
    double product = 1.0;
    for (double factor = count; factor > 1.0 && product < kLargestDouble; factor -= 1.0) {
        product *= factor;
    }
    return product;
}

// Γ(z) with z = x + 1, by the approximation that the calculator has always shown.
double GammaApproximation(double value)
{
    const double z = value + 1.0;
    const double correction = std::sqrt(z * std::sinh(1.0 / z) + 1.0 / (810.0 * std::pow(z, 6.0)));
    return std::sqrt(kTwoPi / z) * std::pow(z * kInverseE * correction, z);
}

}  // namespace

double Factorial(double value)
{
    if (std::isnan(value)) return value;
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    double result = 1.0;
    if (magnitude >= kFirstInfiniteFactorial) {
        result = std::numeric_limits<double>::infinity();
    } else if (magnitude == std::floor(magnitude)) {
        result = ProductDownFrom(magnitude);
    } else {
        result = GammaApproximation(magnitude);
    }
    return negative ? -result : result;
}

double FactorialProduct(double count)
{
    if (std::isnan(count)) return count;
    if (count >= kFirstInfiniteFactorial) return std::numeric_limits<double>::infinity();
    return ProductDownFrom(std::floor(count));
}

}  // namespace tallyx
