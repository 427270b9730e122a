#include "convert/rate_source.h"

#include <cstdlib>
#include <string_view>
#include <utility>

#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kRateUrlValue = L"RateURL";
constexpr std::wstring_view kRateHostValue = L"RateHost";
constexpr const char* kRateUrlVariable = "TALLYX_RATE_URL";
constexpr std::wstring_view kRatePath = L"/mobileapps/tallyx/currency.ini";

std::wstring& DefaultUrl()
{
    static std::wstring url(kReferenceRatesUrl);
    return url;
}

std::wstring Configured(std::wstring_view name)
{
    std::wstring value;
    Platform().registry->ReadString(kTallyxKey, name, value);
    return std::wstring(TrimBlanks(value));
}

}  // namespace

std::wstring RateUrl()
{
    if (std::wstring url = Configured(kRateUrlValue); !url.empty()) {
        return url;
    }
    if (const char* url = std::getenv(kRateUrlVariable); url && *url) {
        return std::wstring(TrimBlanks(WidenUtf8(url)));
    }
    const std::wstring host = Configured(kRateHostValue);
    return host.empty() ? DefaultUrl() : L"http://" + host + std::wstring(kRatePath);
}

DefaultRateSource::DefaultRateSource(std::wstring url) : previous_(std::exchange(DefaultUrl(), std::move(url))) {}

DefaultRateSource::~DefaultRateSource()
{
    DefaultUrl() = std::move(previous_);
}

}  // namespace tallyx
