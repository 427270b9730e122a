#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPolygon>
#include <algorithm>
#include <vector>

namespace tallyx {
namespace {

int ToQtAlignment(unsigned align)
{
    int flags = (align & TextAlignCenter) ? Qt::AlignHCenter : (align & TextAlignRight) ? Qt::AlignRight : Qt::AlignLeft;
    flags |= (align & TextAlignVCenter) ? Qt::AlignVCenter : (align & TextAlignBottom) ? Qt::AlignBottom : Qt::AlignTop;
    if (align & TextWordBreak) flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace

QColor ToQColor(Color color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QRect ToQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

QFont ToQFont(const FontSpec& font)
{
    QFont qtFont(QString::fromStdWString(font.family));
    qtFont.setPixelSize(std::max(1, font.pixelHeight));
    qtFont.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
    qtFont.setStyleStrategy(QFont::PreferAntialias);
    return qtFont;
}

void QtCanvas::FillRect(const Rect& rect, Color color)
{
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void QtCanvas::FrameRect(const Rect& rect, Color color, int width)
{
    for (int ring = 0; ring < width; ++ring) {
        const Rect inner = rect.Inflated(-ring, -ring);
        if (inner.IsEmpty()) break;
        const QColor qtColor = ToQColor(color);
        painter_.fillRect(QRect(inner.left, inner.top, inner.Width(), 1), qtColor);
        painter_.fillRect(QRect(inner.left, inner.bottom - 1, inner.Width(), 1), qtColor);
        painter_.fillRect(QRect(inner.left, inner.top, 1, inner.Height()), qtColor);
        painter_.fillRect(QRect(inner.right - 1, inner.top, 1, inner.Height()), qtColor);
    }
}

void QtCanvas::FillVerticalGradient(const Rect& rect, Color top, Color bottom)
{
    QLinearGradient gradient(rect.left, rect.top, rect.left, rect.bottom);
    gradient.setColorAt(0, ToQColor(top));
    gradient.setColorAt(1, ToQColor(bottom));
    painter_.fillRect(ToQRect(rect), gradient);
}

void QtCanvas::FillRoundRect(const Rect& rect, int radius, Color fill)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(fill));
    painter_.drawRoundedRect(ToQRect(rect), radius, radius);
    painter_.restore();
}

void QtCanvas::FrameRoundRect(const Rect& rect, int radius, Color color, int width)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(ToQColor(color), width));
    painter_.setBrush(Qt::NoBrush);
    const qreal inset = width / 2.0;
    painter_.drawRoundedRect(QRectF(rect.left + inset, rect.top + inset, rect.Width() - width, rect.Height() - width),
                             radius, radius);
    painter_.restore();
}

void QtCanvas::FillPolygon(std::span<const Point> points, Color fill)
{
    QPolygon polygon;
    for (const Point& point : points) polygon << QPoint(point.x, point.y);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(fill));
    painter_.drawPolygon(polygon);
    painter_.restore();
}

void QtCanvas::DrawLine(Point from, Point to, Color color, int width)
{
    painter_.save();
    painter_.setPen(QPen(ToQColor(color), width));
    painter_.drawLine(from.x, from.y, to.x, to.y);
    painter_.restore();
}

void QtCanvas::DrawDashedLine(Point from, Point to, Color color)
{
    painter_.save();
    painter_.setPen(QPen(ToQColor(color), 1, Qt::DashLine));
    painter_.drawLine(from.x, from.y, to.x, to.y);
    painter_.restore();
}

void QtCanvas::DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Color color, unsigned align)
{
    const QFont qtFont = ToQFont(font);
    QString content = QString::fromStdWString(std::wstring(text));
    if (align & TextEndEllipsis) {
        content = QFontMetrics(qtFont).elidedText(content, Qt::ElideRight, rect.Width());
    }
    painter_.save();
    painter_.setFont(qtFont);
    painter_.setPen(ToQColor(color));
    painter_.drawText(ToQRect(rect), ToQtAlignment(align), content);
    painter_.restore();
}

Size QtCanvas::MeasureText(std::wstring_view text, const FontSpec& font)
{
    const QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(QString::fromStdWString(std::wstring(text))), metrics.height()};
}

Rect QtCanvas::InkBounds(std::wstring_view text, const FontSpec& font)
{
    const QFontMetrics metrics(ToQFont(font));
    const QRect ink = metrics.tightBoundingRect(QString::fromStdWString(std::wstring(text)));
    if (ink.isEmpty()) return {};
    return Rect::FromSize(ink.x(), ink.y() + metrics.ascent(), ink.width(), ink.height());
}

void QtCanvas::DrawImage(const Image& image, const Rect& target, const Rect& source, bool transparent)
{
    const auto& qtImage = static_cast<const QtImage&>(image);
    painter_.drawImage(ToQRect(target), transparent ? qtImage.TransparentPixels() : qtImage.Pixels(), ToQRect(source));
}

void QtCanvas::BlendImage(const Image& image, const Rect& target, const Rect& source, int opacity)
{
    constexpr double kOpaque = 255.0;
    painter_.save();
    painter_.setOpacity(std::clamp(opacity, 0, 255) / kOpaque);
    painter_.drawImage(ToQRect(target), static_cast<const QtImage&>(image).Pixels(), ToQRect(source));
    painter_.restore();
}

void QtCanvas::SetClip(const Rect& rect)
{
    painter_.setClipRect(ToQRect(rect), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

QtImage::QtImage(int width, int height) : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32)
{
    image_.fill(Qt::black);
}

QtImage::QtImage(QImage image) : image_(std::move(image)) {}

Canvas& QtImage::Paint()
{
    transparent_.reset();
    if (!canvas_) {
        painter_.emplace(&image_);
        canvas_.emplace(*painter_);
    }
    return *canvas_;
}

Color QtImage::PixelAt(Point point) const
{
    if (!image_.rect().contains(point.x, point.y)) return 0;
    const QRgb pixel = image_.pixel(point.x, point.y);
    return MakeColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

bool QtImage::Save(const std::string& path) const
{
    const QString name = QString::fromStdString(path);
    if (name.endsWith(".png", Qt::CaseInsensitive)) return image_.save(name, "PNG");
    // Three bytes a pixel, the form every reader of bitmaps takes.
    if (name.endsWith(".bmp", Qt::CaseInsensitive)) {
        return image_.convertToFormat(QImage::Format_RGB888).save(name, "BMP");
    }
    return false;
}

const QImage& QtImage::TransparentPixels() const
{
    if (!transparent_) {
        QImage copy = image_.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = qRgb(RedOf(kTransparentColor), GreenOf(kTransparentColor), BlueOf(kTransparentColor));
        for (int y = 0; y < copy.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
            for (int x = 0; x < copy.width(); ++x) {
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
            }
        }
        transparent_ = std::move(copy);
    }
    return *transparent_;
}

}  // namespace tallyx
