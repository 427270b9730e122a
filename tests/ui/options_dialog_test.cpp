#include "app/options_dialog.h"

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/window_messages.h"
#include "ui/popup_menu_window.h"

namespace tallyx {
namespace {

using namespace std::chrono_literals;

std::vector<std::wstring> Names(std::span<const OptionChoice> choices)
{
    std::vector<std::wstring> names;
    for (const OptionChoice& choice : choices) names.emplace_back(choice.name);
    return names;
}

TEST(OptionsRecordTest, EachChoiceMenuOffersItsValues)
{
    struct Case {
        Option option;
        std::vector<std::wstring> names;
    };
    const Case cases[] = {
        {OptionRegionalSettings, {L"On", L"Off"}},
        {OptionPlaySounds, {L"Off", L"On", L"Quiet"}},
        {OptionCalculatorMode, {L"Expression", L"Algebraic", L"Direct Algebraic", L"Normal", L"R.P.N."}},
        {OptionNotation, {L"Normal", L"Fixed", L"Scientific", L"Engineering", L"Fractions"}},
        {OptionConversionBuffer, {L"Byte (8 bit)", L"Word (16 bit)", L"DWord (32 bit)", L"Large (48 bit)"}},
        {OptionRpnStackSize, {L"4(X,Y,Z,T)", L"5", L"10", L"50"}},
        {OptionSkin, {L"Metallic blue", L"Midnight black", L"Wireless green", L"Glam pink", L"Blue Steel"}},
        {OptionFixedDigits, {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"}},
        {OptionPaymentSchedule,
         {L"Monthly", L"Monthly Accel", L"Bi-Weekly", L"Bi-Weekly Accel", L"Weekly", L"Weekly Accel", L"Semi Monthly",
          L"Semi Monthly Accel", L"Bi-Monthly"}},
        {OptionCalculatorSize, {L"Normal", L"Normal (wide)", L"Large", L"Large (wide)"}},
        {OptionPointsOnly, {L"On", L"Off"}},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(Names(OfferedChoices(item.option)), item.names) << item.option;
    }
}

TEST(OptionsRecordTest, RowsNameStoredValuesAlsoWhenNotOffered)
{
    struct Case {
        Option option;
        std::int32_t value;
        std::wstring shown;
    };
    const Case cases[] = {
        {OptionNotation, 5, L"D\u00B0M\u2032S\u2033"},
        {OptionNotation, 6, L"Binary Dec"},
        {OptionConversionBuffer, 64, L"QWord (64 bit)"},
        {OptionConversionBuffer, 8, L"Byte (8 bit)"},
        {OptionPaymentSchedule, 9, L"Bi-Monthly Accel"},
        {OptionCalculatorSize, 0, L"Small"},
        {OptionCalculatorSize, 1, L"Small (wide)"},
        {OptionFixedDigits, 8, L"8"},
        {OptionFixedDigits, 9, L""},
        {OptionPlaySounds, 2, L"Quiet"},
        {OptionRecordTape, 0, L"Off"},
        {OptionRecordTape, 1, L"On"},
        {OptionSkin, 5, L""},
    };
    for (const Case& item : cases) {
        EXPECT_EQ(ChoiceName(item.option, item.value), item.shown) << item.option << " " << item.value;
    }
    EXPECT_EQ(OptionLabel(OptionEndPeriodPayments), L"End period payments (TVM):");
    EXPECT_EQ(OptionLabel(OptionCalculatorSize), L"Calculator size:");
}

TEST(OptionsRecordTest, SectionsListEveryOptionButTheSizeOnce)
{
    std::vector<std::wstring> titles;
    std::vector<Option> shown;
    for (const OptionSection& section : OptionSections()) {
        titles.emplace_back(section.title);
        shown.insert(shown.end(), section.options.begin(), section.options.end());
    }
    EXPECT_EQ(titles, (std::vector<std::wstring>{L"General", L"Calculator", L"Financial", L"Graphing"}));
    const std::vector<Option> expected = {OptionSkin,           OptionPlaySounds,        OptionRegionalSettings,
                                          OptionCalculatorMode, OptionNotation,          OptionRecordTape,
                                          OptionAdvancedMemory, OptionFixedDigits,       OptionConversionBuffer,
                                          OptionRpnStackSize,   OptionEndPeriodPayments, OptionPaymentSchedule,
                                          OptionFastGraphing,   OptionPointsOnly};
    EXPECT_EQ(shown, expected);
}

// A parent window for the dialog, and a script that runs inside its modal loop.
class OptionsDialogTest : public ::testing::Test {
protected:
    class Parent : public WindowBase {};

    OptionsDialogTest() : menu([this] { return now; })
    {
        parent.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640));
        record[OptionSkin] = 0;
        record[OptionNotation] = 5;
        record[OptionCalculatorMode] = 1;
        record[OptionConversionBuffer] = 32;
        record[OptionCalculatorSize] = 3;
    }

    // Runs the dialog; script acts on it once it is up.
    bool Run(OptionsDialog& dialog, std::function<void(OptionsDialog&)> script)
    {
        QTimer::singleShot(0, [&] { script(dialog); });
        return dialog.Run(*parent.Window());
    }
    static void Settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    static void Tap(WindowBase& window, Point point)
    {
        window.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(point.x, point.y));
        window.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(point.x, point.y));
        Settle();
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

TEST_F(OptionsDialogTest, OkReturnsTheEditedRecord)
{
    OptionsDialog dialog(record, menu, 0);
    const bool ok = Run(dialog, [&](OptionsDialog& shown) {
        Choose(shown, OptionSkin, L"Glam pink");
        Choose(shown, OptionCalculatorMode, L"R.P.N.");
        Choose(shown, OptionPaymentSchedule, L"Bi-Monthly");
        Key(shown, VK_F1);
    });
    EXPECT_TRUE(ok);
    OptionsRecord expected = record;
    expected[OptionSkin] = 3;
    expected[OptionCalculatorMode] = 4;
    expected[OptionPaymentSchedule] = 8;
    EXPECT_EQ(dialog.Record(), expected);
}

TEST_F(OptionsDialogTest, CancelEscapeAndF2EndWithoutOk)
{
    struct Case {
        const char* name;
        std::function<void(OptionsDialog&)> end;
    };
    const Case cases[] = {
        {"Escape", [](OptionsDialog& shown) { Key(shown, VK_ESCAPE); }},
        {"F2", [](OptionsDialog& shown) { Key(shown, VK_F2); }},
        {"Cancel soft key", [](OptionsDialog& shown) { shown.WindowProcedure(1225, 0, 0); }},
        {"Cancel command", [](OptionsDialog& shown) { shown.WindowProcedure(WM_COMMAND, 32774, 0); }},
        {"window closed", [](OptionsDialog& shown) { shown.WindowProcedure(WM_CLOSE, 0, 0); }},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        OptionsDialog dialog(record, menu, 0);
        const bool ok = Run(dialog, [&](OptionsDialog& shown) {
            Choose(shown, OptionNotation, L"Fixed");
            item.end(shown);
        });
        EXPECT_FALSE(ok);
    }
    EXPECT_EQ(record[OptionNotation], 5);
}

TEST_F(OptionsDialogTest, OkSoftKeyAndCommandEndWithOk)
{
    for (const std::uint32_t message : {std::uint32_t{1224}, std::uint32_t{WM_COMMAND}}) {
        OptionsDialog dialog(record, menu, 0);
        EXPECT_TRUE(Run(dialog, [&](OptionsDialog& shown) { shown.WindowProcedure(message, 32775, 0); }));
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

TEST_F(OptionsDialogTest, ChoiceMenuListsOfferedValuesWithTheCurrentChecked)
{
    OptionsDialog dialog(record, menu, 0);
    Run(dialog, [&](OptionsDialog& shown) {
        ASSERT_TRUE(shown.SelectOption(OptionNotation));
        shown.OpenChoices();
        ASSERT_TRUE(menu.IsOpen());
        const auto& entries = menu.List().Entries();
        ASSERT_EQ(entries.size(), 6u);
        EXPECT_EQ(entries[0].kind, MenuEntryKind::Header);
        EXPECT_EQ(entries[0].text, L"Notation:");
        for (std::size_t index = 1; index < entries.size(); ++index) {
            EXPECT_EQ(entries[index].command, OptionsDialog::kChoiceCommand);
            EXPECT_EQ(entries[index].value, static_cast<std::intptr_t>(index - 1));
            // The stored D°M′S″ is not among them, so nothing is checked.
            EXPECT_FALSE(entries[index].Checked());
        }
        menu.Close();
        now += 2s;
        ASSERT_TRUE(shown.SelectOption(OptionConversionBuffer));
        shown.WindowProcedure(WM_COMMAND, OptionsDialog::kOpenCommand, 0);
        ASSERT_TRUE(menu.IsOpen());
        EXPECT_TRUE(menu.List().Entries()[3].Checked());
        EXPECT_EQ(menu.List().Entries()[3].text, L"DWord (32 bit)");
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

TEST_F(OptionsDialogTest, SectionHeadersAreNotRows)
{
    OptionsDialog dialog(record, menu, 0);
    Run(dialog, [&](OptionsDialog& shown) {
        EXPECT_EQ(shown.SelectedOption(), std::optional<Option>(OptionSkin));
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
