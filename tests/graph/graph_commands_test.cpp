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
    plot_.AddDataPoint(0, 0);
    plot_.AddDataPoint(1, 1);
    const std::vector<std::wstring> two = Captions(GraphMenu(plot_));
    EXPECT_EQ(two, (std::vector<std::wstring>{L"Zoom In", L"Zoom Out", L"Reset", L"Center on Graph", L"",
                                              L"Save Bitmap", L"", L"Exit"}));
    plot_.AddDataPoint(2, 4);
    const std::vector<std::wstring> three = Captions(GraphMenu(plot_));
    EXPECT_EQ(three[4], L"Fit to data");
}

TEST_F(GraphCommandsTest, SelectGraphListsTheUsedSlotsWhenThereAreSeveral)
{
    plot_.SetFunction(3, L"X^2");
    const std::vector<GraphMenuItem> menu = GraphMenu(plot_);
    ASSERT_EQ(menu[4].caption, L"Select Graph");
    ASSERT_EQ(menu[4].items.size(), 2u);
    EXPECT_EQ(menu[4].items[1].caption, L"X^2");
    EXPECT_EQ(menu[4].items[1].command, GraphCommandFirstFunction + 3);
    EXPECT_EQ(RunGraphCommand(plot_, menu[4].items[1].command), GraphReply::Redraw);
    EXPECT_EQ(plot_.CurrentFunction(), 3);
}

TEST_F(GraphCommandsTest, TheModeMenuMarksTheCurrentModes)
{
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandPointOnGraph), GraphReply::Redraw);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandZoomYOnly), GraphReply::Redraw);
    const std::vector<GraphMenuItem> menu = ModeMenu(plot_);
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_FALSE(menu[0].checked);
    EXPECT_FALSE(menu[1].checked);
    EXPECT_TRUE(menu[2].checked);
    EXPECT_EQ(menu[4].caption, L"Zoom Mode");
    EXPECT_TRUE(menu[4].items[2].checked);
    EXPECT_EQ(menu[4].items[2].caption, L"Y Only");
    EXPECT_EQ(plot_.Interaction(), InteractionMode::PointOnGraph);
    EXPECT_EQ(plot_.Zooming(), ZoomMode::YOnly);
}

TEST_F(GraphCommandsTest, CharactersAndKeysStandForCommands)
{
    struct Case {
        bool typed;  // a character rather than a released key
        int code;
        GraphReply reply;
        double xSpan;
    };
    const Case cases[] = {
        {true, L'+', GraphReply::Redraw, 5},       {true, L'-', GraphReply::Redraw, 20},
        {true, L'c', GraphReply::Redraw, 10},      {true, L'q', GraphReply::Ignored, 10},
        {false, GraphKeyAdd, GraphReply::Redraw, 5}, {false, GraphKeyF8, GraphReply::Redraw, 20},
        {false, GraphKeyEscape, GraphReply::Close, 10}, {false, 'Z', GraphReply::Redraw, 10},
    };
    for (const Case& example : cases) {
        plot_.ResetView();
        const GraphReply reply = example.typed ? TypeGraphCharacter(plot_, static_cast<wchar_t>(example.code))
                                               : ReleaseGraphKey(plot_, example.code);
        EXPECT_EQ(reply, example.reply) << example.code;
        EXPECT_DOUBLE_EQ(plot_.View().XSpan(), example.xSpan) << example.code;
    }
}

TEST_F(GraphCommandsTest, ArrowAndDigitKeysScrollAsATapAtTheEdge)
{
    struct Case {
        int key;
        double xOffset;
        double yOffset;
    };
    const Case cases[] = {
        {GraphKeyLeft, 6, 5}, {'4', 6, 5}, {GraphKeyRight, 4, 5}, {'6', 4, 5},
        {GraphKeyUp, 5, 4},   {'8', 5, 4}, {GraphKeyDown, 5, 6},  {'2', 5, 6},
    };
    for (const Case& example : cases) {
        plot_.ResetView();
        EXPECT_EQ(ReleaseGraphKey(plot_, example.key), GraphReply::Redraw);
        EXPECT_DOUBLE_EQ(plot_.View().XOffset(), example.xOffset) << example.key;
        EXPECT_DOUBLE_EQ(plot_.View().YOffset(), example.yOffset) << example.key;
    }
}

TEST_F(GraphCommandsTest, WindowCommandsAreHandedBack)
{
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandGraphMenu), GraphReply::OpenGraphMenu);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandModeMenu), GraphReply::OpenModeMenu);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandSaveImage), GraphReply::SaveImage);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandExit), GraphReply::Close);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandOk), GraphReply::Close);
    EXPECT_EQ(RunGraphCommand(plot_, GraphCommandFitToData), GraphReply::Ignored);
    EXPECT_EQ(RunGraphCommand(plot_, 12345), GraphReply::Ignored);
}

}  // namespace
}  // namespace tallyx
