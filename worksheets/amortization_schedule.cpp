#include "worksheets/amortization_schedule.h"

#include "platform/number_text.h"
#include "worksheets/car_loan.h"
#include "worksheets/mortgage.h"

namespace tallyx {
namespace {

constexpr std::size_t kPrincipalColumn = 2;
constexpr std::size_t kBalanceColumn = 3;

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
        table.lines.push_back({FormatInteger(period), {paid, charged, paid - charged, std::nullopt}});
        totalPayment += paid;
        totalInterest += charged;
    }
    // Each balance is what the principal of the later payments repays, so that it
    // falls by each listed principal, to 0, as a spreadsheet would check it.
    Cents owed = 0;
    for (auto line = table.lines.rbegin(); line != table.lines.rend(); ++line) {
        line->amounts[kBalanceColumn] = owed;
        owed += *line->amounts[kPrincipalColumn];
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
