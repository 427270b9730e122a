#include "graph/zoom_buttons.h"

#include <array>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

std::array<int, 4> Corners(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST(ZoomButtonsTest, PlusSitsAboveMinusOnATallAreaAndBesideItOnAWideOne)
{
    struct Case {
        int width;
        int height;
        PixelRect zoomIn;
        PixelRect zoomOut;
    };
    const Case cases[] = {
        {240, 300, {200, 204, 232, 236}, {200, 244, 232, 276}},
        {300, 240, {220, 184, 252, 216}, {260, 184, 292, 216}},
        {240, 240, {160, 184, 192, 216}, {200, 184, 232, 216}},
    };
    for (const Case& example : cases) {
        const ZoomButtons buttons = PlaceZoomButtons(example.width, example.height, 16);
        EXPECT_EQ(Corners(buttons.zoomIn), Corners(example.zoomIn)) << example.width;
        EXPECT_EQ(Corners(buttons.zoomOut), Corners(example.zoomOut)) << example.width;
    }
    const ZoomButtons buttons = PlaceZoomButtons(240, 300, 16);
    EXPECT_TRUE(buttons.zoomOut.Contains({200, 244}));
    EXPECT_FALSE(buttons.zoomOut.Contains({232, 244}));
}

}  // namespace
}  // namespace tallyx
