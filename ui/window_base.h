#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "ui/canvas.h"
#include "ui/window_host.h"

namespace tallyx {

// The base of every window object. One procedure serves all windows: it
// turns each message into a call of one virtual operation. An operation that
// does not handle its message returns kNotHandled, and the message then goes
// to DefaultHandler.
class WindowBase {
public:
    static constexpr long kNotHandled = -1;

    virtual ~WindowBase();

    // Creates the main (modeless) window; false when none could be made.
    bool Create(const std::wstring& title, WindowHost* parent, const Rect& frame);
    // Runs the object as a modal dialog over parent; returns the dialog result.
    long RunModal(WindowHost* parent, const Rect& frame, const std::wstring& title = L"");

    // The bound window, or nothing while none is bound.
    WindowHost* Window() const { return window_.get(); }
    bool IsMainWindow() const { return mainWindow_; }
    void AllowPainting(bool allow) { paintingAllowed_ = allow; }

    // Routes one message to its operation; called by the window host.
    long WindowProcedure(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    // Painting goes through here so the host can hand over its canvas.
    long Paint(Canvas& canvas, const Rect& clip);

protected:
    virtual long Draw(Canvas& canvas, const Rect& clip);
    virtual long OnSize(std::uintptr_t first, std::intptr_t second);
    virtual long OnChar(std::uintptr_t first, std::intptr_t second);
    virtual long OnKeyDown(std::uintptr_t first, std::intptr_t second);
    virtual long OnKeyUp(std::uintptr_t first, std::intptr_t second);
    virtual long OnEraseBackground(std::uintptr_t first, std::intptr_t second);
    virtual long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    virtual long OnCreate(std::uintptr_t first, std::intptr_t second);
    virtual long OnPenUp(Point point);
    virtual long OnPenDown(Point point);
    virtual long OnPenMove(Point point);
    virtual long OnTimer(std::uintptr_t first, std::intptr_t second);
    virtual long OnDestroy(std::uintptr_t first, std::intptr_t second);
    virtual long OnCommand(std::uintptr_t first, std::intptr_t second);
    virtual long OnActivate(std::uintptr_t first, std::intptr_t second);
    virtual long DefaultHandler(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    virtual long OnHotKey(std::uintptr_t first, std::intptr_t second);
    virtual long OnClose(std::uintptr_t first, std::intptr_t second);

private:
    long Dispatch(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    bool Bind(WindowHost* parent, const std::wstring& title, const Rect& frame, bool modal);

    std::unique_ptr<WindowHost> window_;
    std::unique_ptr<WindowHost> retired_;
    bool mainWindow_ = false;
    bool paintingAllowed_ = true;
    bool bound_ = false;
};

}  // namespace tallyx
