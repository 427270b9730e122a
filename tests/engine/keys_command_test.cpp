#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

struct CommandCase {
    Arguments arguments;
    int exitStatus;
    std::string out;
};

void PrintTo(const CommandCase& command, std::ostream* out)
{
    for (const std::string& argument : command.arguments) {
        *out << argument << ' ';
    }
}

class KeysCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(KeysCommandTest, PrintsTheDisplayAfterTheKeys)
{
    std::ostringstream out;
    std::ostringstream error;
    EXPECT_EQ(kKeysCommand.run(GetParam().arguments, out, error), GetParam().exitStatus) << error.str();
    EXPECT_EQ(out.str(), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, KeysCommandTest,
    ::testing::Values(CommandCase{{"--mode", "normal", "2", "Plus", "3", "Equals", "Equals", "Equals"}, kExitOk, "11.\n"},
                      CommandCase{{"2", "Plus", "3", "Times", "4", "Equals"}, kExitOk, "14.\n"},
                      CommandCase{{"--mode", "rpn", "2", "Enter", "3", "XToTheY"}, kExitOk, "9.\n"},
                      CommandCase{{"--mode", "direct", "2", "sin", "30", "equals"}, kExitOk, "1.\n"},
                      CommandCase{{"--mode", "expression", "2", "Times", "OpenBracket", "3", "Plus", "4", "Equals"},
                                  kExitOk, "14.\n"},
                      CommandCase{{"12.5", "Plus", "1", "Equals"}, kExitOk, "13.5\n"},
                      CommandCase{{"1:0"}, kExitOk, "0.\n"},
                      CommandCase{{"2", "1:0", "3", "5:0"}, kExitOk, "5.\n"},
                      CommandCase{{"--raw", "1", "Divide", "3", "Equals"}, kExitOk, "0.333333333333333\n"},
                      CommandCase{{"1", "Divide", "3", "Equals"}, kExitOk, "0.33333333333333\n"},
                      CommandCase{{"--notation", "4", "0.75"}, kExitOk, "3/4\n"},
                      CommandCase{{"--notation", "4", "2.25", "PlusMinus"}, kExitOk, "-2 1/4\n"},
                      CommandCase{{"--notation", "1", "--fixed", "3", "3.14159"}, kExitOk, "3.142\n"},
                      CommandCase{{"--notation", "2", "123.45"}, kExitOk, "1.2345e+002\n"},
                      CommandCase{{"--angle", "rad", "Pi", "Cos"}, kExitOk, "-1.\n"},
                      CommandCase{{"--mode", "rpn", "--stack", "3", "1", "Enter", "2", "Enter", "3", "Enter", "Plus",
                                   "Plus", "Plus"},
                                  kExitOk, "10.\n"},
                      CommandCase{{"255", "HEX"}, kExitOk, "FF\n"},
                      CommandCase{{"1", "Divide", "0", "Equals"}, kExitOk, "Infinity\n"},
                      CommandCase{{"--trace", "2", "Plus", "Equals", "Equals"}, kExitOk,
                                  "2\tok\t2.\t\nPlus\tok\t2.\t2+\nEquals\tok\t2.\t\nEquals\trefused\t2.\t\n2.\n"},
                      CommandCase{{"Pluss"}, kExitUsage, ""},
                      CommandCase{{"--bogus", "1"}, kExitUsage, ""},
                      CommandCase{{"--mode", "hex", "1"}, kExitUsage, ""},
                      CommandCase{{"--stack", "2", "1"}, kExitUsage, ""},
                      CommandCase{{"--mode"}, kExitUsage, ""},
                      CommandCase{{"--trace"}, kExitUsage, ""}));

TEST(KeysCommandMessages, UnknownKeySuggestsTheClosestNames)
{
    std::ostringstream out;
    std::ostringstream error;
    EXPECT_EQ(kKeysCommand.run({"2", "Pluss"}, out, error), kExitUsage);
    EXPECT_NE(error.str().find("'Pluss'"), std::string::npos);
    EXPECT_NE(error.str().find("Plus"), std::string::npos);
}

TEST(KeysCommandMessages, FourthRefusalIsReported)
{
    std::ostringstream out;
    std::ostringstream error;
    EXPECT_EQ(kKeysCommand.run({"Equals", "Equals", "Equals", "Equals"}, out, error), kExitOk);
    EXPECT_EQ(error.str(), "Tallyx Error: This button is not usable based on the current state of Tallyx.\n");
}

struct SessionCase {
    std::string input;
    std::string out;
    bool errorExpected;
};

void PrintTo(const SessionCase& session, std::ostream* out)
{
    *out << session.input;
}

class InteractiveTest : public ::testing::TestWithParam<SessionCase> {};

TEST_P(InteractiveTest, EachLineIsCalculated)
{
    std::istringstream in(GetParam().input);
    std::ostringstream out;
    std::ostringstream error;
    EXPECT_EQ(RunInteractive(in, out, error, false), kExitOk);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(!error.str().empty(), GetParam().errorExpected) << error.str();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InteractiveTest,
    ::testing::Values(SessionCase{"2+3*4\n", "14.\n", false}, SessionCase{"2 + 3 * 4\nans / 2\n", "14.\n7.\n", false},
                      SessionCase{"6 × 7 ÷ 2\n", "21.\n", false}, SessionCase{"\n   \n", "", false},
                      SessionCase{"sin(30\n", "", true}, SessionCase{"5\nsin(30\nans+1\n", "5.\n6.\n", true},
                      SessionCase{":angle rad\ncos(pi)\n", "-1.\n", false},
                      SessionCase{":angle turns\n", "", true},
                      SessionCase{":base 16\nFF+1\n:base 10\nans\n", "100\n256.\n", false},
                      SessionCase{":notation frac\n0.75\n", "3/4\n", false},
                      SessionCase{":notation sci\n123.45\n", "1.2345e+002\n", false},
                      SessionCase{":notation 1\n:fixed 3\n3.14159\n", "3.142\n", false},
                      SessionCase{"1/0\nans\n", "Infinity\n0.\n", false},
                      SessionCase{":quit\n1+1\n", "", false}, SessionCase{":bogus\n", "", true},
                      SessionCase{"12°30′\n", "12°30′00\n", false}));

}  // namespace
}  // namespace tallyx::cli
