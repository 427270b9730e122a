#include "worksheets/mortgage_worksheet.h"

#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum MortgageRow : int {
    RowPrinciple, RowTerm, RowInterest, RowDownPayment, RowMonthlyFees,
    RowPayments, RowTotalInterest, RowPaymentAmount, RowTotalRepaid,
};

constexpr std::array kRows = {
    CellRow{L"Principle", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Terms (years)", CellFormat::FormatInteger, false},
    CellRow{L"Interest Rate", CellFormat::FormatPercent, false},
    CellRow{L"Down payment", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Monthly fees", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Total payments", CellFormat::FormatInteger, true},
    CellRow{L"Total interest", CellFormat::FormatTwoDecimals, true},
    CellRow{L"Monthly payment", CellFormat::FormatTwoDecimals, true},
    CellRow{L"Total repaid", CellFormat::FormatTwoDecimals, true},
};

constexpr double kPercentOfFraction = 100.0;

}  // namespace

MortgageWorksheet::~MortgageWorksheet()
{
    mortgage_.Save(options_.mortgageSchedule);
}

void MortgageWorksheet::TitleSchedule()
{
    const std::wstring title = L"Mortgage - " + std::wstring(PaymentScheduleAt(options_.mortgageSchedule).name);
    if (title != Title()) {
        SetTitle(title);
        Host().LayOutAgain();
    }
}

void MortgageWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, Title());
    TitleSchedule();
}

std::wstring MortgageWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowPrinciple:
        return CellNumberText(mortgage_.Principle());
    case RowTerm:
        return CellIntegerText(mortgage_.Term());
    case RowInterest:
        return CellNumberText(mortgage_.InterestRate() * kPercentOfFraction);
    case RowDownPayment:
        return CellNumberText(mortgage_.DownPayment());
    case RowMonthlyFees:
        return CellNumberText(mortgage_.MonthlyFees());
    case RowPayments:
        return CellIntegerText(mortgage_.Payments());
    case RowTotalInterest:
        return CellNumberText(mortgage_.TotalInterest());
    case RowPaymentAmount:
        return CellNumberText(mortgage_.PaymentAmount());
    default:
        return CellNumberText(mortgage_.TotalRepaid());
    }
}

void MortgageWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowPrinciple:
        mortgage_.SetPrinciple(number);
        break;
    case RowTerm:
        mortgage_.SetTerm(integer);
        break;
    case RowInterest:
        mortgage_.SetInterestPercent(number);
        break;
    case RowDownPayment:
        mortgage_.SetDownPayment(number);
        break;
    case RowMonthlyFees:
        mortgage_.SetMonthlyFees(number);
        break;
    }
}

void MortgageWorksheet::Recompute()
{
    mortgage_.Compute(options_.mortgageSchedule);
    TitleSchedule();
}

void MortgageWorksheet::Calculate()
{
    CalculateResults(RowPayments);
}

void MortgageWorksheet::Reset()
{
    mortgage_.Reset();
    Recompute();
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
