#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

struct CommandCase {
    Arguments arguments;
    int status;
    std::string out;
};

struct CommandRun {
    int status;
    std::string out;
    std::string error;
};

CommandRun RunEval(const Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream error;
    const int status = kEvalCommand.run(arguments, out, error);
    return {status, out.str(), error.str()};
}

TEST(EvalCommandTest, PrintsEachResultTextOnALine)
{
    const CommandCase cases[] = {
        {{"0.3-0.1", "2^3^2", "1e20", "1/0", "sqrt(-1)"}, kExitOk, "0.2\n64\n1.e+020\ninfinity\nimaginary\n"},
        {{"2×3", "12°30′"}, kExitOk, "6\n12.5\n"},
        {{"(5"}, kExitOk, "syntax error\n"},
        {{"--angle", "rad", "cos(pi)"}, kExitOk, "-1\n"},
        {{"--angle", "grad", "sin(100)"}, kExitOk, "1\n"},
        {{"--base", "16", "FF+1"}, kExitOk, "100\n"},
        {{"--base", "16", "--bits", "8", "0-1"}, kExitOk, "FF\n"},
        {{"--", "--5"}, kExitOk, "5\n"},
    };
    for (const CommandCase& entry : cases) {
        const CommandRun run = RunEval(entry.arguments);
        EXPECT_EQ(run.status, entry.status) << testing::PrintToString(entry.arguments);
        EXPECT_EQ(run.out, entry.out) << testing::PrintToString(entry.arguments);
        EXPECT_EQ(run.error, "") << testing::PrintToString(entry.arguments);
    }
}

TEST(EvalCommandTest, BadOptionsGiveAMessageAndStatusTwo)
{
    const Arguments cases[] = {
        {},
        {"--angle"},
        {"--angle", "turns", "1"},
        {"--base", "1", "1"},
        {"--base", "16x", "1"},
        {"--bits", "65", "1"},
        {"--precision", "3", "1"},
        {"--base", "16"},
    };
    for (const Arguments& arguments : cases) {
        const CommandRun run = RunEval(arguments);
        EXPECT_EQ(run.status, kExitUsage) << testing::PrintToString(arguments);
        EXPECT_EQ(run.out, "") << testing::PrintToString(arguments);
        EXPECT_NE(run.error.find("usage: tallyx-cli eval"), std::string::npos) << testing::PrintToString(arguments);
    }
}

}  // namespace
}  // namespace tallyx::cli
