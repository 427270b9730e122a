#include "keypad/shift_keys.h"

#include <gtest/gtest.h>

#include "keypad/layout_def.h"

namespace tallyx {
namespace {

TEST(ShiftKeyTest, KeysMoveTheState)
{
    const struct {
        std::int32_t state;
        std::int32_t keyId;
        std::int32_t next;
    } cases[] = {
        // 2nd
        {0, 0, 5}, {1, 0, 2}, {2, 0, 1}, {5, 0, 0}, {3, 0, 0},
        // Hyp
        {0, 1, 2}, {1, 1, 5}, {2, 1, 0}, {5, 1, 1}, {4, 1, 1},
        // prefixes set their own state and a second press cancels it
        {5, 3, 3}, {3, 3, 5}, {3, 4, 4}, {0, 7, 7}, {7, 7, 5},
        // anything else ends the shift
        {0, 8, 5}, {2, 2, 5}, {-1, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShiftStateAfterKey(static_cast<ShiftState>(c.state), c.keyId), c.next)
            << c.state << " key " << c.keyId;
    }
}

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
