#include <gtest/gtest.h>

#include "convert/rate_archive.h"
#include "convert/rate_file_store.h"
#include "platform/ini_text.h"
#include "convert/rate_source.h"
#include "convert/rate_text.h"
#include "convert/rate_time_text.h"
#include "convert/rate_update.h"
#include "platform/wide_text.h"
#include "tests/convert/command_output.h"
#include "tests/convert/local_http_server.h"
#include "tests/convert/recording_sink.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using testing::CommandOutput;
using testing::LocalHttpServer;
using testing::RecordingSink;
using testing::TemporaryProgramFolder;

// A day of the central bank's feed, in its published layout.
constexpr std::string_view kFeed =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
    "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
    "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n\t</gesmes:Sender>\n"
    "\t<Cube>\n\t\t<Cube time='2026-12-04'>\n"
    "\t\t\t<Cube currency='USD' rate='1.1650'/>\n"
    "\t\t\t<Cube currency='JPY' rate='180.50'/>\n"
    "\t\t\t<Cube currency='GBP' rate='0.8725'/>\n"
    "\t\t\t<Cube currency='CHF' rate='0.9360'/>\n"
    "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
constexpr std::int64_t kFeedTime = 1796390100;  // 4 Dec 2026, 13:15 UTC

// Installed before the update: the rand is not in the feed.
constexpr std::string_view kInstalledRates =
    "[Info]\r\nnumcurrencies=4\r\nutc=1751285700\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n"
    "2=EUR,Euro,EUR,0.9,0.9,0.9\r\n3=GBP,British Pound,GBP,0.8,0.8,0.8\r\n"
    "4=ZAR,South African Rand,R,17.53,17.4,17.6\r\n";

RateTable InstalledTable()
{
    std::string text;
    IniText rates;
    EXPECT_EQ(ReadRateArchive(RateFilePath(), text), StatusOk);
    rates.LoadFromText(text);
    return ReadRateText(rates);
}

// The program folder with the rates above, and the default source served locally.
class DefaultRatesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        unsetenv("TALLYX_RATE_URL");
        ASSERT_EQ(WriteRateArchive(RateFilePath(), kInstalledRates), StatusOk);
        old_ = TemporaryProgramFolder::Read(RateFilePath());
    }

    TemporaryProgramFolder folder_;
    std::string old_;
};

TEST_F(DefaultRatesTest, WithNoSourceConfiguredTheConsoleInstallsTheFeedAndKeepsWhatItLacks)
{
    LocalHttpServer server({.body = std::string(kFeed)});
    DefaultRateSource local(server.Url(L"/eurofxref-daily.xml"));

    const CommandOutput output = testing::RunCommand(cli::kRatesCommand, {"update"});
    EXPECT_EQ(output.status, cli::kExitOk) << output.out << output.error;

    const RateTable table = InstalledTable();
    EXPECT_EQ(table.utc, kFeedTime);
    const struct {
        const wchar_t* code;
        const wchar_t* name;
        double rate;
        double bid;
        double ask;
    } expected[] = {
        {L"USD", L"US Dollar", 1, 1, 1},
        {L"EUR", L"Euro", 1 / 1.165, 1 / 1.165, 1 / 1.165},
        {L"JPY", L"JPY", 180.5 / 1.165, 180.5 / 1.165, 180.5 / 1.165},
        {L"GBP", L"British Pound", 0.8725 / 1.165, 0.8725 / 1.165, 0.8725 / 1.165},
        {L"CHF", L"CHF", 0.936 / 1.165, 0.936 / 1.165, 0.936 / 1.165},
        {L"ZAR", L"South African Rand", 17.53, 17.4, 17.6},
    };
    ASSERT_EQ(table.entries.size(), std::size(expected));
    for (std::size_t index = 0; index < table.entries.size(); ++index) {
        const CurrencyEntry& entry = table.entries[index];
        SCOPED_TRACE(NarrowUtf8(entry.code));
        EXPECT_EQ(entry.code, expected[index].code);
        EXPECT_EQ(entry.name, expected[index].name);
        EXPECT_NEAR(entry.rate, expected[index].rate, expected[index].rate * 1e-5);
        EXPECT_NEAR(entry.bid, expected[index].bid, expected[index].bid * 1e-5);
        EXPECT_NEAR(entry.ask, expected[index].ask, expected[index].ask * 1e-5);
    }
    EXPECT_EQ(table.entries.back().rate, 17.53);  // a kept rate loses no digit
    EXPECT_FALSE(std::filesystem::exists(DownloadPath()));
}

TEST_F(DefaultRatesTest, ABrokenFeedKeepsTheOldRateFileByteForByte)
{
    const std::string feed(kFeed);
    std::string noDollar = feed;
    noDollar.replace(noDollar.find("'USD'"), 5, "'AUD'");
    const struct {
        const char* what;
        std::string body;
    } feeds[] = {
        {"an HTML page", "<!DOCTYPE html><html><body><Cube currency='USD' rate='1.1'/></body></html>"},
        {"truncated XML", feed.substr(0, feed.find("'GBP'"))},
        {"no dollar rate", noDollar},
    };
    for (const auto& broken : feeds) {
        SCOPED_TRACE(broken.what);
        LocalHttpServer server({.body = broken.body});
        DefaultRateSource local(server.Url(L"/eurofxref-daily.xml"));
        RecordingSink sink;

        EXPECT_NE(UpdateRates(RateUrl(), sink), StatusOk);

        EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), old_);
        EXPECT_FALSE(std::filesystem::exists(DownloadPath()));
    }
}

// What the console prints, on either stream.
CommandOutput Rates(const cli::Arguments& arguments)
{
    CommandOutput output = testing::RunCommand(cli::kRatesCommand, arguments);
    output.out += output.error;
    return output;
}

TEST(RatesListTest, SaysHowOldTheRatesAreAndWhenTheShippedOnesWereNeverUpdated)
{
    constexpr std::string_view kNeverUpdated = "never been updated";
    TemporaryProgramFolder folder;
    unsetenv("TALLYX_RATE_URL");

    const CommandOutput shipped = Rates({"list"});
    EXPECT_EQ(shipped.status, cli::kExitOk);
    EXPECT_NE(shipped.out.find(kNeverUpdated), std::string::npos) << shipped.out;
    EXPECT_NE(shipped.out.find(" days old)"), std::string::npos) << shipped.out;

    LocalHttpServer server({.body = std::string(kFeed)});
    DefaultRateSource local(server.Url(L"/eurofxref-daily.xml"));
    ASSERT_EQ(Rates({"update"}).status, cli::kExitOk);
    const CommandOutput updated = Rates({"list"});
    EXPECT_EQ(updated.out.find(kNeverUpdated), std::string::npos) << updated.out;
    EXPECT_NE(updated.out.find("\nCHF  Swiss Franc"), std::string::npos) << updated.out;
}

TEST(RatesUpdateTest, AnEmptyAddressIsRefusedBeforeAnyTransfer)
{
    TemporaryProgramFolder folder;
    ASSERT_EQ(SeedRateFile(), StatusOk);
    const std::string old = TemporaryProgramFolder::Read(RateFilePath());

    const CommandOutput output = Rates({"update", "--url", ""});

    EXPECT_EQ(output.status, cli::kExitUsage);
    EXPECT_EQ(output.out.find("Connecting"), std::string::npos) << output.out;
    EXPECT_EQ(TemporaryProgramFolder::Read(RateFilePath()), old);
}

TEST(RateAgeTextTest, CountsWholeDays)
{
    constexpr std::int64_t kDay = 24 * 60 * 60;
    const struct {
        std::int64_t age;
        const wchar_t* text;
    } cases[] = {
        {0, L"today"}, {kDay - 1, L"today"}, {kDay, L"1 day old"}, {2 * kDay + 5, L"2 days old"},
        {400 * kDay, L"400 days old"}, {-kDay, L"today"},  // stamped in the future: a clock set wrong
    };
    for (const auto& rates : cases) {
        EXPECT_EQ(RateAgeText(kFeedTime, kFeedTime + rates.age), rates.text) << rates.age;
    }
}

TEST(RatesOfTextTest, TellsTheAgeOnlyOfStampedRates)
{
    constexpr std::int64_t kDay = 24 * 60 * 60;
    const struct {
        std::int64_t utc;
        const wchar_t* text;
    } cases[] = {
        {kFeedTime, L"Rates of 12/04/26 13:15 (3 days old)"},
        {kFeedTime + 3 * kDay, L"Rates of 12/04/26 13:15 (today)"},
        {0, L"Rates of 12/04/26 13:15"},  // a rate file without a stamp
    };
    for (const auto& rates : cases) {
        EXPECT_EQ(RatesOfText(L"12/04/26 13:15", rates.utc, kFeedTime + 3 * kDay), rates.text) << rates.utc;
    }
}

}  // namespace
}  // namespace tallyx
