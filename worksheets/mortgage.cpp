#include "worksheets/mortgage.h"

#include <cmath>

#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

constexpr double kDefaultPrinciple = 250000.0;
constexpr std::int32_t kDefaultTerm = 25;
constexpr double kDefaultRate = 0.05;
constexpr std::int32_t kLongestTerm = 201;
constexpr double kHighestPercent = 100.0;
constexpr double kPercent = 0.01;
constexpr double kPercentOfFraction = 100.0;
constexpr double kTwelfth = 0.08333333333333333;
constexpr int kMonthsPerYear = 12;

}  // namespace

Mortgage::Mortgage()
{
    Reset();
}

void Mortgage::Reset()
{
    usePoints_ = 0;
    principle_ = kDefaultPrinciple;
    term_ = kDefaultTerm;
    interestRate_ = kDefaultRate;
    fractionalInterest_ = kDefaultRate / kMonthsPerYear;
    downPayment_ = 0.0;
    monthlyPropertyTaxes_ = 0.0;
    mortgageInsurancePerMonth_ = 0.0;
    otherRecurringCostsPerMonth_ = 0.0;
    pointsPurchased_ = 0;
    interestRateWithPoints_ = 0.0;
    costForsPoint_ = 0.0;
    adjustedFractionalInterest_ = 0.0;
    payments_ = 0;
    paymentAmount_ = 0.0;
    totalInterest_ = 0.0;
    totalRepaid_ = 0.0;
    principleRemaining_.clear();
    principlePerMonth_.clear();
}

void Mortgage::Save(int scheduleIndex)
{
    paymentIndex_ = scheduleIndex;
    double unstoredTable = 0.0;
    StoredValues values(kMortgageKey, StoredValues::Direction::Write);
    values.Double(L"PrinciplePerMonth", unstoredTable);
    values.Double(L"PrincipleRemaining", unstoredTable);
    values.Integer(L"UsePoints", usePoints_);
    values.Double(L"Principle", principle_);
    values.Double(L"InterestRate", interestRate_);
    values.Integer(L"Term", term_);
    values.Double(L"FractionalInterest", fractionalInterest_);
    values.Double(L"PaymentAmount", paymentAmount_);
    values.Integer(L"Payments", payments_);
    values.Double(L"MonthlyPropertyTaxes", monthlyPropertyTaxes_);
    values.Double(L"MortgageInsurancePerMonth", mortgageInsurancePerMonth_);
    values.Double(L"OtherRecurringCostsPerMonth", otherRecurringCostsPerMonth_);
    values.Integer(L"PointsPurchased", pointsPurchased_);
    values.Double(L"InterestRateWithPoints", interestRateWithPoints_);
    values.Double(L"CostForsPoint", costForsPoint_);
    values.Double(L"AdjustedFractionalInterest", adjustedFractionalInterest_);
    values.Double(L"DownPayment", downPayment_);
    values.Double(L"CostForsPointPercent", costForsPointPercent_);
    values.Integer(L"CanadianMortgage", canadianMortgage_);
    values.Integer(L"PaymentIndex", paymentIndex_);
}

bool Mortgage::SetPrinciple(double price)
{
    if (!(price >= 0.0)) {
        return false;
    }
    principle_ = price;
    return true;
}

bool Mortgage::SetTerm(std::int32_t years)
{
    if (years < 0 || years > kLongestTerm) {
        return false;
    }
    term_ = years;
    return true;
}

double Mortgage::InterestPercent() const
{
    return interestRate_ * kPercentOfFraction;
}

bool Mortgage::SetInterestPercent(double percent)
{
    if (!(percent >= 0.0 && percent <= kHighestPercent)) {
        return false;
    }
    interestRate_ = percent * kPercent;
    fractionalInterest_ = interestRate_ * kTwelfth;
    return true;
}

bool Mortgage::SetDownPayment(double payment)
{
    if (!(payment >= 0.0 && payment < principle_)) {
        return false;
    }
    downPayment_ = payment;
    return true;
}

bool Mortgage::SetMonthlyFees(double fees)
{
    if (!(fees >= 0.0)) {
        return false;
    }
    otherRecurringCostsPerMonth_ = fees;
    return true;
}

// The payment that repays the loan monthly over the term, whatever the schedule.
double Mortgage::MonthlyPayment() const
{
    const double loan = principle_ - downPayment_;
    const double months = static_cast<double>(term_) * kMonthsPerYear;
    if (months == 0.0) {
        return 0.0;
    }
    if (fractionalInterest_ == 0.0) {
        // Without interest the loan is simply split; the annuity formula would give 0/0.
        return loan / months;
    }
    return fractionalInterest_ / (1.0 - std::pow(1.0 + fractionalInterest_, -months)) * loan;
}

double Mortgage::PeriodInterest(double balance) const
{
    return interestRate_ / PaymentScheduleAt(paymentIndex_).periodsPerYear * balance;
}

void Mortgage::BuildTables()
{
    principleRemaining_.assign(payments_, 0.0);
    principlePerMonth_.assign(payments_, 0.0);
    principleRemaining_[0] = principle_ - downPayment_;
    for (std::int32_t k = 1; k < payments_; ++k) {
        const double balance = principleRemaining_[k - 1] - paymentAmount_ + PeriodInterest(principleRemaining_[k - 1]);
        if (balance < 0.0) {
            break;  // paid off early: the remaining balances stay 0
        }
        principleRemaining_[k] = balance;
    }
    for (std::int32_t k = 0; k < payments_; ++k) {
        const double interest = PeriodInterest(principleRemaining_[k]);
        if (interest == 0.0) {
            break;
        }
        principlePerMonth_[k] = paymentAmount_ - interest;
    }
    totalInterest_ = 0.0;
    for (double balance : principleRemaining_) {
        totalInterest_ += PeriodInterest(balance);
    }
}

void Mortgage::Compute(int scheduleIndex)
{
    paymentIndex_ = scheduleIndex;
    const PaymentSchedule& schedule = PaymentScheduleAt(scheduleIndex);
    payments_ = term_ * schedule.periodsPerYear;
    paymentAmount_ = MonthlyPayment() * schedule.factor;
    principleRemaining_.clear();
    principlePerMonth_.clear();
    totalInterest_ = 0.0;
    if (payments_ >= 1) {
        BuildTables();
    }
    totalRepaid_ = totalInterest_ + principle_ + term_ * kMonthsPerYear * monthlyPropertyTaxes_ +
                   payments_ * mortgageInsurancePerMonth_ + payments_ * otherRecurringCostsPerMonth_;
}

}  // namespace tallyx
