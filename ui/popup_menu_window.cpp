#include "ui/popup_menu_window.h"

#include <algorithm>

#include "platform/window_messages.h"

namespace tallyx {
namespace {

constexpr int kBorder = 1;

// As wide as the list's widest row with the frame, no wider than limit.
int FittedWidth(const MenuList& list, const WindowHost& owner, int limit)
{
    const std::unique_ptr<Image> measure = owner.CreateImage(1, 1);
    return std::min(limit, list.ContentWidth(measure->Paint()) + 2 * kBorder);
}

}  // namespace

PopupMenuWindow::PopupMenuWindow(TimeSource now) : now_(std::move(now)) {}

PopupMenuWindow::~PopupMenuWindow() = default;

bool PopupMenuWindow::IsOpen() const
{
    return Window() != nullptr;
}

bool PopupMenuWindow::ClosedWithin(std::chrono::milliseconds span) const
{
    return closedAt_ && now_() - *closedAt_ < span;
}

bool PopupMenuWindow::Show(WindowHost& owner, unsigned style, const Rect& area)
{
    if (IsOpen()) {
        Close();
        return false;
    }
    if (ClosedWithin(kReopenGuard)) return false;
    chosenInSubmenu_ = false;
    owner_ = &owner;
    placement_ = PlaceIn(area, style);
    if (!Create(L"", &owner, placement_)) {
        owner_ = nullptr;
        return false;
    }
    // The current value starts selected, so the keys move on from it.
    for (std::size_t index = 0; index < list_.Entries().size(); ++index) {
        if (list_.Entries()[index].Checked()) list_.Select(index);
    }
    if (list_.Selected()) list_.ScrollIntoView(RowsArea(), *list_.Selected());
    Window()->Show();
    Window()->SetCapture();
    owner.InvalidateAll();
    return true;
}

Rect PopupMenuWindow::PlaceIn(const Rect& area, unsigned style) const
{
    const int width = style & MenuStyleFitWidth ? FittedWidth(list_, *owner_, area.Width()) : area.Width();
    const int height = style & MenuStyleFitHeight ? std::min(area.Height(), list_.ContentHeight() + 2 * kBorder)
                                                  : area.Height();
    const int left = style & MenuStyleFromRight ? area.right - width : area.left;
    const int top = style & MenuStyleFromBottom ? area.bottom - height : area.top;
    return Rect::FromSize(left, top, width, height);
}

Rect PopupMenuWindow::RowsArea() const
{
    return Window() ? Window()->ClientRect().Inflated(-kBorder, -kBorder) : Rect{};
}

Rect PopupMenuWindow::SubmenuArea(const Rect& row, const MenuList& submenu) const
{
    const Rect bounds = owner_->ClientRect();
    const int width = FittedWidth(submenu, *owner_, bounds.Width());
    const int height = std::min(bounds.Height(), submenu.ContentHeight() + 2 * kBorder);
    // Right of this menu where it fits, else left of it; level with the row where it fits.
    int left = placement_.right;
    if (left + width > bounds.right) left = std::max(bounds.left, placement_.left - width);
    const int top = std::clamp(row.top - kBorder, bounds.top, bounds.bottom - height);
    return Rect::FromSize(left, top, width, height);
}

std::vector<VisibleMenuItem> PopupMenuWindow::VisibleItems() const
{
    std::vector<VisibleMenuItem> items;
    if (!IsOpen()) return items;
    items = list_.VisibleItems(RowsArea());
    for (VisibleMenuItem& item : items) item.rect = item.rect.Offset(placement_.left, placement_.top);
    if (const PopupMenuWindow* submenu = OpenSubmenu()) {
        const std::vector<VisibleMenuItem> beside = submenu->VisibleItems();
        items.insert(items.end(), beside.begin(), beside.end());
    }
    return items;
}

PopupMenuWindow* PopupMenuWindow::OpenSubmenu() const
{
    return submenu_ && submenu_->IsOpen() ? submenu_.get() : nullptr;
}

const MenuEntry* PopupMenuWindow::SelectedEntry() const
{
    return chosenInSubmenu_ && submenu_ ? submenu_->SelectedEntry() : list_.SelectedEntry();
}

PopupMenuWindow& PopupMenuWindow::Outermost()
{
    PopupMenuWindow* menu = this;
    while (menu->parentMenu_) menu = menu->parentMenu_;
    return *menu;
}

void PopupMenuWindow::Close()
{
    if (submenu_) submenu_->Close();
    if (Window()) Window()->Destroy();
}

void PopupMenuWindow::Dismiss(Point point)
{
    const Point inOwner{point.x + placement_.left, point.y + placement_.top};
    if (parentMenu_ && parentMenu_->Placement().Contains(inOwner)) {
        Close();
    } else {
        Outermost().Close();
    }
}

long PopupMenuWindow::OnDestroy(std::uintptr_t, std::intptr_t)
{
    closedAt_ = now_();
    if (parentMenu_ && parentMenu_->IsOpen()) {
        // The keys and the pen go back to the menu below.
        WindowHost& below = *parentMenu_->Window();
        below.Show();
        below.SetCapture();
        below.InvalidateAll();
        if (owner_) owner_->InvalidateAll();
        owner_ = nullptr;
        return 1;
    }
    if (owner_) {
        owner_->InvalidateAll();
        owner_->Show();  // the keys go back to the owner
        owner_ = nullptr;
    }
    return 1;
}

void PopupMenuWindow::Choose(std::size_t index)
{
    if (list_.Entries()[index].HasSubmenu()) {
        ShowSubmenu(index);
        return;
    }
    list_.Select(index);
    for (PopupMenuWindow* below = parentMenu_; below; below = below->parentMenu_) below->chosenInSubmenu_ = true;
    WindowHost* owner = owner_;
    const std::uint32_t command = list_.Entries()[index].command;
    Outermost().Close();
    if (owner) owner->PostMessage(WM_COMMAND, command, 0);
}

void PopupMenuWindow::ShowSubmenu(std::size_t index)
{
    const MenuList& items = *list_.Entries()[index].submenu;
    if (!owner_ || items.Entries().empty()) return;
    list_.Select(index);
    list_.ScrollIntoView(RowsArea(), index);
    Window()->InvalidateAll();
    chosenInSubmenu_ = false;
    if (submenu_) submenu_->Close();
    submenu_ = std::make_unique<PopupMenuWindow>(now_);
    submenu_->parentMenu_ = this;
    submenu_->List() = items;
    submenu_->List().SetLookFrom(list_);
    const Rect row = list_.RowRect(RowsArea(), index).Offset(placement_.left, placement_.top);
    // Only one window can hold the pen; it comes back when the sub-menu closes.
    Window()->ReleaseCapture();
    if (!submenu_->Show(*owner_, 0, SubmenuArea(row, submenu_->List()))) Window()->SetCapture();
}

long PopupMenuWindow::Draw(Canvas& canvas, const Rect&)
{
    const Rect client = Window()->ClientRect();
    canvas.FrameRect(client, list_.Colors().separator, kBorder);
    list_.Draw(canvas, RowsArea());
    return 1;
}

long PopupMenuWindow::OnPenDown(Point point)
{
    if (list_.PenDown(RowsArea(), point)) Window()->InvalidateAll();
    return 1;
}

long PopupMenuWindow::OnPenMove(Point point)
{
    if (list_.PenMove(RowsArea(), point)) Window()->InvalidateAll();
    return 1;
}

long PopupMenuWindow::OnPenUp(Point point)
{
    const MenuTap tap = list_.PenUp(RowsArea(), point);
    switch (tap.kind) {
    case MenuTap::OnEntry:
        // Headers, separators and disabled items stay as they are.
        if (list_.Entries()[tap.index].Choosable()) Choose(tap.index);
        return 1;
    case MenuTap::BelowRows:
    case MenuTap::Outside: Dismiss(point); return 1;
    case MenuTap::Scrolled: return 1;
    }
    return 1;
}

long PopupMenuWindow::OnKeyDown(std::uintptr_t first, std::intptr_t)
{
    switch (first) {
    case VK_UP:
    case VK_DOWN:
        list_.SelectNext(first == VK_DOWN);
        if (list_.Selected()) list_.ScrollIntoView(RowsArea(), *list_.Selected());
        Window()->InvalidateAll();
        return 1;
    case VK_RETURN:
        if (list_.Selected()) Choose(*list_.Selected());
        return 1;
    case VK_RIGHT:
        if (list_.SelectedEntry() && list_.SelectedEntry()->HasSubmenu()) ShowSubmenu(*list_.Selected());
        return 1;
    case VK_LEFT:
        if (parentMenu_) Close();
        return 1;
    default: return 1;
    }
}

long PopupMenuWindow::DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != WM_MOUSEWHEEL) return WindowBase::DefaultHandler(message, first, second);
    if (list_.Wheel(RowsArea(), WheelDeltaOf(first))) Window()->InvalidateAll();
    return 1;
}

long PopupMenuWindow::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    if (first == VK_ESCAPE) {
        Close();
    } else if (first >= VK_F1 && first <= VK_F4) {
        Outermost().Close();
    }
    return 1;
}

}  // namespace tallyx
