#include "worksheets/cell_number_text.h"

#include <limits>

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(CellNumberTextTest, TwelveSignificantDigitsInNumberTextForm)
{
    const std::pair<double, const wchar_t*> cases[] = {
        {0.0, L"0"},
        {-599.550525162, L"-599.550525162"},
        {100000.0, L"100000"},
        {1.0 / 3.0, L"0.333333333333"},
        {2.0 / 3.0 * 1000.0, L"666.666666667"},
        {12.682503013197, L"12.6825030132"},
        {0.05, L"0.05"},
        {999999999999.6, L"1.e+012"},
        {123456789012345.0, L"1.23456789012e+014"},
        {-1.5e-12, L"-1.5e-012"},
        {9.9999999999999e20, L"1.e+021"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(CellNumberText(value), text) << value;
    }
}

TEST(CellNumberTextTest, EveryTextFitsACell)
{
    const double values[] = {
        std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
        std::numeric_limits<double>::denorm_min(), -1.0 / 7.0, 1e300 / 3.0,
    };
    for (double value : values) {
        EXPECT_LE(CellNumberText(value).size(), 31u) << value;
    }
    EXPECT_EQ(CellIntegerText(-32768), L"-32768");
    EXPECT_EQ(CellNumberText(std::numeric_limits<double>::infinity()), L"infinity");
    EXPECT_EQ(CellNumberText(std::numeric_limits<double>::quiet_NaN()), L"imaginary");
}

}  // namespace
}  // namespace tallyx
