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

class CalculatorWindowMenuTest : public ::testing::Test {
protected:
    void SetUp() override { harness.Open(480, 640); }
    void TearDown() override { harness.Calculator().Menu().Close(); }
    PopupMenuWindow& Menu() { return harness.Calculator().Menu(); }

    FrameHarness harness;
};

TEST_F(CalculatorWindowMenuTest, FileSoftKeyOpensTheFileMenu)
{
    harness.Tap(FrameHarness::Centre(harness.Keypad().Geometry().softKeyLeft));
    ASSERT_TRUE(Menu().IsOpen());
    EXPECT_EQ(Texts(Menu()), (std::vector<std::wstring>{L"Copy", L"Paste", L"Update Currencies", L"Help...", L"About...",
                                                        L"Options...", L"Exit"}));
}

TEST_F(CalculatorWindowMenuTest, FileMenuOffersTheTapeWhileItRecords)
{
    harness.Engine().SetTapeRecording(true);
    harness.Calculator().ShowFileMenu();
    const auto texts = Texts(Menu());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"View Tape..."), texts.end());
    harness.Engine().SetTapeRecording(false);
}

TEST_F(CalculatorWindowMenuTest, TypeMenuChecksTheCurrentType)
{
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorScientific));
    harness.Tap(FrameHarness::Centre(harness.Keypad().Geometry().softKeyRight));
    ASSERT_TRUE(Menu().IsOpen());
    for (const MenuEntry& entry : Menu().List().Entries()) {
        EXPECT_EQ(entry.Checked(), entry.text == L"Scientific") << std::wstring(entry.text);
    }
}

TEST_F(CalculatorWindowMenuTest, HoldingThePenOffTheKeysOpensCopyAndPaste)
{
    const Point gap{2, 400};  // the margin left of the main keys
    harness.PenDown(gap);
    harness.Frame().WindowProcedure(WM_TIMER, KeypadView::kHoldTimer, 0);
    ASSERT_TRUE(Menu().IsOpen());
    EXPECT_EQ(Texts(Menu()), (std::vector<std::wstring>{L"Copy", L"Paste"}));
}

TEST_F(CalculatorWindowMenuTest, HoldingAKeyPressesItInstead)
{
    harness.PenDown(FrameHarness::Centre(*harness.KeyRect(L"8")));
    harness.Frame().WindowProcedure(WM_TIMER, KeypadView::kHoldTimer, 0);
    EXPECT_FALSE(Menu().IsOpen());
    harness.PenUp(FrameHarness::Centre(*harness.KeyRect(L"8")));
    FrameHarness::Settle();
    EXPECT_EQ(harness.Shown(), L"8.");
}

TEST_F(CalculatorWindowMenuTest, RightButtonOpensCopyAndPaste)
{
    harness.Frame().WindowProcedure(WM_RBUTTONUP, 0, MakePointParameter(200, 300));
    ASSERT_TRUE(Menu().IsOpen());
    EXPECT_EQ(Menu().List().Entries().size(), 2u);
}

TEST(CalculatorWindowRpnMenu, DisplayTapListsTheStack)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcMode", CalcModeRpn);
    harness.Open(480, 640);
    harness.Type(L"5\r7");
    const Rect display = harness.Keypad().Geometry().display;
    harness.Tap({display.right - 10, display.bottom - 10});
    PopupMenuWindow& menu = harness.Calculator().Menu();
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

}  // namespace
}  // namespace tallyx
