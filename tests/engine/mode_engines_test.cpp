#include <string>

#include "engine/calc_engine.h"
#include "tests/engine/calculator_fixture.h"

namespace tallyx {
namespace {

using ModeEngineTest = CalculatorFixture;

TEST_F(ModeEngineTest, KeysGiveTheDisplay)
{
    // Keys, then the display and, where it matters, the indicator.
    const struct {
        int mode;
        const wchar_t* keys;
        const wchar_t* display;
        const wchar_t* indicator;
    } cases[] = {
        // First, while the last answer is still 0.
        {CalcModeAlgebraic, L"2 Plus LastAnswer Equals Plus LastAnswer Equals", L"4", nullptr},
        {CalcModeAlgebraic, L"2 Plus 3 Times 4 Equals", L"14", L"="},
        {CalcModeAlgebraic, L"2 Plus 3 Blank", L"3", nullptr}, {CalcModeAlgebraic, L"30 Sin", L"0.5", nullptr},
        {CalcModeAlgebraic, L"200 Plus 10 Percentage Equals", L"220", nullptr},
        {CalcModeAlgebraic, L"50 Percentage", L"0.5", nullptr},
        {CalcModeAlgebraic, L"2 OpenBracket 3 CloseBracket Equals", L"6", nullptr},
        {CalcModeAlgebraic, L"2 Times OpenBracket 3 Plus 4 Equals", L"14", nullptr},
        {CalcModeAlgebraic, L"6 Plus Times 2 Equals", L"12", L"="}, {CalcModeAlgebraic, L"6 Plus Times", L"6", L"×"},
        {CalcModeAlgebraic, L"2 XSquared Plus 9 SquareRoot Equals", L"7", nullptr},
        {CalcModeAlgebraic, L"1.5 PlusMinus", L"-1.5", nullptr},
        {CalcModeAlgebraic, L"OpenBracket 2 Plus 3 CloseBracket 4 Equals", L"4", nullptr},
        {CalcModeAlgebraic, L"2 Plus 3 Equals 7", L"7", L""}, {CalcModeAlgebraic, L"1.2.3", L"1.23", nullptr},
        {CalcModeAlgebraic, L"0 0 7", L"7", nullptr}, {CalcModeAlgebraic, L"12 BackSpace 5", L"15", nullptr},
        {CalcModeAlgebraic, L"2 Plus 3 Clear", L"0", L""},
        {CalcModeAlgebraic, L"2 Plus 3 ClearEquation 4 Equals", L"6", nullptr},
        {CalcModeAlgebraic, L"12 DecToDeg 3015", L"12°30′15", nullptr},
        {CalcModeAlgebraic, L"12 DecToDeg 3 DecToDeg", L"12°30′", nullptr},
        {CalcModeAlgebraic, L"DecToDeg 5", L"0°5", nullptr},
        {CalcModeAlgebraic, L"12 DecToDeg 30 Plus 0 Equals", L"12.5", nullptr},
        {CalcModeDirectAlgebraic, L"2 Plus 3 Times 4 Equals", L"14", nullptr},
        {CalcModeDirectAlgebraic, L"2 Sin 30 Equals", L"1", nullptr},
        {CalcModeDirectAlgebraic, L"Sin 30 Plus 1 Equals", L"1.5", nullptr},
        {CalcModeDirectAlgebraic, L"Sin 30", L"30", L"sin"},
        {CalcModeDirectAlgebraic, L"Log 100 Times 3 Equals", L"6", nullptr},
        {CalcModeDirectAlgebraic, L"OpenBracket Sin 30 CloseBracket Times 4 Equals", L"2", nullptr},
        {CalcModeDirectAlgebraic, L"2 Plus 3 Equals Sin 30 Equals", L"0.5", nullptr},
        {CalcModeNormal, L"2 Plus 3 Times 4 Equals", L"20", nullptr}, {CalcModeNormal, L"2 Plus 3 Times", L"5", L"×"},
        {CalcModeNormal, L"2 Plus 3 Equals Equals Equals", L"11", nullptr},
        {CalcModeNormal, L"2 Times 3 Equals Equals", L"18", nullptr},
        {CalcModeNormal, L"2 Plus Equals Equals", L"4", nullptr},
        {CalcModeNormal, L"2 Times OpenBracket 3 Plus 4 CloseBracket Equals", L"14", nullptr},
        {CalcModeNormal, L"Equals", L"0", nullptr}, {CalcModeNormal, L"5 Minus 8 Equals", L"-3", nullptr},
        {CalcModeExpression, L"2 Times OpenBracket 3 Plus 4 Equals", L"14", L"2×(3+4)"},
        {CalcModeExpression, L"3 Minus 5 PlusMinus", L"0", L"3--5"},
        {CalcModeExpression, L"3 Minus 5 PlusMinus PlusMinus Equals", L"-2", L"3---5"},
        {CalcModeExpression, L"3 Plus 5 PlusMinus PlusMinus", L"0", L"3+5"},
        {CalcModeExpression, L"5 PlusMinus", L"0", L"-5"}, {CalcModeExpression, L"2 XSquared Equals", L"4", nullptr},
        {CalcModeExpression, L"4 OneOverX Equals", L"0.25", L"4-¹"},
        {CalcModeExpression, L"2 Plus 3 Equals Times 4 Equals", L"20", L"5×4"},
        {CalcModeExpression, L"2 Plus 3 Equals 7", L"5", L"7"},
        {CalcModeExpression, L"Sin 30 Equals", L"0.5", L"sin(30)"},
        {CalcModeExpression, L"2 Plus Decimal 5", L"0", L"2+0.5"}, {CalcModeExpression, L"0 7", L"0", L"7"},
        {CalcModeExpression, L"OpenBracket Minus 2 CloseBracket", L"0", L"(-2)"},
        {CalcModeExpression, L"12 DecToDeg 30 Equals", L"12.5", L"12°30"},
        {CalcModeExpression, L"12 DecToDeg 3015", L"0", L"12°30′15"},
        {CalcModeExpression, L"2 Plus Pi Equals", L"5.14159265358979", L"2+(pi)"},
        {CalcModeExpression, L"2 Plus 3 BackSpace 4 Equals", L"6", nullptr},
        {CalcModeRpn, L"2 Enter 3 Plus", L"5", L""}, {CalcModeRpn, L"2 Enter 3 XToTheY", L"9", nullptr},
        {CalcModeRpn, L"5 Enter 6 Times 7 Plus", L"37", nullptr}, {CalcModeRpn, L"10 Enter 4 Divide", L"2.5", nullptr},
        {CalcModeRpn, L"2 Enter Enter Times", L"4", nullptr}, {CalcModeRpn, L"4 SquareRoot", L"2", nullptr},
        {CalcModeRpn, L"1 Enter 2 XYSwitch Minus", L"1", nullptr}, {CalcModeRpn, L"3 CHS", L"-3", nullptr},
        {CalcModeRpn, L"50 Percentage", L"0.5", nullptr}, {CalcModeRpn, L"7 CLX", L"0", nullptr},
    };

    for (const auto& c : cases) {
        Press(L"Reset");
        engine_.SetMode(c.mode);
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << NarrowUtf8(c.keys);
        if (c.indicator) {
            EXPECT_EQ(engine_.GetIndicatorText(), c.indicator) << NarrowUtf8(c.keys);
        }
    }
}

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
