#include "ui/popup_menu_window.h"

#include <QCoreApplication>
#include <span>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "keypad/keypad_layouts.h"
#include "keypad/skin_catalogue.h"
#include "platform/window_messages.h"
#include "tests/ui/wheel_turn.h"

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
    // Items "<prefix>0" onwards, valued 9000 onwards: more than the area shows.
    void FillNumbered(int count, const std::wstring& prefix)
    {
        MenuList& list = menu.List();
        list.Clear();
        list.SetRowHeights(kRow, kRow);
        for (int item = 0; item < count; ++item) list.AddItem(prefix + std::to_wstring(item), 9000 + item);
    }
    bool Open(unsigned style = 0) { return menu.Show(*owner.Window(), style, kArea); }
    // The centre of a row, in the menu window's own coordinates inside its border.
    Point RowCentre(std::size_t row) const { return RowCentreOf(menu, row); }
    static Point RowCentreOf(const PopupMenuWindow& window, std::size_t row)
    {
        const Rect rect = window.List().RowRect(window.Window()->ClientRect().Inflated(-1, -1), row);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void Tap(Point point) { Slide(point, point); }
    void Slide(Point down, Point up) { SlideOn(menu, down, up); }
    static void SlideOn(PopupMenuWindow& window, Point down, Point up, std::optional<Point> through = std::nullopt)
    {
        window.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(down.x, down.y));
        if (through) window.WindowProcedure(WM_MOUSEMOVE, 1, MakePointParameter(through->x, through->y));
        window.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(up.x, up.y));
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

TEST_F(MenuTest, LongListScrollsByDragAndATapChoosesInTheScrolledList)
{
    FillNumbered(40, L"Level ");
    const MenuList& list = menu.List();
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
}

TEST_F(MenuTest, WheelScrollsALongListARowANotchWithinItsEnds)
{
    FillNumbered(40, L"Level ");
    const MenuList& list = menu.List();
    ASSERT_TRUE(Open());
    const int lastScroll = 40 * kRow - (kArea.Height() - 2);
    const std::pair<int, int> turns[] = {{-2, 2 * kRow}, {1, kRow}, {5, 0}, {-100, lastScroll}, {-1, lastScroll}};
    for (const auto& [notches, scroll] : turns) {
        TurnWheel(menu, notches);
        EXPECT_EQ(list.ScrollOffset(), scroll) << notches;
    }
    EXPECT_TRUE(menu.IsOpen());
    EXPECT_TRUE(owner.commands.empty());
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

TEST_F(MenuTest, SubmenuOpensBesideItsRowAndItsChoiceReachesTheOwner)
{
    MenuList& list = menu.List();
    list.Clear();
    list.SetRowHeights(kRow, kRow);
    list.AddItem(L"Copy", 32766);
    MenuList& modes = list.AddSubmenu(L"Entry Mode");
    modes.AddItem(L"Algebraic", 700, 0, MenuItemRadio);
    modes.AddItem(L"RPN", 701, 0, MenuItemRadio | MenuItemChecked);
    modes.AddItem(L"Expression", 702, 0, MenuItemRadio | MenuItemDisabled);
    ASSERT_TRUE(Open(MenuStyleFitWidth | MenuStyleFitHeight));

    Tap(RowCentre(1));
    PopupMenuWindow* submenu = menu.OpenSubmenu();
    ASSERT_NE(submenu, nullptr);
    EXPECT_TRUE(menu.IsOpen());
    EXPECT_EQ(submenu->Placement().left, menu.Placement().right);
    EXPECT_EQ(submenu->Placement().top, menu.Placement().top + kRow);
    const auto listed = [&] {
        std::vector<std::tuple<std::wstring, bool, bool, bool>> items;
        for (const VisibleMenuItem& item : menu.VisibleItems()) {
            items.emplace_back(item.text, item.checked, item.disabled, item.submenu);
        }
        return items;
    };
    using Listed = std::vector<std::tuple<std::wstring, bool, bool, bool>>;
    EXPECT_EQ(listed(), (Listed{{L"Copy", false, false, false},
                                {L"Entry Mode", false, false, true},
                                {L"Algebraic", false, false, false},
                                {L"RPN", true, false, false},
                                {L"Expression", false, true, false}}));
    EXPECT_EQ(menu.VisibleItems()[2].rect, Rect::FromSize(submenu->Placement().left + 1,
                                                          submenu->Placement().top + 1, submenu->Placement().Width() - 2,
                                                          kRow));

    // Escape, and a tap on the menu below, close only the sub-menu; Right opens it again.
    submenu->WindowProcedure(WM_KEYUP, VK_ESCAPE, 0);
    Settle();
    EXPECT_EQ(menu.OpenSubmenu(), nullptr);
    EXPECT_TRUE(menu.IsOpen());
    menu.WindowProcedure(WM_KEYDOWN, VK_RIGHT, 0);
    submenu = menu.OpenSubmenu();
    ASSERT_NE(submenu, nullptr);
    const Point onCopy{RowCentre(0).x + menu.Placement().left - submenu->Placement().left,
                       RowCentre(0).y + menu.Placement().top - submenu->Placement().top};
    SlideOn(*submenu, onCopy, onCopy);
    EXPECT_EQ(menu.OpenSubmenu(), nullptr);
    EXPECT_TRUE(menu.IsOpen());
    EXPECT_TRUE(owner.commands.empty());

    Tap(RowCentre(1));
    submenu = menu.OpenSubmenu();
    ASSERT_NE(submenu, nullptr);
    SlideOn(*submenu, RowCentreOf(*submenu, 0), RowCentreOf(*submenu, 0));
    EXPECT_FALSE(submenu->IsOpen());
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_EQ(owner.commands, std::vector<std::uintptr_t>{700});
    ASSERT_NE(menu.SelectedEntry(), nullptr);
    EXPECT_EQ(menu.SelectedEntry()->text, L"Algebraic");
    // A later choice in the menu itself is the one kept.
    now += 1s;
    ASSERT_TRUE(Open(MenuStyleFitWidth | MenuStyleFitHeight));
    Tap(RowCentre(0));
    ASSERT_NE(menu.SelectedEntry(), nullptr);
    EXPECT_EQ(menu.SelectedEntry()->text, L"Copy");
}

TEST_F(MenuTest, TwoHundredEntriesReachTheLastByKeysAndByPen)
{
    constexpr int kCount = 200;
    FillNumbered(kCount, L"Entry ");
    MenuList& list = menu.List();
    const int lastScroll = kCount * kRow - (kArea.Height() - 2);
    ASSERT_TRUE(Open());
    for (int step = 0; step < kCount; ++step) menu.WindowProcedure(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list.Selected(), std::optional<std::size_t>(kCount - 1));
    EXPECT_EQ(list.ScrollOffset(), lastScroll);
    EXPECT_EQ(menu.VisibleItems().back().text, L"Entry 199");
    menu.WindowProcedure(WM_KEYDOWN, VK_RETURN, 0);
    Settle();
    EXPECT_EQ(owner.commands, std::vector<std::uintptr_t>{9199});

    now += 1s;
    ASSERT_TRUE(Open());
    list.Select(std::nullopt);
    for (int drag = 0; drag < kCount && list.ScrollOffset() < lastScroll; ++drag) {
        SlideOn(menu, {50, 380}, {50, 20}, Point{50, 20});
    }
    EXPECT_EQ(list.ScrollOffset(), lastScroll);
    Tap(RowCentre(kCount - 1));
    EXPECT_EQ(owner.commands, (std::vector<std::uintptr_t>{9199, 9199}));
}

// Keeps what a menu draws: dots, strokes, arrows and texts with their weight.
class DrawingLog : public Canvas {
public:
    std::vector<Rect> dots;
    std::vector<Point> strokes;
    std::vector<Point> arrows;
    std::vector<std::pair<std::wstring, int>> texts;

    void FillRect(const Rect&, Color) override {}
    void FrameRect(const Rect&, Color, int) override {}
    void FillVerticalGradient(const Rect&, Color, Color) override {}
    void FillRoundRect(const Rect& rect, int, Color) override { dots.push_back(rect); }
    void FrameRoundRect(const Rect&, int, Color, int) override {}
    void FillPolygon(std::span<const Point> points, Color) override { arrows.push_back(points.front()); }
    void DrawLine(Point from, Point, Color, int) override { strokes.push_back(from); }
    void DrawDashedLine(Point, Point, Color) override {}
    void DrawText(std::wstring_view text, const Rect&, const FontSpec& font, Color, unsigned) override
    {
        texts.emplace_back(text, font.weight);
    }
    Size MeasureText(std::wstring_view text, const FontSpec& font) override
    {
        return {static_cast<int>(text.size()) * font.pixelHeight / 2, font.pixelHeight};
    }
    void DrawImage(const Image&, const Rect&, const Rect&, bool) override {}
    void BlendImage(const Image&, const Rect&, const Rect&, int) override {}
    void SetClip(const Rect&) override {}
};

TEST(MenuListTest, RadioMarkIsADotDefaultIsBoldAndASubmenuHasAnArrow)
{
    MenuList list;
    list.SetRowHeights(kRow, kRow);
    list.AddItem(L"Degrees", 1, 0, MenuItemRadio | MenuItemChecked);
    list.AddItem(L"Radians", 2, 0, MenuItemRadio);
    list.AddItem(L"Tape", 3, 0, MenuItemChecked);
    list.AddItem(L"Open", 4, 0, MenuItemDefault);
    list.AddSubmenu(L"More").AddItem(L"Inner", 5);
    const Rect area = Rect::FromSize(0, 0, 200, 5 * kRow);
    DrawingLog canvas;
    list.Draw(canvas, area);
    const auto rowOf = [&](Point point) { return list.EntryAt(area, point); };

    ASSERT_EQ(canvas.dots.size(), 1u);
    EXPECT_EQ(rowOf({canvas.dots[0].left, canvas.dots[0].top}), std::optional<std::size_t>(0));
    EXPECT_GT(canvas.dots[0].Width(), 0);
    ASSERT_EQ(canvas.strokes.size(), 2u);  // the tick's two strokes
    for (const Point stroke : canvas.strokes) EXPECT_EQ(rowOf(stroke), std::optional<std::size_t>(2));
    ASSERT_EQ(canvas.arrows.size(), 1u);
    EXPECT_EQ(rowOf(canvas.arrows[0]), std::optional<std::size_t>(4));
    EXPECT_EQ(canvas.texts, (std::vector<std::pair<std::wstring, int>>{
                                {L"Degrees", 400}, {L"Radians", 400}, {L"Tape", 400}, {L"Open", 700}, {L"More", 400}}));
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
