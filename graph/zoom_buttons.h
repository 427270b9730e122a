#pragma once

#include "graph/plot_view.h"

namespace tallyx {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    bool Contains(PixelPoint point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
};

// The plotter's "+" and "-" buttons: squares of two small icons near the
// bottom right corner, "+" above "-" on a tall area and beside it on a wide one.
struct ZoomButtons {
    PixelRect zoomIn;
    PixelRect zoomOut;
};

ZoomButtons PlaceZoomButtons(int width, int height, int smallIconSize);

}  // namespace tallyx
