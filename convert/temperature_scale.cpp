#include "convert/temperature_scale.h"

#include <algorithm>
#include <array>

namespace tallyx {
namespace {

// Every formula has the form (x + offset) × multiplier + shift.
struct TemperatureFormula {
    double offset;
    double multiplier;
    double shift;
};

// The doubles nearest to 5/9 and 4/9, multiplied in rather than divided by.
constexpr double kFiveNinths = 0.5555555555555556;
constexpr double kFourNinths = 0.4444444444444444;

constexpr std::array<double, kTemperatureScaleCount> kAbsoluteZero = {-273.15, -459.67, 0.0, 0.0, -218.52};

// Rows convert from, columns to: Celsius, Fahrenheit, Kelvin, Rankine, Réaumur.
constexpr std::array<std::array<TemperatureFormula, kTemperatureScaleCount>, kTemperatureScaleCount> kFormulas = {{
    {{{0.0, 1.0, 0.0}, {0.0, 1.8, 32.0}, {273.15, 1.0, 0.0}, {273.15, 1.8, 0.0}, {0.0, 0.8, 0.0}}},
    {{{-32.0, kFiveNinths, 0.0}, {0.0, 1.0, 0.0}, {-32.0, kFiveNinths, 273.15}, {459.67, 1.0, 0.0},
      {-32.0, kFourNinths, 0.0}}},
    {{{-273.15, 1.0, 0.0}, {0.0, 1.8, -459.67}, {0.0, 1.0, 0.0}, {0.0, 1.8, 0.0}, {-273.15, 0.8, 0.0}}},
    {{{-491.67, kFiveNinths, 0.0}, {-459.67, 1.0, 0.0}, {0.0, kFiveNinths, 0.0}, {0.0, 1.0, 0.0},
      {-491.67, kFourNinths, 0.0}}},
    {{{0.0, 1.25, 0.0}, {0.0, 2.25, 32.0}, {0.0, 1.25, 273.15}, {0.0, 2.25, 491.67}, {0.0, 1.0, 0.0}}},
}};

constexpr std::size_t Index(TemperatureScale scale)
{
    return static_cast<std::size_t>(scale);
}

}  // namespace

double AbsoluteZero(TemperatureScale scale)
{
    return kAbsoluteZero[Index(scale)];
}

double ConvertTemperature(double value, TemperatureScale from, TemperatureScale to)
{
    const TemperatureFormula& formula = kFormulas[Index(from)][Index(to)];
    const double reading = std::max(value, AbsoluteZero(from));
    return (reading + formula.offset) * formula.multiplier + formula.shift;
}

}  // namespace tallyx
