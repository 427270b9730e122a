#pragma once

#include <cstdint>
#include <string>

#include "app/keypad_geometry.h"
#include "ui/canvas.h"

namespace tallyx {

class WindowHost;

// The strip at the bottom of the window: "File" on the left, "Menu" on the
// right, "Cancel" alone while a drawn menu is open. A tap posts the message
// of its region to the window.
class SoftKeyBar {
public:
    static constexpr std::uint32_t kLeftMessage = 1224;
    static constexpr std::uint32_t kRightMessage = 1225;
    static constexpr std::uint32_t kMiddleMessage = 1226;

    void Place(const KeypadGeometry& geometry, std::int32_t skinIndex);
    void SetWindow(WindowHost* window) { window_ = window; }
    void SetMenuOpen(bool open) { menuOpen_ = open; }
    // Dialogs put their own captions on the bar; an empty one leaves its region blank.
    void SetCaptions(std::wstring left, std::wstring right)
    {
        leftCaption_ = std::move(left);
        rightCaption_ = std::move(right);
    }

    // Each answers whether the point was on the bar.
    bool PenDown(Point point);
    bool PenUp(Point point);

    void Draw(Canvas& canvas) const;
    const Rect& Bounds() const { return bar_; }
    SoftKeyRegion PressedRegion() const { return pressed_; }

private:
    SoftKeyRegion RegionAt(Point point) const;
    const Rect& RegionRect(SoftKeyRegion region) const;
    void DrawCaption(Canvas& canvas, std::wstring_view caption, SoftKeyRegion region) const;

    Rect bar_;
    Rect left_;
    Rect middle_;
    Rect right_;
    int icon_ = 32;
    std::int32_t skinIndex_ = 0;
    SoftKeyRegion pressed_ = SoftKeyNone;
    bool menuOpen_ = false;
    std::wstring leftCaption_ = L"File";
    std::wstring rightCaption_ = L"Menu";
    WindowHost* window_ = nullptr;
};

}  // namespace tallyx
