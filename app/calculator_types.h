#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyx {

// The calculator types the frame switches between; the number is also the
// layout index and the stored "CalcType".
enum CalculatorType : int {
    CalculatorStandard = 0,
    CalculatorScientific = 1,
    CalculatorScientificRpn = 2,
    CalculatorBase = 3,
    CalculatorGraphing = 4,
    CalculatorUnits = 5,
    CalculatorCurrencies = 6,
    CalculatorDateTime = 7,
    CalculatorConstants = 8,
    CalculatorFinancial = 9,
    CalculatorStatistics = 10,
    CalculatorWorksheet = 11,
    CalculatorStatisticsWorksheet = 12,
};

constexpr int kCalculatorTypeCount = 13;

// Scientific with RPN keys is Scientific in the menus.
int MenuTypeOf(int type);
// The name in menus and the title; empty for the worksheet types.
std::wstring CalculatorTypeName(int type);
// "Tallyx - " and the type's name.
std::wstring WindowTitleFor(int type);
// The type menu's command of a type, and the type of a command.
std::optional<std::uint32_t> MenuCommandOf(int type);
std::optional<int> TypeOfMenuCommand(std::uint32_t command);
// The types of the type menu, in its order.
std::vector<int> MenuTypes();
// The type the right (forward) or left key moves to; Scientific stands for
// both of its layouts.
int CycledType(int type, bool forward);

}  // namespace tallyx
