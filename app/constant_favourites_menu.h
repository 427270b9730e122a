#pragma once

#include <cstdint>
#include <optional>

#include "ui/menu_list.h"

namespace tallyx {

class ConstantsDb;

// The menu the Constants key opens: one row per favourite, its path in a
// small coloured line above its name. Choosing row n sends command 4000 + n.
inline constexpr std::uint32_t kFirstFavouriteCommand = 4000;
inline constexpr std::uint32_t kLastFavouriteCommand = 4099;
inline constexpr unsigned kFavouritesMenuStyle = 25;

// Rows 3/5 of the icon width high, the path taking the upper part.
int FavouriteRowHeight(int icon);

// Fills the list; false, leaving it alone, when there are no favourites.
bool FillConstantFavouritesMenu(MenuList& list, const ConstantsDb& constants, int icon);

// The favourite a menu command picks, if it is one.
std::optional<int> FavouriteOfCommand(std::uint32_t command);

}  // namespace tallyx
