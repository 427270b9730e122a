#pragma once

#include "app/calculator_types.h"
#include "app/mode_panels/placeholder_panel.h"

namespace tallyx {

// The unit converter, which covers the whole window.
class UnitPanel : public PlaceholderPanel {
public:
    UnitPanel() : PlaceholderPanel(CalculatorUnits) {}
};

}  // namespace tallyx
