#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/calculator_types.h"
#include "app/mode_panels/converter_panel.h"
#include "convert/currency_list.h"
#include "convert/rate_time_text.h"
#include "convert/rate_updater.h"
#include "ui/window_message_sink.h"

namespace tallyx {

// The currency converter, which covers the whole window: the calculator's
// number in one currency and converted to another, with the bid and ask
// results. "From" and "To" choose the currencies from lists that put the
// recent ones first; a tap on a row enters the converted amount and swaps
// the currencies. Its rate update runs in the background and shows its
// progress in a status line.
class CurrencyPanel : public ConverterPanel {
public:
    static constexpr std::uint32_t kUpdateCommand = 32761;
    static constexpr std::uint32_t kFromCommand = 2000;
    static constexpr std::uint32_t kToCommand = 2200;

    // Seconds since 1970 UTC, for how old the rates are.
    using UtcSource = std::function<std::int64_t()>;

    explicit CurrencyPanel(UtcSource now = UtcNow);
    ~CurrencyPanel() override;
    CurrencyPanel(const CurrencyPanel&) = delete;
    CurrencyPanel& operator=(const CurrencyPanel&) = delete;

    // The Update button and the File menu's "Update Currencies".
    void StartUpdate();
    RateUpdateStatus UpdateStatus() const { return updater_.Status(); }
    // The two lines of the status: what is happening, or when the rates are
    // from, how old they are and whether they were ever updated.
    std::pair<std::wstring, std::wstring> StatusLines() const;
    const CurrencyList& Rates() const { return rates_; }

    // The rates are read when the type is first shown, not at every return to it.
    long Attach(const PanelContext& context) override;
    void TypeChanging(int newType) override;
    long UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long Command(std::uint32_t command, std::intptr_t parameter) override;
    long Timer(std::uintptr_t timer) override;
    void DescribeState(std::vector<StateLine>& lines) const override;

protected:
    void PressButton(int index) override;
    void DrawRows(Canvas& canvas, const std::vector<Rect>& rows) override;
    bool TapRow(std::size_t row) override;

private:
    // What the rows show for the display's number now.
    struct Shown {
        std::wstring fromCode;
        std::wstring toCode;
        DisplayText from;
        DisplayText to;
        std::wstring bidAsk;
    };
    Shown ShownNow() const;
    void ShowSelection(int button, std::uint32_t commandBase, int chosen);
    // Written only once the selection has been read: an unread one would overwrite the stored.
    void SaveSelection() const;
    void ReadRates();

    UtcSource now_;
    CurrencyList rates_;
    // Still the rates that came with the program; known once they are read.
    bool shipped_ = false;
    bool ratesRead_ = false;
    // An update may bring another list: the stored codes find their currencies again.
    bool restoreAtNextList_ = false;
    std::optional<WindowMessageSink> sink_;
    // Declared after the sink: a transfer still running stops before the sink goes.
    RateUpdater updater_;
};

}  // namespace tallyx
