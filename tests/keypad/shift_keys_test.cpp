#include "keypad/shift_keys.h"

#include <gtest/gtest.h>

#include "keypad/layout_def.h"
#include "tests/keypad/case_name.h"

namespace tallyx {
namespace {

struct ShiftCase {
    std::int32_t state;
    std::int32_t keyId;
    std::int32_t next;
};

class ShiftKey : public testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftKey, MovesTheState)
{
    const ShiftCase& c = GetParam();
    EXPECT_EQ(ShiftStateAfterKey(static_cast<ShiftState>(c.state), c.keyId), c.next) << c.state << " key " << c.keyId;
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, ShiftKey,
    testing::Values(
        // 2nd
        ShiftCase{0, 0, 5}, ShiftCase{1, 0, 2}, ShiftCase{2, 0, 1}, ShiftCase{5, 0, 0}, ShiftCase{3, 0, 0},
        // Hyp
        ShiftCase{0, 1, 2}, ShiftCase{1, 1, 5}, ShiftCase{2, 1, 0}, ShiftCase{5, 1, 1}, ShiftCase{4, 1, 1},
        // prefixes set their own state and a second press cancels it
        ShiftCase{5, 3, 3}, ShiftCase{3, 3, 5}, ShiftCase{3, 4, 4}, ShiftCase{0, 7, 7}, ShiftCase{7, 7, 5},
        // anything else ends the shift
        ShiftCase{0, 8, 5}, ShiftCase{2, 2, 5}, ShiftCase{-1, 0, 0}),
    CaseName());

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
