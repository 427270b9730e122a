#include "app/graph_window.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/graph_painter.h"
#include "app/state_listing.h"
#include "engine/expression_evaluator.h"
#include "event_wait.h"
#include "graph/evaluator_arithmetic.h"
#include "platform/notifier.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "wheel_turn.h"

namespace tallyx {
namespace {

constexpr Color kWhite = MakeColor(255, 255, 255);
constexpr Color kBlack = MakeColor(0, 0, 0);

class Frame : public WindowBase {};

// A plotter over a frame of the given size; act runs while it is open and
// leaves it open or closes it.
class PlotterHarness {
public:
    PlotterHarness(int width, int height)
    {
        frame_.Create(L"Tallyx", nullptr, Rect::FromSize(0, 0, width, height));
    }

    // With closes set, act must close the plotter itself.
    void Run(const std::function<void(GraphPlot&)>& setUp, const std::function<void(GraphWindow&)>& act,
             bool closes = false)
    {
        GraphWindow window(arithmetic_, 0);
        setUp(window.Plot());
        bool acted = false;
        bool leftOpen = false;
        QTimer::singleShot(0, [&] {
            act(window);
            acted = true;
            if (!closes) window.WindowProcedure(WM_COMMAND, GraphCommandExit, 0);
        });
        // Goes with the window, so it never fires at a window gone.
        QTimer fallback;
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [&] {
            leftOpen = true;
            window.WindowProcedure(WM_COMMAND, GraphCommandExit, 0);
        });
        if (closes) fallback.start(1000);
        window.Run(*frame_.Window());
        EXPECT_TRUE(acted);
        EXPECT_FALSE(leftOpen);
        EXPECT_EQ(window.Window(), nullptr);
    }

private:
    Frame frame_;
    ExpressionEvaluator evaluator_;
    EvaluatorArithmetic arithmetic_{evaluator_};
};

void PenDown(GraphWindow& window, Point point) { window.WindowProcedure(WM_LBUTTONDOWN, 1, MakePointParameter(point.x, point.y)); }
void PenMove(GraphWindow& window, Point point) { window.WindowProcedure(WM_MOUSEMOVE, 1, MakePointParameter(point.x, point.y)); }
void PenUp(GraphWindow& window, Point point) { window.WindowProcedure(WM_LBUTTONUP, 0, MakePointParameter(point.x, point.y)); }

void Drag(GraphWindow& window, Point from, Point to)
{
    PenDown(window, from);
    PenMove(window, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    PenMove(window, to);
    PenUp(window, to);
}

std::vector<StateLine> Listing(GraphWindow& window)
{
    std::vector<StateLine> lines;
    window.DescribeState(lines);
    return lines;
}

std::string ViewLine(GraphWindow& window)
{
    for (const StateLine& line : Listing(window)) {
        if (line.kind == "view") return FormatStateLine(line);
    }
    return "";
}

void SetUpLine(GraphPlot& plot)
{
    plot.SetFunction(0, L"X");
}

TEST(GraphWindow, DrawsAxesCurvesAndLabelsAtEachScreenShape)
{
    const Size sizes[] = {{240, 320}, {480, 640}, {640, 480}};
    for (const Size size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        PlotterHarness harness(size.width, size.height);
        harness.Run(
            [](GraphPlot& plot) {
                plot.SetFunction(0, L"X");
                plot.SetFunction(1, L"0-X");
            },
            [&](GraphWindow& window) {
                const Rect area = window.PlotArea();
                ASSERT_EQ(area.Width(), size.width);
                ASSERT_LT(area.Height(), size.height);
                const PlotView& view = window.Plot().View();
                // The view after a reset: x from -5 to 5 and square pixels.
                EXPECT_DOUBLE_EQ(view.XSpan(), 10.0);
                EXPECT_DOUBLE_EQ(view.YSpan(), 10.0 * area.Height() / area.Width());
                const std::unique_ptr<Image> shot = window.Window()->Grab();
                const int width = area.Width();
                const int height = area.Height();
                // The y axis in the middle column, the x axis a row below the middle.
                EXPECT_EQ(shot->PixelAt({width / 2, height / 4}), kWhite);
                EXPECT_EQ(shot->PixelAt({width / 8, view.AxisRow()}), kWhite);
                EXPECT_EQ(shot->PixelAt({width / 2 + 3, height / 4 + 3}), kBlack);
                // Each slot in its colour where its samples lie.
                const int column = width * 5 / 8;
                EXPECT_EQ(shot->PixelAt({column, window.Plot().Samples(0)[static_cast<std::size_t>(column)]}), SlotColor(0));
                EXPECT_EQ(shot->PixelAt({column, window.Plot().Samples(1)[static_cast<std::size_t>(column)]}), SlotColor(1));
                // The grid a tenth of the width away from the y axis.
                EXPECT_EQ(shot->PixelAt({width / 2 + width / 10, height / 4}), MakeColor(38, 48, 52));
            });
    }
}

TEST(GraphWindow, MenusCarrySubmenusAndRadioMarksAndTheirCommandsAct)
{
    PlotterHarness harness(480, 640);
    harness.Run(
        [](GraphPlot& plot) {
            plot.SetFunction(0, L"X");
            plot.SetFunction(2, L"X^2");
        },
        [](GraphWindow& window) {
            window.WindowProcedure(SoftKeyBar::kRightMessage, 0, 0);
            ASSERT_TRUE(window.Menu().IsOpen());
            const auto& mode = window.Menu().List().Entries();
            ASSERT_EQ(mode.size(), 5u);
            EXPECT_EQ(mode[1].text, L"Translate Graph");
            EXPECT_TRUE(mode[1].Checked());
            EXPECT_TRUE(mode[0].flags & MenuItemRadio);
            EXPECT_FALSE(mode[0].Checked());
            ASSERT_TRUE(mode[4].HasSubmenu());
            EXPECT_EQ(mode[4].text, L"Zoom Mode");
            EXPECT_TRUE(mode[4].submenu->Entries()[0].Checked());
            window.Menu().Close();

            window.WindowProcedure(WM_COMMAND, GraphCommandZoomXOnly, 0);
            window.WindowProcedure(WM_COMMAND, GraphCommandPointOnGraph, 0);
            window.WindowProcedure(SoftKeyBar::kRightMessage, 0, 0);
            const auto& changed = window.Menu().List().Entries();
            EXPECT_TRUE(changed[2].Checked());
            EXPECT_TRUE(changed[4].submenu->Entries()[1].Checked());
            window.Menu().Close();

            window.WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0);
            const auto& graph = window.Menu().List().Entries();
            const auto select = std::find_if(graph.begin(), graph.end(), [](const MenuEntry& entry) { return entry.HasSubmenu(); });
            ASSERT_NE(select, graph.end());
            EXPECT_EQ(select->text, L"Select Graph");
            ASSERT_EQ(select->submenu->Entries().size(), 2u);
            EXPECT_EQ(select->submenu->Entries()[1].text, L"X^2");
            EXPECT_EQ(select->submenu->Entries()[1].command, static_cast<std::uint32_t>(GraphCommandFirstFunction + 2));
            EXPECT_FALSE(graph.front().flags & MenuItemRadio);
            window.Menu().Close();
            window.WindowProcedure(WM_COMMAND, GraphCommandFirstFunction + 2, 0);
            EXPECT_EQ(window.Plot().CurrentFunction(), 2);
        });
}

TEST(GraphWindow, EachInteractionModeWorksThePen)
{
    struct Case {
        const char* name;
        int modeCommand;
        std::function<void(GraphWindow&)> check;
    };
    const Case cases[] = {
        {"translate drag moves the view with the pen", GraphCommandTranslate,
         [](GraphWindow& window) {
             Drag(window, {200, 200}, {248, 200});
             // 48 of 480 pixels is a tenth of the span of 10.
             EXPECT_EQ(ViewLine(window).substr(0, 10), "view -6 4 ");
         }},
        {"zoom box fills the area", GraphCommandZoom,
         [](GraphWindow& window) {
             PenDown(window, {240, 100});
             PenMove(window, {288, 148});
             // The rubber band is drawn dashed in its own colour.
             const std::unique_ptr<Image> shot = window.Window()->Grab();
             int boxPixels = 0;
             for (int x = 240; x <= 288; ++x) boxPixels += shot->PixelAt({x, 100}) == MakeColor(155, 175, 193);
             EXPECT_GT(boxPixels, 5);
             EXPECT_LT(boxPixels, 48);
             PenUp(window, {288, 148});
             EXPECT_NEAR(window.Plot().View().XSpan(), 1.0, 1e-12);
             EXPECT_NEAR(-window.Plot().View().XOffset(), 0.0, 1e-12);
         }},
        {"a small zoom box only centres nothing", GraphCommandZoom,
         [](GraphWindow& window) {
             Drag(window, {240, 100}, {245, 105});
             EXPECT_DOUBLE_EQ(window.Plot().View().XSpan(), 10.0);
         }},
        {"point on graph traces the current function", GraphCommandPointOnGraph,
         [](GraphWindow& window) {
             PenDown(window, {240, 100});
             PenMove(window, {288, 100});
             ASSERT_TRUE(window.ShownTrace().has_value());
             const std::vector<StateLine> lines = Listing(window);
             const auto trace = std::find_if(lines.begin(), lines.end(), [](const StateLine& line) { return line.kind == "trace"; });
             ASSERT_NE(trace, lines.end());
             EXPECT_EQ(*trace->text, L"1");
             EXPECT_EQ(*trace->value, L"2");
             const std::unique_ptr<Image> shot = window.Window()->Grab();
             EXPECT_EQ(shot->PixelAt({288, 20}), SlotColor(0));
             PenUp(window, {288, 100});
             // The value stays in sight once the pen is lifted, and goes with the next change.
             ASSERT_TRUE(window.ShownTrace().has_value());
             EXPECT_EQ(window.ShownTrace()->resultText, L"2");
             EXPECT_EQ(window.Window()->Grab()->PixelAt({288, 20}), SlotColor(0));
             EXPECT_EQ(ViewLine(window).substr(0, 10), "view -5 5 ");
             window.WindowProcedure(WM_COMMAND, GraphCommandZoomIn, 0);
             EXPECT_FALSE(window.ShownTrace().has_value());
         }},
        {"the plus button zooms in", GraphCommandTranslate,
         [](GraphWindow& window) {
             const std::vector<StateLine> lines = Listing(window);
             const auto plus = std::find_if(lines.begin(), lines.end(),
                                            [](const StateLine& line) { return line.kind == "button" && line.text == L"+"; });
             ASSERT_NE(plus, lines.end());
             const Point centre{(plus->rect->left + plus->rect->right) / 2, (plus->rect->top + plus->rect->bottom) / 2};
             PenDown(window, centre);
             PenUp(window, centre);
             EXPECT_DOUBLE_EQ(window.Plot().View().XSpan(), 5.0);
         }},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        PlotterHarness harness(480, 640);
        harness.Run([](GraphPlot& plot) { plot.SetFunction(0, L"2\u00D7X"); },
                    [&](GraphWindow& window) {
                        window.WindowProcedure(WM_COMMAND, static_cast<std::uintptr_t>(item.modeCommand), 0);
                        item.check(window);
                    });
    }
}

TEST(GraphWindow, EscapeAndBothCloseCommandsEndIt)
{
    const std::function<void(GraphWindow&)> closers[] = {
        [](GraphWindow& window) { window.WindowProcedure(WM_KEYUP, VK_ESCAPE, 0); },
        [](GraphWindow& window) { window.WindowProcedure(WM_COMMAND, GraphCommandOk, 0); },
        [](GraphWindow& window) { window.WindowProcedure(WM_COMMAND, GraphCommandExit, 0); },
        [](GraphWindow& window) { window.WindowProcedure(WM_CLOSE, 0, 0); },
    };
    for (const auto& close : closers) {
        PlotterHarness harness(240, 320);
        harness.Run(SetUpLine, close, true);
    }
}

TEST(GraphWindow, CentreOnGraphGlidesToTheCurve)
{
    PlotterHarness harness(480, 640);
    harness.Run([](GraphPlot& plot) { plot.SetFunction(0, L"X+3"); },
                [](GraphWindow& window) {
                    window.WindowProcedure(WM_CHAR, L'c', 0);
                    // The key-up of the typed letter leaves the glide playing.
                    window.WindowProcedure(WM_KEYUP, 'C', 0);
                    const std::unique_ptr<Image> during = window.Window()->Grab();
                    // The glide shows no curves until it ends.
                    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Window()->Grab()->PixelAt({240, 10}) == kWhite; }, 2000));
                    const PlotView& view = window.Plot().View();
                    EXPECT_DOUBLE_EQ(view.YSpan() * 0.5 - view.YOffset(), 3.0);
                    ASSERT_TRUE(ProcessEventsUntil(
                        [&] {
                            const auto row = static_cast<std::size_t>(view.Width() / 2);
                            const int sample = window.Plot().Samples(0)[row];
                            return window.Window()->Grab()->PixelAt({view.Width() / 2 + 1, sample}) == SlotColor(0) ||
                                   window.Window()->Grab()->PixelAt({view.Width() / 2 + 1, sample - 1}) == SlotColor(0);
                        },
                        2000));
                });
}

TEST(GraphWindow, WheelZoomsAboutThePointer)
{
    PlotterHarness harness(480, 640);
    harness.Run(SetUpLine, [](GraphWindow& window) {
        const PlotView& view = window.Plot().View();
        // The wheel turns over the window's centre, which lies below the plot's middle.
        const Rect client = window.Window()->ClientRect();
        const double worldY = (view.Height() - client.Height() / 2.0) / view.Height() * view.YSpan() - view.YOffset();
        TurnWheel(window, 1);
        EXPECT_DOUBLE_EQ(view.XSpan(), 5.0);
        const double after = (view.Height() - client.Height() / 2.0) / view.Height() * view.YSpan() - view.YOffset();
        EXPECT_NEAR(after, worldY, 1e-9);
        EXPECT_NEAR(view.XSpan() * 0.5 - view.XOffset(), 0.0, 1e-9);
        TurnWheel(window, -1);
        EXPECT_DOUBLE_EQ(view.XSpan(), 10.0);
    });
}

TEST(GraphWindow, AnImageThatCannotBeWrittenIsReported)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    RecordingNotifier notifier;
    PlatformServices services = Platform();
    services.notifier = &notifier;
    ScopedPlatform platform(services);
    struct Case {
        const char* name;
        bool written;
    };
    const Case cases[] = {{"plot.png", true}, {"missing/plot.png", false}, {"plot.gif", false}};
    PlotterHarness harness(240, 320);
    harness.Run(SetUpLine, [&](GraphWindow& window) {
        for (const Case& item : cases) {
            SCOPED_TRACE(item.name);
            notifier.messages.clear();
            window.SaveImageTo(folder.filePath(item.name).toStdWString());
            EXPECT_EQ(QFileInfo::exists(folder.filePath(item.name)), item.written);
            ASSERT_EQ(notifier.messages.size(), item.written ? 0u : 1u);
            if (item.written) continue;
            EXPECT_EQ(notifier.messages[0].text, L"Unable to save image");
            EXPECT_EQ(notifier.messages[0].caption, L"Graph Error");
        }
    });
}

TEST(GraphWindow, AResizeResamplesAndResetsTheView)
{
    PlotterHarness harness(480, 640);
    harness.Run(SetUpLine, [](GraphWindow& window) {
        window.WindowProcedure(WM_COMMAND, GraphCommandZoomIn, 0);
        // A rotated screen: the new size, then its message.
        window.Window()->Resize(640, 480);
        window.WindowProcedure(WM_SIZE, 0, MakePointParameter(640, 480));
        const PlotView& view = window.Plot().View();
        EXPECT_EQ(view.Width(), 640);
        EXPECT_EQ(view.Height(), window.PlotArea().Height());
        EXPECT_DOUBLE_EQ(view.XSpan(), 10.0);
        EXPECT_EQ(window.Plot().Samples(0).size(), 640u);
    });
}

TEST(GraphWindow, ListsItsViewFunctionsAndModes)
{
    PlotterHarness harness(480, 640);
    harness.Run(
        [](GraphPlot& plot) {
            plot.SetFunction(0, L"sin(X");
            plot.SetFunction(3, L"X^2");
            plot.AddDataPoint(1, 2);
        },
        [](GraphWindow& window) {
            window.WindowProcedure(WM_COMMAND, GraphCommandZoomYOnly, 0);
            window.WindowProcedure(WM_COMMAND, GraphCommandZoomIn, 0);
            std::vector<std::string> formatted;
            for (const StateLine& line : Listing(window)) {
                if (line.kind != "button") formatted.push_back(FormatStateLine(line));
            }
            // Y Only halved the y span about the middle and left x alone.
            const PlotView& view = window.Plot().View();
            const double halfHeight = 10.0 * view.Height() / view.Width() / 4;
            char expected[96];
            std::snprintf(expected, sizeof expected, "view -5 5 %.12g %.12g", -halfHeight, halfHeight);
            EXPECT_EQ(formatted[0], "window graph \"Graphing\"");
            EXPECT_EQ(formatted[1], expected);
            EXPECT_EQ(formatted[2], "function 0 \"sin(X)\"");
            EXPECT_EQ(formatted[3], "function 3 \"X^2\"");
            EXPECT_EQ(formatted[4], "points 1");
            EXPECT_EQ(formatted[5], "mode translate");
            EXPECT_EQ(formatted[6], "zoommode y");
        });
}

}  // namespace
}  // namespace tallyx
