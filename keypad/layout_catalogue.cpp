#include "keypad/layout_catalogue.h"

#include <array>

namespace tallyx {
namespace {

struct LayoutEntry {
    std::string_view textName;
    bool rpnRewriting;
};

constexpr std::array<LayoutEntry, kLayoutCount> kLayouts = {{
    {"IDR_TXT_LAYOUTSTANDARD", true},
    {"IDR_TXT_LAYOUTSCI", false},
    {"IDR_TXT_LAYOUTSCIRPN", false},
    {"IDR_TXT_LAYOUTBASE", true},
    {"IDR_TXT_LAYOUTGRAPH", false},
    {"IDR_TXT_LAYOUTUNIT", true},
    {"IDR_TXT_LAYOUTUNIT", true},
    {"IDR_TXT_LAYOUTDATE", false},
    {"IDR_TXT_LAYOUTCONST", true},
    {"IDR_TXT_LAYOUTFINANCIAL", true},
    {"IDR_TXT_LAYOUTSTATS", true},
    {"IDR_TXT_LAYOUTWSHEET", false},
    {"IDR_TXT_LAYOUTWSSTATS", false},
}};

}  // namespace

std::string_view LayoutTextName(std::int32_t index)
{
    return IsLayoutIndex(index) ? kLayouts[static_cast<std::size_t>(index)].textName : std::string_view();
}

bool RpnRewritingApplies(std::int32_t index)
{
    return IsLayoutIndex(index) && kLayouts[static_cast<std::size_t>(index)].rpnRewriting;
}

std::int32_t LayoutIndexForEntry(std::int32_t index, bool rpnEntry)
{
    if (index == LayoutScientific || index == LayoutScientificRpn) {
        return rpnEntry ? LayoutScientificRpn : LayoutScientific;
    }
    return index;
}

}  // namespace tallyx
