#pragma once

#include <string>

namespace tallyx {

// The text a worksheet writes into a cell for a model value: a double at 12
// significant digits, in the number text form the calculator engine reads;
// the error words for infinities and NaN.
std::wstring CellNumberText(double value);
// "%i"
std::wstring CellIntegerText(long long value);

}  // namespace tallyx
