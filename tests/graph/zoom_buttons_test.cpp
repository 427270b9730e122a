#include "graph/zoom_buttons.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

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
        EXPECT_EQ(buttons.zoomIn.left, example.zoomIn.left);
        EXPECT_EQ(buttons.zoomIn.top, example.zoomIn.top);
        EXPECT_EQ(buttons.zoomIn.right, example.zoomIn.right);
        EXPECT_EQ(buttons.zoomIn.bottom, example.zoomIn.bottom);
        EXPECT_EQ(buttons.zoomOut.left, example.zoomOut.left);
        EXPECT_EQ(buttons.zoomOut.top, example.zoomOut.top);
        EXPECT_EQ(buttons.zoomOut.right, example.zoomOut.right);
        EXPECT_EQ(buttons.zoomOut.bottom, example.zoomOut.bottom);
    }
    const ZoomButtons buttons = PlaceZoomButtons(240, 300, 16);
    EXPECT_TRUE(buttons.zoomOut.Contains({200, 244}));
    EXPECT_FALSE(buttons.zoomOut.Contains({232, 244}));
    EXPECT_FALSE(buttons.zoomIn.Contains({120, 150}));
}

}  // namespace
}  // namespace tallyx
