#include "worksheets/profit_margin_model.h"

namespace tallyx {
namespace {

constexpr double kPercent = 0.01;
constexpr double kHundred = 100.0;

}  // namespace

void ProfitMarginModel::Solve(ProfitMarginValue value)
{
    switch (value) {
    case ProfitMarginValue::Cost:
        cost = price - price * margin * kPercent;
        break;
    case ProfitMarginValue::Price:
        price = cost * kHundred / (kHundred - margin);
        break;
    case ProfitMarginValue::Margin:
        margin = (price - cost) / price * kHundred;
        break;
    }
}

}  // namespace tallyx
