#include "app/calculator_menus.h"

#include <array>

#include "app/calculator_types.h"
#include "app/mode_panels/currency_panel.h"
#include "engine/calc_engine.h"
#include "engine/number_formatter.h"
#include "platform/number_text.h"

namespace tallyx {
namespace {

constexpr int kRpnMenuMostLevels = 10;
constexpr int kRpnMenuTallFrom = 6;

struct MenuItemDef {
    const wchar_t* text;  // none: a separator
    std::uint32_t command;
};

constexpr std::array kFileMenu = {
    MenuItemDef{L"Copy", CommandCopy},         MenuItemDef{L"Paste", CommandPaste},
    MenuItemDef{nullptr, 0},                   MenuItemDef{L"View Tape...", CommandViewTape},
    MenuItemDef{L"Update Currencies", CurrencyPanel::kUpdateCommand}, MenuItemDef{nullptr, 0},
    MenuItemDef{L"Help...", CommandHelp},      MenuItemDef{L"About...", CommandAbout},
    MenuItemDef{L"Options...", CommandOptions}, MenuItemDef{nullptr, 0},
    MenuItemDef{L"Exit", CommandExit},
};

constexpr std::array kContextMenu = {MenuItemDef{L"Copy", CommandCopy}, MenuItemDef{L"Paste", CommandPaste}};

// The labels of the bottom four stack rows, X last.
constexpr std::array kStackLabels = {L"T:", L"Z:", L"Y:", L"X:"};

// Levels counting X.
int StackLevels(const CalcEngine& engine)
{
    return engine.Rpn().Depth() + 1;
}

}  // namespace

void FillFileMenu(MenuList& list, bool tapeRecording)
{
    list.Clear();
    for (const MenuItemDef& item : kFileMenu) {
        if (!item.text) {
            list.AddSeparator();
        } else if (item.command != CommandViewTape || tapeRecording) {
            list.AddItem(item.text, item.command);
        }
    }
}

void FillTypeMenu(MenuList& list, int currentType)
{
    list.Clear();
    for (const int type : MenuTypes()) {
        const bool current = MenuTypeOf(currentType) == type;
        list.AddItem(CalculatorTypeName(type), *MenuCommandOf(type), type, current ? MenuItemChecked : MenuItemCheckable);
    }
}

void FillContextMenu(MenuList& list)
{
    list.Clear();
    for (const MenuItemDef& item : kContextMenu) list.AddItem(item.text, item.command);
}

bool FillRpnStackMenu(MenuList& list, const CalcEngine& engine, const NumberFormatter& formatter, bool regional)
{
    const int levels = StackLevels(engine);
    if (levels > kRpnMenuMostLevels) return false;
    list.Clear();
    list.SetTitle(L"RPN Stack");
    const RpnEngine& rpn = engine.Rpn();
    for (int level = levels; level >= 1; --level) {
        const std::size_t fromBottom = static_cast<std::size_t>(level - 1);
        const std::wstring label = fromBottom < kStackLabels.size() ? kStackLabels[kStackLabels.size() - 1 - fromBottom]
                                                                     : FormatInteger(level) + L":";
        // Level 1 is X, the entry; the registers above start with Y.
        const std::wstring value = level == 1 ? engine.GetDisplayText(regional).main
                                              : formatter.FormatDisplay(rpn.GetStackRegister(level - 2), regional).main;
        list.AddItem(label + L" " + value, CommandNone, level, MenuItemDisabled);
    }
    return true;
}

bool TallRpnStackMenu(const CalcEngine& engine)
{
    return StackLevels(engine) >= kRpnMenuTallFrom;
}

}  // namespace tallyx
