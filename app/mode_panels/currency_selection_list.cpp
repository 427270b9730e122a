#include "app/mode_panels/currency_selection_list.h"

#include <string>

namespace tallyx {
namespace {

void AddCurrency(MenuList& list, const CurrencyList& currencies, std::uint32_t commandBase, int index, int chosen)
{
    std::wstring code;
    std::wstring name;
    if (!currencies.GetEntryTexts(index, &code, &name, nullptr)) return;
    list.AddItem(L"(" + code + L") " + name, commandBase + static_cast<std::uint32_t>(index), 0,
                 index == chosen ? MenuItemChecked : 0u);
}

}  // namespace

void FillCurrencySelectionList(MenuList& list, const CurrencyList& currencies, std::uint32_t commandBase, int chosen)
{
    list.AddHeader(L"Recent");
    for (std::size_t slot = 0; slot < CurrencyList::kRecentSlots; ++slot) {
        int index = 0;
        if (currencies.GetRecent(slot, index)) AddCurrency(list, currencies, commandBase, index, chosen);
    }
    list.AddHeader(L"Full list");
    for (std::size_t index = 0; index < currencies.Count(); ++index) {
        AddCurrency(list, currencies, commandBase, static_cast<int>(index), chosen);
    }
}

}  // namespace tallyx
