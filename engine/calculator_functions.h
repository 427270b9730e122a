#pragma once

#include <cstddef>
#include <string_view>

#include "engine/angle_unit.h"
#include "engine/random_generator.h"

namespace tallyx {

// What the prefix functions read besides their operand.
struct FunctionContext {
    AngleUnit angleUnit = AngleUnitDeg;
    double firstSlot = 0.0;   // value slot 0: the base of "pct"
    double secondSlot = 0.0;  // value slot 1: "pct" of a lone number when 0
    RandomGenerator* random = nullptr;
};

// Index of the first function whose name starts text, with the name's length;
// -1 when none does. Longer names stand before their prefixes.
int MatchFunctionName(std::string_view text, std::size_t& length);

// The prefix function of the given index; index -1 is the unary minus.
double ApplyFunction(int index, double operand, const FunctionContext& context);

constexpr int kNegateFunction = -1;

}  // namespace tallyx
