#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallyx {

// Number text conversions that ignore the process locale: "." is always the
// decimal point here. Regional formatting is the display formatter's business.

// wcstod semantics: leading blanks, optional sign, digits with one ".", an
// optional exponent; stops at the first character that does not fit. Text
// without a number gives 0 and a consumed length of 0. "inf" and "nan" are not
// numbers here.
double ParseDouble(std::wstring_view text, std::size_t* consumed = nullptr);

// _wtol semantics: leading blanks, optional sign, decimal digits up to the
// first non-digit; no digits gives 0. Values beyond 32 bits saturate.
std::int32_t ParseLong(std::wstring_view text);

// "%i"
std::wstring FormatInteger(long long value);
// "%.Nf" ("%f" is FormatFixed(value, 6)); infinities and NaN come out as
// "inf", "-inf" and "nan".
std::wstring FormatFixed(double value, int decimals);

}  // namespace tallyx
