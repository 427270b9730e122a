#include "worksheets/loan_worksheet.h"

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"

namespace tallyx {
namespace {

TEST(LoanWorksheetTest, CalcOnAnInputCommitsAndJumpsToTotalRepaid)
{
    FreshRegistry fresh;
    RecordingHost host;
    LoanWorksheet sheet(WorksheetOptions{});
    sheet.Attach(host);
    sheet.BuildCells();
    TypeInto(sheet, L"Price", L"20000");
    TypeInto(sheet, L"Number of months", L"48");
    sheet.TapCell(CellNamed(sheet, L"Interest rate"));
    sheet.TakeDisplayText(L"6");
    sheet.Calculate();
    EXPECT_EQ(sheet.Loan().InterestRate(), 6.0);
    EXPECT_EQ(sheet.HighlightedCell(), CellNamed(sheet, L"Total repaid"));
    EXPECT_EQ(Shown(sheet, L"Monthly payment"), L"469.70");
    EXPECT_EQ(Shown(sheet, L"Total interest"), L"2545.62");
    EXPECT_EQ(host.display.substr(0, 8), L"22545.62");
    EXPECT_EQ(host.flashes, 1);
}

TEST(LoanWorksheetTest, TaxIsOnThePriceLessTradeInAndFeesAreBorrowed)
{
    CarLoan loan;
    loan.SetCarPrice(20000.0);
    loan.SetTradeIn(5000.0);
    loan.SetSalesTaxRate(8.0);
    loan.SetOtherFees(300.0);
    loan.SetDownPayment(2000.0);
    loan.SetMonths(36);
    loan.Compute();
    EXPECT_DOUBLE_EQ(loan.SalesTax(), 1200.0);
    EXPECT_DOUBLE_EQ(loan.AmountBorrowed(), 1200.0 + 20000.0 + 300.0 - 2000.0 - 5000.0);
    EXPECT_DOUBLE_EQ(loan.MonthlyPayment(), loan.AmountBorrowed() / 36);
    EXPECT_EQ(loan.TotalInterest(), 0.0);
}

TEST(LoanWorksheetTest, RefusedEntriesShowTheValueHeld)
{
    FreshRegistry fresh;
    LoanWorksheet sheet(WorksheetOptions{});
    sheet.BuildCells();
    TypeInto(sheet, L"Price", L"20000");
    const std::pair<const wchar_t*, const wchar_t*> entries[] = {
        {L"1e999", L"20000.00"}, {L"-5", L"20000.00"}, {L"25000.5", L"25000.50"}, {L"19999.123456789012", L"19999.12"},
    };
    for (const auto& [typed, shown] : entries) {
        TypeInto(sheet, L"Price", typed);
        EXPECT_EQ(Shown(sheet, L"Price"), shown) << typed;
    }
    TypeInto(sheet, L"Down payment", L"30000");
    EXPECT_EQ(Shown(sheet, L"Down payment"), L"0.00");
    TypeInto(sheet, L"Number of months", L"12.9");
    EXPECT_EQ(sheet.Cells()[CellNamed(sheet, L"Number of months")].Text(), L"12");
}

}  // namespace
}  // namespace tallyx
