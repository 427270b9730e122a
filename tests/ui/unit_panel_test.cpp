#include <algorithm>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/mode_panels/unit_panel.h"
#include "app/options_record.h"
#include "converter_test_support.h"
#include "platform/wide_text.h"
#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

class UnitPanelTest : public ::testing::Test {
protected:
    UnitPanelTest() { Open(); }
    ~UnitPanelTest() override { harness.Calculator().Menu().Close(); }

    void Open()
    {
        harness.Open(480, 640);
        ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorUnits));
    }
    void Restart()
    {
        harness.Close();
        Open();
    }
    const UnitPanel& Units() { return dynamic_cast<const UnitPanel&>(*harness.Calculator().CurrentModePanel()); }
    std::uint32_t Category(const std::wstring& name)
    {
        for (std::uint32_t index = 0; index < Units().Table().GetCategoryCount(); ++index) {
            if (Units().Table().GetCategoryName(index) == name) return index;
        }
        ADD_FAILURE() << "no category " << NarrowUtf8(name);
        return 0;
    }
    // A unit of the current category.
    std::uint32_t Unit(const std::wstring& name)
    {
        for (std::uint32_t index = 0; index < Units().Table().GetUnitCount(); ++index) {
            if (Units().Table().GetUnitName(index) == name) return index;
        }
        ADD_FAILURE() << "no unit " << NarrowUtf8(name);
        return 0;
    }
    void Choose(const std::wstring& category, const std::wstring& from, const std::wstring& to)
    {
        probe.Command(UnitPanel::kCategoryCommand + Category(category));
        probe.Command(UnitPanel::kFromCommand + Unit(from));
        probe.Command(UnitPanel::kToCommand + Unit(to));
    }

    FrameHarness harness;
    ConverterProbe probe{harness};
};

TEST_F(UnitPanelTest, FirstStartConvertsAccelerationFromTheFirstUnitToTheSecond)
{
    EXPECT_EQ(probe.Line("panel"), "panel units \"Acceleration\"");
    EXPECT_EQ(Units().Table().GetFromAbbreviation(), L"m/s²");
    EXPECT_EQ(Units().Table().GetToAbbreviation(), L"g");
    EXPECT_EQ(probe.Line("focus"), "focus From");
}

TEST_F(UnitPanelTest, TypedNumbersShowConvertedAndATapOnARowEntersTheResultAndSwapsTheUnits)
{
    const struct {
        const wchar_t* from;
        const wchar_t* to;
        const wchar_t* typed;
        std::string fromRow;
        std::string toRow;
        const wchar_t* entered;
    } cases[] = {
        {L"Feet", L"Meters", L"12", R"(from "Feet" "ft" "12.")", R"(to "Meters" "m" "3.6576")", L"3.6576"},
        {L"Meters", L"Feet", L"100", R"(from "Meters" "m" "100.")", R"(to "Feet" "ft" "328.083989501")",
         L"328.083989501"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NarrowUtf8(c.from));
        harness.Type(L"$");
        Choose(L"Length", c.from, c.to);
        harness.Type(c.typed);
        EXPECT_EQ(probe.Line("from"), c.fromRow);
        EXPECT_EQ(probe.Line("to"), c.toRow);

        ASSERT_TRUE(probe.Tap("to"));
        EXPECT_EQ(harness.Shown(), c.entered);
        EXPECT_EQ(Units().Table().GetUnitName(Units().Table().GetFromUnit()), c.to);
        EXPECT_EQ(Units().Table().GetUnitName(Units().Table().GetToUnit()), c.from);
        // The entered number is a finished result: a digit starts a new one.
        harness.Type(L"5");
        EXPECT_EQ(harness.Shown(), L"5.");
    }
}

TEST_F(UnitPanelTest, ARestartBringsBackTheCategoryAndEveryCategorysUnits)
{
    Choose(L"Temperature", L"Kelvin", L"Celsius");
    Choose(L"Length", L"Feet", L"Meters");
    Restart();
    EXPECT_EQ(probe.Line("panel"), "panel units \"Length\"");
    EXPECT_EQ(Units().Table().GetFromAbbreviation(), L"ft");
    EXPECT_EQ(Units().Table().GetToAbbreviation(), L"m");
    probe.Command(UnitPanel::kCategoryCommand + Category(L"Temperature"));
    EXPECT_EQ(Units().Table().GetUnitName(Units().Table().GetFromUnit()), L"Kelvin");
    EXPECT_EQ(Units().Table().GetUnitName(Units().Table().GetToUnit()), L"Celsius");
}

TEST_F(UnitPanelTest, StoredChoicesOfAnotherCatalogueOrOutOfRangeAreLeftAside)
{
    const struct {
        const char* name;
        std::uint32_t count;
        std::uint32_t category;
        std::uint32_t from;
        std::uint32_t to;
        std::uint32_t shownCategory;
        std::uint32_t shownFrom;
        std::uint32_t shownTo;
    } cases[] = {
        {"as saved", 18, 3, 2, 0, 3, 2, 0},
        {"another number of categories", 17, 3, 2, 0, 3, 0, 1},
        {"a category past the last", 18, 40, 2, 0, 0, 0, 1},
        {"a unit past the last", 18, 0, 999, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Close();
        harness.registry.DeleteKeyTree(kTallyxKey);
        harness.registry.WriteDword(kTallyxKey, L"UnitCount", c.count);
        harness.registry.WriteDword(kTallyxKey, L"UnitType", c.category);
        const std::wstring section = std::to_wstring(c.category % 18);
        harness.registry.WriteDword(kTallyxKey, L"UnitSectionFrom" + section, c.from);
        harness.registry.WriteDword(kTallyxKey, L"UnitSectionTo" + section, c.to);
        Open();
        EXPECT_EQ(Units().Table().GetCategory(), c.shownCategory);
        EXPECT_EQ(Units().Table().GetFromUnit(), c.shownFrom);
        EXPECT_EQ(Units().Table().GetToUnit(), c.shownTo);
    }
    harness.Close();
    std::uint32_t count = 0;
    EXPECT_EQ(harness.registry.ReadDword(kTallyxKey, L"UnitCount", count), StatusOk);
    EXPECT_EQ(count, 18u);
    std::uint32_t lastTo = 0;
    EXPECT_EQ(harness.registry.ReadDword(kTallyxKey, L"UnitSectionTo17", lastTo), StatusOk);
    EXPECT_EQ(lastTo, 1u);
    Open();
}

TEST_F(UnitPanelTest, ATapOnTheCategoryShowsTheNextOneAndTheLastWrapsToTheFirst)
{
    ASSERT_TRUE(probe.Tap("panel"));
    EXPECT_EQ(Units().Table().GetCategory(), 1u);
    probe.Command(UnitPanel::kCategoryCommand + Category(L"Weight (Mass)"));
    ASSERT_TRUE(probe.Tap("panel"));
    EXPECT_EQ(probe.Line("panel"), "panel units \"Acceleration\"");
}

TEST_F(UnitPanelTest, TheButtonsOpenTheirListsWithTheCurrentEntryChecked)
{
    Choose(L"Length", L"Feet", L"Meters");
    const struct {
        const wchar_t* button;
        std::uint32_t firstCommand;
        std::wstring checked;
        std::size_t count;
    } cases[] = {
        {L"From", UnitPanel::kFromCommand, L"*Feet", Units().Table().GetUnitCount()},
        {L"To", UnitPanel::kToCommand, L"*Meters", Units().Table().GetUnitCount()},
        {L"Conversion", UnitPanel::kCategoryCommand, L"*Length", 18},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NarrowUtf8(c.button));
        ASSERT_TRUE(probe.Tap("button", c.button));
        ASSERT_TRUE(harness.Calculator().Menu().IsOpen());
        const std::vector<std::wstring> items = probe.MenuItems();
        EXPECT_EQ(items.size(), c.count);
        EXPECT_EQ(std::count(items.begin(), items.end(), c.checked), 1);
        EXPECT_EQ(harness.Calculator().Menu().List().Entries().front().command, c.firstCommand);
        harness.Calculator().Menu().Close();
        ConverterProbe::WaitToReopen();
    }
    // A command past the list's entries is no choice of it.
    probe.Command(UnitPanel::kFromCommand + 99);
    EXPECT_EQ(Units().Table().GetFromAbbreviation(), L"ft");
}

TEST_F(UnitPanelTest, ArrowKeysMoveTheFocusAndReturnOpensTheFocusedList)
{
    const struct {
        std::vector<std::uint32_t> keys;
        const char* focus;
        std::uint32_t firstCommand;
    } cases[] = {
        {{}, "From", UnitPanel::kFromCommand},
        {{VK_RIGHT}, "To", UnitPanel::kToCommand},
        {{VK_DOWN, VK_DOWN}, "Conversion", UnitPanel::kCategoryCommand},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT}, "From", UnitPanel::kFromCommand},
        {{VK_LEFT}, "Conversion", UnitPanel::kCategoryCommand},
        {{VK_UP, VK_UP}, "To", UnitPanel::kToCommand},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        Restart();
        harness.Type(L"2+3");
        for (const std::uint32_t key : c.keys) probe.Press(key);
        EXPECT_EQ(probe.Line("focus"), std::string("focus ") + c.focus);
        EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorUnits);
        probe.Press(VK_RETURN);
        ASSERT_TRUE(harness.Calculator().Menu().IsOpen());
        EXPECT_EQ(harness.Calculator().Menu().List().Entries().front().command, c.firstCommand);
        // Return went to the list, not to the calculator's equals.
        EXPECT_EQ(harness.Shown(), L"3.");
        harness.Calculator().Menu().Close();
    }
}

TEST_F(UnitPanelTest, ThePanelsKeysAndTypedCharactersReachTheCalculator)
{
    for (const wchar_t* caption : {L"7", L"+", L"2", L"="}) ASSERT_TRUE(probe.Tap("key", caption)) << NarrowUtf8(caption);
    harness.Settle();
    EXPECT_EQ(harness.Shown(), L"9.");
    harness.Type(L"*2=");
    EXPECT_NE(probe.Line("from").find(R"("m/s²" "18.")"), std::string::npos) << probe.Line("from");
}

TEST_F(UnitPanelTest, AnErrorOnTheDisplayShowsInBothRowsAndIsNotEntered)
{
    harness.Type(L"1/0=");
    const std::string from = probe.Line("from");
    const std::string shownError = from.substr(from.rfind(' ') + 1);
    EXPECT_EQ(probe.Line("to").substr(probe.Line("to").rfind(' ') + 1), shownError);
    EXPECT_NE(shownError.find("Infinity"), std::string::npos) << from;
    // Nothing to enter: the units stay.
    ASSERT_TRUE(probe.Tap("to"));
    EXPECT_EQ(Units().Table().GetFromUnit(), 0u);
}

TEST_F(UnitPanelTest, AChangeOfSkinBuildsThePanelsKeysInTheNewSkin)
{
    OptionsRecord record = harness.Calculator().CurrentOptions();
    record[OptionSkin] = 2;
    harness.Calculator().ApplyOptions(record);
    FrameHarness fresh;
    fresh.registry.WriteDword(kTallyxKey, L"Skin", 2);
    fresh.registry.WriteDword(kTallyxKey, L"CalcType", CalculatorUnits);
    fresh.Open(480, 640);
    const Rect key = *probe.RectOf("key", L"7");
    const Point face{key.left + key.Width() / 2, key.top + 3};
    ASSERT_TRUE(ProcessEventsUntil([&] { return !harness.Keypad().Transition().Active(); }));
    EXPECT_EQ(harness.Host().Grab()->PixelAt(face), fresh.Host().Grab()->PixelAt(face));
}

}  // namespace
}  // namespace tallyx
