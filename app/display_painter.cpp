#include "app/display_painter.h"

#include <algorithm>
#include <array>

#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "engine/number_formatter.h"
#include "app/display_indicators.h"

namespace tallyx {
namespace {

constexpr std::size_t kMediumFontAbove = 19;
constexpr std::size_t kSmallFontAbove = 24;
constexpr int kSmallFontLift = 2;
// Icon widths at which the fraction bar sits two pixels lower.
constexpr std::array kLowBarIcons = {43, 44, 45};

}  // namespace

DisplayPainter::DisplayPainter(const KeypadGeometry& geometry, const SkinColors& colors, const CalcEngine& engine,
                               const NumberFormatter& formatter, bool regional)
    : geometry_(geometry), colors_(colors), engine_(engine), formatter_(formatter), regional_(regional)
{
}

void DisplayPainter::Draw(Canvas& canvas) const
{
    DrawBackground(canvas);
    DrawIndicators(canvas);
    switch (engine_.GetMode()) {
    case CalcModeRpn: DrawRpn(canvas); break;
    case CalcModeExpression: DrawExpression(canvas); break;
    default: DrawAlgebraic(canvas); break;
    }
}

void DisplayPainter::DrawBackground(Canvas& canvas) const
{
    const ColorSet& panel = colors_.sets[0];
    canvas.FillVerticalGradient(geometry_.display, panel.color1, panel.color2);
    canvas.FrameRect(geometry_.display, panel.hiLite1);
    canvas.FrameRect(geometry_.display.Inflated(-1, -1), panel.hiLite2);
}

void DisplayPainter::DrawIndicators(Canvas& canvas) const
{
    const auto texts = IndicatorTexts(IndicatorState::Of(engine_, formatter_.GetNotation()));
    for (std::size_t index = 0; index < texts.size(); ++index) {
        canvas.DrawText(texts[index], geometry_.indicators[index], geometry_.displayFonts.indicator, colors_.topText,
                        TextAlignCenter | TextAlignTop);
    }
}

void DisplayPainter::DrawText(Canvas& canvas, std::wstring_view text, const Rect& rect, const FontSpec& font,
                              unsigned align) const
{
    canvas.DrawText(text, rect, font, colors_.text, align);
}

void DisplayPainter::DrawValue(Canvas& canvas, const FontSpec& font, const FontSpec& exponentFont, int exponentRoom) const
{
    const DisplayText value = engine_.GetDisplayText(regional_);
    const Rect& text = geometry_.text;
    const int icon = geometry_.metrics.icon;
    if (!value.exponent.empty()) {
        DrawText(canvas, value.significand, {text.left, text.top, text.right - exponentRoom, text.bottom}, font,
                 TextAlignRight | TextAlignBottom);
        DrawText(canvas, value.exponent, {text.right - exponentRoom, text.top, text.right, text.bottom - icon / 4},
                 exponentFont, TextAlignRight | TextAlignBottom);
        return;
    }
    const FontSpec* shown = &font;
    Rect area = text;
    if (value.main.size() > kSmallFontAbove) {
        shown = &geometry_.displayFonts.small;
        area = area.Offset(0, -kSmallFontLift);
    } else if (value.main.size() > kMediumFontAbove) {
        shown = &geometry_.displayFonts.medium;
    }
    DrawText(canvas, value.main, area, *shown, TextAlignRight | TextAlignBottom);
}

bool DisplayPainter::DrawFraction(Canvas& canvas, const FontSpec& fractionFont, int wholeGap) const
{
    if (engine_.GetBase() != BaseKeyDecimal || formatter_.GetNotation() != NotationFractions) return false;
    const DisplayText value = engine_.GetDisplayText(regional_);
    if (!value.fraction || value.significand.empty() || value.main.find(L'.') != std::wstring::npos) return false;
    const Rect& text = geometry_.text;
    const int icon = geometry_.metrics.icon;
    const Size numerator = canvas.MeasureText(value.significand, fractionFont);
    const Size denominator = canvas.MeasureText(value.exponent, fractionFont);
    const int left = text.right - std::max(numerator.width, denominator.width);
    // The bar lies between the two lines, which fill the text area's lower part.
    const bool lowBar = std::find(kLowBarIcons.begin(), kLowBarIcons.end(), icon) != kLowBarIcons.end();
    const int barY = text.bottom - denominator.height + (lowBar ? 2 : 0);
    DrawText(canvas, value.significand, {left, text.top, text.right, barY}, fractionFont, TextAlignRight | TextAlignBottom);
    DrawText(canvas, value.exponent, {left, barY, text.right, text.bottom}, fractionFont, TextAlignRight | TextAlignTop);
    canvas.DrawLine({text.right - denominator.width, barY}, {text.right, barY}, colors_.text,
                    std::max(1, geometry_.metrics.smallIcon / 16));
    DrawText(canvas, value.main, {text.left, text.top, left - wholeGap, text.bottom}, geometry_.displayFonts.large,
             TextAlignRight | TextAlignBottom);
    return true;
}

void DisplayPainter::DrawAlgebraic(Canvas& canvas) const
{
    const DisplayFonts& fonts = geometry_.displayFonts;
    const int icon = geometry_.metrics.icon;
    const Rect& text = geometry_.text;
    DrawText(canvas, engine_.GetIndicatorText(), {text.left + icon / 4, text.top, text.right, text.bottom}, fonts.small,
             TextAlignLeft | TextAlignTop);
    if (!DrawFraction(canvas, fonts.medium, geometry_.metrics.smallIcon / 2)) {
        DrawValue(canvas, fonts.large, fonts.medium, 5 * icon / 4);
    }
}

void DisplayPainter::DrawRpn(Canvas& canvas) const
{
    const FontSpec& font = geometry_.displayFonts.stack;
    const Rect& text = geometry_.text;
    const RpnEngine& rpn = engine_.Rpn();
    const DisplayText x = engine_.GetDisplayText(regional_);
    auto line = [&](const wchar_t* label, std::wstring_view value, unsigned vertical) {
        DrawText(canvas, label, text, font, TextAlignLeft | vertical);
        DrawText(canvas, value, text, font, TextAlignRight | vertical);
    };
    line(L"X:", x.main, TextAlignBottom);
    auto shown = [&](int index) { return formatter_.FormatDisplay(rpn.GetStackRegister(index), regional_).main; };
    const bool tall = geometry_.metrics.Tall400();
    line(L"Y:", shown(0), tall ? TextAlignVCenter : TextAlignTop);
    if (tall) {
        line(L"Z:", shown(1), TextAlignTop);
    }
}

void DisplayPainter::DrawExpression(Canvas& canvas) const
{
    const DisplayFonts& fonts = geometry_.displayFonts;
    const int icon = geometry_.metrics.icon;
    const Rect& text = geometry_.text;
    const bool fraction = DrawFraction(canvas, fonts.small, icon / 4);
    const std::wstring expression = engine_.GetIndicatorText();
    const Rect expressionArea{text.left + icon / 4, text.top + (fraction ? icon / 5 : 0), text.right - icon / 4,
                              text.bottom};
    const bool tooWide = canvas.MeasureText(expression, fonts.small).width > expressionArea.Width();
    DrawText(canvas, expression, expressionArea, fonts.small, (tooWide ? TextAlignRight : TextAlignLeft) | TextAlignTop);
    if (!fraction) {
        DrawValue(canvas, fonts.medium, fonts.small, 3 * icon / 4);
    }
    DrawHistoryMarks(canvas);
}

void DisplayPainter::DrawHistoryMarks(Canvas& canvas) const
{
    const int smallIcon = geometry_.metrics.smallIcon;
    const int height = geometry_.metrics.icon / 32 * 4;
    const int top = geometry_.display.top + geometry_.metrics.Unit() * 2;
    auto triangle = [&](int centre, bool up) {
        const std::array<Point, 3> points =
            up ? std::array<Point, 3>{{{centre - height, top + height}, {centre + height, top + height}, {centre, top}}}
               : std::array<Point, 3>{{{centre - height, top}, {centre + height, top}, {centre, top + height}}};
        canvas.FillPolygon(points, colors_.topText);
        for (std::size_t index = 0; index < points.size(); ++index) {
            canvas.DrawLine(points[index], points[(index + 1) % points.size()], colors_.text);
        }
    };
    const int left = geometry_.display.left;
    if (engine_.CanHistoryUp()) triangle(left + 2 * smallIcon / 3, true);
    if (engine_.CanHistoryDown()) triangle(left + 4 * smallIcon / 3, false);
}

}  // namespace tallyx
