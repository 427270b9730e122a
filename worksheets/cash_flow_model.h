#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tallyx {

// An amount received (positive) or paid (negative) at the end of each of a
// number of periods in a row.
struct CashFlow {
    double amount = 0.0;
    std::int32_t count = 1;
};

// What the cash-flow sheet computes; rates in percent per period.
struct CashFlowResults {
    double netPresentValue = 0.0;
    double netFutureValue = 0.0;
    double internalRate = 0.0;          // NaN when no rate balances the flows
    double modifiedInternalRate = 0.0;  // NaN without both paid and received flows
    std::optional<double> payback;      // periods; none when the flows never pay back
    std::optional<double> discountedPayback;
};

// Uneven cash flows: an initial flow now, then flows that each repeat for a
// number of periods, discounted at one rate per period.
class CashFlowModel {
public:
    static constexpr std::size_t kMostFlows = 99;
    static constexpr std::int32_t kMostRepeats = 9999;

    // No initial flow, one flow of 0, no rate.
    CashFlowModel();

    double initial = 0.0;
    double ratePercent = 0.0;

    const std::vector<CashFlow>& Flows() const { return flows_; }
    // False at kMostFlows.
    bool AddFlow();
    // Keeps the first flows or adds flows of 0; 1 to kMostFlows.
    bool SetFlowCount(std::int32_t flows);
    void SetAmount(std::size_t flow, double amount);
    bool SetCount(std::size_t flow, std::int32_t count);  // 1 to kMostRepeats

    // The flows up to the last one that is not 0: the flows of 0 after it are
    // rows the sheet grew while the user moved down, not periods to count.
    std::span<const CashFlow> FlowsInUse() const;
    // The periods the flows in use span.
    std::int64_t Periods() const;
    // The value now of the flows at a rate per period (0.1 is 10 %).
    double NetPresentValue(double periodRate) const;
    CashFlowResults Compute() const;

private:
    double PresentValue(double periodRate, bool (*counts)(double amount)) const;
    double ModifiedInternalRate(double periodRate) const;
    std::optional<double> Payback(double periodRate) const;

    std::vector<CashFlow> flows_;
};

}  // namespace tallyx
