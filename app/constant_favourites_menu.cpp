#include "app/constant_favourites_menu.h"

#include "convert/constants_db.h"

namespace tallyx {
namespace {

constexpr int kTextMargin = 6;

}  // namespace

int FavouriteRowHeight(int icon)
{
    return 3 * icon / 5;
}

bool FillConstantFavouritesMenu(MenuList& list, const ConstantsDb& constants, int icon)
{
    const int count = constants.GetFavouriteCount();
    if (count == 0) return false;
    list.Clear();
    list.SetTitle(L"Constant Favorites");
    for (int index = 0; index < count; ++index) {
        list.AddItem(constants.GetFavouriteName(index), kFirstFavouriteCommand + static_cast<std::uint32_t>(index), index);
    }
    const FontSpec pathFont{kFontFamily, icon / 5, 400};
    const FontSpec nameFont{kFontFamily, icon / 4 + icon / 16, 400};
    list.SetRowPainter([&constants, &list, pathFont, nameFont](Canvas& canvas, const MenuEntry& entry, const Rect& row,
                                                              bool selected) {
        if (entry.kind != MenuEntryKind::Item) return false;
        const MenuColors& colors = list.Colors();
        if (selected) canvas.FillRect(row, colors.selection);
        const int split = row.top + row.Height() * 2 / 5;
        const Rect pathRow{row.left + kTextMargin, row.top, row.right - kTextMargin, split};
        const Rect nameRow{row.left + kTextMargin, split, row.right - kTextMargin, row.bottom};
        constexpr unsigned kAlign = TextAlignLeft | TextAlignVCenter | TextEndEllipsis;
        const int index = static_cast<int>(entry.value);
        canvas.DrawText(constants.GetFavouritePath(index), pathRow, pathFont,
                        selected ? colors.selectedText : ReadableOn(colors.background, colors.selection), kAlign);
        canvas.DrawText(entry.text, nameRow, nameFont, selected ? colors.selectedText : colors.text, kAlign);
        return true;
    });
    return true;
}

std::optional<int> FavouriteOfCommand(std::uint32_t command)
{
    if (command < kFirstFavouriteCommand || command > kLastFavouriteCommand) return std::nullopt;
    return static_cast<int>(command - kFirstFavouriteCommand);
}

}  // namespace tallyx
