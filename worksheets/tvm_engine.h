#pragma once

#include <cstdint>

namespace tallyx {

// The value a time-value-of-money solve produces.
enum class TvmTarget { InterestRate, Payment, NumTerms, FutureValue, PresentValue };

// The time value of money of an annuity: number of periods, nominal yearly
// rate, present value, periodic payment and future value, with separate
// payment and compounding frequencies. Money received is positive, money paid
// out negative.
class TvmEngine {
public:
    explicit TvmEngine(bool payAtBeginning);

    // Back to the defaults: one period, no money, monthly payments and compounding.
    void Reset(bool payAtBeginning);

    std::int16_t NumTerms() const { return numTerms_; }
    double InterestPerYear() const { return interestPerYear_; }
    double PresentValue() const { return presentValue_; }
    double Payment() const { return payment_; }
    double FutureValue() const { return futureValue_; }
    std::int16_t PaymentsPerYear() const { return paymentsPerYear_; }
    std::int16_t CompoundsPerYear() const { return compoundsPerYear_; }
    bool PayAtBeginning() const { return payAtBeginning_; }
    double PeriodRate() const { return periodRate_; }
    double TimingFactor() const { return timingFactor_; }

    // The counts are 16-bit: a value that does not fit is rejected like any
    // other out-of-range value. Each setter answers whether it took the value.
    bool SetNumTerms(std::int32_t terms);                 // at least 1
    bool SetPaymentsPerYear(std::int32_t payments);       // at least 1; also sets the compounding
    bool SetCompoundsPerYear(std::int32_t compounds);     // 0 or more
    void SetInterestPerYear(double percent) { interestPerYear_ = percent; }
    void SetPresentValue(double value) { presentValue_ = value; }
    void SetPayment(double value) { payment_ = value; }
    void SetFutureValue(double value) { futureValue_ = value; }

    // Replaces the target's value with the one that balances the others.
    // False when a solved number of periods is not finite or does not fit 16
    // bits: NumTerms keeps its value and SolvedTerms() tells what came out.
    bool Solve(TvmTarget target);
    double SolvedTerms() const { return solvedTerms_; }

    // The periodic rate that balances the equation, searched by halving
    // between 1e-10 and 1e6; 0 when the equation changes no sign there.
    double SearchPeriodRate() const;

private:
    double CompoundedPeriodRate() const;
    void SetRates(TvmTarget target);
    double Growth() const;

    std::int16_t numTerms_;
    double interestPerYear_;
    double presentValue_;
    double payment_;
    double futureValue_;
    std::int16_t paymentsPerYear_;
    std::int16_t compoundsPerYear_;
    bool payAtBeginning_;
    double periodRate_;
    double timingFactor_;
    double solvedTerms_;
};

}  // namespace tallyx
