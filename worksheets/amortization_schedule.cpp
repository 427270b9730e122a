#include "worksheets/amortization_schedule.h"

#include "platform/number_text.h"
#include "worksheets/car_loan.h"
#include "worksheets/mortgage.h"

namespace tallyx {
namespace {

ScheduleTable EmptyAmortization()
{
    return {{L"Period", L"Payment", L"Interest", L"Principal", L"Balance"}, {}, {L"Total", {}}};
}

}  // namespace

ScheduleTable AmortizationSchedule(const Amortization& amortization)
{
    ScheduleTable table = EmptyAmortization();
    const bool repayable = amortization.loan > 0.0 && IsScheduleAmount(amortization.loan) &&
                           amortization.payment > 0.0 && IsScheduleAmount(amortization.payment);
    if (!repayable || amortization.periods < 1 || amortization.periods > kLongestSchedule) {
        return table;
    }
    CentRounding payments;
    CentRounding interests;
    Cents totalPayment = 0;
    Cents totalInterest = 0;
    // The listed balance falls by each listed principal, as a spreadsheet would check it.
    Cents listedBalance = ShownCents(amortization.loan);
    double balance = amortization.loan;
    for (std::int32_t period = 1; period <= amortization.periods && balance > 0.0; ++period) {
        const double interest = amortization.interestOn(balance);
        // The balance runs as the records run it, so that the interest adds up to their totals.
        double next = balance - amortization.payment + interest;
        double payment = amortization.payment;
        if (next < 0.0 || period == amortization.periods) {
            payment = balance + interest;
            next = 0.0;
        }
        if (!IsScheduleAmount(interest) || !IsScheduleAmount(next)) {
            return EmptyAmortization();
        }
        balance = next;
        const Cents paid = payments.Next(payment);
        const Cents charged = interests.Next(interest);
        listedBalance = balance == 0.0 ? 0 : listedBalance - (paid - charged);
        table.lines.push_back({FormatInteger(period), {paid, charged, paid - charged, listedBalance}});
        totalPayment += paid;
        totalInterest += charged;
    }
    table.totals.amounts = {totalPayment, totalInterest, totalPayment - totalInterest, std::nullopt};
    return table;
}

ScheduleTable LoanSchedule(const CarLoan& loan)
{
    return AmortizationSchedule({loan.AmountBorrowed(), loan.MonthlyPayment(), loan.Months(),
                                 [&](double balance) { return loan.PeriodInterest(balance); }});
}

ScheduleTable MortgageSchedule(const Mortgage& mortgage)
{
    return AmortizationSchedule({mortgage.Principle() - mortgage.DownPayment(), mortgage.PaymentAmount(),
                                 mortgage.Payments(),
                                 [&](double balance) { return mortgage.PeriodInterest(balance); }});
}

}  // namespace tallyx
