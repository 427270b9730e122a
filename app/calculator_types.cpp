#include "app/calculator_types.h"

#include <array>

namespace tallyx {
namespace {

struct TypeEntry {
    int type;
    const wchar_t* name;
    std::uint32_t menuCommand;
};

// In the order of the type menu and of the cursor-key cycle.
constexpr std::array kTypes = {
    TypeEntry{CalculatorStandard, L"Standard", 32769},        TypeEntry{CalculatorScientific, L"Scientific", 32770},
    TypeEntry{CalculatorBase, L"Base Conversions", 32771},    TypeEntry{CalculatorGraphing, L"Graphing", 20200},
    TypeEntry{CalculatorUnits, L"Unit Converter", 20199},     TypeEntry{CalculatorCurrencies, L"World Currencies", 20198},
    TypeEntry{CalculatorDateTime, L"Date and Time", 20197},   TypeEntry{CalculatorConstants, L"Constants", 20196},
    TypeEntry{CalculatorFinancial, L"Financial", 20187},      TypeEntry{CalculatorStatistics, L"Statistics", 20186},
};

constexpr std::wstring_view kTitlePrefix = L"Tallyx - ";

const TypeEntry* Find(int type)
{
    for (const TypeEntry& entry : kTypes) {
        if (entry.type == MenuTypeOf(type)) return &entry;
    }
    return nullptr;
}

}  // namespace

int MenuTypeOf(int type)
{
    return type == CalculatorScientificRpn ? CalculatorScientific : type;
}

std::vector<int> MenuTypes()
{
    std::vector<int> types;
    for (const TypeEntry& entry : kTypes) types.push_back(entry.type);
    return types;
}

std::wstring CalculatorTypeName(int type)
{
    const TypeEntry* entry = Find(type);
    return entry ? entry->name : L"";
}

std::wstring WindowTitleFor(int type)
{
    return std::wstring(kTitlePrefix) + CalculatorTypeName(type);
}

std::optional<std::uint32_t> MenuCommandOf(int type)
{
    const TypeEntry* entry = Find(type);
    if (!entry) return std::nullopt;
    return entry->menuCommand;
}

std::optional<int> TypeOfMenuCommand(std::uint32_t command)
{
    for (const TypeEntry& entry : kTypes) {
        if (entry.menuCommand == command) return entry.type;
    }
    return std::nullopt;
}

int CycledType(int type, bool forward)
{
    const int count = static_cast<int>(kTypes.size());
    for (int index = 0; index < count; ++index) {
        if (kTypes[static_cast<std::size_t>(index)].type != MenuTypeOf(type)) continue;
        const int next = (index + (forward ? 1 : count - 1)) % count;
        return kTypes[static_cast<std::size_t>(next)].type;
    }
    return CalculatorStandard;
}

}  // namespace tallyx
