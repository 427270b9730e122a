#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <array>
#include <functional>

#include <gtest/gtest.h>

#include "app/worksheet_list_painter.h"
#include "platform/qt/qt_window_host.h"
#include "worksheet_harness.h"

namespace tallyx {
namespace {

constexpr int kTvm = 0;
constexpr int kMortgage = 12;
constexpr int kLease = 13;
constexpr Size kSmallPortrait{240, 320};
constexpr Size kPortrait{480, 640};
constexpr Size kLandscape{640, 480};
// The mortgage's first result row: every row above it is an input.
constexpr int kTotalPayments = 5;

bool Lists(const std::vector<std::string>& lines, const std::string& fact)
{
    return std::find(lines.begin(), lines.end(), fact) != lines.end();
}

TEST(WorksheetLayout, VisibleRowsFollowTheScreenUpToFifteen)
{
    struct Case {
        Size screen;
        bool landscape;
        int rows;
    };
    // Portrait: half the height above the bar in value-font rows, less two; landscape: two-line rows, less one.
    const Case cases[] = {
        {{240, 320}, false, 7}, {{480, 640}, false, 7}, {{640, 480}, true, 6}, {{320, 240}, true, 6},
        {{240, 1200}, false, 15},
    };
    KeypadLayouts layouts;
    const LayoutDef* keys = layouts.Layout(LayoutWorksheet);
    ASSERT_NE(keys, nullptr);
    for (const Case& item : cases) {
        SCOPED_TRACE(std::to_string(item.screen.width) + "x" + std::to_string(item.screen.height));
        const WorksheetLayout layout = LayOutWorksheet(ScreenMetrics::ForClient(item.screen.width, item.screen.height), keys);
        EXPECT_EQ(layout.Landscape(), item.landscape);
        EXPECT_EQ(layout.visibleRows, item.rows);
        const std::vector<Rect> rows = WorksheetRows(layout, 30);
        EXPECT_GT(rows.front().top, layout.TitleLine().top);
        EXPECT_LE(rows.back().bottom, layout.list.bottom);
        // The keypad lies beside the list, never over it, and above the bar.
        const Rect& keypad = layout.keypad.area;
        EXPECT_TRUE(item.landscape ? keypad.left >= layout.list.right : keypad.top >= layout.list.bottom);
        EXPECT_LE(keypad.bottom, layout.bar.softKeyBar.top);
        const std::vector<Rect> cells = GridCells(layout.keypad, WorksheetKeys(layout, *keys).size());
        EXPECT_EQ(cells.size(), WorksheetKeys(layout, *keys).size());
    }
}

// The arrow is there when its centre carries the title colour.
bool ArrowShown(WorksheetWindow& window, const Color arrowColor, bool up)
{
    const std::array<Point, 3> arrow = ScrollArrow(window.Layout(), window.VisibleRows(), up);
    const Point centre{(arrow[0].x + arrow[1].x + arrow[2].x) / 3, (arrow[0].y + arrow[1].y + arrow[2].y) / 3};
    return window.Window()->Grab()->PixelAt(centre) == arrowColor;
}

TEST(WorksheetWindow, ALongSheetScrollsUnderItsArrows)
{
    for (const Size screen : {kSmallPortrait, kLandscape}) {
        WorksheetHarness harness;
        harness.Run<WorksheetWindow>(kMortgage, screen, [&](WorksheetWindow& window) {
            const Color arrow = harness.Layouts().Colors().topText;
            const int cells = static_cast<int>(window.Sheet().Cells().size());
            const int visible = window.Sheet().Navigation().VisibleRows();
            ASSERT_GT(cells, visible);
            EXPECT_FALSE(ArrowShown(window, arrow, true));
            EXPECT_TRUE(ArrowShown(window, arrow, false));
            for (int press = 0; press < cells + 2; ++press) WorksheetHarness::Key(window, L"WSDown");
            WorksheetHarness::Settle();
            const WorksheetNavigation& navigation = window.Sheet().Navigation();
            EXPECT_EQ(window.Sheet().HighlightedCell(), cells - 1);
            EXPECT_EQ(navigation.FirstVisibleRow(), cells - visible);
            EXPECT_EQ(navigation.HighlightedRow(), visible - 1);
            EXPECT_TRUE(ArrowShown(window, arrow, true));
            EXPECT_FALSE(ArrowShown(window, arrow, false));
        });
    }
}

TEST(WorksheetWindow, TapsOnRowsTitleAndBelowMoveTheHighlight)
{
    for (const Size screen : {kPortrait, kLandscape}) {
        WorksheetHarness harness;
        harness.Run<WorksheetWindow>(kMortgage, screen, [](WorksheetWindow& window) {
            const std::vector<Rect> rows = window.VisibleRows();
            WorksheetHarness::Tap(window, WorksheetHarness::Centre(rows[3]));
            EXPECT_EQ(window.Sheet().HighlightedCell(), 3);
            WorksheetHarness::Tap(window, WorksheetHarness::Centre(window.Layout().TitleLine()));
            EXPECT_EQ(window.Sheet().HighlightedCell(), 2);
            WorksheetHarness::Tap(window, {rows.back().left + 4, rows.back().bottom + 1});
            EXPECT_EQ(window.Sheet().HighlightedCell(), 3);
        });
    }
}

TEST(WorksheetWindow, EntryKeysReachOnlyAWritableCell)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kMortgage, kPortrait, [&](WorksheetWindow& window) {
        WorksheetHarness::Key(window, L"7");
        EXPECT_EQ(window.Sheet().Cells()[0].Text(), L"7");
        EXPECT_EQ(harness.Engine().GetRawDisplayText(), L"7");
        WorksheetHarness::Tap(window, WorksheetHarness::Centre(window.VisibleRows()[kTotalPayments]));
        const std::wstring before = window.Sheet().Cells()[kTotalPayments].Text();
        const std::wstring shown = harness.Engine().GetRawDisplayText();
        WorksheetHarness::Key(window, L"7");
        WorksheetHarness::Type(window, L"8");
        EXPECT_EQ(window.Sheet().Cells()[kTotalPayments].Text(), before);
        EXPECT_EQ(harness.Engine().GetRawDisplayText(), shown);
    });
}

TEST(WorksheetWindow, AResultRowCanBeCopiedButNotCleared)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kMortgage, kPortrait, [&](WorksheetWindow& window) {
        WorksheetHarness::Key(window, L"WSCalc");
        // Calc went to the last result, scrolling the list.
        const int row = kTotalPayments - window.Sheet().Navigation().FirstVisibleRow();
        WorksheetHarness::Tap(window, WorksheetHarness::Centre(window.VisibleRows()[static_cast<std::size_t>(row)]));
        ASSERT_EQ(window.Sheet().HighlightedCell(), kTotalPayments);
        const std::wstring payments = window.Sheet().Cells()[kTotalPayments].Text();
        ASSERT_NE(payments, L"0");
        window.WindowProcedure(WM_KEYDOWN, VK_DELETE, 0);
        window.WindowProcedure(WM_KEYDOWN, 'C', KeyDataControl);
        EXPECT_EQ(window.Sheet().Cells()[kTotalPayments].Text(), payments);
        EXPECT_EQ(harness.clipboard.GetText().value_or(L"").substr(0, payments.size()), payments);
    });
}

TEST(WorksheetWindow, CellsAreListedInTheirFormatKinds)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kMortgage, kPortrait, [&](WorksheetWindow& window) {
        WorksheetHarness::Type(window, L"234.5");
        WorksheetHarness::Key(window, L"WSDown");
        WorksheetHarness::Type(window, L"12.9");
        WorksheetHarness::Key(window, L"WSDown");
        WorksheetHarness::Type(window, L"7.");
        const std::vector<std::string> lines = harness.Listing(window);
        EXPECT_TRUE(Lists(lines, R"(cell 0 "Principle" "234.50")"));
        EXPECT_TRUE(Lists(lines, R"#(cell 1 "Terms (years)" "12")#"));
        EXPECT_TRUE(Lists(lines, R"(cell 2 "Interest Rate" "7%" highlight)"));
        EXPECT_TRUE(Lists(lines, "visible 0 7"));
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.rfind(R"(cell 5 "Total payments")", 0) == 0 && line.ends_with(" readonly");
        }));
    });
}

TEST(WorksheetWindow, TypedNumbersAndReturnSolveTheHighlightedCell)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kTvm, kPortrait, [&](WorksheetWindow& window) {
        for (const wchar_t* entry : {L"360", L"5", L"100000"}) {
            WorksheetHarness::Type(window, entry);
            window.WindowProcedure(WM_KEYUP, VK_DOWN, 0);
        }
        window.WindowProcedure(WM_KEYUP, VK_DOWN, 0);
        WorksheetHarness::Type(window, L"0");
        window.WindowProcedure(WM_KEYUP, VK_UP, 0);
        WorksheetHarness::Type(window, L"\r");
        // Payments at the start of each period, as the options have it by default.
        EXPECT_TRUE(Lists(harness.Listing(window), R"(cell 3 "Payment" "-534.59" highlight)"));
        EXPECT_EQ(harness.Engine().GetRawDisplayText().substr(0, 8), L"-534.594");
    });
}

// Keys pressed on the window as a desktop user presses them.
void PressKey(WorksheetWindow& window, int key, const QString& text = {})
{
    QWidget* widget = static_cast<QtWindowHost*>(window.Window())->Widget();
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &up);
}

TEST(WorksheetWindow, TheKeyboardTypesMovesAndSolves)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kMortgage, kPortrait, [&](WorksheetWindow& window) {
        PressKey(window, Qt::Key_4, "4");
        PressKey(window, Qt::Key_2, "2");
        PressKey(window, Qt::Key_Backspace, "\b");
        PressKey(window, Qt::Key_5, "5");
        PressKey(window, Qt::Key_Tab, "\t");
        EXPECT_EQ(window.Sheet().Cells()[0].Text(), L"45");
        EXPECT_EQ(window.Sheet().HighlightedCell(), 1);
        PressKey(window, Qt::Key_Return, "\r");
        // Calc on an input row goes to the last result and works every result out.
        EXPECT_EQ(window.Sheet().HighlightedCell(), static_cast<int>(window.Sheet().Cells().size()) - 1);
        EXPECT_NE(window.Sheet().Cells()[kTotalPayments].Text(), L"0");
    });
}

// Counts the paints of the list and whether each showed the highlight.
class PaintWatch : public WorksheetWindow {
public:
    using WorksheetWindow::WorksheetWindow;
    std::vector<bool> highlightPainted;

protected:
    long Draw(Canvas& canvas, const Rect& clip) override
    {
        if (!Layout().list.Intersected(clip).IsEmpty()) highlightPainted.push_back(HighlightShown());
        return WorksheetWindow::Draw(canvas, clip);
    }
};

TEST(WorksheetWindow, CalcFlashesTheHighlightInFourPaints)
{
    WorksheetHarness harness;
    harness.Run<PaintWatch>(kLease, kPortrait, [](PaintWatch& window) {
        WorksheetHarness::Settle();
        window.highlightPainted.clear();
        WorksheetHarness::Key(window, L"WSCalc");
        EXPECT_EQ(window.highlightPainted, (std::vector<bool>{false, true, false, true}));
    });
}

TEST(WorksheetWindow, AResizedWindowIsLaidOutAgain)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kMortgage, kPortrait, [](WorksheetWindow& window) {
        EXPECT_FALSE(window.Layout().Landscape());
        window.Window()->Resize(kLandscape.width, kLandscape.height);
        WorksheetHarness::Settle();
        EXPECT_TRUE(window.Layout().Landscape());
        EXPECT_EQ(window.Sheet().Navigation().VisibleRows(), 6);
        // The landscape keypad is the layout's alternate list, which starts with 7.
        ASSERT_FALSE(window.Keys().empty());
        EXPECT_STREQ(window.Keys().front().Button().caption, L"7");
        EXPECT_GE(window.Keys().front().Bounds().left, window.Layout().list.right);
    });
}

TEST(WorksheetWindow, BackF1EscapeAndTheCloseCommandsEndIt)
{
    struct Case {
        const char* name;
        std::function<void(WorksheetWindow&)> act;
        bool closes;
    };
    const Case cases[] = {
        {"Back", [](WorksheetWindow& window) { window.WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0); }, true},
        {"middle of the bar", [](WorksheetWindow& window) { window.WindowProcedure(SoftKeyBar::kMiddleMessage, 0, 0); }, true},
        {"right of the bar", [](WorksheetWindow& window) { window.WindowProcedure(SoftKeyBar::kRightMessage, 0, 0); }, false},
        {"F1", [](WorksheetWindow& window) { window.WindowProcedure(WM_KEYUP, VK_F1, 0); }, true},
        {"Escape", [](WorksheetWindow& window) { window.WindowProcedure(WM_KEYUP, VK_ESCAPE, 0); }, true},
        {"OK", [](WorksheetWindow& window) { window.WindowProcedure(WM_COMMAND, 1, 0); }, true},
        {"close command", [](WorksheetWindow& window) { window.WindowProcedure(WM_COMMAND, 20185, 0); }, true},
        {"another command", [](WorksheetWindow& window) { window.WindowProcedure(WM_COMMAND, 32766, 0); }, false},
        {"WSBack", [](WorksheetWindow& window) { WorksheetHarness::Key(window, L"WSBack"); }, true},
        {"WSReset", [](WorksheetWindow& window) { WorksheetHarness::Key(window, L"WSReset"); }, false},
    };
    constexpr int kGraceMilliseconds = 50;
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        WorksheetHarness harness;
        harness.closeAfterAct = false;
        bool leftOpen = false;
        // Gone with the loop when the act ended it; otherwise it ends the window.
        QObject guard;
        harness.Run<WorksheetWindow>(kTvm, kPortrait, [&](WorksheetWindow& window) {
            item.act(window);
            QTimer::singleShot(kGraceMilliseconds, &guard, [&] {
                leftOpen = true;
                window.WindowProcedure(WM_CLOSE, 0, 0);
            });
        });
        EXPECT_EQ(!leftOpen, item.closes);
    }
}

}  // namespace
}  // namespace tallyx
