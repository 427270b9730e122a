#include "worksheets/compound_interest_model.h"

#include <cmath>
#include <limits>

namespace tallyx {
namespace {

constexpr double kPercent = 0.01;
constexpr double kHundred = 100.0;

bool FitsShort(double value)
{
    return std::isfinite(value) && value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

bool CompoundInterestModel::SetPeriods(std::int32_t periods)
{
    if (periods < 1 || periods > std::numeric_limits<std::int16_t>::max()) {
        return false;
    }
    periods_ = static_cast<std::int16_t>(periods);
    return true;
}

bool CompoundInterestModel::Solve(CompoundValue value)
{
    const double periods = periods_;
    switch (value) {
    case CompoundValue::FinalValue:
        finalValue = startValue * std::pow(1.0 + rate * kPercent, periods);
        break;
    case CompoundValue::StartValue:
        startValue = finalValue / std::pow(1.0 + rate * kPercent, periods);
        break;
    case CompoundValue::Rate:
        rate = (std::pow(10.0, std::log10(finalValue / startValue) / periods) - 1.0) * kHundred;
        break;
    case CompoundValue::Periods: {
        solvedPeriods_ = std::log(finalValue / startValue) / std::log(1.0 + rate * kPercent);
        const double whole = std::trunc(solvedPeriods_);
        if (!FitsShort(whole)) {
            return false;
        }
        periods_ = static_cast<std::int16_t>(whole);
        break;
    }
    }
    return true;
}

}  // namespace tallyx
