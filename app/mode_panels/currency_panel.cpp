#include "app/mode_panels/currency_panel.h"

#include "convert/rate_source.h"
#include "platform/wide_text.h"
#include "ui/window_host.h"

namespace tallyx {

void CurrencyPanel::StartUpdate()
{
    if (!Window() || updater_.Running()) return;
    rates_.SaveSelection();
    sink_.emplace(*Window());
    updater_.Start(*sink_, RateUrl());
    // A transfer that could not start has ended already.
    if (updater_.Status() == RateUpdateStatus::Error) Window()->SetTimer(RateUpdater::kStatusTimer, RateUpdater::kStatusMilliseconds);
    Repaint();
}

std::pair<std::wstring, std::wstring> CurrencyPanel::StatusLines() const
{
    switch (updater_.Status()) {
    case RateUpdateStatus::Connecting: return {L"Connecting ...", L""};
    case RateUpdateStatus::Error: return {L"Error", L"Unable to connect"};
    case RateUpdateStatus::Idle: break;
    }
    if (rates_.UpdatedTimeText().empty()) return {};
    // The time text comes with a leading blank for running on after the date.
    return {rates_.UpdatedDateText(), L"Updated: " + std::wstring(TrimBlanks(rates_.UpdatedTimeText()))};
}

long CurrencyPanel::Attach(const PanelContext& context)
{
    PlaceholderPanel::Attach(context);
    rates_.LoadRateFile();
    rates_.RestoreSelection();
    return 1;
}

long CurrencyPanel::Draw(Canvas& canvas, const Rect& clip)
{
    if (PlaceholderPanel::Draw(canvas, clip) == kNotHandled) return kNotHandled;
    const Rect area = ContentArea();
    const int lineHeight = Icon() / 2;
    const FontSpec font{kFontFamily, Icon() / 3, 400};
    const auto [first, second] = StatusLines();
    const Rect firstLine{area.left, area.bottom - 3 * lineHeight, area.right, area.bottom - 2 * lineHeight};
    const Rect secondLine{area.left, area.bottom - 2 * lineHeight, area.right, area.bottom - lineHeight};
    canvas.DrawText(first, firstLine, font, TextColor(), TextAlignCenter | TextAlignVCenter | TextEndEllipsis);
    canvas.DrawText(second, secondLine, font, TextColor(), TextAlignCenter | TextAlignVCenter | TextEndEllipsis);
    return 1;
}

long CurrencyPanel::UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t)
{
    if (message != kRateUpdateMessage) return kNotHandled;
    const bool ended = updater_.Transfer(static_cast<std::uint32_t>(first));
    if (first == TransferComplete) rates_.LoadRateFile();
    if (ended && Window()) {
        Window()->SetTimer(RateUpdater::kStatusTimer, RateUpdater::kStatusMilliseconds);
        Repaint();
    }
    return 1;
}

long CurrencyPanel::Command(std::uint32_t command, std::intptr_t)
{
    if (command != kUpdateCommand) return kNotHandled;
    StartUpdate();
    return 1;
}

long CurrencyPanel::Timer(std::uintptr_t timer)
{
    if (timer != RateUpdater::kStatusTimer) return kNotHandled;
    if (Window()) Window()->KillTimer(timer);
    updater_.StatusTimerElapsed();
    Repaint();
    return 1;
}

void CurrencyPanel::Repaint()
{
    if (Window()) Window()->InvalidateAll();
}

}  // namespace tallyx
