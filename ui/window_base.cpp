#include "ui/window_base.h"

#include "platform/window_messages.h"
#include "ui/open_windows.h"

namespace tallyx {

WindowBase::~WindowBase()
{
    RemoveOpenWindow(*this);
    if (window_) {
        bound_ = false;
        window_->Destroy();
    }
}

bool WindowBase::Bind(WindowHost* parent, const std::wstring& title, const Rect& frame, bool modal)
{
    retired_.reset();
    window_ = CurrentWindowFactory().CreateWindow(*this, parent, title, frame, modal);
    if (!window_) {
        return false;
    }
    bound_ = true;
    AddOpenWindow(*this);
    WindowProcedure(modal ? WM_INITDIALOG : WM_CREATE, 0, 0);
    return true;
}

bool WindowBase::Create(const std::wstring& title, WindowHost* parent, const Rect& frame)
{
    mainWindow_ = true;
    return Bind(parent, title, frame, false);
}

long WindowBase::RunModal(WindowHost* parent, const Rect& frame, const std::wstring& title)
{
    mainWindow_ = false;
    if (!Bind(parent, title, frame, true)) {
        return 0;
    }
    window_->Show();
    const long result = CurrentWindowFactory().RunModal(*window_);
    if (window_) {
        window_->Destroy();
    }
    return result;
}

long WindowBase::Paint(Canvas& canvas, const Rect& clip)
{
    if (!bound_ || !paintingAllowed_) {
        return kNotHandled;
    }
    canvas.SetClip(clip);
    return Draw(canvas, clip);
}

long WindowBase::WindowProcedure(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (!bound_) {
        return kNotHandled;
    }
    const long result = Dispatch(message, first, second);
    if (message == WM_DESTROY) {
        // Later messages go to the default handling only; the host is still
        // on the call stack, so it is kept until the object goes.
        bound_ = false;
        RemoveOpenWindow(*this);
        retired_ = std::move(window_);
    }
    return result == kNotHandled ? DefaultHandler(message, first, second) : result;
}

long WindowBase::Dispatch(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    const Point point{PointXOf(second), PointYOf(second)};
    if (message >= WM_USER) {
        return OnUserMessage(message, first, second);
    }
    // The host paints through Paint(); a WM_PAINT that arrives as a message
    // has nothing to draw with and goes to the default handling.
    switch (message) {
    case WM_SIZE: return OnSize(first, second);
    case WM_CHAR: return OnChar(first, second);
    case WM_KEYDOWN: return OnKeyDown(first, second);
    case WM_KEYUP: return OnKeyUp(first, second);
    case WM_ERASEBKGND: return OnEraseBackground(first, second);
    case WM_CREATE:
    case WM_INITDIALOG: return OnCreate(first, second);
    case WM_LBUTTONUP: return OnPenUp(point);
    case WM_LBUTTONDOWN: return OnPenDown(point);
    case WM_MOUSEMOVE: return OnPenMove(point);
    case WM_TIMER: return OnTimer(first, second);
    case WM_DESTROY: return OnDestroy(first, second);
    case WM_COMMAND: return OnCommand(first, second);
    case WM_ACTIVATE: return OnActivate(first, second);
    case WM_HOTKEY: return OnHotKey(first, second);
    case WM_CLOSE:
    case WM_QUIT: return OnClose(first, second);
    default: return kNotHandled;
    }
}

long WindowBase::Draw(Canvas&, const Rect&) { return kNotHandled; }
long WindowBase::OnSize(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnChar(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnKeyDown(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnKeyUp(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnEraseBackground(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnUserMessage(std::uint32_t, std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnCreate(std::uintptr_t, std::intptr_t) { return 1; }
long WindowBase::OnPenUp(Point) { return kNotHandled; }
long WindowBase::OnPenDown(Point) { return kNotHandled; }
long WindowBase::OnPenMove(Point) { return kNotHandled; }
long WindowBase::OnTimer(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnDestroy(std::uintptr_t, std::intptr_t) { return 1; }
long WindowBase::OnCommand(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::OnActivate(std::uintptr_t, std::intptr_t) { return kNotHandled; }
long WindowBase::DefaultHandler(std::uint32_t, std::uintptr_t, std::intptr_t) { return 0; }
long WindowBase::OnHotKey(std::uintptr_t, std::intptr_t) { return kNotHandled; }

long WindowBase::OnClose(std::uintptr_t, std::intptr_t)
{
    if (mainWindow_) {
        CurrentWindowFactory().Quit(0);
    } else if (window_) {
        window_->EndModal(0);
    }
    return 1;
}

}  // namespace tallyx
