#pragma once

namespace tallyx {

enum class BreakEvenValue { Profit, Price, FixedCost, VarCost, Quantity };

// Profit = quantity × (price − variable cost per unit) − fixed cost; any one
// of the five solves from the other four.
struct BreakEvenModel {
    double profit = 0.0;
    double price = 0.0;
    double fixedCost = 0.0;
    double varCost = 0.0;
    double quantity = 0.0;

    void Solve(BreakEvenValue value);
};

}  // namespace tallyx
