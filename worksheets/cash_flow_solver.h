#pragma once

namespace tallyx {

class CashFlowModel;

// The rate per period (0.1 is 10 %) at which the flows' net present value is
// 0. Sign changes of the value are searched over a wide range of rates first,
// then the root of the one nearest no interest is narrowed by secant steps
// that never leave its bracket. NaN when the flows change sign nowhere.
double InternalRateOfReturn(const CashFlowModel& flows);

}  // namespace tallyx
