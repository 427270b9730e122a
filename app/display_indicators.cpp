#include "app/display_indicators.h"

#include <algorithm>

#include "engine/calc_engine.h"
#include "engine/key_ids.h"

namespace tallyx {
namespace {

struct NumberName {
    int number;
    const wchar_t* name;
};

constexpr std::array kBaseNames = {NumberName{2, L"BIN"}, NumberName{8, L"OCT"}, NumberName{16, L"HEX"}};
constexpr std::array kAngleNames = {L"DEG", L"RAD", L"GRAD"};
constexpr std::array kNotationNames = {L"NORM", L"FIX", L"SCI", L"ENG", L"FRAC", L"DMS", L"BCD"};
constexpr std::array kWordSizeNames = {NumberName{8, L"8bit"}, NumberName{16, L"16bit"}, NumberName{48, L"48bit"}};
constexpr const wchar_t* kOtherWordSizeName = L"32bit";

template <std::size_t N>
const wchar_t* NameOf(const std::array<NumberName, N>& names, int number, const wchar_t* otherwise)
{
    for (const NumberName& entry : names) {
        if (entry.number == number) return entry.name;
    }
    return otherwise;
}

std::wstring SecondText(int shiftState)
{
    return shiftState == ShiftStateSecond || shiftState == ShiftStateHypSecond ? L"2ndF" : L"";
}

std::wstring HypText(int shiftState)
{
    switch (shiftState) {
    case ShiftStateHyp:
    case ShiftStateHypSecond: return L"Hyp";
    case ShiftStateRecallPending: return L"RCL";
    case ShiftStateStorePending: return L"STO";
    default: return L"";
    }
}

}  // namespace

IndicatorState IndicatorState::Of(const CalcEngine& engine, int notation)
{
    return {engine.GetShiftState(), engine.GetBase(),           engine.IsBcdMode(),      engine.GetAngleUnit(),
            notation,               engine.GetWordSize(),       engine.IsMemoryUsed(0)};
}

std::array<std::wstring, IndicatorCount> IndicatorTexts(const IndicatorState& state)
{
    std::array<std::wstring, IndicatorCount> texts;
    texts[IndicatorSecond] = SecondText(state.shiftState);
    texts[IndicatorHyp] = HypText(state.shiftState);
    const bool decimal = state.base == BaseKeyDecimal;
    texts[IndicatorBase] = decimal ? (state.bcd ? L"BCD" : L"DEC") : NameOf(kBaseNames, state.base, L"");
    if (decimal) {
        texts[IndicatorAngle] = kAngleNames[static_cast<std::size_t>(std::clamp(state.angleUnit, 0, 2))];
    }
    if (!decimal) {
        texts[IndicatorNotation] = NameOf(kWordSizeNames, state.wordSize, kOtherWordSizeName);
    } else if (!state.bcd && state.notation >= 0 && static_cast<std::size_t>(state.notation) < kNotationNames.size()) {
        texts[IndicatorNotation] = kNotationNames[static_cast<std::size_t>(state.notation)];
    }
    texts[IndicatorMemory] = state.memoryUsed ? L"M" : L"";
    return texts;
}

}  // namespace tallyx
