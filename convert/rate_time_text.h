#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallyx {

// When the rates are from, in the user's formats: the short date, and the
// time as " hh:mm" with the AM/PM designator, or on the 24-hour clock in a
// locale that has no designators.
struct RateTimeText {
    std::wstring date;
    std::wstring time;
};

// utc is seconds since 1970 UTC, shown in local time. localeName is a locale
// as the C++ library names it; empty means the user's environment, and a
// name the system does not know falls back to the classic "C" formats.
RateTimeText FormatRateTime(std::int64_t utc, const std::string& localeName = "");

// How old rates of utc are at now (both seconds since 1970 UTC), in whole
// days: "today", "1 day old", "12 days old". Rates stamped later than now
// (a clock set wrong) count as today's.
std::wstring RateAgeText(std::int64_t utc, std::int64_t now);

// "Rates of 12/04/26 10:00 AM (3 days old)": when, as FormatRateTime wrote
// it, then the age of rates of utc at now; rates without a stamp (utc 0)
// have no age to tell.
std::wstring RatesOfText(std::wstring_view when, std::int64_t utc, std::int64_t now);

// Seconds since 1970 UTC by the system clock.
std::int64_t UtcNow();

}  // namespace tallyx
