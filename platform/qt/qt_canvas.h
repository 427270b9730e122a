#pragma once

#include <QImage>
#include <QPainter>
#include <optional>

#include "ui/canvas.h"

namespace tallyx {

QColor ToQColor(Color color);
QRect ToQRect(const Rect& rect);
QFont ToQFont(const FontSpec& font);

// Drawing through a QPainter.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}

    void FillRect(const Rect& rect, Color color) override;
    void FrameRect(const Rect& rect, Color color, int width) override;
    void FillVerticalGradient(const Rect& rect, Color top, Color bottom) override;
    void FillRoundRect(const Rect& rect, int radius, Color fill) override;
    void FrameRoundRect(const Rect& rect, int radius, Color color, int width) override;
    void FillPolygon(std::span<const Point> points, Color fill) override;
    void DrawLine(Point from, Point to, Color color, int width) override;
    void DrawDashedLine(Point from, Point to, Color color) override;
    void DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Color color,
                  unsigned align) override;
    Size MeasureText(std::wstring_view text, const FontSpec& font) override;
    Rect InkBounds(std::wstring_view text, const FontSpec& font) override;
    void DrawImage(const Image& image, const Rect& target, const Rect& source, bool transparent) override;
    void BlendImage(const Image& image, const Rect& target, const Rect& source, int opacity) override;
    void SetClip(const Rect& rect) override;

private:
    QPainter& painter_;
};

// An off-screen image held as a QImage.
class QtImage : public Image {
public:
    QtImage(int width, int height);
    explicit QtImage(QImage image);

    Size Dimensions() const override { return {image_.width(), image_.height()}; }
    Canvas& Paint() override;
    Color PixelAt(Point point) const override;
    bool Save(const std::string& path) const override;

    const QImage& Pixels() const { return image_; }
    // The image with kTransparentColor pixels made see-through.
    const QImage& TransparentPixels() const;

private:
    QImage image_;
    std::optional<QPainter> painter_;
    std::optional<QtCanvas> canvas_;
    mutable std::optional<QImage> transparent_;
};

}  // namespace tallyx
