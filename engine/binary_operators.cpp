#include "engine/binary_operators.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "engine/factorial.h"
#include "engine/integer_conversion.h"
#include "engine/rounded_difference.h"

namespace tallyx {
namespace {

using Operator = double (*)(double, double, AngleUnit);

// The logical operators work on the values truncated to 64-bit integers.
std::int64_t BitAnd(std::int64_t a, std::int64_t b)
{
    return a & b;
}

std::int64_t BitOr(std::int64_t a, std::int64_t b)
{
    return a | b;
}

std::int64_t BitXor(std::int64_t a, std::int64_t b)
{
    return a ^ b;
}

std::int64_t BitNor(std::int64_t a, std::int64_t b)
{
    return ~(a | b);
}

std::int64_t BitXnor(std::int64_t a, std::int64_t b)
{
    return ~(a ^ b);
}

std::int64_t BitNand(std::int64_t a, std::int64_t b)
{
    return ~(a & b);
}

template <std::int64_t (*Combine)(std::int64_t, std::int64_t)>
double Logical(double left, double right, AngleUnit)
{
    if (std::isnan(left) || std::isnan(right)) return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>(Combine(TruncateToInt64(left), TruncateToInt64(right)));
}

double Combinations(double left, double right, AngleUnit)
{
    const double n = std::floor(left);
    const double k = std::floor(right);
    return FactorialProduct(n) / (FactorialProduct(n - k) * FactorialProduct(k));
}

double Permutations(double left, double right, AngleUnit)
{
    const double n = std::floor(left);
    const double k = std::floor(right);
    return FactorialProduct(n) / FactorialProduct(n - k);
}

// Angle of the point (x = left, y = right), in [0, 360) degrees.
double PolarAngle(double left, double right, AngleUnit unit)
{
    double quadrant = 0.0;
    if (left < 0) {
        quadrant = std::numbers::pi;
    } else if (right < 0) {
        quadrant = 2 * std::numbers::pi;
    }
    return (std::atan(right / left) + quadrant) * UnitsPerRadian(unit);
}

// Indexed by code - kTokenPlus.
constexpr std::array<Operator, kTokenLastBinary - kTokenPlus + 1> kOperators = {{
    [](double a, double b, AngleUnit) { return a + b; },
    [](double a, double b, AngleUnit) { return RoundedDifference(a, b); },
    [](double a, double b, AngleUnit) { return a * b; },
    [](double a, double b, AngleUnit) { return a / b; },
    [](double a, double b, AngleUnit) { return std::pow(a, b); },
    [](double a, double b, AngleUnit) { return std::pow(10.0, b) * a; },
    [](double a, double b, AngleUnit) { return std::pow(a, 1.0 / b); },
    Combinations,
    Permutations,
    [](double a, double b, AngleUnit unit) { return a * std::cos(b * RadiansPerUnit(unit)); },
    [](double a, double b, AngleUnit unit) { return a * std::sin(b * RadiansPerUnit(unit)); },
    [](double a, double b, AngleUnit) { return std::pow(std::pow(b, 2) + std::pow(a, 2), 0.5); },
    PolarAngle,
    Logical<BitAnd>,
    Logical<BitOr>,
    Logical<BitXor>,
    Logical<BitNor>,
    [](double a, double b, AngleUnit) { return std::fmod(a, b); },
    Logical<BitXnor>,
    Logical<BitNand>,
}};

}  // namespace

double ApplyOperator(TokenCode code, double left, double right, AngleUnit unit)
{
    return kOperators[static_cast<std::size_t>(code - kTokenPlus)](left, right, unit);
}

}  // namespace tallyx
