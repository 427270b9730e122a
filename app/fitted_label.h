#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

namespace tallyx {

// A label laid out to read whole in its room: one line in the wanted font or
// a little smaller, else two lines split at a space, as large as they fit.
struct FittedLabel {
    FontSpec font;
    std::vector<std::wstring> lines;
    int lineHeight = 0;
};

FittedLabel FitLabel(Canvas& canvas, std::wstring_view text, Size room, const FontSpec& wanted);

// The lines one under another, centred as a block on the room's height.
void DrawFittedLabel(Canvas& canvas, const FittedLabel& label, const Rect& room, Color color);

}  // namespace tallyx
