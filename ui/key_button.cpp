#include "ui/key_button.h"

#include <algorithm>

#include "engine/key_ids.h"
#include "ui/backspace_arrow.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

std::wstring_view Text(const wchar_t* text)
{
    return text ? std::wstring_view(text) : std::wstring_view();
}

}  // namespace

bool IsBackspaceKey(const ButtonDef& button)
{
    return button.type == ButtonTypeClear && button.id == ClearKeyBackSpace;
}

KeyButton::KeyButton(const ButtonDef& button, const Rect& rect, const ColorSet& colors, bool shadow,
                     std::shared_ptr<const Image> face, WindowHost* window)
    : button_(button), rect_(rect), colors_(colors), shadow_(shadow), face_(std::move(face)), window_(window)
{
}

bool KeyButton::PenDown(Point point)
{
    if (!rect_.Contains(point)) return false;
    pressed_ = true;
    Repaint();
    return true;
}

bool KeyButton::PenMove(Point point)
{
    if (!pressed_ || rect_.Contains(point)) return false;
    pressed_ = false;
    Repaint();
    return true;
}

bool KeyButton::PenUp(Point point)
{
    if (!pressed_) return false;
    pressed_ = false;
    Repaint();
    return rect_.Contains(point);
}

void KeyButton::Repaint() const
{
    if (window_) window_->Invalidate(rect_);
}

int KeyButton::CaptionWidth(Canvas& canvas, const ButtonDef& button, const FontSpec& font)
{
    return canvas.MeasureText(Text(button.caption), font).width + canvas.MeasureText(Text(button.raisedCaption), font).width;
}

FontSpec KeyButton::FittedFont(Canvas& canvas, const ButtonDef& button, const FontSpec& font, int keyWidth)
{
    constexpr int kSpare = 2;
    constexpr int kSmallestFont = 6;
    FontSpec fitted = font;
    const int room = keyWidth - kSpare;
    for (int width = CaptionWidth(canvas, button, fitted); width > room && fitted.pixelHeight > kSmallestFont;
         width = CaptionWidth(canvas, button, fitted)) {
        fitted.pixelHeight = std::max(kSmallestFont, std::min(fitted.pixelHeight - 1, fitted.pixelHeight * room / width));
    }
    return fitted;
}

void KeyButton::Draw(Canvas& canvas, const FontSpec& areaFont) const
{
    const FontSpec font = FittedFont(canvas, button_, areaFont, rect_.Width());
    if (face_) {
        const int width = rect_.Width();
        const Rect source = pressed_ ? Rect{width, 0, 2 * width, rect_.Height()} : Rect{0, 0, width, rect_.Height()};
        canvas.DrawImage(*face_, rect_, source, true);
    }
    // The shadow pass lies one pixel right and down; a pressed key sits one lower.
    const int pressedDrop = pressed_ ? 1 : 0;
    if (shadow_) {
        DrawSymbol(canvas, font, {1, 1 + pressedDrop}, colors_.text2);
    }
    DrawSymbol(canvas, font, {0, pressedDrop}, colors_.text1);
}

void KeyButton::DrawSymbol(Canvas& canvas, const FontSpec& font, Point offset, Color color) const
{
    if (IsBackspaceKey(button_)) {
        DrawBackspace(canvas, offset, color);
    } else {
        DrawCaption(canvas, font, offset, color);
    }
}

void KeyButton::DrawCaption(Canvas& canvas, const FontSpec& font, Point offset, Color color) const
{
    const std::wstring_view caption = Text(button_.caption);
    const std::wstring_view raised = Text(button_.raisedCaption);
    const Size captionSize = canvas.MeasureText(caption, font);
    const Size raisedSize = raised.empty() ? Size{} : canvas.MeasureText(raised, font);
    int x = rect_.left + (rect_.Width() - captionSize.width - raisedSize.width) / 2 + offset.x;
    int y = rect_.top + (rect_.Height() - captionSize.height) / 2 + offset.y;
    if (!raised.empty()) {
        y += raisedSize.height / 3 - captionSize.height / 6;
    }
    canvas.DrawText(caption, Rect::FromSize(x, y, captionSize.width + 1, captionSize.height), font, color,
                    TextAlignLeft | TextAlignTop);
    if (raised.empty()) return;
    const int raisedBottom = y + captionSize.height - captionSize.height / 3;
    x += captionSize.width;
    canvas.DrawText(raised, Rect::FromSize(x, raisedBottom - raisedSize.height, raisedSize.width + 1, raisedSize.height),
                    font, color, TextAlignLeft | TextAlignTop);
}

void KeyButton::DrawBackspace(Canvas& canvas, Point offset, Color color) const
{
    const BackspaceArrow arrow = BackspaceArrow::ForKey({rect_.Width(), rect_.Height()});
    canvas.FillPolygon(arrow.Outline(rect_.Offset(offset.x, offset.y)), color);
}

}  // namespace tallyx
