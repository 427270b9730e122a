#include "platform/number_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <algorithm>
#include <limits>

#include "platform/wide_text.h"

namespace tallyx {
namespace {

bool IsDigit(wchar_t character)
{
    return character >= L'0' && character <= L'9';
}

std::size_t SkipDigits(std::wstring_view text, std::size_t position)
{
    while (position < text.size() && IsDigit(text[position])) ++position;
    return position;
}

std::size_t SkipSign(std::wstring_view text, std::size_t position)
{
    return position < text.size() && (text[position] == L'+' || text[position] == L'-') ? position + 1 : position;
}

// Length of the longest prefix of text (after blanks) that forms a number.
std::size_t NumberEnd(std::wstring_view text, std::size_t start)
{
    std::size_t position = SkipSign(text, start);
    const std::size_t integerEnd = SkipDigits(text, position);
    bool anyDigit = integerEnd > position;
    position = integerEnd;
    if (position < text.size() && text[position] == L'.') {
        const std::size_t fractionEnd = SkipDigits(text, position + 1);
        anyDigit = anyDigit || fractionEnd > position + 1;
        position = fractionEnd;
    }
    if (!anyDigit) {
        return start;
    }
    if (position < text.size() && (text[position] == L'e' || text[position] == L'E')) {
        const std::size_t exponentDigits = SkipSign(text, position + 1);
        const std::size_t exponentEnd = SkipDigits(text, exponentDigits);
        if (exponentEnd > exponentDigits) {
            position = exponentEnd;
        }
    }
    return position;
}

}  // namespace

double ParseDouble(std::wstring_view text, std::size_t* consumed)
{
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    const std::size_t end = NumberEnd(text, start);
    if (consumed) {
        *consumed = end == start ? 0 : end;
    }
    if (end == start) {
        return 0.0;
    }
    std::string narrow;
    narrow.reserve(end - start);
    for (std::size_t i = start; i < end; ++i) {
        narrow += static_cast<char>(text[i]);
    }
    const char* first = narrow.data();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-') ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, narrow.data() + narrow.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on range errors; strtod answers HUGE_VAL or 0.
        static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
        value = std::fabs(strtod_l(narrow.c_str(), nullptr, cLocale));
    }
    return negative ? -value : value;
}

std::int32_t ParseLong(std::wstring_view text)
{
    std::size_t position = 0;
    while (position < text.size() && IsBlank(text[position])) ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == L'+' || text[position] == L'-')) {
        negative = text[position] == L'-';
        ++position;
    }
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
    long long magnitude = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        magnitude = std::min(magnitude * 10 + (text[position] - L'0'), kLimit);
    }
    const long long value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

std::wstring FormatInteger(long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::wstring(buffer, result.ptr);
}

std::wstring FormatFixed(double value, int decimals)
{
    if (std::isnan(value)) {
        return std::signbit(value) ? L"-nan" : L"nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? L"-inf" : L"inf";
    }
    constexpr int kMostDecimals = 40;
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      std::clamp(decimals, 0, kMostDecimals));
    return std::wstring(buffer, result.ptr);
}

}  // namespace tallyx
