#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace tallyx {

// Every text of the program is drawn in this face.
inline constexpr const wchar_t* kFontFamily = L"Tahoma";

// A font as the drawing code names it.
struct FontSpec {
    std::wstring family = kFontFamily;
    int pixelHeight = 12;
    int weight = 400;  // 400 normal, 700 bold
    bool operator==(const FontSpec&) const = default;
};

// How text sits in its rectangle.
enum TextAlign : unsigned {
    TextAlignLeft = 0,
    TextAlignCenter = 1,
    TextAlignRight = 2,
    TextAlignTop = 0,
    TextAlignVCenter = 4,
    TextAlignBottom = 8,
    TextEndEllipsis = 16,  // cut with "..." when it does not fit
    TextWordBreak = 32,
};

class Image;

// Everything the windows draw with. Colors are 0x00BBGGRR.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillRect(const Rect& rect, Color color) = 0;
    virtual void FrameRect(const Rect& rect, Color color, int width = 1) = 0;
    // From top color at the top edge to bottom color at the bottom edge.
    virtual void FillVerticalGradient(const Rect& rect, Color top, Color bottom) = 0;
    virtual void FillRoundRect(const Rect& rect, int radius, Color fill) = 0;
    virtual void FrameRoundRect(const Rect& rect, int radius, Color color, int width = 1) = 0;
    virtual void FillPolygon(std::span<const Point> points, Color fill) = 0;
    virtual void DrawLine(Point from, Point to, Color color, int width = 1) = 0;
    virtual void DrawDashedLine(Point from, Point to, Color color) = 0;
    virtual void DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Color color,
                          unsigned align) = 0;
    virtual Size MeasureText(std::wstring_view text, const FontSpec& font) = 0;
    // Where the glyphs of a text fall, relative to the top left of its line as
    // DrawText sets it left and top aligned; without a finer measure, the line.
    virtual Rect InkBounds(std::wstring_view text, const FontSpec& font)
    {
        const Size line = MeasureText(text, font);
        return {0, 0, line.width, line.height};
    }
    // Copies part of an image; with transparent set, kTransparentColor pixels are skipped.
    virtual void DrawImage(const Image& image, const Rect& target, const Rect& source, bool transparent) = 0;
    // Lays an image over what is there, opacity 0 (unseen) to 255 (covering).
    virtual void BlendImage(const Image& image, const Rect& target, const Rect& source, int opacity) = 0;
    // Later drawing stays inside rect (and inside any earlier clip).
    virtual void SetClip(const Rect& rect) = 0;
};

// An off-screen image: drawn into through its own canvas, then blitted.
class Image {
public:
    virtual ~Image() = default;
    virtual Size Dimensions() const = 0;
    virtual Canvas& Paint() = 0;
    virtual Color PixelAt(Point point) const = 0;
    // Writes the image as PNG or 24-bit BMP, as the path's extension (".png",
    // ".bmp", any case) says; false for any other extension or a failed write.
    virtual bool Save(const std::string& path) const = 0;
};

}  // namespace tallyx
