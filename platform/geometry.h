#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/color.h"

namespace tallyx {

// Screen geometry in pixels, in the platform's conventions: a rectangle's
// right and bottom edges lie just outside it.

// Off-screen images treat this color as see-through when blitted.
constexpr Color kTransparentColor = 0xF800F8;

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
