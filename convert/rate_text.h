#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ini_text.h"

namespace tallyx {

// One currency of the rate text. Rates are units of this currency worth one
// US dollar; bid and ask are the buying and selling rates in the same unit.
struct CurrencyEntry {
    std::wstring name;
    std::wstring code;
    std::wstring symbol;
    double rate = 0.0;
    double bid = 0.0;
    double ask = 0.0;
};

// What a rate text holds: [Info] numcurrencies and utc, and [Currencies] with
// the lines 1 to numcurrencies, each "code,name,symbol,rate,bid,ask".
struct RateTable {
    std::vector<CurrencyEntry> entries;
    std::int64_t utc = 0;  // time of the rates, seconds since 1970 UTC
    // False when a line lacked one of its first three commas: reading stopped
    // there, and the entries before it are all there is.
    bool complete = true;
};

// Absent lines are skipped; a currency whose rate is 0, negative or not finite
// is left out, except the US dollar, whose rate is then 1; a bid or ask of that
// kind is the rate. A symbol that begins with "?" (a sign lost to an 8-bit
// encoding) shows as "$".
RateTable ReadRateText(const IniText& text);

// The base currency of every rate.
inline constexpr std::wstring_view kBaseCurrencyCode = L"USD";

}  // namespace tallyx
