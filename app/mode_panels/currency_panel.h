#pragma once

#include <optional>
#include <string>
#include <utility>

#include "app/calculator_types.h"
#include "app/mode_panels/placeholder_panel.h"
#include "convert/currency_list.h"
#include "convert/rate_updater.h"
#include "ui/window_message_sink.h"

namespace tallyx {

// The currency converter, which covers the whole window. Its rate update
// runs in the background and shows its progress in a status line.
class CurrencyPanel : public PlaceholderPanel {
public:
    static constexpr std::uint32_t kUpdateCommand = 32761;

    CurrencyPanel() : PlaceholderPanel(CalculatorCurrencies) {}

    // The Update button and the File menu's "Update Currencies".
    void StartUpdate();
    RateUpdateStatus UpdateStatus() const { return updater_.Status(); }
    // The two lines of the status: what is happening, or when the rates are from.
    std::pair<std::wstring, std::wstring> StatusLines() const;

    long Draw(Canvas& canvas, const Rect& clip) override;
    long Attach(const PanelContext& context) override;
    long UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long Command(std::uint32_t command, std::intptr_t parameter) override;
    long Timer(std::uintptr_t timer) override;

private:
    void Repaint();

    CurrencyList rates_;
    std::optional<WindowMessageSink> sink_;
    // Declared after the sink: a transfer still running stops before the sink goes.
    RateUpdater updater_;
};

}  // namespace tallyx
