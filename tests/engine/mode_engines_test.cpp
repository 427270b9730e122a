#include <string>

#include "engine/calc_engine.h"
#include "tests/engine/calculator_fixture.h"

namespace tallyx {
namespace {

using RefusedKeyTest = CalculatorFixture;

TEST_F(RefusedKeyTest, LastKeyIsAcceptedOrRefused)
{
    const struct {
        int mode;
        const wchar_t* keys;  // the last key is the one in question
        bool accepted;
    } cases[] = {
        {CalcModeAlgebraic, L"X", false}, {CalcModeDirectAlgebraic, L"X", false}, {CalcModeExpression, L"X", true},
        {CalcModeAlgebraic, L"2 Plus 3 Equals Equals", false},
        {CalcModeDirectAlgebraic, L"2 Plus 3 Equals Equals", false},
        {CalcModeNormal, L"2 Plus 3 Equals Equals", true}, {CalcModeAlgebraic, L"0 0", false},
        {CalcModeAlgebraic, L"1.5 Decimal", false}, {CalcModeAlgebraic, L"CloseBracket", false},
        {CalcModeAlgebraic, L"OpenBracket 2 Plus CloseBracket", false}, {CalcModeDirectAlgebraic, L"Sin Plus", false},
        {CalcModeAlgebraic, L"2 Plus SquareRoot", false}, {CalcModeAlgebraic, L"Equals", false},
        {CalcModeNormal, L"OpenBracket", false}, {CalcModeNormal, L"2 Plus OpenBracket OpenBracket", false},
        {CalcModeNormal, L"2 Plus OpenBracket", true}, {CalcModeNormal, L"2 Plus 3 Equals OpenBracket", false},
        {CalcModeExpression, L"2 OpenBracket", false}, {CalcModeExpression, L"OpenBracket 2 CloseBracket 3", false},
        {CalcModeExpression, L"Plus", false}, {CalcModeExpression, L"OpenBracket Minus", true},
        {CalcModeExpression, L"OpenBracket Times", false}, {CalcModeExpression, L"2 Sin", false},
        {CalcModeExpression, L"1.5 DecToDeg", false}, {CalcModeExpression, L"123456789012345678", false},
        {CalcModeExpression, L"HEX 1 XNOR 2", true}, {CalcModeExpression, L"HEX OpenBracket", false},
        {CalcModeExpression, L"HEX Pi", false}, {CalcModeAlgebraic, L"OCT 8", false},
        {CalcModeAlgebraic, L"HEX F", true}, {CalcModeAlgebraic, L"DEC A", false},
        {CalcModeAlgebraic, L"HEX Decimal", false}, {CalcModeAlgebraic, L"BIN DecToDeg", false},
        {CalcModeAlgebraic, L"HEX 2 XToTheY", false}, {CalcModeAlgebraic, L"HEX 2 AND", true},
        {CalcModeAlgebraic, L"HEX 2 Sin", false}, {CalcModeAlgebraic, L"2 ABS", true},
        {CalcModeAlgebraic, L"HEX 2 PlusMinus", true}, {CalcModeAlgebraic, L"BCD 1 0", true},
        {CalcModeAlgebraic, L"BCD 2", false}, {CalcModeAlgebraic, L"XYSwitch", false},
        {CalcModeRpn, L"XYSwitch", true}, {CalcModeRpn, L"Enter", false}, {CalcModeAlgebraic, L"Blank", true},
        {CalcModeAlgebraic, L"TVM", false}, {CalcModeRpn, L"12 DecToDeg 30 DecToDeg DecToDeg", false},
    };
    for (const auto& c : cases) {
        Press(L"Reset");
        engine_.SetMode(c.mode);
        const std::vector<bool> accepted = Press(c.keys);
        EXPECT_EQ(accepted.back(), c.accepted) << NarrowUtf8(c.keys);
    }
}

}  // namespace
}  // namespace tallyx
