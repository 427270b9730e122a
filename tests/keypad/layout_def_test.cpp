#include "keypad/layout_def.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(AlternateKeySetTest, FollowsTheShiftState)
{
    LayoutDef layout;
    layout.alternateButtons.resize(1);
    layout.secondButtons.resize(2);
    layout.hyperbolicButtons.resize(3);
    layout.hyperbolicSecondButtons.resize(4);
    const std::size_t expected[] = {2, 3, 4, 1, 1, 1, 1, 1};
    for (std::int32_t state = 0; state < 8; ++state) {
        EXPECT_EQ(layout.AlternateButtonsFor(state).size(), expected[state]) << state;
    }
    EXPECT_EQ(layout.AlternateButtonsFor(-1).size(), 1u);
}

}  // namespace
}  // namespace tallyx
