// The reference-rate XML conversion on arbitrary bytes: the XML converts or
// is refused, and whatever it converts to reads back as a complete rate text
// that keeps every currency it lists, the US dollar and the euro first.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "convert/rate_text.h"
#include "convert/reference_rate_xml.h"
#include "platform/ini_text.h"
#include "platform/status.h"

namespace {

const std::vector<tallyx::CurrencyEntry>& KnownCurrencies()
{
    static const std::vector<tallyx::CurrencyEntry> known = {
        {L"US Dollar", L"USD", L"$", 1.0, 1.0, 1.0},
        {L"Euro", L"EUR", L"\u20ac", 0.85, 0.85, 0.85},
        {L"Japanese Yen", L"JPY", L"\u00a5", 145.0, 145.0, 145.0},
    };
    return known;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    std::string rateText;
    if (tallyx::ReferenceRatesToRateText(xml, KnownCurrencies(), rateText) != tallyx::StatusOk) {
        return 0;
    }
    tallyx::IniText text;
    if (text.LoadFromText(rateText) != tallyx::StatusOk) {
        std::abort();
    }
    const tallyx::RateTable table = tallyx::ReadRateText(text);
    std::int32_t listed = 0;
    text.GetInt(listed, L"Info", L"numcurrencies", 0);
    if (!table.complete || table.entries.size() < 2 || table.entries.size() != static_cast<std::size_t>(listed) || table.entries[0].code != L"USD" ||
        table.entries[1].code != L"EUR") {
        std::abort();
    }
    return 0;
}
