#include "graph/graph_plot.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/graph/fake_plot_arithmetic.h"

namespace tallyx {
namespace {

TEST(GraphPlotTest, FunctionTextsGetTheirMissingBracketsInOneOfEightSlots)
{
    FakePlotArithmetic arithmetic;
    GraphPlot plot(arithmetic);
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"sin(X", L"sin(X)"},
        {L"sin(cos(X", L"sin(cos(X))"},
        {L"X)", L"X)"},
    };
    for (const auto& [given, stored] : cases) {
        ASSERT_TRUE(plot.SetFunction(7, given));
        EXPECT_EQ(plot.Function(7), stored);
    }
    EXPECT_FALSE(plot.SetFunction(8, L"X"));
    EXPECT_FALSE(plot.SetFunction(-1, L"X"));
    EXPECT_TRUE(plot.SetFunction(7, L""));
    EXPECT_FALSE(plot.IsSlotUsed(7));

    // The first used slot is current; only used slots can be chosen.
    plot.SetFunction(2, L"X");
    plot.SetFunction(5, L"2*X");
    plot.Start(100, 100);
    EXPECT_EQ(plot.CurrentFunction(), 2);
    EXPECT_FALSE(plot.SelectFunction(3));
    EXPECT_EQ(plot.CurrentFunction(), 2);
}

TEST(GraphPlotTest, TheVariableIsReplacedByItsNumberInBrackets)
{
    EXPECT_EQ(SubstituteVariable(L"-X", L"-2"), L"0-(-2)");
    EXPECT_EQ(SubstituteVariable(L"X^2+sin(X)", L"1.5"), L"(1.5)^2+sin((1.5))");
    EXPECT_EQ(SubstituteVariable(L"exp(x)", L"3"), L"exp(x)");
}

struct StepCase {
    int level;
    int step;
    int samples;
    int lastColumn;
};

TEST(GraphPlotTest, TheSampleStepSetsHowManyColumnsAreComputed)
{
    const StepCase cases[] = {
        {-1, 0, 240, 239}, {1, 3, 60, 236}, {9, 6, 34, 231},
    };
    for (const StepCase& example : cases) {
        FakePlotArithmetic arithmetic;
        GraphPlot plot(arithmetic);
        plot.SetFunction(2, L"X");
        plot.SetSampleStep(example.level);
        plot.Start(240, 300);
        EXPECT_EQ(plot.SampleStep(), example.step);
        EXPECT_EQ(plot.SampleCount(), example.samples);
        EXPECT_EQ(plot.SampleColumn(example.samples - 1), example.lastColumn);
        EXPECT_EQ(arithmetic.expressions.size(), static_cast<std::size_t>(example.samples));
    }
}

TEST(GraphPlotTest, ErrorsAndHugeValuesBecomeRowsFarOutside)
{
    FakePlotArithmetic arithmetic([](double x) { return x < 0 ? std::nan("") : x > 0 ? 1e300 : -INFINITY; });
    GraphPlot plot(arithmetic);
    plot.SetFunction(0, L"X");
    plot.Start(240, 300);
    EXPECT_EQ(plot.Samples(0)[0], PlotView::kFarPixel);
    EXPECT_EQ(plot.Samples(0)[120], PlotView::kFarPixel);
    EXPECT_EQ(plot.Samples(0)[200], -PlotView::kFarPixel);
}

TEST(GraphPlotTest, CentringGlidesTheValueAtTheMiddleToTheMiddle)
{
    FakePlotArithmetic arithmetic([](double) { return 3.0; });
    GraphPlot plot(arithmetic);
    plot.SetFunction(0, L"3+X*0");
    plot.Start(240, 300);
    ASSERT_TRUE(plot.CentreOnGraph());
    EXPECT_DOUBLE_EQ(plot.View().YOffset(), 6.25 - 3.0);
    const std::vector<double> glide = plot.TakeGlide();
    ASSERT_EQ(glide.size(), 15u);
    EXPECT_NEAR(glide.front(), 6.25 - std::log10(10 / 15.0) * 3.0, 1e-12);
    EXPECT_NEAR(glide.back(), 6.25 - 3.0, 1e-12);

    ASSERT_TRUE(plot.CentreOnGraph());  // already centred: no glide
    EXPECT_TRUE(plot.TakeGlide().empty());
}

struct PenCase {
    InteractionMode mode;
    std::vector<PixelPoint> path;  // down, moves..., up
    double xLow;
    double xHigh;
    double yLow;
    double yHigh;
};

TEST(GraphPlotTest, ThePenCentresScrollsDragsAndZooms)
{
    const PenCase cases[] = {
        // A tap centres, except when pointing.
        {InteractionMode::Zoom, {{150, 50}, {150, 50}}, -2.5, 7.5, -2.5, 7.5},
        {InteractionMode::PointOnGraph, {{150, 50}, {150, 50}}, -5, 5, -5, 5},
        // A tap in the outer tenth scrolls by a tenth instead.
        {InteractionMode::Translate, {{5, 100}, {5, 100}}, -6, 4, -5, 5},
        // Translate follows the pen.
        {InteractionMode::Translate, {{100, 100}, {110, 100}, {120, 100}, {120, 100}}, -6, 4, -5, 5},
        // A box larger than the small icon zooms; a smaller one does nothing.
        {InteractionMode::Zoom, {{100, 100}, {150, 150}, {150, 150}}, 0, 2.5, -2.5, 0},
        {InteractionMode::Zoom, {{100, 100}, {110, 150}, {110, 150}}, -5, 5, -5, 5},
    };
    for (const PenCase& example : cases) {
        FakePlotArithmetic arithmetic;
        GraphPlot plot(arithmetic);
        plot.SetInteraction(example.mode);
        plot.Start(200, 200);
        plot.PenDown(example.path.front());
        for (std::size_t i = 1; i + 1 < example.path.size(); ++i) plot.PenMove(example.path[i]);
        plot.PenUp(example.path.back());
        EXPECT_FALSE(plot.Dragging());
        const PlotView& view = plot.View();
        EXPECT_NEAR(-view.XOffset(), example.xLow, 1e-9);
        EXPECT_NEAR(view.XSpan() - view.XOffset(), example.xHigh, 1e-9);
        EXPECT_NEAR(-view.YOffset(), example.yLow, 1e-9);
        EXPECT_NEAR(view.YSpan() - view.YOffset(), example.yHigh, 1e-9);
    }
}

TEST(GraphPlotTest, TraceFindsTheCurrentFunctionUnderThePen)
{
    FakePlotArithmetic arithmetic([](double x) { return 2 * x; });
    GraphPlot plot(arithmetic);
    plot.SetFunction(0, L"2*X");
    plot.SetInteraction(InteractionMode::PointOnGraph);
    plot.Start(200, 200);
    plot.PenDown({120, 10});
    const TracePoint trace = plot.Trace();
    EXPECT_EQ(trace.row, 60);
    EXPECT_TRUE(trace.inside);
    EXPECT_EQ(trace.xText, L"1");
    EXPECT_EQ(trace.resultText, L"2");

    plot.PenMove({190, 10});  // 2 × 4.5 = 9 lies above the view
    EXPECT_FALSE(plot.Trace().inside);
}

TEST(GraphPlotTest, AHundredDataPointsAreHeldAndTheFittedViewGetsShortLabels)
{
    FakePlotArithmetic arithmetic;
    GraphPlot plot(arithmetic);
    plot.Start(240, 300);
    EXPECT_TRUE(plot.AddDataPoint(0.123456789, 1));
    for (int i = 1; i < 100; ++i) EXPECT_TRUE(plot.AddDataPoint(2, 3));
    EXPECT_FALSE(plot.AddDataPoint(100, 100));
    ASSERT_TRUE(plot.FitToData());
    const RangeLabels labels = plot.Labels();
    EXPECT_EQ(labels.left, L"-0.0641");
    EXPECT_EQ(labels.top, L"3.2");
}

}  // namespace
}  // namespace tallyx
