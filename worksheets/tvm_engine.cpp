#include "worksheets/tvm_engine.h"

#include <cmath>
#include <limits>

namespace tallyx {
namespace {

constexpr double kEulerNumber = 2.718281828459045;
constexpr double kPercent = 0.01;
constexpr std::int16_t kDefaultFrequency = 12;
constexpr double kSearchPrecision = 5e-11;
constexpr int kLowestSearchPower = -10;
constexpr int kHighestSearchPower = 6;

bool FitsCount(std::int32_t value)
{
    return value <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

TvmEngine::TvmEngine(bool payAtBeginning)
{
    Reset(payAtBeginning);
}

void TvmEngine::Reset(bool payAtBeginning)
{
    numTerms_ = 1;
    interestPerYear_ = 0.0;
    presentValue_ = 0.0;
    payment_ = 0.0;
    futureValue_ = 0.0;
    paymentsPerYear_ = kDefaultFrequency;
    compoundsPerYear_ = kDefaultFrequency;
    payAtBeginning_ = payAtBeginning;
    periodRate_ = 0.0;
    timingFactor_ = 1.0;
    solvedTerms_ = 1.0;
}

bool TvmEngine::SetNumTerms(std::int32_t terms)
{
    if (terms < 1 || !FitsCount(terms)) {
        return false;
    }
    numTerms_ = static_cast<std::int16_t>(terms);
    return true;
}

bool TvmEngine::SetPaymentsPerYear(std::int32_t payments)
{
    if (payments < 1 || !FitsCount(payments)) {
        return false;
    }
    paymentsPerYear_ = static_cast<std::int16_t>(payments);
    compoundsPerYear_ = paymentsPerYear_;
    return true;
}

bool TvmEngine::SetCompoundsPerYear(std::int32_t compounds)
{
    if (compounds < 0 || !FitsCount(compounds)) {
        return false;
    }
    compoundsPerYear_ = static_cast<std::int16_t>(compounds);
    return true;
}

// The nominal rate compounded Cy times a year, spread over Py payments.
double TvmEngine::CompoundedPeriodRate() const
{
    const double compounds = compoundsPerYear_;
    const double payments = paymentsPerYear_;
    return std::pow(kEulerNumber, (compounds / payments) * std::log(1.0 + interestPerYear_ * kPercent / compounds)) - 1.0;
}

void TvmEngine::SetRates(TvmTarget target)
{
    switch (target) {
    case TvmTarget::InterestRate:
        periodRate_ = SearchPeriodRate();
        break;
    case TvmTarget::Payment:
        periodRate_ = CompoundedPeriodRate();
        break;
    case TvmTarget::NumTerms:
    case TvmTarget::FutureValue:
    case TvmTarget::PresentValue:
        // Without payments the rate is simply split over the payment periods.
        periodRate_ = payment_ == 0.0 ? interestPerYear_ * kPercent / paymentsPerYear_ : CompoundedPeriodRate();
        break;
    }
    timingFactor_ = payAtBeginning_ ? 1.0 + periodRate_ : 1.0;
}

double TvmEngine::Growth() const
{
    return std::pow(1.0 + periodRate_, numTerms_);
}

bool TvmEngine::Solve(TvmTarget target)
{
    SetRates(target);
    const double i = periodRate_;
    const double k = timingFactor_;
    const double n = numTerms_;
    const double annuity = i == 0.0 ? 0.0 : k * payment_ / i;
    switch (target) {
    case TvmTarget::FutureValue:
        futureValue_ = i == 0.0 ? -(n * payment_ + presentValue_) : annuity - (annuity + presentValue_) * Growth();
        break;
    case TvmTarget::PresentValue:
        presentValue_ = i == 0.0 ? -(n * payment_ + futureValue_) : (annuity - futureValue_) * (1.0 / Growth()) - annuity;
        break;
    case TvmTarget::Payment:
        payment_ = i == 0.0 ? -(futureValue_ + presentValue_) / n
                            : -i * ((presentValue_ + futureValue_) / (Growth() - 1.0) + presentValue_) / k;
        break;
    case TvmTarget::NumTerms: {
        solvedTerms_ = i == 0.0 ? -(futureValue_ + presentValue_) / payment_
                                : std::log((k * payment_ - i * futureValue_) / (i * presentValue_ + k * payment_)) /
                                      std::log(1.0 + i);
        const double whole = std::trunc(solvedTerms_);
        if (!std::isfinite(whole) || whole < std::numeric_limits<std::int16_t>::min() ||
            whole > std::numeric_limits<std::int16_t>::max()) {
            return false;
        }
        numTerms_ = static_cast<std::int16_t>(whole);
        break;
    }
    case TvmTarget::InterestRate: {
        const double compounds = compoundsPerYear_;
        const double payments = paymentsPerYear_;
        interestPerYear_ = 100.0 * compounds * (std::pow(kEulerNumber, (payments / compounds) * std::log(1.0 + i)) - 1.0);
        break;
    }
    }
    return true;
}

double TvmEngine::SearchPeriodRate() const
{
    const double terms = numTerms_;
    const auto balance = [&](double rate) {
        const double timing = payAtBeginning_ ? 1.0 + rate : 1.0;
        const double discount = std::pow(1.0 + rate, -terms);
        return presentValue_ + payment_ * timing * (1.0 - discount) / rate + futureValue_ * discount;
    };
    double low = std::pow(10.0, kLowestSearchPower);
    double high = std::pow(10.0, kHighestSearchPower);
    while (high - low > kSearchPrecision) {
        const double middle = (high + low) * 0.5;
        if (balance(low) * balance(high) > 0.0) {
            return 0.0;
        }
        // Near the top of the range doubles are coarser than the precision:
        // once the interval cannot be split any more, it is as narrow as it gets.
        if (middle <= low || middle >= high) {
            break;
        }
        if (balance(middle) * balance(high) > 0.0) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return (high + low) * 0.5;
}

}  // namespace tallyx
