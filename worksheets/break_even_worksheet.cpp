#include "worksheets/break_even_worksheet.h"

#include <array>

namespace tallyx {
namespace {

using Field = BreakEvenWorksheet::Field;

// In the order of BreakEvenValue.
constexpr std::array kFields = {
    Field{{L"Profit", CellFormat::FormatTwoDecimals, false}, L"WSBrkE_PFT", &BreakEvenModel::profit},
    Field{{L"Price", CellFormat::FormatTwoDecimals, false}, L"WSBrkE_Price", &BreakEvenModel::price},
    Field{{L"Fixed Cost", CellFormat::FormatTwoDecimals, false}, L"WSBrkE_FCost", &BreakEvenModel::fixedCost},
    Field{{L"Var. Cost", CellFormat::FormatTwoDecimals, false}, L"WSBrkE_VCost", &BreakEvenModel::varCost},
    Field{{L"Quantity", CellFormat::FormatPlain, false}, L"WSBrkE_Qnty", &BreakEvenModel::quantity},
};

}  // namespace

BreakEvenWorksheet::BreakEvenWorksheet(const WorksheetOptions&) : FieldWorksheet(L"Break Even Sales", kFields, true) {}

}  // namespace tallyx
