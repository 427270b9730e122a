#pragma once

#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "ui/canvas.h"

namespace tallyx {

struct SkinColors;

// A push button that a mode panel draws among its own content: a key face
// of the skin with its caption fitted inside, and a frame while it has the
// keyboard focus.
struct PanelButton {
    std::wstring caption;
    Rect rect;
    bool focused = false;
    bool pressed = false;
};

// The caption's font for a button of that height.
FontSpec PanelButtonFont(int buttonHeight);

void DrawPanelButton(Canvas& canvas, const PanelButton& button, const SkinColors& colors, int icon);

// Whether the caption reads whole on the button, in one line or two.
bool PanelButtonCaptionFits(Canvas& canvas, const PanelButton& button);

}  // namespace tallyx
