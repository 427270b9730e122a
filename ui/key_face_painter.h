#pragma once

#include <cstdint>

#include "keypad/skin_colors.h"
#include "ui/canvas.h"

namespace tallyx {

// Paints one key face, normal or pressed, into face (which the caller filled
// with the transparent colour). The skin's face style picks the painter; a
// style without a painter of its own gets the plain framed face.
void PaintKeyFace(Canvas& canvas, const Rect& face, std::int32_t faceStyle, const ColorSet& colors, bool pressed,
                  int icon);

// c + (255 - c) * percent / 100 for each channel, truncated.
Color Lightened(Color color, int percent);

}  // namespace tallyx
