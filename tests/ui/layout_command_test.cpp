// The console's layout listing and the window's keypad come from one layout
// choice and one key rewriting.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/calculator_types.h"
#include "app/cli/cli_command.h"
#include "frame_test_support.h"
#include "keypad/layout_listing.h"
#include "platform/wide_text.h"

namespace tallyx {
namespace {

TEST(LayoutCommandRpn, ConsoleListsTheKeysTheWindowShowsInRpnEntry)
{
    struct Case {
        int type;
        bool stackKeys;  // whether the keypad has the X<>Y key in RPN entry
    };
    const Case cases[] = {
        {CalculatorStandard, false},
        {CalculatorScientific, true},
        {CalculatorBase, false},
        {CalculatorFinancial, true},
    };
    for (const auto& [type, stackKeys] : cases) {
        SCOPED_TRACE(type);
        FrameHarness harness;
        harness.registry.WriteDword(kTallyxKey, L"CalcMode", CalcModeRpn);
        harness.Open(480, 640);
        ASSERT_TRUE(harness.Calculator().SwitchType(type));
        const KeypadLayouts& layouts = harness.Calculator().Layouts();
        const std::string shown = NarrowUtf8(LayoutListing(*layouts.CurrentLayout(), layouts.Colors()));

        std::ostringstream out;
        std::ostringstream error;
        ASSERT_EQ(cli::kLayoutCommand.run({std::to_string(type), "--rpn"}, out, error), cli::kExitOk) << error.str();
        EXPECT_EQ(out.str(), shown);
        EXPECT_EQ(shown.find("\"X<>Y\"") != std::string::npos, stackKeys);
        EXPECT_EQ(shown.find("\"(\""), std::string::npos);
    }
}

}  // namespace
}  // namespace tallyx
