#include "engine/factorial.h"

#include <cmath>
#include <limits>

namespace tallyx {
namespace {

constexpr double kLargestDouble = std::numeric_limits<double>::max();
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
        result = std::tgamma(magnitude + 1.0);
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
