#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/mode_panels/currency_panel.h"
#include "convert/rate_file_store.h"
#include "platform/wide_text.h"
#include "converter_test_support.h"
#include "tests/convert/local_http_server.h"
#include "tests/convert/temporary_program_folder.h"
#include "tests/ui/event_wait.h"

namespace tallyx {
namespace {

using testing::LocalHttpServer;
using testing::TemporaryProgramFolder;

// Indexes in the shipped rate file.
enum Shipped : std::uint32_t { USD = 0, EUR = 1, JPY = 2, GBP = 3, CHF = 4, CAD = 5, AUD = 6, NZD = 7, CNY = 8,
                               HKD = 9, SGD = 10 };

constexpr std::string_view kNewRates =
    "[Info]\r\nnumcurrencies=2\r\nutc=1754000000\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n"
    "2=EUR,Euro,EUR,0.9,0.89,0.91\r\n";

// A frame over the shipped rates in a program folder of the test's own.
class CurrencyPanelTest : public ::testing::Test {
protected:
    CurrencyPanelTest()
    {
        EXPECT_EQ(SeedRateFile(), StatusOk);
        harness.Open(480, 640);
        EXPECT_TRUE(harness.Calculator().SwitchType(CalculatorCurrencies));
    }
    ~CurrencyPanelTest() override { harness.Calculator().Menu().Close(); }

    const CurrencyPanel& Currencies() { return harness.Calculator().Currencies(); }
    void Select(std::uint32_t from, std::uint32_t to)
    {
        probe.Command(CurrencyPanel::kFromCommand + from);
        probe.Command(CurrencyPanel::kToCommand + to);
    }
    std::uint32_t Stored(const wchar_t* name)
    {
        std::uint32_t value = 0xFFFF;
        harness.registry.ReadDword(kTallyxKey, name, value);
        return value;
    }
    // The items under the "Recent" heading of the open list.
    std::vector<std::wstring> RecentItems()
    {
        const std::vector<std::wstring> items = probe.MenuItems();
        const auto full = std::find(items.begin(), items.end(), L"# Full list");
        return {items.begin() + 1, full};
    }
    // Puts in a panel whose clock reads clockUtc, which outlives it.
    const CurrencyPanel& PanelOnTestClock()
    {
        auto panel = std::make_unique<CurrencyPanel>([this] { return clockUtc; });
        const CurrencyPanel& placed = *panel;
        harness.Calculator().ReplaceModePanel(CalculatorCurrencies, std::move(panel));
        return placed;
    }
    TemporaryProgramFolder folder;
    std::int64_t clockUtc = 0;
    FrameHarness harness;
    ConverterProbe probe{harness};
};

TEST_F(CurrencyPanelTest, TheDisplayAmountIsConvertedBetweenTheChosenCurrencies)
{
    const struct {
        std::uint32_t from;
        std::uint32_t to;
        const wchar_t* typed;
        std::string fromRow;
        std::string toRow;
        std::string bidAsk;
    } cases[] = {
        {USD, EUR, L"100", R"(from "USD" "$100.")", R"(to "EUR" "EUR 85.32")", R"(bidask "bid:85.2347 ask:85.4053")"},
        {EUR, USD, L"85.32", R"(from "EUR" "EUR 85.32")", R"(to "USD" "$100.")", R"(bidask "bid:100 ask:100")"},
        {CHF, CAD, L"0", R"(from "CHF" "Fr. 0.")", R"(to "CAD" "C$0.")", R"(bidask "bid:0 ask:0")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fromRow);
        Select(c.from, c.to);
        harness.Type(L"$");
        harness.Type(c.typed);
        EXPECT_EQ(probe.Line("from"), c.fromRow);
        EXPECT_EQ(probe.Line("to"), c.toRow);
        EXPECT_EQ(probe.Line("bidask"), c.bidAsk);
    }
}

TEST_F(CurrencyPanelTest, ATapOnARowEntersTheConvertedAmountAndSwapsTheCurrencies)
{
    Select(USD, JPY);
    harness.Type(L"10");
    ASSERT_TRUE(probe.Tap("from"));
    EXPECT_EQ(harness.Shown(), L"1440.5");
    EXPECT_EQ(probe.Line("from"), R"(from "JPY" "JPY 1440.5")");
    EXPECT_EQ(probe.Line("to"), R"(to "USD" "$10.")");
}

TEST_F(CurrencyPanelTest, TheListsPutTheLastSixChoicesFirst)
{
    for (const std::uint32_t from : {AUD, NZD, CNY, HKD, SGD}) probe.Command(CurrencyPanel::kFromCommand + from);
    probe.Command(CurrencyPanel::kToCommand + GBP);
    ASSERT_TRUE(probe.Tap("button", L"From"));
    EXPECT_EQ(RecentItems(), (std::vector<std::wstring>{L"(GBP) British Pound", L"*(SGD) Singapore Dollar",
                                                        L"(HKD) Hong Kong Dollar", L"(CNY) Chinese Yuan Renminbi",
                                                        L"(NZD) New Zealand Dollar", L"(AUD) Australian Dollar"}));
    const std::vector<std::wstring> items = probe.MenuItems();
    EXPECT_EQ(std::count(items.begin(), items.end(), L"*(SGD) Singapore Dollar"), 2);
    EXPECT_EQ(items.size(), 1 + 6 + 1 + Currencies().Rates().Count());
    // Either place chooses the same currency.
    EXPECT_EQ(probe.MenuCommandOf(L"(SGD) Singapore Dollar"), CurrencyPanel::kFromCommand + SGD);
}

TEST_F(CurrencyPanelTest, TheChoiceIsStoredWhenThePanelIsLeftOrTheToListOpensAndKeptForTheRun)
{
    Select(CHF, CAD);
    EXPECT_NE(Stored(L"CurFrom"), CHF);
    ASSERT_TRUE(probe.Tap("button", L"To"));
    EXPECT_EQ(Stored(L"CurFrom"), CHF);
    harness.Calculator().Menu().Close();

    probe.Command(CurrencyPanel::kFromCommand + GBP);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorStandard));
    EXPECT_EQ(Stored(L"CurFrom"), GBP);
    // Coming back does not read the store again.
    harness.registry.WriteDword(kTallyxKey, L"CurFrom", USD);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorCurrencies));
    EXPECT_EQ(Currencies().Rates().FromIndex(), static_cast<int>(GBP));

    harness.Close();
    EXPECT_EQ(Stored(L"CurFrom"), GBP);
    EXPECT_EQ(Stored(L"CurTo"), CAD);
    harness.Open(480, 640);
}

TEST_F(CurrencyPanelTest, ArrowKeysMoveTheFocusOverFromToAndUpdate)
{
    probe.Press(VK_LEFT);
    EXPECT_EQ(probe.Line("focus"), "focus Update");
    probe.Press(VK_RIGHT);
    probe.Press(VK_DOWN);
    EXPECT_EQ(probe.Line("focus"), "focus To");
    probe.Press(VK_RETURN);
    ASSERT_TRUE(harness.Calculator().Menu().IsOpen());
    EXPECT_EQ(probe.MenuItems().front(), L"# Recent");
    EXPECT_EQ(harness.Calculator().Menu().List().Entries()[1].command / 100 * 100, CurrencyPanel::kToCommand);
}

TEST_F(CurrencyPanelTest, AnUpdateFromAGoodServerShowsTheNewRatesAndTheirDate)
{
    Select(USD, EUR);
    harness.Type(L"100");
    const std::string shippedDate = probe.Line("rates");
    EXPECT_NE(probe.Line("age").find("never updated"), std::string::npos) << probe.Line("age");
    LocalHttpServer server({.body = folder.PackedRates(kNewRates)});
    harness.registry.WriteString(kTallyxKey, L"RateURL", server.Url());
    ASSERT_TRUE(probe.Tap("button", L"Update"));
    EXPECT_EQ(probe.Line("status"), R"(status "Connecting ...")");
    ASSERT_TRUE(ProcessEventsUntil([&] { return Currencies().Rates().UpdatedUtc() == 1754000000; }));
    harness.Frame().WindowProcedure(WM_TIMER, RateUpdater::kStatusTimer, 0);
    EXPECT_EQ(probe.Line("status"), "");
    EXPECT_NE(probe.Line("rates"), shippedDate);
    EXPECT_EQ(probe.Line("age").find("never updated"), std::string::npos) << probe.Line("age");
    EXPECT_EQ(probe.Line("to"), R"(to "EUR" "EUR 90.")");
    EXPECT_EQ(probe.Line("bidask"), R"(bidask "bid:89 ask:91")");
    // The next list reads the stored choice again, now over the new list.
    ASSERT_TRUE(probe.Tap("button", L"From"));
    EXPECT_EQ(RecentItems(), (std::vector<std::wstring>{L"(EUR) Euro", L"*(USD) US Dollar"}));
}

TEST_F(CurrencyPanelTest, TheStatusSaysHowOldTheRatesAreAndWhetherTheyWereEverUpdated)
{
    constexpr std::int64_t kDay = 24 * 60 * 60;
    constexpr std::int64_t kNewUtc = 1754000000;
    const std::string shipped = TemporaryProgramFolder::Read(RateFilePath());
    const std::int64_t shippedUtc = Currencies().Rates().UpdatedUtc();
    ASSERT_NE(shippedUtc, 0);
    const struct {
        std::string rateFile;
        std::int64_t now;
        std::string ageLine;
        const wchar_t* told;
        std::wstring detailStart;
    } cases[] = {
        {shipped, shippedUtc + 400 * kDay, R"(age "400 days old" "As shipped, never updated")", L" (400 days old)",
         L"As shipped, never updated"},
        {folder.PackedRates(kNewRates), kNewUtc + kDay + 60, R"(age "1 day old")", L" (1 day old)", L"Updated: "},
        // A clock set wrong does not make the rates come from the future.
        {folder.PackedRates(kNewRates), kNewUtc - kDay, R"(age "today")", L" (today)", L"Updated: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ageLine);
        TemporaryProgramFolder::Write(RateFilePath(), c.rateFile);
        clockUtc = c.now;
        const CurrencyPanel& panel = PanelOnTestClock();
        EXPECT_EQ(probe.Line("age"), c.ageLine);
        const auto [status, detail] = panel.StatusLines();
        EXPECT_EQ(status, L"Rates of " + panel.Rates().UpdatedDateText() + c.told);
        EXPECT_TRUE(detail.starts_with(c.detailStart)) << NarrowUtf8(detail);
    }
}

TEST_F(CurrencyPanelTest, AFailingServerShowsUnableToConnectAndKeepsTheRates)
{
    const std::string shippedDate = probe.Line("rates");
    const std::size_t count = Currencies().Rates().Count();
    harness.registry.WriteString(kTallyxKey, L"RateURL", LocalHttpServer::RefusingUrl());
    ASSERT_TRUE(probe.Tap("button", L"Update"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return Currencies().UpdateStatus() == RateUpdateStatus::Error; }));
    EXPECT_EQ(probe.Line("status"), R"(status "Error Unable to connect")");
    EXPECT_EQ(Currencies().Rates().Count(), count);
    EXPECT_EQ(probe.Line("rates"), shippedDate);
    harness.Frame().WindowProcedure(WM_TIMER, RateUpdater::kStatusTimer, 0);
    EXPECT_EQ(probe.Line("status"), "");
}

}  // namespace
}  // namespace tallyx
