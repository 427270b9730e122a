#pragma once

#include <cstddef>

namespace tallyx {

// The temperature scales in the order of the Temperature category's units.
enum class TemperatureScale : std::size_t { Celsius, Fahrenheit, Kelvin, Rankine, Reaumur };

constexpr std::size_t kTemperatureScaleCount = 5;

// The lowest reading of a scale: absolute zero.
double AbsoluteZero(TemperatureScale scale);

// A reading below absolute zero is first raised to it, so no conversion
// answers a temperature that cannot exist.
double ConvertTemperature(double value, TemperatureScale from, TemperatureScale to);

}  // namespace tallyx
