#include "engine/indicator_taps.h"

#include <vector>

#include "engine/key_ids.h"
#include "tests/engine/calculator_fixture.h"

namespace tallyx {
namespace {

using IndicatorTapsTest = CalculatorFixture;

TEST_F(IndicatorTapsTest, NotationStepsInBaseTenAndTheWordSizeElsewhere)
{
    engine_.SetMode(CalcModeAlgebraic);
    std::vector<int> notations;
    for (int tap = 0; tap < 6; ++tap) {
        EXPECT_TRUE(TapNotationIndicator(engine_, formatter_));
        notations.push_back(formatter_.GetNotation());
    }
    EXPECT_EQ(notations, (std::vector<int>{NotationFixed, NotationScientific, NotationEngineering, NotationFractions,
                                           NotationNormal, NotationFixed}));
    // Notations only the options offer step back to Normal.
    formatter_.SetNotation(NotationDms);
    TapNotationIndicator(engine_, formatter_);
    EXPECT_EQ(formatter_.GetNotation(), NotationNormal);

    Press(L"HEX");
    engine_.SetWordSize(64);
    std::vector<int> sizes;
    for (int tap = 0; tap < 5; ++tap) {
        TapNotationIndicator(engine_, formatter_);
        sizes.push_back(engine_.GetWordSize());
    }
    EXPECT_EQ(sizes, (std::vector<int>{8, 16, 32, 48, 8}));
    EXPECT_EQ(formatter_.GetNotation(), NotationNormal);
}

TEST_F(IndicatorTapsTest, AngleConvertsTheValueOnlyInBaseTen)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"180");
    EXPECT_TRUE(TapAngleIndicator(engine_));
    EXPECT_EQ(Display().substr(0, 7), L"3.14159");
    Press(L"AC HEX 1");
    EXPECT_FALSE(TapAngleIndicator(engine_));
    EXPECT_EQ(Display(), L"1");
}

TEST_F(IndicatorTapsTest, BaseStepsOutsideBaseTenAndFromDecimalOnlyOnTheBaseKeypad)
{
    engine_.SetMode(CalcModeAlgebraic);
    EXPECT_FALSE(TapBaseIndicator(engine_, false));
    EXPECT_EQ(engine_.GetBase(), 10);
    std::vector<int> bases;
    for (int tap = 0; tap < 5; ++tap) {
        TapBaseIndicator(engine_, true);
        bases.push_back(engine_.GetBase());
    }
    EXPECT_EQ(bases, (std::vector<int>{16, 2, 8, 10, 16}));
}

TEST_F(IndicatorTapsTest, MemoryViewListsTheSlotsInTheCurrentBase)
{
    const struct {
        const wchar_t* keys;
        bool advanced;
        const wchar_t* shown;  // none: no message
    } cases[] = {
        {L"", false, nullptr},
        {L"0 MemoryStore", false, nullptr},
        {L"255 MemoryStore", false, L"Memory: 255"},
        {L"255 MemoryStore HEX", false, L"Memory: FF"},
        {L"255 MemoryStore HEX", true, L"Memory0: FF\r\nMemory1: 0\r\nMemory2: 0\r\nMemory3: 0\r\nMemory4: 0\r\n"
                              L"Memory5: 0\r\nMemory6: 0\r\nMemory7: 0\r\nMemory8: 0\r\nMemory9: 0\r\n"},
    };
    engine_.SetMode(CalcModeAlgebraic);
    for (const auto& c : cases) {
        SCOPED_TRACE(NarrowUtf8(c.keys));
        Press(L"Reset");
        engine_.SetMode(CalcModeAlgebraic);
        notifier_.messages.clear();
        Press(c.keys);
        TapMemoryIndicator(engine_, c.advanced);
        if (!c.shown) {
            EXPECT_TRUE(notifier_.messages.empty());
            continue;
        }
        ASSERT_EQ(notifier_.messages.size(), 1u);
        EXPECT_EQ(notifier_.messages[0].text, c.shown);
        EXPECT_EQ(notifier_.messages[0].caption, L"Tallyx Memory");
        EXPECT_EQ(notifier_.messages[0].buttons, NotifierButtons::Ok);
    }
}

}  // namespace
}  // namespace tallyx
