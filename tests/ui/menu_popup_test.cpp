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
    void Tap(Point point) { Slide(point, point); }
    void Slide(Point down, Point up)
    {
        menu.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(down.x, down.y));
        menu.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(up.x, up.y));
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

TEST_F(MenuTest, OnlyATapOnAChoosableRowChoosesIt)
{
    constexpr int kAt = -1;  // the row is given as a point instead
    struct Case {
        const char* name;
        unsigned style;
        int downRow;
        int upRow;
        Point point;
        std::optional<std::uintptr_t> command;
        bool closes;
    };
    const Case cases[] = {
        {"Copy", 0, 1, 1, {}, 32766, true},
        {"title", 0, 0, 0, {}, std::nullopt, false},
        {"separator", 0, 3, 3, {}, std::nullopt, false},
        {"disabled item", 0, 4, 4, {}, std::nullopt, false},
        {"pressed on Copy, released on Paste", 0, 1, 2, {}, std::nullopt, false},
        {"left of the menu", MenuStyleFitHeight, kAt, kAt, {-20, 40}, std::nullopt, true},
        {"far right", MenuStyleFitHeight, kAt, kAt, {400, 40}, std::nullopt, true},
        {"below the rows", 0, kAt, kAt, {30, 7 * kRow}, std::nullopt, true},
        {"About", 0, 5, 5, {}, 32763, true},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        owner.commands.clear();
        menu.Close();
        FillFileMenu();
        now += 1s;
        ASSERT_TRUE(Open(item.style));
        const auto at = [&](int row) { return row == kAt ? item.point : RowCentre(static_cast<std::size_t>(row)); };
        Slide(at(item.downRow), at(item.upRow));
        EXPECT_EQ(menu.IsOpen(), !item.closes);
        std::vector<std::uintptr_t> expected;
        if (item.command) expected.push_back(*item.command);
        EXPECT_EQ(owner.commands, expected);
    }
    // The last choice, About, keeps its value for the owner.
    ASSERT_NE(menu.SelectedEntry(), nullptr);
    EXPECT_EQ(menu.SelectedEntry()->value, 7);
}

TEST_F(MenuTest, FunctionKeysAndEscapeCloseAndReturnChoosesTheSelection)
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
    now += 1s;
    ASSERT_TRUE(Open());
    menu.WindowProcedure(WM_KEYUP, VK_F1 + 4, 0);
    EXPECT_TRUE(menu.IsOpen());
    // Down skips the title; the second Down reaches Paste.
    for (const std::uint32_t key : {VK_DOWN, VK_DOWN, VK_RETURN}) menu.WindowProcedure(WM_KEYDOWN, key, 0);
    Settle();
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_EQ(owner.commands, std::vector<std::uintptr_t>{32767});
}

TEST_F(MenuTest, ShowingWhileOpenClosesAndShowingSoonAfterDoesNothing)
{
    FillFileMenu();
    ASSERT_TRUE(Open());
    EXPECT_FALSE(Open());
    EXPECT_FALSE(menu.IsOpen());
    struct Case {
        std::chrono::milliseconds after;
        bool opens;
    };
    for (const Case& item : {Case{0ms, false}, Case{499ms, false}, Case{500ms, true}}) {
        SCOPED_TRACE(item.after.count());
        now += 1s;
        ASSERT_TRUE(Open());
        menu.Close();
        now += item.after;
        EXPECT_EQ(Open(), item.opens);
        EXPECT_EQ(menu.IsOpen(), item.opens);
        menu.Close();
    }
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuTest, StyleDecidesWhereTheMenuSits)
{
    FillFileMenu();
    const int height = menu.List().ContentHeight() + 2;
    ASSERT_TRUE(Open(MenuStyleFitHeight | MenuStyleFromBottom));
    EXPECT_EQ(menu.Placement(), Rect::FromSize(kArea.left, kArea.bottom - height, kArea.Width(), height));
    menu.Close();
    // Fitted to its width from the right: narrower than the area, flush right.
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
    // From nothing past the title; over separator, disabled item and header; no wrap at either end.
    const std::optional<std::size_t> forward[] = {1, 5, 5};
    for (const auto& expected : forward) {
        list.SelectNext(true);
        EXPECT_EQ(list.Selected(), expected);
    }
    list.SelectNext(false);
    EXPECT_EQ(list.Selected(), std::optional<std::size_t>(1));
    list.SelectNext(false);
    EXPECT_EQ(list.Selected(), std::optional<std::size_t>(1));
    for (const std::size_t refused : {0u, 3u, 4u, 9u}) {
        list.Select(refused);
        EXPECT_EQ(list.Selected(), std::nullopt) << refused;
    }
}

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
