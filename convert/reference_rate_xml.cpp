#include "convert/reference_rate_xml.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>

#include "platform/number_text.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::string_view kCubeTag = "<Cube";
constexpr std::string_view kDollar = "USD";
constexpr std::string_view kEuro = "EUR";
constexpr std::size_t kCodeLength = 3;
constexpr int kRateDigits = 6;
// The reference rates are set at 14:15 Central European Time.
constexpr auto kReferenceTimeOfDay = std::chrono::hours(13) + std::chrono::minutes(15);
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr unsigned kMonths = 12;
constexpr unsigned kLongestMonth = 31;

struct ReferenceRate {
    std::string code;
    double perEuro;
};

// The value of name="..." (or '...') inside one tag; none when absent.
std::optional<std::string_view> Attribute(std::string_view tag, std::string_view name)
{
    for (std::size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
        const std::size_t quote = at + name.size() + 1;
        const bool standsAlone = at > 0 && IsBlank(static_cast<wchar_t>(tag[at - 1]));
        if (!standsAlone || quote >= tag.size() || tag[quote - 1] != '=' || (tag[quote] != '"' && tag[quote] != '\'')) {
            continue;
        }
        const std::size_t end = tag.find(tag[quote], quote + 1);
        if (end != std::string_view::npos) {
            return tag.substr(quote + 1, end - quote - 1);
        }
    }
    return std::nullopt;
}

bool IsCode(std::string_view code)
{
    return code.size() == kCodeLength &&
           std::all_of(code.begin(), code.end(), [](char letter) { return letter >= 'A' && letter <= 'Z'; });
}

bool IsUsableRate(double value)
{
    return std::isfinite(value) && value > 0.0;
}

std::optional<double> PositiveNumber(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !IsUsableRate(value)) {
        return std::nullopt;
    }
    return value;
}

// Seconds since 1970 of a "YYYY-MM-DD" date at the reference time; 0 when unreadable.
std::int64_t ReferenceTime(std::string_view date)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    const char* cursor = date.data();
    const char* end = date.data() + date.size();
    const auto part = [&](auto& value) {
        const auto result = std::from_chars(cursor, end, value);
        cursor = result.ptr < end && *result.ptr == '-' ? result.ptr + 1 : result.ptr;
        return result.ec == std::errc();
    };
    // Checked before the calendar types narrow the parts and wrap them round.
    if (!part(year) || !part(month) || !part(day) || year < kFirstYear || year > kLastYear || month > kMonths ||
        day > kLongestMonth) {
        return 0;
    }
    const std::chrono::year_month_day calendar{std::chrono::year(year), std::chrono::month(month),
                                               std::chrono::day(day)};
    if (!calendar.ok()) {
        return 0;
    }
    const auto moment = std::chrono::sys_days(calendar) + kReferenceTimeOfDay;
    return std::chrono::duration_cast<std::chrono::seconds>(moment.time_since_epoch()).count();
}

void ReadCubes(std::string_view xml, std::vector<ReferenceRate>& rates, std::int64_t& utc)
{
    for (std::size_t at = xml.find(kCubeTag); at != std::string_view::npos; at = xml.find(kCubeTag, at + 1)) {
        // A tag left open ends where the next one begins, so each byte is read once.
        const std::size_t close = xml.find_first_of("<>", at + 1);
        const std::string_view tag = xml.substr(at, close == std::string_view::npos ? close : close - at);
        if (const auto time = Attribute(tag, "time")) {
            utc = ReferenceTime(*time);
        }
        const auto code = Attribute(tag, "currency");
        const auto rate = Attribute(tag, "rate");
        const auto perEuro = rate ? PositiveNumber(*rate) : std::nullopt;
        if (code && IsCode(*code) && perEuro) {
            rates.push_back({std::string(*code), *perEuro});
        }
    }
}

std::string NumberText(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kRateDigits);
    return std::string(buffer, written.ptr);
}

// A kept rate goes back as it was read, to the last digit.
std::string ExactNumberText(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

std::string CurrencyLine(const CurrencyEntry& currency, const std::string& rate, const std::string& bid,
                         const std::string& ask)
{
    return NarrowWindows1252(currency.code) + ',' + NarrowWindows1252(currency.name) + ',' +
           NarrowWindows1252(currency.symbol) + ',' + rate + ',' + bid + ',' + ask;
}

std::string CurrencyLine(std::string_view code, double perDollar, const std::vector<CurrencyEntry>& known)
{
    const std::wstring wideCode = WidenUtf8(code);
    CurrencyEntry currency{wideCode, wideCode, wideCode};
    const auto entry =
        std::find_if(known.begin(), known.end(), [&](const CurrencyEntry& other) { return other.code == wideCode; });
    if (entry != known.end()) {
        currency.name = entry->name;
        currency.symbol = entry->symbol;
    }
    const std::string rate = NumberText(perDollar);
    return CurrencyLine(currency, rate, rate, rate);
}

bool Listed(const std::vector<std::string>& codes, std::string_view code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// A byte order mark, the declaration, comments and blanks may stand before the root element.
std::string_view SkipProlog(std::string_view document)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (document.starts_with(kByteOrderMark)) document.remove_prefix(kByteOrderMark.size());
    struct PrologPart {
        std::string_view start;
        std::string_view end;
    };
    constexpr PrologPart kPrologParts[] = {{"<?", "?>"}, {"<!--", "-->"}, {"<!", ">"}};
    for (;;) {
        while (!document.empty() && IsBlank(static_cast<wchar_t>(document.front()))) document.remove_prefix(1);
        const auto part = std::find_if(std::begin(kPrologParts), std::end(kPrologParts),
                                       [&](const PrologPart& candidate) { return document.starts_with(candidate.start); });
        if (part == std::end(kPrologParts)) return document;
        const std::size_t end = document.find(part->end);
        if (end == std::string_view::npos) return {};
        document.remove_prefix(end + part->end.size());
    }
}

}  // namespace

Status ReferenceRatesToRateText(std::string_view xml, const std::vector<CurrencyEntry>& known, std::string& rateText,
                                MissingCurrencies missing)
{
    std::vector<ReferenceRate> rates;
    std::int64_t utc = 0;
    ReadCubes(xml, rates, utc);
    const auto dollar =
        std::find_if(rates.begin(), rates.end(), [](const ReferenceRate& rate) { return rate.code == kDollar; });
    if (dollar == rates.end()) {
        return StatusInvalidArgument;
    }
    const double dollarsPerEuro = dollar->perEuro;
    // Rebasing extreme rates can overflow or vanish; the rate text would then
    // hold a rate its reader leaves out, so such a currency is left out here.
    const double eurosPerDollar = 1.0 / dollarsPerEuro;
    if (!IsUsableRate(eurosPerDollar)) {
        return StatusInvalidArgument;
    }
    std::vector<std::string> lines = {CurrencyLine(kDollar, 1.0, known), CurrencyLine(kEuro, eurosPerDollar, known)};
    std::vector<std::string> codes = {std::string(kDollar), std::string(kEuro)};
    for (const ReferenceRate& rate : rates) {
        const double perDollar = rate.perEuro / dollarsPerEuro;
        if (!Listed(codes, rate.code) && IsUsableRate(perDollar)) {
            lines.push_back(CurrencyLine(rate.code, perDollar, known));
            codes.push_back(rate.code);
        }
    }
    for (const CurrencyEntry& currency : known) {
        const std::string code = NarrowUtf8(currency.code);
        if (missing == MissingCurrencies::Kept && !Listed(codes, code)) {
            lines.push_back(CurrencyLine(currency, ExactNumberText(currency.rate), ExactNumberText(currency.bid),
                                         ExactNumberText(currency.ask)));
            codes.push_back(code);
        }
    }
    rateText = "[Info]\r\nnumcurrencies=" + std::to_string(lines.size()) + "\r\nutc=" + std::to_string(utc) +
               "\r\n[Currencies]\r\n";
    for (std::size_t number = 0; number < lines.size(); ++number) {
        rateText += std::to_string(number + 1) + '=' + lines[number] + "\r\n";
    }
    return StatusOk;
}

bool IsReferenceRateDocument(std::string_view document)
{
    constexpr std::string_view kRootName = "Envelope";
    const std::string_view root = SkipProlog(document);
    const std::size_t nameEnd = root.find_first_of(" \t\r\n/>");
    if (!root.starts_with('<') || nameEnd == std::string_view::npos) return false;
    const std::string_view name = root.substr(1, nameEnd - 1);
    const std::size_t colon = name.find(':');
    if ((colon == std::string_view::npos ? name : name.substr(colon + 1)) != kRootName) return false;
    std::string_view rest = root;
    while (!rest.empty() && IsBlank(static_cast<wchar_t>(rest.back()))) rest.remove_suffix(1);
    return rest.ends_with("</" + std::string(name) + ">");
}

}  // namespace tallyx
