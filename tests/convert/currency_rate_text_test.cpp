#include "convert/rate_text.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

RateTable Read(const std::string& currencies, int count)
{
    IniText text;
    text.LoadFromText("[Info]\r\nnumcurrencies=" + std::to_string(count) + "\r\nutc=1751285700\r\n[Currencies]\r\n" +
                      currencies);
    return ReadRateText(text);
}

struct LineCase {
    const char* line;
    bool kept;
    const wchar_t* symbol;
    double rate;
    double bid;
    double ask;
};

// A lost "?" symbol must not shift the numbers; unusable rates drop the line.
const LineCase kLines[] = {
    {"EUR,Euro,EUR,0.85,0.84,0.86", true, L"EUR", 0.85, 0.84, 0.86},
    {"USD,US Dollar,$,0,0,0", true, L"$", 1.0, 1.0, 1.0},
    {"AUD,Australian Dollar,A$,1.5", true, L"A$", 1.5, 1.5, 1.5},
    {"CAD,Canadian Dollar,C$,1.36,abc,1.37", true, L"C$", 1.36, 1.36, 1.37},
    {"JPY,Japanese Yen,?,144,143,145", true, L"$", 144, 143, 145},
    {"XYZ,Nothing,X,0,1,1", false, L"", 0, 0, 0},
    {"ABC,Backwards,A,-2,1,1", false, L"", 0, 0, 0},
    {"INF,Endless,I,1e999,1,1", false, L"", 0, 0, 0},
    {"CHF,Swiss Franc,Fr.,0.8,0.79,-1", true, L"Fr.", 0.8, 0.79, 0.8},
};

TEST(RateTextTest, ReadsEachLine)
{
    for (const LineCase& expected : kLines) {
        SCOPED_TRACE(expected.line);
        const RateTable table = Read(std::string("1=") + expected.line + "\r\n", 1);
        EXPECT_TRUE(table.complete);
        ASSERT_EQ(table.entries.size(), expected.kept ? 1u : 0u);
        if (!expected.kept) {
            continue;
        }
        const CurrencyEntry& entry = table.entries.front();
        EXPECT_EQ(entry.symbol, expected.symbol);
        EXPECT_DOUBLE_EQ(entry.rate, expected.rate);
        EXPECT_DOUBLE_EQ(entry.bid, expected.bid);
        EXPECT_DOUBLE_EQ(entry.ask, expected.ask);
    }
    const RateTable table = Read("1=EUR,Euro,EUR,0.85,0.84,0.86\r\n", 1);
    EXPECT_EQ(table.entries[0].code, L"EUR");
    EXPECT_EQ(table.entries[0].name, L"Euro");
    EXPECT_EQ(table.utc, 1751285700);
}

// A huge count must not loop over lines that are not there.
TEST(RateTextTest, TheCountAndTheFirstBrokenLineEndTheReading)
{
    const std::string usd = "1=USD,US Dollar,$,1,1,1\r\n";
    const std::string gbp = "=GBP,Pound,GBP,0.75,0.74,0.76\r\n";
    const struct {
        std::string currencies;
        int count;
        bool complete;
        std::size_t entries;
    } cases[] = {
        {usd + "2=EUR,Euro\r\n3" + gbp, 3, false, 1},
        {usd + "3" + gbp, 3, true, 2},
        {usd + "2" + gbp, 1, true, 1},
        {usd, 2147483647, true, 1},
        {usd + "1999999999" + gbp, 1999999999, true, 2},
        {usd + "2147483647" + gbp + "2147483648" + gbp, 2147483647, true, 2},
        {"01" + gbp + "+1" + gbp + " 2" + gbp, 2, true, 1},
    };
    for (const auto& example : cases) {
        const RateTable table = Read(example.currencies, example.count);
        EXPECT_EQ(table.complete, example.complete) << example.currencies;
        EXPECT_EQ(table.entries.size(), example.entries) << example.currencies;
    }
}

TEST(RateTextTest, LinesAreReadInNumberOrderTheFirstOfEachNumberWins)
{
    const RateTable table = Read("3=GBP,Pound,GBP,0.75,0.74,0.76\r\n1=USD,US Dollar,$,1,1,1\r\n"
                                 "3=CHF,Franc,Fr.,0.8,0.8,0.8\r\n2=\r\n2=EUR,Euro,EUR,0.85,0.84,0.86\r\n",
                                 3);
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[0].code, L"USD");
    EXPECT_EQ(table.entries[1].code, L"GBP");
}

TEST(RateTextTest, MissingInfoGivesNoCurrenciesAndTimesAfter2038AreRead)
{
    IniText text;
    text.LoadFromText("[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n");
    EXPECT_TRUE(ReadRateText(text).entries.empty());
    EXPECT_EQ(ReadRateText(text).utc, 0);
    text.LoadFromText("[Info]\r\nutc=4102444800\r\n");
    EXPECT_EQ(ReadRateText(text).utc, 4102444800);
}

}  // namespace
}  // namespace tallyx
