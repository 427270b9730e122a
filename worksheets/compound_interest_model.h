#pragma once

#include <cstdint>

namespace tallyx {

enum class CompoundValue { Periods, Rate, StartValue, FinalValue };

// A start value growing by a rate in percent per period over whole periods.
class CompoundInterestModel {
public:
    std::int16_t Periods() const { return periods_; }
    // At least 1, and within 16 bits.
    bool SetPeriods(std::int32_t periods);

    double rate = 0.0;
    double startValue = 0.0;
    double finalValue = 0.0;

    // False when a solved number of periods is not finite or does not fit 16
    // bits: Periods keeps its value and SolvedPeriods() tells what came out.
    bool Solve(CompoundValue value);
    double SolvedPeriods() const { return solvedPeriods_; }

private:
    std::int16_t periods_ = 1;
    double solvedPeriods_ = 1.0;
};

}  // namespace tallyx
