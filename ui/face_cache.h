#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "keypad/skin_colors.h"
#include "ui/canvas.h"

namespace tallyx {

class WindowHost;

// Rendered key faces, shared by every key of the same size and colour style.
// A face image is twice the key's width: the normal face on the left, the
// pressed face on the right, with the transparent colour around the shape.
class FaceCache {
public:
    // Nothing when the window cannot make an image; the key then has no face.
    std::shared_ptr<const Image> FaceFor(const WindowHost& window, Size size, std::int32_t colorStyle,
                                         std::int32_t faceStyle, const ColorSet& colors, int icon);
    void Clear() { entries_.clear(); }
    std::size_t Count() const { return entries_.size(); }

private:
    struct Entry {
        Size size;
        std::int32_t colorStyle;
        std::int32_t faceStyle;
        std::shared_ptr<const Image> face;
    };
    std::vector<Entry> entries_;
};

}  // namespace tallyx
