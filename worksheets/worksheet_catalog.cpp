#include "worksheets/worksheet_catalog.h"

#include <algorithm>
#include <array>

#include "platform/wide_text.h"
#include "worksheets/break_even_worksheet.h"
#include "worksheets/cash_flow_worksheet.h"
#include "worksheets/compound_interest_worksheet.h"
#include "worksheets/date_worksheet.h"
#include "worksheets/depreciation_worksheet.h"
#include "worksheets/interest_conversion_worksheet.h"
#include "worksheets/lease_worksheet.h"
#include "worksheets/loan_worksheet.h"
#include "worksheets/mortgage_worksheet.h"
#include "worksheets/profit_margin_worksheet.h"
#include "worksheets/regression_worksheet.h"
#include "worksheets/tip_worksheet.h"
#include "worksheets/tvm_worksheet.h"

namespace tallyx {
namespace {

template <typename Sheet>
std::unique_ptr<Worksheet> Create(const WorksheetOptions& options)
{
    return std::make_unique<Sheet>(options);
}

const std::array kCatalog = {
    WorksheetEntry{L"tvm", 0, Create<TvmWorksheet>, false},
    WorksheetEntry{L"loan", 14, Create<LoanWorksheet>, false},
    WorksheetEntry{L"mortgage", 12, Create<MortgageWorksheet>, false},
    WorksheetEntry{L"lease", 13, Create<LeaseWorksheet>, false},
    WorksheetEntry{L"depreciation", 5, Create<DepreciationWorksheet>, false},
    WorksheetEntry{L"compound", 7, Create<CompoundInterestWorksheet>, false},
    WorksheetEntry{L"conversion", 8, Create<InterestConversionWorksheet>, false},
    WorksheetEntry{L"margin", 10, Create<ProfitMarginWorksheet>, false},
    WorksheetEntry{L"breakeven", 11, Create<BreakEvenWorksheet>, false},
    WorksheetEntry{L"tip", 15, Create<TipWorksheet>, false},
    WorksheetEntry{L"cashflow", 6, Create<CashFlowWorksheet>, false},
    WorksheetEntry{L"date", 9, Create<DateWorksheet>, false},
    WorksheetEntry{L"linreg", 16, CreateRegression<RegressionKind::Linear>, true},
    WorksheetEntry{L"expreg", 17, CreateRegression<RegressionKind::Exponential>, true},
    WorksheetEntry{L"logreg", 18, CreateRegression<RegressionKind::Logarithmic>, true},
    WorksheetEntry{L"pwrreg", 19, CreateRegression<RegressionKind::Power>, true},
};

}  // namespace

std::span<const WorksheetEntry> WorksheetCatalog()
{
    return kCatalog;
}

const WorksheetEntry* FindWorksheet(std::wstring_view consoleName)
{
    const auto entry = std::find_if(kCatalog.begin(), kCatalog.end(),
                                    [&](const WorksheetEntry& candidate) { return EqualNoCase(candidate.consoleName, consoleName); });
    return entry == kCatalog.end() ? nullptr : &*entry;
}

const WorksheetEntry* FindWorksheetForButton(int buttonId)
{
    const auto entry = std::find_if(kCatalog.begin(), kCatalog.end(),
                                    [&](const WorksheetEntry& candidate) { return candidate.buttonId == buttonId; });
    return entry == kCatalog.end() ? nullptr : &*entry;
}

}  // namespace tallyx
