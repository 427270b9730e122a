#include <algorithm>
#include <chrono>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "frame_test_support.h"

namespace tallyx {
namespace {

using namespace std::chrono_literals;

class KeypadViewTransitionTest : public ::testing::Test {
protected:
    void Open(bool animateShift)
    {
        harness.registry.WriteDword(kTallyxKey, L"Ani2ndHyp", animateShift ? 1 : 0);
        harness.Open(480, 640);
        harness.Keypad().Transition().SetTimeSource([this] { return now; });
    }
    void Advance(std::chrono::milliseconds span)
    {
        now += span;
        harness.Frame().WindowProcedure(WM_TIMER, KeypadView::kTransitionTimer, 0);
    }
    bool Sliding() { return harness.Keypad().Transition().Active(); }

    FrameHarness harness;
    std::chrono::steady_clock::time_point now{};
};

TEST_F(KeypadViewTransitionTest, CursorKeySlidesTheNewTypeInForHalfASecond)
{
    Open(false);
    harness.KeyUp(VK_RIGHT);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorScientific);
    ASSERT_TRUE(Sliding());
    Advance(250ms);
    const auto halfway = harness.Host().Grab();
    EXPECT_TRUE(Sliding());
    Advance(250ms);
    EXPECT_FALSE(Sliding());
    const auto arrived = harness.Host().Grab();
    // Half way the new keypad's left half fills the window's right half.
    for (const Point point : {Point{40, 300}, Point{120, 500}, Point{200, 620}}) {
        EXPECT_EQ(halfway->PixelAt({point.x + 240, point.y}), arrived->PixelAt(point)) << point.x << "," << point.y;
    }
}

TEST_F(KeypadViewTransitionTest, AnimatedShiftChangeSlidesTheAlternateArea)
{
    Open(true);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorScientific));
    harness.TapKeys({L"2ndF"});
    ASSERT_TRUE(Sliding());
    EXPECT_EQ(harness.Keypad().Transition().Area(), harness.Keypad().Geometry().alternateArea);
    Advance(899ms);
    EXPECT_TRUE(Sliding());
    Advance(1ms);
    EXPECT_FALSE(Sliding());
}

TEST_F(KeypadViewTransitionTest, AcceptedOptionsFadeTheRebuiltKeypadIn)
{
    Open(false);
    const auto before = harness.Host().Grab();
    OptionsRecord record = harness.Calculator().CurrentOptions();
    record[OptionSkin] = 3;
    harness.Calculator().ApplyOptions(record);
    ASSERT_TRUE(Sliding());
    Advance(450ms);
    const auto halfway = harness.Host().Grab();
    Advance(450ms);
    EXPECT_FALSE(Sliding());
    const auto after = harness.Host().Grab();
    // Half way each colour channel lies between the old skin's and the new one's.
    const Point background{2, 400};
    const auto between = [](std::uint32_t value, std::uint32_t first, std::uint32_t second) {
        return value >= std::min(first, second) && value <= std::max(first, second);
    };
    const Color from = before->PixelAt(background);
    const Color to = after->PixelAt(background);
    const Color mid = halfway->PixelAt(background);
    ASSERT_NE(from, to);
    EXPECT_NE(mid, from);
    EXPECT_NE(mid, to);
    for (const auto channel : {RedOf, GreenOf, BlueOf}) {
        EXPECT_TRUE(between(channel(mid), channel(from), channel(to)));
    }
}

}  // namespace
}  // namespace tallyx
