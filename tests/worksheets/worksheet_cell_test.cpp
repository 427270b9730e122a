#include "worksheets/worksheet_cell.h"

#include <limits>

#include <gtest/gtest.h>

#include "worksheets/cell_number_text.h"

namespace tallyx {
namespace {

struct FormatCase {
    const wchar_t* text;
    CellFormat format;
    const wchar_t* shown;
};

TEST(WorksheetCellTest, FormatDressesTheTextOnlyForShowing)
{
    const FormatCase cases[] = {
        {L"1.23456", CellFormat::FormatTwoDecimals, L"1.23"},
        {L"-1.239", CellFormat::FormatTwoDecimals, L"-1.23"},
        {L"1.5e-012", CellFormat::FormatTwoDecimals, L"1.5e-012"},
        {L"42.", CellFormat::FormatTwoDecimals, L"42.00"},
        {L"12.9", CellFormat::FormatInteger, L"12"},
        {L"-0.5", CellFormat::FormatInteger, L"-0"},
        {L"1.5e+020", CellFormat::FormatInteger, L"1.5e+020"},
        {L"7.", CellFormat::FormatPercent, L"7%"},
        {L"12.6825030132", CellFormat::FormatPercent, L"12.68250301%"},
        {L"", CellFormat::FormatPercent, L"%"},
        {L"anything 1.5", CellFormat::FormatPlain, L"anything 1.5"},
        // The error words are no numbers to dress.
        {L"infinity", CellFormat::FormatTwoDecimals, L"infinity"},
        {L"imaginary", CellFormat::FormatPercent, L"imaginary"},
        {L"-infinity", CellFormat::FormatInteger, L"-infinity"},
    };
    for (const auto& example : cases) {
        const WorksheetCell cell(L"label", example.format, false, example.text);
        EXPECT_EQ(cell.ShownText(), example.shown) << example.text;
        EXPECT_EQ(cell.Text(), example.text);
    }
    WorksheetCell cell(L"Price", CellFormat::FormatPlain, false);
    cell.SetText(std::wstring(40, L'9'));
    EXPECT_EQ(cell.Text(), std::wstring(31, L'9'));
}

TEST(CellNumberTextTest, TwelveSignificantDigitsInNumberTextFormThatFitACell)
{
    const std::pair<double, const wchar_t*> cases[] = {
        {0.0, L"0"},
        {-599.550525162, L"-599.550525162"},
        {100000.0, L"100000"},
        {2.0 / 3.0 * 1000.0, L"666.666666667"},
        {0.05, L"0.05"},
        {999999999999.6, L"1.e+012"},
        {123456789012345.0, L"1.23456789012e+014"},
        {-1.5e-12, L"-1.5e-012"},
        {std::numeric_limits<double>::infinity(), L"infinity"},
        {std::numeric_limits<double>::quiet_NaN(), L"imaginary"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(CellNumberText(value), text) << value;
    }
    for (double value : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min(), -1.0 / 7.0}) {
        EXPECT_LE(CellNumberText(value).size(), 31u) << value;
    }
}

}  // namespace
}  // namespace tallyx
