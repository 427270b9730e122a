#pragma once

#include <cstdint>
#include <vector>

#include "worksheets/payment_schedule.h"

namespace tallyx {

// The mortgage record of the financial family: a property price less a down
// payment, repaid over a term of years on one of the payment schedules.
class Mortgage {
public:
    Mortgage();

    // Writes the record to its key with the schedule in use. The tables are
    // not stored, and the record is never read back: a new mortgage
    // calculator starts from its defaults.
    void Save(int scheduleIndex);
    // Price 250000, 25 years at 5 %, no down payment and no costs.
    void Reset();
    // Payment, balance and principal tables, totals, on the schedule given.
    void Compute(int scheduleIndex);

    bool SetPrinciple(double price);             // 0 or more
    bool SetTerm(std::int32_t years);            // 0 to 201
    bool SetInterestPercent(double percent);     // 0 to 100
    bool SetDownPayment(double payment);         // 0 to below the price
    bool SetMonthlyFees(double fees);            // 0 or more

    double Principle() const { return principle_; }
    std::int32_t Term() const { return term_; }
    double InterestRate() const { return interestRate_; }  // a fraction: 0.05 is 5 %
    double InterestPercent() const;
    double DownPayment() const { return downPayment_; }
    double MonthlyFees() const { return otherRecurringCostsPerMonth_; }
    std::int32_t Payments() const { return payments_; }
    double PaymentAmount() const { return paymentAmount_; }
    double TotalInterest() const { return totalInterest_; }
    double TotalRepaid() const { return totalRepaid_; }
    // The interest of one period of the schedule last computed on a balance.
    double PeriodInterest(double balance) const;
    // Balance before each payment and the principal part of each payment.
    const std::vector<double>& Balances() const { return principleRemaining_; }
    const std::vector<double>& PrincipalParts() const { return principlePerMonth_; }

private:
    double MonthlyPayment() const;
    void BuildTables();

    std::int32_t usePoints_ = 0;
    double principle_ = 0.0;
    double interestRate_ = 0.0;
    std::int32_t term_ = 0;
    double fractionalInterest_ = 0.0;
    double paymentAmount_ = 0.0;
    std::int32_t payments_ = 0;
    double monthlyPropertyTaxes_ = 0.0;
    double mortgageInsurancePerMonth_ = 0.0;
    double otherRecurringCostsPerMonth_ = 0.0;
    std::int32_t pointsPurchased_ = 0;
    double interestRateWithPoints_ = 0.0;
    double costForsPoint_ = 0.0;
    double adjustedFractionalInterest_ = 0.0;
    double downPayment_ = 0.0;
    double costForsPointPercent_ = 1.0;
    std::int32_t canadianMortgage_ = 0;
    std::int32_t paymentIndex_ = 0;
    double totalInterest_ = 0.0;
    double totalRepaid_ = 0.0;
    std::vector<double> principleRemaining_;
    std::vector<double> principlePerMonth_;
};

}  // namespace tallyx
