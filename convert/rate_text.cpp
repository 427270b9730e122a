#include "convert/rate_text.h"

#include <cmath>
#include <cwchar>
#include <map>
#include <optional>

#include "platform/number_text.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kInfoSection = L"Info";
constexpr std::wstring_view kCurrenciesSection = L"Currencies";
constexpr std::wstring_view kCountKey = L"numcurrencies";
constexpr std::wstring_view kTimeKey = L"utc";
constexpr wchar_t kFieldSeparator = L',';
constexpr wchar_t kLostSymbol = L'?';
constexpr std::wstring_view kLostSymbolShownAs = L"$";
constexpr int kNamedFields = 3;

// Cuts the next field off the front of line; none when no separator follows it.
std::optional<std::wstring_view> TakeNamedField(std::wstring_view& line)
{
    const auto separator = line.find(kFieldSeparator);
    if (separator == std::wstring_view::npos) {
        return std::nullopt;
    }
    const std::wstring_view field = line.substr(0, separator);
    line.remove_prefix(separator + 1);
    return field;
}

// A numeric field runs to the next separator, or to the end of the line.
double TakeNumber(std::wstring_view& line)
{
    const auto separator = line.find(kFieldSeparator);
    const double value = ParseDouble(line.substr(0, separator));
    line.remove_prefix(separator == std::wstring_view::npos ? line.size() : separator + 1);
    return value;
}

bool Usable(double rate)
{
    return std::isfinite(rate) && rate > 0.0;
}

// False when the line lacks one of the commas after code, name and symbol.
bool ReadLine(std::wstring_view line, std::optional<CurrencyEntry>& entry)
{
    std::optional<std::wstring_view> fields[kNamedFields];
    for (auto& field : fields) {
        if (!(field = TakeNamedField(line))) {
            return false;
        }
    }
    CurrencyEntry currency{std::wstring(*fields[1]), std::wstring(*fields[0]), std::wstring(*fields[2])};
    if (currency.symbol.starts_with(kLostSymbol)) {
        currency.symbol = kLostSymbolShownAs;
    }
    currency.rate = TakeNumber(line);
    currency.bid = TakeNumber(line);
    currency.ask = TakeNumber(line);
    if (!Usable(currency.rate)) {
        if (currency.code != kBaseCurrencyCode) {
            return true;
        }
        currency.rate = 1.0;
    }
    if (!Usable(currency.bid)) currency.bid = currency.rate;
    if (!Usable(currency.ask)) currency.ask = currency.rate;
    entry = std::move(currency);
    return true;
}

// The lines 1 to numcurrencies in number order, each the first of its key
// ("7", never "07"), from one pass over the section: a rate file comes over the
// network, and its numbers must not decide how long reading it takes.
std::map<std::int32_t, std::wstring_view> NumberedLines(const IniText& text)
{
    std::map<std::int32_t, std::wstring_view> lines;
    std::int32_t count = 0;
    text.GetInt(count, kInfoSection, kCountKey, 0);
    const IniSection* section = text.FindSection(kCurrenciesSection);
    if (!section) {
        return lines;
    }
    for (const IniEntry& entry : section->entries) {
        const std::int32_t number = ParseLong(entry.key);
        if (number >= 1 && number <= count && entry.key == FormatInteger(number)) {
            lines.emplace(number, entry.value);
        }
    }
    return lines;
}

std::int64_t RateTime(const IniText& text)
{
    std::wstring value;
    text.GetString(value, kInfoSection, kTimeKey, L"0");
    return std::wcstoll(value.c_str(), nullptr, 10);
}

}  // namespace

RateTable ReadRateText(const IniText& text)
{
    RateTable table;
    for (const auto& [number, line] : NumberedLines(text)) {
        // An empty line is as absent as a missing one.
        if (line.empty()) {
            continue;
        }
        std::optional<CurrencyEntry> entry;
        if (!ReadLine(line, entry)) {
            table.complete = false;
            return table;
        }
        if (entry) {
            table.entries.push_back(std::move(*entry));
        }
    }
    table.utc = RateTime(text);
    return table;
}

}  // namespace tallyx
