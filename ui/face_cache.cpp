#include "ui/face_cache.h"

#include "ui/key_face_painter.h"
#include "ui/window_host.h"

namespace tallyx {

std::shared_ptr<const Image> FaceCache::FaceFor(const WindowHost& window, Size size, std::int32_t colorStyle,
                                                std::int32_t faceStyle, const ColorSet& colors, int icon)
{
    for (const Entry& entry : entries_) {
        if (entry.size == size && entry.colorStyle == colorStyle && entry.faceStyle == faceStyle) return entry.face;
    }
    if (size.width <= 0 || size.height <= 0) return nullptr;
    std::shared_ptr<Image> face = window.CreateImage(2 * size.width, size.height);
    if (!face) return nullptr;
    Canvas& canvas = face->Paint();
    canvas.FillRect({0, 0, 2 * size.width, size.height}, kTransparentColor);
    PaintKeyFace(canvas, {0, 0, size.width, size.height}, faceStyle, colors, false, icon);
    PaintKeyFace(canvas, {size.width, 0, 2 * size.width, size.height}, faceStyle, colors, true, icon);
    entries_.push_back({size, colorStyle, faceStyle, face});
    return face;
}

}  // namespace tallyx
