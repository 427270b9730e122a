#include "worksheets/depreciation_model.h"

#include <limits>

namespace tallyx {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr double kTwelfth = 0.08333333333333333;
constexpr std::int32_t kLatestStartYear = 9999;

bool FitsShort(std::int32_t value)
{
    return value <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

DepreciationModel::DepreciationModel(int currentYear)
{
    Reset(currentYear);
}

void DepreciationModel::Reset(int currentYear)
{
    life_ = 1;
    startMonth_ = 1;
    startYear_ = static_cast<std::int16_t>(currentYear);
    year_ = startYear_;
    cost = 0.0;
    salvage = 0.0;
    depreciation_ = 0.0;
    remainingBookValue_ = 0.0;
    remainingDepreciableValue_ = 0.0;
}

bool DepreciationModel::SetLife(std::int32_t years)
{
    if (years < 0 || !FitsShort(years)) {
        return false;
    }
    life_ = static_cast<std::int16_t>(years);
    return true;
}

bool DepreciationModel::SetStartMonth(std::int32_t month)
{
    // Month 0 would give the first year thirteen months and the last a negative share.
    if (month < 1 || month > kMonthsPerYear) {
        return false;
    }
    startMonth_ = static_cast<std::int16_t>(month);
    return true;
}

bool DepreciationModel::SetStartYear(std::int32_t year)
{
    if (year < 0 || year > kLatestStartYear) {
        return false;
    }
    startYear_ = static_cast<std::int16_t>(year);
    return true;
}

bool DepreciationModel::SetYear(std::int32_t year)
{
    if (year < startYear_ || year < 0 || !FitsShort(year)) {
        return false;
    }
    year_ = static_cast<std::int16_t>(year);
    return true;
}

double DepreciationModel::Accumulated(int k) const
{
    const double yearly = (cost - salvage) / life_;
    const double firstYear = (kMonthsPerYear + 1 - startMonth_) * yearly * kTwelfth;
    if (k < 1) {
        return 0.0;
    }
    if (k > life_) {
        return cost - salvage;
    }
    if (k == 1) {
        return firstYear;
    }
    return (k - 1) * yearly + firstYear;
}

void DepreciationModel::Compute()
{
    // The year's share is what it adds to the accumulated depreciation, so the
    // shares add up to cost less salvage, the last part-year included.
    const int k = year_ - startYear_ + 1;
    depreciation_ = Accumulated(k) - Accumulated(k - 1);
    remainingDepreciableValue_ = (cost - salvage) - Accumulated(k);
    remainingBookValue_ = cost - Accumulated(k);
}

}  // namespace tallyx
