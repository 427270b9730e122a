#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

TEST(KeysCommandTest, PrintsTheDisplayAfterTheKeys)
{
    const struct {
        Arguments arguments;
        int exitStatus;
        std::string out;
    } cases[] = {
        {{"--mode", "normal", "2", "Plus", "3", "Equals", "Equals", "Equals"}, kExitOk, "11.\n"},
        {{"--mode", "direct", "2", "sin", "30", "equals"}, kExitOk, "1.\n"},
        {{"--mode", "expression", "2", "Times", "OpenBracket", "3", "Plus", "4", "Equals"}, kExitOk, "14.\n"},
        {{"2", "1:0", "3", "5:0"}, kExitOk, "5.\n"},
        {{"--raw", "1", "Divide", "3", "Equals"}, kExitOk, "0.333333333333333\n"},
        {{"--mode", "expression", "--raw", "--indicator", "2", "Plus", "3"}, kExitOk, "0\n2+3\n"},
        {{"1", "Divide", "3", "Equals"}, kExitOk, "0.33333333333333\n"},
        {{"--notation", "4", "2.25", "PlusMinus"}, kExitOk, "-2 1/4\n"},
        {{"--notation", "1", "--fixed", "3", "3.14159"}, kExitOk, "3.142\n"},
        {{"--angle", "rad", "Pi", "Cos"}, kExitOk, "-1.\n"},
        {{"--mode", "rpn", "--stack", "3", "1", "Enter", "2", "Enter", "3", "Enter", "Plus", "Plus", "Plus"}, kExitOk,
         "10.\n"},
        {{"255", "HEX"}, kExitOk, "FF\n"},
        {{"1", "Divide", "0", "Equals"}, kExitOk, "Infinity\n"},
        {{"--trace", "2", "Plus", "Equals", "Equals"}, kExitOk,
         "2\tok\t2.\t\nPlus\tok\t2.\t2+\nEquals\tok\t2.\t\nEquals\trefused\t2.\t\n2.\n"},
        {{"Pluss"}, kExitUsage, ""},          {{"--bogus", "1"}, kExitUsage, ""},
        {{"--mode", "hex", "1"}, kExitUsage, ""}, {{"--stack", "2", "1"}, kExitUsage, ""},
        {{"--mode"}, kExitUsage, ""},         {{"--trace"}, kExitUsage, ""},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        std::ostringstream error;
        EXPECT_EQ(kKeysCommand.run(c.arguments, out, error), c.exitStatus) << testing::PrintToString(c.arguments);
        EXPECT_EQ(out.str(), c.out) << testing::PrintToString(c.arguments);
    }
}

TEST(KeysCommandTest, UnknownKeySuggestsTheClosestNamesAndTheFourthRefusalIsReported)
{
    std::ostringstream out;
    std::ostringstream error;
    EXPECT_EQ(kKeysCommand.run({"2", "Pluss"}, out, error), kExitUsage);
    EXPECT_NE(error.str().find("'Pluss'"), std::string::npos);
    EXPECT_NE(error.str().find("Plus"), std::string::npos);

    std::ostringstream refusals;
    EXPECT_EQ(kKeysCommand.run({"Equals", "Equals", "Equals", "Equals"}, out, refusals), kExitOk);
    EXPECT_EQ(refusals.str(), "Tallyx Error: This button is not usable based on the current state of Tallyx.\n");
}

TEST(InteractiveTest, EachLineIsCalculated)
{
    const struct {
        std::string input;
        std::string out;
        bool errorExpected;
    } cases[] = {
        {"2 + 3 * 4\nans / 2\n", "14.\n7.\n", false},
        {"\n   \n", "", false},
        {"5\nsin(30\nans+1\n", "5.\n6.\n", true},
        {":angle turns\n", "", true},
        {":base 16\nFF+1\n:base 10\nans\n", "100\n256.\n", false},
        {":notation frac\n0.75\n", "3/4\n", false},
        {":notation 1\n:fixed 3\n3.14159\n", "3.142\n", false},
        {"1/0\nans\n", "Infinity\n0.\n", false},
        {":quit\n1+1\n", "", false},
        {":bogus\n", "", true},
        {"12°30′\n", "12°30′00\n", false},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out;
        std::ostringstream error;
        EXPECT_EQ(RunInteractive(in, out, error, false), kExitOk) << c.input;
        EXPECT_EQ(out.str(), c.out) << c.input;
        EXPECT_EQ(!error.str().empty(), c.errorExpected) << c.input << error.str();
    }
}

}  // namespace
}  // namespace tallyx::cli
