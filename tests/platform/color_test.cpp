#include "platform/color.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(ColorTest, ContrastRatioMatchesKnownPairs)
{
    EXPECT_NEAR(ContrastRatio(MakeColor(0, 0, 0), MakeColor(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(MakeColor(255, 255, 255), MakeColor(119, 119, 119)), 4.48, 0.01);
}

TEST(ColorTest, ReadableOnKeepsAReadableColourAndOtherwisePicksBlackOrWhite)
{
    const Color navy = MakeColor(24, 40, 76);
    const Color darkBlue = MakeColor(16, 24, 64);
    const Color lightGrey = MakeColor(230, 230, 230);
    EXPECT_EQ(ReadableOn(navy, MakeColor(255, 230, 120)), MakeColor(255, 230, 120));
    EXPECT_EQ(ReadableOn(navy, darkBlue), MakeColor(255, 255, 255));
    EXPECT_EQ(ReadableOn(lightGrey, MakeColor(210, 210, 210)), MakeColor(0, 0, 0));
    EXPECT_EQ(ReadableOn(lightGrey, darkBlue), darkBlue);
}

}  // namespace
}  // namespace tallyx
