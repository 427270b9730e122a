#include "worksheets/payment_schedule.h"

#include <array>

namespace tallyx {
namespace {

// Every accelerated schedule pays thirteen monthly payments a year instead of twelve.
constexpr std::array kSchedules = {
    PaymentSchedule{L"Monthly", 12, 1.0},
    PaymentSchedule{L"Monthly Accel", 12, 1.0833333333333333},
    PaymentSchedule{L"Bi-Weekly", 26, 0.46153846153846156},
    PaymentSchedule{L"Bi-Weekly Accel", 26, 0.5},
    PaymentSchedule{L"Weekly", 52, 0.23076923076923078},
    PaymentSchedule{L"Weekly Accel", 52, 0.25},
    PaymentSchedule{L"Semi Monthly", 24, 0.5},
    PaymentSchedule{L"Semi Monthly Accel", 24, 0.5416666666666666},
    PaymentSchedule{L"Bi-Monthly", 6, 2.0},
    PaymentSchedule{L"Bi-Monthly Accel", 6, 2.1666666666666665},
};

}  // namespace

const PaymentSchedule& PaymentScheduleAt(int index)
{
    return index >= 0 && index < static_cast<int>(kSchedules.size()) ? kSchedules[index] : kSchedules[0];
}

}  // namespace tallyx
