#include "app/mode_panels/constants_panel.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/options_record.h"
#include "frame_test_support.h"
#include "platform/registry.h"
#include "scripted_frame.h"
#include "ui/popup_menu_window.h"

namespace tallyx {
namespace {

constexpr std::uint32_t kPhysics = ConstantsPanel::kFirstLevelCommand + 1;
constexpr std::uint32_t kMathematics = ConstantsPanel::kFirstLevelCommand;
constexpr std::uint32_t kUniversal = ConstantsPanel::kFirstLevelCommand + ConstantsPanel::kLevelCommandStep;
constexpr std::uint32_t kFirstOfLevelTwo = ConstantsPanel::kFirstLevelCommand + 2 * ConstantsPanel::kLevelCommandStep;
constexpr std::uint32_t kPi = kUniversal;  // the first constant of Mathematics, at level 1
// A drawn menu does not open again this soon after closing.
const std::string kPastReopenGuard = std::to_string(PopupMenuWindow::kReopenGuard.count() + 100);

class ConstantsPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.registry.WriteDword(kTallyxKey, L"CalcType", CalculatorConstants);
        harness.Open(480, 640);
    }
    ConstantsPanel& Panel() { return static_cast<ConstantsPanel&>(*harness.Calculator().CurrentModePanel()); }
    void Command(std::uint32_t command) { harness.Frame().WindowProcedure(WM_COMMAND, command, 0); }
    std::vector<std::wstring> Captions()
    {
        std::vector<std::wstring> captions;
        for (const PanelButton& button : Panel().Buttons()) captions.push_back(button.caption);
        return captions;
    }
    std::size_t Focused()
    {
        const std::vector<PanelButton> buttons = Panel().Buttons();
        for (std::size_t index = 0; index < buttons.size(); ++index) {
            if (buttons[index].focused) return index;
        }
        return buttons.size();
    }
    void PressKey(std::uint32_t key)
    {
        harness.Frame().WindowProcedure(WM_KEYDOWN, key, 0);
        harness.Frame().WindowProcedure(WM_KEYUP, key, 0);
    }
    std::string Listing(const std::vector<std::string>& words) { return PlayScript(harness, words); }
    static std::string At(const Rect& rect) { return std::to_string(rect.left + rect.Width() / 2) + "," + std::to_string(rect.top + rect.Height() / 2); }

    FrameHarness harness;
};

TEST_F(ConstantsPanelTest, ChoicesWalkTheLevelsAndCaptionTheButtons)
{
    struct Step {
        const char* name;
        std::uint32_t command;
        std::vector<std::wstring> captions;
        std::vector<std::wstring> lines;
    };
    const Step steps[] = {
        {"first show", 0, {L"Constants", L"+Fav"}, {L"", L"", L""}},
        {"a group", kPhysics, {L"Group", L"Constants", L"+Fav"}, {L"Physics", L"", L""}},
        {"a group inside", kUniversal, {L"Group", L"Group", L"Constants", L"+Fav"}, {L"Physics", L"Universal", L""}},
        {"a constant", kFirstOfLevelTwo, {L"Group", L"Group", L"Constants", L"+Fav"},
         {L"Speed of light (m/s)", L"299792458", L"Physics->Universal"}},
        {"another top group drops the levels below", kMathematics, {L"Group", L"Constants", L"+Fav"},
         {L"Mathematics", L"", L""}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.command != 0) Command(step.command);
        EXPECT_EQ(Captions(), step.captions);
        EXPECT_EQ(Panel().TextLines(), step.lines);
    }
    // Choosing the constant entered its value; choosing groups left it.
    EXPECT_EQ(harness.Shown(), L"299792458.");
}

TEST_F(ConstantsPanelTest, TheNameShowsForAWhileThenThePathAgain)
{
    Command(kMathematics);
    Command(kPi);
    EXPECT_EQ(Panel().TextLines().front(), L"pi (Archimedes)");
    harness.Frame().WindowProcedure(WM_TIMER, ConstantsPanel::kNoteTimer, 0);
    EXPECT_EQ(Panel().TextLines(), (std::vector<std::wstring>{L"Mathematics", L"", L""}));
    // A timer of another kind is not the panel's.
    EXPECT_EQ(Panel().Timer(ConstantsPanel::kNoteTimer + 100), Panel::kNotHandled);
}

TEST_F(ConstantsPanelTest, FocusKeysWalkTheButtonsAndReturnOpensTheList)
{
    Command(kPhysics);
    Command(kUniversal);  // three level buttons and "+Fav"
    struct KeyCase {
        std::uint32_t key;
        std::size_t focusAfter;
    };
    // Choosing Universal put the focus on the level below it.
    ASSERT_EQ(Focused(), 2u);
    const KeyCase cases[] = {
        {VK_RIGHT, 3}, {VK_RIGHT, 0}, {VK_LEFT, 3}, {VK_LEFT, 2}, {VK_UP, 3},
        {VK_DOWN, 2},  {VK_LEFT, 1},  {VK_DOWN, 3}, {VK_UP, 2},
    };
    for (const KeyCase& item : cases) {
        PressKey(item.key);
        EXPECT_EQ(Focused(), item.focusAfter) << "key " << item.key;
    }
    // The keys stayed with the panel: the type did not change.
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorConstants);
    harness.Frame().WindowProcedure(WM_KEYDOWN, VK_RETURN, 0);
    harness.Type(L"\r");
    harness.Frame().WindowProcedure(WM_KEYUP, VK_RETURN, 0);
    ASSERT_TRUE(harness.Calculator().Menu().IsOpen());
    const auto& entries = harness.Calculator().Menu().List().Entries();
    ASSERT_GT(entries.size(), 1u);
    EXPECT_EQ(entries.front().text, L"Universal");
    EXPECT_EQ(entries[1].text, L"Speed of light (m/s)");
    EXPECT_EQ(entries[1].command, kFirstOfLevelTwo);
    harness.Calculator().Menu().Close();
}

TEST_F(ConstantsPanelTest, FavouriteNeedsAConstantAndJoinsTheConstantsKeyMenu)
{
    const std::string refused = Listing({"button", "+Fav"});
    EXPECT_TRUE(ListsInOrder(refused, {"panel constants", "text \"Choose a constant first\""}));

    const std::vector<std::string> favourites = {"wait",   kPastReopenGuard, "button", "Menu",     "choose",
                                                 "Scientific", "wait", kPastReopenGuard, "key", "Constants"};
    const std::string before = Listing(favourites);
    EXPECT_TRUE(ListsInOrder(before, {"window menu \"Constant Favorites\"", "menu \"Elementary charge (C)\""}));
    EXPECT_EQ(before.find("menu \"pi (Archimedes)\""), std::string::npos);
    Listing({"vk", "Escape", "wait", kPastReopenGuard, "button", "Menu", "choose", "Constants"});

    Command(kMathematics);
    Command(kPi);
    const std::string added = Listing({"button", "+Fav"});
    EXPECT_TRUE(ListsInOrder(added, {"text \"pi (Archimedes)\"", "text \"Added to the favorites\""}));
    // Twice is still once.
    Listing({"button", "+Fav"});
    const std::string menu = Listing(favourites);
    EXPECT_TRUE(ListsInOrder(menu, {"window menu \"Constant Favorites\"", "menu \"pi (Archimedes)\"",
                                    "menu \"Elementary charge (C)\""}));
    const std::size_t first = menu.find("menu \"pi (Archimedes)\"");
    EXPECT_EQ(menu.find("menu \"pi (Archimedes)\"", first + 1), std::string::npos);
}

TEST_F(ConstantsPanelTest, HeadlessWalkFromPhysicsEntersTheValue)
{
    const auto level = [&](std::size_t index) { return At(Panel().Buttons()[index].rect); };
    std::string listing = Listing({"tap", level(0)});
    EXPECT_TRUE(ListsInOrder(listing, {"level 0 \"Constants\"", "button \"+Fav\"", "window menu \"Constants\"",
                                       "menu \"Mathematics\"", "menu \"Physics\"", "menu \"Solar System\"",
                                       "menu \"Elements\""}));
    Listing({"choose", "Physics"});
    Listing({"wait", kPastReopenGuard, "tap", level(1), "choose", "Universal"});
    listing = Listing({"wait", kPastReopenGuard, "tap", level(2), "choose", "Speed of light (m/s)"});
    EXPECT_TRUE(ListsInOrder(listing, {"window calculator 8", "display \"299792458.\"", "panel constants",
                                       "level 0 \"Group\"", "level 1 \"Group\"", "level 2 \"Constants\"",
                                       "text \"Speed of light (m/s)\"", "text \"299792458\"",
                                       "text \"Physics->Universal\""}));
    EXPECT_EQ(listing.find("window menu"), std::string::npos);
}

TEST_F(ConstantsPanelTest, SelectionOutlivesAnOptionsChangeAndATripElsewhere)
{
    Command(kPhysics);
    OptionsRecord record = harness.Calculator().CurrentOptions();
    record[OptionSkin] = (record[OptionSkin] + 1) % 5;
    harness.Calculator().ApplyOptions(record);
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"Group", L"Constants", L"+Fav"}));
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorStandard));
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorConstants));
    EXPECT_EQ(Panel().TextLines(), (std::vector<std::wstring>{L"Physics", L"", L""}));
}

}  // namespace
}  // namespace tallyx
