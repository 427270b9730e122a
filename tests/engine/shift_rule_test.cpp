#include "engine/shift_rule.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(ShiftRuleTest, KeysMoveTheState)
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

}  // namespace
}  // namespace tallyx
