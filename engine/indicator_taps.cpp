#include "engine/indicator_taps.h"

#include <algorithm>
#include <array>

#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "engine/memory_view.h"
#include "engine/number_formatter.h"

namespace tallyx {
namespace {

// The word sizes the indicator steps through; any other size goes to the first.
constexpr std::array kIndicatorWordSizes = {8, 16, 32, 48};
constexpr int kLastTappedNotation = NotationFractions;

struct BaseStep {
    int from;
    int to;
};

// The base indicator outside base 10; any other base goes to DEC.
constexpr std::array<BaseStep, 2> kBaseIndicatorSteps = {{
    {BaseKeyBinary, BaseKeyOctal},
    {BaseKeyHexadecimal, BaseKeyBinary},
}};

bool Decimal(const CalcEngine& engine)
{
    return engine.GetBase() == BaseKeyDecimal;
}

bool StepWordSize(CalcEngine& engine)
{
    const auto current = std::find(kIndicatorWordSizes.begin(), kIndicatorWordSizes.end(), engine.GetWordSize());
    const bool stepOn = current != kIndicatorWordSizes.end() && current + 1 != kIndicatorWordSizes.end();
    return engine.SetWordSize(stepOn ? *(current + 1) : kIndicatorWordSizes.front());
}

bool StepNotation(NumberFormatter& formatter)
{
    const int notation = formatter.GetNotation();
    const bool stepOn = notation >= NotationNormal && notation < kLastTappedNotation;
    formatter.SetNotation(stepOn ? notation + 1 : NotationNormal);
    return true;
}

}  // namespace

bool TapNotationIndicator(CalcEngine& engine, NumberFormatter& formatter)
{
    return Decimal(engine) ? StepNotation(formatter) : StepWordSize(engine);
}

bool TapAngleIndicator(CalcEngine& engine)
{
    return Decimal(engine) && engine.PressButton(ButtonTypeFunction, FunctionKeyConvertAngle);
}

bool TapBaseIndicator(CalcEngine& engine, bool baseKeypadShown)
{
    if (Decimal(engine)) {
        return baseKeypadShown && engine.PressButton(ButtonTypeBase, BaseKeyHexadecimal);
    }
    int target = BaseKeyDecimal;
    for (const BaseStep& step : kBaseIndicatorSteps) {
        if (step.from == engine.GetBase()) {
            target = step.to;
        }
    }
    return engine.PressButton(ButtonTypeBase, target);
}

void TapMemoryIndicator(CalcEngine& engine, bool advancedMemory)
{
    ShowMemoryView(engine.Memories(), advancedMemory);
}

}  // namespace tallyx
