#pragma once

#include "ui/canvas.h"

namespace tallyx {

// Draws everything on another canvas; a test derives from it to watch the calls it cares about.
class ForwardingCanvas : public Canvas {
public:
    explicit ForwardingCanvas(Canvas& target) : target_(target) {}

    void FillRect(const Rect& rect, Color color) override { target_.FillRect(rect, color); }
    void FrameRect(const Rect& rect, Color color, int width) override { target_.FrameRect(rect, color, width); }
    void FillVerticalGradient(const Rect& rect, Color top, Color bottom) override
    {
        target_.FillVerticalGradient(rect, top, bottom);
    }
    void FillRoundRect(const Rect& rect, int radius, Color fill) override { target_.FillRoundRect(rect, radius, fill); }
    void FrameRoundRect(const Rect& rect, int radius, Color color, int width) override
    {
        target_.FrameRoundRect(rect, radius, color, width);
    }
    void FillPolygon(std::span<const Point> points, Color fill) override { target_.FillPolygon(points, fill); }
    void DrawLine(Point from, Point to, Color color, int width) override { target_.DrawLine(from, to, color, width); }
    void DrawDashedLine(Point from, Point to, Color color) override { target_.DrawDashedLine(from, to, color); }
    void DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Color color, unsigned align) override
    {
        target_.DrawText(text, rect, font, color, align);
    }
    Size MeasureText(std::wstring_view text, const FontSpec& font) override { return target_.MeasureText(text, font); }
    Rect InkBounds(std::wstring_view text, const FontSpec& font) override { return target_.InkBounds(text, font); }
    void DrawImage(const Image& image, const Rect& target, const Rect& source, bool transparent) override
    {
        target_.DrawImage(image, target, source, transparent);
    }
    void BlendImage(const Image& image, const Rect& target, const Rect& source, int opacity) override
    {
        target_.BlendImage(image, target, source, opacity);
    }
    void SetClip(const Rect& rect) override { target_.SetClip(rect); }

protected:
    Canvas& Target() { return target_; }

private:
    Canvas& target_;
};

}  // namespace tallyx
