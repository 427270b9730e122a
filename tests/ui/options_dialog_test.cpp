#include "app/options_dialog.h"

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/window_messages.h"
#include "tests/ui/wheel_turn.h"
#include "ui/popup_menu_window.h"

namespace tallyx {
namespace {

using namespace std::chrono_literals;

TEST(OptionsRecordTest, RowsNameStoredValuesAlsoWhenNotOffered)
{
    struct Case {
        Option option;
        std::int32_t value;
        std::wstring shown;
    };
    const Case cases[] = {
        {OptionNotation, 5, L"D\u00B0M\u2032S\u2033"}, {OptionConversionBuffer, 64, L"QWord (64 bit)"},
        {OptionCalculatorSize, 0, L"Small"},           {OptionFixedDigits, 9, L""},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(ChoiceName(item.option, item.value), item.shown) << item.option << " " << item.value;
    }
}

// A parent window for the dialog, and a script that runs inside its modal loop.
class OptionsDialogTest : public ::testing::Test {
protected:
    class Parent : public WindowBase {};

    OptionsDialogTest() : menu([this] { return now; })
    {
        parent.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640));
        record[OptionNotation] = 5;  // D°M′S″: shown, not offered
        record[OptionConversionBuffer] = 32;
    }

    // Runs the dialog; script acts on it once it is up.
    bool Run(OptionsDialog& dialog, std::function<void(OptionsDialog&)> script)
    {
        QTimer::singleShot(0, [&] { script(dialog); });
        return dialog.Run(*parent.Window());
    }
    static void Tap(WindowBase& window, Point point)
    {
        window.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(point.x, point.y));
        window.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(point.x, point.y));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    static Point Centre(const Rect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
    // Taps the row of option (scrolled into view), then the choice named name in the menu that opens.
    void Choose(OptionsDialog& dialog, Option option, std::wstring_view name)
    {
        now += 2s;
        ASSERT_TRUE(dialog.SelectOption(option));
        Tap(dialog, Centre(*dialog.RowRectOf(option)));
        ASSERT_TRUE(menu.IsOpen());
        const auto& entries = menu.List().Entries();
        const Rect client = menu.Window()->ClientRect().Inflated(-1, -1);
        for (std::size_t index = 0; index < entries.size(); ++index) {
            if (entries[index].text == name) {
                Tap(menu, Centre(menu.List().RowRect(client, index)));
                return;
            }
        }
        ADD_FAILURE() << "no choice";
    }
    static void Key(OptionsDialog& dialog, std::uint32_t key)
    {
        dialog.WindowProcedure(WM_KEYDOWN, key, 0);
        dialog.WindowProcedure(WM_KEYUP, key, 0);
    }

    std::chrono::steady_clock::time_point now{};
    Parent parent;
    PopupMenuWindow menu;
    OptionsRecord record;
};

TEST_F(OptionsDialogTest, OkKeepsTheChoicesAndEveryOtherEndDropsThem)
{
    struct Case {
        const char* name;
        std::function<void(OptionsDialog&)> end;
        bool ok;
    };
    const Case cases[] = {
        {"F1", [](OptionsDialog& shown) { Key(shown, VK_F1); }, true},
        {"OK soft key", [](OptionsDialog& shown) { shown.WindowProcedure(1224, 32775, 0); }, true},
        {"OK command", [](OptionsDialog& shown) { shown.WindowProcedure(WM_COMMAND, 32775, 0); }, true},
        {"Escape", [](OptionsDialog& shown) { Key(shown, VK_ESCAPE); }, false},
        {"F2", [](OptionsDialog& shown) { Key(shown, VK_F2); }, false},
        {"Cancel soft key", [](OptionsDialog& shown) { shown.WindowProcedure(1225, 0, 0); }, false},
        {"Cancel command", [](OptionsDialog& shown) { shown.WindowProcedure(WM_COMMAND, 32774, 0); }, false},
        {"window closed", [](OptionsDialog& shown) { shown.WindowProcedure(WM_CLOSE, 0, 0); }, false},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        OptionsDialog dialog(record, menu, 0);
        const bool ok = Run(dialog, [&](OptionsDialog& shown) {
            Choose(shown, OptionSkin, L"Glam pink");
            Choose(shown, OptionCalculatorMode, L"R.P.N.");
            item.end(shown);
        });
        EXPECT_EQ(ok, item.ok);
        if (ok) {
            OptionsRecord expected = record;
            expected[OptionSkin] = 3;
            expected[OptionCalculatorMode] = 4;
            EXPECT_EQ(dialog.Record(), expected);
        }
    }
}

TEST_F(OptionsDialogTest, EndingWithAChoiceMenuOpenClosesTheMenu)
{
    OptionsDialog dialog(record, menu, 0);
    const bool ok = Run(dialog, [&](OptionsDialog& shown) {
        now += 2s;
        shown.OpenChoices();
        ASSERT_TRUE(menu.IsOpen());
        shown.WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0);
    });
    EXPECT_TRUE(ok);
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_EQ(dialog.Record(), record);
}

TEST_F(OptionsDialogTest, ChoiceMenuChecksTheCurrentValueOnlyWhenOffered)
{
    OptionsDialog dialog(record, menu, 0);
    Run(dialog, [&](OptionsDialog& shown) {
        ASSERT_TRUE(shown.SelectOption(OptionNotation));
        shown.OpenChoices();
        ASSERT_TRUE(menu.IsOpen());
        const auto& entries = menu.List().Entries();
        ASSERT_EQ(entries.size(), 6u);  // the header and five choices
        // The stored D°M′S″ is not offered, so nothing is checked.
        for (const MenuEntry& entry : entries) EXPECT_FALSE(entry.Checked());
        menu.Close();
        now += 2s;
        ASSERT_TRUE(shown.SelectOption(OptionConversionBuffer));
        shown.WindowProcedure(WM_COMMAND, OptionsDialog::kOpenCommand, 0);
        ASSERT_TRUE(menu.IsOpen());
        EXPECT_TRUE(menu.List().Entries()[3].Checked());
        Key(shown, VK_ESCAPE);
    });
}

TEST_F(OptionsDialogTest, PenIsIgnoredForASecondAfterAMenuClosed)
{
    OptionsDialog dialog(record, menu, 0);
    Run(dialog, [&](OptionsDialog& shown) {
        Choose(shown, OptionSkin, L"Midnight black");
        now += 900ms;
        Tap(shown, Centre(*shown.RowRectOf(OptionPlaySounds)));
        EXPECT_FALSE(menu.IsOpen());
        EXPECT_EQ(shown.SelectedOption(), std::optional<Option>(OptionSkin));
        now += 200ms;
        Tap(shown, Centre(*shown.RowRectOf(OptionPlaySounds)));
        EXPECT_TRUE(menu.IsOpen());
        EXPECT_EQ(shown.SelectedOption(), std::optional<Option>(OptionPlaySounds));
        Key(shown, VK_F1);
    });
    EXPECT_EQ(dialog.Record()[OptionSkin], 1);
}

TEST_F(OptionsDialogTest, WheelScrollsTheRowsButNotUnderAChoiceMenu)
{
    OptionsDialog dialog(record, menu, 0);
    Run(dialog, [&](OptionsDialog& shown) {
        const Rect first = *shown.RowRectOf(OptionSkin);
        TurnWheel(shown, -1);
        EXPECT_EQ(shown.RowRectOf(OptionSkin)->top, first.top - first.Height());
        TurnWheel(shown, 3);
        EXPECT_EQ(*shown.RowRectOf(OptionSkin), first);
        now += 2s;
        shown.OpenChoices();
        ASSERT_TRUE(menu.IsOpen());
        TurnWheel(shown, -1);
        EXPECT_EQ(*shown.RowRectOf(OptionSkin), first);
        Key(shown, VK_ESCAPE);
    });
}

TEST_F(OptionsDialogTest, SectionHeadersAreNotRows)
{
    OptionsDialog dialog(record, menu, 0);
    Run(dialog, [&](OptionsDialog& shown) {
        EXPECT_FALSE(shown.SelectOption(OptionCalculatorSize));
        // The header above the first row is tapped: no menu, the selection stays.
        const Rect first = *shown.RowRectOf(OptionSkin);
        now += 2s;
        Tap(shown, {first.left + 5, first.top - 3});
        EXPECT_FALSE(menu.IsOpen());
        // Down moves over the section header between Calculator's last row and Financial's first.
        ASSERT_TRUE(shown.SelectOption(OptionRpnStackSize));
        shown.WindowProcedure(WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(shown.SelectedOption(), std::optional<Option>(OptionEndPeriodPayments));
        Key(shown, VK_ESCAPE);
    });
}

}  // namespace
}  // namespace tallyx
