#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"
#include "ui/canvas.h"

namespace tallyx {

struct SkinColors;
class MenuList;

enum class MenuEntryKind { Item, Separator, Header };

// Item flags: a checkable, checked or radio item makes the list keep a
// check-mark column. A checked radio item shows a dot instead of a tick.
enum MenuItemFlag : unsigned {
    MenuItemCheckable = 1,
    MenuItemChecked = 2,
    MenuItemDisabled = 4,
    MenuItemRadio = 8,
    MenuItemDefault = 16,  // drawn in bold
};

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Item;
    std::wstring text;
    std::uint32_t command = 0;
    unsigned flags = 0;
    std::intptr_t value = 0;
    int height = 0;  // 0: the list's height for the entry's kind
    // Set for an item that opens another menu beside it instead of being chosen.
    std::shared_ptr<MenuList> submenu;

    // Separators, headers and disabled items cannot be chosen.
    bool Choosable() const { return kind == MenuEntryKind::Item && !(flags & MenuItemDisabled); }
    bool Checked() const { return (flags & MenuItemChecked) != 0; }
    bool HasSubmenu() const { return submenu != nullptr; }
};

// An item as it shows in an open menu, for listings of what is on screen.
struct VisibleMenuItem {
    std::wstring text;
    Rect rect;  // the part in view
    bool checked = false;
    bool disabled = false;
    bool submenu = false;
};

struct MenuColors {
    Color background = MakeColor(32, 32, 32);
    Color text = MakeColor(255, 255, 255);
    Color disabledText = MakeColor(128, 128, 128);
    Color headerBackground = MakeColor(64, 64, 64);
    Color headerText = MakeColor(255, 255, 255);
    Color selection = MakeColor(149, 223, 49);
    Color selectedText = MakeColor(0, 0, 0);
    Color separator = MakeColor(96, 96, 96);

    // Menus drawn in a keypad skin's colours.
    static MenuColors ForSkin(const SkinColors& skin);
};

// What a pen that went down and came up on a list did: chose an entry
// (which may not be choosable), tapped the list below its rows, tapped
// outside the list, or only scrolled it.
struct MenuTap {
    enum Kind { Scrolled, OnEntry, BelowRows, Outside } kind = Scrolled;
    std::size_t index = 0;
};

// The content of a drawn menu or list: items, separators and section
// headers, one of them selected, scrolled within the area it is drawn in.
class MenuList {
public:
    // Draws one row itself and answers true, or false to leave it to the list.
    using RowPainter = std::function<bool(Canvas& canvas, const MenuEntry& entry, const Rect& row, bool selected)>;

    // Rows 29/32 of the icon width high.
    static int DefaultRowHeight(int icon);

    // Empties the list and forgets its row painter.
    void Clear();
    // A header row at the top: the menu's title.
    void SetTitle(std::wstring title);
    std::size_t AddItem(std::wstring text, std::uint32_t command, std::intptr_t value = 0, unsigned flags = 0);
    void AddSeparator();
    void AddHeader(std::wstring text);
    // An item that opens the returned list beside the menu; the owner fills it.
    MenuList& AddSubmenu(std::wstring text, unsigned flags = 0);
    void SetRowHeights(int item, int header);
    // Takes the colours, font and row heights of another list.
    void SetLookFrom(const MenuList& other);
    void SetColors(const MenuColors& colors) { colors_ = colors; }
    void SetFont(const FontSpec& font) { font_ = font; }
    void SetRowPainter(RowPainter painter) { painter_ = std::move(painter); }

    const std::vector<MenuEntry>& Entries() const { return entries_; }
    const MenuColors& Colors() const { return colors_; }
    bool HasCheckColumn() const;
    int RowHeight(const MenuEntry& entry) const;
    int ContentHeight() const;
    // The widest row's text with its margins and check column.
    int ContentWidth(Canvas& canvas) const;

    // The entry under a point of the area the list is drawn in, scrolling counted.
    std::optional<std::size_t> EntryAt(const Rect& area, Point point) const;
    Rect RowRect(const Rect& area, std::size_t index) const;
    // The items in view in area, with the visible part of each row.
    std::vector<VisibleMenuItem> VisibleItems(const Rect& area) const;

    std::optional<std::size_t> Selected() const { return selected_; }
    // Only a choosable entry can be selected; anything else clears the selection.
    void Select(std::optional<std::size_t> index);
    // Moves the selection to the next (or previous) choosable entry.
    void SelectNext(bool forward);
    const MenuEntry* SelectedEntry() const;

    int ScrollOffset() const { return scroll_; }
    // Scrolls by pixels, kept within the content; answers whether it moved.
    bool ScrollBy(const Rect& area, int pixels);
    void ScrollIntoView(const Rect& area, std::size_t index);
    // A notch of the mouse wheel scrolls an item row, up for a turn away
    // from the user; answers whether the list moved.
    bool Wheel(const Rect& area, int delta);

    // The pen on the list drawn in area: a press selects the entry under it,
    // a move further than a small distance drags the list.
    // Each answers whether the list needs repainting.
    bool PenDown(const Rect& area, Point point);
    bool PenMove(const Rect& area, Point point);
    MenuTap PenUp(const Rect& area, Point point);

    void Draw(Canvas& canvas, const Rect& area) const;

private:
    void DrawEntry(Canvas& canvas, const MenuEntry& entry, const Rect& row, bool selected) const;
    void DrawMark(Canvas& canvas, const MenuEntry& entry, const Rect& column, Color color) const;
    bool HasSubmenuColumn() const;
    // Headers and default items are bold.
    FontSpec FontOf(const MenuEntry& entry) const;
    int MaxScroll(const Rect& area) const;

    std::vector<MenuEntry> entries_;
    std::optional<std::size_t> selected_;
    MenuColors colors_;
    FontSpec font_;
    RowPainter painter_;
    int itemHeight_ = 29;
    int headerHeight_ = 29;
    int scroll_ = 0;
    std::optional<Point> penDownAt_;
    int dragStartScroll_ = 0;
    bool dragging_ = false;
};

}  // namespace tallyx
