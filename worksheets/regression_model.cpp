#include "worksheets/regression_model.h"

#include <cmath>

namespace tallyx {
namespace {

using Values = RegressionModel::Values;

double Mean(const Values& values, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) sum += values[i];
    return sum / static_cast<double>(count);
}

// Σ(u - mean u)(v - mean v) in two passes: the one-pass Σuv - ΣuΣv/n loses
// every digit when the values share a large offset (years, serial numbers).
double CentredProducts(const Values& u, const Values& v, std::size_t count)
{
    const double meanU = Mean(u, count);
    const double meanV = Mean(v, count);
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) sum += (u[i] - meanU) * (v[i] - meanV);
    return sum;
}

double SampleDeviation(const Values& values, std::size_t count)
{
    return std::sqrt(CentredProducts(values, values, count) / (static_cast<double>(count) - 1.0));
}

void Accumulate(RegressionSums& sums, double x, double y)
{
    sums.x += x;
    sums.xSquared += x * x;
    sums.y += y;
    sums.ySquared += y * y;
    sums.xy += x * y;
}

}  // namespace

bool RegressionModel::Series::Set(std::size_t index, double value)
{
    if (index >= kCapacity || index > count) {
        return false;
    }
    values[index] = value;
    if (index == count) ++count;
    return true;
}

void RegressionModel::Clear()
{
    x_ = {};
    y_ = {};
    sums_ = {};
    transformedSums_ = {};
    meanX_ = 0.0;
    meanY_ = 0.0;
    deviations_ = {};
    fit_ = {};
}

double RegressionModel::TransformX(double value) const
{
    return kind_ == RegressionKind::Logarithmic || kind_ == RegressionKind::Power ? std::log10(value) : value;
}

double RegressionModel::TransformY(double value) const
{
    return kind_ == RegressionKind::Exponential || kind_ == RegressionKind::Power ? std::log10(value) : value;
}

bool RegressionModel::Compute()
{
    Values transformedX{};
    Values transformedY{};
    for (std::size_t i = 0; i < x_.count; ++i) transformedX[i] = TransformX(x_.values[i]);
    for (std::size_t i = 0; i < y_.count; ++i) transformedY[i] = TransformY(y_.values[i]);
    ComputeSums(transformedX, transformedY);
    ComputeDeviations(transformedX, transformedY);
    return ComputeFit(transformedX, transformedY);
}

void RegressionModel::ComputeSums(const Values& transformedX, const Values& transformedY)
{
    sums_ = {};
    transformedSums_ = {};
    for (std::size_t i = 0; i < x_.count; ++i) {
        Accumulate(sums_, x_.values[i], 0.0);
        Accumulate(transformedSums_, transformedX[i], 0.0);
    }
    for (std::size_t i = 0; i < y_.count; ++i) {
        Accumulate(sums_, 0.0, y_.values[i]);
        Accumulate(transformedSums_, 0.0, transformedY[i]);
    }
    sums_.xy = 0.0;
    transformedSums_.xy = 0.0;
    if (x_.count == y_.count) {
        for (std::size_t i = 0; i < x_.count; ++i) {
            sums_.xy += x_.values[i] * y_.values[i];
            transformedSums_.xy += transformedX[i] * transformedY[i];
        }
    }
    meanX_ = sums_.x / static_cast<double>(x_.count);
    meanY_ = sums_.y / static_cast<double>(y_.count);
}

void RegressionModel::ComputeDeviations(const Values& transformedX, const Values& transformedY)
{
    deviations_.x = SampleDeviation(x_.values, x_.count);
    deviations_.y = SampleDeviation(y_.values, y_.count);
    deviations_.transformedX = SampleDeviation(transformedX, x_.count);
    deviations_.transformedY = SampleDeviation(transformedY, y_.count);
}

bool RegressionModel::ComputeFit(const Values& transformedX, const Values& transformedY)
{
    fit_ = {};
    if (x_.count != y_.count) {
        return false;
    }
    const std::size_t count = x_.count;
    fit_.slope = CentredProducts(transformedX, transformedY, count) / CentredProducts(transformedX, transformedX, count);
    fit_.intercept = Mean(transformedY, count) - fit_.slope * Mean(transformedX, count);
    fit_.correlation = fit_.slope * deviations_.transformedX / deviations_.transformedY;
    return true;
}

}  // namespace tallyx
