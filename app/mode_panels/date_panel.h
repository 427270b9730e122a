#pragma once

#include "app/calculator_types.h"
#include "app/mode_panels/placeholder_panel.h"

namespace tallyx {

// The date and time calculator, which covers the whole window.
class DatePanel : public PlaceholderPanel {
public:
    DatePanel() : PlaceholderPanel(CalculatorDateTime) {}
};

}  // namespace tallyx
