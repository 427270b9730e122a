#include "graph/graph_commands.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/graph/fake_plot_arithmetic.h"

namespace tallyx {
namespace {

std::vector<std::wstring> Captions(const std::vector<GraphMenuItem>& menu)
{
    std::vector<std::wstring> captions;
    for (const GraphMenuItem& item : menu) captions.push_back(item.caption);
    return captions;
}

class GraphCommandsTest : public ::testing::Test {
protected:
    GraphCommandsTest() : plot_(arithmetic_) {}
    void SetUp() override
    {
        plot_.SetFunction(0, L"X");
        plot_.Start(200, 200);
    }

    FakePlotArithmetic arithmetic_;
    GraphPlot plot_;
};

TEST_F(GraphCommandsTest, FitToDataIsOfferedFromThreePointsOn)
{
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandFitToData), GraphReply::Ignored);
    plot_.AddDataPoint(0, 0);
    plot_.AddDataPoint(1, 1);
    EXPECT_EQ(Captions(GraphMenu(plot_))[4], L"");
    plot_.AddDataPoint(2, 4);
    EXPECT_EQ(Captions(GraphMenu(plot_))[4], L"Fit to data");
}

// Select Graph lists the used slots when there are several; the mode menu
// marks the current modes.
TEST_F(GraphCommandsTest, MenusFollowThePlot)
{
    plot_.SetFunction(3, L"X^2");
    const std::vector<GraphMenuItem> menu = GraphMenu(plot_);
    ASSERT_EQ(menu[4].caption, L"Select Graph");
    ASSERT_EQ(menu[4].items.size(), 2u);
    EXPECT_EQ(menu[4].items[1].caption, L"X^2");
    EXPECT_EQ(RunGraphCommand(plot_, menu[4].items[1].command), GraphReply::Redraw);
    EXPECT_EQ(plot_.CurrentFunction(), 3);

    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandPointOnGraph), GraphReply::Redraw);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandZoomYOnly), GraphReply::Redraw);
    const std::vector<GraphMenuItem> modes = ModeMenu(plot_);
    ASSERT_EQ(modes.size(), 5u);
    EXPECT_FALSE(modes[0].checked);
    EXPECT_TRUE(modes[2].checked);
    EXPECT_TRUE(modes[4].items[2].checked);
}

// Arrow and digit keys scroll as a tap at the edge would.
TEST_F(GraphCommandsTest, CharactersAndKeysStandForCommands)
{
    struct Case {
        bool typed;  // a character rather than a released key
        int code;
        GraphReply reply;
        double xSpan;
        double xOffset;
        double yOffset;
    };
    const Case cases[] = {
        {true, L'+', GraphReply::Redraw, 5, 2.5, 2.5},       {true, L'-', GraphReply::Redraw, 20, 10, 10},
        {true, L'q', GraphReply::Ignored, 10, 5, 5},         {false, GraphKeyF8, GraphReply::Redraw, 20, 10, 10},
        {false, GraphKeyEscape, GraphReply::Close, 10, 5, 5}, {false, GraphKeyLeft, GraphReply::Redraw, 10, 6, 5},
        {false, GraphKeyRight, GraphReply::Redraw, 10, 4, 5}, {false, GraphKeyUp, GraphReply::Redraw, 10, 5, 4},
        {false, '8', GraphReply::Redraw, 10, 5, 4},          {false, GraphKeyDown, GraphReply::Redraw, 10, 5, 6},
    };
    for (const Case& example : cases) {
        plot_.ResetView();
        const GraphReply reply = example.typed ? TypeGraphCharacter(plot_, static_cast<wchar_t>(example.code))
                                               : ReleaseGraphKey(plot_, example.code);
        EXPECT_EQ(reply, example.reply) << example.code;
        EXPECT_DOUBLE_EQ(plot_.View().XSpan(), example.xSpan) << example.code;
        EXPECT_DOUBLE_EQ(plot_.View().XOffset(), example.xOffset) << example.code;
        EXPECT_DOUBLE_EQ(plot_.View().YOffset(), example.yOffset) << example.code;
    }
}

}  // namespace
}  // namespace tallyx
