#include <gtest/gtest.h>

#include "app/keypad_geometry.h"
#include "frame_test_support.h"

namespace tallyx {
namespace {

// Worked by hand from the sizing rules for the Standard keypad (2 x 5
// alternate keys over 4 x 5 main keys).
struct GeometryCase {
    int width;
    int height;
    int margin;
    int gap;
    Rect display;
    Rect firstAlternate;
    Rect lastAlternate;
    Rect firstMain;
    Rect softKeyBar;
};

const GeometryCase kCases[] = {
    // k = 1: I = 32, u = 2, B = 20; alternate area 90 high.
    {240, 320, 3, 1, {2, 2, 238, 42}, Rect::FromSize(3, 44, 46, 43), Rect::FromSize(191, 88, 46, 43),
     Rect::FromSize(3, 132, 46, 41), {0, 300, 240, 320}},
    // Square 320: margin 1, gap 2.
    {320, 320, 1, 2, {2, 2, 318, 42}, Rect::FromSize(1, 44, 62, 43), Rect::FromSize(257, 89, 62, 43),
     Rect::FromSize(1, 134, 62, 39), {0, 300, 320, 320}},
    // k = 2: I = 64, u = 4, B = 40; alternate area 180 high.
    {480, 640, 6, 2, {4, 4, 476, 85}, Rect::FromSize(6, 89, 92, 87), Rect::FromSize(382, 178, 92, 87),
     Rect::FromSize(6, 267, 92, 81), {0, 600, 480, 640}},
    // A height that is a multiple of 400 gives the deeper display.
    {480, 800, 6, 2, {4, 4, 476, 111}, Rect::FromSize(6, 115, 92, 111), Rect::FromSize(382, 228, 92, 111),
     Rect::FromSize(6, 341, 92, 103), {0, 760, 480, 800}},
    // Landscape: the alternate grid turned right of a display as wide as the screen is high.
    {640, 480, 6, 2, {4, 4, 476, 85}, Rect::FromSize(558, 352, 76, 85), Rect::FromSize(480, 4, 76, 85),
     Rect::FromSize(6, 87, 92, 86), {0, 440, 640, 480}},
};

class FrameGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(FrameGeometryTest, KeysDisplayAndBarFollowTheScreen)
{
    const GeometryCase& c = GetParam();
    FrameHarness harness;
    harness.Open(c.width, c.height);
    const KeypadGeometry& geometry = harness.Keypad().Geometry();
    EXPECT_EQ(geometry.margin, c.margin);
    EXPECT_EQ(geometry.gap, c.gap);
    EXPECT_EQ(geometry.display, c.display);
    EXPECT_EQ(geometry.softKeyBar, c.softKeyBar);
    const auto& alternate = harness.Keypad().AlternateKeys();
    const auto& main = harness.Keypad().MainKeys();
    ASSERT_EQ(alternate.size(), 10u);
    ASSERT_EQ(main.size(), 20u);
    EXPECT_EQ(alternate.front().Bounds(), c.firstAlternate);
    EXPECT_EQ(alternate.back().Bounds(), c.lastAlternate);
    EXPECT_EQ(main.front().Bounds(), c.firstMain);
    // The last main key keeps the margin on the right and stays above the bar.
    const Rect last = main.back().Bounds();
    EXPECT_LE(last.bottom, c.softKeyBar.top);
    EXPECT_LE(last.right, (c.width > c.height ? c.height : c.width) - c.margin);
    EXPECT_EQ(last.Width(), c.firstMain.Width());
}

INSTANTIATE_TEST_SUITE_P(Screens, FrameGeometryTest, ::testing::ValuesIn(kCases));

TEST(FrameGeometry, WindowResizeRelaysTheKeypad)
{
    FrameHarness harness;
    harness.Open(480, 640);
    harness.Host().Resize(240, 320);
    FrameHarness::Settle();
    EXPECT_EQ(harness.Keypad().Geometry().display, (Rect{2, 2, 238, 42}));
    EXPECT_EQ(harness.Keypad().MainKeys().front().Bounds(), Rect::FromSize(3, 132, 46, 41));
}

}  // namespace
}  // namespace tallyx
