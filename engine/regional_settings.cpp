#include "engine/regional_settings.h"

#include <clocale>
#include <climits>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace tallyx {
namespace {

// A text of the current locale's encoding, cut to the longest separator we keep.
std::wstring WidenLocaleText(const char* text)
{
    if (!text) return {};
    const std::size_t length = std::mbstowcs(nullptr, text, 0);
    if (length == static_cast<std::size_t>(-1)) return {};
    std::wstring wide(length, L'\0');
    std::mbstowcs(wide.data(), text, length);
    wide.resize(std::min(wide.size(), RegionalSettings::kMaxText));
    return wide;
}

// The locale's grouping string: group sizes from the point leftwards, ended
// by 0 (repeat the last) or CHAR_MAX (no further grouping).
std::vector<int> GroupSizes(const char* grouping)
{
    std::vector<int> sizes;
    for (const char* size = grouping; size && *size != 0 && *size != CHAR_MAX && *size > 0; ++size) {
        sizes.push_back(*size);
    }
    return sizes;
}

bool IsDigit(wchar_t character)
{
    return character >= L'0' && character <= L'9';
}

// The digits with the separator between their groups, counted from the right.
std::wstring GroupDigits(std::wstring_view digits, const RegionalSettings& settings)
{
    std::wstring grouped;
    std::size_t group = 0;
    int inGroup = 0;
    for (std::size_t position = digits.size(); position-- > 0;) {
        const int size = settings.grouping[std::min(group, settings.grouping.size() - 1)];
        if (inGroup == size) {
            grouped.insert(0, settings.thousandsSeparator);
            ++group;
            inGroup = 0;
        }
        grouped.insert(grouped.begin(), digits[position]);
        ++inGroup;
    }
    return grouped;
}

}  // namespace

RegionalSettings ReadProcessRegionalSettings()
{
    RegionalSettings settings;
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string saved = current ? current : "C";
    if (std::setlocale(LC_ALL, "")) {
        const std::lconv* conventions = std::localeconv();
        const std::wstring decimal = WidenLocaleText(conventions->decimal_point);
        if (!decimal.empty()) settings.decimalSeparator = decimal;
        settings.thousandsSeparator = WidenLocaleText(conventions->thousands_sep);
        settings.grouping = GroupSizes(conventions->grouping);
    }
    std::setlocale(LC_ALL, saved.c_str());
    return settings;
}

std::wstring RegionalNumber(std::wstring_view text, const RegionalSettings& settings, bool group, int width)
{
    const std::size_t point = std::min(text.find(L'.'), text.size());
    const std::size_t sign = !text.empty() && text[0] == L'-' ? 1 : 0;
    const std::wstring_view fraction = point < text.size() ? text.substr(point + 1) : std::wstring_view();
    std::wstring wholePart(text.substr(0, point));
    const std::wstring_view digits = std::wstring_view(text).substr(sign, point - sign);
    const bool groupable = group && !settings.thousandsSeparator.empty() && !settings.grouping.empty() &&
                           std::all_of(digits.begin(), digits.end(), IsDigit);
    if (groupable) {
        std::wstring grouped = std::wstring(text.substr(0, sign)) + GroupDigits(digits, settings);
        const std::size_t length = grouped.size() + (point < text.size() ? settings.decimalSeparator.size() + fraction.size() : 0);
        if (length <= static_cast<std::size_t>(width)) wholePart = std::move(grouped);
    }
    if (point == text.size()) return wholePart;
    return wholePart + settings.decimalSeparator + std::wstring(fraction);
}

}  // namespace tallyx
