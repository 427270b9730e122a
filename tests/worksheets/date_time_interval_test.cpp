#include "worksheets/date_time_interval.h"

#include <tuple>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

DateTime Moment(int year, int month, int day, int hour, int minute, int second)
{
    return {.year = year, .month = month, .day = day, .hour = hour, .minute = minute, .second = second};
}

void ExpectMoment(const DateTime& actual, const DateTime& expected)
{
    EXPECT_EQ(std::tuple(actual.year, actual.month, actual.day, actual.hour, actual.minute, actual.second),
              std::tuple(expected.year, expected.month, expected.day, expected.hour, expected.minute, expected.second));
}

struct ShiftCase {
    DateTime start;
    std::int32_t days, hours, minutes, seconds;
    DateTime end;
};

TEST(DateTimeIntervalTest, EndAndStartMoveByTheInterval)
{
    const ShiftCase cases[] = {
        {Moment(2008, 2, 28, 23, 59, 59), 0, 0, 0, 1, Moment(2008, 2, 29, 0, 0, 0)},
        {Moment(1999, 12, 31, 0, 0, 0), 0, 48, 90, 75, Moment(2000, 1, 2, 1, 31, 15)},
        {Moment(2000, 1, 1, 0, 0, 0), 40000, 0, 0, 0, Moment(2109, 7, 8, 0, 0, 0)},
    };
    for (const auto& example : cases) {
        DateTimeInterval model(example.start);
        model.SetStart(example.start);
        model.SetInterval(example.days, example.hours, example.minutes, example.seconds);
        ASSERT_TRUE(model.ComputeEnd());
        ExpectMoment(model.End(), example.end);
        model.SetStart(DateTime{});
        ASSERT_TRUE(model.ComputeStart());
        ExpectMoment(model.Start(), example.start);
    }
    // Created spanning one second, into a new year's day that was a Friday.
    const DateTimeInterval created(Moment(2009, 12, 31, 23, 59, 59));
    ExpectMoment(created.End(), Moment(2010, 1, 1, 0, 0, 0));
    EXPECT_EQ(created.End().dayOfWeek, 5);
}

TEST(DateTimeIntervalTest, IntervalIsPositiveEitherWayAndInWholeSeconds)
{
    DateTime start = Moment(2009, 12, 5, 10, 0, 0);
    start.milliseconds = 900;
    DateTime end = Moment(2009, 12, 6, 12, 30, 15);
    for (int swap = 0; swap < 2; ++swap) {
        DateTimeInterval model(start);
        model.SetStart(swap ? end : start);
        model.SetEnd(swap ? start : end);
        ASSERT_TRUE(model.ComputeInterval());
        EXPECT_EQ(model.Interval().ShownDays(), 1);
        EXPECT_EQ(model.Interval().hours, 2);
        EXPECT_EQ(model.Interval().minutes, 30);
        EXPECT_EQ(model.Interval().seconds, 15);
    }
    DateTimeInterval far(Moment(1700, 1, 1, 0, 0, 0));
    far.SetEnd(Moment(2000, 1, 1, 0, 0, 0));
    ASSERT_TRUE(far.ComputeInterval());
    EXPECT_LE(far.Interval().days, 32767);
    EXPECT_EQ(far.Interval().ShownDays(), 109572);
}

TEST(DateTimeIntervalTest, UnconvertibleTimesLeaveTheResultAlone)
{
    const DateTime start = Moment(2009, 12, 5, 10, 0, 0);
    DateTimeInterval model(start);
    const DateTime end = model.End();
    model.SetStart(Moment(2009, 12, 5, 10, 0, 60));
    EXPECT_FALSE(model.ComputeEnd());
    ExpectMoment(model.End(), end);
    model.SetStart(Moment(1601, 1, 1, 0, 0, 0));
    model.SetInterval(0, 0, 0, -1);
    EXPECT_FALSE(model.ComputeEnd());
    model.SetEnd(Moment(2009, 2, 29, 0, 0, 0));
    EXPECT_FALSE(model.ComputeInterval());
}

}  // namespace
}  // namespace tallyx
