#include "app/mode_panels/unit_selection_store.h"

#include <string>
#include <string_view>

#include "convert/unit_table.h"
#include "platform/number_text.h"
#include "platform/registry.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kCategoryValue = L"UnitType";
constexpr std::wstring_view kCountValue = L"UnitCount";
constexpr std::wstring_view kFromPrefix = L"UnitSectionFrom";
constexpr std::wstring_view kToPrefix = L"UnitSectionTo";

std::wstring CategoryValueName(std::wstring_view prefix, std::uint32_t category)
{
    return std::wstring(prefix) + FormatInteger(category);
}

}  // namespace

void RestoreUnitSelection(UnitTable& table, Registry& registry)
{
    const std::uint32_t before = table.GetCategory();
    std::uint32_t count = 0;
    registry.ReadDword(kTallyxKey, kCountValue, count);
    if (count == table.GetCategoryCount()) {
        for (std::uint32_t category = 0; category < count; ++category) {
            std::uint32_t unit = 0;
            if (registry.ReadDword(kTallyxKey, CategoryValueName(kToPrefix, category), unit) == StatusOk) {
                table.SelectCategory(category);
                table.SetToUnit(unit);
            }
            if (registry.ReadDword(kTallyxKey, CategoryValueName(kFromPrefix, category), unit) == StatusOk) {
                table.SelectCategory(category);
                table.SetFromUnit(unit);
            }
        }
    }
    // Walking the categories moved the current one; an absent or unknown category goes back.
    std::uint32_t shown = 0;
    if (registry.ReadDword(kTallyxKey, kCategoryValue, shown) != StatusOk || !table.SelectCategory(shown)) {
        table.SelectCategory(before);
    }
}

void SaveUnitSelection(UnitTable& table, Registry& registry)
{
    const std::uint32_t shown = table.GetCategory();
    registry.WriteDword(kTallyxKey, kCategoryValue, shown);
    registry.WriteDword(kTallyxKey, kCountValue, table.GetCategoryCount());
    for (std::uint32_t category = 0; category < table.GetCategoryCount(); ++category) {
        table.SelectCategory(category);
        registry.WriteDword(kTallyxKey, CategoryValueName(kToPrefix, category), table.GetToUnit());
        registry.WriteDword(kTallyxKey, CategoryValueName(kFromPrefix, category), table.GetFromUnit());
    }
    table.SelectCategory(shown);
}

}  // namespace tallyx
