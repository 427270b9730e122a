#include "worksheets/interest_conversion_model.h"

#include <cmath>

namespace tallyx {
namespace {

constexpr double kEulerNumber = 2.718281828459045;
constexpr double kPercent = 0.01;
constexpr double kHundred = 100.0;

}  // namespace

void InterestConversionModel::SolveEffectiveRate()
{
    const double periods = periodsPerYear;
    effectiveRate = (std::pow(kEulerNumber, periods * std::log(1.0 + nominalRate * kPercent / periods)) - 1.0) * kHundred;
}

void InterestConversionModel::SolveNominalRate()
{
    const double periods = periodsPerYear;
    nominalRate = (std::pow(kEulerNumber, std::log(1.0 + effectiveRate * kPercent) / periods) - 1.0) * periods * kHundred;
}

}  // namespace tallyx
