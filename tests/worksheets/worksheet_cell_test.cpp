#include "worksheets/worksheet_cell.h"

#include <gtest/gtest.h>

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
        {L"234.5", CellFormat::FormatTwoDecimals, L"234.50"},
        {L"1.23456", CellFormat::FormatTwoDecimals, L"1.23"},
        {L"-1.239", CellFormat::FormatTwoDecimals, L"-1.23"},
        {L"1.5e-012", CellFormat::FormatTwoDecimals, L"1.5e-012"},
        {L"42", CellFormat::FormatTwoDecimals, L"42.00"},
        {L"42.", CellFormat::FormatTwoDecimals, L"42.00"},
        {L"0.25", CellFormat::FormatTwoDecimals, L"0.25"},
        {L"12.9", CellFormat::FormatInteger, L"12"},
        {L"-0.5", CellFormat::FormatInteger, L"-0"},
        {L"1.5e+020", CellFormat::FormatInteger, L"1.5e+020"},
        {L"360", CellFormat::FormatInteger, L"360"},
        {L"7.", CellFormat::FormatPercent, L"7%"},
        {L"12.6825030132", CellFormat::FormatPercent, L"12.68250301%"},
        {L"", CellFormat::FormatPercent, L"%"},
        {L"anything 1.5", CellFormat::FormatPlain, L"anything 1.5"},
    };
    for (const auto& example : cases) {
        const WorksheetCell cell(L"label", example.format, false, example.text);
        EXPECT_EQ(cell.ShownText(), example.shown) << example.text;
        EXPECT_EQ(cell.Text(), example.text);
    }
}

TEST(WorksheetCellTest, TextIsLimitedToThirtyOneCharacters)
{
    WorksheetCell cell(L"Price", CellFormat::FormatPlain, false);
    cell.SetText(std::wstring(40, L'9'));
    EXPECT_EQ(cell.Text(), std::wstring(31, L'9'));
}

}  // namespace
}  // namespace tallyx
