#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "ui/canvas.h"
#include "ui/child_control.h"

namespace tallyx {

class WindowBase;

// The platform's side of one window: what a window object asks of its window.
// Messages come back to the object through WindowBase::WindowProcedure.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    virtual Rect ClientRect() const = 0;
    virtual void Show() = 0;
    virtual void SetTitle(const std::wstring& title) = 0;
    virtual void Resize(int width, int height) = 0;
    // Marks part of the window for repainting; the paint comes later, once.
    virtual void Invalidate(const Rect& rect) = 0;
    virtual void InvalidateAll() = 0;
    // Repaints what is invalid now instead of later.
    virtual void Update() = 0;
    // Queues a message behind those already posted; safe from any thread.
    virtual void PostMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) = 0;
    virtual void SetTimer(std::uintptr_t id, int milliseconds) = 0;
    virtual void KillTimer(std::uintptr_t id) = 0;
    // Every pen event goes to this window until released.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual void BringToFront() = 0;
    // Ends the window: WM_DESTROY reaches the object, then nothing more.
    virtual void Destroy() = 0;
    // Off-screen images in the window's pixel format.
    virtual std::unique_ptr<Image> CreateImage(int width, int height) const = 0;
    // Ends a modal run with this result.
    virtual void EndModal(long result) = 0;
    // Renders the whole window into an image (screenshots, tests).
    virtual std::unique_ptr<Image> Grab() = 0;

    // Child controls, owned by the caller and hosted here until either goes.
    virtual std::unique_ptr<EditBox> CreateEditBox(const ControlIdentity& identity, const EditOptions& options) = 0;
    virtual std::unique_ptr<DropDownList> CreateDropDownList(const ControlIdentity& identity) = 0;
    virtual std::unique_ptr<ListView> CreateListView(const ControlIdentity& identity) = 0;
    virtual std::unique_ptr<DatePicker> CreateDatePicker(const ControlIdentity& identity) = 0;
    virtual std::unique_ptr<TimePicker> CreateTimePicker(const ControlIdentity& identity) = 0;
    // The hosted controls in the order they were made.
    virtual std::vector<ChildControl*> Controls() const = 0;
    // The control with the keyboard focus, or the one that had it last when
    // the window itself took it (a tap on a drawn key); null when none.
    virtual ChildControl* FocusedControl() const = 0;
};

// How windows are made: the desktop's, or a test's.
class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<WindowHost> CreateWindow(WindowBase& owner, WindowHost* parent, const std::wstring& title,
                                                     const Rect& frame, bool modal) = 0;
    // Runs a nested loop until the host's EndModal; returns its result.
    virtual long RunModal(WindowHost& host) = 0;
    virtual void Quit(int status) = 0;
};

WindowFactory& CurrentWindowFactory();
void SetWindowFactory(WindowFactory* factory);

}  // namespace tallyx
