#include "engine/calc_engine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "engine/key_ids.h"
#include "engine/text_limits.h"
#include "platform/memory_registry.h"
#include "tests/engine/calculator_fixture.h"

namespace tallyx {
namespace {

using CalcEngineTest = CalculatorFixture;

TEST_F(CalcEngineTest, StartsInNormalModeWithNothingPending)
{
    EXPECT_EQ(engine_.GetMode(), CalcModeNormal);
    EXPECT_EQ(engine_.GetShiftState(), ShiftStateNone);
    EXPECT_EQ(engine_.UnusableCount(), 0);
    EXPECT_EQ(Display(), L"0");
    EXPECT_FALSE(engine_.IsMemoryUsed(0));
}

TEST_F(CalcEngineTest, FourthRefusalInARowShowsTheMessage)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"Equals Equals Equals");
    EXPECT_TRUE(notifier_.messages.empty());
    EXPECT_EQ(engine_.UnusableCount(), 3);

    Press(L"Equals");
    ASSERT_EQ(notifier_.messages.size(), 1u);
    EXPECT_EQ(notifier_.messages[0].text, L"This button is not usable based on the current state of Tallyx.");
    EXPECT_EQ(notifier_.messages[0].caption, L"Tallyx Error");
    EXPECT_EQ(notifier_.messages[0].icon, NotifierIcon::Information);
    EXPECT_EQ(notifier_.messages[0].buttons, NotifierButtons::Ok);
    EXPECT_EQ(engine_.UnusableCount(), 0);
}

TEST_F(CalcEngineTest, AcceptedPressResetsTheRefusalCount)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"Equals Equals Equals 1 Equals Equals Equals Equals");
    EXPECT_TRUE(notifier_.messages.empty());
    EXPECT_FALSE(engine_.PressButton(ButtonTypeStack, StackKeySwap));
    EXPECT_EQ(notifier_.messages.size(), 1u);
}

struct ShiftCase {
    std::vector<int> shiftKeys;
    ShiftState expected;
};

void PrintTo(const ShiftCase& shift, std::ostream* out)
{
    for (const int id : shift.shiftKeys) {
        *out << id << ' ';
    }
}

class ShiftStateTest : public CalculatorFixture, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ShiftStateTest, ShiftKeysStepTheState)
{
    for (const int id : GetParam().shiftKeys) {
        EXPECT_TRUE(engine_.PressButton(ButtonTypeShift, id));
    }
    EXPECT_EQ(engine_.GetShiftState(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShiftStateTest,
    ::testing::Values(ShiftCase{{ShiftKeySecond}, ShiftStateSecond}, ShiftCase{{ShiftKeySecond, ShiftKeySecond}, ShiftStateNone},
                      ShiftCase{{ShiftKeyHyp}, ShiftStateHyp}, ShiftCase{{ShiftKeyHyp, ShiftKeyHyp}, ShiftStateNone},
                      ShiftCase{{ShiftKeySecond, ShiftKeyHyp}, ShiftStateHypSecond},
                      ShiftCase{{ShiftKeyHyp, ShiftKeySecond}, ShiftStateHypSecond},
                      ShiftCase{{ShiftKeyHyp, ShiftKeySecond, ShiftKeySecond}, ShiftStateHyp},
                      ShiftCase{{ShiftKeyHyp, ShiftKeySecond, ShiftKeyHyp}, ShiftStateSecond},
                      ShiftCase{{ShiftKeyStore}, ShiftStateStorePending},
                      ShiftCase{{ShiftKeyStore, ShiftKeyStore}, ShiftStateNone},
                      ShiftCase{{ShiftKeyStore, ShiftKeyRecall}, ShiftStateRecallPending},
                      ShiftCase{{ShiftKeyRecall, ShiftKeySecond}, ShiftStateSecond},
                      ShiftCase{{ShiftKeyStore, ShiftKeyHyp}, ShiftStateHyp},
                      ShiftCase{{ShiftKeySecond, 8}, ShiftStateNone}));

TEST_F(CalcEngineTest, OtherKeysEndTheShiftButBackSpaceKeepsIt)
{
    Press(L"2ndFunction 5 BackSpace");
    EXPECT_EQ(engine_.GetShiftState(), ShiftStateNone);
    Press(L"2ndFunction BackSpace");
    EXPECT_EQ(engine_.GetShiftState(), ShiftStateSecond);
    Press(L"Plus");
    EXPECT_EQ(engine_.GetShiftState(), ShiftStateNone);
}

TEST_F(CalcEngineTest, StoreAndRecallThroughTheDigitKeys)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"42");
    engine_.PressButton(ButtonTypeShift, ShiftKeyStore);
    Press(L"5");
    EXPECT_EQ(engine_.Memories().Text(5), L"42");
    EXPECT_EQ(engine_.GetShiftState(), ShiftStateNone);
    EXPECT_TRUE(engine_.IsMemoryUsed(5));

    Press(L"7 Plus");
    engine_.PressButton(ButtonTypeShift, ShiftKeyRecall);
    EXPECT_FALSE(engine_.PressButton(ButtonTypeEntry, EntryKeyDecimal));
    Press(L"5 Equals");
    EXPECT_EQ(Display(), L"49");
}

TEST_F(CalcEngineTest, StoredValueStartsANewNumber)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"12 MemoryStore 3");
    EXPECT_EQ(Display(), L"3");
    EXPECT_EQ(engine_.Memories().Text(0), L"12");
}

struct MemoryCase {
    const wchar_t* keys;
    const wchar_t* slot0;    // as stored: decimal
    const wchar_t* display;  // after the keys, in the base shown
};

void PrintTo(const MemoryCase& memory, std::ostream* out)
{
    *out << NarrowUtf8(memory.keys);
}

class MemoryKeyTest : public CalculatorFixture, public ::testing::WithParamInterface<MemoryCase> {};

TEST_P(MemoryKeyTest, MemoriesHoldDecimalInEveryBase)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(GetParam().keys);
    EXPECT_EQ(engine_.Memories().Text(0), GetParam().slot0) << NarrowUtf8(GetParam().keys);
    EXPECT_EQ(Display(), GetParam().display) << NarrowUtf8(GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MemoryKeyTest,
    ::testing::Values(MemoryCase{L"5 MemoryStore", L"5", L"5"},
                      MemoryCase{L"5 MemoryStore 3 MemoryPlus", L"8", L"3"},
                      MemoryCase{L"5 MemoryStore 3 MemoryMinus", L"2", L"3"},
                      MemoryCase{L"5 MemoryPlus MemoryPlus MemoryRecall", L"10", L"10"},
                      MemoryCase{L"5 MemoryStore MemoryClear", L"", L"5"},
                      MemoryCase{L"MemoryRecall", L"", L"0"},
                      MemoryCase{L"HEX F F MemoryStore", L"255", L"FF"},
                      MemoryCase{L"HEX F F MemoryStore BIN MemoryRecall", L"255", L"11111111"},
                      MemoryCase{L"HEX F F MemoryStore 1 MemoryPlus", L"256", L"1"},
                      MemoryCase{L"HEX F F MemoryStore 1 MemoryMinus", L"254", L"1"},
                      MemoryCase{L"OCT 17 MemoryStore DEC MemoryRecall", L"15", L"15"},
                      MemoryCase{L"255 MemoryStore HEX MemoryRecall", L"255", L"FF"},
                      MemoryCase{L"2.5 MemoryStore 2ndFunction Memory1", L"0", L"2.5"},
                      MemoryCase{L"45 BCD MemoryStore", L"45", L"0100 0101"},
                      MemoryCase{L"45 BCD MemoryStore MemoryPlus Plus 1 Equals", L"90", L"0100 0110"},
                      MemoryCase{L"45 MemoryStore BCD 1 MemoryPlus MemoryRecall", L"46", L"0100 0110"},
                      MemoryCase{L"2.5 Memory1 Memory1", L"5", L"2.5"}));

TEST_F(CalcEngineTest, RestoredMemoriesAreHeldToTheSlotLength)
{
    engine_.Memories().SetText(3, std::wstring(200, L'7'));
    EXPECT_EQ(engine_.Memories().Text(3), L"7.77777777777778e+199");
    engine_.Memories().SetText(2, std::wstring(200, L'x'));
    EXPECT_LE(engine_.Memories().Text(2).size(), kRegisterLength);
    engine_.Memories().SetText(4, L"0");
    EXPECT_FALSE(engine_.IsMemoryUsed(4));
    EXPECT_FALSE(engine_.IsMemoryUsed(10));
}

TEST_F(CalcEngineTest, MemoriesSurviveARestartAsDecimal)
{
    MemoryRegistry registry;
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"HEX F F MemoryStore");
    engine_.PressButton(ButtonTypeShift, ShiftKeyStore);
    Press(L"7");
    EXPECT_EQ(engine_.Memories().Save(registry), StatusOk);

    ExpressionEvaluator evaluator;
    CalcEngine restarted(evaluator, formatter_);
    registry.WriteString(kTallyxKey, L"Memory9", std::wstring(300, L'1'));
    restarted.Memories().Load(registry);
    EXPECT_EQ(restarted.Memories().Text(0), L"255");
    EXPECT_EQ(restarted.Memories().Text(7), L"255");
    EXPECT_EQ(restarted.Memories().Text(1), L"");
    EXPECT_LE(restarted.Memories().Text(9).size(), kRegisterLength);
    EXPECT_EQ(restarted.GetRawDisplayText(), L"0");
    restarted.SetMode(CalcModeAlgebraic);
    restarted.PressButton(ButtonTypeMemory, MemoryKeyFirstRecall);
    EXPECT_EQ(restarted.GetRawDisplayText(), L"255");
}

TEST_F(CalcEngineTest, MemoryViewListsTheSlotsInTheCurrentBase)
{
    engine_.ShowMemories(false);
    engine_.Memories().SetText(0, L"0");
    engine_.ShowMemories(false);
    EXPECT_TRUE(notifier_.messages.empty());

    engine_.Memories().SetText(0, L"255");
    engine_.Memories().SetText(2, L"-1.5");
    engine_.ShowMemories(false);
    ASSERT_EQ(notifier_.messages.size(), 1u);
    EXPECT_EQ(notifier_.messages[0].text, L"Memory: 255");
    EXPECT_EQ(notifier_.messages[0].caption, L"Tallyx Memory");

    engine_.SetMode(CalcModeAlgebraic);
    Press(L"HEX");
    engine_.ShowMemories(true);
    ASSERT_EQ(notifier_.messages.size(), 2u);
    EXPECT_TRUE(notifier_.messages[1].text.starts_with(L"Memory0: FF\r\nMemory1: 0\r\n"));
    EXPECT_TRUE(notifier_.messages[1].text.ends_with(L"Memory9: 0\r\n"));
}

struct BaseCase {
    const wchar_t* keys;
    const wchar_t* display;
};

void PrintTo(const BaseCase& base, std::ostream* out)
{
    *out << NarrowUtf8(base.keys);
}

class BaseKeyTest : public CalculatorFixture, public ::testing::WithParamInterface<BaseCase> {};

TEST_P(BaseKeyTest, BaseKeysConvertTheDisplay)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(GetParam().keys);
    EXPECT_EQ(Display(), GetParam().display) << NarrowUtf8(GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BaseKeyTest,
    ::testing::Values(BaseCase{L"255 HEX", L"FF"}, BaseCase{L"255 HEX BIN", L"11111111"},
                      BaseCase{L"255 HEX BIN DEC", L"255"}, BaseCase{L"HEX F F AND F 0 Equals", L"F0"},
                      BaseCase{L"HEX 0 Minus 1 Equals", L"FFFFFFFF"}, BaseCase{L"HEX 7 Divide 2 Equals", L"3"},
                      BaseCase{L"45 BCD", L"0100 0101"}, BaseCase{L"45 BCD DEC", L"45"},
                      BaseCase{L"1000000 BCD", L"1000000"}, BaseCase{L"2 Plus 3 HEX", L"3"},
                      BaseCase{L"HEX A Plus 1 Equals", L"B"}));

TEST_F(CalcEngineTest, SameBaseKeyClearsNothing)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"HEX 2 Plus 3");
    EXPECT_TRUE(Press(L"HEX").back());
    Press(L"Equals");
    EXPECT_EQ(Display(), L"5");
    EXPECT_FALSE(engine_.IsBcdMode());
}

TEST_F(CalcEngineTest, IndicatorTapsStepTheWordSizeAndTheBase)
{
    engine_.SetMode(CalcModeAlgebraic);
    EXPECT_FALSE(engine_.TapWordSizeIndicator());
    EXPECT_FALSE(engine_.TapBaseIndicator(false));
    EXPECT_TRUE(engine_.TapBaseIndicator(true));
    EXPECT_EQ(engine_.GetBase(), 16);

    std::vector<int> sizes;
    for (int tap = 0; tap < 5; ++tap) {
        engine_.TapWordSizeIndicator();
        sizes.push_back(engine_.GetWordSize());
    }
    EXPECT_EQ(sizes, (std::vector<int>{48, 8, 16, 32, 48}));
    engine_.SetWordSize(64);
    engine_.TapWordSizeIndicator();
    EXPECT_EQ(engine_.GetWordSize(), 8);

    std::vector<int> bases;
    for (int tap = 0; tap < 3; ++tap) {
        engine_.TapBaseIndicator(true);
        bases.push_back(engine_.GetBase());
    }
    EXPECT_EQ(bases, (std::vector<int>{2, 8, 10}));
}

TEST_F(CalcEngineTest, ByteWordWrapsNegativeResults)
{
    engine_.SetMode(CalcModeAlgebraic);
    engine_.SetWordSize(8);
    Press(L"HEX 0 Minus 1 Equals");
    EXPECT_EQ(Display(), L"FF");
    Press(L"BIN 101 NAND 11 Equals");
    EXPECT_EQ(Display(), L"11111110");
}

TEST_F(CalcEngineTest, BcdOutOfRangeFallsBackToDecimal)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"1000000 BCD");
    EXPECT_FALSE(engine_.IsBcdMode());
    EXPECT_EQ(engine_.GetBase(), 10);
}

TEST_F(CalcEngineTest, ResetRestoresTheStartingSettings)
{
    engine_.SetMode(CalcModeNormal);
    formatter_.SetNotation(NotationScientific);
    engine_.SetWordSize(8);
    Press(L"5 MemoryStore HEX 2 Plus 3");
    engine_.PressButton(ButtonTypeShift, ShiftKeySecond);
    EXPECT_TRUE(Press(L"Reset").back());

    EXPECT_EQ(engine_.GetMode(), CalcModeAlgebraic);
    EXPECT_EQ(engine_.GetBase(), 10);
    EXPECT_EQ(engine_.GetWordSize(), 32);
    EXPECT_EQ(formatter_.GetNotation(), NotationNormal);
    EXPECT_EQ(engine_.GetShiftState(), ShiftStateNone);
    EXPECT_FALSE(engine_.IsMemoryUsed(0));
    engine_.SetMode(CalcModeNormal);
    EXPECT_EQ(Display(), L"0");
}

TEST_F(CalcEngineTest, CopyAndPasteGoThroughTheClipboard)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"12.5 Copy");
    EXPECT_EQ(clipboard_.GetText(), L"12.5");

    clipboard_.SetText(L"  3.25\n");
    Press(L"Paste Times 2 Equals");
    EXPECT_EQ(Display(), L"6.5");

    clipboard_.SetText(L"");
    Press(L"Paste");
    EXPECT_EQ(Display(), L"0");
}

TEST_F(CalcEngineTest, PasteTakesAtMostThirtyTwoCharacters)
{
    engine_.SetMode(CalcModeAlgebraic);
    clipboard_.SetText(std::wstring(100, L'9'));
    Press(L"Paste");
    EXPECT_EQ(Display(), std::wstring(kPasteLength, L'9'));
}

TEST_F(CalcEngineTest, ExpressionCopyOnlyInExpressionMode)
{
    engine_.SetMode(CalcModeAlgebraic);
    EXPECT_FALSE(engine_.PressButton(ButtonTypeClipboard, ClipboardKeyCopyExpression));
    engine_.SetMode(CalcModeExpression);
    Press(L"2 Plus 3");
    EXPECT_TRUE(engine_.PressButton(ButtonTypeClipboard, ClipboardKeyCopyExpression));
    EXPECT_EQ(clipboard_.GetText(), L"2+3");
}

TEST_F(CalcEngineTest, EachModeKeepsItsOwnState)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"2 Plus 3");
    engine_.SetMode(CalcModeRpn);
    Press(L"7");
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"Equals");
    EXPECT_EQ(Display(), L"5");
    engine_.SetMode(CalcModeRpn);
    EXPECT_EQ(Display(), L"7");
    EXPECT_FALSE(engine_.SetMode(5));
}

TEST_F(CalcEngineTest, DegreeKeyAfterEqualsShowsTheResultInDegrees)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"12.5 Plus 0 Equals DecToDeg");
    EXPECT_EQ(Display(), L"12.5");
    EXPECT_EQ(engine_.GetDisplayText(false).main, L"12°30′00");
    Press(L"DegToDec");
    EXPECT_EQ(engine_.GetDisplayText(false).main, L"12.5");
}

TEST_F(CalcEngineTest, LastXRecallsTheRegisterOnlyInRpn)
{
    engine_.SetMode(CalcModeAlgebraic);
    EXPECT_FALSE(engine_.PressButton(ButtonTypeRecall, RecallKeyLastX));
    engine_.SetMode(CalcModeRpn);
    Press(L"2 Enter 3 Plus");
    EXPECT_TRUE(engine_.PressButton(ButtonTypeRecall, RecallKeyLastX));
    EXPECT_EQ(Display(), L"2");
    EXPECT_EQ(engine_.Rpn().GetStackRegister(0), L"5");
}

TEST_F(CalcEngineTest, TypingStopsAfterSixtyFourCharacters)
{
    engine_.SetMode(CalcModeAlgebraic);
    const std::vector<bool> accepted = Press(std::wstring(80, L'7'));
    EXPECT_EQ(Display().size(), kTypingLimit + 1);
    EXPECT_FALSE(accepted.back());
}

TEST_F(CalcEngineTest, LongCalculationsNeverOutgrowALevel)
{
    engine_.SetMode(CalcModeAlgebraic);
    std::wstring keys;
    for (int term = 0; term < 100; ++term) {
        keys += L"123456789 Plus ";
    }
    const std::vector<bool> accepted = Press(keys);
    EXPECT_FALSE(accepted.back());
    Press(L"1 Equals");
    EXPECT_NE(Display(), L"syntax error");
    EXPECT_LE(engine_.CurrentEngine().GetIndicatorText().size(), kLevelLength);
}

TEST_F(CalcEngineTest, BracketsStopAtTheNineteenthLevel)
{
    engine_.SetMode(CalcModeAlgebraic);
    std::wstring keys;
    for (int level = 0; level < 25; ++level) {
        keys += L"OpenBracket ";
    }
    const std::vector<bool> accepted = Press(keys + L"2");
    EXPECT_EQ(std::count(accepted.begin(), accepted.end(), true), 20);
    Press(L"Plus 3 Equals");
    EXPECT_EQ(Display(), L"5");
}

TEST_F(CalcEngineTest, ExpressionKeepsRoomToCloseItsBrackets)
{
    engine_.SetMode(CalcModeExpression);
    std::wstring keys;
    for (int level = 0; level < 400; ++level) {
        keys += L"OpenBracket ";
    }
    Press(keys + L"7 Equals");
    EXPECT_LE(engine_.GetIndicatorText().size(), kLevelLength);
    EXPECT_EQ(Display(), L"7");
}

TEST_F(CalcEngineTest, LoadTextsEntersTheValueAndTheExpression)
{
    engine_.SetMode(CalcModeExpression);
    engine_.LoadTexts(L"", L"sin(X)");
    EXPECT_EQ(engine_.GetIndicatorText(), L"sin(X)");

    engine_.SetMode(CalcModeAlgebraic);
    engine_.LoadTexts(L"2.5", std::wstring(1000, L'x'));
    EXPECT_EQ(Display(), L"2.5");
    EXPECT_EQ(engine_.GetIndicatorText().size(), kLevelLength);
}

TEST_F(CalcEngineTest, HistoryBelongsToExpressionMode)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"2 Plus 3 Equals");
    EXPECT_FALSE(engine_.CanHistoryUp());
    EXPECT_FALSE(engine_.HistoryUp());

    engine_.SetMode(CalcModeExpression);
    Press(L"2 Plus 3 Equals 4 Times 5 Equals");
    EXPECT_TRUE(engine_.CanHistoryUp());
    EXPECT_TRUE(engine_.HistoryUp());
    EXPECT_EQ(engine_.GetIndicatorText(), L"2+3");
    EXPECT_EQ(Display(), L"5");
    EXPECT_TRUE(engine_.HistoryDown());
    EXPECT_EQ(engine_.GetIndicatorText(), L"4×5");
    EXPECT_TRUE(engine_.HistoryDown());
    EXPECT_EQ(engine_.GetIndicatorText(), L"");
    EXPECT_FALSE(engine_.CanHistoryDown());
}

TEST_F(CalcEngineTest, ClearTwiceEmptiesTheHistory)
{
    engine_.SetMode(CalcModeExpression);
    Press(L"2 Plus 3 Equals Clear");
    EXPECT_TRUE(engine_.CanHistoryUp());
    Press(L"Clear");
    EXPECT_FALSE(engine_.CanHistoryUp());
    EXPECT_FALSE(engine_.CanHistoryDown());
}

TEST_F(CalcEngineTest, HistoryKeepsTheLastTwentyPairs)
{
    engine_.SetMode(CalcModeExpression);
    for (int digit = 1; digit <= 21; ++digit) {
        Press(std::to_wstring(digit) + L" Equals");
    }
    int steps = 0;
    while (engine_.HistoryUp()) {
        ++steps;
    }
    EXPECT_EQ(steps, 19);
    EXPECT_EQ(engine_.GetIndicatorText(), L"2");
}

TEST_F(CalcEngineTest, TapeRecordsEveryEvaluationOfTheKeys)
{
    const auto root = std::filesystem::temp_directory_path() / "tallyx-calc-engine-tape";
    std::filesystem::remove_all(root);
    FixedPaths paths(root);
    FixedClock clock(DateTime{2026, 12, 5, 6, 9, 5, 0, 0});
    PlatformServices services = Platform();
    services.paths = &paths;
    services.clock = &clock;
    ScopedPlatform platform(services);

    engine_.SetMode(CalcModeAlgebraic);
    engine_.SetTapeRecording(true);
    EXPECT_TRUE(engine_.IsTapeOn());
    Press(L"2 Plus 3 Equals");
    const std::filesystem::path path = engine_.SaveTape();

    EXPECT_EQ(path.filename(), "Tallyx_12-5-2026-95.txt");
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text, "12-5-2026\r\n9:5\r\n\r\n2+3\r\n=\r\n5\r\n------------------\r\n\r\n");
    engine_.SetTapeRecording(false);
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace tallyx
