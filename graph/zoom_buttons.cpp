#include "graph/zoom_buttons.h"

namespace tallyx {

ZoomButtons PlaceZoomButtons(int width, int height, int smallIconSize)
{
    const int side = 2 * smallIconSize;
    const int gap = smallIconSize / 2;
    ZoomButtons buttons;
    buttons.zoomOut.right = width - gap;
    buttons.zoomOut.left = buttons.zoomOut.right - side;
    buttons.zoomOut.bottom = height - smallIconSize * 3 / 2;
    buttons.zoomOut.top = buttons.zoomOut.bottom - side;
    buttons.zoomIn = buttons.zoomOut;
    if (height > width) {
        buttons.zoomIn.bottom = buttons.zoomOut.top - gap;
        buttons.zoomIn.top = buttons.zoomIn.bottom - side;
    } else {
        buttons.zoomIn.right = buttons.zoomOut.left - gap;
        buttons.zoomIn.left = buttons.zoomIn.right - side;
    }
    return buttons;
}

}  // namespace tallyx
