#pragma once

#include <string>

namespace tallyx {

// The text of a converted value: the evaluator's number text with 12
// significant digits ("." as the decimal point, no grouping, exponents as
// "e", a sign and three digits, 1.5e+015; small numbers written out while
// that stays short, 0.000015). Infinite values read "infinity" and undefined
// ones "imaginary", as the evaluator's results do.
std::wstring UnitResultText(double value);

}  // namespace tallyx
