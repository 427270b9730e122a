#include "worksheets/date_model.h"

#include <cstdlib>
#include <tuple>

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/calendar.h"
#include "worksheets/date_worksheet.h"

namespace tallyx {
namespace {

struct DayCountCase {
    CalendarDate start, end;
    std::int32_t actual, days360;
};

TEST(DateModelTest, ActualAnd360DayCounts)
{
    const DayCountCase cases[] = {
        {{2008, 1, 1}, {2008, 12, 31}, 365, 359},
        {{2009, 3, 1}, {2008, 3, 1}, 365, -360},
        {{2009, 1, 31}, {2009, 2, 28}, 28, 28},
        {{2008, 2, 29}, {2008, 3, 1}, 1, 2},
        {{1900, 2, 28}, {1900, 3, 1}, 1, 3},
        {{1, 1, 1}, {3000, 12, 31}, 1095726, 1079999},
        {{2026, 12, 6}, {2026, 12, 6}, 0, 0},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(ActualDayCount(example.start, example.end), example.actual) << example.start.year;
        EXPECT_EQ(DayCount360(example.start, example.end), example.days360) << example.start.year;
    }
}

TEST(DateModelTest, ActualDaysAgreeWithTheCalendarEverywhere)
{
    const CalendarDate anchor{2000, 3, 1};
    for (int year = 1; year <= 3000; year += 7) {
        for (int month = 1; month <= 12; month += 5) {
            const CalendarDate date{year, month, 28};
            const auto days = DaysFromCivil(date.year, date.month, date.day) - DaysFromCivil(2000, 3, 1);
            EXPECT_EQ(ActualDayCount(anchor, date), std::llabs(days)) << year << '-' << month;
        }
    }
}

struct ClampCase {
    void (DateModel::*set)(DateModel::Side, std::int32_t);
    std::int32_t entered;
    CalendarDate held;
};

TEST(DateModelTest, SettersClampAndTheDayFollowsItsMonth)
{
    // Each step starts where the previous one left the model, from 2009-04-15.
    const ClampCase steps[] = {
        {&DateModel::SetDay, 31, {2009, 4, 30}},    {&DateModel::SetMonth, -3, {2009, 1, 30}},
        {&DateModel::SetMonth, 15, {2009, 12, 30}}, {&DateModel::SetYear, 3500, {3000, 12, 30}},
        {&DateModel::SetYear, -5, {0, 12, 30}},     {&DateModel::SetDay, -2, {0, 12, 1}},
        {&DateModel::SetYear, 2008, {2008, 12, 1}}, {&DateModel::SetMonth, 2, {2008, 2, 1}},
        {&DateModel::SetDay, 29, {2008, 2, 29}},    {&DateModel::SetYear, 2009, {2009, 2, 28}},
        {&DateModel::SetMonth, 0, {2009, 0, 0}},
    };
    DateModel model(DateTime{2009, 4, 15});
    for (const auto& step : steps) {
        (model.*step.set)(DateModel::Side::Start, step.entered);
        const CalendarDate& held = model.Date(DateModel::Side::Start);
        EXPECT_EQ(std::tuple(held.year, held.month, held.day), std::tuple(step.held.year, step.held.month, step.held.day))
            << step.entered;
    }
    EXPECT_EQ(model.Date(DateModel::Side::End).day, 15);
}

TEST(DateWorksheetTest, CalcOnADateJumpsToTheThirtyDayCount)
{
    FreshRegistry fresh;
    FixedClock clock(DateTime{2009, 1, 31});
    PlatformServices services = Platform();
    services.clock = &clock;
    const ScopedPlatform platform(services);
    RecordingHost host;
    DateWorksheet sheet(WorksheetOptions{});
    sheet.Attach(host);
    sheet.BuildCells();
    EXPECT_EQ(Shown(sheet, L"End Day"), L"31");
    TypeInto(sheet, L"End Month", L"2");
    EXPECT_EQ(Shown(sheet, L"End Day"), L"28");
    sheet.TapCell(CellNamed(sheet, L"End Day"));
    sheet.TakeDisplayText(L"28");
    sheet.Calculate();
    EXPECT_EQ(Shown(sheet, L"Difference"), L"28");
    EXPECT_EQ(Shown(sheet, L"Diff. 360"), L"28");
    EXPECT_EQ(sheet.HighlightedCell(), CellNamed(sheet, L"Diff. 360"));
    EXPECT_EQ(host.display, L"28");
    EXPECT_EQ(host.flashes, 1);
}

}  // namespace
}  // namespace tallyx
