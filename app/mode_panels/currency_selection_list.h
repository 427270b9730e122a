#pragma once

#include <cstdint>

#include "convert/currency_list.h"
#include "ui/menu_list.h"

namespace tallyx {

// A currency selection list: the heading "Recent" over the six recent
// currencies, then the heading "Full list" over every currency, each as
// "(CODE) Name" with the command base + its index. A recent currency shows
// in both parts; the chosen one is checked wherever it shows.
void FillCurrencySelectionList(MenuList& list, const CurrencyList& currencies, std::uint32_t commandBase, int chosen);

}  // namespace tallyx
