#include "worksheets/tvm_engine.h"

#include <cmath>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

struct TvmCase {
    int terms;
    double interestPerYear, presentValue, payment;
    bool atBeginning;
};

constexpr TvmCase kCases[] = {
    {360, 6.0, 100000.0, -599.55, false},
    {360, 6.0, 100000.0, -596.57, true},
    {48, 7.5, -20000.0, 350.0, false},
    {10, 12.0, -1000.0, -50.0, true},
    {120, 3.25, 0.0, -200.0, false},
    {24, 18.0, 5000.0, -100.0, true},
};

TvmEngine Loaded(const TvmCase& example, double futureValue)
{
    TvmEngine engine(example.atBeginning);
    engine.SetNumTerms(example.terms);
    engine.SetInterestPerYear(example.interestPerYear);
    engine.SetPresentValue(example.presentValue);
    engine.SetPayment(example.payment);
    engine.SetFutureValue(futureValue);
    return engine;
}

// The annuity equation in its textbook closed form, written independently of
// the engine: PV·g + PMT·(1 + i·b)·(g − 1)/i + FV = 0 with g = (1 + i)^n, i per period.
double ClosedFormFutureValue(const TvmCase& example, double terms)
{
    const double i = example.interestPerYear / 1200.0;
    const double growth = std::pow(1.0 + i, terms);
    const double timing = example.atBeginning ? 1.0 + i : 1.0;
    return -(example.presentValue * growth + example.payment * timing * (growth - 1.0) / i);
}

TEST(TvmEngineTest, EachAmountSolvesBackToTheClosedForm)
{
    for (const auto& example : kCases) {
        const double futureValue = ClosedFormFutureValue(example, example.terms);
        const double tolerance = 1e-6 * (1.0 + std::fabs(futureValue) + std::fabs(example.presentValue));

        TvmEngine engine = Loaded(example, 0.0);
        engine.Solve(TvmTarget::FutureValue);
        EXPECT_NEAR(engine.FutureValue(), futureValue, tolerance) << example.terms;

        engine = Loaded(example, futureValue);
        engine.SetPresentValue(0.0);
        engine.Solve(TvmTarget::PresentValue);
        EXPECT_NEAR(engine.PresentValue(), example.presentValue, tolerance) << example.terms;

        engine = Loaded(example, futureValue);
        engine.SetPayment(0.0);
        engine.Solve(TvmTarget::Payment);
        EXPECT_NEAR(engine.Payment(), example.payment, 1e-6) << example.terms;

        engine = Loaded(example, futureValue);
        engine.SetInterestPerYear(0.0);
        engine.Solve(TvmTarget::InterestRate);
        EXPECT_NEAR(engine.InterestPerYear(), example.interestPerYear, 1e-6) << example.terms;

        // Half a period more than whole: the solved count drops the half.
        engine = Loaded(example, ClosedFormFutureValue(example, example.terms + 0.5));
        engine.SetNumTerms(1);
        EXPECT_TRUE(engine.Solve(TvmTarget::NumTerms));
        EXPECT_EQ(engine.NumTerms(), example.terms);
    }
}

TEST(TvmEngineTest, WithoutPaymentsTheRateIsSplitWithThemItIsConverted)
{
    TvmEngine engine(false);
    engine.SetPaymentsPerYear(12);
    engine.SetCompoundsPerYear(1);
    engine.SetInterestPerYear(12.0);
    engine.SetPresentValue(-100.0);
    engine.SetNumTerms(12);
    engine.Solve(TvmTarget::FutureValue);
    EXPECT_DOUBLE_EQ(engine.PeriodRate(), 0.01);
    EXPECT_NEAR(engine.FutureValue(), 112.68, 0.005);

    engine.SetCompoundsPerYear(2);
    engine.SetInterestPerYear(6.0);
    engine.SetPresentValue(100000.0);
    engine.SetFutureValue(0.0);
    engine.SetNumTerms(300);
    engine.Solve(TvmTarget::Payment);
    EXPECT_NEAR(engine.PeriodRate(), std::pow(1.03, 1.0 / 6.0) - 1.0, 1e-15);
    engine.SetInterestPerYear(0.0);
    engine.Solve(TvmTarget::InterestRate);
    EXPECT_NEAR(engine.InterestPerYear(), 6.0, 1e-6);
}

TEST(TvmEngineTest, ZeroRateUsesTheSimpleFormsAndARateSearchWithoutASignChangeGivesZero)
{
    TvmEngine engine = Loaded({10, 0.0, -1000.0, 50.0, false}, 0.0);
    engine.Solve(TvmTarget::FutureValue);
    EXPECT_DOUBLE_EQ(engine.FutureValue(), 500.0);
    engine.Solve(TvmTarget::Payment);
    EXPECT_DOUBLE_EQ(engine.Payment(), 50.0);
    engine.Solve(TvmTarget::NumTerms);
    EXPECT_EQ(engine.NumTerms(), 10);
    engine.Solve(TvmTarget::PresentValue);
    EXPECT_DOUBLE_EQ(engine.PresentValue(), -1000.0);

    engine = Loaded({10, 9.0, -100.0, 0.0, false}, 50.0);
    engine.Solve(TvmTarget::InterestRate);
    EXPECT_EQ(engine.InterestPerYear(), 0.0);
}

TEST(TvmEngineTest, RateSearchNearTheTopOfItsRangeEnds)
{
    // One period turning 1 into a million: a period rate of 999999, where
    // doubles are coarser than the search's precision.
    TvmEngine engine = Loaded({1, 0.0, -1.0, 0.0, false}, 1000000.0);
    engine.SetPaymentsPerYear(1);
    engine.Solve(TvmTarget::InterestRate);
    EXPECT_NEAR(engine.PeriodRate(), 999999.0, 1e-3);
}

TEST(TvmEngineTest, SettersRejectOutOfRangeCounts)
{
    TvmEngine engine(false);
    struct Attempt {
        bool (TvmEngine::*set)(std::int32_t);
        std::int32_t value;
        bool taken;
    };
    const Attempt attempts[] = {
        {&TvmEngine::SetNumTerms, 0, false},          {&TvmEngine::SetNumTerms, 32767, true},
        {&TvmEngine::SetNumTerms, 32768, false},      {&TvmEngine::SetPaymentsPerYear, 0, false},
        {&TvmEngine::SetCompoundsPerYear, -1, false}, {&TvmEngine::SetCompoundsPerYear, 0, true},
        {&TvmEngine::SetPaymentsPerYear, 70000, false},
    };
    for (const Attempt& attempt : attempts) {
        EXPECT_EQ((engine.*attempt.set)(attempt.value), attempt.taken) << attempt.value;
    }
    EXPECT_EQ(engine.NumTerms(), 32767);
    EXPECT_EQ(engine.PaymentsPerYear(), 12);
    EXPECT_EQ(engine.CompoundsPerYear(), 0);
    EXPECT_TRUE(engine.SetPaymentsPerYear(4));
    EXPECT_EQ(engine.CompoundsPerYear(), 4);
}

}  // namespace
}  // namespace tallyx
