#include "ui/child_control.h"

#include <QComboBox>
#include <QDateEdit>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/qt/qt_window_host.h"
#include "platform/window_messages.h"
#include "tests/ui/event_wait.h"
#include "ui/window_base.h"

namespace tallyx {
namespace {

// A window that keeps the control messages posted to it.
class ControlOwner : public WindowBase {
public:
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> notes;  // message and control id

protected:
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t) override
    {
        notes.emplace_back(message, first);
        return 1;
    }
    // A key a control had no use for must not reach the window as its own.
    long OnChar(std::uintptr_t first, std::intptr_t) override
    {
        notes.emplace_back(WM_CHAR, first);
        return 1;
    }
    long OnKeyDown(std::uintptr_t first, std::intptr_t) override
    {
        notes.emplace_back(WM_KEYDOWN, first);
        return 1;
    }
};

using Notes = std::vector<std::pair<std::uint32_t, std::uintptr_t>>;

DateTime DateOf(int year, int month, int day)
{
    DateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}

class ChildControlTest : public ::testing::Test {
protected:
    ChildControlTest()
    {
        owner.Create(L"owner", nullptr, Rect::FromSize(0, 0, 320, 240));
        owner.Window()->Show();
    }

    WindowHost& Host() { return *owner.Window(); }
    // Delivers what the controls posted and hands it over.
    Notes TakeNotes()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return std::exchange(owner.notes, {});
    }
    template <class Widget>
    Widget* WidgetOf()
    {
        return static_cast<QtWindowHost&>(Host()).Widget()->findChild<Widget*>();
    }
    static void PressKey(QWidget* widget, Qt::Key key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }

    ControlOwner owner;
};

TEST_F(ChildControlTest, EditBoxTakesWhatItsRulesAllow)
{
    struct Case {
        const char* name;
        EditOptions options;
        std::wstring typed;  // L'\b' is Backspace
        std::wstring expected;
    };
    const Case cases[] = {
        {"digits and Backspace", {}, L"12\b34", L"134"},
        {"numeric refuses letters", {0, true, true}, L"1a2B\b3", L"13"},
        {"maximum length holds", {3, false, false}, L"4567", L"456"},
        {"numeric and limited", {2, true, false}, L"x789", L"78"},
        {"Backspace past the start", {}, L"1\b\b\b", L""},
    };
    int id = 100;
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        const auto box = Host().CreateEditBox({++id, L"box"}, item.options);
        ASSERT_NE(box, nullptr);
        box->SetVisible(true);
        for (const wchar_t character : item.typed) box->Type(character);
        EXPECT_EQ(box->Text(), item.expected);
        EXPECT_EQ(box->ValueText(), item.expected);
        const Notes notes = TakeNotes();
        ASSERT_FALSE(notes.empty());
        for (const auto& note : notes) EXPECT_EQ(note, std::make_pair(std::uint32_t{WM_CONTROL_CHANGED}, std::uintptr_t(id)));
    }
}

TEST_F(ChildControlTest, EditBoxTextSetInCodeKeepsTheRulesAndTellsNoOne)
{
    const auto numeric = Host().CreateEditBox({1, L"days"}, {4, true, true});
    numeric->SetText(L"a1b2c3d4e5");
    EXPECT_EQ(numeric->Text(), L"1234");
    const auto name = Host().CreateEditBox({2, L"name"}, {40, false, false});
    name->SetText(L"results.csv");
    EXPECT_EQ(name->Text(), L"results.csv");
    EXPECT_TRUE(TakeNotes().empty());
    // Only the box asked to be centred is.
    const auto boxes = static_cast<QtWindowHost&>(Host()).Widget()->findChildren<QLineEdit*>();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(boxes[1]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(ChildControlTest, DropDownReportsTheUsersSelection)
{
    const auto types = Host().CreateDropDownList({7, L"type"});
    types->SetItems({L"CSV Files (*.csv)", L"All Files (*.*)"});
    EXPECT_EQ(types->ItemCount(), 2u);
    EXPECT_EQ(types->Selected(), std::nullopt);
    types->Select(0);
    EXPECT_EQ(types->ValueText(), L"CSV Files (*.csv)");
    EXPECT_TRUE(TakeNotes().empty());

    PressKey(WidgetOf<QComboBox>(), Qt::Key_Down);
    EXPECT_EQ(types->Selected(), std::optional<std::size_t>(1));
    EXPECT_EQ(types->ValueText(), L"All Files (*.*)");
    EXPECT_EQ(TakeNotes(), (Notes{{WM_CONTROL_SELECTED, 7}}));
    types->Select(5);
    EXPECT_EQ(types->Selected(), std::nullopt);
}

TEST_F(ChildControlTest, ListViewReportsSelectionAndActivation)
{
    const auto files = Host().CreateListView({9, L"files"});
    const std::vector<ListRow> rows = {
        {ListRowIcon::Folder, L".."}, {ListRowIcon::Folder, L"Data"}, {ListRowIcon::File, L"notes.txt"}};
    files->SetRows(rows);
    files->Place(Rect::FromSize(0, 0, 200, 150));
    files->SetVisible(true);
    files->Focus();
    EXPECT_EQ(files->Rows(), rows);
    files->Select(1);
    EXPECT_EQ(files->ValueText(), L"Data");
    EXPECT_TRUE(TakeNotes().empty());

    QListWidget* list = WidgetOf<QListWidget>();
    PressKey(list, Qt::Key_Down);
    EXPECT_EQ(files->Selected(), std::optional<std::size_t>(2));
    EXPECT_EQ(TakeNotes(), (Notes{{WM_CONTROL_SELECTED, 9}}));
    PressKey(list, Qt::Key_Return);
    EXPECT_EQ(TakeNotes(), (Notes{{WM_CONTROL_ACTIVATED, 9}}));
    files->SetRows({});
    EXPECT_EQ(files->Selected(), std::nullopt);
    EXPECT_EQ(files->ValueText(), L"");
}

TEST_F(ChildControlTest, PickersRoundTripTheirValuesAndRefuseWhatDoesNotExist)
{
    const auto date = Host().CreateDatePicker({20, L"start date"});
    const auto time = Host().CreateTimePicker({21, L"start time"});
    struct Case {
        DateTime value;
        bool dateTakes;
        bool timeTakes;
    };
    const Case cases[] = {
        {{2024, 2, 29, 0, 23, 59, 59, 0}, true, true},
        {{1601, 1, 1, 0, 0, 0, 0, 0}, true, true},
        {{9999, 12, 31, 0, 12, 30, 5, 0}, true, true},
        {{2023, 2, 29, 0, 24, 0, 0, 0}, false, false},
        {{1600, 12, 31, 0, 7, 60, 0, 0}, false, false},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.value.year);
        const DateTime dateBefore = date->Date();
        const DateTime timeBefore = time->Time();
        EXPECT_EQ(date->SetDate(item.value), item.dateTakes);
        EXPECT_EQ(time->SetTime(item.value), item.timeTakes);
        const DateTime dateWanted = item.dateTakes ? item.value : dateBefore;
        const DateTime timeWanted = item.timeTakes ? item.value : timeBefore;
        EXPECT_EQ((std::tuple{date->Date().year, date->Date().month, date->Date().day}),
                  (std::tuple{dateWanted.year, dateWanted.month, dateWanted.day}));
        EXPECT_EQ((std::tuple{time->Time().hour, time->Time().minute, time->Time().second}),
                  (std::tuple{timeWanted.hour, timeWanted.minute, timeWanted.second}));
    }
    // 2024-02-29 was a Thursday; the year shows in four digits.
    ASSERT_TRUE(date->SetDate(DateOf(2024, 2, 29)));
    EXPECT_EQ(date->Date().dayOfWeek, 4);
    EXPECT_NE(date->ValueText().find(L"2024"), std::wstring::npos);
    EXPECT_TRUE(TakeNotes().empty());
}

TEST_F(ChildControlTest, KeysTypedIntoTheFocusedPickerChangeItAndTellTheWindow)
{
    const auto date = Host().CreateDatePicker({30, L"end date"});
    ASSERT_TRUE(date->SetDate(DateOf(2024, 3, 15)));
    date->SetVisible(true);
    date->Focus();
    ProcessEventsUntil([&] { return Host().FocusedControl() == date.get(); }, 1000);
    ASSERT_EQ(Host().FocusedControl(), date.get());
    // A tap on the window's drawn keypad takes the focus; the keys still go to the picker.
    Host().Show();
    QCoreApplication::processEvents();
    ASSERT_EQ(Host().FocusedControl(), date.get());
    const std::wstring before = date->ValueText();
    Host().FocusedControl()->Type(L'1');
    EXPECT_NE(date->ValueText(), before);
    EXPECT_EQ(TakeNotes(), (Notes{{WM_CONTROL_CHANGED, 30}}));
    // Keys the picker has no use for stay with it; the soft keys' function keys do not.
    for (const wchar_t refused : {L'x', L'+', L'\r'}) Host().FocusedControl()->Type(refused);
    QWidget* picker = static_cast<QtWindowHost&>(Host()).Widget()->findChild<QDateEdit*>();
    PressKey(picker, Qt::Key_Return);
    PressKey(picker, Qt::Key_F1);
    Notes keys = TakeNotes();
    std::erase_if(keys, [](const auto& note) { return note.first == WM_CONTROL_CHANGED; });
    EXPECT_EQ(keys, (Notes{{WM_KEYDOWN, VK_F1}}));
    // Once hidden, the picker takes no keys and the window has them all again.
    date->Focus();
    date->SetVisible(false);
    EXPECT_EQ(Host().FocusedControl(), nullptr);
    PressKey(static_cast<QtWindowHost&>(Host()).Widget(), Qt::Key_Return);
    EXPECT_EQ(TakeNotes(), (Notes{{WM_KEYDOWN, VK_RETURN}}));
}

TEST_F(ChildControlTest, WindowListsItsControlsWithKindPlaceAndValue)
{
    auto edit = Host().CreateEditBox({1, L"days"}, {});
    const auto dropDown = Host().CreateDropDownList({2, L"type"});
    const auto list = Host().CreateListView({3, L"files"});
    const auto date = Host().CreateDatePicker({4, L"start date"});
    const auto time = Host().CreateTimePicker({5, L"start time"});
    edit->SetText(L"42");
    edit->Place(Rect::FromSize(10, 20, 60, 24));
    edit->SetFont({L"Tahoma", 14, 400});
    std::vector<std::wstring> kinds;
    for (const ChildControl* control : Host().Controls()) kinds.emplace_back(ControlKindName(control->Kind()));
    EXPECT_EQ(kinds, (std::vector<std::wstring>{L"edit", L"dropdown", L"listview", L"date", L"time"}));
    const ChildControl* first = Host().Controls().front();
    EXPECT_EQ(first->Identity().name, L"days");
    EXPECT_EQ(first->Placement(), Rect::FromSize(10, 20, 60, 24));
    EXPECT_EQ(first->ValueText(), L"42");
    // A control that goes leaves the listing.
    edit.reset();
    EXPECT_EQ(Host().Controls().size(), 4u);
}

TEST(ChildControlLifetimeTest, ControlOutlivingItsWindowDoesNothing)
{
    auto window = std::make_unique<ControlOwner>();
    ASSERT_TRUE(window->Create(L"", nullptr, Rect::FromSize(0, 0, 100, 100)));
    auto box = window->Window()->CreateEditBox({1, L"days"}, {});
    box->SetText(L"12");
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    box->SetText(L"34");
    box->Type(L'5');
    box->SetVisible(true);
    EXPECT_EQ(box->Text(), L"");
    EXPECT_FALSE(box->IsVisible());
    box.reset();
}

}  // namespace
}  // namespace tallyx
