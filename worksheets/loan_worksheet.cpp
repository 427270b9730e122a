#include "worksheets/loan_worksheet.h"

#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum LoanRow : int {
    RowPrice, RowSalesTax, RowOtherFees, RowDownPayment, RowTradeIn, RowMonths, RowInterest,
    RowMonthlyPayment, RowTotalInterest, RowTotalRepaid,
};

constexpr std::array kRows = {
    CellRow{L"Price", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Sales Tax", CellFormat::FormatPercent, false},
    CellRow{L"Other Fees", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Down payment", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Trade in", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Number of months", CellFormat::FormatInteger, false},
    CellRow{L"Interest rate", CellFormat::FormatPercent, false},
    CellRow{L"Monthly payment", CellFormat::FormatTwoDecimals, true},
    CellRow{L"Total interest", CellFormat::FormatTwoDecimals, true},
    CellRow{L"Total repaid", CellFormat::FormatTwoDecimals, true},
};

}  // namespace

LoanWorksheet::LoanWorksheet(const WorksheetOptions&)
{
    loan_.Load();
}

LoanWorksheet::~LoanWorksheet()
{
    loan_.Save();
}

void LoanWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Loan Calculator");
}

std::wstring LoanWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowPrice:
        return CellNumberText(loan_.CarPrice());
    case RowSalesTax:
        return CellNumberText(loan_.SalesTaxRate());
    case RowOtherFees:
        return CellNumberText(loan_.OtherFees());
    case RowDownPayment:
        return CellNumberText(loan_.DownPayment());
    case RowTradeIn:
        return CellNumberText(loan_.TradeIn());
    case RowMonths:
        return CellIntegerText(loan_.Months());
    case RowInterest:
        return CellNumberText(loan_.InterestRate());
    case RowMonthlyPayment:
        return CellNumberText(loan_.MonthlyPayment());
    case RowTotalInterest:
        return CellNumberText(loan_.TotalInterest());
    default:
        return CellNumberText(loan_.TotalRepaid());
    }
}

void LoanWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowPrice:
        loan_.SetCarPrice(number);
        break;
    case RowSalesTax:
        loan_.SetSalesTaxRate(number);
        break;
    case RowOtherFees:
        loan_.SetOtherFees(number);
        break;
    case RowDownPayment:
        loan_.SetDownPayment(number);
        break;
    case RowTradeIn:
        loan_.SetTradeIn(number);
        break;
    case RowMonths:
        loan_.SetMonths(integer);
        break;
    case RowInterest:
        loan_.SetInterestRate(number);
        break;
    }
}

void LoanWorksheet::Calculate()
{
    CalculateResults(RowMonthlyPayment);
}

void LoanWorksheet::Reset()
{
    loan_.Reset();
    loan_.Compute();
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
