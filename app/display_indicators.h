#pragma once

#include <array>
#include <string>

#include "app/keypad_geometry.h"
#include "engine/key_ids.h"

namespace tallyx {

class CalcEngine;

// What the indicators of the display read for the engine's state.
struct IndicatorState {
    int shiftState = 5;
    int base = BaseKeyDecimal;
    bool bcd = false;
    int angleUnit = 0;
    int notation = 0;
    int wordSize = 32;
    bool memoryUsed = false;

    static IndicatorState Of(const CalcEngine& engine, int notation);
};

std::array<std::wstring, IndicatorCount> IndicatorTexts(const IndicatorState& state);

}  // namespace tallyx
