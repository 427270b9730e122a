#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/menu_list.h"
#include "ui/window_base.h"

namespace tallyx {

// How the menu sits in the area its owner gives. The owners' values: 13 the
// File menu, 29 the type menu, 25 the constant favourites, 12 the option
// choices, 1 or 0 the RPN stack.
enum MenuStyle : unsigned {
    MenuStyleFitWidth = 1,    // as wide as its widest row, not the whole area
    MenuStyleFitHeight = 4,   // as high as its rows, not the whole area
    MenuStyleFromBottom = 8,  // grows up from the area's bottom edge
    MenuStyleFromRight = 16,  // grows from the area's right edge
};

// The drawn menu: a window over part of its owner that holds the pen while
// open. Choosing an item posts WM_COMMAND with the item's command to the
// owner; a tap on no item, Escape or one of F1 to F4 closes it without one.
// An item with a sub-menu opens it beside the row (a tap, Return or Right);
// a choice there reaches the owner the same way and closes both menus, while
// Escape, Left or a tap on the menu below closes only the sub-menu.
class PopupMenuWindow : public WindowBase {
public:
    using TimeSource = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kReopenGuard{500};

    explicit PopupMenuWindow(TimeSource now = std::chrono::steady_clock::now);
    ~PopupMenuWindow() override;

    // The owner fills this before Show.
    MenuList& List() { return list_; }
    const MenuList& List() const { return list_; }

    // Opens over area of owner. While open it closes instead; within
    // kReopenGuard of the last close it does nothing. Answers whether it opened.
    bool Show(WindowHost& owner, unsigned style, const Rect& area);
    // Closes without a command; nothing when already closed.
    void Close();
    bool IsOpen() const;
    // Whether the menu closed less than span ago.
    bool ClosedWithin(std::chrono::milliseconds span) const;
    // The entry chosen last (or selected now), in a sub-menu when one was
    // chosen there; kept after the menu closes.
    const MenuEntry* SelectedEntry() const;
    // Where the menu sits in its owner while open.
    Rect Placement() const { return placement_; }
    // The items in view, in the owner's coordinates; an open sub-menu's follow.
    std::vector<VisibleMenuItem> VisibleItems() const;
    // The open sub-menu, or null.
    PopupMenuWindow* OpenSubmenu() const;
    // Where the rows lie inside the menu's frame, in its own coordinates; empty while closed.
    Rect RowsArea() const;

protected:
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnPenDown(Point point) override;
    long OnPenMove(Point point) override;
    long OnPenUp(Point point) override;
    long OnKeyDown(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnDestroy(std::uintptr_t first, std::intptr_t second) override;
    // Takes the mouse wheel, which scrolls the list.
    long DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;

private:
    Rect PlaceIn(const Rect& area, unsigned style) const;
    // Chooses an item, or opens the menu of an item that has one.
    void Choose(std::size_t index);
    void ShowSubmenu(std::size_t index);
    Rect SubmenuArea(const Rect& row, const MenuList& submenu) const;
    PopupMenuWindow& Outermost();
    // A tap off this menu: on the menu below it closes only this one, elsewhere all.
    void Dismiss(Point point);
    void Finish();

    MenuList list_;
    TimeSource now_;
    WindowHost* owner_ = nullptr;
    Rect placement_;
    std::optional<std::chrono::steady_clock::time_point> closedAt_;
    // Kept after closing: it may be closing itself from its own handler.
    std::unique_ptr<PopupMenuWindow> submenu_;
    PopupMenuWindow* parentMenu_ = nullptr;
    bool chosenInSubmenu_ = false;
};

}  // namespace tallyx
