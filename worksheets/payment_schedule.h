#pragma once

#include <string_view>

namespace tallyx {

// How often a mortgage is paid and what part of the monthly payment each
// payment is; accelerated schedules pay more than their share.
struct PaymentSchedule {
    std::wstring_view name;
    int periodsPerYear;
    double factor;
};

// The schedule of an index 0 to 9; any other index is "Monthly".
const PaymentSchedule& PaymentScheduleAt(int index);

}  // namespace tallyx
