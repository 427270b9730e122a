#include "app/panel.h"

#include "app/state_listing.h"

namespace tallyx {

long Panel::Draw(Canvas&, const Rect&) { return kNotHandled; }
long Panel::Size(int, int) { return kNotHandled; }
long Panel::Char(wchar_t) { return kNotHandled; }
long Panel::KeyDown(std::uint32_t) { return kNotHandled; }
long Panel::KeyUp(std::uint32_t) { return kNotHandled; }
long Panel::PenUp(Point) { return kNotHandled; }
long Panel::PenDown(Point) { return kNotHandled; }
long Panel::PenMove(Point) { return kNotHandled; }
long Panel::UserMessage(std::uint32_t, std::uintptr_t, std::intptr_t) { return kNotHandled; }
long Panel::ShowFileMenu() { return 0; }
long Panel::ShowViewMenu() { return 0; }
long Panel::Command(std::uint32_t, std::intptr_t) { return kNotHandled; }
long Panel::Timer(std::uintptr_t) { return kNotHandled; }
long Panel::Activate(bool) { return kNotHandled; }
void Panel::TypeChanging(int) {}
void Panel::DescribeState(std::vector<StateLine>&) const {}

long Panel::SetWindow(WindowHost* window)
{
    window_ = window;
    return 1;
}

long Panel::Attach(const PanelContext& context)
{
    context_ = context;
    window_ = context.window;
    return 1;
}

}  // namespace tallyx
