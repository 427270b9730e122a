#pragma once

#include <cstdint>

namespace tallyx {

// A colour as 0x00BBGGRR: red in the low byte, then green, then blue, the
// layout the skin texts and stored settings use.
using Color = std::uint32_t;

constexpr Color MakeColor(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

constexpr std::uint32_t RedOf(Color color) { return color & 0xFF; }
constexpr std::uint32_t GreenOf(Color color) { return (color >> 8) & 0xFF; }
constexpr std::uint32_t BlueOf(Color color) { return (color >> 16) & 0xFF; }

// How well two colours tell apart as text and background: 1 (the same
// luminance) to 21 (black on white). 4.5 is enough for ordinary text.
double ContrastRatio(Color first, Color second);
inline constexpr double kReadableContrast = 4.5;

// The preferred colour when it reads on the background, else black or
// white, whichever reads better.
Color ReadableOn(Color background, Color preferred);

// What the keypad reads for a colour the skin does not give: red 0, green 0, blue 1.
constexpr Color kMissingSkinColor = 0x10000;

}  // namespace tallyx
