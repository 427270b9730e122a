#pragma once

#include <cstdint>
#include <string_view>

namespace tallyx {

// Layout indexes by calculator type; the index is also the stored calculator type.
enum LayoutIndex : std::int32_t {
    LayoutStandard = 0,
    LayoutScientific = 1,
    LayoutScientificRpn = 2,
    LayoutBase = 3,
    LayoutGraph = 4,
    LayoutUnits = 5,
    LayoutCurrency = 6,
    LayoutDate = 7,
    LayoutConstants = 8,
    LayoutFinancial = 9,
    LayoutStatistics = 10,
    LayoutWorksheet = 11,
    LayoutStatisticsWorksheet = 12,
};

constexpr std::int32_t kLayoutCount = 13;
// The current or previous index before any layout was chosen.
constexpr std::int32_t kNoLayout = kLayoutCount;

constexpr bool IsLayoutIndex(std::int32_t index) { return index >= 0 && index < kLayoutCount; }

// The name of the built-in text of a layout index (0 to 12).
std::string_view LayoutTextName(std::int32_t index);
// Whether RPN entry rewrites the keys of that layout (the Scientific ones have their own RPN text).
bool RpnRewritingApplies(std::int32_t index);
// The Scientific type has a layout of its own for RPN entry; other types keep theirs.
std::int32_t LayoutIndexForEntry(std::int32_t index, bool rpnEntry);

}  // namespace tallyx
