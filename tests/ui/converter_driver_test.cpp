// The two converters of the built program driven by scripts, over a data
// folder of the test's own.
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "tests/convert/local_http_server.h"
#include "tests/convert/temporary_program_folder.h"
#include "tests/ui/program_run.h"

namespace tallyx {
namespace {

using testing::LocalHttpServer;

constexpr std::string_view kNewRates =
    "[Info]\r\nnumcurrencies=2\r\nutc=1754000000\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n"
    "2=EUR,Euro,EUR,0.9,0.89,0.91\r\n";

class ConverterDriverTest : public ::testing::Test {
protected:
    // The currency type over the test's data folder, fetching from rateUrl.
    ProgramRun RunCurrencies(const QStringList& actions, const std::wstring& rateUrl = L"") const
    {
        std::vector<std::pair<QString, QString>> environment = {{"TALLYX_DATA_DIR", data_.path()}};
        if (!rateUrl.empty()) environment.emplace_back("TALLYX_RATE_URL", QString::fromStdWString(rateUrl));
        return RunProgram(QStringList{"--type", "6", "--do"} + actions + QStringList{"--dump-state"}, environment);
    }
    // The text of the first line of that kind.
    static std::string LineOf(const ProgramRun& run, const std::string& kind)
    {
        const std::size_t at = run.out.find('\n' + kind + ' ');
        if (at == std::string::npos) return "";
        return run.out.substr(at + 1, run.out.find('\n', at + 1) - at - 1);
    }

    QTemporaryDir data_;
};

TEST_F(ConverterDriverTest, UnitsChosenFromTheListsConvertWhatIsTypedAndARowTapSwapsThem)
{
    const QStringList feetToMeters = {"--type", "5", "--do", "button", "Conversion", "choose", "Length", "wait", "600",
                                      "button", "From", "choose", "Feet", "wait", "600", "button", "To", "choose",
                                      "Meters", "type", "12"};
    const std::vector<std::pair<QString, QString>> environment = {{"TALLYX_DATA_DIR", data_.path()}};
    const ProgramRun chosen = RunProgram(feetToMeters + QStringList{"--dump-state"}, environment);
    ASSERT_EQ(chosen.status, 0) << chosen.errors;
    EXPECT_TRUE(chosen.Lists("panel units \"Length\" ")) << chosen.out;
    EXPECT_TRUE(chosen.Lists("from \"Feet\" \"ft\" \"12.\" ")) << chosen.out;
    const std::string toRow = LineOf(chosen, "to");
    ASSERT_EQ(toRow.rfind("to \"Meters\" \"m\" \"3.6576\" ", 0), 0u) << chosen.out;

    int x = 0, y = 0, width = 0, height = 0;
    ASSERT_EQ(std::sscanf(toRow.c_str() + toRow.find("\" ", 20) + 2, "%d %d %d %d", &x, &y, &width, &height), 4);
    const QString centre = QString::number(x + width / 2) + "," + QString::number(y + height / 2);
    const ProgramRun tapped = RunProgram(feetToMeters + QStringList{"tap", centre, "--dump-state"}, environment);
    EXPECT_TRUE(tapped.Lists("from \"Meters\" \"m\" \"3.6576\" ")) << tapped.out;
    EXPECT_TRUE(tapped.Lists("to \"Feet\" \"ft\" \"12.\" ")) << tapped.out;
}

TEST_F(ConverterDriverTest, CurrenciesChosenFromTheListsConvertTheDisplayAmount)
{
    const ProgramRun run = RunCurrencies({"button", "From", "choose", "(JPY) Japanese Yen", "wait", "600", "button", "To",
                                "choose", "(GBP) British Pound", "type", "14405"});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.Lists("panel currencies\n")) << run.out;
    EXPECT_TRUE(run.Lists("from \"JPY\" \"JPY 14405.\" ")) << run.out;
    EXPECT_TRUE(run.Lists("to \"GBP\" \"GBP 72.9\" ")) << run.out;
    EXPECT_TRUE(run.Lists("button \"Update\" ")) << run.out;
}

TEST_F(ConverterDriverTest, UpdateShowsTheNewRatesFromAGoodServerAndKeepsTheOldOnesOtherwise)
{
    const QStringList update = {"type", "100", "button", "Update", "wait", "1500"};
    const ProgramRun before = RunCurrencies({"type", "100"});
    ASSERT_TRUE(before.Lists("to \"EUR\" \"EUR 85.32\" ")) << before.out << before.errors;
    const std::string shippedDate = LineOf(before, "rates");

    const ProgramRun refused = RunCurrencies(update, LocalHttpServer::RefusingUrl());
    EXPECT_TRUE(refused.Lists("status \"Error Unable to connect\"\n")) << refused.out;
    EXPECT_EQ(LineOf(refused, "rates"), shippedDate);
    EXPECT_TRUE(refused.Lists("to \"EUR\" \"EUR 85.32\" ")) << refused.out;

    testing::TemporaryProgramFolder packing;
    LocalHttpServer server({.body = packing.PackedRates(kNewRates)});
    const ProgramRun updated = RunCurrencies(update, server.Url());
    EXPECT_TRUE(updated.Lists("to \"EUR\" \"EUR 90.\" ")) << updated.out << updated.errors;
    EXPECT_FALSE(LineOf(updated, "rates").empty());
    EXPECT_NE(LineOf(updated, "rates"), shippedDate);
}

}  // namespace
}  // namespace tallyx
