#pragma once

#include <cstdint>

namespace tallyx {

class CalcEngine;
class NumberFormatter;
class Registry;

// The settings the calculator window keeps itself, with their first-start values.
struct PanelSettings {
    bool regional = false;
    std::int32_t playSounds = 1;  // 0 off, 1 tick, 2 soft tick
    std::int32_t skin = 0;
    bool animateShift = false;  // Ani2ndHyp
    std::int32_t calculatorType = 0;
    std::int32_t entryMode = 1;
    bool advancedMemory = false;
    bool useTape = false;
};

// Settings shared with the worksheets, the plotter and the keypad geometry.
struct ProcessSettings {
    bool tvmEndPayments = false;
    std::int32_t mortgageSchedule = 0;
    bool graphFast = false;
    bool graphPoints = false;
    std::int32_t calculatorSize = 0;
};

ProcessSettings& SharedProcessSettings();

// Reads what the panel keeps; absent values keep their defaults.
PanelSettings ReadPanelSettings(Registry& registry);
// Reads the values that live in the engine and the formatter, then the ten
// memories; a stored memory longer than a slot is cut to the slot.
void ReadEngineSettings(Registry& registry, CalcEngine& engine, NumberFormatter& formatter);
// Writes every value, changed or not; the tape is off while the memories are written.
void SaveSettings(Registry& registry, const PanelSettings& panel, CalcEngine& engine, const NumberFormatter& formatter);

}  // namespace tallyx
