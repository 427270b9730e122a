#include "convert/unit_result_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace tallyx {
namespace {

constexpr int kResultDigits = 12;
constexpr int kExponentDigits = 3;
// Numbers below this are first written with an exponent.
constexpr double kSmallNumber = 0.1;

// A positive number rounded to its significant digits: 0.d1d2d3… scaled so
// that d1 stands at 10^exponent; trailing zeros are dropped.
struct RoundedNumber {
    std::wstring digits;
    int exponent;
};

RoundedNumber Round(double magnitude, int significantDigits)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                       significantDigits - 1);
    const std::string_view text(buffer, written.ptr);
    const std::size_t mark = text.find('e');
    RoundedNumber rounded{{}, std::atoi(std::string(text.substr(mark + 1)).c_str())};
    for (const char character : text.substr(0, mark)) {
        if (character != '.') {
            rounded.digits.push_back(static_cast<wchar_t>(character));
        }
    }
    while (rounded.digits.size() > 1 && rounded.digits.back() == L'0') {
        rounded.digits.pop_back();
    }
    return rounded;
}

std::wstring ExponentForm(const RoundedNumber& rounded)
{
    std::wstring exponent = std::to_wstring(std::abs(rounded.exponent));
    exponent.insert(0, kExponentDigits - std::min<std::size_t>(exponent.size(), kExponentDigits), L'0');
    return rounded.digits.substr(0, 1) + L'.' + rounded.digits.substr(1) + L'e' +
           (rounded.exponent < 0 ? L'-' : L'+') + exponent;
}

std::wstring FixedForm(const RoundedNumber& rounded)
{
    if (rounded.exponent < 0) {
        return L"0." + std::wstring(static_cast<std::size_t>(-rounded.exponent - 1), L'0') + rounded.digits;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(rounded.exponent) + 1;
    std::wstring text = rounded.digits.substr(0, integerDigits);
    text.append(integerDigits - text.size(), L'0');
    if (rounded.digits.size() > integerDigits) {
        text += L'.' + rounded.digits.substr(integerDigits);
    }
    return text;
}

// Small numbers keep the exponent form only where writing them out in full
// would take more room than the significant digits allow.
bool FitsWithoutExponent(const RoundedNumber& rounded)
{
    const int zeros = -rounded.exponent;
    const int exponentLength = static_cast<int>(ExponentForm(rounded).size()) - 1;
    return zeros + exponentLength < kResultDigits + 2;
}

std::wstring MagnitudeText(double magnitude)
{
    if (magnitude == 0.0) {
        return L"0";
    }
    const RoundedNumber rounded = Round(magnitude, kResultDigits);
    if (magnitude < kSmallNumber) {
        return FitsWithoutExponent(rounded) ? FixedForm(rounded) : ExponentForm(rounded);
    }
    return rounded.exponent >= kResultDigits ? ExponentForm(rounded) : FixedForm(rounded);
}

}  // namespace

std::wstring UnitResultText(double value)
{
    if (std::isnan(value)) {
        return L"imaginary";
    }
    if (std::isinf(value)) {
        return L"infinity";
    }
    const std::wstring magnitude = MagnitudeText(std::fabs(value));
    return value < 0.0 ? L'-' + magnitude : magnitude;
}

}  // namespace tallyx
