#include "ui/popup_menu_window.h"

#include "platform/window_messages.h"

namespace tallyx {
namespace {

constexpr int kBorder = 1;

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
    if (list_.Selected()) list_.ScrollIntoView(ClientArea(), *list_.Selected());
    Window()->Show();
    Window()->SetCapture();
    owner.InvalidateAll();
    return true;
}

Rect PopupMenuWindow::PlaceIn(const Rect& area, unsigned style) const
{
    int width = area.Width();
    if (style & MenuStyleFitWidth) {
        const std::unique_ptr<Image> measure = owner_->CreateImage(1, 1);
        width = std::min(width, list_.ContentWidth(measure->Paint()) + 2 * kBorder);
    }
    const int height = style & MenuStyleFitHeight ? std::min(area.Height(), list_.ContentHeight() + 2 * kBorder)
                                                  : area.Height();
    const int left = style & MenuStyleFromRight ? area.right - width : area.left;
    const int top = style & MenuStyleFromBottom ? area.bottom - height : area.top;
    return Rect::FromSize(left, top, width, height);
}

Rect PopupMenuWindow::ClientArea() const
{
    return Window() ? Window()->ClientRect().Inflated(-kBorder, -kBorder) : Rect{};
}

void PopupMenuWindow::Close()
{
    if (Window()) Window()->Destroy();
}

long PopupMenuWindow::OnDestroy(std::uintptr_t, std::intptr_t)
{
    closedAt_ = now_();
    if (owner_) {
        owner_->InvalidateAll();
        owner_->Show();  // the keys go back to the owner
        owner_ = nullptr;
    }
    return 1;
}

void PopupMenuWindow::Choose(std::size_t index)
{
    list_.Select(index);
    WindowHost* owner = owner_;
    const std::uint32_t command = list_.Entries()[index].command;
    Close();
    if (owner) owner->PostMessage(WM_COMMAND, command, 0);
}

long PopupMenuWindow::Draw(Canvas& canvas, const Rect&)
{
    const Rect client = Window()->ClientRect();
    canvas.FrameRect(client, list_.Colors().separator, kBorder);
    list_.Draw(canvas, ClientArea());
    return 1;
}

long PopupMenuWindow::OnPenDown(Point point)
{
    if (list_.PenDown(ClientArea(), point)) Window()->InvalidateAll();
    return 1;
}

long PopupMenuWindow::OnPenMove(Point point)
{
    if (list_.PenMove(ClientArea(), point)) Window()->InvalidateAll();
    return 1;
}

long PopupMenuWindow::OnPenUp(Point point)
{
    const MenuTap tap = list_.PenUp(ClientArea(), point);
    switch (tap.kind) {
    case MenuTap::OnEntry:
        // Headers, separators and disabled items stay as they are.
        if (list_.Entries()[tap.index].Choosable()) Choose(tap.index);
        return 1;
    case MenuTap::BelowRows:
    case MenuTap::Outside: Close(); return 1;
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
        if (list_.Selected()) list_.ScrollIntoView(ClientArea(), *list_.Selected());
        Window()->InvalidateAll();
        return 1;
    case VK_RETURN:
        if (list_.Selected()) Choose(*list_.Selected());
        return 1;
    default: return 1;
    }
}

long PopupMenuWindow::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    const bool closes = first == VK_ESCAPE || (first >= VK_F1 && first <= VK_F4);
    if (closes) Close();
    return 1;
}

}  // namespace tallyx
