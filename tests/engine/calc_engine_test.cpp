#include "engine/calc_engine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/key_ids.h"
#include "engine/text_limits.h"
#include "platform/memory_registry.h"
#include "tests/engine/calculator_fixture.h"

namespace tallyx {
namespace {

using CalcEngineTest = CalculatorFixture;

TEST_F(CalcEngineTest, FourthRefusalInARowShowsTheMessage)
{
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"Equals Equals Equals 1 Equals Equals Equals Equals");
    EXPECT_TRUE(notifier_.messages.empty());
    EXPECT_EQ(engine_.UnusableCount(), 3);

    EXPECT_FALSE(engine_.PressButton(ButtonTypeStack, StackKeySwap));
    ASSERT_EQ(notifier_.messages.size(), 1u);
    EXPECT_EQ(notifier_.messages[0].text, L"This button is not usable based on the current state of Tallyx.");
    EXPECT_EQ(notifier_.messages[0].caption, L"Tallyx Error");
    EXPECT_EQ(notifier_.messages[0].icon, NotifierIcon::Information);
    EXPECT_EQ(notifier_.messages[0].buttons, NotifierButtons::Ok);
    EXPECT_EQ(engine_.UnusableCount(), 0);
}

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

    Press(L"7 Plus");
    engine_.PressButton(ButtonTypeShift, ShiftKeyRecall);
    EXPECT_FALSE(engine_.PressButton(ButtonTypeEntry, EntryKeyDecimal));
    Press(L"5 Equals");
    EXPECT_EQ(Display(), L"49");
}

TEST_F(CalcEngineTest, MemoriesHoldDecimalInEveryBase)
{
    const struct {
        const wchar_t* keys;
        const wchar_t* slot0;    // as stored: decimal
        const wchar_t* display;  // after the keys, in the base shown
    } cases[] = {
        {L"12 MemoryStore 3", L"12", L"3"}, {L"5 MemoryStore 3 MemoryMinus", L"2", L"3"},
        {L"5 MemoryPlus MemoryPlus MemoryRecall", L"10", L"10"}, {L"5 MemoryStore MemoryClear", L"", L"5"},
        {L"HEX F F MemoryStore BIN MemoryRecall", L"255", L"11111111"},
        {L"HEX F F MemoryStore 1 MemoryPlus", L"256", L"1"}, {L"255 MemoryStore HEX MemoryRecall", L"255", L"FF"},
        {L"2.5 MemoryStore 2ndFunction Memory1", L"0", L"2.5"}, {L"45 BCD MemoryStore", L"45", L"0100 0101"},
        {L"45 BCD MemoryStore MemoryPlus Plus 1 Equals", L"90", L"0100 0110"},
        {L"45 MemoryStore BCD 1 MemoryPlus MemoryRecall", L"46", L"0100 0110"},
        {L"2.5 Memory1 Memory1", L"5", L"2.5"},
    };
    for (const auto& c : cases) {
        Press(L"Reset");
        engine_.SetMode(CalcModeAlgebraic);
        Press(c.keys);
        EXPECT_EQ(engine_.Memories().Text(0), c.slot0) << NarrowUtf8(c.keys);
        EXPECT_EQ(Display(), c.display) << NarrowUtf8(c.keys);
    }
}

TEST_F(CalcEngineTest, MemoriesSurviveARestartAsDecimalWithinTheSlotLength)
{
    MemoryRegistry registry;
    engine_.SetMode(CalcModeAlgebraic);
    Press(L"HEX F F MemoryStore");
    engine_.PressButton(ButtonTypeShift, ShiftKeyStore);
    Press(L"7");
    EXPECT_EQ(engine_.Memories().Save(registry), StatusOk);

    ExpressionEvaluator evaluator;
    CalcEngine restarted(evaluator, formatter_);
    registry.WriteString(kTallyxKey, L"Memory9", std::wstring(200, L'7'));
    registry.WriteString(kTallyxKey, L"Memory8", std::wstring(200, L'x'));
    restarted.Memories().Load(registry);
    EXPECT_EQ(restarted.Memories().Text(0), L"255");
    EXPECT_EQ(restarted.Memories().Text(7), L"255");
    EXPECT_EQ(restarted.Memories().Text(1), L"");
    EXPECT_EQ(restarted.Memories().Text(9), L"7.77777777777778e+199");
    EXPECT_LE(restarted.Memories().Text(8).size(), kRegisterLength);
    restarted.SetMode(CalcModeAlgebraic);
    restarted.PressButton(ButtonTypeMemory, MemoryKeyFirstRecall);
    EXPECT_EQ(restarted.GetRawDisplayText(), L"255");
}

TEST_F(CalcEngineTest, BaseKeysConvertTheDisplay)
{
    const struct {
        const wchar_t* keys;
        const wchar_t* display;
        bool bcd;
    } cases[] = {
        {L"255 HEX BIN DEC", L"255", false},   {L"45 BCD", L"0100 0101", true},
        {L"45 BCD DEC", L"45", false},         {L"1000000 BCD", L"1000000", false},
        {L"2 Plus 3 HEX", L"3", false},        {L"HEX A Plus 1 Equals", L"B", false},
        {L"HEX 2 Plus 3 HEX Equals", L"5", false},
    };
    for (const auto& c : cases) {
        Press(L"Reset");
        Press(c.keys);
        EXPECT_EQ(Display(), c.display) << NarrowUtf8(c.keys);
        EXPECT_EQ(engine_.IsBcdMode(), c.bcd) << NarrowUtf8(c.keys);
    }
    engine_.SetWordSize(8);
    Press(L"HEX 0 Minus 1 Equals");
    EXPECT_EQ(Display(), L"FF");
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
    EXPECT_FALSE(engine_.PressButton(ButtonTypeClipboard, ClipboardKeyCopyExpression));

    clipboard_.SetText(L"  3.25\n");
    Press(L"Paste Times 2 Equals");
    EXPECT_EQ(Display(), L"6.5");
    clipboard_.SetText(std::wstring(100, L'9'));
    Press(L"Paste");
    EXPECT_EQ(Display(), std::wstring(kPasteLength, L'9'));

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

TEST_F(CalcEngineTest, DegreeKeyAfterAResultShowsItInDegrees)
{
    engine_.SetMode(CalcModeRpn);
    Press(L"12 Enter 0.5 Plus DecToDeg");
    EXPECT_EQ(Display(), L"12.5");
    EXPECT_EQ(engine_.GetDisplayText(false).main, L"12°30′00");

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

std::wstring Repeated(const std::wstring& keys, int times)
{
    std::wstring all;
    for (int time = 0; time < times; ++time) {
        all += keys + L" ";
    }
    return all;
}

TEST_F(CalcEngineTest, TypingAndCalculationsStopAtTheirLimits)
{
    engine_.SetMode(CalcModeAlgebraic);
    EXPECT_FALSE(Press(std::wstring(80, L'7')).back());
    EXPECT_EQ(Display().size(), kTypingLimit + 1);

    Press(L"Clear");
    EXPECT_FALSE(Press(Repeated(L"123456789 Plus", 100)).back());
    Press(L"1 Equals");
    EXPECT_NE(Display(), L"syntax error");
    EXPECT_LE(engine_.CurrentEngine().GetIndicatorText().size(), kLevelLength);
}

TEST_F(CalcEngineTest, BracketsStopAtTheNineteenthLevel)
{
    engine_.SetMode(CalcModeAlgebraic);
    const std::vector<bool> accepted = Press(Repeated(L"OpenBracket", 25) + L"2");
    EXPECT_EQ(std::count(accepted.begin(), accepted.end(), true), 20);
    Press(L"Plus 3 Equals");
    EXPECT_EQ(Display(), L"5");
}

TEST_F(CalcEngineTest, ExpressionKeepsRoomToCloseItsBrackets)
{
    engine_.SetMode(CalcModeExpression);
    Press(Repeated(L"OpenBracket", 400) + L"7 Equals");
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
    EXPECT_FALSE(engine_.HistoryUp());

    engine_.SetMode(CalcModeExpression);
    Press(L"2 Plus 3 Equals 4 Times 5 Equals");
    EXPECT_TRUE(engine_.HistoryUp());
    EXPECT_EQ(engine_.GetIndicatorText(), L"2+3");
    EXPECT_EQ(Display(), L"5");
    EXPECT_TRUE(engine_.HistoryDown());
    EXPECT_EQ(engine_.GetIndicatorText(), L"4×5");
    EXPECT_TRUE(engine_.HistoryDown());
    EXPECT_EQ(engine_.GetIndicatorText(), L"");
    EXPECT_FALSE(engine_.CanHistoryDown());

    // Clear keeps the last expression for Up; a second Clear empties the history.
    Press(L"Clear");
    EXPECT_TRUE(engine_.CanHistoryUp());
    Press(L"Clear");
    EXPECT_FALSE(engine_.CanHistoryUp());
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
    const auto root = std::filesystem::path(testing::TempDir()) / "tallyx-calc-engine-tape";
    FixedPaths paths(root);
    PlatformServices services = Platform();
    services.paths = &paths;
    ScopedPlatform platform(services);

    engine_.SetMode(CalcModeAlgebraic);
    engine_.SetTapeRecording(true);
    Press(L"2 Plus 3 Equals");
    std::ifstream file(std::filesystem::path(engine_.SaveTape()), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("\r\n\r\n2+3\r\n=\r\n5\r\n"), std::string::npos);
    engine_.SetTapeRecording(false);
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace tallyx
