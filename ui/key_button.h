#pragma once

#include <memory>

#include "keypad/button_def.h"
#include "keypad/skin_colors.h"
#include "ui/canvas.h"

namespace tallyx {

class WindowHost;

// One drawn push button of the keypad: a face blitted from the shared face
// image, a centred caption with its optional raised part, pressed while the
// pen holds it.
class KeyButton {
public:
    KeyButton(const ButtonDef& button, const Rect& rect, const ColorSet& colors, bool shadow,
              std::shared_ptr<const Image> face, WindowHost* window);

    // Each answers whether the key acted: pressed, released or fired.
    bool PenDown(Point point);
    // Releases without firing once the pen has left the key.
    bool PenMove(Point point);
    // Fires when the pen comes up on the pressed key.
    bool PenUp(Point point);
    void Release() { pressed_ = false; }

    void Draw(Canvas& canvas, const FontSpec& font) const;

    const ButtonDef& Button() const { return button_; }
    const Rect& Bounds() const { return rect_; }
    bool Pressed() const { return pressed_; }
    bool HasFace() const { return face_ != nullptr; }

    // The width the caption and its raised part take in that font.
    static int CaptionWidth(Canvas& canvas, const ButtonDef& button, const FontSpec& font);
    // The font, made smaller as far as needed for the caption to fit the key with a pixel to spare each side.
    static FontSpec FittedFont(Canvas& canvas, const ButtonDef& button, const FontSpec& font, int keyWidth);

private:
    void Repaint() const;
    void DrawSymbol(Canvas& canvas, const FontSpec& font, Point offset, Color color) const;
    void DrawCaption(Canvas& canvas, const FontSpec& font, Point offset, Color color) const;
    void DrawBackspace(Canvas& canvas, Point offset, Color color) const;

    ButtonDef button_;
    Rect rect_;
    ColorSet colors_;
    bool shadow_;
    std::shared_ptr<const Image> face_;
    WindowHost* window_;
    bool pressed_ = false;
};

// The backspace key has no caption; it shows an arrow.
bool IsBackspaceKey(const ButtonDef& button);

}  // namespace tallyx
