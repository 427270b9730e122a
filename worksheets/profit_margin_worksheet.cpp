#include "worksheets/profit_margin_worksheet.h"

#include <array>

namespace tallyx {
namespace {

using Field = ProfitMarginWorksheet::Field;

// In the order of ProfitMarginValue.
constexpr std::array kFields = {
    Field{{L"Cost", CellFormat::FormatTwoDecimals, false}, L"WSProf_Cost", &ProfitMarginModel::cost},
    Field{{L"Price", CellFormat::FormatTwoDecimals, false}, L"WSProf_Price", &ProfitMarginModel::price},
    Field{{L"Profit", CellFormat::FormatPercent, false}, L"WSProf_Profit", &ProfitMarginModel::margin},
};

}  // namespace

ProfitMarginWorksheet::ProfitMarginWorksheet(const WorksheetOptions&) : FieldWorksheet(L"Profit Margin", kFields, false) {}

}  // namespace tallyx
