#pragma once

namespace tallyx {

class CalcEngine;
class NumberFormatter;

// What a tap on each indicator of the display does, wherever the display is
// shown. Each answers whether anything changed.

// In base 10 the notation steps Normal, Fixed, Scientific, Engineering,
// Fractions and round (the other notations come only from the options); in
// other bases the word size steps 8, 16, 32, 48 and back to 8.
bool TapNotationIndicator(CalcEngine& engine, NumberFormatter& formatter);
// In base 10 the angle indicator converts the value to the next angle unit, as DRG> does.
bool TapAngleIndicator(CalcEngine& engine);
// Outside base 10 the base goes BIN to OCT, HEX to BIN and any other base to
// DEC; in base 10 the base keypad's indicator selects HEX.
bool TapBaseIndicator(CalcEngine& engine, bool baseKeypadShown);
// The memory view.
void TapMemoryIndicator(CalcEngine& engine, bool advancedMemory);

}  // namespace tallyx
