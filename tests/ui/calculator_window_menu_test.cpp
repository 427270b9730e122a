#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "frame_test_support.h"

namespace tallyx {
namespace {

std::vector<std::wstring> Texts(const PopupMenuWindow& menu)
{
    std::vector<std::wstring> texts;
    for (const MenuEntry& entry : menu.List().Entries()) {
        if (entry.kind != MenuEntryKind::Separator) texts.push_back(entry.text);
    }
    return texts;
}

class KeypadPanelMenuTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Open(480, 640); }
    void TearDown() override { harness.Keypad().Menu().Close(); }
    PopupMenuWindow& Menu() { return harness.Keypad().Menu(); }

    FrameHarness harness;
};

TEST_F(KeypadPanelMenuTest, FileSoftKeyOpensTheFileMenu)
{
    harness.Tap(FrameHarness::Centre(harness.Keypad().Geometry().softKeyLeft));
    ASSERT_TRUE(Menu().IsOpen());
    EXPECT_EQ(Texts(Menu()), (std::vector<std::wstring>{L"Copy", L"Paste", L"Update Currencies", L"Help...", L"About...",
                                                        L"Options...", L"Exit"}));
}

TEST_F(KeypadPanelMenuTest, FileMenuOffersTheTapeWhileItRecords)
{
    harness.Engine().SetTapeRecording(true);
    harness.Keypad().ShowFileMenu();
    const auto texts = Texts(Menu());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"View Tape..."), texts.end());
    harness.Engine().SetTapeRecording(false);
}

TEST_F(KeypadPanelMenuTest, TypeMenuChecksTheCurrentType)
{
    ASSERT_TRUE(harness.Keypad().SwitchType(CalculatorScientific));
    harness.Tap(FrameHarness::Centre(harness.Keypad().Geometry().softKeyRight));
    ASSERT_TRUE(Menu().IsOpen());
    for (const MenuEntry& entry : Menu().List().Entries()) {
        EXPECT_EQ(entry.Checked(), entry.text == L"Scientific") << std::wstring(entry.text);
    }
}

TEST_F(KeypadPanelMenuTest, HoldingThePenOffTheKeysOpensCopyAndPaste)
{
    const Point gap{2, 400};  // the margin left of the main keys
    harness.PenDown(gap);
    harness.Frame().WindowProcedure(WM_TIMER, KeypadPanel::kHoldTimer, 0);
    ASSERT_TRUE(Menu().IsOpen());
    EXPECT_EQ(Texts(Menu()), (std::vector<std::wstring>{L"Copy", L"Paste"}));
}

TEST_F(KeypadPanelMenuTest, HoldingAKeyPressesItInstead)
{
    harness.PenDown(FrameHarness::Centre(*harness.KeyRect(L"8")));
    harness.Frame().WindowProcedure(WM_TIMER, KeypadPanel::kHoldTimer, 0);
    EXPECT_FALSE(Menu().IsOpen());
    harness.PenUp(FrameHarness::Centre(*harness.KeyRect(L"8")));
    FrameHarness::Settle();
    EXPECT_EQ(harness.Shown(), L"8.");
}

TEST_F(KeypadPanelMenuTest, RightButtonOpensCopyAndPaste)
{
    harness.Frame().WindowProcedure(WM_RBUTTONUP, 0, MakePointParameter(200, 300));
    ASSERT_TRUE(Menu().IsOpen());
    EXPECT_EQ(Menu().List().Entries().size(), 2u);
}

TEST(KeypadPanelRpnMenu, DisplayTapListsTheStack)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcMode", CalcModeRpn);
    harness.Open(480, 640);
    harness.Type(L"5\r7");
    const Rect display = harness.Keypad().Geometry().display;
    harness.Tap({display.right - 10, display.bottom - 10});
    PopupMenuWindow& menu = harness.Keypad().Menu();
    ASSERT_TRUE(menu.IsOpen());
    const auto texts = Texts(menu);
    ASSERT_EQ(texts.size(), 5u);  // the title and four levels
    EXPECT_EQ(texts[0], L"RPN Stack");
    EXPECT_EQ(texts[1].substr(0, 2), L"T:");
    EXPECT_EQ(texts[3], L"Y: 5.");
    EXPECT_EQ(texts[4], L"X: 7.");
    for (const MenuEntry& entry : menu.List().Entries()) EXPECT_FALSE(entry.Choosable());
    menu.Close();
}

TEST(KeypadPanelOptions, AcceptedOptionsRebuildAndLastIntoTheNextFrame)
{
    OptionsRecord record;
    RegistryData saved;
    {
        FrameHarness harness;
        harness.Open(480, 640);
        ASSERT_TRUE(harness.Keypad().SwitchType(CalculatorScientific));
        record = harness.Keypad().CurrentOptions();
        record[OptionCalculatorMode] = CalcModeRpn;
        record[OptionSkin] = 1;
        record[OptionNotation] = NotationEngineering;
        record[OptionRpnStackSize] = 50;
        record[OptionAdvancedMemory] = 1;
        harness.Keypad().ApplyOptions(record);
        EXPECT_EQ(harness.Keypad().CurrentType(), CalculatorScientificRpn);
        EXPECT_EQ(harness.Engine().GetMode(), CalcModeRpn);
        EXPECT_EQ(harness.Keypad().Layouts().SkinIndex(), 1);
        EXPECT_EQ(harness.Formatter().GetNotation(), NotationEngineering);
        ASSERT_TRUE(harness.Keypad().SwitchType(CalculatorStandard));
        EXPECT_TRUE(harness.KeyRect(L"Enter").has_value());
        EXPECT_TRUE(harness.KeyRect(L"STO").has_value());
        EXPECT_FALSE(harness.KeyRect(L"MS").has_value());
        // Taken before the frame's own save at exit: OK alone must have stored the options.
        saved = harness.registry.Data();
    }
    FrameHarness next;
    next.registry.Data() = saved;
    next.Open(480, 640);
    EXPECT_EQ(next.Keypad().CurrentOptions(), record);
}

}  // namespace
}  // namespace tallyx
