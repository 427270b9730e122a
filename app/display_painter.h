#pragma once

#include "app/keypad_geometry.h"
#include "keypad/skin_colors.h"
#include "ui/canvas.h"

namespace tallyx {

class CalcEngine;
class NumberFormatter;

// Draws the display: its framed background, the six indicators and the
// value in the layout of the current entry mode.
class DisplayPainter {
public:
    DisplayPainter(const KeypadGeometry& geometry, const SkinColors& colors, const CalcEngine& engine,
                   const NumberFormatter& formatter, bool regional);

    void Draw(Canvas& canvas) const;

private:
    void DrawBackground(Canvas& canvas) const;
    void DrawIndicators(Canvas& canvas) const;
    void DrawAlgebraic(Canvas& canvas) const;
    void DrawRpn(Canvas& canvas) const;
    void DrawExpression(Canvas& canvas) const;
    void DrawHistoryMarks(Canvas& canvas) const;
    // The value at the bottom right, its exponent raised; the fonts and the
    // room kept for the exponent differ by mode.
    void DrawValue(Canvas& canvas, const FontSpec& font, const FontSpec& exponentFont, int exponentRoom) const;
    // Whole number and stacked fraction; false when the value is no fraction.
    bool DrawFraction(Canvas& canvas, const FontSpec& fractionFont, int wholeGap) const;
    void DrawText(Canvas& canvas, std::wstring_view text, const Rect& rect, const FontSpec& font, unsigned align) const;

    const KeypadGeometry& geometry_;
    const SkinColors& colors_;
    const CalcEngine& engine_;
    const NumberFormatter& formatter_;
    bool regional_;
};

}  // namespace tallyx
