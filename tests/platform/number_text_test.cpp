#include "platform/number_text.h"

#include <clocale>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

// Every conversion must ignore the process locale, so each test runs under
// one whose decimal point is a comma.
class NumberTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                return;
            }
        }
        GTEST_SKIP() << "no locale with a decimal comma can be made here";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(NumberTextTest, ParseDoubleFollowsWcstod)
{
    const struct {
        const wchar_t* text;
        double value;
        std::size_t consumed;
    } cases[] = {
        {L"  -3.25xyz", -3.25, 7}, {L"+.5", 0.5, 3}, {L"1.5E-2", 0.015, 6}, {L"2e+", 2.0, 1},
        {L"abc", 0.0, 0},          {L".", 0.0, 0},   {L"1,5", 1.0, 1},      {L"7.", 7.0, 2},
        {L"1.2.3", 1.2, 3},        {L"1e999", std::numeric_limits<double>::infinity(), 5}, {L"1e-999", 0.0, 6},
    };
    for (const auto& example : cases) {
        std::size_t consumed = 99;
        EXPECT_EQ(ParseDouble(example.text, &consumed), example.value) << example.text;
        EXPECT_EQ(consumed, example.consumed) << example.text;
    }
}

TEST_F(NumberTextTest, ParseLongFollowsWtolAndSaturates)
{
    const std::pair<const wchar_t*, std::int32_t> cases[] = {
        {L"  -17abc", -17}, {L"+8", 8}, {L"abc", 0}, {L"3.9", 3}, {L"0x1F", 0}, {L"- 5", 0},
        {L"99999999999", 2147483647}, {L"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseLong(text), value) << text;
    }
}

TEST_F(NumberTextTest, FormatsUseAPointWhateverTheLocale)
{
    EXPECT_EQ(FormatInteger(-1234), L"-1234");
    EXPECT_EQ(FormatFixed(1.0 / 3.0, 6), L"0.333333");
    EXPECT_EQ(FormatFixed(-0.005, 2), L"-0.01");
    EXPECT_EQ(FormatFixed(1e20, 0), L"100000000000000000000");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 2), L"inf");
}

}  // namespace
}  // namespace tallyx
