#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

#include "app/results_window.h"
#include "ui/open_windows.h"
#include "worksheet_harness.h"

namespace tallyx {
namespace {

constexpr int kLinearRegression = 16;

std::vector<ResultRow> NumberedRows(int count)
{
    std::vector<ResultRow> rows;
    for (int row = 0; row < count; ++row) rows.push_back({L"Row " + std::to_wstring(row), std::to_wstring(row * row)});
    return rows;
}

class Frame : public WindowBase {};

TEST(ResultsWindow, ALongListScrollsWithinItsBounds)
{
    Frame frame;
    ASSERT_TRUE(frame.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 240, 320)));
    KeypadLayouts layouts;
    ASSERT_NE(layouts.Layout(LayoutWorksheet), nullptr);
    ResultsWindow results(L"Results", NumberedRows(30), layouts.Colors(), 0);
    WorksheetHarness::RunWindow<ResultsWindow>(results, *frame.Window(), [](ResultsWindow& window) {
        const int room = window.RoomForRows();
        ASSERT_LT(room, 30);
        EXPECT_FALSE(window.RowRect(0).IsEmpty());
        EXPECT_TRUE(window.RowRect(room).IsEmpty());
        window.WindowProcedure(WM_KEYUP, VK_UP, 0);
        EXPECT_EQ(window.FirstShownRow(), 0);
        window.WindowProcedure(WM_KEYUP, VK_DOWN, 0);
        EXPECT_EQ(window.FirstShownRow(), 1);
        EXPECT_TRUE(window.RowRect(0).IsEmpty());
        // A wheel turned towards the user scrolls on, and never past the last row.
        for (int turn = 0; turn < 40; ++turn) window.WindowProcedure(WM_MOUSEWHEEL, MakeWheelParameter(-kWheelNotch), 0);
        EXPECT_EQ(window.FirstShownRow(), 30 - room);
        EXPECT_FALSE(window.RowRect(29).IsEmpty());
        window.WindowProcedure(WM_MOUSEWHEEL, MakeWheelParameter(3 * kWheelNotch), 0);
        EXPECT_EQ(window.FirstShownRow(), 30 - room - 3);
    });
}

TEST(ResultsWindow, BackF1EscapeAndATapOnTheBarCloseIt)
{
    const std::function<void(ResultsWindow&)> closings[] = {
        [](ResultsWindow& window) { window.WindowProcedure(WM_KEYUP, VK_F1, 0); },
        [](ResultsWindow& window) { window.WindowProcedure(WM_KEYUP, VK_ESCAPE, 0); },
        [](ResultsWindow& window) { window.WindowProcedure(SoftKeyBar::kRightMessage, 0, 0); },
        [](ResultsWindow& window) {
            const Rect client = window.Window()->ClientRect();
            WorksheetHarness::Tap(window, {client.Width() / 4, client.bottom - 2});
        },
    };
    Frame frame;
    ASSERT_TRUE(frame.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, 480, 640)));
    KeypadLayouts layouts;
    ASSERT_NE(layouts.Layout(LayoutWorksheet), nullptr);
    for (std::size_t index = 0; index < std::size(closings); ++index) {
        SCOPED_TRACE(index);
        ResultsWindow results(L"Results", NumberedRows(3), layouts.Colors(), 0);
        bool leftOpen = false;
        QObject guard;
        WorksheetHarness::RunWindow<ResultsWindow>(
            results, *frame.Window(),
            [&](ResultsWindow& window) {
                closings[index](window);
                WorksheetHarness::Settle();
                QTimer::singleShot(50, &guard, [&] {
                    leftOpen = true;
                    window.WindowProcedure(WM_CLOSE, 0, 0);
                });
            },
            false);
        EXPECT_FALSE(leftOpen);
    }
}

TEST(ResultsWindow, CalcOnARegressionListsItsResults)
{
    WorksheetHarness harness;
    harness.Run<WorksheetWindow>(kLinearRegression, {480, 640}, [&](WorksheetWindow& sheet) {
        for (const wchar_t* entry : {L"1", L"2", L"2", L"4", L"3", L"6"}) {
            WorksheetHarness::Type(sheet, entry);
            WorksheetHarness::Key(sheet, L"WSDown");
        }
        EXPECT_EQ(sheet.Sheet().Cells().size(), 8u);
        std::vector<std::string> listed;
        QTimer::singleShot(0, [&] {
            auto* results = dynamic_cast<ResultsWindow*>(TopWindow());
            ASSERT_NE(results, nullptr);
            for (const StateLine& line : DesktopStateListing(harness.Engine(), harness.Formatter()).Describe(*results)) {
                listed.push_back(FormatStateLine(line));
            }
            results->WindowProcedure(WM_KEYUP, VK_ESCAPE, 0);
        });
        WorksheetHarness::Key(sheet, L"WSCalc");
        ASSERT_FALSE(listed.empty());
        EXPECT_EQ(listed.front(), R"(window results "Linear Regression")");
        const auto rows = std::count_if(listed.begin(), listed.end(),
                                        [](const std::string& line) { return line.rfind("row ", 0) == 0; });
        EXPECT_EQ(static_cast<std::size_t>(rows), sheet.Sheet().ResultRows().size());
        EXPECT_GT(rows, 0);
    });
}

}  // namespace
}  // namespace tallyx
