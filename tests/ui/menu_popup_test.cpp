#include "ui/popup_menu_window.h"

#include <QCoreApplication>
#include <vector>

#include <gtest/gtest.h>

#include "keypad/keypad_layouts.h"
#include "keypad/skin_catalogue.h"
#include "platform/window_messages.h"

namespace tallyx {
namespace {

using namespace std::chrono_literals;

// A window that owns a menu and keeps the commands it receives.
class OwnerWindow : public WindowBase {
public:
    std::vector<std::uintptr_t> commands;

protected:
    long Draw(Canvas& canvas, const Rect& clip) override
    {
        canvas.FillRect(clip, MakeColor(0, 0, 0));
        return 1;
    }
    long OnCommand(std::uintptr_t first, std::intptr_t) override
    {
        commands.push_back(first);
        return 1;
    }
};

constexpr int kRow = 30;
const Rect kArea = Rect::FromSize(40, 100, 300, 400);

class MenuTest : public ::testing::Test {
protected:
    MenuTest() : menu([this] { return now; })
    {
        owner.Create(L"owner", nullptr, Rect::FromSize(0, 0, 480, 640));
        owner.Window()->Show();
    }

    // A title, three items, a separator, a disabled item: rows 0 to 5.
    void FillFileMenu()
    {
        MenuList& list = menu.List();
        list.Clear();
        list.SetRowHeights(kRow, kRow);
        list.AddItem(L"Copy", 32766);
        list.AddItem(L"Paste", 32767);
        list.AddSeparator();
        list.AddItem(L"View Tape...", 32768, 0, MenuItemDisabled);
        list.AddItem(L"About...", 32763, 7);
        list.SetTitle(L"File");
    }
    bool Open(unsigned style = 0) { return menu.Show(*owner.Window(), style, kArea); }
    // The centre of a row, in the menu window's own coordinates inside its border.
    Point RowCentre(std::size_t row) const
    {
        const Rect rect = menu.List().RowRect(menu.Window()->ClientRect().Inflated(-1, -1), row);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void Tap(Point point)
    {
        menu.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(point.x, point.y));
        menu.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(point.x, point.y));
        Settle();
    }
    static void Settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    std::chrono::steady_clock::time_point now{};
    OwnerWindow owner;
    PopupMenuWindow menu;
};

TEST_F(MenuTest, ChoosingAnItemPostsItsCommandAndCloses)
{
    struct Case {
        std::size_t row;
        std::uintptr_t command;
        std::intptr_t value;
    };
    for (const Case& item : {Case{1, 32766, 0}, Case{2, 32767, 0}, Case{5, 32763, 7}}) {
        SCOPED_TRACE(item.row);
        owner.commands.clear();
        FillFileMenu();
        now += 1s;
        ASSERT_TRUE(Open());
        EXPECT_TRUE(menu.IsOpen());
        Tap(RowCentre(item.row));
        EXPECT_FALSE(menu.IsOpen());
        EXPECT_EQ(owner.commands, std::vector<std::uintptr_t>{item.command});
        ASSERT_NE(menu.SelectedEntry(), nullptr);
        EXPECT_EQ(menu.SelectedEntry()->value, item.value);
    }
}

TEST_F(MenuTest, TitleSeparatorAndDisabledItemCannotBeChosen)
{
    FillFileMenu();
    ASSERT_TRUE(Open());
    for (const std::size_t row : {0u, 3u, 4u}) {
        SCOPED_TRACE(row);
        Tap(RowCentre(row));
        EXPECT_TRUE(menu.IsOpen());
    }
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuTest, FunctionKeysAndEscapeCloseWithoutCommand)
{
    for (const std::uint32_t key : {VK_F1, VK_F2, VK_F3, VK_F4, VK_ESCAPE}) {
        SCOPED_TRACE(key);
        FillFileMenu();
        now += 1s;
        ASSERT_TRUE(Open());
        menu.WindowProcedure(WM_KEYUP, key, 0);
        Settle();
        EXPECT_FALSE(menu.IsOpen());
    }
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuTest, OtherKeysKeepItOpenAndReturnChoosesTheSelection)
{
    FillFileMenu();
    ASSERT_TRUE(Open());
    menu.WindowProcedure(WM_KEYUP, VK_F1 + 4, 0);
    EXPECT_TRUE(menu.IsOpen());
    // Down skips the title; the second Down reaches Paste.
    menu.WindowProcedure(WM_KEYDOWN, VK_DOWN, 0);
    menu.WindowProcedure(WM_KEYDOWN, VK_DOWN, 0);
    menu.WindowProcedure(WM_KEYDOWN, VK_RETURN, 0);
    Settle();
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_EQ(owner.commands, std::vector<std::uintptr_t>{32767});
}

TEST_F(MenuTest, TapOutsideOrBelowTheRowsClosesWithoutCommand)
{
    struct Case {
        const char* name;
        unsigned style;
        Point point;
    };
    const Case cases[] = {
        {"left of the menu", MenuStyleFitHeight, {-20, 40}},
        {"above the menu", MenuStyleFitHeight, {30, -5}},
        {"far right", MenuStyleFitHeight, {400, 40}},
        {"below the rows", 0, {30, 7 * kRow}},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        FillFileMenu();
        now += 1s;
        ASSERT_TRUE(Open(item.style));
        Tap(item.point);
        EXPECT_FALSE(menu.IsOpen());
    }
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuTest, ShowingAgainSoonAfterClosingDoesNothing)
{
    struct Case {
        std::chrono::milliseconds after;
        bool opens;
    };
    for (const Case& item : {Case{0ms, false}, Case{499ms, false}, Case{500ms, true}, Case{2000ms, true}}) {
        SCOPED_TRACE(item.after.count());
        FillFileMenu();
        now += 1s;
        ASSERT_TRUE(Open());
        menu.Close();
        now += item.after;
        EXPECT_EQ(Open(), item.opens);
        EXPECT_EQ(menu.IsOpen(), item.opens);
        menu.Close();
    }
}

TEST_F(MenuTest, ShowingWhileOpenCloses)
{
    FillFileMenu();
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Open());
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_TRUE(menu.ClosedWithin(PopupMenuWindow::kReopenGuard));
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuTest, StyleDecidesWhereTheMenuSits)
{
    struct Case {
        unsigned style;
        Rect expected;
    };
    FillFileMenu();
    const int height = menu.List().ContentHeight() + 2;
    const Case cases[] = {
        {0, kArea},
        {MenuStyleFitHeight, Rect::FromSize(kArea.left, kArea.top, kArea.Width(), height)},
        {MenuStyleFitHeight | MenuStyleFromBottom,
         Rect::FromSize(kArea.left, kArea.bottom - height, kArea.Width(), height)},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.style);
        FillFileMenu();
        now += 1s;
        ASSERT_TRUE(Open(item.style));
        EXPECT_EQ(menu.Placement(), item.expected);
        menu.Close();
    }
    // Fitted to its width from the right: narrower than the area, flush right.
    FillFileMenu();
    now += 1s;
    ASSERT_TRUE(Open(MenuStyleFitWidth | MenuStyleFitHeight | MenuStyleFromRight | MenuStyleFromBottom));
    EXPECT_LT(menu.Placement().Width(), kArea.Width());
    EXPECT_EQ(menu.Placement().right, kArea.right);
    EXPECT_EQ(menu.Placement().bottom, kArea.bottom);
}

TEST_F(MenuTest, LongListScrollsByDragAndKeys)
{
    MenuList& list = menu.List();
    list.Clear();
    list.SetRowHeights(kRow, kRow);
    for (int item = 0; item < 40; ++item) list.AddItem(L"Level " + std::to_wstring(item), 9000 + item);
    ASSERT_TRUE(Open());
    EXPECT_EQ(list.ScrollOffset(), 0);
    // A drag upwards scrolls without choosing.
    menu.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(50, 300));
    menu.WindowProcedure(WM_MOUSEMOVE, 1, MakePointParameter(50, 100));
    menu.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(50, 100));
    Settle();
    EXPECT_EQ(list.ScrollOffset(), 200);
    EXPECT_TRUE(menu.IsOpen());
    EXPECT_TRUE(owner.commands.empty());
    // A tap now chooses the row under the pen in the scrolled list.
    Tap({50, 1 + kRow / 2});
    EXPECT_EQ(owner.commands, std::vector<std::uintptr_t>{9000 + (200 + kRow / 2) / kRow});
    // Moving down to the last item brings it into view.
    now += 1s;
    ASSERT_TRUE(Open());
    for (int step = 0; step < 45; ++step) menu.WindowProcedure(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list.Selected(), std::optional<std::size_t>(39));
    EXPECT_EQ(list.ScrollOffset(), 40 * kRow - (kArea.Height() - 2));
}

TEST_F(MenuTest, CurrentValueStartsSelectedAndRowPainterDrawsEachVisibleRow)
{
    MenuList& list = menu.List();
    list.Clear();
    list.SetRowHeights(kRow, kRow);
    list.AddItem(L"Off", 5001, 0, MenuItemCheckable);
    list.AddItem(L"On", 5001, 1, MenuItemCheckable | MenuItemChecked);
    std::vector<std::wstring> painted;
    list.SetRowPainter([&](Canvas&, const MenuEntry& entry, const Rect&, bool selected) {
        painted.push_back(entry.text + (selected ? L"*" : L""));
        return true;
    });
    EXPECT_TRUE(list.HasCheckColumn());
    ASSERT_TRUE(Open());
    ASSERT_NE(menu.SelectedEntry(), nullptr);
    EXPECT_EQ(menu.SelectedEntry()->value, 1);
    menu.Window()->Grab();
    EXPECT_EQ(painted, (std::vector<std::wstring>{L"Off", L"On*"}));
}

TEST(MenuListTest, SelectionSkipsWhatCannotBeChosen)
{
    MenuList list;
    list.SetTitle(L"Title");
    list.AddItem(L"One", 1);
    list.AddSeparator();
    list.AddItem(L"Off", 2, 0, MenuItemDisabled);
    list.AddHeader(L"Section");
    list.AddItem(L"Two", 3);
    EXPECT_FALSE(list.HasCheckColumn());
    struct Case {
        std::optional<std::size_t> from;
        bool forward;
        std::optional<std::size_t> to;
    };
    const Case cases[] = {
        {std::nullopt, true, 1}, {1, true, 5}, {5, true, 5}, {5, false, 1}, {1, false, 1}, {std::nullopt, false, 5},
    };
    for (const Case& item : cases) {
        list.Select(item.from);
        list.SelectNext(item.forward);
        EXPECT_EQ(list.Selected(), item.to);
    }
    for (const std::size_t refused : {0u, 2u, 3u, 4u, 9u}) {
        list.Select(refused);
        EXPECT_EQ(list.Selected(), std::nullopt) << refused;
    }
    EXPECT_EQ(MenuList::DefaultRowHeight(32), 29);
    EXPECT_EQ(MenuList::DefaultRowHeight(64), 58);
}

}  // namespace
}  // namespace tallyx

namespace tallyx {
namespace {

TEST(MenuColorsTest, MenusReadInEverySkin)
{
    KeypadLayouts layouts;
    for (std::int32_t skin = 0; skin < kBuiltInSkinCount; ++skin) {
        ASSERT_EQ(layouts.SetSkin(skin, true), StatusOk);
        const MenuColors colors = MenuColors::ForSkin(layouts.Colors());
        EXPECT_GE(ContrastRatio(colors.text, colors.background), kReadableContrast) << skin;
        EXPECT_GE(ContrastRatio(colors.headerText, colors.headerBackground), kReadableContrast) << skin;
    }
}

}  // namespace
}  // namespace tallyx
