#include <algorithm>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/keypad_geometry.h"
#include "engine/key_ids.h"
#include "frame_test_support.h"

namespace tallyx {
namespace {

class CalculatorWindowInputTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Open(480, 640); }
    Point IndicatorPoint(Indicator indicator)
    {
        return FrameHarness::Centre(harness.Keypad().Geometry().indicators[static_cast<std::size_t>(indicator)]);
    }
    std::wstring Title() { return harness.Host().Widget()->windowTitle().toStdWString(); }

    FrameHarness harness;
};

TEST_F(CalculatorWindowInputTest, PenSlidingOffAKeyFiresNothing)
{
    const Rect seven = *harness.KeyRect(L"7");
    harness.PenDown(FrameHarness::Centre(seven));
    EXPECT_TRUE(harness.Keypad().MainKeys()[1].Pressed());
    const Point outside{seven.right + 20, seven.bottom + 20};
    harness.PenMove(outside);
    EXPECT_FALSE(harness.Keypad().MainKeys()[1].Pressed());
    harness.PenUp(outside);
    FrameHarness::Settle();
    EXPECT_EQ(harness.Shown(), L"0.");
}

TEST_F(CalculatorWindowInputTest, KeyPressRepaintsOnlyTheKeyAndTheDisplay)
{
    const Rect five = *harness.KeyRect(L"5");
    FrameHarness::Settle();
    harness.Host().ClearInvalidationLog();
    harness.Tap(FrameHarness::Centre(five));
    const auto& log = harness.Host().InvalidationLog();
    ASSERT_FALSE(log.empty());
    const Rect display = harness.Keypad().Geometry().display;
    for (const Rect& rect : log) {
        EXPECT_TRUE(rect == five || rect == display) << rect.left << "," << rect.top << " " << rect.Width() << "x"
                                                     << rect.Height();
    }
    EXPECT_NE(std::find(log.begin(), log.end(), display), log.end());
}

TEST_F(CalculatorWindowInputTest, IndicatorTapsCycleNotationBaseAndWordSizeAndConvertTheAngle)
{
    for (const int notation :
         {NotationFixed, NotationScientific, NotationEngineering, NotationFractions, NotationNormal}) {
        harness.Tap(IndicatorPoint(IndicatorNotation));
        EXPECT_EQ(harness.Formatter().GetNotation(), notation);
    }
    harness.Type(L"180");
    harness.Tap(IndicatorPoint(IndicatorAngle));
    EXPECT_EQ(harness.Shown().substr(0, 7), L"3.14159");
    // The base cycles in the Base type only; outside base 10 the notation indicator sets the word size.
    harness.Tap(IndicatorPoint(IndicatorBase));
    EXPECT_EQ(harness.Engine().GetBase(), 10);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorBase));
    for (const int base : {16, 2, 8, 10, 16}) {
        harness.Tap(IndicatorPoint(IndicatorBase));
        EXPECT_EQ(harness.Engine().GetBase(), base);
    }
    harness.Engine().SetWordSize(64);
    for (const int bits : {8, 16, 32, 48, 8}) {
        harness.Tap(IndicatorPoint(IndicatorNotation));
        EXPECT_EQ(harness.Engine().GetWordSize(), bits);
    }
}

struct MemoryViewCase {
    const char* name;
    bool advanced;
    int base;
    const wchar_t* stored;  // none: nothing stored
    const wchar_t* shown;   // none: no message
};

TEST(CalculatorWindowMemoryView, MemoryIndicatorShowsTheMemoriesInTheCurrentBase)
{
    const MemoryViewCase cases[] = {
        {"nothing stored", false, 10, nullptr, nullptr},
        {"plain memory", false, 10, L"255", L"Memory: 255"},
        {"plain memory in hex", false, 16, L"255", L"Memory: FF"},
        {"every memory in hex", true, 16, L"255",
         L"Memory0: FF\r\nMemory1: 0\r\nMemory2: 0\r\nMemory3: 0\r\nMemory4: 0\r\n"
         L"Memory5: 0\r\nMemory6: 0\r\nMemory7: 0\r\nMemory8: 0\r\nMemory9: 0\r\n"},
    };
    for (const MemoryViewCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameHarness harness;
        harness.registry.WriteDword(kTallyxKey, L"AdvMem", c.advanced ? 1 : 0);
        harness.Open(480, 640);
        if (c.stored) {
            harness.Type(c.stored);
            harness.Engine().PressButton(ButtonTypeMemory, MemoryKeyFirstStore);
        }
        ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorBase));
        harness.Engine().PressButton(ButtonTypeBase, c.base);
        harness.Tap(FrameHarness::Centre(harness.Keypad().Geometry().indicators[IndicatorMemory]));
        if (!c.shown) {
            EXPECT_TRUE(harness.notifier.messages.empty());
            continue;
        }
        ASSERT_EQ(harness.notifier.messages.size(), 1u);
        EXPECT_EQ(harness.notifier.messages[0].caption, L"Tallyx Memory");
        EXPECT_EQ(harness.notifier.messages[0].text, c.shown);
    }
}

struct CycleCase {
    int from;
    std::uint32_t key;
    int to;
};

TEST_F(CalculatorWindowInputTest, CursorKeysCycleTheTypes)
{
    const CycleCase cases[] = {
        {CalculatorStandard, VK_LEFT, CalculatorStatistics}, {CalculatorStatistics, VK_RIGHT, CalculatorStandard},
        {CalculatorStandard, VK_RIGHT, CalculatorScientific}, {CalculatorBase, VK_LEFT, CalculatorScientific},
    };
    for (const CycleCase& c : cases) {
        ASSERT_TRUE(harness.Calculator().SwitchType(c.from));
        harness.KeyUp(c.key);
        EXPECT_EQ(harness.Calculator().CurrentType(), c.to) << c.from;
        EXPECT_EQ(Title(), WindowTitleFor(c.to));
    }
}

TEST(CalculatorWindowRpn, ScientificFollowsRpnEntry)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcMode", CalcModeRpn);
    harness.Open(480, 640);
    harness.KeyUp(VK_RIGHT);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorScientificRpn);
    EXPECT_EQ(harness.Host().Widget()->windowTitle().toStdWString(), L"Tallyx - Scientific");
    harness.Frame().WindowProcedure(WM_COMMAND, 32770, 0);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorScientificRpn);
    harness.KeyUp(VK_LEFT);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorStandard);
}

TEST_F(CalculatorWindowInputTest, SecondKeyShowsTheOtherKeySet)
{
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorScientific));
    EXPECT_EQ(std::wstring(harness.Keypad().AlternateKeys()[7].Button().caption), L"sin");
    harness.TapKeys({L"2ndF"});
    EXPECT_EQ(std::wstring(harness.Keypad().AlternateKeys()[7].Button().caption), L"asin");
    harness.TapKeys({L"Hyp"});
    EXPECT_EQ(std::wstring(harness.Keypad().AlternateKeys()[7].Button().caption), L"asnh");
}

struct TypedCase {
    int base;
    std::wstring_view typed;
    std::wstring_view shown;
};

TEST_F(CalculatorWindowInputTest, TypedCharactersPressKeys)
{
    const TypedCase cases[] = {
        {10, L"12+30=", L"42."}, {10, L"7*6\r", L"42."}, {10, L"45$", L"0."},
        {10, L"0c", L"1."},      {16, L"c", L"C"},
    };
    for (const TypedCase& c : cases) {
        ASSERT_TRUE(harness.Calculator().SwitchType(c.base == 10 ? CalculatorStandard : CalculatorBase));
        harness.Engine().PressButton(ButtonTypeBase, c.base);
        harness.Engine().PressButton(ButtonTypeClear, 1);
        harness.Type(c.typed);
        EXPECT_EQ(harness.Shown(), c.shown) << std::wstring(c.typed);
    }
    // Typed keys the engine refuses do not count towards the refused-key message.
    harness.Type(L"=====");
    EXPECT_EQ(harness.Engine().UnusableCount(), 0);
    EXPECT_TRUE(harness.notifier.messages.empty());
}

TEST_F(CalculatorWindowInputTest, MenuCommandsSwitchTypesAndTheMiddleSoftKeyGoesBack)
{
    const std::pair<std::uint32_t, int> cases[] = {{32771, CalculatorBase},
                                                   {20200, CalculatorGraphing},
                                                   {20196, CalculatorConstants},
                                                   {32769, CalculatorStandard}};
    for (const auto& [command, type] : cases) {
        harness.Frame().WindowProcedure(WM_COMMAND, command, 0);
        EXPECT_EQ(harness.Calculator().CurrentType(), type) << command;
    }
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorFinancial));
    harness.Tap(FrameHarness::Centre(harness.Keypad().Geometry().softKeyMiddle));
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorStandard);
}

}  // namespace
}  // namespace tallyx
