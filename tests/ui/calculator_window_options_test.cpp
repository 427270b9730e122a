#include <memory>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "engine/key_ids.h"
#include "frame_test_support.h"
#include "tests/ui/panel_double.h"

namespace tallyx {
namespace {

TEST(CalculatorWindowOptions, AcceptedOptionsRebuildAndLastIntoTheNextFrame)
{
    OptionsRecord record;
    RegistryData saved;
    {
        FrameHarness harness;
        harness.Open(480, 640);
        ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorScientific));
        record = harness.Calculator().CurrentOptions();
        record[OptionCalculatorMode] = CalcModeRpn;
        record[OptionSkin] = 1;
        record[OptionNotation] = NotationEngineering;
        record[OptionRpnStackSize] = 50;
        record[OptionAdvancedMemory] = 1;
        harness.Calculator().ApplyOptions(record);
        EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorScientificRpn);
        EXPECT_EQ(harness.Engine().GetMode(), CalcModeRpn);
        EXPECT_EQ(harness.Calculator().Layouts().SkinIndex(), 1);
        EXPECT_EQ(harness.Formatter().GetNotation(), NotationEngineering);
        ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorStandard));
        EXPECT_TRUE(harness.KeyRect(L"Enter").has_value());
        EXPECT_TRUE(harness.KeyRect(L"STO").has_value());
        EXPECT_FALSE(harness.KeyRect(L"MS").has_value());
        // Taken before the frame's own save at exit: OK alone must have stored the options.
        saved = harness.registry.Data();
    }
    FrameHarness next;
    next.registry.Data() = saved;
    next.Open(480, 640);
    EXPECT_EQ(next.Calculator().CurrentOptions(), record);
}

struct KeysChangeCase {
    const char* name;
    Option option;
    std::int32_t value;
    bool rebuilds;
};

TEST(CalculatorWindowOptions, OnlyTheSkinMemoryAndRpnKeysRebuildAndFade)
{
    const KeysChangeCase cases[] = {
        {"nothing changed", OptionSkin, 0, false},
        {"notation", OptionNotation, NotationScientific, false},
        {"Expression entry", OptionCalculatorMode, CalcModeExpression, false},
        {"sounds and tape", OptionPlaySounds, 0, false},
        {"skin", OptionSkin, 2, true},
        {"advanced memory", OptionAdvancedMemory, 1, true},
        {"RPN entry", OptionCalculatorMode, CalcModeRpn, true},
    };
    for (const KeysChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameHarness harness;
        harness.Open(480, 640);
        OptionsRecord record = harness.Calculator().CurrentOptions();
        record[c.option] = c.value;
        const int builds = harness.Keypad().Builds();
        harness.Calculator().ApplyOptions(record);
        EXPECT_EQ(harness.Keypad().Builds() > builds, c.rebuilds);
        EXPECT_EQ(harness.Keypad().Transition().Active(), c.rebuilds);
        // Saved either way.
        std::uint32_t notation = 0;
        EXPECT_EQ(harness.registry.ReadDword(kTallyxKey, L"Notation", notation), StatusOk);
        EXPECT_EQ(static_cast<int>(notation), record[OptionNotation]);
    }
}

TEST(CalculatorWindowOptions, RebuiltKeysAttachTheCurrentModePanelAgain)
{
    for (const int type : {CalculatorGraphing, CalculatorUnits, CalculatorConstants}) {
        SCOPED_TRACE(type);
        FrameHarness harness;
        harness.Open(480, 640);
        auto panel = std::make_unique<PanelDouble>();
        const PanelDouble* modePanel = panel.get();
        harness.Calculator().ReplaceModePanel(type, std::move(panel));
        ASSERT_TRUE(harness.Calculator().SwitchType(type));
        ASSERT_EQ(modePanel->attached, 1);
        OptionsRecord record = harness.Calculator().CurrentOptions();
        harness.Calculator().ApplyOptions(record);
        EXPECT_EQ(modePanel->attached, 1);
        record[OptionSkin] = 3;
        harness.Calculator().ApplyOptions(record);
        EXPECT_EQ(modePanel->attached, 2);
        EXPECT_EQ(harness.Calculator().CurrentType(), type);
    }
}

// Enter, CLX and the stack keys on the keypad now.
bool ShowsRpnKeys(FrameHarness& harness)
{
    for (const auto* keys : {&harness.Keypad().MainKeys(), &harness.Keypad().AlternateKeys()}) {
        for (const KeyButton& key : *keys) {
            const ButtonKey button = key.Button();
            if (button.type == ButtonTypeStack || button == ButtonKey{ButtonTypeEquals, EqualsKeyEnter} ||
                button == ButtonKey{ButtonTypeClear, ClearKeyX}) {
                return true;
            }
        }
    }
    return false;
}

// Reset returns to Algebraic entry from every mode: the keypad, the options
// and the stored mode agree with the engine.
TEST(CalculatorWindowOptions, ResetLeavesTheWholeProgramAlgebraic)
{
    for (const int mode : {CalcModeRpn, CalcModeExpression, CalcModeDirectAlgebraic}) {
        SCOPED_TRACE(mode);
        FrameHarness harness;
        harness.Open(480, 640);
        ASSERT_TRUE(harness.Calculator().SwitchType(CalculatorScientific));
        OptionsRecord record = harness.Calculator().CurrentOptions();
        record[OptionCalculatorMode] = mode;
        harness.Calculator().ApplyOptions(record);
        ASSERT_EQ(ShowsRpnKeys(harness), mode == CalcModeRpn);

        harness.TapKeys({L"2ndF"});
        ASSERT_TRUE(harness.KeyRect(L"Reset").has_value());
        harness.TapKeys({L"Reset"});

        EXPECT_EQ(harness.Engine().GetMode(), CalcModeAlgebraic);
        EXPECT_FALSE(ShowsRpnKeys(harness));
        EXPECT_TRUE(harness.KeyRect(L"=").has_value());
        EXPECT_EQ(harness.Calculator().CurrentType(), CalculatorScientific);
        EXPECT_EQ(harness.Calculator().CurrentOptions()[OptionCalculatorMode], CalcModeAlgebraic);
        std::uint32_t stored = 0;
        EXPECT_EQ(harness.registry.ReadDword(kTallyxKey, L"CalcMode", stored), StatusOk);
        EXPECT_EQ(stored, static_cast<std::uint32_t>(CalcModeAlgebraic));

        harness.TapKeys({L"2", L"+", L"3", L"="});
        EXPECT_EQ(harness.Shown(), L"5.");
    }
}

}  // namespace
}  // namespace tallyx
