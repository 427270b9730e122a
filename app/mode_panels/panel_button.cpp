#include "app/mode_panels/panel_button.h"

#include <algorithm>

#include "app/fitted_label.h"
#include "keypad/skin_colors.h"
#include "ui/key_face_painter.h"

namespace tallyx {
namespace {

constexpr int kBold = 700;
// The caption keeps this part of the button's height and width free at its edges.
constexpr int kPaddingEighths = 1;
// The keys of the skin's first style are the plain ones.
constexpr std::int32_t kPlainKeyStyle = 0;

Rect CaptionRoom(const Rect& rect)
{
    const int across = rect.Width() * kPaddingEighths / 8;
    const int down = rect.Height() * kPaddingEighths / 8;
    return {rect.left + across, rect.top + down, rect.right - across, rect.bottom - down};
}

FittedLabel FittedCaption(Canvas& canvas, const PanelButton& button)
{
    const Rect room = CaptionRoom(button.rect);
    return FitLabel(canvas, button.caption, {room.Width(), room.Height()}, PanelButtonFont(button.rect.Height()));
}

}  // namespace

FontSpec PanelButtonFont(int buttonHeight)
{
    return FontSpec{kFontFamily, std::max(1, buttonHeight / 2), kBold};
}

void DrawPanelButton(Canvas& canvas, const PanelButton& button, const SkinColors& colors, int icon)
{
    const ColorSet& set = colors.SetForStyle(kPlainKeyStyle);
    PaintKeyFace(canvas, button.rect, colors.faceStyle, set, button.pressed, icon);
    const FittedLabel label = FittedCaption(canvas, button);
    const int lineCount = static_cast<int>(label.lines.size());
    int top = button.rect.top + (button.rect.Height() - lineCount * label.lineHeight) / 2;
    for (const std::wstring& line : label.lines) {
        canvas.DrawText(line, {button.rect.left, top, button.rect.right, top + label.lineHeight}, label.font,
                        button.pressed ? set.text2 : set.text1, TextAlignCenter | TextAlignVCenter);
        top += label.lineHeight;
    }
    if (button.focused) canvas.FrameRect(button.rect, ReadableOn(colors.background, colors.text), 2);
}

bool PanelButtonCaptionFits(Canvas& canvas, const PanelButton& button)
{
    const FittedLabel label = FittedCaption(canvas, button);
    const Rect room = CaptionRoom(button.rect);
    for (const std::wstring& line : label.lines) {
        if (canvas.MeasureText(line, label.font).width > room.Width()) return false;
    }
    return label.lineHeight * static_cast<int>(label.lines.size()) <= room.Height();
}

}  // namespace tallyx
