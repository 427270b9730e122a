#include "app/mode_panels/conversion_row.h"

#include <algorithm>

namespace tallyx {
namespace {

constexpr int kSmallestFont = 6;
constexpr int kBold = 700;

// Text sizes follow the row's height, but a tall row in a narrow column
// keeps the label from crowding out the number.
int Scale(const Rect& row) { return std::min(row.Height(), row.Width() / 5); }
int NumberHeight(const Rect& row) { return 11 * Scale(row) / 20; }
int LabelHeight(const Rect& row) { return 2 * Scale(row) / 5; }
// The padding inside the row's border.
int Padding(const Rect& row) { return std::max(2, Scale(row) / 8); }

FontSpec LabelFont(const Rect& row)
{
    return FontSpec{kFontFamily, std::max(kSmallestFont, LabelHeight(row)), kBold};
}

Rect Inner(const Rect& row)
{
    const int padding = Padding(row);
    return row.Inflated(-padding, -padding / 2);
}

}  // namespace

std::wstring RowNumberText(const DisplayText& value)
{
    if (!value.fraction || value.significand.empty()) return value.main;
    const std::wstring fraction = value.significand + L"/" + value.exponent;
    return value.main.empty() ? fraction : value.main + L" " + fraction;
}

FontSpec FittedFont(Canvas& canvas, std::wstring_view text, int width, const FontSpec& wanted)
{
    FontSpec font = wanted;
    while (font.pixelHeight > kSmallestFont && canvas.MeasureText(text, font).width > width) --font.pixelHeight;
    return font;
}

RowNumberPlace PlaceRowNumber(Canvas& canvas, const Rect& row, std::wstring_view label, std::wstring_view number)
{
    const Rect inner = Inner(row);
    const FontSpec labelFont = FittedFont(canvas, label, inner.Width() / 3, LabelFont(row));
    const int labelWidth = label.empty() ? 0 : canvas.MeasureText(label, labelFont).width + Padding(row);
    const Rect room{inner.left + labelWidth, inner.top, inner.right, inner.bottom};
    const FontSpec wanted{kFontFamily, std::max(kSmallestFont, NumberHeight(row))};
    return {room, FittedFont(canvas, number, room.Width(), wanted)};
}

void DrawConversionRow(Canvas& canvas, const Rect& row, std::wstring_view label, const DisplayText& value,
                       const SkinColors& colors)
{
    const ColorSet& panel = colors.sets[0];
    canvas.FillVerticalGradient(row, panel.color1, panel.color2);
    canvas.FrameRect(row, panel.hiLite1);
    canvas.FrameRect(row.Inflated(-1, -1), panel.hiLite2);
    const Rect inner = Inner(row);
    const FontSpec labelFont = FittedFont(canvas, label, inner.Width() / 3, LabelFont(row));
    canvas.DrawText(label, inner, labelFont, colors.topText, TextAlignLeft | TextAlignVCenter);

    const bool raised = !value.fraction && !value.exponent.empty();
    if (!raised) {
        const std::wstring number = RowNumberText(value);
        const RowNumberPlace place = PlaceRowNumber(canvas, row, label, number);
        canvas.DrawText(number, place.room, place.font, colors.text, TextAlignRight | TextAlignVCenter);
        return;
    }
    // The exponent is drawn small at the top right, the significand left of it.
    const RowNumberPlace place = PlaceRowNumber(canvas, row, label, value.main);
    const FontSpec exponentFont{place.font.family, std::max(kSmallestFont, 3 * place.font.pixelHeight / 5),
                                place.font.weight};
    const int exponentWidth = canvas.MeasureText(value.exponent, exponentFont).width;
    canvas.DrawText(value.exponent, place.room, exponentFont, colors.text, TextAlignRight | TextAlignTop);
    const Rect significandRoom{place.room.left, place.room.top, place.room.right - exponentWidth, place.room.bottom};
    canvas.DrawText(value.significand, significandRoom, place.font, colors.text, TextAlignRight | TextAlignVCenter);
}

}  // namespace tallyx
