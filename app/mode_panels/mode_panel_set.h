#pragma once

#include <array>
#include <memory>

#include "app/calculator_types.h"
#include "app/mode_panels/currency_panel.h"
#include "app/panel.h"

namespace tallyx {

class Registry;

// The five mode panels of the calculator window, one per panel type:
// Graphing, Unit Converter, World Currencies, Date and Time and Constants.
class ModePanelSet {
public:
    // The panels that keep values read them from registry and write them back when destroyed.
    explicit ModePanelSet(Registry& registry);

    // The panel of a calculator type; none for the keypad types.
    Panel* For(int type) const;
    // Puts another panel in the place of a type's panel; a type without a panel ignores it.
    void Replace(int type, std::unique_ptr<Panel> panel);
    // The currency panel keeps its rate update running whatever type is current.
    CurrencyPanel& Currencies() { return *currencies_; }
    const CurrencyPanel& Currencies() const { return *currencies_; }

    template <typename Action>
    void ForEach(Action action) const
    {
        for (const auto& panel : panels_) action(*panel);
    }

private:
    // The panel types run from Graphing to Constants.
    static constexpr std::size_t kPanelCount = CalculatorConstants - CalculatorGraphing + 1;

    std::array<std::unique_ptr<Panel>, kPanelCount> panels_;
    // The built currency panel, kept for the update even while another panel stands in its place.
    std::unique_ptr<Panel> replacedCurrencies_;
    CurrencyPanel* currencies_;
};

}  // namespace tallyx
