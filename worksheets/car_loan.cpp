#include "worksheets/car_loan.h"

#include <cmath>
#include <limits>

#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

constexpr double kLargestEntry = 100000000.0;
constexpr double kMonthlyRateOfPercent = 0.0008333333333333334;  // 1 / 1200
constexpr double kPercent = 0.01;

bool IsEntry(double value)
{
    return value >= 0.0 && value <= kLargestEntry;
}

}  // namespace

void CarLoan::Exchange(StoredValues& values)
{
    values.Integer(L"FullInterest", fullInterest_);
    values.Double(L"CarPrice", carPrice_);
    values.Double(L"SalesTaxRate", salesTaxRate_);
    values.Double(L"SalesTax", salesTax_);
    values.Double(L"RegistrationFees", registrationFees_);
    values.Double(L"OtherFees", otherFees_);
    values.Double(L"DownPayment", downPayment_);
    values.Double(L"Rebate", rebate_);
    values.Double(L"TradeIn", tradeIn_);
    // Kept as a double; a stored count that is no whole number of months is refused.
    values.Double(L"NoOfMonths", static_cast<double>(months_), [this](double months) {
        if (months >= 1.0 && months <= std::numeric_limits<std::int32_t>::max()) {
            SetMonths(static_cast<std::int32_t>(months));
        }
    });
    values.Double(L"InterestRate", interestRate_);
    values.Double(L"AmountBorrowed", amountBorrowed_);
    values.Double(L"TotalInterest", totalInterest_);
    values.Double(L"TotalCostOfCar", totalCostOfCar_);
    values.Double(L"MonthlyPayment", monthlyPayment_);
    values.Double(L"AmountOwing", amountOwing_);
}

void CarLoan::Load()
{
    StoredValues values(kCarLoanKey, StoredValues::Direction::Read);
    Exchange(values);
}

void CarLoan::Save()
{
    StoredValues values(kCarLoanKey, StoredValues::Direction::Write);
    Exchange(values);
}

void CarLoan::Reset()
{
    const std::int32_t fullInterest = fullInterest_;
    *this = CarLoan();
    fullInterest_ = fullInterest;
}

bool CarLoan::SetCarPrice(double price)
{
    if (!IsEntry(price)) {
        return false;
    }
    carPrice_ = price;
    return true;
}

bool CarLoan::SetSalesTaxRate(double percent)
{
    if (!IsEntry(percent)) {
        return false;
    }
    salesTaxRate_ = percent;
    return true;
}

bool CarLoan::SetOtherFees(double fees)
{
    if (!IsEntry(fees)) {
        return false;
    }
    otherFees_ = fees;
    return true;
}

bool CarLoan::SetDownPayment(double payment)
{
    if (!IsEntry(payment)) {
        return false;
    }
    downPayment_ = payment > carPrice_ ? 0.0 : payment;
    return true;
}

bool CarLoan::SetTradeIn(double value)
{
    if (!IsEntry(value)) {
        return false;
    }
    tradeIn_ = value;
    return true;
}

bool CarLoan::SetInterestRate(double percent)
{
    if (!IsEntry(percent)) {
        return false;
    }
    interestRate_ = percent;
    return true;
}

bool CarLoan::SetMonths(std::int32_t months)
{
    if (months < 1) {
        return false;
    }
    months_ = months;
    return true;
}

void CarLoan::Compute()
{
    const double months = months_;
    salesTax_ = (carPrice_ - tradeIn_) * salesTaxRate_ * kPercent;
    amountBorrowed_ = salesTax_ + carPrice_ + otherFees_ + registrationFees_ - downPayment_ - rebate_ - tradeIn_;
    if (!(months_ > 0 && interestRate_ > 0.0 && amountBorrowed_ > 0.0 && carPrice_ > 0.0)) {
        monthlyPayment_ = months_ == 0 ? 0.0 : amountBorrowed_ / months;
        totalCostOfCar_ = amountBorrowed_;
        totalInterest_ = 0.0;
        return;
    }
    const double monthlyRate = interestRate_ * kMonthlyRateOfPercent;
    if (fullInterest_ != 0) {
        totalCostOfCar_ = (interestRate_ * months * kMonthlyRateOfPercent + 1.0) * amountBorrowed_;
    } else {
        totalCostOfCar_ = amountBorrowed_ * monthlyRate * months / (1.0 - std::pow(1.0 + monthlyRate, -months));
    }
    // Large loans are shown as they are: a total of 0 would be a wrong answer, not a warning.
    monthlyPayment_ = totalCostOfCar_ / months;
    totalInterest_ = totalCostOfCar_ - amountBorrowed_;
}

double CarLoan::PeriodInterest(double balance) const
{
    if (totalInterest_ == 0.0 || months_ < 1) {
        return 0.0;
    }
    if (fullInterest_ != 0) {
        return totalInterest_ / months_;
    }
    return balance * interestRate_ * kMonthlyRateOfPercent;
}

}  // namespace tallyx
