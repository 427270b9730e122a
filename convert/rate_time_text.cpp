#include "convert/rate_time_text.h"

#include <chrono>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace tallyx {
namespace {

constexpr const wchar_t* kShortDate = L"%x";
constexpr const wchar_t* kTwelveHourTime = L" %I:%M %p";
constexpr const wchar_t* kTwentyFourHourTime = L" %H:%M";
constexpr const wchar_t* kDesignator = L"%p";

std::locale UserLocale(const std::string& name)
{
    try {
        return std::locale(name.c_str());
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::wstring Format(const std::tm& moment, const std::locale& locale, const wchar_t* picture)
{
    std::wostringstream text;
    text.imbue(locale);
    text << std::put_time(&moment, picture);
    return text.str();
}

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

}  // namespace

std::wstring RateAgeText(std::int64_t utc, std::int64_t now)
{
    const std::int64_t days = now > utc ? (now - utc) / kSecondsPerDay : 0;
    if (days == 0) return L"today";
    return std::to_wstring(days) + (days == 1 ? L" day old" : L" days old");
}

std::wstring RatesOfText(std::wstring_view when, std::int64_t utc, std::int64_t now)
{
    std::wstring text = L"Rates of " + std::wstring(when);
    if (utc != 0) text += L" (" + RateAgeText(utc, now) + L")";
    return text;
}

std::int64_t UtcNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

RateTimeText FormatRateTime(std::int64_t utc, const std::string& localeName)
{
    const std::time_t seconds = static_cast<std::time_t>(utc);
    std::tm moment{};
    if (!localtime_r(&seconds, &moment)) {
        moment = std::tm{};
    }
    const std::locale locale = UserLocale(localeName);
    const bool twelveHourClock = !Format(moment, locale, kDesignator).empty();
    return {Format(moment, locale, kShortDate),
            Format(moment, locale, twelveHourClock ? kTwelveHourTime : kTwentyFourHourTime)};
}

}  // namespace tallyx
