#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"
#include "engine/expression_evaluator.h"
#include "graph/evaluator_arithmetic.h"
#include "graph/graph_plot.h"

namespace tallyx {
namespace {

struct CommandOutput {
    int exitCode;
    std::vector<std::string> lines;
    std::string error;
};

CommandOutput RunPlot(const cli::Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream error;
    CommandOutput output{cli::kPlotCommand.run(arguments, out, error), {}, error.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) output.lines.push_back(line);
    return output;
}

TEST(PlotCommandTest, PrintsTheResetViewAndARowPerSample)
{
    const CommandOutput output = RunPlot({"X^2", "--step", "1", "-X"});
    ASSERT_EQ(output.exitCode, cli::kExitOk) << output.error;
    ASSERT_EQ(output.lines.size(), 7u + 60u);
    EXPECT_EQ(output.lines[0], "area\t240x300\tstep 3");
    EXPECT_EQ(output.lines[1], "x\t-5 .. 5");
    EXPECT_EQ(output.lines[3], "labels\ttop 6.25\tbottom -6.25\tleft -5\tright 5");
    EXPECT_EQ(output.lines[4], "f1(x)=X^2");
    EXPECT_EQ(output.lines[5], "f2(x)=-X");
    EXPECT_EQ(output.lines[6], "column\tx\tf1\tf2");
    // Column 120 is x = 0: both functions sit on the x axis's row.
    EXPECT_EQ(output.lines[7 + 30], "120\t0\t151\t151");
    EXPECT_EQ(output.lines.back(), "236\t4.83333333333\t-410\t267");
}

TEST(PlotCommandTest, TypedProductsAreCompletedAsThePanelStoresThem)
{
    EXPECT_EQ(RunPlot({"X2", "--width", "10"}).lines[4], "f1(x)=X×2");
}

TEST(PlotCommandTest, BadArgumentsAreRefusedWithAMessage)
{
    const std::vector<cli::Arguments> cases = {
        {},
        {"--width", "abc", "X"},
        {"--height", "9000", "X"},
        {"--step", "3", "X"},
        {"--step"},
        {"X", "X", "X", "X", "X", "X", "X", "X", "X"},
    };
    for (const cli::Arguments& arguments : cases) {
        const CommandOutput output = RunPlot(arguments);
        EXPECT_EQ(output.exitCode, cli::kExitUsage);
        EXPECT_NE(output.error.find("usage: tallyx-cli plot"), std::string::npos);
        EXPECT_TRUE(output.lines.empty());
    }
}

// Through the real evaluator: the leading minus, the missing bracket and an
// error result that the centring ignores.
TEST(EvaluatorArithmeticTest, FunctionsAreEvaluatedBySubstitution)
{
    ExpressionEvaluator evaluator;
    EvaluatorArithmetic arithmetic(evaluator);
    GraphPlot plot(arithmetic);
    plot.SetFunction(0, L"-X");
    plot.SetFunction(1, L"sqrt(X-100");
    plot.SetFunction(2, L"X^2+sin(90)");
    plot.Start(240, 300);
    std::wstring result;
    EXPECT_EQ(plot.ValueAt(0, -2.0, result), 2.0);
    EXPECT_EQ(result, L"2");
    EXPECT_EQ(plot.ValueAt(2, 0.5, result), 1.25);
    plot.ValueAt(1, 0.0, result);
    EXPECT_EQ(result, L"imaginary");
    EXPECT_EQ(arithmetic.NumberText(1.0 / 3.0), L"0.333333333333");

    ASSERT_TRUE(plot.SelectFunction(1));
    EXPECT_FALSE(plot.CentreOnGraph());
    ASSERT_TRUE(plot.SelectFunction(2));
    EXPECT_TRUE(plot.CentreOnGraph());
    EXPECT_DOUBLE_EQ(plot.View().YOffset(), 6.25 - 1.0);
}

}  // namespace
}  // namespace tallyx
