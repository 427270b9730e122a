#include "worksheets/date_time_interval.h"

#include <cstdlib>
#include <limits>

#include "worksheets/calendar.h"

namespace tallyx {
namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kTicksPerMillisecond = 10000;
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysPerFoldedYear = 365;
// The day box takes no more than these; the excess goes into years.
constexpr std::int32_t kMostEnteredDays = 32635;
constexpr std::int32_t kMostComputedDays = 32767;
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;
constexpr int kThursday = 4;  // 1970-01-01

std::int64_t DaysToFirstYear()
{
    return DaysFromCivil(kFirstYear, 1, 1);
}

// Whole 365-day years taken out of days so that at most limit remain.
std::int32_t YearsAbove(std::int64_t days, std::int32_t limit)
{
    if (days <= limit) {
        return 0;
    }
    return static_cast<std::int32_t>((days - limit + kDaysPerFoldedYear - 1) / kDaysPerFoldedYear);
}

bool Shift(const DateTime& from, std::int64_t seconds, DateTime& to)
{
    std::int64_t ticks = 0;
    const std::int64_t limit = std::numeric_limits<std::int64_t>::max() / kTicksPerSecond;
    if (!TicksFromDateTime(from, ticks) || seconds > limit || seconds < -limit) {
        return false;
    }
    return DateTimeFromTicks(ticks + seconds * kTicksPerSecond, to);
}

}  // namespace

std::int64_t TimeInterval::ShownDays() const
{
    return days + kDaysPerFoldedYear * years;
}

std::int64_t TimeInterval::TotalSeconds() const
{
    return ((ShownDays() * 24 + hours) * kSecondsPerMinute + minutes) * kSecondsPerMinute + seconds;
}

bool TicksFromDateTime(const DateTime& moment, std::int64_t& ticks)
{
    const bool valid = moment.year >= kFirstYear && moment.year <= kLastYear && moment.month >= 1 &&
                       moment.day >= 1 && moment.day <= DaysInMonth(moment.year, moment.month) && moment.hour >= 0 &&
                       moment.hour < 24 && moment.minute >= 0 && moment.minute < 60 && moment.second >= 0 &&
                       moment.second < 60 && moment.milliseconds >= 0 && moment.milliseconds < 1000;
    if (!valid) {
        return false;
    }
    const std::int64_t days = DaysFromCivil(moment.year, moment.month, moment.day) - DaysToFirstYear();
    const std::int64_t seconds = days * kSecondsPerDay + moment.hour * kSecondsPerHour +
                                 moment.minute * kSecondsPerMinute + moment.second;
    ticks = seconds * kTicksPerSecond + moment.milliseconds * kTicksPerMillisecond;
    return true;
}

bool DateTimeFromTicks(std::int64_t ticks, DateTime& moment)
{
    if (ticks < 0) {
        return false;
    }
    const std::int64_t seconds = ticks / kTicksPerSecond;
    const std::int64_t days = seconds / kSecondsPerDay + DaysToFirstYear();
    DateTime result;
    CivilFromDays(days, result.year, result.month, result.day);
    if (result.year > kLastYear) {
        return false;
    }
    const std::int64_t secondOfDay = seconds % kSecondsPerDay;
    result.hour = static_cast<int>(secondOfDay / kSecondsPerHour);
    result.minute = static_cast<int>(secondOfDay % kSecondsPerHour / kSecondsPerMinute);
    result.second = static_cast<int>(secondOfDay % kSecondsPerMinute);
    result.milliseconds = static_cast<int>(ticks % kTicksPerSecond / kTicksPerMillisecond);
    result.dayOfWeek = static_cast<int>(((days % 7) + 7 + kThursday) % 7);
    moment = result;
    return true;
}

DateTimeInterval::DateTimeInterval(const DateTime& now)
{
    Reset(now);
    Shift(now, 1, end_);
}

void DateTimeInterval::Reset(const DateTime& now)
{
    start_ = now;
    end_ = now;
    interval_ = TimeInterval();
}

void DateTimeInterval::SetInterval(std::int32_t days, std::int32_t hours, std::int32_t minutes, std::int32_t seconds)
{
    const std::int32_t years = YearsAbove(days, kMostEnteredDays);
    interval_ = {years, static_cast<std::int32_t>(days - years * kDaysPerFoldedYear), hours, minutes, seconds};
}

bool DateTimeInterval::ComputeStart()
{
    return Shift(end_, -interval_.TotalSeconds(), start_);
}

bool DateTimeInterval::ComputeEnd()
{
    return Shift(start_, interval_.TotalSeconds(), end_);
}

bool DateTimeInterval::ComputeInterval()
{
    std::int64_t startTicks = 0;
    std::int64_t endTicks = 0;
    if (!TicksFromDateTime(start_, startTicks) || !TicksFromDateTime(end_, endTicks)) {
        return false;
    }
    const std::int64_t seconds = std::llabs(endTicks / kTicksPerSecond - startTicks / kTicksPerSecond);
    const std::int64_t days = seconds / kSecondsPerDay;
    const std::int32_t years = YearsAbove(days, kMostComputedDays);
    interval_ = {years, static_cast<std::int32_t>(days - years * kDaysPerFoldedYear),
                 static_cast<std::int32_t>(seconds % kSecondsPerDay / kSecondsPerHour),
                 static_cast<std::int32_t>(seconds % kSecondsPerHour / kSecondsPerMinute),
                 static_cast<std::int32_t>(seconds % kSecondsPerMinute)};
    return true;
}

}  // namespace tallyx
