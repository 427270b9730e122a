#include "graph/implicit_multiplication.h"

#include <gtest/gtest.h>

namespace tallyx {
namespace {

TEST(ImplicitMultiplicationTest, AProductSignGoesAfterAnXThatMeetsAnOperand)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Xsin(X)", L"X×sin(X)"},
        {L"X2", L"X×2"},
        {L"(X)X", L"(X)X"},
        {L"XX", L"XX"},
        {L"X(X+1)", L"X×(X+1)"},
        {L"2X3X", L"2X×3X"},
        {L"X²-X³+X^2", L"X²-X³+X^2"},
        {L"XE2XrX%3", L"XE2XrX%3"},
        {L"Xpi", L"X×pi"},
        {L"X.5", L"X×.5"},
        {L"", L""},
    };
    for (const auto& [typed, stored] : cases) {
        EXPECT_EQ(InsertImplicitMultiplication(typed), stored) << typed;
    }
}

}  // namespace
}  // namespace tallyx
