#pragma once

#include <cstdint>

namespace tallyx {

// A nominal yearly rate compounded a number of times a year, and the
// effective yearly rate it comes to; both in percent.
struct InterestConversionModel {
    std::int32_t periodsPerYear = 12;
    double nominalRate = 0.0;
    double effectiveRate = 0.0;

    void SolveEffectiveRate();
    void SolveNominalRate();
};

}  // namespace tallyx
