#include "worksheets/cash_flow_model.h"

#include <chrono>
#include <cmath>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "worksheets/cash_flow_solver.h"
#include "worksheets/tvm_engine.h"

namespace tallyx {
namespace {

struct Flows {
    double initial;
    std::vector<CashFlow> flows;
};

CashFlowModel Loaded(const Flows& given, double ratePercent = 0.0)
{
    CashFlowModel model;
    model.initial = given.initial;
    model.ratePercent = ratePercent;
    model.SetFlowCount(static_cast<std::int32_t>(given.flows.size()));
    for (std::size_t flow = 0; flow < given.flows.size(); ++flow) {
        model.SetAmount(flow, given.flows[flow].amount);
        model.SetCount(flow, given.flows[flow].count);
    }
    return model;
}

// The textbook sum, one period at a time: CF0 + Σ C_t / (1 + r)^t.
double PeriodByPeriodValue(const Flows& given, double rate)
{
    double value = given.initial;
    int period = 0;
    for (const CashFlow& flow : given.flows) {
        for (int repeat = 0; repeat < flow.count; ++repeat) value += flow.amount / std::pow(1.0 + rate, ++period);
    }
    return value;
}

// The size of the flows' present values, against which a value of 0 is judged.
double Scale(const Flows& given, double rate)
{
    Flows magnitudes{std::fabs(given.initial), {}};
    for (const CashFlow& flow : given.flows) magnitudes.flows.push_back({std::fabs(flow.amount), flow.count});
    return PeriodByPeriodValue(magnitudes, rate);
}

const Flows kTextbook{-1000.0, {{300.0, 1}, {400.0, 1}, {500.0, 1}}};

TEST(CashFlowModelTest, TextbookFlowsGiveTheClosedForms)
{
    const CashFlowResults results = Loaded(kTextbook, 10.0).Compute();
    const double presentValue = -1000.0 + 300.0 / 1.1 + 400.0 / (1.1 * 1.1) + 500.0 / (1.1 * 1.1 * 1.1);
    EXPECT_NEAR(results.netPresentValue, presentValue, 1e-9);
    EXPECT_NEAR(results.netFutureValue, presentValue * 1.1 * 1.1 * 1.1, 1e-9);
    EXPECT_NEAR(results.internalRate, 8.896339, 1e-6);
    // Received flows grown to the end at 10 %: 300·1.1² + 400·1.1 + 500 = 1303 against 1000 paid now.
    EXPECT_NEAR(results.modifiedInternalRate, (std::cbrt(1303.0 / 1000.0) - 1.0) * 100.0, 1e-9);
    // -700, -300, then +200 within the third period: 2 + 300/500.
    EXPECT_NEAR(*results.payback, 2.6, 1e-12);
    EXPECT_FALSE(results.discountedPayback.has_value());  // -21.04 after the last flow
}

TEST(CashFlowModelTest, ValuesOfRepeatedFlowsMatchTheSumPeriodByPeriod)
{
    const Flows cases[] = {
        kTextbook,
        {-5000.0, {{1000.0, 3}, {2000.0, 2}}},
        {0.0, {{-250.0, 12}, {0.0, 4}, {900.0, 7}}},
        {120.0, {{-35.5, 9999}}},
    };
    for (const double rate : {0.0, 0.004, 0.1, -0.02, 1.5}) {
        for (const Flows& given : cases) {
            const double expected = PeriodByPeriodValue(given, rate);
            EXPECT_NEAR(Loaded(given).NetPresentValue(rate), expected, 1e-11 * Scale(given, rate)) << rate;
        }
    }
}

// A level annuity is what the time-value sheet values: 100 a year for ten years at 5 %.
TEST(CashFlowModelTest, LevelAnnuityValueEqualsTheTimeValuePresentValue)
{
    struct Annuity {
        int periods;
        double ratePercent, payment;
    };
    for (const Annuity annuity : {Annuity{10, 5.0, 100.0}, Annuity{360, 0.5, -599.55}, Annuity{48, 1.25, 350.0}}) {
        TvmEngine engine(false);
        engine.SetPaymentsPerYear(1);
        engine.SetNumTerms(annuity.periods);
        engine.SetInterestPerYear(annuity.ratePercent);
        engine.SetPayment(annuity.payment);
        engine.SetFutureValue(0.0);
        ASSERT_TRUE(engine.Solve(TvmTarget::PresentValue));
        const Flows given{0.0, {{annuity.payment, annuity.periods}}};
        const CashFlowResults results = Loaded(given, annuity.ratePercent).Compute();
        // The time-value sheet counts money received as positive against the money lent out.
        EXPECT_NEAR(results.netPresentValue, -engine.PresentValue(), 1e-9 * std::fabs(engine.PresentValue()));
    }
}

struct RateCase {
    Flows given;
    std::optional<double> rate;  // per period; none where no rate balances the flows
};

TEST(CashFlowModelTest, InternalRateBalancesTheFlowsOrIsImaginary)
{
    const RateCase cases[] = {
        {{-100.0, {{110.0, 1}}}, 0.1},
        {{-100.0, {{0.0, 1}, {121.0, 1}}}, 0.1},
        {kTextbook, std::nullopt},
        {{-5000.0, {{1000.0, 3}, {2000.0, 2}}}, std::nullopt},
        {{-1000.0, {{1.0, 1}}}, -0.999},
        {{-1.0, {{1000.0, 1}}}, 999.0},
        {{-200000.0, {{1200.0, 360}}}, std::nullopt},
        {{0.0, {{-100.0, 1}, {10.0, 9999}}}, std::nullopt},
        {{1000.0, {{-90.0, 20}}}, std::nullopt},
        // Two rates balance these flows, 10 % and 20 %; the one nearer no interest is taken.
        {{-100.0, {{230.0, 1}, {-132.0, 1}}}, 0.1},
    };
    for (const RateCase& example : cases) {
        const double rate = InternalRateOfReturn(Loaded(example.given));
        ASSERT_TRUE(std::isfinite(rate)) << example.given.initial;
        if (example.rate) {
            EXPECT_NEAR(rate, *example.rate, 1e-12 * std::fmax(1.0, std::fabs(*example.rate)));
        }
        EXPECT_LE(std::fabs(PeriodByPeriodValue(example.given, rate)), 1e-9 * Scale(example.given, rate))
            << example.given.initial;
    }
    const Flows imaginary[] = {
        {1000.0, {{300.0, 1}, {400.0, 1}}},  // all received
        {-1000.0, {{-300.0, 5}}},            // all paid
        {0.0, {{0.0, 1}}},                   // nothing
        // 100 - 300v + 250v² is positive for every v: the flows change sign but nothing balances them.
        {100.0, {{-300.0, 1}, {250.0, 1}}},
    };
    for (const Flows& given : imaginary) {
        EXPECT_TRUE(std::isnan(InternalRateOfReturn(Loaded(given)))) << given.initial;
        EXPECT_TRUE(std::isnan(Loaded(given).Compute().internalRate));
    }
}

// The most flows with the most repeats, signs alternating: an answer comes
// back promptly, and one that balances the flows.
TEST(CashFlowModelTest, TheLargestFlowSetsSolveWithoutRunningOn)
{
    Flows given{-1e7, {}};
    for (std::size_t flow = 0; flow < CashFlowModel::kMostFlows; ++flow) {
        const double amount = flow % 3 == 2 ? -700.0 : 450.0 + static_cast<double>(flow);
        given.flows.push_back({amount, CashFlowModel::kMostRepeats});
    }
    const auto start = std::chrono::steady_clock::now();
    const CashFlowResults results = Loaded(given, 0.5).Compute();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_TRUE(std::isfinite(results.internalRate));
    const CashFlowModel model = Loaded(given);
    EXPECT_LE(std::fabs(model.NetPresentValue(results.internalRate / 100.0)),
              1e-9 * Scale(given, results.internalRate / 100.0));
}

struct PaybackCase {
    Flows given;
    double ratePercent;
    std::optional<double> payback, discountedPayback;
};

TEST(CashFlowModelTest, PaybackIsWhenTheRunningTotalTurnsNonNegativeForGood)
{
    // Discounted at 10 %: 45.45 and 41.32 leave 13.22 to pay back of the third period's 37.57.
    const double discounted = 2.0 + (100.0 - 50.0 / 1.1 - 50.0 / 1.21) / (50.0 / 1.331);
    const PaybackCase cases[] = {
        {{-100.0, {{50.0, 4}}}, 10.0, 2.0, discounted},
        {{100.0, {{-50.0, 1}, {100.0, 1}}}, 0.0, 0.0, 0.0},
        {{-100.0, {{150.0, 1}, {-100.0, 1}, {10.0, 1}}}, 0.0, std::nullopt, std::nullopt},
        {{-100.0, {{150.0, 1}, {-100.0, 1}, {60.0, 1}}}, 0.0, 2.0 + 50.0 / 60.0, 2.0 + 50.0 / 60.0},
        {{-1000.0, {{10.0, 9999}}}, 5.0, 100.0, std::nullopt},
    };
    for (const PaybackCase& example : cases) {
        const CashFlowResults results = Loaded(example.given, example.ratePercent).Compute();
        ASSERT_EQ(results.payback.has_value(), example.payback.has_value()) << example.given.initial;
        ASSERT_EQ(results.discountedPayback.has_value(), example.discountedPayback.has_value());
        EXPECT_NEAR(results.payback.value_or(0.0), example.payback.value_or(0.0), 1e-9);
        EXPECT_NEAR(results.discountedPayback.value_or(0.0), example.discountedPayback.value_or(0.0), 1e-9);
    }
}

TEST(CashFlowModelTest, FlowsOfZeroAfterTheLastFlowAreNoPeriods)
{
    const Flows trailing{-1000.0, {{300.0, 1}, {400.0, 1}, {500.0, 1}, {0.0, 1}, {0.0, 5}}};
    const CashFlowResults withZeros = Loaded(trailing, 10.0).Compute();
    const CashFlowResults without = Loaded(kTextbook, 10.0).Compute();
    EXPECT_EQ(Loaded(trailing).Periods(), 3);
    EXPECT_DOUBLE_EQ(withZeros.netFutureValue, without.netFutureValue);
    EXPECT_DOUBLE_EQ(withZeros.modifiedInternalRate, without.modifiedInternalRate);
    // Without flows paid and received there is no modified rate either.
    EXPECT_TRUE(std::isnan(Loaded({500.0, {{20.0, 2}}}, 10.0).Compute().modifiedInternalRate));
}

TEST(CashFlowModelTest, CountsAndFlowsStayInRange)
{
    CashFlowModel model;
    EXPECT_FALSE(model.SetCount(0, 0));
    EXPECT_FALSE(model.SetCount(0, CashFlowModel::kMostRepeats + 1));
    EXPECT_FALSE(model.SetCount(1, 5));  // no such flow
    EXPECT_TRUE(model.SetCount(0, CashFlowModel::kMostRepeats));
    EXPECT_EQ(model.Flows()[0].count, CashFlowModel::kMostRepeats);
    while (model.AddFlow()) {
    }
    EXPECT_EQ(model.Flows().size(), CashFlowModel::kMostFlows);
    EXPECT_FALSE(model.SetFlowCount(0));
    EXPECT_FALSE(model.SetFlowCount(static_cast<std::int32_t>(CashFlowModel::kMostFlows) + 1));
    EXPECT_TRUE(model.SetFlowCount(2));
    EXPECT_EQ(model.Flows().size(), 2u);
}

}  // namespace
}  // namespace tallyx
