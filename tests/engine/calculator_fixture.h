#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/calc_engine.h"
#include "engine/expression_evaluator.h"
#include "engine/number_formatter.h"
#include "keypad/button_vocabulary.h"
#include "platform/services.h"
#include "platform/wide_text.h"

namespace tallyx {

// A calculator of its own with a recording notifier and a private clipboard.
// Keys are pressed by their vocabulary names; a run of digits ("12.5") types
// each digit.
class CalculatorFixture : public ::testing::Test {
protected:
    CalculatorFixture() : formatter_(RegionalSettings{}), engine_(evaluator_, formatter_), platform_(TestServices()) {}

    PlatformServices TestServices()
    {
        PlatformServices services = Platform();
        services.notifier = &notifier_;
        services.clipboard = &clipboard_;
        return services;
    }

    // Presses the keys and answers which of them were accepted.
    std::vector<bool> Press(const std::wstring& keys)
    {
        std::vector<bool> accepted;
        std::wistringstream words(keys);
        for (std::wstring word; words >> word;) {
            const bool digits = word.size() > 1 && word.find_first_not_of(L"0123456789.") == std::wstring::npos;
            for (std::size_t at = 0; at < (digits ? word.size() : 1); ++at) {
                const std::wstring name = !digits ? word : word[at] == L'.' ? L"Decimal" : word.substr(at, 1);
                const auto button = FindButtonByName(name);
                EXPECT_TRUE(button.has_value()) << "no key named " << NarrowUtf8(name);
                if (button) {
                    accepted.push_back(engine_.PressButton(button->type, button->id));
                }
            }
        }
        return accepted;
    }

    std::wstring Display() const { return engine_.GetRawDisplayText(); }

    ExpressionEvaluator evaluator_;
    NumberFormatter formatter_;
    CalcEngine engine_;
    RecordingNotifier notifier_;
    MemoryClipboard clipboard_;
    ScopedPlatform platform_;
};

}  // namespace tallyx
