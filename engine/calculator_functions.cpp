#include "engine/calculator_functions.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "engine/factorial.h"
#include "engine/integer_conversion.h"

namespace tallyx {
namespace {

using Function = double (*)(double, const FunctionContext&);

struct NamedFunction {
    std::string_view name;
    Function apply;
};

constexpr double kPositiveSnap = 1e-11;
constexpr double kNegativeSnap = -1e-10;
constexpr double kMinutesPerDegree = 1.6666666666666667;  // applied twice: minutes, then seconds
constexpr double kRandomScale = 3.051850947599719e-5;      // 1 / 32767
constexpr double kCubeRootPower = 0.3333333333333333;
constexpr double kEulerNumber = 2.718281828459045;

// Trigonometric results this close to zero are noise of the angle conversion.
double Snap(double value)
{
    return (value > 0 && value < kPositiveSnap) || (value < 0 && value > kNegativeSnap) ? 0.0 : value;
}

double AreaTangent(double x)
{
    return 0.5 * std::log((1 + x) / (1 - x));
}

// D.MMSS to decimal degrees.
double DegreesFromDms(double x)
{
    const double degrees = std::floor(x);
    const double seconds = (x * 100 - static_cast<double>(TruncateToInt64(x * 1e8) / 1000000)) * 0.01;
    const double minutes = x - degrees - seconds;
    return (minutes + seconds * kMinutesPerDegree) * kMinutesPerDegree + degrees;
}

// Decimal degrees to D.MMSS.
double DmsFromDegrees(double x)
{
    const double degrees = std::floor(x);
    const double minutes = (x - degrees) * 0.6 * 100;
    const double wholeMinutes = std::floor(minutes);
    const double seconds = (minutes - wholeMinutes) * 60;
    return wholeMinutes * 0.01 + seconds * 0.0001 + degrees;
}

double TriangularSum(double x)
{
    const double n = std::floor(x);
    const double size = std::fabs(n);
    return n >= 0 ? n * (n + 1) / 2 : -(size * (size + 1) / 2);
}

// In 200+pct(10) the percentage is taken of the first number.
double Percent(double x, const FunctionContext& context)
{
    return context.secondSlot == 0 ? x * 0.01 : context.firstSlot * x * 0.01;
}

double Random(double x, const FunctionContext& context)
{
    const int drawn = context.random ? context.random->Next() : 0;
    return drawn * (x == 0 ? 1.0 : x) * kRandomScale;
}

// Longer names stand before their prefixes: the first match wins.
constexpr std::array<NamedFunction, 32> kFunctions = {{
    {"abs", [](double x, const FunctionContext&) { return std::fabs(x); }},
    {"acos", [](double x, const FunctionContext& c) { return Snap(std::acos(x) * UnitsPerRadian(c.angleUnit)); }},
    {"asin", [](double x, const FunctionContext& c) { return Snap(std::asin(x) * UnitsPerRadian(c.angleUnit)); }},
    {"atanh", [](double x, const FunctionContext&) { return AreaTangent(x); }},
    {"atan", [](double x, const FunctionContext& c) { return Snap(std::atan(x) * UnitsPerRadian(c.angleUnit)); }},
    {"cosh", [](double x, const FunctionContext&) { return std::cosh(x); }},
    {"cos", [](double x, const FunctionContext& c) { return Snap(std::cos(x * RadiansPerUnit(c.angleUnit))); }},
    {"exp", [](double x, const FunctionContext&) { return std::exp(x); }},
    {"log2", [](double x, const FunctionContext&) { return std::log(x) / std::log(2.0); }},
    {"log", [](double x, const FunctionContext&) { return std::log10(x); }},
    {"ln", [](double x, const FunctionContext&) { return std::log(x); }},
    {"sinh", [](double x, const FunctionContext&) { return std::sinh(x); }},
    {"sin", [](double x, const FunctionContext& c) { return Snap(std::sin(x * RadiansPerUnit(c.angleUnit))); }},
    {"sqrt", [](double x, const FunctionContext&) { return std::sqrt(x); }},
    {"tanh", [](double x, const FunctionContext&) { return std::tanh(x); }},
    {"tan", [](double x, const FunctionContext& c) { return Snap(std::tan(x * RadiansPerUnit(c.angleUnit))); }},
    {"pct", Percent},
    {"!", [](double x, const FunctionContext&) { return Factorial(x); }},
    {"asnh", [](double x, const FunctionContext&) { return std::log(x + std::sqrt(x * x + 1)); }},
    {"acsh", [](double x, const FunctionContext&) { return x < 1 ? 0.0 : std::log(x + std::sqrt(x * x - 1)); }},
    {"atnh", [](double x, const FunctionContext&) { return x >= 1 || x <= -1 ? 0.0 : AreaTangent(x); }},
    {"sum", [](double x, const FunctionContext&) { return TriangularSum(x); }},
    {"dc", [](double x, const FunctionContext&) { return DegreesFromDms(x); }},
    {"dms", [](double x, const FunctionContext&) { return DmsFromDegrees(x); }},
    {"rand", Random},
    {"tenx", [](double x, const FunctionContext&) { return std::pow(10.0, x); }},
    {"crt", [](double x, const FunctionContext&) { return x < 0 ? -std::pow(-x, kCubeRootPower) : std::pow(x, kCubeRootPower); }},
    {"cbd", [](double x, const FunctionContext&) { return std::pow(x, 3.0); }},
    {"sqrd", [](double x, const FunctionContext&) { return std::pow(x, 2.0); }},
    {"inv", [](double x, const FunctionContext&) { return 1.0 / x; }},
    {"pm", [](double x, const FunctionContext&) { return x * -1.0; }},
    {"ex", [](double x, const FunctionContext&) { return std::pow(kEulerNumber, x); }},
}};

}  // namespace

int MatchFunctionName(std::string_view text, std::size_t& length)
{
    if (text.empty()) return -1;
    for (std::size_t index = 0; index < kFunctions.size(); ++index) {
        if (kFunctions[index].name[0] == text[0] && text.starts_with(kFunctions[index].name)) {
            length = kFunctions[index].name.size();
            return static_cast<int>(index);
        }
    }
    return -1;
}

double ApplyFunction(int index, double operand, const FunctionContext& context)
{
    if (index == kNegateFunction) return -operand;
    return kFunctions[static_cast<std::size_t>(index)].apply(operand, context);
}

}  // namespace tallyx
