#include "worksheets/cash_flow_model.h"

#include <cmath>
#include <limits>

#include "worksheets/cash_flow_solver.h"

namespace tallyx {
namespace {

constexpr double kPercent = 0.01;
constexpr double kPercentOfFraction = 100.0;

bool AnyAmount(double)
{
    return true;
}

bool Received(double amount)
{
    return amount > 0.0;
}

bool Paid(double amount)
{
    return amount < 0.0;
}

// The value now of 1 at the end of each of the next periods: the sum of
// (1 + rate)^-k for k = 1 to periods, with growth = ln(1 + rate).
double AnnuityFactor(double periods, double rate, double growth)
{
    return rate == 0.0 ? periods : -std::expm1(-periods * growth) / rate;
}

}  // namespace

CashFlowModel::CashFlowModel() : flows_(1)
{
}

bool CashFlowModel::AddFlow()
{
    if (flows_.size() >= kMostFlows) {
        return false;
    }
    flows_.emplace_back();
    return true;
}

bool CashFlowModel::SetFlowCount(std::int32_t flows)
{
    if (flows < 1 || flows > static_cast<std::int32_t>(kMostFlows)) {
        return false;
    }
    flows_.resize(static_cast<std::size_t>(flows));
    return true;
}

void CashFlowModel::SetAmount(std::size_t flow, double amount)
{
    if (flow < flows_.size()) {
        flows_[flow].amount = amount;
    }
}

bool CashFlowModel::SetCount(std::size_t flow, std::int32_t count)
{
    if (flow >= flows_.size() || count < 1 || count > kMostRepeats) {
        return false;
    }
    flows_[flow].count = count;
    return true;
}

std::span<const CashFlow> CashFlowModel::FlowsInUse() const
{
    std::size_t used = flows_.size();
    while (used > 0 && flows_[used - 1].amount == 0.0) --used;
    return std::span(flows_).first(used);
}

std::int64_t CashFlowModel::Periods() const
{
    std::int64_t periods = 0;
    for (const CashFlow& flow : FlowsInUse()) periods += flow.count;
    return periods;
}

double CashFlowModel::PresentValue(double periodRate, bool (*counts)(double amount)) const
{
    const double growth = std::log1p(periodRate);
    double value = counts(initial) ? initial : 0.0;
    double elapsed = 0.0;
    for (const CashFlow& flow : FlowsInUse()) {
        if (counts(flow.amount)) {
            value += flow.amount * std::exp(-elapsed * growth) * AnnuityFactor(flow.count, periodRate, growth);
        }
        elapsed += flow.count;
    }
    return value;
}

double CashFlowModel::NetPresentValue(double periodRate) const
{
    return PresentValue(periodRate, AnyAmount);
}

// The paid flows are financed and the received ones reinvested at the same
// rate: the rate that grows the value now of the paid flows into the value at
// the end of the received ones. Worked in logarithms, as the powers of a long
// span overflow.
double CashFlowModel::ModifiedInternalRate(double periodRate) const
{
    const double received = PresentValue(periodRate, Received);
    const double paid = -PresentValue(periodRate, Paid);
    const auto periods = static_cast<double>(Periods());
    if (!(received > 0.0) || !(paid > 0.0) || periods == 0.0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::expm1(std::log1p(periodRate) + (std::log(received) - std::log(paid)) / periods);
}

// The point, in periods, after which the running total of the (discounted)
// flows stays at or above 0, with the part of the period in which it gets
// there; 0 when it never falls below.
std::optional<double> CashFlowModel::Payback(double periodRate) const
{
    if (!(periodRate > -1.0)) {
        return std::nullopt;
    }
    const double discount = 1.0 / (1.0 + periodRate);
    double total = initial;
    std::optional<double> payback;
    if (total >= 0.0) {
        payback = 0.0;
    }
    double factor = 1.0;
    std::int64_t period = 0;
    for (const CashFlow& flow : FlowsInUse()) {
        for (std::int32_t repeat = 0; repeat < flow.count; ++repeat) {
            factor *= discount;
            const double before = total;
            const double step = flow.amount * factor;
            total += step;
            if (total < 0.0) {
                payback.reset();
            } else if (before < 0.0) {
                payback = static_cast<double>(period) + -before / step;
            }
            ++period;
        }
    }
    return payback;
}

CashFlowResults CashFlowModel::Compute() const
{
    const double rate = ratePercent * kPercent;
    CashFlowResults results;
    results.netPresentValue = NetPresentValue(rate);
    results.netFutureValue = results.netPresentValue * std::exp(static_cast<double>(Periods()) * std::log1p(rate));
    results.internalRate = InternalRateOfReturn(*this) * kPercentOfFraction;
    results.modifiedInternalRate = ModifiedInternalRate(rate) * kPercentOfFraction;
    results.payback = Payback(0.0);
    results.discountedPayback = Payback(rate);
    return results;
}

}  // namespace tallyx
