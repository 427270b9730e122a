#include "worksheets/mortgage_worksheet.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/payment_schedule.h"
#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

// Interest of an amortisation paid period by period until the balance would go negative.
double ReferenceInterest(double loan, double payment, double periodRate, int periods)
{
    double balance = loan;
    double interest = 0.0;
    for (int period = 0; period < periods && balance >= 0.0; ++period) {
        interest += balance * periodRate;
        balance += balance * periodRate - payment;
    }
    return interest;
}

struct ScheduleCase {
    int schedule, payments;
    double paymentShare;  // of the monthly payment
    const wchar_t* title;
};

TEST(MortgageTest, SchedulesScaleThePaymentAndCountThePeriods)
{
    const double monthly = 0.05 / 12 / (1.0 - std::pow(1.0 + 0.05 / 12, -300)) * 250000.0;
    const ScheduleCase cases[] = {
        {0, 300, 1.0, L"Mortgage - Monthly"},
        {1, 300, 13.0 / 12, L"Mortgage - Monthly Accel"},
        {2, 650, 12.0 / 26, L"Mortgage - Bi-Weekly"},
        {3, 650, 0.5, L"Mortgage - Bi-Weekly Accel"},
        {4, 1300, 12.0 / 52, L"Mortgage - Weekly"},
        {5, 1300, 0.25, L"Mortgage - Weekly Accel"},
        {6, 600, 0.5, L"Mortgage - Semi Monthly"},
        {7, 600, 13.0 / 24, L"Mortgage - Semi Monthly Accel"},
        {8, 150, 2.0, L"Mortgage - Bi-Monthly"},
        {9, 150, 13.0 / 6, L"Mortgage - Bi-Monthly Accel"},
        {42, 300, 1.0, L"Mortgage - Monthly"},
    };
    for (const auto& example : cases) {
        FreshRegistry fresh;
        const WorksheetOptions options{false, example.schedule};
        MortgageWorksheet sheet(options);
        sheet.BuildCells();
        EXPECT_EQ(sheet.Title(), example.title);
        CalculateOn(sheet, L"Total repaid");
        const Mortgage& record = sheet.Record();
        EXPECT_EQ(record.Payments(), example.payments) << example.schedule;
        EXPECT_NEAR(record.PaymentAmount(), monthly * example.paymentShare, 1e-9) << example.schedule;
        const double periodRate = 0.05 / (example.payments / 25);
        EXPECT_NEAR(record.TotalInterest(),
                    ReferenceInterest(250000.0, record.PaymentAmount(), periodRate, example.payments), 1e-6)
            << example.schedule;
        EXPECT_DOUBLE_EQ(record.TotalRepaid(), record.TotalInterest() + 250000.0);
    }
}

TEST(MortgageTest, AcceleratedPaymentsEndTheBalanceTableEarly)
{
    Mortgage mortgage;
    mortgage.Compute(3);
    const auto& balances = mortgage.Balances();
    ASSERT_EQ(balances.size(), 650u);
    const auto paidOff = std::find(balances.begin() + 1, balances.end(), 0.0);
    EXPECT_EQ(paidOff - balances.begin(), 559);
    EXPECT_TRUE(std::all_of(paidOff, balances.end(), [](double balance) { return balance == 0.0; }));
    EXPECT_NEAR(mortgage.PrincipalParts()[0], mortgage.PaymentAmount() - 250000.0 * 0.05 / 26, 1e-9);
    EXPECT_EQ(mortgage.PrincipalParts()[600], 0.0);
}

TEST(MortgageTest, EntriesStayInRangeZeroRateSplitsTheLoanEvenlyFeesArePaidWithEachPayment)
{
    Mortgage mortgage;
    EXPECT_FALSE(mortgage.SetTerm(202));
    EXPECT_FALSE(mortgage.SetInterestPercent(100.5));
    EXPECT_FALSE(mortgage.SetDownPayment(250000.0));
    EXPECT_TRUE(mortgage.SetDownPayment(10000.0));
    mortgage.SetInterestPercent(0.0);
    mortgage.Compute(0);
    EXPECT_DOUBLE_EQ(mortgage.PaymentAmount(), 240000.0 / 300);
    EXPECT_EQ(mortgage.TotalInterest(), 0.0);
    EXPECT_EQ(mortgage.TotalRepaid(), 250000.0);
    mortgage.SetMonthlyFees(100.0);
    mortgage.Compute(2);
    EXPECT_DOUBLE_EQ(mortgage.TotalRepaid(), 250000.0 + 650 * 100.0);
}

TEST(MortgageTest, ReopenedSheetStartsFromTheDefaultsButTheRecordIsWritten)
{
    FreshRegistry fresh;
    {
        const WorksheetOptions schedule{false, 2};
        MortgageWorksheet sheet(schedule);
        sheet.BuildCells();
        TypeInto(sheet, L"Principle", L"300000");
    }
    double stored = 0.0;
    std::int32_t schedule = 0;
    EXPECT_TRUE(ReadStoredDouble(L"SOFTWARE\\Brelt\\Financial\\Mortgage", L"Principle", stored));
    EXPECT_TRUE(ReadStoredInteger(L"SOFTWARE\\Brelt\\Financial\\Mortgage", L"PaymentIndex", schedule));
    EXPECT_EQ(stored, 300000.0);
    EXPECT_EQ(schedule, 2);
    const WorksheetOptions options;
    MortgageWorksheet reopened(options);
    reopened.BuildCells();
    EXPECT_EQ(Shown(reopened, L"Principle"), L"250000.00");
}

}  // namespace
}  // namespace tallyx
