#include "convert/reference_rate_xml.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

const std::vector<CurrencyEntry> kKnown = {
    {L"US Dollar", L"USD", L"$", 1, 1, 1},
    {L"Euro", L"EUR", L"EUR", 0.85, 0.85, 0.85},
    {L"Japanese Yen", L"JPY", L"JPY", 144, 144, 144},
};

RateTable Converted(std::string_view xml)
{
    std::string text;
    EXPECT_EQ(ReferenceRatesToRateText(xml, kKnown, text), StatusOk);
    IniText rates;
    rates.LoadFromText(text);
    return ReadRateText(rates);
}

TEST(ReferenceRatesTest, RebasesEuroRatesOnTheDollar)
{
    const RateTable table = Converted(
        "<gesmes:Envelope><Cube><Cube time=\"2025-06-30\">"
        "<Cube currency=\"USD\" rate=\"1.25\"/><Cube currency='JPY' rate='180'/><Cube currency=\"SEK\" rate=\"10\"/>"
        "</Cube></Cube></gesmes:Envelope>");
    ASSERT_EQ(table.entries.size(), 4u);
    const std::wstring codes[] = {L"USD", L"EUR", L"JPY", L"SEK"};
    const double rates[] = {1.0, 0.8, 144.0, 8.0};
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        EXPECT_EQ(table.entries[i].code, codes[i]);
        EXPECT_DOUBLE_EQ(table.entries[i].rate, rates[i]);
        EXPECT_DOUBLE_EQ(table.entries[i].bid, rates[i]);
        EXPECT_DOUBLE_EQ(table.entries[i].ask, rates[i]);
    }
    EXPECT_EQ(table.entries[2].name, L"Japanese Yen");
    EXPECT_EQ(table.entries[3].name, L"SEK");
    EXPECT_EQ(table.entries[3].symbol, L"SEK");
    EXPECT_EQ(table.utc, 1751289300);  // 13:15 UTC
}

TEST(ReferenceRatesTest, UnusableCubesAreLeftOut)
{
    const RateTable table = Converted(
        "<Cube time='not a date'><Cube currency='USD' rate='2'/><Cube currency='usd' rate='3'/>"
        "<Cube currency='ABC' rate='-1'/><Cube currency='DEF' rate='x'/><Cube currency='GHIJ' rate='1'/>"
        "<Cube xcurrency='KLM' rate='1'/><Cube currency='NOP' rate='4'");
    ASSERT_EQ(table.entries.size(), 3u);
    EXPECT_EQ(table.entries[2].code, L"NOP");
    EXPECT_DOUBLE_EQ(table.entries[2].rate, 2.0);
    EXPECT_EQ(table.utc, 0);
}

TEST(ReferenceRatesTest, RatesTooExtremeToRebaseAreLeftOut)
{
    const RateTable table = Converted(
        "<Cube currency='USD' rate='1e-300'/><Cube currency='BIG' rate='1e300'/>"
        "<Cube currency='TNY' rate='1e-300'/><Cube currency='ONE' rate='2e-300'/>");
    ASSERT_EQ(table.entries.size(), 4u);
    EXPECT_EQ(table.entries[1].code, L"EUR");
    EXPECT_DOUBLE_EQ(table.entries[1].rate, 1e300);
    EXPECT_EQ(table.entries[2].code, L"TNY");
    EXPECT_EQ(table.entries[3].code, L"ONE");
    EXPECT_DOUBLE_EQ(table.entries[3].rate, 2.0);
}

TEST(ReferenceRatesTest, TagsLeftOpenEndAtTheNextTag)
{
    std::string xml;
    for (int tag = 0; tag < 200000; ++tag) {
        xml += "<Cube time='2025-06-30' ";
    }
    xml += "<Cube currency='USD' rate='1.25'<Cube currency='JPY' rate='180' time='2025-07-01'";
    const RateTable table = Converted(xml);
    ASSERT_EQ(table.entries.size(), 3u);
    EXPECT_DOUBLE_EQ(table.entries[2].rate, 144.0);
    EXPECT_EQ(table.utc, 1751375700);
}

TEST(ReferenceRatesTest, DatePartsOutOfRangeGiveNoTime)
{
    for (const std::string_view date : {"2025-257-01", "2025-06-287", "67561-06-30", "2025-02-30", "0-01-01"}) {
        SCOPED_TRACE(date);
        const RateTable table =
            Converted("<Cube time='" + std::string(date) + "'><Cube currency='USD' rate='1.1'/></Cube>");
        EXPECT_EQ(table.utc, 0);
    }
}

TEST(ReferenceRatesTest, WithoutADollarRateNothingIsMade)
{
    for (const std::string_view xml : {"", "<html></html>", "<Cube currency='JPY' rate='180'/>",
                                       "<Cube currency='USD' rate='0'/>", "<Cube currency='USD' rate='1e-310'/>"}) {
        std::string text = "kept";
        EXPECT_EQ(ReferenceRatesToRateText(xml, kKnown, text), StatusInvalidArgument);
    }
}

TEST(ReferenceRatesTest, KeptCurrenciesFollowTheFeedWithTheirOwnRates)
{
    std::string text;
    ASSERT_EQ(ReferenceRatesToRateText("<Cube currency='USD' rate='1.25'/><Cube currency='USD' rate='9'/>", kKnown,
                                       text, MissingCurrencies::Kept),
              StatusOk);
    IniText rates;
    rates.LoadFromText(text);
    const RateTable table = ReadRateText(rates);
    ASSERT_EQ(table.entries.size(), 3u);  // the dollar once, the euro from the feed, the yen kept
    EXPECT_DOUBLE_EQ(table.entries[1].rate, 0.8);
    EXPECT_EQ(table.entries[2].code, L"JPY");
    EXPECT_EQ(table.entries[2].rate, 144);
}

TEST(ReferenceRatesTest, OnlyAWholeEnvelopeIsAReferenceRateDocument)
{
    const struct {
        std::string_view document;
        bool whole;
    } cases[] = {
        {"<gesmes:Envelope><Cube/></gesmes:Envelope>", true},
        {"\xEF\xBB\xBF<?xml version='1.0'?>\n<!-- daily -->\n<Envelope x='1'>\n</Envelope>\n", true},
        {"<gesmes:Envelope><Cube currency='USD' rate='1.1'/>", false},
        {"<gesmes:Envelope><Cube/></gesmes:Envelop", false},
        {"<gesmes:Envelope></other:Envelope>", false},
        {"<html><gesmes:Envelope></gesmes:Envelope></html>", false},
        {"<!DOCTYPE html><html></html>", false},
        {"<?xml version='1.0'", false},
        {"", false},
    };
    for (const auto& candidate : cases) {
        EXPECT_EQ(IsReferenceRateDocument(candidate.document), candidate.whole) << candidate.document;
    }
}

}  // namespace
}  // namespace tallyx
