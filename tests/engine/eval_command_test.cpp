#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

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
    const std::pair<Arguments, std::string> cases[] = {
        {{"0.3-0.1", "1e20", "1/0", "sqrt(-1)"}, "0.2\n1.e+020\ninfinity\nimaginary\n"},
        {{"2×3", "12°30′", "(5"}, "6\n12.5\nsyntax error\n"},
        {{"--angle", "grad", "sin(100)"}, "1\n"},
        {{"--base", "16", "--bits", "8", "0-1"}, "FF\n"},
        {{"--", "--5"}, "5\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        const CommandRun run = RunEval(arguments);
        EXPECT_EQ(run.status, kExitOk) << testing::PrintToString(arguments);
        EXPECT_EQ(run.out, expected) << testing::PrintToString(arguments);
        EXPECT_EQ(run.error, "") << testing::PrintToString(arguments);
    }
}

TEST(EvalCommandTest, BadOptionsGiveAMessageAndStatusTwo)
{
    const Arguments cases[] = {
        {},
        {"--angle"},         {"--angle", "turns", "1"}, {"--base", "1", "1"}, {"--base", "16x", "1"},
        {"--bits", "65", "1"}, {"--precision", "3", "1"}, {"--base", "16"},
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
