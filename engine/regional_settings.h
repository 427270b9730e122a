#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallyx {

// The user's number conventions, as the locale gives them. Texts are cut to
// kMaxText characters.
struct RegionalSettings {
    static constexpr std::size_t kMaxText = 31;

    std::wstring decimalSeparator = L".";
    std::wstring thousandsSeparator = L",";
    // Digits per group from the decimal point leftwards; the last size
    // repeats; empty means no grouping.
    std::vector<int> grouping = {3};
};

// The conventions of the user's environment (its LC_* settings), read
// without leaving the process locale changed.
RegionalSettings ReadProcessRegionalSettings();

// A number text with "." written as the user's decimal separator and, when
// group is set, its whole digits grouped, provided the grouped text still
// has at most width characters.
std::wstring RegionalNumber(std::wstring_view text, const RegionalSettings& settings, bool group, int width);

}  // namespace tallyx
