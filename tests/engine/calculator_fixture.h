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

    static std::vector<std::wstring> KeyNames(const std::wstring& keys)
    {
        std::vector<std::wstring> names;
        std::wistringstream words(keys);
        for (std::wstring word; words >> word;) {
            if (word.find_first_not_of(L"0123456789.") == std::wstring::npos && word.size() > 1) {
                for (const wchar_t digit : word) {
                    names.push_back(digit == L'.' ? L"Decimal" : std::wstring(1, digit));
                }
            } else {
                names.push_back(word);
            }
        }
        return names;
    }

    // Presses the keys and answers which of them were accepted.
    std::vector<bool> Press(const std::wstring& keys)
    {
        std::vector<bool> accepted;
        for (const std::wstring& name : KeyNames(keys)) {
            const auto button = FindButtonByName(name);
            EXPECT_TRUE(button.has_value()) << "no key named " << NarrowUtf8(name);
            if (button) {
                accepted.push_back(engine_.PressButton(button->type, button->id));
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
