#include "engine/factorial.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tallyx {
namespace {

constexpr double kRelativeTolerance = 1e-13;

struct FactorialCase {
    double argument;
    double expected;
};

// Non-whole arguments against published values of Γ(x + 1) (the half-integer
// ones are multiples of √π); negative ones take the magnitude's value with the
// sign turned.
TEST(FactorialTest, NonWholeArgumentsMatchTheGammaFunction)
{
    const FactorialCase cases[] = {
        {2.5, 3.32335097044784},     {0.5, 0.886226925452758},   {0.1, 0.951350769866873},
        {1.5, 1.32934038817914},     {4.5, 52.3427777845535},     {10.5, 11899423.0839622},
        {-0.5, -0.886226925452758},  {-2.5, -3.32335097044784},  {-0.1, -0.951350769866873},
    };
    for (const FactorialCase& entry : cases) {
        const double result = Factorial(entry.argument);
        EXPECT_NEAR(result, entry.expected, std::fabs(entry.expected) * kRelativeTolerance) << entry.argument;
    }
}

TEST(FactorialTest, WholeArgumentsAreExactProducts)
{
    const FactorialCase cases[] = {
        {0, 1}, {1, 1}, {5, 120}, {10, 3628800}, {20, 2432902008176640000.0}, {-3, -6}, {-5, -120},
    };
    for (const FactorialCase& entry : cases) {
        EXPECT_EQ(Factorial(entry.argument), entry.expected) << entry.argument;
    }
}

TEST(FactorialTest, ArgumentsBeyondTheDoubleRangeAreInfinite)
{
    const FactorialCase cases[] = {
        {171, INFINITY}, {171.5, INFINITY}, {1e300, INFINITY}, {-171.5, -INFINITY},
    };
    for (const FactorialCase& entry : cases) {
        EXPECT_EQ(Factorial(entry.argument), entry.expected) << entry.argument;
    }
    EXPECT_TRUE(std::isfinite(Factorial(170.5)));
    EXPECT_TRUE(std::isnan(Factorial(NAN)));
}

}  // namespace
}  // namespace tallyx
