#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace tallyx {

struct CalendarDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
};

// Days between two dates: actual days, always positive, and the signed
// 30/360 count of the bond markets.
std::int32_t ActualDayCount(const CalendarDate& start, const CalendarDate& end);
std::int32_t DayCount360(const CalendarDate& start, const CalendarDate& end);

// The two dates of the date sheet. Setters never refuse: they clamp, and a
// day follows its month and year, so no impossible date is ever held.
class DateModel {
public:
    enum class Side { Start, End };

    explicit DateModel(const DateTime& today);
    // Both dates today; results 0.
    void Reset(const DateTime& today);

    const CalendarDate& Date(Side side) const { return side == Side::Start ? start_ : end_; }
    void SetYear(Side side, std::int32_t year);    // 0 to 3000
    void SetMonth(Side side, std::int32_t month);  // 1 to 12; 0 stays 0
    void SetDay(Side side, std::int32_t day);      // 1 to the length of the month

    void Compute();
    std::int32_t ActualDays() const { return actualDays_; }
    std::int32_t Days360() const { return days360_; }

private:
    CalendarDate& DateOf(Side side) { return side == Side::Start ? start_ : end_; }

    CalendarDate start_;
    CalendarDate end_;
    std::int32_t actualDays_ = 0;
    std::int32_t days360_ = 0;
};

}  // namespace tallyx
