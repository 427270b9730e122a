#include <string>

#include <gtest/gtest.h>

#include "engine/number_formatter.h"

namespace tallyx {
namespace {

struct FormatCase {
    int notation;
    const wchar_t* text;
    const wchar_t* main;
    const wchar_t* significand = nullptr;  // the main text when not given
    const wchar_t* exponent = L"";
};

std::string Describe(const FormatCase& entry)
{
    return "notation " + std::to_string(entry.notation) + ": " + testing::PrintToString(std::wstring(entry.text));
}

class NumberFormatterTest : public ::testing::Test {
protected:
    void ExpectAll(std::initializer_list<FormatCase> cases, bool regional = false)
    {
        for (const FormatCase& entry : cases) {
            formatter_.SetNotation(entry.notation);
            const DisplayText shown = formatter_.FormatDisplay(entry.text, regional);
            EXPECT_EQ(shown.main, entry.main) << Describe(entry);
            EXPECT_EQ(shown.significand, entry.significand ? entry.significand : entry.main) << Describe(entry);
            EXPECT_EQ(shown.exponent, entry.exponent) << Describe(entry);
        }
    }

    NumberFormatter formatter_{RegionalSettings{}};
};

TEST_F(NumberFormatterTest, NormalKeepsThePointAndCutsLongTexts)
{
    ExpectAll({
        {NotationNormal, L"5", L"5."}, {NotationNormal, L"-2.5", L"-2.5"},
        {NotationNormal, L"0.333333333333333", L"0.33333333333333"},
        {NotationNormal, L"0.666666666666667", L"0.6666666666667"}, {NotationNormal, L"9.99999999999999999", L"10."},
        {NotationNormal, L"1.e+020", L"1.e+020", L"1.", L"020"},
        {NotationNormal, L"1.23456789012346e+017", L"1.23456789012346e+017", L"1.23456789012346", L"017"},
        {NotationNormal, L"123456789012345678", L"1.2345678901234567e+017", L"1.2345678901234567", L"017"},
        {NotationNormal, L"12345678901234567", L"1.2345678901234567e+016", L"1.2345678901234567", L"016"},
    });
}

TEST_F(NumberFormatterTest, FixedPrintsItsDigitsOrFallsBackToNormal)
{
    ExpectAll({
        {NotationFixed, L"3.14159", L"3.14"}, {NotationFixed, L"-0.005", L"-0.01"},
        {NotationFixed, L"0", L"0."},
        {NotationFixed, L"1.e+025", L"1.e+025", L"1.", L"025"},
    });
    formatter_.SetFixedDigits(0);
    ExpectAll({{NotationFixed, L"2.5", L"2", L"2", L""}});
    formatter_.SetFixedDigits(10);
    EXPECT_EQ(formatter_.GetFixedDigits(), 0);
}

TEST_F(NumberFormatterTest, ScientificAndEngineeringWriteExponents)
{
    ExpectAll({
        {NotationScientific, L"123.45", L"1.2345e+002", L"1.2345", L"002"},
        {NotationScientific, L"0.00123", L"1.23e-003", L"1.23", L"-003"},
        {NotationScientific, L"100", L"1.e+002", L"1.", L"002"},
        {NotationScientific, L"5", L"5."}, {NotationScientific, L"1.5", L"1.5"},
        {NotationScientific, L"-0.0", L"-0."}, {NotationScientific, L"007.5", L"7.5"},
        {NotationScientific, L"0.5", L"5.e-001", L"5.", L"-001"},
        {NotationEngineering, L"12345", L"12.345e+003", L"12.345", L"003"},
        {NotationEngineering, L"0.000123", L"123.e-006", L"123.", L"-006"},
        {NotationEngineering, L"1.e+020", L"100.e+018", L"100.", L"018"},
    });
}

TEST_F(NumberFormatterTest, EntriesSplitAtTheirExponentLetterInAnyForm)
{
    ExpectAll({
        {NotationNormal, L"3.5e2", L"3.5e+2", L"3.5", L"2"},
        {NotationNormal, L"1.5e-3", L"1.5e-3", L"1.5", L"-3"},
        {NotationNormal, L"-1.5e+300", L"-1.5e+300", L"-1.5", L"300"},
        {NotationNormal, L"12e5", L"12.e+5", L"12.", L"5"},
        {NotationNormal, L"7e", L"7.e", L"7.", L""},
        {NotationScientific, L"3.5e2", L"3.5e+2", L"3.5", L"2"},
    });
}

// Exponents of any length: leading zeros are read through, and one too large
// for any number is left as written rather than wrapped around.
TEST_F(NumberFormatterTest, EngineeringReadsExponentsOfAnyLength)
{
    ExpectAll({
        {NotationEngineering, L"-2.5e-0000000000000000000000013", L"-250.e-015", L"-250.", L"-015"},
    });
    for (const wchar_t* text : {L"1e-22222222222222222222222222222222", L"1.e+99999999999", L"-7.5e-2147483648"}) {
        formatter_.SetNotation(NotationScientific);
        const DisplayText asWritten = formatter_.FormatDisplay(text, false);
        formatter_.SetNotation(NotationEngineering);
        const DisplayText shown = formatter_.FormatDisplay(text, false);
        EXPECT_EQ(shown.main, asWritten.main) << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(shown.exponent, asWritten.exponent) << testing::PrintToString(std::wstring(text));
    }
}

TEST_F(NumberFormatterTest, ErrorWordsAreCapitalisedInEveryNotation)
{
    for (int notation = NotationNormal; notation <= NotationBinaryDec; ++notation) {
        ExpectAll({
            {notation, L"syntax error", L"Syntax Error"}, {notation, L"infinity", L"Infinity"},
            {notation, L"imaginary", L"Imaginary"},
        });
    }
}

// A fraction shows its whole part, numerator and denominator as main,
// significand and exponent; values without a fraction show in Normal.
TEST_F(NumberFormatterTest, FractionsShowWholeNumeratorAndDenominator)
{
    ExpectAll({
        {NotationFractions, L"0.5", L"", L"1", L"2"},        {NotationFractions, L"-2.25", L"-2", L"1", L"4"},
        {NotationFractions, L"-0.5", L"-", L"1", L"2"},      {NotationFractions, L"3.14159", L"3", L"14159", L"100000"},
        {NotationFractions, L"0.333333333333333", L"", L"1", L"3"},
        {NotationFractions, L"1.666666666666667", L"1", L"2", L"3"},
        {NotationFractions, L"2", L"2."},                    {NotationFractions, L"0.99999999999999", L"1."},
        {NotationFractions, L"1.e+020", L"1.e+020", L"1.", L"020"},
    });
    EXPECT_TRUE(formatter_.FormatDisplay(L"0.5", false).fraction);
    EXPECT_FALSE(formatter_.FormatDisplay(L"2", false).fraction);
}

TEST_F(NumberFormatterTest, DegreesMinutesSeconds)
{
    ExpectAll({
        {NotationDms, L"12.5", L"12\u00B030\u203200"}, {NotationDms, L"-12.5", L"-12\u00B030\u203200"},
        {NotationDms, L"12.5125", L"12\u00B030\u203245"}, {NotationDms, L"12.504305555555556", L"12\u00B030\u203215.5"},
        {NotationDms, L"1.e+020", L"1.e+020", L"1.", L"020"}, {NotationDms, L"1000000", L"1000000."},
    });
}

TEST_F(NumberFormatterTest, BinaryDecWritesFourBitsPerDigit)
{
    ExpectAll({
        {NotationBinaryDec, L"45", L"0100 0101"}, {NotationBinaryDec, L"1234567", L"0001001000110100010101100111"},
        {NotationBinaryDec, L"-45", L"-45."}, {NotationBinaryDec, L"4.5", L"4.5"},
        {NotationBinaryDec, L"123456789", L"123456789."},
    });
}

// Separators apply only with the switch on, grouping only where the text fits.
TEST_F(NumberFormatterTest, RegionalSeparatorsGroupOnlyTextsWithoutExponent)
{
    RegionalSettings european;
    european.decimalSeparator = L",";
    european.thousandsSeparator = L".";
    formatter_ = NumberFormatter(european);
    ExpectAll(
        {
            {NotationNormal, L"1234567.5", L"1.234.567,5"}, {NotationNormal, L"-123456", L"-123.456,"},
            {NotationNormal, L"1.5e-005", L"1,5e-005", L"1,5", L"-005"},
            {NotationNormal, L"0.333333333333333", L"0,33333333333333"},
        },
        true);
    ExpectAll({{NotationNormal, L"1234567.5", L"1234567.5"}}, false);

    RegionalSettings indian;
    indian.grouping = {3, 2};
    formatter_ = NumberFormatter(indian);
    ExpectAll({{NotationNormal, L"12345678", L"1,23,45,678."}}, true);
    formatter_ = NumberFormatter(RegionalSettings{});
    EXPECT_EQ(formatter_.FormatDisplay(L"123456789012.5", true, 15).main, L"123456789012.5");
}

TEST_F(NumberFormatterTest, DisplayRequestsOfOtherBasesBcdAndAngles)
{
    formatter_.SetNotation(NotationScientific);
    EXPECT_EQ(formatter_.Format(L"FF", {16}).main, L"FF");
    EXPECT_EQ(formatter_.Format(std::wstring(50, L'1'), {2}).main, std::wstring(50, L'1'));
    const DisplayText tooLarge = formatter_.Format(std::wstring(51, L'1'), {2});
    EXPECT_EQ(tooLarge.main, L"Display too large");
    EXPECT_EQ(tooLarge.significand, L"Display too large");
    EXPECT_EQ(formatter_.Format(L"0100 0101", {10, true}).main, L"0100 0101");
    EXPECT_EQ(formatter_.Format(L"12.5", {10, false, true}).main, L"12\u00B030\u203200");
    EXPECT_EQ(formatter_.Format(L"123.45", {}).main, L"1.2345e+002");
    EXPECT_EQ(formatter_.Format(L"infinity", {16}).main, L"Infinity");
}

TEST_F(NumberFormatterTest, TextsThatAreNoNumbersAreShownCut)
{
    const std::wstring texts[] = {std::wstring(30, L'('), std::wstring(15, L'(') + L"6", L"-", L"e", L"1e5", L"..",
                                  L"\u00B0"};
    for (const std::wstring& text : texts) {
        for (int notation = NotationNormal; notation <= NotationBinaryDec; ++notation) {
            formatter_.SetNotation(notation);
            EXPECT_LE(formatter_.FormatDisplay(text, true).main.size(), static_cast<std::size_t>(kDisplayWidth))
                << notation;
        }
    }
}

TEST_F(NumberFormatterTest, NotationSettings)
{
    formatter_.SetNotation(7);
    EXPECT_EQ(formatter_.GetNotation(), NotationNormal);
    formatter_.SetNotation(NotationBinaryDec);
    formatter_.AdvanceNotation();
    EXPECT_EQ(formatter_.GetNotation(), NotationNormal);
}

}  // namespace
}  // namespace tallyx
