#include "worksheets/loan_worksheet.h"

#include <array>

#include "worksheets/amortization_schedule.h"

namespace tallyx {
namespace {

using Row = LoanWorksheet::Row;

constexpr std::array kRows = {
    Row::Input<&CarLoan::CarPrice, &CarLoan::SetCarPrice>(L"Price", CellFormat::FormatTwoDecimals),
    Row::Input<&CarLoan::SalesTaxRate, &CarLoan::SetSalesTaxRate>(L"Sales Tax", CellFormat::FormatPercent),
    Row::Input<&CarLoan::OtherFees, &CarLoan::SetOtherFees>(L"Other Fees", CellFormat::FormatTwoDecimals),
    Row::Input<&CarLoan::DownPayment, &CarLoan::SetDownPayment>(L"Down payment", CellFormat::FormatTwoDecimals),
    Row::Input<&CarLoan::TradeIn, &CarLoan::SetTradeIn>(L"Trade in", CellFormat::FormatTwoDecimals),
    Row::Input<&CarLoan::Months, &CarLoan::SetMonths>(L"Number of months", CellFormat::FormatInteger),
    Row::Input<&CarLoan::InterestRate, &CarLoan::SetInterestRate>(L"Interest rate", CellFormat::FormatPercent),
    Row::Result<&CarLoan::MonthlyPayment>(L"Monthly payment", CellFormat::FormatTwoDecimals),
    Row::Result<&CarLoan::TotalInterest>(L"Total interest", CellFormat::FormatTwoDecimals),
    Row::Result<&CarLoan::TotalRepaid>(L"Total repaid", CellFormat::FormatTwoDecimals),
};

}  // namespace

LoanWorksheet::LoanWorksheet(const WorksheetOptions&) : ModelWorksheet(L"Loan Calculator", kRows)
{
    model_.Load();
}

LoanWorksheet::~LoanWorksheet()
{
    model_.Save();
}

void LoanWorksheet::Calculate()
{
    CalculateResults(FirstResultRow());
}

void LoanWorksheet::Reset()
{
    model_.Reset();
    model_.Compute();
    WriteCells();
    HighlightFirstCell();
}

ScheduleTable LoanWorksheet::Schedule()
{
    RecomputeCells();
    return LoanSchedule(model_);
}

}  // namespace tallyx
