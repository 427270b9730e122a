#include "app/mode_panels/date_panel.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/mode_panels/local_time.h"
#include "app/options_record.h"
#include "engine/button_types.h"
#include "engine/key_ids.h"
#include "frame_test_support.h"
#include "scripted_frame.h"

namespace tallyx {
namespace {

DateTime Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return {year, month, day, 0, hour, minute, second, 0};
}

// Runs with the process in a time zone of its choice, and puts the old one back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (previous_) {
            setenv("TZ", previous_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> previous_;
};

// Central Europe: an hour ahead in winter, two in summer; no zone files needed.
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

TEST(LocalTime, ConvertsWithTheOffsetOfThatMoment)
{
    const ScopedTimeZone zone(kCentralEurope);
    struct Case {
        const char* name;
        DateTime universal;
        DateTime local;
    };
    const Case cases[] = {
        {"winter", Moment(2009, 12, 5, 9), Moment(2009, 12, 5, 10)},
        {"summer", Moment(2009, 7, 1, 8), Moment(2009, 7, 1, 10)},
        {"over midnight", Moment(2009, 12, 31, 23, 30), Moment(2010, 1, 1, 0, 30)},
        {"far past", Moment(1700, 3, 1, 12), Moment(1700, 3, 1, 13)},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        DateTime local;
        ASSERT_TRUE(LocalFromUniversal(item.universal, local));
        EXPECT_EQ((std::tuple{local.year, local.month, local.day, local.hour, local.minute}),
                  (std::tuple{item.local.year, item.local.month, item.local.day, item.local.hour, item.local.minute}));
        DateTime universal;
        ASSERT_TRUE(UniversalFromLocal(item.local, universal));
        EXPECT_EQ((std::tuple{universal.year, universal.month, universal.day, universal.hour, universal.minute}),
                  (std::tuple{item.universal.year, item.universal.month, item.universal.day, item.universal.hour,
                              item.universal.minute}));
    }
    DateTime ignored;
    EXPECT_FALSE(UniversalFromLocal(Moment(2009, 4, 31, 12), ignored));
    EXPECT_FALSE(LocalFromUniversal(Moment(2009, 2, 30, 12), ignored));
}

class DatePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.registry.WriteDword(kTallyxKey, L"CalcType", CalculatorDateTime);
        harness.Open(480, 640);
        auto panel = std::make_unique<DatePanel>(clock);
        date = panel.get();
        harness.Calculator().ReplaceModePanel(CalculatorDateTime, std::move(panel));
    }
    ChildControl& Named(const std::wstring& name)
    {
        for (ChildControl* control : date->Controls()) {
            if (control->Identity().name == name) return *control;
        }
        ADD_FAILURE() << "no control";
        return *date->Controls().front();
    }
    EditBox& Box(const std::wstring& name) { return static_cast<EditBox&>(Named(name)); }
    void SetMoment(const std::wstring& group, const DateTime& local)
    {
        ASSERT_TRUE(static_cast<DatePicker&>(Named(group + L"date")).SetDate(local));
        ASSERT_TRUE(static_cast<TimePicker&>(Named(group + L"time")).SetTime(local));
    }
    void SetInterval(int days, int hours, int minutes, int seconds)
    {
        Box(L"days").SetText(std::to_wstring(days));
        Box(L"hours").SetText(std::to_wstring(hours));
        Box(L"minutes").SetText(std::to_wstring(minutes));
        Box(L"seconds").SetText(std::to_wstring(seconds));
    }
    std::string Listing(const std::vector<std::string>& words) { return PlayScript(harness, words); }
    void Key(std::int32_t type, std::int32_t id)
    {
        harness.Frame().WindowProcedure(1147, static_cast<std::uintptr_t>(type), id);
    }

    FixedClock clock{Moment(2026, 3, 1, 8, 30, 15)};
    FrameHarness harness;
    DatePanel* date = nullptr;
};

TEST_F(DatePanelTest, ComputationsGiveTheCalendarsAnswers)
{
    struct Case {
        const char* name;
        DateTime start;
        DateTime end;
        std::array<int, 4> interval;
        DateGroup computed;
        std::string listed;
    };
    const Case cases[] = {
        {"end from start", Moment(2009, 12, 5, 10), Moment(2000, 1, 1), {1, 2, 0, 0}, DateGroupEnd,
         "end \"2009-12-06 12:00:00\""},
        {"start from end", Moment(2000, 1, 1), Moment(2009, 12, 6, 12), {1, 2, 0, 0}, DateGroupStart,
         "start \"2009-12-05 10:00:00\""},
        {"interval", Moment(2009, 12, 5, 10), Moment(2009, 12, 6, 12, 30, 15), {}, DateGroupInterval,
         "interval 1 2 30 15"},
        {"interval with start after end", Moment(2009, 12, 6, 12, 30, 15), Moment(2009, 12, 5, 10), {},
         DateGroupInterval, "interval 1 2 30 15"},
        {"40000 days forward", Moment(1900, 1, 1, 6), Moment(2000, 1, 1), {40000, 0, 0, 0}, DateGroupEnd,
         "end \"2009-07-08 06:00:00\""},
        {"more than 32767 days between", Moment(1900, 1, 1, 6), Moment(2009, 7, 8, 6), {}, DateGroupInterval,
         "interval 40000 0 0 0"},
        {"hours past a day carry over", Moment(2009, 12, 5, 10), Moment(2000, 1, 1), {0, 50, 0, 0}, DateGroupEnd,
         "end \"2009-12-07 12:00:00\""},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        SetMoment(L"start", item.start);
        SetMoment(L"end", item.end);
        SetInterval(item.interval[0], item.interval[1], item.interval[2], item.interval[3]);
        EXPECT_TRUE(date->Compute(item.computed));
        EXPECT_NE(Listing({}).find(item.listed), std::string::npos) << Listing({});
    }
}

TEST_F(DatePanelTest, AResultBeyondThePickersLeavesThemAlone)
{
    SetMoment(L"start", Moment(9999, 12, 30));
    SetInterval(5, 0, 0, 0);
    const std::wstring before = Named(L"enddate").ValueText();
    EXPECT_FALSE(date->Compute(DateGroupEnd));
    EXPECT_EQ(Named(L"enddate").ValueText(), before);
    EXPECT_NE(Listing({}).find("status \"End Date/Time: Out of range\"\n"), std::string::npos);
    // A day count too large for any calendar is refused, not wrapped.
    Box(L"days").SetText(L"9999999999");
    EXPECT_FALSE(date->Compute(DateGroupEnd));
    EXPECT_EQ(Named(L"enddate").ValueText(), before);
    // The next computation that works clears the message.
    SetInterval(0, 1, 0, 0);
    SetMoment(L"start", Moment(2009, 12, 5, 10));
    EXPECT_TRUE(date->Compute(DateGroupEnd));
    EXPECT_EQ(Listing({}).find("status "), std::string::npos);
}

TEST_F(DatePanelTest, KeypadTypesIntoTheFocusedBoxAndResetStartsAfresh)
{
    SetInterval(0, 0, 0, 0);
    Box(L"hours").SetText(L"");
    Named(L"hours").Focus();
    FrameHarness::Settle();
    for (const int digit : {1, 2, 7}) Key(ButtonTypeEntry, digit);
    Key(ButtonTypeClear, ClearKeyBackSpace);
    EXPECT_EQ(Box(L"hours").Text(), L"12");
    // Keys that mean nothing here do not reach the calculator.
    Key(ButtonTypeOperator, 0);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorDateTime);

    Key(ButtonTypeClear, ClearKeyReset);
    EXPECT_EQ(Box(L"hours").Text(), L"0");
    // The clock's UTC moment shows in local time.
    DateTime local;
    ASSERT_TRUE(LocalFromUniversal(clock.SystemTime(), local));
    char now[32];
    std::snprintf(now, sizeof now, "\"%04d-%02d-%02d %02d:%02d:%02d\"", local.year, local.month, local.day, local.hour,
                  local.minute, local.second);
    EXPECT_TRUE(ListsInOrder(Listing({}), {"panel date", std::string("start ") + now, std::string("end ") + now,
                                           "interval 0 0 0 0"}));
}

TEST_F(DatePanelTest, HeadlessKeysReachTheFocusedBox)
{
    const Rect minutes = Named(L"minutes").Placement();
    const std::string at =
        std::to_string(minutes.left + minutes.Width() / 2) + "," + std::to_string(minutes.top + minutes.Height() / 2);
    Box(L"minutes").SetText(L"");
    const std::string listing = Listing({"tap", at, "key", "4", "key", "5"});
    EXPECT_TRUE(ListsInOrder(listing, {"window calculator 7", "panel date", "compute start ", "compute interval ",
                                       "compute end ", "control edit minutes \"45\" ", "focus minutes"}));
    EXPECT_EQ(listing.find("display "), std::string::npos);
}

TEST_F(DatePanelTest, ControlsHideWithThePanelAndKeepWhatTheyHeld)
{
    SetInterval(3, 4, 5, 6);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorStandard));
    for (const ChildControl* control : date->Controls()) EXPECT_FALSE(control->IsVisible());
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorDateTime));
    for (const ChildControl* control : date->Controls()) EXPECT_TRUE(control->IsVisible());
    EXPECT_EQ(Box(L"seconds").Text(), L"6");
    // A new skin re-attaches the panel: its keys are built again, its controls stay.
    const std::size_t keys = date->Keypad().Keys().size();
    OptionsRecord record = harness.Calculator().CurrentOptions();
    record[OptionSkin] = (record[OptionSkin] + 1) % 5;
    harness.Calculator().ApplyOptions(record);
    EXPECT_EQ(date->Keypad().Keys().size(), keys);
    EXPECT_EQ(keys, 12u);
    for (const ChildControl* control : date->Controls()) EXPECT_TRUE(control->IsVisible());
    EXPECT_EQ(Box(L"seconds").Text(), L"6");
}

}  // namespace
}  // namespace tallyx
