#pragma once

#include <string>

namespace tallyx {

// A converted amount as number text with 16 significant digits: "." as the
// decimal point, no grouping, an exponent as "e", a sign and three digits.
// Values beyond the doubles read "infinity", as the evaluator's results do.
std::wstring CurrencyNumberText(double value);

}  // namespace tallyx
