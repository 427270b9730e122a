#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace tallyx {

// A font as the drawing code names it; all text is drawn in "Tahoma".
struct FontSpec {
    std::wstring family = L"Tahoma";
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

// Everything the windows draw with. Colours are 0x00BBGGRR.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillRect(const Rect& rect, Colour colour) = 0;
    virtual void FrameRect(const Rect& rect, Colour colour, int width = 1) = 0;
    // From top colour at the top edge to bottom colour at the bottom edge.
    virtual void FillVerticalGradient(const Rect& rect, Colour top, Colour bottom) = 0;
    virtual void FillRoundRect(const Rect& rect, int radius, Colour fill) = 0;
    virtual void FrameRoundRect(const Rect& rect, int radius, Colour colour, int width = 1) = 0;
    virtual void FillPolygon(std::span<const Point> points, Colour fill) = 0;
    virtual void DrawLine(Point from, Point to, Colour colour, int width = 1) = 0;
    virtual void DrawDashedLine(Point from, Point to, Colour colour) = 0;
    virtual void DrawText(std::wstring_view text, const Rect& rect, const FontSpec& font, Colour colour,
                          unsigned align) = 0;
    virtual Size MeasureText(std::wstring_view text, const FontSpec& font) = 0;
    // Copies part of an image; with transparent set, kTransparentColour pixels are skipped.
    virtual void DrawImage(const Image& image, const Rect& target, const Rect& source, bool transparent) = 0;
    // Later drawing stays inside rect (and inside any earlier clip).
    virtual void SetClip(const Rect& rect) = 0;
};

// An off-screen image: drawn into through its own canvas, then blitted.
class Image {
public:
    virtual ~Image() = default;
    virtual Size Dimensions() const = 0;
    virtual Canvas& Paint() = 0;
    virtual Colour PixelAt(Point point) const = 0;
    // Writes the image as PNG; false when it cannot.
    virtual bool SavePng(const std::string& path) const = 0;
};

}  // namespace tallyx
