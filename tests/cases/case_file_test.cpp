#include "tests/cases/case_file.h"

#include <gtest/gtest.h>

namespace tallyx::cases {
namespace {

using Words = std::vector<std::string>;

TEST(CaseFileTest, LinesBecomeConsoleArguments)
{
    const CaseFile file = ReadCaseText(
        "# keys take words\n"
        "command: keys\n"
        "options: --mode rpn --raw\n"
        "\n"
        "2 Enter 3 Plus => 5\n"
        "options:\n"
        "  1 Plus 1 Equals   =>   2  \r\n"
        "command: eval\n"
        "options: --base 16\n"
        "FF + 1 => 100\n"
        "1/0 =>\n");
    ASSERT_FALSE(file.fault) << *file.fault;
    const struct {
        int line;
        Words arguments;
        std::string expected;
    } expected[] = {
        {5, {"keys", "--mode", "rpn", "--raw", "2", "Enter", "3", "Plus"}, "5"},
        {7, {"keys", "1", "Plus", "1", "Equals"}, "2"},
        {10, {"eval", "--base", "16", "FF + 1"}, "100"},
        {11, {"eval", "--base", "16", "1/0"}, ""},
    };
    ASSERT_EQ(file.cases.size(), std::size(expected));
    for (std::size_t index = 0; index < file.cases.size(); ++index) {
        EXPECT_EQ(file.cases[index].line, expected[index].line);
        EXPECT_EQ(file.cases[index].arguments, expected[index].arguments) << index;
        EXPECT_EQ(file.cases[index].expected, expected[index].expected) << index;
    }
}

TEST(CaseFileTest, FaultsNameTheirLine)
{
    const struct {
        const char* text;
        const char* fault;
    } cases[] = {
        {"1 Plus 1 => 2\n", "line 1: a case before any \"command:\" line"},
        {"command: keys\n1 Plus 1 = 2\n", "line 2: no \" => \" between the input and the expected text"},
        {"command: keys\n1 =>2\n", "line 2: no \" => \" between the input and the expected text"},
        {"command: keys\n => 2\n", "line 2: a case without input"},
        {"command: plot\n", "line 1: no command \"plot\"; keys, eval or sheet"},
        {"# nothing\n\ncommand: eval\n", "no cases"},
    };
    for (const auto& c : cases) {
        const CaseFile file = ReadCaseText(c.text);
        ASSERT_TRUE(file.fault) << c.text;
        EXPECT_EQ(*file.fault, c.fault) << c.text;
    }
}

TEST(CaseFileTest, OutputLinesAreJoined)
{
    const struct {
        const char* output;
        const char* line;
    } cases[] = {
        {"14\n", "14"}, {"14\n2×(3+4)\n", "14 | 2×(3+4)"}, {"7\n\n", "7 |"}, {"", ""}, {"a\nb\nc", "a | b | c"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OutputLine(c.output), c.line) << c.output;
    }
}

}  // namespace
}  // namespace tallyx::cases
