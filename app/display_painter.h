#pragma once

#include <array>
#include <string>

#include "app/keypad_geometry.h"
#include "keypad/skin_colors.h"
#include "ui/canvas.h"

namespace tallyx {

class CalcEngine;
class NumberFormatter;
class DisplayRoom;
struct PlacedText;

// Draws the display: its framed background, the six indicators and the
// value in the layout of the current entry mode. Every line is measured
// before it is drawn: a line that would run over another or out of the
// display takes a smaller font, so no digit is ever cut or covered.
class DisplayPainter {
public:
    DisplayPainter(const KeypadGeometry& geometry, const SkinColors& colors, const CalcEngine& engine,
                   const NumberFormatter& formatter, bool regional);

    void Draw(Canvas& canvas) const;

private:
    // The two marks of the Expression-mode history, up then down, stacked
    // left of the indicators.
    std::array<Rect, 2> HistoryMarkBounds() const;
    void DrawBackground(Canvas& canvas) const;
    void DrawIndicators(Canvas& canvas, DisplayRoom& room) const;
    void DrawAlgebraic(Canvas& canvas, DisplayRoom& room) const;
    void DrawRpn(Canvas& canvas, DisplayRoom& room) const;
    void DrawExpression(Canvas& canvas, DisplayRoom& room) const;
    void DrawHistoryMarks(Canvas& canvas, DisplayRoom& room) const;
    // A line at the top of the text area, below the indicators, in the small
    // font or smaller; a line too long even then shows its end.
    void DrawTopLine(Canvas& canvas, DisplayRoom& room, const std::wstring& text, int left, int right) const;
    // The value at the bottom right, its exponent raised; the fonts and the
    // room kept for the exponent differ by mode.
    void DrawValue(Canvas& canvas, DisplayRoom& room, const FontSpec& font, const FontSpec& exponentFont,
                   int exponentRoom) const;
    // Whole number and stacked fraction; false when the value is no fraction.
    bool DrawFraction(Canvas& canvas, DisplayRoom& room, const FontSpec& fractionFont, int wholeGap) const;
    // The text ending at (right, bottom) in the largest font from the chosen one down that has room.
    PlacedText FittedAtEnd(Canvas& canvas, const DisplayRoom& room, const std::wstring& text, const FontSpec& font,
                           int right, int bottom) const;
    void DrawPlaced(Canvas& canvas, DisplayRoom& room, const PlacedText& placed) const;
    // Where the first line below the indicators has its glyphs' top.
    int TopLineInk(Canvas& canvas) const;

    const KeypadGeometry& geometry_;
    const SkinColors& colors_;
    const CalcEngine& engine_;
    const NumberFormatter& formatter_;
    bool regional_;
};

}  // namespace tallyx
