#include <gtest/gtest.h>

#include "engine/general_text.h"

namespace tallyx {
namespace {

struct TextCase {
    double value;
    int precision;
    const wchar_t* general;
    const wchar_t* number;
};

TEST(GeneralTextTest, GeneralFormKeepsThePointAndNumberTextDropsIt)
{
    const TextCase cases[] = {
        {5.0, 15, L"5.", L"5"},                         {-0.0, 15, L"0.", L"0"},
        {0.1, 15, L"0.1", L"0.1"},                      {0.05, 15, L"5.e-002", L"0.05"},
        {1.5e-5, 15, L"1.5e-005", L"0.000015"},         {1e-20, 15, L"1.e-020", L"1.e-020"},
        {1e20, 15, L"1.e+020", L"1.e+020"},
        {999999999999999.0, 15, L"999999999999999.", L"999999999999999"},
        {1.0 / 3.0, 14, L"0.33333333333333", L"0.33333333333333"}, {1e308, 15, L"1.e+308", L"1.e+308"},
        {5e-324, 15, L"4.94065645841247e-324", L"4.94065645841247e-324"},
        {0.09999999999999999, 15, L"0.1", L"0.1"},      {12.5, 12, L"12.5", L"12.5"},
    };
    for (const TextCase& entry : cases) {
        EXPECT_EQ(GeneralText(entry.value, entry.precision), entry.general) << entry.value;
        EXPECT_EQ(NumberToText(entry.value, entry.precision), entry.number) << entry.value;
    }
}

}  // namespace
}  // namespace tallyx
