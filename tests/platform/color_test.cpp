#include "platform/color.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(ColorTest, ContrastRatioMatchesKnownPairs)
{
    EXPECT_NEAR(ContrastRatio(MakeColor(0, 0, 0), MakeColor(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(MakeColor(255, 255, 255), MakeColor(119, 119, 119)), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(MakeColor(40, 80, 120), MakeColor(40, 80, 120)), 1.0, 1e-9);
}

TEST(ColorTest, ReadableOnKeepsAReadableColourAndOtherwisePicksBlackOrWhite)
{
    struct Case {
        Color background;
        Color preferred;
        Color expected;
    };
    const Color navy = MakeColor(24, 40, 76);
    const Color darkBlue = MakeColor(16, 24, 64);
    const Color yellow = MakeColor(255, 230, 120);
    const Case cases[] = {
        {navy, yellow, yellow},
        {navy, darkBlue, MakeColor(255, 255, 255)},
        {MakeColor(230, 230, 230), MakeColor(210, 210, 210), MakeColor(0, 0, 0)},
        {MakeColor(230, 230, 230), darkBlue, darkBlue},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadableOn(c.background, c.preferred), c.expected) << std::hex << c.background << ' ' << c.preferred;
    }
}

}  // namespace
}  // namespace tallyx
