#include "worksheets/tvm_worksheet.h"

#include <array>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

enum TvmRow : int { RowTerms, RowInterest, RowPresentValue, RowPayment, RowFutureValue, RowPayments, RowCompounds };

constexpr std::array kRows = {
    CellRow{L"Num. Terms", CellFormat::FormatInteger, false},
    CellRow{L"Interest/Year", CellFormat::FormatPercent, false},
    CellRow{L"Present Value", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Payment", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Future Value", CellFormat::FormatTwoDecimals, false},
    CellRow{L"Payments/Year", CellFormat::FormatInteger, false},
    CellRow{L"Comp./Year", CellFormat::FormatInteger, false},
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

TvmWorksheet::TvmWorksheet(const WorksheetOptions& options) : options_(options), engine_(PayAtBeginning(options))
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
    values.Integer(L"WSTVM_NTrm", engine_.NumTerms(), [&](std::int32_t value) { engine_.SetNumTerms(low16(value)); });
    values.Integer(L"WSTVM_PY", engine_.PaymentsPerYear(),
                   [&](std::int32_t value) { engine_.SetPaymentsPerYear(low16(value)); });
    values.Integer(L"WSTVM_CY", engine_.CompoundsPerYear(),
                   [&](std::int32_t value) { engine_.SetCompoundsPerYear(low16(value)); });
    values.Double(L"WSTVM_IYR", engine_.InterestPerYear(), [&](double value) { engine_.SetInterestPerYear(value); });
    values.Double(L"WSTVM_PVal", engine_.PresentValue(), [&](double value) { engine_.SetPresentValue(value); });
    values.Double(L"WSTVM_PMT", engine_.Payment(), [&](double value) { engine_.SetPayment(value); });
    values.Double(L"WSTVM_FVal", engine_.FutureValue(), [&](double value) { engine_.SetFutureValue(value); });
}

void TvmWorksheet::BuildCells()
{
    BuildCellsFrom(kRows, L"Time Value Money");
}

std::wstring TvmWorksheet::ModelText(int cell) const
{
    switch (cell) {
    case RowTerms:
        return CellIntegerText(engine_.NumTerms());
    case RowInterest:
        return CellNumberText(engine_.InterestPerYear());
    case RowPresentValue:
        return CellNumberText(engine_.PresentValue());
    case RowPayment:
        return CellNumberText(engine_.Payment());
    case RowFutureValue:
        return CellNumberText(engine_.FutureValue());
    case RowPayments:
        return CellIntegerText(engine_.PaymentsPerYear());
    default:
        return CellIntegerText(engine_.CompoundsPerYear());
    }
}

void TvmWorksheet::CommitRow(int cell, double number, std::int32_t integer)
{
    switch (cell) {
    case RowTerms:
        engine_.SetNumTerms(integer);
        break;
    case RowInterest:
        engine_.SetInterestPerYear(number);
        break;
    case RowPresentValue:
        engine_.SetPresentValue(number);
        break;
    case RowPayment:
        engine_.SetPayment(number);
        break;
    case RowFutureValue:
        engine_.SetFutureValue(number);
        break;
    case RowPayments:
        engine_.SetPaymentsPerYear(integer);
        break;
    case RowCompounds:
        engine_.SetCompoundsPerYear(integer);
        break;
    }
}

void TvmWorksheet::Calculate()
{
    const int cell = HighlightedCell();
    if (cell < 0 || cell >= static_cast<int>(kSolvedTargets.size())) {
        return;
    }
    if (engine_.Solve(kSolvedTargets[cell])) {
        ShowSolvedCell(cell);
        return;
    }
    // No whole number of periods solves it: say so in the cell rather than
    // showing a count that was never stored.
    SetCellText(cell, CellNumberText(engine_.SolvedTerms()));
    ShowCell(cell);
    Host().InvalidateList();
}

void TvmWorksheet::Reset()
{
    engine_.Reset(PayAtBeginning(options_));
    WriteCells();
    HighlightFirstCell();
}

}  // namespace tallyx
