#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace tallyx {

// Days, hours, minutes and seconds between two moments. Very long spans keep
// part of their days as 365-day years, so that the day count stays within
// what the day box holds; ShownDays() puts them back.
struct TimeInterval {
    std::int32_t years = 0;
    std::int32_t days = 0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    std::int64_t ShownDays() const;
    std::int64_t TotalSeconds() const;
};

// The date and time panel's model: a start, an end and the interval between
// them; any one computes from the other two. A result outside the calendar
// the platform handles (years 1601 to 30827) leaves the model unchanged and
// the computation answers false.
class DateTimeInterval {
public:
    // Starts now and ends a second later.
    explicit DateTimeInterval(const DateTime& now);
    // Start and end now, no interval.
    void Reset(const DateTime& now);

    const DateTime& Start() const { return start_; }
    const DateTime& End() const { return end_; }
    const TimeInterval& Interval() const { return interval_; }

    void SetStart(const DateTime& start) { start_ = start; }
    void SetEnd(const DateTime& end) { end_ = end; }
    // As typed into the four boxes.
    void SetInterval(std::int32_t days, std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

    bool ComputeStart();     // end less the interval
    bool ComputeEnd();       // start plus the interval
    bool ComputeInterval();  // between start and end, whole seconds, either order

private:
    DateTime start_;
    DateTime end_;
    TimeInterval interval_;
};

// Moments as 100-nanosecond ticks since 1601-01-01, the platform's file time.
bool TicksFromDateTime(const DateTime& moment, std::int64_t& ticks);
bool DateTimeFromTicks(std::int64_t ticks, DateTime& moment);

}  // namespace tallyx
