#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "frame_test_support.h"

namespace tallyx {
namespace {

std::optional<std::uint32_t> Stored(Registry& registry, std::wstring_view name)
{
    std::uint32_t value = 0;
    if (registry.ReadDword(kTallyxKey, name, value) != StatusOk) return std::nullopt;
    return value;
}

TEST(FrameSettings, SettingsSurviveARestart)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcMode", CalcModeNormal);
    harness.Open(480, 640);
    ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorFinancial));
    harness.TapKeys({L"4", L"2", L"MS"});
    harness.Formatter().SetNotation(NotationScientific);
    harness.Engine().SetAngleUnit(2);
    harness.Close();

    harness.Open(480, 640);
    EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorFinancial);
    EXPECT_EQ(harness.Engine().GetMode(), CalcModeNormal);
    EXPECT_EQ(harness.Engine().Memories().Text(0), L"42");
    EXPECT_EQ(harness.Formatter().GetNotation(), NotationScientific);
    EXPECT_EQ(harness.Engine().GetAngleUnit(), 2);
}

struct StoredValueCase {
    std::wstring_view name;
    std::uint32_t stored;
    std::uint32_t savedBack;
};

TEST(FrameSettings, OutOfRangeValuesAreIgnored)
{
    const StoredValueCase cases[] = {
        {L"RPNStack", 60, 4},     {L"RPNStack", 50, 50}, {L"FixedDigits", 12, 2},
        {L"BaseBits", 0x110, 16}, {L"Notation", 9, 0},
    };
    for (const StoredValueCase& c : cases) {
        FrameHarness harness;
        harness.registry.WriteDword(kTallyxKey, c.name, c.stored);
        harness.Open(240, 320);
        harness.Close();
        EXPECT_EQ(Stored(harness.registry, c.name), c.savedBack) << std::wstring(c.name) << " " << c.stored;
    }
}

TEST(FrameSettings, LongStoredMemoryFitsTheSlotKeepingItsValue)
{
    FrameHarness harness;
    harness.registry.WriteString(kTallyxKey, L"Memory3", std::wstring(40, L'7'));
    harness.registry.WriteString(kTallyxKey, L"Memory1", L"2.5");
    harness.Open(240, 320);
    // Forty sevens are written in the slot's 31 characters as 7.777...e+039, not cut to a smaller number.
    const std::wstring& held = harness.Engine().Memories().Text(3);
    EXPECT_LE(held.size(), 31u);
    EXPECT_EQ(held.substr(0, 6), L"7.7777");
    EXPECT_EQ(held.substr(held.size() - 5), L"e+039");
    EXPECT_EQ(harness.Engine().Memories().Text(1), L"2.5");
}

TEST(FrameSettings, StoredTypeStartsItsKeypadAndUnknownOnesStandard)
{
    const std::uint32_t cases[][3] = {
        {11, CalcModeAlgebraic, CalculatorStandard},
        {12, CalcModeAlgebraic, CalculatorStandard},
        {99, CalcModeAlgebraic, CalculatorStandard},
        {CalculatorScientific, CalcModeRpn, CalculatorScientificRpn},
    };
    for (const auto& [type, mode, started] : cases) {
        FrameHarness harness;
        harness.registry.WriteDword(kTallyxKey, L"CalcType", type);
        harness.registry.WriteDword(kTallyxKey, L"CalcMode", mode);
        harness.Open(240, 320);
        EXPECT_EQ(harness.Calculator().CurrentType(), static_cast<int>(started)) << type;
        EXPECT_EQ(harness.Engine().GetMode(), static_cast<int>(mode));
        EXPECT_FALSE(harness.Keypad().MainKeys().empty());
    }
}

TEST(FrameSettings, MissingCustomSkinFallsBackToTheBuiltInOne)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"Skin", 5);
    harness.Open(240, 320);
    EXPECT_EQ(harness.Calculator().Layouts().SkinIndex(), 0);
}

}  // namespace
}  // namespace tallyx
