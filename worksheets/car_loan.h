#pragma once

#include <cstdint>

namespace tallyx {

class StoredValues;

// The loan record of the financial family: a purchase price with tax, fees,
// down payment and trade-in, financed over a number of monthly payments.
class CarLoan {
public:
    // The record's own key; read at creation, written back by its owner.
    void Load();
    void Save();

    // Every field 0, except the add-on interest flag, which no cell sets.
    void Reset();
    // Amount borrowed, monthly payment, total interest and total repaid.
    void Compute();

    // Amounts and rates accept 0 to 100000000; false when refused.
    bool SetCarPrice(double price);
    bool SetSalesTaxRate(double percent);
    bool SetOtherFees(double fees);
    // A down payment above the price is taken as none.
    bool SetDownPayment(double payment);
    bool SetTradeIn(double value);
    bool SetInterestRate(double percent);
    bool SetMonths(std::int32_t months);  // at least 1

    double CarPrice() const { return carPrice_; }
    double SalesTaxRate() const { return salesTaxRate_; }
    double SalesTax() const { return salesTax_; }
    double OtherFees() const { return otherFees_; }
    double DownPayment() const { return downPayment_; }
    double TradeIn() const { return tradeIn_; }
    std::int32_t Months() const { return months_; }
    double InterestRate() const { return interestRate_; }
    double AmountBorrowed() const { return amountBorrowed_; }
    double MonthlyPayment() const { return monthlyPayment_; }
    double TotalInterest() const { return totalInterest_; }
    double TotalRepaid() const { return totalCostOfCar_; }
    // The interest of one month on the balance, as the computed totals charge
    // it: none without interest, an equal share of it for add-on interest.
    double PeriodInterest(double balance) const;

private:
    void Exchange(StoredValues& values);

    std::int32_t fullInterest_ = 0;
    double carPrice_ = 0.0;
    double salesTaxRate_ = 0.0;
    double salesTax_ = 0.0;
    double registrationFees_ = 0.0;
    double otherFees_ = 0.0;
    double downPayment_ = 0.0;
    double rebate_ = 0.0;
    double tradeIn_ = 0.0;
    std::int32_t months_ = 0;
    double interestRate_ = 0.0;
    double amountBorrowed_ = 0.0;
    double totalInterest_ = 0.0;
    double totalCostOfCar_ = 0.0;
    double monthlyPayment_ = 0.0;
    double amountOwing_ = 0.0;
};

}  // namespace tallyx
