#include "worksheets/mortgage_worksheet.h"

#include <array>

#include "worksheets/amortization_schedule.h"

namespace tallyx {
namespace {

using Row = MortgageWorksheet::Row;

constexpr std::array kRows = {
    Row::Input<&Mortgage::Principle, &Mortgage::SetPrinciple>(L"Principle", CellFormat::FormatTwoDecimals),
    Row::Input<&Mortgage::Term, &Mortgage::SetTerm>(L"Terms (years)", CellFormat::FormatInteger),
    Row::Input<&Mortgage::InterestPercent, &Mortgage::SetInterestPercent>(L"Interest Rate", CellFormat::FormatPercent),
    Row::Input<&Mortgage::DownPayment, &Mortgage::SetDownPayment>(L"Down payment", CellFormat::FormatTwoDecimals),
    Row::Input<&Mortgage::MonthlyFees, &Mortgage::SetMonthlyFees>(L"Monthly fees", CellFormat::FormatTwoDecimals),
    Row::Result<&Mortgage::Payments>(L"Total payments", CellFormat::FormatInteger),
    Row::Result<&Mortgage::TotalInterest>(L"Total interest", CellFormat::FormatTwoDecimals),
    Row::Result<&Mortgage::PaymentAmount>(L"Monthly payment", CellFormat::FormatTwoDecimals),
    Row::Result<&Mortgage::TotalRepaid>(L"Total repaid", CellFormat::FormatTwoDecimals),
};

}  // namespace

// The title follows the payment schedule, named when the cells are built.
MortgageWorksheet::MortgageWorksheet(const WorksheetOptions& options)
    : ModelWorksheet(L"Mortgage", kRows), options_(options)
{
}

MortgageWorksheet::~MortgageWorksheet()
{
    model_.Save(options_.mortgageSchedule);
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
    BuildCellsFrom(CellRows(), Title());
    TitleSchedule();
}

void MortgageWorksheet::Recompute()
{
    model_.Compute(options_.mortgageSchedule);
    TitleSchedule();
}

void MortgageWorksheet::Calculate()
{
    CalculateResults(FirstResultRow());
}

void MortgageWorksheet::Reset()
{
    model_.Reset();
    Recompute();
    WriteCells();
    HighlightFirstCell();
}

ScheduleTable MortgageWorksheet::Schedule()
{
    RecomputeCells();
    return MortgageSchedule(model_);
}

}  // namespace tallyx
