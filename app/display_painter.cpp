#include "app/display_painter.h"

#include <algorithm>
#include <vector>

#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "engine/number_formatter.h"
#include "app/display_indicators.h"

namespace tallyx {

// One line of text at its place: the box is the line's advance and height,
// drawn left and top aligned.
struct PlacedText {
    std::wstring text;
    FontSpec font;
    Rect box;
};

// The text area less the glyphs already drawn in it.
class DisplayRoom {
public:
    explicit DisplayRoom(const Rect& area) : area_(area) {}

    void Take(const Rect& ink)
    {
        if (!ink.IsEmpty()) taken_.push_back(ink);
    }
    // Inside the area and a pixel clear of everything taken, for the edge pixels of smoothed glyphs.
    bool Free(const Rect& ink) const
    {
        if (ink.IsEmpty()) return true;
        if (ink.Intersected(area_) != ink) return false;
        return std::none_of(taken_.begin(), taken_.end(),
                            [&](const Rect& taken) { return !taken.Inflated(1, 1).Intersected(ink).IsEmpty(); });
    }

private:
    Rect area_;
    std::vector<Rect> taken_;
};

namespace {

constexpr std::size_t kMediumFontAbove = 19;
constexpr std::size_t kSmallFontAbove = 24;
constexpr int kSmallFontLift = 2;
// Icon widths at which the fraction bar sits two pixels lower.
constexpr std::array kLowBarIcons = {43, 44, 45};
// Below this a line of text is cut rather than shrunk; numbers are never cut.
constexpr int kSmallestReadableFont = 8;
constexpr int kSmallestFont = 1;
constexpr std::wstring_view kCutMark = L"\u2026";
// The indicator words without descenders: the row they share keeps one height
// whatever is shown, so the lines below do not jump.
constexpr std::wstring_view kIndicatorRowSample = L"2ndF RCL STO DEC BCD BIN OCT HEX DEG RAD GRAD NORM FIX";
// Digits and the stack labels: the RPN lines share one baseline offset.
constexpr std::wstring_view kStackLineSample = L"X:Y:Z:0123456789";

Rect InkOf(Canvas& canvas, const PlacedText& placed)
{
    return canvas.InkBounds(placed.text, placed.font).Offset(placed.box.left, placed.box.top);
}

// A line whose glyphs end at right and whose line box starts at top.
PlacedText EndingAtTop(Canvas& canvas, const std::wstring& text, const FontSpec& font, int right, int top)
{
    const Size size = canvas.MeasureText(text, font);
    return {text, font, Rect::FromSize(right - canvas.InkBounds(text, font).right, top, size.width, size.height)};
}

// A line whose glyphs end at right and whose line box ends at bottom.
PlacedText EndingAt(Canvas& canvas, const std::wstring& text, const FontSpec& font, int right, int bottom)
{
    return EndingAtTop(canvas, text, font, right, bottom - canvas.MeasureText(text, font).height);
}

// A line whose glyphs start at left and whose line box starts at top.
PlacedText StartingAt(Canvas& canvas, const std::wstring& text, const FontSpec& font, int left, int top)
{
    const Size size = canvas.MeasureText(text, font);
    return {text, font, Rect::FromSize(left - canvas.InkBounds(text, font).left, top, size.width, size.height)};
}

// The first font, largest first, for which the line fits: the chosen one, the
// smaller display fonts in its weight, then ever smaller heights down to smallest.
template <typename Fits>
FontSpec FirstFitting(const DisplayFonts& fonts, const FontSpec& chosen, int smallest, Fits fits)
{
    FontSpec font = chosen;
    if (fits(font)) return font;
    for (const FontSpec* step : {&fonts.large, &fonts.medium, &fonts.small}) {
        if (step->pixelHeight >= font.pixelHeight) continue;
        font.pixelHeight = step->pixelHeight;
        if (fits(font)) return font;
    }
    while (font.pixelHeight > smallest) {
        --font.pixelHeight;
        if (fits(font)) return font;
    }
    return font;
}

}  // namespace

DisplayPainter::DisplayPainter(const KeypadGeometry& geometry, const SkinColors& colors, const CalcEngine& engine,
                               const NumberFormatter& formatter, bool regional)
    : geometry_(geometry), colors_(colors), engine_(engine), formatter_(formatter), regional_(regional)
{
}

void DisplayPainter::Draw(Canvas& canvas) const
{
    DrawBackground(canvas);
    DisplayRoom room(geometry_.text);
    DrawIndicators(canvas, room);
    switch (engine_.GetMode()) {
    case CalcModeRpn: DrawRpn(canvas, room); break;
    case CalcModeExpression: DrawExpression(canvas, room); break;
    default: DrawAlgebraic(canvas, room); break;
    }
}

void DisplayPainter::DrawBackground(Canvas& canvas) const
{
    const ColorSet& panel = colors_.sets[0];
    canvas.FillVerticalGradient(geometry_.display, panel.color1, panel.color2);
    canvas.FrameRect(geometry_.display, panel.hiLite1);
    canvas.FrameRect(geometry_.display.Inflated(-1, -1), panel.hiLite2);
}

void DisplayPainter::DrawIndicators(Canvas& canvas, DisplayRoom& room) const
{
    const FontSpec& font = geometry_.displayFonts.indicator;
    const auto texts = IndicatorTexts(IndicatorState::Of(engine_, formatter_.GetNotation()));
    for (std::size_t index = 0; index < texts.size(); ++index) {
        const Rect& slot = geometry_.indicators[index];
        const Size size = canvas.MeasureText(texts[index], font);
        const PlacedText placed{texts[index], font,
                                Rect::FromSize(slot.left + (slot.Width() - size.width) / 2, slot.top, size.width, size.height)};
        canvas.DrawText(placed.text, slot, font, colors_.topText, TextAlignCenter | TextAlignTop);
        room.Take(InkOf(canvas, placed));
    }
    const Rect row{geometry_.indicators.front().left, geometry_.display.top, geometry_.indicators.back().right,
                   TopLineInk(canvas) - 1};
    room.Take(row);
}

int DisplayPainter::TopLineInk(Canvas& canvas) const
{
    const Rect ink = canvas.InkBounds(kIndicatorRowSample, geometry_.displayFonts.indicator);
    return geometry_.display.top + ink.bottom + geometry_.metrics.Unit();
}

void DisplayPainter::DrawPlaced(Canvas& canvas, DisplayRoom& room, const PlacedText& placed) const
{
    canvas.DrawText(placed.text, placed.box, placed.font, colors_.text, TextAlignLeft | TextAlignTop);
    room.Take(InkOf(canvas, placed));
}

PlacedText DisplayPainter::FittedAtEnd(Canvas& canvas, const DisplayRoom& room, const std::wstring& text,
                                       const FontSpec& font, int right, int bottom) const
{
    const FontSpec fitted = FirstFitting(geometry_.displayFonts, font, kSmallestFont, [&](const FontSpec& candidate) {
        return room.Free(InkOf(canvas, EndingAt(canvas, text, candidate, right, bottom)));
    });
    return EndingAt(canvas, text, fitted, right, bottom);
}

void DisplayPainter::DrawTopLine(Canvas& canvas, DisplayRoom& room, const std::wstring& text, int left,
                                 int right) const
{
    if (text.empty()) return;
    const int inkTop = TopLineInk(canvas);
    auto place = [&](const std::wstring& shown, const FontSpec& font) {
        const int lineTop = inkTop - canvas.InkBounds(shown, font).top;
        return StartingAt(canvas, shown, font, left, lineTop);
    };
    auto fits = [&](const std::wstring& shown, const FontSpec& font) {
        const PlacedText placed = place(shown, font);
        return InkOf(canvas, placed).right <= right && room.Free(InkOf(canvas, placed));
    };
    const FontSpec font = FirstFitting(geometry_.displayFonts, geometry_.displayFonts.small, kSmallestReadableFont,
                                       [&](const FontSpec& candidate) { return fits(text, candidate); });
    // Its end, where typing goes on, stays in view.
    std::wstring shown = text;
    for (std::size_t cut = 1; !fits(shown, font) && cut < text.size(); ++cut) {
        shown = std::wstring(kCutMark) + text.substr(cut);
    }
    if (fits(shown, font)) DrawPlaced(canvas, room, place(shown, font));
}

void DisplayPainter::DrawValue(Canvas& canvas, DisplayRoom& room, const FontSpec& font, const FontSpec& exponentFont,
                               int exponentRoom) const
{
    const DisplayText value = engine_.GetDisplayText(regional_);
    const Rect& text = geometry_.text;
    if (!value.exponent.empty()) {
        const int raised = text.bottom - geometry_.metrics.icon / 4;
        const PlacedText exponent = FittedAtEnd(canvas, room, value.exponent, exponentFont, text.right, raised);
        DrawPlaced(canvas, room, exponent);
        const int mantissaRight =
            std::min(text.right - exponentRoom, InkOf(canvas, exponent).left - geometry_.metrics.Unit());
        DrawPlaced(canvas, room, FittedAtEnd(canvas, room, value.significand, font, mantissaRight, text.bottom));
        return;
    }
    const FontSpec* shown = &font;
    int bottom = text.bottom;
    if (value.main.size() > kSmallFontAbove) {
        shown = &geometry_.displayFonts.small;
        bottom -= kSmallFontLift;
    } else if (value.main.size() > kMediumFontAbove) {
        shown = &geometry_.displayFonts.medium;
    }
    DrawPlaced(canvas, room, FittedAtEnd(canvas, room, value.main, *shown, text.right, bottom));
}

bool DisplayPainter::DrawFraction(Canvas& canvas, DisplayRoom& room, const FontSpec& fractionFont, int wholeGap) const
{
    if (engine_.GetBase() != BaseKeyDecimal || formatter_.GetNotation() != NotationFractions) return false;
    const DisplayText value = engine_.GetDisplayText(regional_);
    if (!value.fraction || value.significand.empty() || value.main.find(L'.') != std::wstring::npos) return false;
    const Rect& text = geometry_.text;
    const int barWidth = std::max(1, geometry_.metrics.smallIcon / 16);
    const bool lowBar = std::find(kLowBarIcons.begin(), kLowBarIcons.end(), geometry_.metrics.icon) != kLowBarIcons.end();
    const int barGap = barWidth + (lowBar ? 2 : 1);
    // The denominator's glyphs end at the bottom line, the bar lies above them
    // and the numerator above the bar.
    struct Stack {
        PlacedText numerator;
        PlacedText denominator;
        int barY;
    };
    auto stack = [&](const FontSpec& font) {
        const Rect denominatorInk = canvas.InkBounds(value.exponent, font);
        const int denominatorTop = text.bottom - denominatorInk.bottom;
        const int barY = denominatorTop + denominatorInk.top - barGap;
        const int numeratorTop = barY - barGap - canvas.InkBounds(value.significand, font).bottom;
        return Stack{EndingAtTop(canvas, value.significand, font, text.right, numeratorTop),
                     EndingAtTop(canvas, value.exponent, font, text.right, denominatorTop), barY};
    };
    const FontSpec font = FirstFitting(geometry_.displayFonts, fractionFont, kSmallestFont, [&](const FontSpec& candidate) {
        const Stack placed = stack(candidate);
        return room.Free(InkOf(canvas, placed.numerator)) && room.Free(InkOf(canvas, placed.denominator));
    });
    const Stack placed = stack(font);
    DrawPlaced(canvas, room, placed.numerator);
    DrawPlaced(canvas, room, placed.denominator);
    const int denominatorLeft = InkOf(canvas, placed.denominator).left;
    const Rect bar{denominatorLeft, placed.barY - barWidth / 2, text.right, placed.barY + barWidth - barWidth / 2};
    canvas.DrawLine({bar.left, placed.barY}, {bar.right, placed.barY}, colors_.text, barWidth);
    room.Take(bar);
    const int fractionLeft = std::min(placed.numerator.box.left, placed.denominator.box.left);
    if (!value.main.empty()) {
        DrawPlaced(canvas, room, FittedAtEnd(canvas, room, value.main, geometry_.displayFonts.large,
                                             fractionLeft - wholeGap, text.bottom));
    }
    return true;
}

void DisplayPainter::DrawAlgebraic(Canvas& canvas, DisplayRoom& room) const
{
    const DisplayFonts& fonts = geometry_.displayFonts;
    const int icon = geometry_.metrics.icon;
    const Rect& text = geometry_.text;
    DrawTopLine(canvas, room, engine_.GetIndicatorText(), text.left + icon / 4, text.right);
    if (!DrawFraction(canvas, room, fonts.medium, geometry_.metrics.smallIcon / 2)) {
        DrawValue(canvas, room, fonts.large, fonts.medium, 5 * icon / 4);
    }
}

void DisplayPainter::DrawRpn(Canvas& canvas, DisplayRoom& room) const
{
    const Rect& text = geometry_.text;
    const RpnEngine& rpn = engine_.Rpn();
    auto shown = [&](int index) { return formatter_.FormatDisplay(rpn.GetStackRegister(index), regional_).main; };
    struct Line {
        std::wstring label;
        std::wstring value;
    };
    std::vector<Line> lines = {{L"X:", engine_.GetDisplayText(regional_).main}, {L"Y:", shown(0)}};
    if (geometry_.metrics.Tall400()) lines.push_back({L"Z:", shown(1)});
    // The lines share the height below the indicators, X at the bottom.
    const int top = TopLineInk(canvas);
    const int pitch = (text.bottom - top) / static_cast<int>(lines.size());
    auto place = [&](const FontSpec& font) {
        const int baseline = canvas.InkBounds(kStackLineSample, font).bottom;
        std::vector<PlacedText> placed;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            const int lineTop = text.bottom - pitch * static_cast<int>(index) - baseline;
            placed.push_back(StartingAt(canvas, lines[index].label, font, text.left, lineTop));
            placed.push_back(EndingAtTop(canvas, lines[index].value, font, text.right, lineTop));
        }
        return placed;
    };
    const FontSpec font = FirstFitting(geometry_.displayFonts, geometry_.displayFonts.stack, kSmallestFont,
                                       [&](const FontSpec& candidate) {
                                           DisplayRoom trial = room;
                                           for (const PlacedText& part : place(candidate)) {
                                               const Rect ink = InkOf(canvas, part);
                                               if (!trial.Free(ink)) return false;
                                               trial.Take(ink);
                                           }
                                           return true;
                                       });
    for (const PlacedText& part : place(font)) DrawPlaced(canvas, room, part);
}

void DisplayPainter::DrawExpression(Canvas& canvas, DisplayRoom& room) const
{
    const DisplayFonts& fonts = geometry_.displayFonts;
    const int icon = geometry_.metrics.icon;
    const Rect& text = geometry_.text;
    DrawHistoryMarks(canvas, room);
    const int left = std::max(text.left + icon / 4, HistoryMarkBounds()[0].right + geometry_.metrics.Unit());
    DrawTopLine(canvas, room, engine_.GetIndicatorText(), left, text.right - icon / 4);
    if (!DrawFraction(canvas, room, fonts.small, icon / 4)) {
        DrawValue(canvas, room, fonts.medium, fonts.small, 3 * icon / 4);
    }
}

std::array<Rect, 2> DisplayPainter::HistoryMarkBounds() const
{
    const int unit = geometry_.metrics.Unit();
    const int height = geometry_.metrics.icon / 32 * 4;
    const int centre = geometry_.display.left + geometry_.metrics.smallIcon / 2;
    const int top = geometry_.display.top + 2 * unit;
    // A pixel more than the triangle for its outline.
    const Rect up{centre - height, top, centre + height + 1, top + height + 1};
    return {up, up.Offset(0, height + 1 + unit)};
}

void DisplayPainter::DrawHistoryMarks(Canvas& canvas, DisplayRoom& room) const
{
    auto triangle = [&](const Rect& bounds, bool up) {
        const int left = bounds.left;
        const int right = bounds.right - 1;
        const int top = bounds.top;
        const int bottom = bounds.bottom - 1;
        const int centre = (left + right) / 2;
        const std::array<Point, 3> points =
            up ? std::array<Point, 3>{{{left, bottom}, {right, bottom}, {centre, top}}}
               : std::array<Point, 3>{{{left, top}, {right, top}, {centre, bottom}}};
        canvas.FillPolygon(points, colors_.topText);
        for (std::size_t index = 0; index < points.size(); ++index) {
            canvas.DrawLine(points[index], points[(index + 1) % points.size()], colors_.text);
        }
        room.Take(bounds);
    };
    const auto marks = HistoryMarkBounds();
    if (engine_.CanHistoryUp()) triangle(marks[0], true);
    if (engine_.CanHistoryDown()) triangle(marks[1], false);
}

}  // namespace tallyx
