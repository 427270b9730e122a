#include "worksheets/loan_worksheet.h"

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"

namespace tallyx {
namespace {

struct LoanCase {
    const wchar_t* price;
    const wchar_t* months;
    const wchar_t* rate;
    const wchar_t* downPayment;
    const wchar_t* monthlyPayment;
    const wchar_t* totalInterest;
    const wchar_t* totalRepaid;
};

// Checked by hand against the amortisation formula P·r·n / (1 − (1 + r)^−n).
TEST(LoanWorksheetTest, PaymentsAndTotals)
{
    const LoanCase cases[] = {
        {L"20000", L"48", L"6", L"0", L"469.70", L"2545.62", L"22545.62"},
        {L"20000", L"48", L"0", L"0", L"416.66", L"0.00", L"20000.00"},
        {L"25000", L"60", L"4.5", L"5000", L"372.86", L"2371.62", L"22371.62"},
        {L"1500000", L"60", L"5", L"0", L"28306.85", L"198411.02", L"1698411.02"},
    };
    for (const auto& example : cases) {
        FreshRegistry fresh;
        LoanWorksheet sheet(WorksheetOptions{});
        sheet.BuildCells();
        TypeInto(sheet, L"Price", example.price);
        TypeInto(sheet, L"Number of months", example.months);
        TypeInto(sheet, L"Interest rate", example.rate);
        TypeInto(sheet, L"Down payment", example.downPayment);
        CalculateOn(sheet, L"Monthly payment");
        EXPECT_EQ(Shown(sheet, L"Monthly payment"), example.monthlyPayment) << example.price;
        EXPECT_EQ(Shown(sheet, L"Total interest"), example.totalInterest) << example.price;
        EXPECT_EQ(Shown(sheet, L"Total repaid"), example.totalRepaid) << example.price;
    }
}

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
