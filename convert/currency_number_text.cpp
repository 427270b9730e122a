#include "convert/currency_number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace tallyx {
namespace {

constexpr int kSignificantDigits = 16;
constexpr std::size_t kExponentDigits = 3;

}  // namespace

std::wstring CurrencyNumberText(double value)
{
    if (std::isnan(value)) {
        return L"imaginary";
    }
    if (std::isinf(value)) {
        return L"infinity";
    }
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kSignificantDigits);
    const std::string_view text(buffer, written.ptr);
    std::wstring result(text.begin(), text.end());
    const auto mark = result.find(L'e');
    if (mark != std::wstring::npos && result.size() - mark - 2 < kExponentDigits) {
        result.insert(mark + 2, kExponentDigits - (result.size() - mark - 2), L'0');
    }
    return result;
}

}  // namespace tallyx
