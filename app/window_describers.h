#pragma once

#include <cstddef>
#include <string>

#include "app/state_listing.h"

namespace tallyx {

struct ButtonDef;
class CalcEngine;
class NumberFormatter;
class PopupMenuWindow;

// The listing of the desktop program's windows: the calculator (its
// display read from the engine and formatter it shows), drawn menus, the
// options dialog, the file dialog and the About window.
StateListing DesktopStateListing(const CalcEngine& engine, const NumberFormatter& formatter);

// A key's caption with its raised part after it, as the listings write it.
std::wstring KeyCaption(const ButtonDef& button);
// The name of a display indicator, left to right: "2nd" to "memory".
const char* IndicatorName(std::size_t index);

}  // namespace tallyx
