#pragma once

#include <algorithm>
#include <cstdint>

namespace tallyx {

// Screen geometry in pixels, in the platform's conventions: a rectangle's
// right and bottom edges lie just outside it, and colours are 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(Colour colour) { return colour & 0xFF; }
constexpr int GreenOf(Colour colour) { return (colour >> 8) & 0xFF; }
constexpr int BlueOf(Colour colour) { return (colour >> 16) & 0xFF; }

// Off-screen images treat this colour as see-through when blitted.
constexpr Colour kTransparentColour = 0xF800F8;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    constexpr Rect Intersected(const Rect& other) const
    {
        const Rect common{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                          std::min(bottom, other.bottom)};
        return common.IsEmpty() ? Rect{} : common;
    }
    constexpr Rect United(const Rect& other) const
    {
        if (IsEmpty()) return other;
        if (other.IsEmpty()) return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    bool operator==(const Rect&) const = default;
};

}  // namespace tallyx
