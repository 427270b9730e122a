#pragma once

namespace tallyx {

enum class ProfitMarginValue { Cost, Price, Margin };

// A selling price, its cost and the margin as a percentage of the price.
struct ProfitMarginModel {
    double cost = 0.0;
    double price = 0.0;
    double margin = 0.0;

    void Solve(ProfitMarginValue value);
};

}  // namespace tallyx
