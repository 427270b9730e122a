#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"

namespace tallyx {
namespace {

struct SheetOutput {
    int exitCode;
    std::vector<std::string> lines;
    std::string error;
};

SheetOutput RunSheet(const cli::Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream error;
    SheetOutput output{cli::kSheetCommand.run(arguments, out, error), {}, error.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) output.lines.push_back(line);
    return output;
}

TEST(RegressionSheetCommandTest, PairsFillTheCellsAndTheResultsFollow)
{
    const SheetOutput output = RunSheet({"linreg", "--pairs", "1,2,2,4"});
    ASSERT_EQ(output.exitCode, cli::kExitOk) << output.error;
    const std::vector<std::string> expected = {
        "X(1):\t1", "Y(1):\t2", "X(2):\t2", "Y(2):\t4",
        "Mean of X\t1.5", "Deviation of X\t0.707106781187", "Mean of Y\t3", "Deviation of Y\t1.41421356237",
        "\t", "∑X\t3", "∑X²\t5", "∑Y\t6", "∑Y²\t20", "∑X×Y\t10", "\t",
        "Equation:\tf(x)=a+b×x", "Y Intercept (a)\t0", "Slope (b)\t2", "Regression (r)\t1", "Determination(r²)\t1",
    };
    EXPECT_EQ(output.lines, expected);
}

TEST(RegressionSheetCommandTest, ADataFileIsReadAsTheSheetWouldOpenIt)
{
    const auto path = std::filesystem::temp_directory_path() / "tallyx_regression_command.csv";
    {
        std::ofstream file(path, std::ios::binary);
        for (const char character : std::string("0,1,1,10,")) file << character << '\0';
    }
    const SheetOutput output = RunSheet({"expreg", "--data", path.string()});
    std::filesystem::remove(path);
    ASSERT_EQ(output.exitCode, cli::kExitOk) << output.error;
    ASSERT_GE(output.lines.size(), 4u);
    EXPECT_EQ(output.lines[3], "Y(2):\t10");
    EXPECT_EQ(output.lines[output.lines.size() - 4], "a\t1");
    EXPECT_EQ(output.lines[output.lines.size() - 3], "b\t10");
}

TEST(RegressionSheetCommandTest, ManyPairsGrowTheSheet)
{
    std::string pairs;
    for (int i = 1; i <= 120; ++i) pairs += std::to_string(i) + "," + std::to_string(3 * i) + ",";
    pairs.pop_back();
    const SheetOutput output = RunSheet({"linreg", "--pairs", pairs});
    ASSERT_EQ(output.exitCode, cli::kExitOk) << output.error;
    EXPECT_EQ(output.lines[239], "Y(120):\t360");
    // Only the first hundred pairs are taken into the fit.
    EXPECT_EQ(output.lines[240], "Mean of X\t50.5");
}

TEST(RegressionSheetCommandTest, BadDataIsRefused)
{
    const std::vector<cli::Arguments> cases = {
        {"linreg", "--pairs", "1,x"},
        {"pwrreg", "--data", "/no/such/file.csv"},
        {"tvm", "--pairs", "1,2"},
    };
    for (const cli::Arguments& arguments : cases) {
        const SheetOutput output = RunSheet(arguments);
        EXPECT_EQ(output.exitCode, cli::kExitUsage) << arguments[2];
        EXPECT_FALSE(output.error.empty());
    }
}

}  // namespace
}  // namespace tallyx
