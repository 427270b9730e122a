#include "convert/currency_list.h"

#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>

#include "convert/rate_archive.h"
#include "convert/rate_file_store.h"
#include "tests/convert/temporary_program_folder.h"

namespace tallyx {
namespace {

using testing::TemporaryProgramFolder;

constexpr std::string_view kRates =
    "[Info]\r\nnumcurrencies=8\r\nutc=1751285700\r\n[Currencies]\r\n"
    "1=USD,US Dollar,$,1,1,1\r\n"
    "2=EUR,Euro,EUR,0.85,0.84,0.86\r\n"
    "3=JPY,Japanese Yen,JPY,144,143,145\r\n"
    "4=AAA,Two,A,2,1.9,2.1\r\n"
    "5=BBB,Three,B,3,2.9,3.1\r\n"
    "6=GBP,British Pound,GBP,0.75,0.74,0.76\r\n"
    "7=CHF,Swiss Franc,Fr.,0.8,0.79,0.81\r\n"
    "8=CAD,Canadian Dollar,C$,1.36,1.35,1.37\r\n";

// Rates read in UTC, so that dates and times do not depend on the machine.
class CurrencyListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* zone = std::getenv("TZ");
        savedZone_ = zone ? zone : "";
        hadZone_ = zone != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
        list_.SetLocaleName("C");
    }
    void TearDown() override
    {
        hadZone_ ? setenv("TZ", savedZone_.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

    void Load(std::string_view text, RateArchiveEntry entry = {})
    {
        ASSERT_EQ(WriteRateArchive(RateFilePath(), text, entry), StatusOk);
        list_.LoadRateFile();
    }

    std::vector<int> Recent() const
    {
        std::vector<int> slots(CurrencyList::kRecentSlots);
        for (std::size_t slot = 0; slot < slots.size(); ++slot) {
            list_.GetRecent(slot, slots[slot]);
        }
        return slots;
    }

    TemporaryProgramFolder folder_;
    CurrencyList list_;

private:
    std::string savedZone_;
    bool hadZone_ = false;
};

TEST_F(CurrencyListTest, LoadsTheCurrenciesInFileOrder)
{
    Load(kRates);
    ASSERT_EQ(list_.Count(), 8u);
    std::wstring code, name, symbol;
    ASSERT_TRUE(list_.GetEntryTexts(7, &code, &name, &symbol));
    EXPECT_EQ(code, L"CAD");
    EXPECT_EQ(name, L"Canadian Dollar");
    EXPECT_EQ(symbol, L"C$");
    EXPECT_FALSE(list_.GetEntryTexts(8, &code, nullptr, nullptr));
    EXPECT_EQ(list_.UpdatedDateText(), L"06/30/25");
    EXPECT_EQ(list_.UpdatedTimeText(), L" 12:15 PM");
    EXPECT_EQ(Recent(), (std::vector<int>{0, 1, 2, 0, 0, 0}));
}

// The rate text is read in memory: no file named after the entry appears.
TEST_F(CurrencyListTest, ReadsWhateverTheEntryIsCalledAndUnreadableFilesGiveAnEmptyList)
{
    Load(kRates, {.name = "../../escaped.ini"});
    EXPECT_EQ(list_.Count(), 8u);
    EXPECT_FALSE(std::filesystem::exists(folder_.Folder().parent_path().parent_path() / "escaped.ini"));
    TemporaryProgramFolder::Write(RateFilePath(), "<html/>");
    list_.LoadRateFile();
    EXPECT_EQ(list_.Count(), 0u);
    Load(kRates, {.password = "guess"});
    EXPECT_EQ(list_.Count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(RateTextPath()));
}

TEST_F(CurrencyListTest, ConvertsThroughTheMiddleRateWithBidAndAskOfTheTarget)
{
    Load(kRates);
    ASSERT_TRUE(list_.SetFromCurrency(3));
    ASSERT_TRUE(list_.SetToCurrency(4));
    ASSERT_TRUE(list_.SetAmount(L"100"));
    std::wstring text, ask, bid;
    ASSERT_TRUE(list_.GetResultText(&text, ResultPart::Whole, &ask, &bid));
    EXPECT_EQ(text, L"150");
    EXPECT_EQ(ask, L"155");
    EXPECT_EQ(bid, L"145");
}

// Results beyond a double read "infinity".
TEST_F(CurrencyListTest, ResultTextsAndTheirParts)
{
    Load(kRates);
    list_.SetFromCurrency(0);
    list_.SetToCurrency(2);
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"2", L"288"}, {L"", L"0"}, {L"1e20", L"1.44e+022"}, {L"1e-20", L"1.44e-018"}, {L"1e999", L"infinity"},
    };
    for (const auto& [amount, whole] : cases) {
        list_.SetAmount(amount);
        std::wstring text;
        list_.GetResultText(&text, ResultPart::Whole);
        EXPECT_EQ(text, whole);
    }
    list_.SetAmount(L"1e-20");
    std::wstring significand, exponent;
    list_.GetResultText(&significand, ResultPart::Significand);
    list_.GetResultText(&exponent, ResultPart::Exponent);
    EXPECT_EQ(significand, L"1.44");
    EXPECT_EQ(exponent, L"-018");
}

TEST_F(CurrencyListTest, SelectionOutsideTheListIsRefused)
{
    Load(kRates);
    list_.SetFromCurrency(2);
    list_.SetToCurrency(5);
    EXPECT_FALSE(list_.SetFromCurrency(8));
    EXPECT_FALSE(list_.SetToCurrency(-1));
    list_.SwapCurrencies();
    EXPECT_EQ(list_.FromIndex(), 5);
    EXPECT_EQ(list_.ToIndex(), 2);
}

TEST_F(CurrencyListTest, SelectionLeftBeyondAShorterFileConvertsNothing)
{
    Load(kRates);
    list_.SetFromCurrency(6);
    list_.SetToCurrency(7);
    list_.SetAmount(L"10");
    const double before = list_.Converted();
    Load("[Info]\r\nnumcurrencies=1\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n");
    list_.SetAmount(L"20");
    EXPECT_EQ(list_.Converted(), before);
}

TEST_F(CurrencyListTest, BrokenLineKeepsTheEarlierTimeAndRecentSlots)
{
    Load(kRates);
    list_.SetRecent(0, 7);
    Load("[Info]\r\nnumcurrencies=2\r\nutc=0\r\n[Currencies]\r\n1=USD,US Dollar,$,1,1,1\r\n2=EUR;Euro\r\n");
    EXPECT_EQ(list_.Count(), 1u);
    EXPECT_EQ(list_.UpdatedDateText(), L"06/30/25");
    EXPECT_EQ(Recent()[0], 7);
}

TEST_F(CurrencyListTest, TimeFollowsTheLocaleClock)
{
    list_.SetLocaleName("de_DE.UTF-8");
    Load(kRates);
    if (list_.UpdatedDateText() == L"06/30/25") {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    EXPECT_EQ(list_.UpdatedDateText(), L"30.06.2025");
    EXPECT_EQ(list_.UpdatedTimeText(), L" 12:15");
}

// A new currency goes in front; one in the first three slots stays put.
TEST_F(CurrencyListTest, AddRecent)
{
    Load(kRates);
    const std::pair<int, std::vector<int>> cases[] = {
        {7, {7, 0, 1, 2, 3, 4}},
        {2, {0, 1, 2, 3, 4, 5}},
        {5, {5, 0, 1, 2, 3, 4}},
        {8, {0, 1, 2, 3, 4, 5}},  // outside the list
    };
    for (const auto& [added, after] : cases) {
        for (std::size_t slot = 0; slot < CurrencyList::kRecentSlots; ++slot) {
            list_.SetRecent(slot, static_cast<int>(slot));
        }
        list_.AddRecent(added);
        EXPECT_EQ(Recent(), after) << added;
    }
    EXPECT_FALSE(list_.SetRecent(6, 1));
}

TEST_F(CurrencyListTest, SelectionRoundTripsThroughTheRegistryByCode)
{
    Load(kRates);
    list_.SetFromCurrency(6);
    list_.SetToCurrency(7);
    list_.SaveSelection();

    CurrencyList restored;
    Load(kRates);
    restored.LoadRateFile();
    restored.RestoreSelection();
    EXPECT_EQ(restored.FromIndex(), 6);
    EXPECT_EQ(restored.ToIndex(), 7);
    int first = -1;
    restored.GetRecent(0, first);
    EXPECT_EQ(first, 7);
}

TEST_F(CurrencyListTest, StoredCodesNoLongerListedLeaveTheirSlots)
{
    Load(kRates);
    folder_.Registry().WriteString(kTallyxKey, L"CF0", L"XXX");
    folder_.Registry().WriteDword(kTallyxKey, L"CurFrom", 99);
    list_.SetRecent(0, 4);
    list_.RestoreSelection();
    EXPECT_EQ(Recent()[0], 4);
    EXPECT_EQ(list_.FromIndex(), 0);
}

}  // namespace
}  // namespace tallyx
