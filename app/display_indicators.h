#pragma once

#include <array>
#include <string>

#include "keypad/panel/keypad_geometry.h"

namespace tallyx {

class CalcEngine;

// What the indicators of the display read for the engine's state.
struct IndicatorState {
    int shiftState = 5;
    int base = 10;
    bool bcd = false;
    int angleUnit = 0;
    int notation = 0;
    int wordSize = 32;
    bool memoryUsed = false;

    static IndicatorState Of(const CalcEngine& engine, int notation);
};

std::array<std::wstring, IndicatorCount> IndicatorTexts(const IndicatorState& state);

// The next notation of a tap in base 10: Normal to Fractions and round.
int NextTappedNotation(int notation);
// The next word size of a tap in other bases: 8, 16, 32, 48, then 8 again.
int NextTappedWordSize(int wordSize);
// The base a tap on the base indicator of the Base type leads to.
int NextTappedBase(int base);

}  // namespace tallyx
