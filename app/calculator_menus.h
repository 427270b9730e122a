#pragma once

#include <cstdint>

#include "ui/menu_list.h"

namespace tallyx {

class CalcEngine;
class NumberFormatter;

// The commands of the calculator window's menus.
enum CalculatorCommand : std::uint32_t {
    CommandCopy = 32766,
    CommandPaste = 32767,
    CommandViewTape = 32768,
    CommandRegionalSettings = 32772,
    CommandOptions = 32773,
    CommandAbout = 32763,
    CommandHelp = 32764,
    CommandFileMenu = 20201,
    CommandTypeMenu = 20203,
    CommandExit = 20211,
    // The rows of the RPN stack menu cannot be chosen.
    CommandNone = 0xFFFFFFFF,
};

// The styles the menus open with.
inline constexpr unsigned kFileMenuStyle = 13;
inline constexpr unsigned kTypeMenuStyle = 29;

// The File menu; "View Tape..." only while the tape records.
void FillFileMenu(MenuList& list, bool tapeRecording);
// Every calculator type, the current one checked.
void FillTypeMenu(MenuList& list, int currentType);
// Copy and Paste: a press held on no key, or the right button.
void FillContextMenu(MenuList& list);

// The RPN stack, the highest level at the top and X at the bottom. False,
// leaving the list alone, when the stack is too deep to list.
bool FillRpnStackMenu(MenuList& list, const CalcEngine& engine, const NumberFormatter& formatter, bool regional);
// A stack this deep opens the taller menu.
bool TallRpnStackMenu(const CalcEngine& engine);

}  // namespace tallyx
