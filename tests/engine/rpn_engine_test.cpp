#include "engine/rpn_engine.h"

#include <iterator>
#include <string>
#include <vector>

#include "engine/key_ids.h"
#include "tests/engine/calculator_fixture.h"

namespace tallyx {
namespace {

using RpnEngineTest = CalculatorFixture;

TEST_F(RpnEngineTest, KeysMoveTheRegisters)
{
    // Stack size, keys, then X, Y, Z, T and LastX.
    const struct {
        int size;
        const wchar_t* keys;
        const wchar_t* x;
        const wchar_t* y;
        const wchar_t* z;
        const wchar_t* t;
        const wchar_t* lastX;
    } cases[] = {
        {4, L"1 Enter 2 Enter 3 Enter 4", L"4", L"3", L"2", L"1", L"3"},
        {4, L"1 Enter 2 Enter 3 Enter 4 Enter", L"4", L"4", L"3", L"2", L"4"},
        {4, L"1 Enter 2 Enter 3 Enter 4 Plus", L"7", L"2", L"1", L"1", L"3"},
        {4, L"5 Enter 6 Times 7", L"7", L"30", L"0", L"0", L"30"},
        {4, L"1 Enter 2 Enter 3 StackDrop", L"3", L"1", L"0", L"0", L"2"},
        {4, L"1 Enter 2 Enter 3 Enter 4 StackDown", L"3", L"2", L"1", L"4", L"2"},
        {4, L"1 Enter 2 Enter 3 Enter 4 StackUp", L"1", L"4", L"3", L"2", L"4"},
        {4, L"1 Enter 2 OpenBracket", L"1", L"2", L"0", L"0", L"2"},
        {4, L"1 Enter 2 CloseBracket", L"1", L"0", L"0", L"2", L"0"},
        {3, L"1 Enter 2 Enter 3 Enter", L"3", L"3", L"2", L"0", L"3"},
        {5, L"1 Enter 2 Enter 3 Enter 4 Enter 5", L"5", L"4", L"3", L"2", L"4"},
        {4, L"1 Enter 2 Enter 3 Clear", L"0", L"0", L"0", L"0", L"2"},
        {4, L"2 Enter 3 ClearEquation", L"0", L"2", L"0", L"0", L"2"},
    };
    for (const auto& c : cases) {
        Press(L"Reset");
        engine_.SetMode(CalcModeRpn);
        ASSERT_TRUE(engine_.Rpn().SetStackSize(c.size));
        Press(c.keys);
        const RpnEngine& rpn = engine_.Rpn();
        const std::wstring registers[] = {Display(), rpn.GetStackRegister(0), rpn.GetStackRegister(1),
                                          rpn.GetStackRegister(2), rpn.GetLastX()};
        EXPECT_EQ(std::vector<std::wstring>(std::begin(registers), std::end(registers)),
                  (std::vector<std::wstring>{c.x, c.y, c.z, c.t, c.lastX}))
            << NarrowUtf8(c.keys);
    }
}

TEST_F(RpnEngineTest, StackSizeCountsXAndStaysWithinItsRange)
{
    RpnEngine& rpn = engine_.Rpn();
    EXPECT_EQ(rpn.Depth(), 4);
    EXPECT_FALSE(rpn.SetStackSize(2));
    EXPECT_FALSE(rpn.SetStackSize(51));
    EXPECT_TRUE(rpn.SetStackSize(50));
    EXPECT_EQ(rpn.Depth(), 49);
}

TEST_F(RpnEngineTest, EnteredValuesPushTheNumberShown)
{
    engine_.SetMode(CalcModeRpn);
    engine_.Memories().SetText(0, L"9");
    Press(L"4 MemoryRecall Plus");
    EXPECT_EQ(Display(), L"13");
    Press(L"Pi");
    EXPECT_EQ(engine_.Rpn().GetStackRegister(0), L"13");
    EXPECT_EQ(Display(), L"3.14159265358979");
}

TEST_F(RpnEngineTest, LongNumbersReachTheStackInTheirShortestFormOrNotAtAll)
{
    engine_.SetMode(CalcModeRpn);
    Press(std::wstring(40, L'9') + L" Enter");
    EXPECT_EQ(engine_.Rpn().GetStackRegister(0), L"1.e+040");

    Press(L"Reset");
    engine_.SetMode(CalcModeRpn);
    engine_.SetWordSize(64);
    Press(L"BIN " + std::wstring(40, L'1'));
    EXPECT_FALSE(Press(L"Enter").back());
    EXPECT_EQ(Display(), std::wstring(40, L'1'));
    EXPECT_EQ(engine_.Rpn().GetStackRegister(0), L"0");
}

}  // namespace
}  // namespace tallyx
