#include "worksheets/break_even_model.h"

namespace tallyx {

void BreakEvenModel::Solve(BreakEvenValue value)
{
    switch (value) {
    case BreakEvenValue::Profit:
        profit = quantity * price - fixedCost - quantity * varCost;
        break;
    case BreakEvenValue::Price:
        price = (quantity * varCost + profit + fixedCost) / quantity;
        break;
    case BreakEvenValue::FixedCost:
        fixedCost = quantity * price - quantity * varCost - profit;
        break;
    case BreakEvenValue::VarCost:
        varCost = (quantity * price - fixedCost - profit) / quantity;
        break;
    case BreakEvenValue::Quantity:
        quantity = (profit + fixedCost) / (price - varCost);
        break;
    }
}

}  // namespace tallyx
