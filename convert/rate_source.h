#pragma once

#include <string>
#include <string_view>

namespace tallyx {

// The European Central Bank's daily euro reference rates: public, free and
// needing no key, so that an update works without any setting.
inline constexpr std::wstring_view kReferenceRatesUrl =
    L"https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";

// Where the rate update fetches from: the string value "RateURL" under the
// program key, else the environment variable TALLYX_RATE_URL, else "http://" +
// the value "RateHost" + the rate path, else the default source
// (kReferenceRatesUrl unless a DefaultRateSource says otherwise).
std::wstring RateUrl();

// Replaces the default source while it lives, so that tests can serve the
// default rates from a local server. Not for nesting across threads.
class DefaultRateSource {
public:
    explicit DefaultRateSource(std::wstring url);
    ~DefaultRateSource();
    DefaultRateSource(const DefaultRateSource&) = delete;
    DefaultRateSource& operator=(const DefaultRateSource&) = delete;

private:
    std::wstring previous_;
};

}  // namespace tallyx
