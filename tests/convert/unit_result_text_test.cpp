#include "convert/unit_result_text.h"

#include <gtest/gtest.h>

#include <limits>


namespace tallyx {
namespace {

const std::pair<double, const wchar_t*> kNumberCases[] = {
    {0.0, L"0"},
    {-0.0, L"0"},
    {-273.15, L"-273.15"},
    {328.0839895, L"328.0839895"},
    {0.1, L"0.1"},
    {0.000015, L"0.000015"},
    {0.09999999999999, L"0.1"},
    {2.5e-7, L"2.5e-007"},
    {1e-20, L"1.e-020"},
    {1.23456789012e-5, L"1.23456789012e-005"},
    {999999999999.4, L"999999999999"},
    {999999999999.5, L"1.e+012"},
    {1234567890123.0, L"1.23456789012e+012"},
    {1.0 / 3.0, L"0.333333333333"},
    {-1e308 * 10.0, L"infinity"},
    {1.7976931348623157e308, L"1.79769313486e+308"},
    {4.9e-324, L"4.94065645841e-324"},
    {std::numeric_limits<double>::infinity(), L"infinity"},
    {std::numeric_limits<double>::quiet_NaN(), L"imaginary"},
};

TEST(UnitResultTextTest, WritesTwelveSignificantDigitsInTheCalculatorsForm)
{
    for (const auto& [value, text] : kNumberCases) {
        EXPECT_EQ(UnitResultText(value), text) << value;
    }
}

}  // namespace
}  // namespace tallyx
