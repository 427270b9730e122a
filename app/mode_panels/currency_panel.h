#pragma once

#include "app/calculator_types.h"
#include "app/mode_panels/placeholder_panel.h"

namespace tallyx {

// The currency converter, which covers the whole window.
class CurrencyPanel : public PlaceholderPanel {
public:
    CurrencyPanel() : PlaceholderPanel(CalculatorCurrencies) {}
};

}  // namespace tallyx
