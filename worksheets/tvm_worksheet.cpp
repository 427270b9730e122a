#include "worksheets/tvm_worksheet.h"

#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

using Row = TvmWorksheet::Row;

constexpr std::array kRows = {
    Row::Input<&TvmEngine::NumTerms, &TvmEngine::SetNumTerms>(L"Num. Terms", CellFormat::FormatInteger),
    Row::Input<&TvmEngine::InterestPerYear, &TvmEngine::SetInterestPerYear>(
        L"Interest/Year", CellFormat::FormatPercent),
    Row::Input<&TvmEngine::PresentValue, &TvmEngine::SetPresentValue>(L"Present Value", CellFormat::FormatTwoDecimals),
    Row::Input<&TvmEngine::Payment, &TvmEngine::SetPayment>(L"Payment", CellFormat::FormatTwoDecimals),
    Row::Input<&TvmEngine::FutureValue, &TvmEngine::SetFutureValue>(L"Future Value", CellFormat::FormatTwoDecimals),
    Row::Input<&TvmEngine::PaymentsPerYear, &TvmEngine::SetPaymentsPerYear>(
        L"Payments/Year", CellFormat::FormatInteger),
    Row::Input<&TvmEngine::CompoundsPerYear, &TvmEngine::SetCompoundsPerYear>(L"Comp./Year", CellFormat::FormatInteger),
};

// The value each of the first five rows solves for; the frequencies solve nothing.
constexpr std::array kSolvedTargets = {
    TvmTarget::NumTerms, TvmTarget::InterestRate, TvmTarget::PresentValue, TvmTarget::Payment, TvmTarget::FutureValue,
};

// An option that is on means payments at the end of each period.
bool PayAtBeginning(const WorksheetOptions& options)
{
    return !options.endPeriodPayments;
}

}  // namespace

TvmWorksheet::TvmWorksheet(const WorksheetOptions& options)
    : ModelWorksheet(L"Time Value Money", kRows, PayAtBeginning(options)), options_(options)
{
    Store(StoredValues::Direction::Read);
}

TvmWorksheet::~TvmWorksheet()
{
    Store(StoredValues::Direction::Write);
}

void TvmWorksheet::Store(StoredValues::Direction direction)
{
    StoredValues values(kWorksheetsKey, direction);
    // The counts are kept as 16-bit numbers: the low half of a stored value counts.
    const auto low16 = [](std::int32_t value) { return static_cast<std::int16_t>(value); };
    values.Integer(L"WSTVM_NTrm", model_.NumTerms(), [&](std::int32_t value) { model_.SetNumTerms(low16(value)); });
    values.Integer(L"WSTVM_PY", model_.PaymentsPerYear(),
                   [&](std::int32_t value) { model_.SetPaymentsPerYear(low16(value)); });
    values.Integer(L"WSTVM_CY", model_.CompoundsPerYear(),
                   [&](std::int32_t value) { model_.SetCompoundsPerYear(low16(value)); });
    values.Double(L"WSTVM_IYR", model_.InterestPerYear(), [&](double value) { model_.SetInterestPerYear(value); });
    values.Double(L"WSTVM_PVal", model_.PresentValue(), [&](double value) { model_.SetPresentValue(value); });
    values.Double(L"WSTVM_PMT", model_.Payment(), [&](double value) { model_.SetPayment(value); });
    values.Double(L"WSTVM_FVal", model_.FutureValue(), [&](double value) { model_.SetFutureValue(value); });
}

void TvmWorksheet::Calculate()
{
    const int cell = HighlightedCell();
    if (cell < 0 || cell >= static_cast<int>(kSolvedTargets.size())) {
        return;
    }
    if (model_.Solve(kSolvedTargets[cell])) {
        ShowSolvedCell(cell);
        return;
    }
    // No whole number of periods solves it: say so in the cell rather than
    // showing a count that was never stored.
    SetCellText(cell, CellNumberText(model_.SolvedTerms()));
    ShowCell(cell);
    Host().InvalidateList();
}

void TvmWorksheet::Reset()
{
    model_.Reset(PayAtBeginning(options_));
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
