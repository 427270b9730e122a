#include "engine/general_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace tallyx {
namespace {

constexpr int kMaxPrecision = 17;
constexpr int kExponentDigits = 3;
// Below this magnitude the general format switches to exponent form.
constexpr int kLowestFixedExponent = -1;

// The value rounded to `precision` significant digits: its digits and decimal exponent.
struct Significand {
    char digits[kMaxPrecision + 1];
    int count;
    int exponent;
};

Significand Round(double magnitude, int precision)
{
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precision - 1);
    Significand result{};
    const char* position = buffer;
    while (position < written.ptr && *position != 'e') {
        if (*position != '.') result.digits[result.count++] = *position;
        ++position;
    }
    std::from_chars(position + (*(position + 1) == '+' ? 2 : 1), written.ptr, result.exponent);
    return result;
}

int SignificantCount(const Significand& significand)
{
    int count = significand.count;
    while (count > 1 && significand.digits[count - 1] == '0') --count;
    return count;
}

void AppendExponent(ShortText& text, int exponent)
{
    text.Append('e');
    text.Append(exponent < 0 ? '-' : '+');
    char digits[8];
    const auto written = std::to_chars(digits, digits + sizeof digits, std::abs(exponent));
    for (auto length = written.ptr - digits; length < kExponentDigits; ++length) text.Append('0');
    text.Append(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

void AppendExponentForm(ShortText& text, const Significand& significand)
{
    const int count = SignificantCount(significand);
    text.Append(significand.digits[0]);
    text.Append('.');
    text.Append(std::string_view(significand.digits + 1, static_cast<std::size_t>(count - 1)));
    AppendExponent(text, significand.exponent);
}

void AppendFixedForm(ShortText& text, const Significand& significand)
{
    const int count = SignificantCount(significand);
    const int integerDigits = significand.exponent + 1;
    if (integerDigits <= 0) {
        text.Append("0.");
        text.Append(std::string_view(significand.digits, static_cast<std::size_t>(count)));
        return;
    }
    text.Append(std::string_view(significand.digits, static_cast<std::size_t>(integerDigits)));
    text.Append('.');
    if (count > integerDigits) {
        text.Append(std::string_view(significand.digits + integerDigits, static_cast<std::size_t>(count - integerDigits)));
    }
}

// Infinities and NaN carry the error words in place of digits.
bool AppendSpecialValue(ShortText& text, double value)
{
    if (std::isnan(value)) return text.Append("imaginary");
    if (std::isinf(value)) return text.Append("infinity");
    return false;
}

}  // namespace

bool ShortText::Append(char character)
{
    if (size_ == kCapacity) return false;
    characters_[size_++] = character;
    return true;
}

bool ShortText::Append(std::string_view text)
{
    for (const char character : text) {
        if (!Append(character)) return false;
    }
    return true;
}

ShortText GeneralChars(double value, int precision)
{
    ShortText text;
    if (AppendSpecialValue(text, value)) return text;
    precision = std::clamp(precision, 1, kMaxPrecision);
    if (value < 0) text.Append('-');
    if (value == 0) {
        text.Append("0.");
        return text;
    }
    const Significand significand = Round(std::fabs(value), precision);
    if (significand.exponent < kLowestFixedExponent || significand.exponent >= precision) {
        AppendExponentForm(text, significand);
    } else {
        AppendFixedForm(text, significand);
    }
    return text;
}

std::wstring GeneralText(double value, int precision)
{
    const ShortText text = GeneralChars(value, precision);
    return {text.View().begin(), text.View().end()};
}

ShortText NumberChars(double value, int precision)
{
    ShortText text;
    if (AppendSpecialValue(text, value)) return text;
    const double magnitude = std::fabs(value);
    const ShortText general = GeneralChars(magnitude, precision);
    std::string_view digits = general.View();
    if (value < 0) text.Append('-');
    const bool exponentForm = digits.find('e') != std::string_view::npos;
    if (magnitude > 0 && magnitude < 0.1 && exponentForm) {
        int exponent = 0;
        std::from_chars(digits.data() + digits.size() - kExponentDigits, digits.data() + digits.size(), exponent);
        const int length = static_cast<int>(digits.size()) - 1;
        if (exponent + length < std::clamp(precision, 1, kMaxPrecision) + 2) {
            text.Append("0.");
            for (int zero = 1; zero < exponent; ++zero) text.Append('0');
            for (const char character : digits.substr(0, digits.find('e'))) {
                if (character != '.') text.Append(character);
            }
            return text;
        }
    } else if (digits.back() == '.') {
        digits.remove_suffix(1);
    }
    text.Append(digits);
    return text;
}

std::wstring NumberToText(double value, int precision)
{
    const ShortText text = NumberChars(value, precision);
    return {text.View().begin(), text.View().end()};
}

}  // namespace tallyx
