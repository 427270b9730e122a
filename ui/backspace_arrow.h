#pragma once

#include <array>

#include "platform/geometry.h"

namespace tallyx {

// The backspace key's symbol: a solid left-pointing arrow of a triangular
// head and a shaft, as large as fits in 60 % of the key either way.
struct BackspaceArrow {
    int headHeight = 0;
    int shaftThickness = 0;
    int length = 0;
    int shaftLength = 0;

    static BackspaceArrow ForKey(Size key);
    // The seven corners, centred in key, starting at the tip.
    std::array<Point, 7> Outline(const Rect& key) const;
};

}  // namespace tallyx
