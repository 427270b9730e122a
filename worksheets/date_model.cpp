#include "worksheets/date_model.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "worksheets/calendar.h"

namespace tallyx {
namespace {

constexpr std::int32_t kLatestYear = 3000;
constexpr std::int32_t kMonthsPerYear = 12;
constexpr std::int32_t kDaysPerYear = 365;
constexpr std::int32_t kDaysPerMonth360 = 30;
constexpr std::int32_t kMarch = 3;
// Days before each month in a common year; month 0 is the December before.
constexpr std::array kDaysBeforeMonth = {-31, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Year 0 counts as a common year.
bool CountsAsLeapYear(std::int32_t year)
{
    return year > 0 && IsLeapYear(year);
}

// Leap years from 1 to the year.
std::int32_t LeapYearsThrough(std::int32_t year)
{
    return year <= 0 ? 0 : year / 4 - year / 100 + year / 400;
}

std::int32_t LatestLeapYearNotAfter(std::int32_t year)
{
    if (year < 0) {
        return 0;
    }
    const std::int32_t candidate = year - year % 4;
    return candidate % 100 == 0 && candidate % 400 != 0 ? candidate - 4 : candidate;
}

// February 29ths from January 1 of the base year up to the date.
std::int32_t LeapDaysSince(std::int32_t base, const CalendarDate& date)
{
    const std::int32_t wholeYears = std::max(LeapYearsThrough(date.year - 1) - LeapYearsThrough(base - 1), 0);
    const bool thisYear = date.year >= base && CountsAsLeapYear(date.year) && date.month >= kMarch;
    return wholeYears + (thisYear ? 1 : 0);
}

std::int32_t DayOfCount(std::int32_t base, const CalendarDate& date)
{
    return kDaysBeforeMonth[std::clamp(date.month, 0, kMonthsPerYear)] + date.day + LeapDaysSince(base, date);
}

std::int32_t MonthLength(const CalendarDate& date)
{
    return CountsAsLeapYear(date.year) || date.month != 2 ? DaysInMonth(date.year, date.month) : 28;
}

}  // namespace

std::int32_t ActualDayCount(const CalendarDate& start, const CalendarDate& end)
{
    const std::int32_t base = LatestLeapYearNotAfter(std::min(start.year, end.year) - 1) + 1;
    return std::abs((end.year - start.year) * kDaysPerYear + DayOfCount(base, end) - DayOfCount(base, start));
}

std::int32_t DayCount360(const CalendarDate& start, const CalendarDate& end)
{
    return ((end.year - start.year) * kMonthsPerYear - start.month + end.month) * kDaysPerMonth360 -
           std::min(start.day, kDaysPerMonth360) + std::min(end.day, kDaysPerMonth360);
}

DateModel::DateModel(const DateTime& today)
{
    Reset(today);
}

void DateModel::Reset(const DateTime& today)
{
    start_ = {today.year, today.month, today.day};
    end_ = start_;
    actualDays_ = 0;
    days360_ = 0;
}

void DateModel::SetYear(Side side, std::int32_t year)
{
    CalendarDate& date = DateOf(side);
    date.year = std::clamp(year, 0, kLatestYear);
    date.day = std::min(date.day, MonthLength(date));
}

void DateModel::SetMonth(Side side, std::int32_t month)
{
    CalendarDate& date = DateOf(side);
    date.month = month < 0 ? 1 : std::min(month, kMonthsPerYear);
    date.day = std::min(date.day, MonthLength(date));
}

void DateModel::SetDay(Side side, std::int32_t day)
{
    CalendarDate& date = DateOf(side);
    date.day = day < 0 ? 1 : std::min(day, MonthLength(date));
}

void DateModel::Compute()
{
    actualDays_ = ActualDayCount(start_, end_);
    days360_ = DayCount360(start_, end_);
}

}  // namespace tallyx
