#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/expression_evaluator.h"
#include "platform/clock.h"
#include "platform/services.h"

namespace tallyx {
namespace {

struct Case {
    const wchar_t* text;
    const wchar_t* result;
};

class ExpressionEvaluatorTest : public ::testing::Test {
protected:
    std::wstring Evaluate(std::wstring_view text)
    {
        std::wstring result;
        evaluator_->Evaluate(text, result);
        return result;
    }

    void ExpectAll(std::initializer_list<Case> cases)
    {
        for (const Case& entry : cases) {
            EXPECT_EQ(Evaluate(entry.text), entry.result)
                << "text: " << testing::PrintToString(std::wstring(entry.text));
        }
    }

    std::unique_ptr<ExpressionEvaluator> evaluator_ = std::make_unique<ExpressionEvaluator>();
};

TEST_F(ExpressionEvaluatorTest, GrammarAcceptsWhatTheKeypadsBuildAndRefusesTheRest)
{
    ExpectAll({
        {L"", L"0"},  {L"5+", L"5"}, {L"()", L"0"}, {L"+5", L"5"}, {L"--5", L"5"}, {L"5.", L"5"}, {L".5", L"0.5"},
        {L"(5", L"syntax error"}, {L"5)", L"syntax error"}, {L"sin30", L"syntax error"},
        {L"1.2.3", L"syntax error"}, {L"2e3e4", L"syntax error"}, {L"2 + 3", L"syntax error"},
        {L"foo(1)", L"syntax error"}, {L"2e+3", L"2000"}, {L"2e-3", L"0.002"}, {L"((((1+2))))*3", L"9"},
        {L"pi", L"3.14159265358979"}, {L"e^(2)", L"7.38905609893065"},
        {L"2\u00D73\u00F74", L"1.5"}, {L"3\u00B2", L"9"}, {L"2\u00B3", L"8"}, {L"4-\u00B9", L"0.25"},
        {L"1\u20AC", L"syntax error"}, {L"2\u2032", L"syntax error"},
    });
    EXPECT_EQ(Evaluate(std::wstring(L"1\0+1", 4)), L"syntax error");
}

TEST_F(ExpressionEvaluatorTest, OperatorsBindByTheirCodes)
{
    ExpectAll({
        {L"2^3^2", L"64"}, {L"-2^2", L"4"}, {L"2+3*4", L"14"}, {L"2^3&5", L"2"}, {L"8-3+2", L"7"},
        {L"8/4*2", L"4"},  {L"-3%2", L"-1"}, {L"2*-3", L"-6"}, {L"2E3^2", L"4000000"}, {L"abs(-2)^2", L"4"},
    });
}

TEST_F(ExpressionEvaluatorTest, BinaryOperators)
{
    ExpectAll({
        {L"1-0.9", L"0.1"},  {L"27r3", L"3"},     {L"5C2", L"10"},    {L"5C0", L"1"},     {L"5P2", L"20"},
        {L"5.9C2.9", L"10"}, {L"2X60", L"1"},     {L"2Y30", L"1"},    {L"3R4", L"5"},     {L"0<1", L"90"},
        {L"1<-1", L"315"},   {L"-1<0", L"180"},   {L"12&10", L"8"},   {L"12|10", L"14"},  {L"12x10", L"6"},
        {L"12n10", L"-15"},  {L"7%3", L"1"},      {L"12o10", L"-7"},  {L"12d10", L"-9"},
        {L"1e300*1e300", L"infinity"}, {L"200C100", L"imaginary"},
    });
}

TEST_F(ExpressionEvaluatorTest, FunctionsInDegrees)
{
    ExpectAll({
        {L"cos(60)", L"0.5"},     {L"cos(90)", L"0"},      {L"sin(180)", L"0"},       {L"tan(45)", L"1"},
        {L"acos(0.5)", L"60"},    {L"atan(1)", L"45"},     {L"acos(2)", L"imaginary"}, {L"cosh(0)", L"1"},
        {L"atanh(0.5)", L"0.549306144334055"},             {L"asnh(0)", L"0"},        {L"acsh(1)", L"0"},
        {L"acsh(0.5)", L"0"},     {L"atnh(2)", L"0"},      {L"ex(1)", L"2.71828182845905"},
        {L"tenx(2)", L"100"},     {L"log(1000)", L"3"},    {L"ln(e)", L"1"},          {L"log2(8)", L"3"},
        {L"crt(-27)", L"-3"},     {L"sqrd(-3)", L"9"},     {L"cbd(2)", L"8"},         {L"inv(4)", L"0.25"},
        {L"pm(5)", L"-5"},        {L"200+pct(10)", L"220"}, {L"!(0)", L"1"},          {L"!(-3)", L"-6"},
        {L"!(0.5)", L"0.886226925452758"}, {L"!(170)", L"7.257415615308e+306"},      {L"!(171)", L"infinity"},
        {L"!(1e300)", L"infinity"}, {L"sum(4)", L"10"},    {L"sum(-3)", L"-6"},       {L"dms(12.5)", L"12.3"},
        {L"dc(12.3045)", L"12.5125"},
    });
}

// Results keep fifteen digits; values no double holds read as error words.
TEST_F(ExpressionEvaluatorTest, ResultTextsAndErrorWordsFollowTheValue)
{
    ExpectAll({
        {L"1/0", L"infinity"},   {L"-1/0", L"infinity"},   {L"ln(0)", L"infinity"}, {L"sqrt(-1)", L"imaginary"},
        {L"0/0", L"imaginary"}, {L"1e400", L"infinity"}, {L"1e-400", L"0"}, {L"0-0", L"0"},
        {L"2/3", L"0.666666666666667"}, {L"123456789012345678", L"1.23456789012346e+017"},
    });
}

TEST_F(ExpressionEvaluatorTest, ReturnedValueIsTheResultOrTheFirstNumberOfABadText)
{
    std::wstring result;
    EXPECT_EQ(evaluator_->Evaluate(L"2+3", result), 5.0);
    EXPECT_EQ(evaluator_->Evaluate(L"7+(1", result), 7.0);
    EXPECT_EQ(result, L"syntax error");
    EXPECT_EQ(evaluator_->Evaluate(L"x", result), 0.0);
    EXPECT_TRUE(std::isinf(evaluator_->Evaluate(L"1/0", result)));
    EXPECT_TRUE(std::isnan(evaluator_->Evaluate(L"sqrt(-4)", result)));
}

// The tape keeps the text as typed, even when the result is written over it.
TEST_F(ExpressionEvaluatorTest, TheResultMayReplaceTheTextItCameFrom)
{
    std::wstring entry = L"12345\u00D72";
    evaluator_->SetTapeRecording(true);
    evaluator_->Evaluate(entry, entry);
    EXPECT_EQ(entry, L"24690");
    EXPECT_NE(evaluator_->Tape().Text().find(L"12345\u00D72\r\n=\r\n24690\r\n"), std::wstring::npos);
    evaluator_->SetTapeRecording(false);
}

TEST_F(ExpressionEvaluatorTest, SubtractionRoundsAwayNoiseButKeepsSmallAndLargeDifferences)
{
    ExpectAll({
        {L"0.3-0.1", L"0.2"}, {L"100.7-100", L"0.7"}, {L"1e-20-0", L"1.e-020"}, {L"2e-20-1e-20", L"1.e-020"},
        {L"1e300-1", L"1.e+300"}, {L"1e308-(-1e308)", L"infinity"}, {L"(1/0)-(1/0)", L"imaginary"},
    });
}

TEST_F(ExpressionEvaluatorTest, AngleUnitsChangeTrigonometry)
{
    ASSERT_TRUE(evaluator_->SetAngleUnit(AngleUnitRad));
    ExpectAll({{L"sin(pi)", L"0"}, {L"cos(pi)", L"-1"}, {L"acos(-1)", L"3.14159265358979"}, {L"1X(pi)", L"-1"}});
    ASSERT_TRUE(evaluator_->SetAngleUnit(AngleUnitGrad));
    ExpectAll({{L"sin(100)", L"1"}, {L"0<1", L"100"}});
    EXPECT_FALSE(evaluator_->SetAngleUnit(4));
    EXPECT_EQ(evaluator_->GetAngleUnit(), AngleUnitGrad);
    EXPECT_TRUE(evaluator_->SetAngleUnit(kNextAngleUnit));
    EXPECT_EQ(evaluator_->GetAngleUnit(), AngleUnitDeg);
    EXPECT_TRUE(evaluator_->SetAngleUnit(kNextAngleUnit));
    EXPECT_EQ(evaluator_->GetAngleUnit(), AngleUnitRad);
}

TEST_F(ExpressionEvaluatorTest, ConvertAngleGoesDegreesRadiansGradsAndKeepsTheUnit)
{
    std::wstring result;
    ASSERT_TRUE(evaluator_->ConvertAngle(L"180", result));
    EXPECT_EQ(result, L"3.14159265358979");
    ASSERT_TRUE(evaluator_->ConvertAngle(L"", result));
    EXPECT_EQ(result, L"0");
    evaluator_->SetAngleUnit(AngleUnitRad);
    ASSERT_TRUE(evaluator_->ConvertAngle(L"3.14159265358979", result));
    EXPECT_EQ(result, L"200");
    evaluator_->SetAngleUnit(AngleUnitGrad);
    ASSERT_TRUE(evaluator_->ConvertAngle(L"100", result));
    EXPECT_EQ(result, L"90");
    EXPECT_EQ(evaluator_->GetAngleUnit(), AngleUnitGrad);

    result = L"kept";
    EXPECT_FALSE(evaluator_->ConvertAngle(std::wstring(ExpressionEvaluator::kMaxAngleText, L'1'), result));
    EXPECT_EQ(result, L"kept");
}

TEST_F(ExpressionEvaluatorTest, DegreesMinutesSecondsAreReadAsDecimalDegrees)
{
    ExpectAll({
        {L"12\u00B030\u2032", L"12.5"}, {L"12\u00B030\u203215+1", L"13.5041666666667"}, {L"-10\u00B030", L"-10.5"},
        {L"1\u00B030+1\u00B030", L"3"}, {L"\u00B0", L"0"},
    });
    std::wstring result;
    evaluator_->Evaluate(L"1\u00B030", result);
    EXPECT_TRUE(evaluator_->IsDmsInput());
    evaluator_->Evaluate(L"1.5", result);
    EXPECT_FALSE(evaluator_->IsDmsInput());
}

struct BaseCase {
    int base;
    int bits;
    const wchar_t* text;
    const wchar_t* result;
};

TEST_F(ExpressionEvaluatorTest, OtherBasesReadAndWriteWrappedIntegers)
{
    const BaseCase cases[] = {
        {16, 32, L"FF&F0", L"F0"},  {16, 32, L"0-1", L"FFFFFFFF"}, {16, 8, L"FF+2", L"1"},  {16, 32, L"7/2", L"3"},
        {2, 8, L"101d11", L"11111110"}, {8, 32, L"17+1", L"20"},  {36, 32, L"Z+1", L"10"},
        {16, 64, L"0-1", L"FFFFFFFFFFFFFFFF"}, {16, 32, L"1000000000000000+1", L"0"}, {16, 32, L"1/0", L"infinity"},
        {16, 4, L"0-100000", L"0"},
    };
    for (const BaseCase& entry : cases) {
        ASSERT_TRUE(evaluator_->SetBase(entry.base));
        ASSERT_TRUE(evaluator_->SetWordSize(entry.bits));
        EXPECT_EQ(Evaluate(entry.text), entry.result)
            << entry.base << "/" << entry.bits << ": " << testing::PrintToString(std::wstring(entry.text));
    }
    EXPECT_FALSE(evaluator_->SetBase(1));
    EXPECT_FALSE(evaluator_->SetBase(37));
    EXPECT_FALSE(evaluator_->SetWordSize(3));
    EXPECT_FALSE(evaluator_->SetWordSize(65));
    EXPECT_EQ(evaluator_->GetWordSize(), 4);
    ASSERT_TRUE(evaluator_->SetWordSize(32));
    std::wstring result;
    evaluator_->Evaluate(L"1+1", result, 10, 0);
    EXPECT_EQ(result, L"syntax error");
    evaluator_->Evaluate(L"FF", result, 16, 2);
    EXPECT_EQ(result, L"11111111");
}

TEST_F(ExpressionEvaluatorTest, BcdRoundTripsAndSwitchesOffOutsideItsRange)
{
    evaluator_->SetBcdMode(true);
    EXPECT_EQ(Evaluate(L"45"), L"0100 0101");
    EXPECT_EQ(Evaluate(L"0100 0101+1"), L"0100 0110");
    EXPECT_EQ(Evaluate(L"1111"), L"0001 0101");
    evaluator_->SetBcdMode(false);
    EXPECT_EQ(Evaluate(L"0100 0110"), L"46");
    EXPECT_EQ(Evaluate(L"0100"), L"100");
    for (const Case& outside : {Case{L"1000000", L"1000000"}, Case{L"0-1", L"-1"}}) {
        evaluator_->SetBcdMode(true);
        EXPECT_EQ(Evaluate(outside.text), outside.result);
        EXPECT_FALSE(evaluator_->IsBcdMode());
    }
}

TEST_F(ExpressionEvaluatorTest, SymbolsAreWrittenOutInTextsOfAnyLength)
{
    std::wstring sum;
    for (int term = 0; term < 100; ++term) sum += L"1\u00D71+";
    sum += L"2\u00B2";
    ASSERT_GT(sum.size(), 255u);
    EXPECT_EQ(Evaluate(sum), L"104");
    std::wstring halves;
    for (int term = 0; term < 200; ++term) halves += L"1\u00F72+";
    halves += L"0";
    EXPECT_EQ(Evaluate(halves), L"100");
}

TEST_F(ExpressionEvaluatorTest, TextsBeyondTheWorkingStorageAreRefusedNotOverrun)
{
    std::wstring chain = L"1";
    while (chain.size() + 2 <= ExpressionEvaluator::kTextCapacity) chain += L"+1";
    EXPECT_EQ(Evaluate(chain + L"0"), L"1033");
    EXPECT_EQ(Evaluate(chain + L"00"), L"syntax error");
    std::wstring squares(ExpressionEvaluator::kTextCapacity / 2, L'\u00B2');
    EXPECT_EQ(Evaluate(L"1" + squares), L"syntax error");
    std::wstring brackets(1000, L'(');
    EXPECT_EQ(Evaluate(brackets + L"1" + std::wstring(1000, L')')), L"1");
    std::wstring plus(ExpressionEvaluator::kTextCapacity - 1, L'+');
    EXPECT_EQ(Evaluate(plus), L"0");
}

TEST_F(ExpressionEvaluatorTest, RandomValuesStayInTheirRangeAndTheSameTimeSeedsTheSameSequence)
{
    FixedClock clock({2026, 12, 5, 6, 22, 3, 17, 250});
    PlatformServices services = Platform();
    services.clock = &clock;
    ScopedPlatform platform(services);
    auto first = std::make_unique<ExpressionEvaluator>();
    auto second = std::make_unique<ExpressionEvaluator>();
    std::wstring firstResult;
    std::wstring secondResult;
    for (int draw = 0; draw < 200; ++draw) {
        const double value = first->Evaluate(L"rand(10)", firstResult);
        EXPECT_GE(value, 0.0);
        EXPECT_LE(value, 10.0);
        second->Evaluate(L"rand(10)", secondResult);
        EXPECT_EQ(firstResult, secondResult);
    }
}

}  // namespace
}  // namespace tallyx
