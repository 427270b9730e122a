#include "app/main_frame.h"

#include "app/calculator_types.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"

namespace tallyx {

MainFrame::MainFrame(CalcEngine& engine, NumberFormatter& formatter, Registry& registry)
    : calculator_(std::make_unique<CalculatorWindow>(engine, formatter, registry))
{
}

MainFrame::~MainFrame()
{
    // Tearing the calculator down can run the event loop (the key sound waits
    // for its loader); a paint then must not reach the calculator half gone.
    AllowPainting(false);
    // The calculator saves the settings while the window still exists.
    calculator_.reset();
}

long MainFrame::Draw(Canvas& canvas, const Rect& clip)
{
    return calculator_->Draw(canvas, clip);
}

long MainFrame::OnCreate(std::uintptr_t, std::intptr_t)
{
    calculator_->SetWindow(Window());
    const Rect client = Window()->ClientRect();
    clientSize_ = {client.Width(), client.Height()};
    calculator_->Size(clientSize_.width, clientSize_.height);
    Window()->SetTitle(WindowTitleFor(calculator_->CurrentType()));
    Window()->InvalidateAll();
    return 1;
}

long MainFrame::OnSize(std::uintptr_t, std::intptr_t second)
{
    const tallyx::Size size{PointXOf(second), PointYOf(second)};
    if (size == clientSize_) return 1;
    clientSize_ = size;
    calculator_->Size(size.width, size.height);
    Window()->InvalidateAll();
    return 1;
}

long MainFrame::OnEraseBackground(std::uintptr_t, std::intptr_t)
{
    return 1;
}

long MainFrame::OnActivate(std::uintptr_t first, std::intptr_t)
{
    return calculator_->Activate(first != 0);
}

long MainFrame::OnChar(std::uintptr_t first, std::intptr_t)
{
    return calculator_->Char(static_cast<wchar_t>(first));
}

long MainFrame::OnKeyDown(std::uintptr_t first, std::intptr_t second)
{
    const auto virtualKey = static_cast<std::uint32_t>(first);
    if (calculator_->DesktopShortcut(virtualKey, second)) return 1;
    return calculator_->KeyDown(virtualKey);
}

long MainFrame::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    return calculator_->KeyUp(static_cast<std::uint32_t>(first));
}

long MainFrame::OnHotKey(std::uintptr_t, std::intptr_t second)
{
    const auto key = static_cast<std::uint32_t>((second >> 16) & 0xFFFF);
    if (key != VK_F1 && key != VK_F2) return kNotHandled;
    calculator_->KeyDown(key);
    return 1;
}

long MainFrame::OnPenDown(Point point)
{
    return calculator_->PenDown(point);
}

long MainFrame::OnPenUp(Point point)
{
    return calculator_->PenUp(point);
}

long MainFrame::OnPenMove(Point point)
{
    return calculator_->PenMove(point);
}

long MainFrame::OnTimer(std::uintptr_t first, std::intptr_t)
{
    return calculator_->Timer(first);
}

long MainFrame::OnCommand(std::uintptr_t first, std::intptr_t second)
{
    return calculator_->Command(static_cast<std::uint32_t>(first), second);
}

long MainFrame::OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return calculator_->UserMessage(message, first, second);
}

long MainFrame::DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message != WM_RBUTTONUP) return WindowBase::DefaultHandler(message, first, second);
    calculator_->ShowContextMenu({PointXOf(second), PointYOf(second)});
    return 1;
}

long MainFrame::OnClose(std::uintptr_t, std::intptr_t)
{
    CurrentWindowFactory().Quit(0);
    return 1;
}

}  // namespace tallyx
