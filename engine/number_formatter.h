#pragma once

#include <string>
#include <string_view>

#include "engine/key_ids.h"
#include "engine/regional_settings.h"

namespace tallyx {

// Display notations, in the order of the options list.
enum Notation : int {
    NotationNormal = 0,
    NotationFixed = 1,
    NotationScientific = 2,
    NotationEngineering = 3,
    NotationFractions = 4,
    NotationDms = 5,
    NotationBinaryDec = 6,
};

// Characters offered to the display.
constexpr int kDisplayWidth = 20;

// What the display draws. For a fraction, main is the whole part (possibly
// empty or "-"), significand the numerator and exponent the denominator.
struct DisplayText {
    std::wstring main;
    std::wstring significand;
    std::wstring exponent;
    bool fraction = false;
};

// How the engine's raw display text is to be shown.
struct DisplayRequest {
    int base = BaseKeyDecimal;
    bool bcd = false;       // BCD groups are shown unchanged
    bool dms = false;       // the engine shows degrees, minutes, seconds this once
    bool regional = false;  // the user's separators and grouping
    int width = kDisplayWidth;
};

// Turns number texts into display texts in the chosen notation.
class NumberFormatter {
public:
    static constexpr int kDefaultFixedDigits = 2;
    static constexpr int kMaxFixedDigits = 9;
    // Raw texts in other bases longer than this show "Display too large".
    static constexpr std::size_t kMaxBaseDisplay = 50;

    // Reads the separators of the process locale once.
    NumberFormatter();
    explicit NumberFormatter(RegionalSettings regional);

    // The base-10 display path.
    DisplayText FormatDisplay(std::wstring_view text, bool regional, int width = kDisplayWidth) const;
    // The engine's display request: DMS flag, BCD, other bases, then FormatDisplay.
    DisplayText Format(std::wstring_view rawText, const DisplayRequest& request) const;

    // Values above 6 are ignored.
    void SetNotation(int notation);
    int GetNotation() const { return notation_; }
    // The tap on the notation indicator: Normal, Fixed, Scientific, Engineering, Fractions, Normal.
    void AdvanceNotation();
    // 0..9; other values are ignored.
    void SetFixedDigits(int digits);
    int GetFixedDigits() const { return fixedDigits_; }

    const RegionalSettings& Regional() const { return regional_; }

private:
    DisplayText FormatInNotation(std::wstring_view text, int notation, bool regional, int width) const;
    // Normal, Fixed, Scientific or Engineering, then the cleanup of the digits.
    std::wstring ApplyNotation(const std::wstring& text, int notation, int width) const;

    RegionalSettings regional_;
    int notation_ = NotationNormal;
    int fixedDigits_ = kDefaultFixedDigits;
};

}  // namespace tallyx
