#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"
#include "ui/canvas.h"

namespace tallyx {

struct PanelSettings;
struct StateLine;
class CalcEngine;
class ConstantsDb;
class KeyMapper;
class KeypadLayouts;
class NumberFormatter;
class PopupMenuWindow;
class SoftKeyBar;
class WindowHost;

// What a mode panel is handed when its calculator type becomes current.
// The drawn menu is the keypad's; a panel that shows one reaches it here.
struct PanelContext {
    CalcEngine* engine = nullptr;
    KeyMapper* keyMapper = nullptr;
    KeypadLayouts* layouts = nullptr;
    PopupMenuWindow* menuWindow = nullptr;
    SoftKeyBar* softKeyBar = nullptr;
    ConstantsDb* constants = nullptr;
    WindowHost* window = nullptr;
    // How the display writes numbers, for panels that show numbers as it does.
    const NumberFormatter* formatter = nullptr;
    const PanelSettings* settings = nullptr;
};

// A calculator panel inside the main frame: the keypad, and the mode panels
// the keypad embeds. Every operation answers kNotHandled (or 0 where the
// table says so) unless a panel takes it.
class Panel {
public:
    static constexpr long kNotHandled = -1;

    virtual ~Panel() = default;

    virtual long Draw(Canvas& canvas, const Rect& clip);
    virtual long Size(int width, int height);
    virtual long Char(wchar_t character);
    virtual long KeyDown(std::uint32_t virtualKey);
    virtual long KeyUp(std::uint32_t virtualKey);
    virtual long PenUp(Point point);
    virtual long PenDown(Point point);
    virtual long PenMove(Point point);
    virtual long SetWindow(WindowHost* window);
    virtual long UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    virtual long ShowFileMenu();
    virtual long ShowViewMenu();
    virtual long Command(std::uint32_t command, std::intptr_t parameter);
    virtual long Timer(std::uintptr_t timer);
    virtual long Activate(bool active);
    virtual long Attach(const PanelContext& context);
    // Before the calculator leaves this panel's type for newType.
    virtual void TypeChanging(int newType);
    // What the panel shows, in the lines the headless listing writes; none by default.
    virtual void DescribeState(std::vector<StateLine>& lines) const;

protected:
    WindowHost* Window() const { return window_; }
    const PanelContext& Context() const { return context_; }

private:
    WindowHost* window_ = nullptr;
    PanelContext context_;
};

}  // namespace tallyx
