#pragma once

#include <cstdint>
#include <functional>

#include "worksheets/schedule_table.h"

namespace tallyx {

class CarLoan;
class Mortgage;

// A loan repaid in level payments: each period the balance's interest falls
// due and the rest of the payment repays the balance. The last payment clears
// what is left, whether the balance runs out before the last period or some
// remains after it.
struct Amortization {
    double loan;
    double payment;
    std::int32_t periods;
    std::function<double(double balance)> interestOn;
};

// Period, payment, interest, principal and balance after the payment, with
// totals; no lines when nothing is borrowed or no payment repays it.
ScheduleTable AmortizationSchedule(const Amortization& amortization);
// The schedules of the computed records, period by period as they computed
// their totals.
ScheduleTable LoanSchedule(const CarLoan& loan);
ScheduleTable MortgageSchedule(const Mortgage& mortgage);

}  // namespace tallyx
