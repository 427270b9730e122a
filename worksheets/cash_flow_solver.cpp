#include "worksheets/cash_flow_solver.h"

#include <cmath>
#include <limits>
#include <optional>

#include "worksheets/cash_flow_model.h"

namespace tallyx {
namespace {

// The search runs over the growth ln(1 + rate), where the value is smooth and
// the whole range of rates above -100 % is finite: from a rate of about
// -99.9999 % to about 120 million % per period.
constexpr double kLowestGrowth = -14.0;
constexpr double kHighestGrowth = 14.0;
constexpr double kGrowthStep = 0.125;
constexpr int kMostSteps = 200;
constexpr double kGrowthTolerance = 4.0 * std::numeric_limits<double>::epsilon();

struct Bracket {
    double low, high;          // growths with values of opposite signs
    double lowValue, highValue;
};

double ValueAtGrowth(const CashFlowModel& flows, double growth)
{
    return flows.NetPresentValue(std::expm1(growth));
}

bool OppositeSigns(double left, double right)
{
    return (left < 0.0 && right > 0.0) || (left > 0.0 && right < 0.0);
}

// Flows that are all received or all paid have no rate at which they balance.
bool ChangesSign(const CashFlowModel& flows)
{
    bool received = flows.initial > 0.0;
    bool paid = flows.initial < 0.0;
    for (const CashFlow& flow : flows.FlowsInUse()) {
        received = received || flow.amount > 0.0;
        paid = paid || flow.amount < 0.0;
    }
    return received && paid;
}

// Of the steps of the grid where the value changes sign, the one nearest no
// interest; a grid point where the value is 0 is a bracket of its own.
std::optional<Bracket> NearestBracket(const CashFlowModel& flows)
{
    std::optional<Bracket> nearest;
    const auto distance = [](const Bracket& bracket) {
        return std::fmin(std::fabs(bracket.low), std::fabs(bracket.high));
    };
    const auto consider = [&](const Bracket& bracket) {
        if (!nearest || distance(bracket) < distance(*nearest)) nearest = bracket;
    };
    double previous = kLowestGrowth;
    double previousValue = ValueAtGrowth(flows, previous);
    for (double growth = kLowestGrowth + kGrowthStep; growth <= kHighestGrowth; growth += kGrowthStep) {
        const double value = ValueAtGrowth(flows, growth);
        if (value == 0.0) {
            consider({growth, growth, value, value});
        } else if (std::isfinite(value) && std::isfinite(previousValue) && OppositeSigns(previousValue, value)) {
            consider({previous, growth, previousValue, value});
        }
        previous = growth;
        previousValue = value;
    }
    return nearest;
}

// Secant steps between the bracket's ends (the Illinois variant of regula
// falsi): each step stays inside the bracket, which shrinks around the root
// at every step, so it neither diverges nor runs on. Its latest end is the
// root.
double NarrowedGrowth(const CashFlowModel& flows, Bracket bracket)
{
    for (int step = 0; step < kMostSteps; ++step) {
        const double width = std::fabs(bracket.high - bracket.low);
        if (width <= kGrowthTolerance * std::fmax(1.0, std::fabs(bracket.high))) {
            break;
        }
        double growth = (bracket.low * bracket.highValue - bracket.high * bracket.lowValue) /
                        (bracket.highValue - bracket.lowValue);
        if (!(growth > std::fmin(bracket.low, bracket.high) && growth < std::fmax(bracket.low, bracket.high))) {
            growth = 0.5 * (bracket.low + bracket.high);
        }
        const double value = ValueAtGrowth(flows, growth);
        if (!std::isfinite(value)) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        if (value == 0.0) {
            return growth;
        }
        if (OppositeSigns(value, bracket.highValue)) {
            bracket.low = bracket.high;
            bracket.lowValue = bracket.highValue;
        } else {
            bracket.lowValue *= 0.5;
        }
        bracket.high = growth;
        bracket.highValue = value;
    }
    return bracket.high;
}

}  // namespace

double InternalRateOfReturn(const CashFlowModel& flows)
{
    const std::optional<Bracket> bracket = ChangesSign(flows) ? NearestBracket(flows) : std::nullopt;
    if (!bracket) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::expm1(NarrowedGrowth(flows, *bracket));
}

}  // namespace tallyx
