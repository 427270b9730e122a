#include <memory>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "frame_test_support.h"
#include "tests/ui/panel_double.h"

namespace tallyx {
namespace {

// A frame whose unit converter is a double.
class CalculatorWindowModePanelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.Open(480, 640);
        auto panel = std::make_unique<PanelDouble>();
        units = panel.get();
        harness.Calculator().ReplaceModePanel(CalculatorUnits, std::move(panel));
    }
    void Press(std::uint32_t key)
    {
        harness.Frame().WindowProcedure(WM_KEYDOWN, key, 0);
        if (key == VK_RETURN) harness.Type(L"\r");
        harness.Frame().WindowProcedure(WM_KEYUP, key, 0);
    }

    FrameHarness harness;
    PanelDouble* units = nullptr;
};

struct RoutedKeyCase {
    const char* name;
    std::uint32_t key;
    bool takesDown;
    bool takesUp;
    int typeAfter;
    std::wstring_view shownAfter;
};

TEST_F(CalculatorWindowModePanelsTest, CursorKeysAndReturnGoToTheCurrentPanelFirst)
{
    const RoutedKeyCase cases[] = {
        {"right taken", VK_RIGHT, true, true, CalculatorUnits, L"3."},
        {"left taken on key-down only", VK_LEFT, true, false, CalculatorUnits, L"3."},
        {"up taken on key-up only", VK_UP, false, true, CalculatorUnits, L"3."},
        {"return taken: no equals", VK_RETURN, true, false, CalculatorUnits, L"3."},
        {"return left: equals", VK_RETURN, false, false, CalculatorUnits, L"5."},
        {"right left: the next type", VK_RIGHT, false, false, CalculatorCurrencies, L"3."},
    };
    for (const RoutedKeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorUnits));
        harness.Type(L"$2+3");
        units->takesDown = c.takesDown ? std::set<std::uint32_t>{c.key} : std::set<std::uint32_t>{};
        units->takesUp = c.takesUp ? std::set<std::uint32_t>{c.key} : std::set<std::uint32_t>{};
        units->seen.clear();
        Press(c.key);
        EXPECT_EQ(harness.Calculator().CurrentType(), c.typeAfter);
        EXPECT_EQ(harness.Shown(), c.shownAfter);
        EXPECT_EQ(units->seen, (std::vector<std::pair<bool, std::uint32_t>>{{true, c.key}, {false, c.key}}));
    }
}

TEST_F(CalculatorWindowModePanelsTest, OtherKeysAndOtherTypesLeaveThePanelAlone)
{
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorUnits));
    Press(VK_F2);
    EXPECT_TRUE(units->seen.empty());
    harness.Calculator().Menu().Close();
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorStandard));
    units->takesDown = {VK_RIGHT};
    Press(VK_RIGHT);
    EXPECT_TRUE(units->seen.empty());
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorScientific);
}

TEST_F(CalculatorWindowModePanelsTest, ReturnTakenByAPanelLeftBehindDoesNotSwallowTheNextOnes)
{
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorUnits));
    units->takesDown = {VK_RETURN};
    harness.Frame().WindowProcedure(WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorStandard));
    harness.Frame().WindowProcedure(WM_KEYUP, VK_RETURN, 0);
    harness.Type(L"2+3");
    Press(VK_RETURN);
    EXPECT_EQ(harness.Shown(), L"5.");
}

TEST(CalculatorWindowModePanels, APanelPutInPlaceOfTheCurrentOneIsAttachedAtOnce)
{
    FrameHarness harness;
    harness.Open(480, 640);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorGraphing));
    auto panel = std::make_unique<PanelDouble>();
    const PanelDouble* graph = panel.get();
    harness.Calculator().ReplaceModePanel(CalculatorGraphing, std::move(panel));
    EXPECT_EQ(graph->attached, 1);
    // The window draws with the new panel, not the one it replaced.
    EXPECT_NE(harness.Host().Grab(), nullptr);
}

TEST(CalculatorWindowGraphing, EnteringTheGraphTypeClearsTheExpression)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcMode", CalcModeExpression);
    harness.Open(480, 640);
    harness.Type(L"12+3");
    ASSERT_EQ(harness.Engine().GetPendingText(), L"12+3");
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorGraphing));
    EXPECT_EQ(harness.Engine().GetPendingText(), L"");
}

}  // namespace
}  // namespace tallyx
