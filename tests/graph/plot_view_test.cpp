#include "graph/plot_view.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

PlotView ViewOf(int width, int height)
{
    PlotView view;
    view.Resize(width, height);
    return view;
}

struct Range {
    double low;
    double high;
};

Range XRange(const PlotView& view) { return {-view.XOffset(), view.XSpan() - view.XOffset()}; }
Range YRange(const PlotView& view) { return {-view.YOffset(), view.YSpan() - view.YOffset()}; }

void ExpectRange(Range actual, Range expected)
{
    EXPECT_NEAR(actual.low, expected.low, 1e-9);
    EXPECT_NEAR(actual.high, expected.high, 1e-9);
}

TEST(PlotViewTest, ResetShowsTenUnitsAcrossWithSquarePixelsMappedBothWays)
{
    const PlotView view = ViewOf(240, 300);
    ExpectRange(XRange(view), {-5, 5});
    ExpectRange(YRange(view), {-6.25, 6.25});
    EXPECT_EQ(view.ColumnOf(0), 120);
    EXPECT_EQ(view.ColumnOf(4.99), 239);
    EXPECT_EQ(view.WorldXOf(0), -5.0);
    EXPECT_EQ(view.RowOf(6.25), 1);
    EXPECT_EQ(view.RowOf(-6.25), 300);
    EXPECT_EQ(view.CrossHairRowOf(0), 150);
}

TEST(PlotViewTest, ValuesBeyondAnyWindowMapFarOutsideWithoutOverflow)
{
    const PlotView view = ViewOf(240, 300);
    const int far = PlotView::kFarPixel;
    const struct {
        double value;
        int row;
        int column;
    } cases[] = {
        {1e300, -far, far}, {-kInfinity, far, -far}, {kNaN, far, far}, {3e9, -far, far}, {-1e7, far, -far},
    };
    for (const auto& example : cases) {
        EXPECT_EQ(view.RowOf(example.value), example.row) << example.value;
        EXPECT_EQ(view.CrossHairRowOf(example.value), example.row) << example.value;
        EXPECT_EQ(view.ColumnOf(example.value), example.column) << example.value;
    }
}

TEST(PlotViewTest, AxesAndGridLinesLieOnTheOrigin)
{
    PlotView view = ViewOf(240, 300);
    EXPECT_EQ(view.AxisColumn(), 120);
    EXPECT_EQ(view.AxisRow(), 151);
    EXPECT_EQ(view.GridColumns(), (std::vector<int>{0, 24, 48, 72, 96, 120, 144, 168, 192, 216}));
    const std::vector<int> rows = view.GridRows();
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[6], 151);

    view.SetOffsets(-3.0, 1e300);  // both axes far off the area
    EXPECT_EQ(view.AxisColumn(), -72);
    EXPECT_EQ(view.AxisRow(), -PlotView::kFarPixel);
    EXPECT_EQ(view.GridColumns().front(), 0);
    EXPECT_EQ(view.GridRows().size(), 13u);

    EXPECT_TRUE(ViewOf(9, 300).GridColumns().empty());
    EXPECT_TRUE(ViewOf(9, 300).GridRows().empty());
}

TEST(PlotViewTest, ZoomKeepsTheMiddleChangesTheChosenAxesAndStopsAtItsLimits)
{
    struct Case {
        double xSpan;
        double ySpan;
        ZoomMode mode;
        bool in;
        double xAfter;  // the spans before when refused
        double yAfter;
    };
    const Case cases[] = {
        {10, 12.5, ZoomMode::Normal, true, 5, 6.25},        {10, 12.5, ZoomMode::XOnly, true, 5, 12.5},
        {10, 12.5, ZoomMode::YOnly, false, 10, 25},         {600000, 10, ZoomMode::Normal, false, 600000, 10},
        {600000, 10, ZoomMode::YOnly, false, 600000, 20},   {500000, 10, ZoomMode::Normal, false, 1e6, 20},
        {0.00002, 10, ZoomMode::Normal, true, 0.00001, 5},  {0.000019, 10, ZoomMode::Normal, true, 0.000019, 10},
        {10, 0.000019, ZoomMode::XOnly, true, 5, 0.000019},
    };
    for (const Case& example : cases) {
        PlotView view = ViewOf(240, 300);
        view.SetSpans(example.xSpan, example.ySpan);
        view.SetOffsets(3.0, 2.0);
        const double middleX = view.MiddleX();
        const double middleY = view.YSpan() * 0.5 - view.YOffset();
        const bool changes = example.xAfter != example.xSpan || example.yAfter != example.ySpan;
        EXPECT_EQ(example.in ? view.ZoomIn(example.mode) : view.ZoomOut(example.mode), changes) << example.xSpan;
        EXPECT_DOUBLE_EQ(view.XSpan(), example.xAfter);
        EXPECT_DOUBLE_EQ(view.YSpan(), example.yAfter);
        EXPECT_DOUBLE_EQ(view.MiddleX(), middleX);
        EXPECT_DOUBLE_EQ(view.YSpan() * 0.5 - view.YOffset(), middleY);
    }
}

TEST(PlotViewTest, FitNeedsTwoFinitePointsSpreadInBothDirections)
{
    const std::vector<std::vector<DataPoint>> refused = {
        {{1, 2}},
        {{1, 2}, {1, 5}},
        {{1, 2}, {4, 2}},
        {{1, 2}, {kInfinity, 5}},
    };
    for (const auto& points : refused) {
        PlotView view = ViewOf(240, 300);
        EXPECT_FALSE(view.FitTo(points));
        ExpectRange(XRange(view), {-5, 5});
    }
    // Infinite points are skipped; a tenth of the range is left on each side.
    PlotView view = ViewOf(240, 300);
    const std::vector<DataPoint> withInfinity = {{0, 0}, {kInfinity, 1}, {10, 5}};
    ASSERT_TRUE(view.FitTo(withInfinity));
    ExpectRange(XRange(view), {-1, 11});
    ExpectRange(YRange(view), {-0.5, 5.5});
}

}  // namespace
}  // namespace tallyx
