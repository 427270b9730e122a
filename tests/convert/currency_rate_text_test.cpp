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
    const char* name;
    const char* line;
    bool kept;
    const wchar_t* symbol;
    double rate;
    double bid;
    double ask;
};

void PrintTo(const LineCase& line, std::ostream* out)
{
    *out << line.name;
}

const LineCase kLines[] = {
    {"Complete", "EUR,Euro,EUR,0.85,0.84,0.86", true, L"EUR", 0.85, 0.84, 0.86},
    {"BaseWithoutRate", "USD,US Dollar,$,0,0,0", true, L"$", 1.0, 1.0, 1.0},
    {"NoBidOrAsk", "GBP,British Pound,GBP,0.75,0,0", true, L"GBP", 0.75, 0.75, 0.75},
    {"MissingNumericFields", "AUD,Australian Dollar,A$,1.5", true, L"A$", 1.5, 1.5, 1.5},
    {"NonNumericBid", "CAD,Canadian Dollar,C$,1.36,abc,1.37", true, L"C$", 1.36, 1.36, 1.37},
    {"LostSymbolShowsDollarAndKeepsItsRates", "JPY,Japanese Yen,?,144,143,145", true, L"$", 144, 143, 145},
    {"ZeroRateDropped", "XYZ,Nothing,X,0,1,1", false, L"", 0, 0, 0},
    {"NegativeRateDropped", "ABC,Backwards,A,-2,1,1", false, L"", 0, 0, 0},
    {"InfiniteRateDropped", "INF,Endless,I,1e999,1,1", false, L"", 0, 0, 0},
    {"NegativeAskIsTheRate", "CHF,Swiss Franc,Fr.,0.8,0.79,-1", true, L"Fr.", 0.8, 0.79, 0.8},
};

class RateTextLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(RateTextLineTest, ReadsTheLine)
{
    const LineCase& expected = GetParam();
    const RateTable table = Read(std::string("1=") + expected.line + "\r\n", 1);
    EXPECT_TRUE(table.complete);
    ASSERT_EQ(table.entries.size(), expected.kept ? 1u : 0u);
    if (!expected.kept) {
        return;
    }
    const CurrencyEntry& entry = table.entries.front();
    EXPECT_EQ(entry.symbol, expected.symbol);
    EXPECT_DOUBLE_EQ(entry.rate, expected.rate);
    EXPECT_DOUBLE_EQ(entry.bid, expected.bid);
    EXPECT_DOUBLE_EQ(entry.ask, expected.ask);
}

INSTANTIATE_TEST_SUITE_P(Lines, RateTextLineTest, ::testing::ValuesIn(kLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RateTextTest, FieldsAreCodeNameSymbolInThatOrder)
{
    const RateTable table = Read("1=EUR,Euro,EUR,0.85,0.84,0.86\r\n", 1);
    ASSERT_EQ(table.entries.size(), 1u);
    EXPECT_EQ(table.entries[0].code, L"EUR");
    EXPECT_EQ(table.entries[0].name, L"Euro");
    EXPECT_EQ(table.utc, 1751285700);
}

TEST(RateTextTest, LineWithoutItsFirstThreeCommasEndsTheReading)
{
    const RateTable table = Read("1=USD,US Dollar,$,1,1,1\r\n2=EUR,Euro\r\n3=GBP,Pound,GBP,0.75,0.74,0.76\r\n", 3);
    EXPECT_FALSE(table.complete);
    ASSERT_EQ(table.entries.size(), 1u);
    EXPECT_EQ(table.entries[0].code, L"USD");
}

TEST(RateTextTest, AbsentLinesAreSkipped)
{
    const RateTable table = Read("1=USD,US Dollar,$,1,1,1\r\n3=GBP,Pound,GBP,0.75,0.74,0.76\r\n", 3);
    EXPECT_TRUE(table.complete);
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[1].code, L"GBP");
}

TEST(RateTextTest, CountLimitsTheLinesRead)
{
    const RateTable table = Read("1=USD,US Dollar,$,1,1,1\r\n2=GBP,Pound,GBP,0.75,0.74,0.76\r\n", 1);
    EXPECT_EQ(table.entries.size(), 1u);
}

TEST(RateTextTest, HugeCountReadsOnlyTheLinesThere)
{
    const RateTable table = Read("1=USD,US Dollar,$,1,1,1\r\n", 2147483647);
    EXPECT_EQ(table.entries.size(), 1u);
}

TEST(RateTextTest, MissingInfoGivesNoCurrenciesAndTimeZero)
{
    IniText text;
    text.LoadFromText("[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n");
    const RateTable table = ReadRateText(text);
    EXPECT_TRUE(table.entries.empty());
    EXPECT_EQ(table.utc, 0);
}

TEST(RateTextTest, TimesAfter2038AreRead)
{
    IniText text;
    text.LoadFromText("[Info]\r\nutc=4102444800\r\n");
    EXPECT_EQ(ReadRateText(text).utc, 4102444800);
}

}  // namespace
}  // namespace tallyx
