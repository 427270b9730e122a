#include "graph/range_label.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(RangeLabelTest, LongNumbersAreShortenedForTheEdgesOfThePlot)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"0.123456789", L"0.1234"},
        {L"-1.23456789", L"-1.2345"},
        {L"-6.25", L"-6.25"},
        {L"1.234567", L"1.2345"},
        {L"12.3456789", L"12.3456789"},
        {L"1.5e-005", L"1.5e-5"},
        {L"1.5e+005", L"1.5e+005"},
        {L"1.e-020", L"1.e-20"},
        {L"1.23456789012e-020", L"1.234e-20"},
        {L"-1.23456789012e+250", L"-1.23e+250"},
        {L"1e5", L"1e5"},
    };
    for (const auto& [number, label] : cases) {
        EXPECT_EQ(ShortRangeLabel(number), label) << number;
    }
}

}  // namespace
}  // namespace tallyx
