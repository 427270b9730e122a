#pragma once

#include <string>
#include <string_view>

#include "engine/number_formatter.h"
#include "keypad/skin_colors.h"
#include "ui/canvas.h"

namespace tallyx {

// The number a row shows, as one line of text: a fraction as whole,
// numerator and denominator.
std::wstring RowNumberText(const DisplayText& value);

// The font, made smaller as far as needed for the text to fit the width.
FontSpec FittedFont(Canvas& canvas, std::wstring_view text, int width, const FontSpec& wanted);

// The font a row's number is drawn in, and the room it has: the row less
// its label and borders.
struct RowNumberPlace {
    Rect room;
    FontSpec font;
};
RowNumberPlace PlaceRowNumber(Canvas& canvas, const Rect& row, std::wstring_view label, std::wstring_view number);

// A from or to row of a converter panel, drawn as the display is: the
// unit or currency on the left, the number on the right with its exponent
// raised and small.
void DrawConversionRow(Canvas& canvas, const Rect& row, std::wstring_view label, const DisplayText& value,
                       const SkinColors& colors);

}  // namespace tallyx
