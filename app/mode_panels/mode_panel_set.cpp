#include "app/mode_panels/mode_panel_set.h"

#include <optional>
#include <utility>

#include "app/mode_panels/constants_panel.h"
#include "app/mode_panels/date_panel.h"
#include "app/mode_panels/graph_panel.h"
#include "app/mode_panels/unit_panel.h"

namespace tallyx {
namespace {

std::optional<std::size_t> SlotOf(int type)
{
    if (type < CalculatorGraphing || type > CalculatorConstants) return std::nullopt;
    return static_cast<std::size_t>(type - CalculatorGraphing);
}

}  // namespace

ModePanelSet::ModePanelSet(Registry& registry)
{
    auto currencies = std::make_unique<CurrencyPanel>();
    currencies_ = currencies.get();
    panels_[*SlotOf(CalculatorGraphing)] = std::make_unique<GraphPanel>(registry);
    panels_[*SlotOf(CalculatorUnits)] = std::make_unique<UnitPanel>();
    panels_[*SlotOf(CalculatorCurrencies)] = std::move(currencies);
    panels_[*SlotOf(CalculatorDateTime)] = std::make_unique<DatePanel>();
    panels_[*SlotOf(CalculatorConstants)] = std::make_unique<ConstantsPanel>();
}

Panel* ModePanelSet::For(int type) const
{
    const std::optional<std::size_t> slot = SlotOf(type);
    return slot ? panels_[*slot].get() : nullptr;
}

void ModePanelSet::Replace(int type, std::unique_ptr<Panel> panel)
{
    const std::optional<std::size_t> slot = SlotOf(type);
    if (!slot || !panel) return;
    std::unique_ptr<Panel> previous = std::exchange(panels_[*slot], std::move(panel));
    if (previous.get() == currencies_) replacedCurrencies_ = std::move(previous);
}

}  // namespace tallyx
