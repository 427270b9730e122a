#include "worksheets/cell_number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr int kSignificantDigits = 12;
// Below this magnitude a value is written with an exponent.
constexpr int kSmallestFixedExponent = -5;
constexpr int kExponentDigits = 3;

// Fixed form drops a bare point ("5." is "5"); exponent form keeps it ("1.e+020").
std::wstring WithoutTrailingZeros(std::wstring text, bool keepPoint)
{
    if (text.find(L'.') == std::wstring::npos) {
        return text;
    }
    while (text.back() == L'0') {
        text.pop_back();
    }
    if (text.back() == L'.' && !keepPoint) {
        text.pop_back();
    }
    return text;
}

std::wstring ExponentText(int exponent)
{
    std::wstring digits = FormatInteger(std::abs(exponent));
    digits.insert(0, kExponentDigits - std::min<std::size_t>(digits.size(), kExponentDigits), L'0');
    return (exponent < 0 ? L"e-" : L"e+") + digits;
}

}  // namespace

std::wstring CellNumberText(double value)
{
    if (value == 0.0 || !std::isfinite(value)) {
        return value == 0.0 ? L"0" : FormatFixed(value, 0);
    }
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    // Rounding to the last digit may carry into a new one: 9.99...96 becomes 10.
    if (std::fabs(ParseDouble(FormatFixed(value / std::pow(10.0, exponent), kSignificantDigits - 1))) >= 10.0) {
        ++exponent;
    }
    if (exponent >= kSmallestFixedExponent && exponent < kSignificantDigits) {
        return WithoutTrailingZeros(FormatFixed(value, kSignificantDigits - 1 - exponent), false);
    }
    const std::wstring digits = FormatFixed(value / std::pow(10.0, exponent), kSignificantDigits - 1);
    return WithoutTrailingZeros(digits, true) + ExponentText(exponent);
}

std::wstring CellIntegerText(long long value)
{
    return FormatInteger(value);
}

}  // namespace tallyx
