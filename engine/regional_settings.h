#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tallyx {

// The user's number conventions, as the locale gives them. Texts are cut to
// kMaxText characters.
struct RegionalSettings {
    static constexpr std::size_t kMaxText = 31;

    std::wstring decimalSeparator = L".";
    std::wstring thousandsSeparator = L",";
    // Digits per group from the decimal point leftwards; the last size repeats.
    std::vector<int> grouping = {3};
    std::wstring currencySymbol = L"$";
    bool leadingZero = true;
    int positiveCurrencyOrder = 0;  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int negativeCurrencyOrder = 0;  // 0 "($1)", 1 "-$1", ... as the platform numbers them
};

// The separators of the process locale (the environment's LC_* settings),
// read without leaving the process locale changed.
RegionalSettings ReadProcessRegionalSettings();

}  // namespace tallyx
