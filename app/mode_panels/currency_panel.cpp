#include "app/mode_panels/currency_panel.h"

#include <cwctype>
#include <utility>

#include "app/mode_panels/conversion_row.h"
#include "app/mode_panels/currency_selection_list.h"
#include "app/state_listing.h"
#include "convert/rate_file_store.h"
#include "convert/rate_source.h"
#include "engine/calc_engine.h"
#include "keypad/keypad_layouts.h"
#include "platform/wide_text.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

enum Button : int { ButtonFrom, ButtonTo, ButtonUpdate };
enum Row : std::size_t { RowFrom, RowTo, RowBidAsk, RowStatus, RowStatusDetail };

constexpr const wchar_t* kNeverUpdated = L"As shipped, never updated";
constexpr int kAmountWeight = 3;
constexpr int kLineWeight = 2;
// The commands of one selection list.
constexpr std::uint32_t kListSpan = 200;

std::optional<int> IndexIn(std::uint32_t command, std::uint32_t base)
{
    if (command < base || command >= base + kListSpan) return std::nullopt;
    return static_cast<int>(command - base);
}

// "$12." but "EUR 12." and "Fr. 12.": a symbol ending in a letter or a point keeps apart.
std::wstring WithSymbol(const std::wstring& symbol, const std::wstring& number)
{
    if (symbol.empty() || number.empty()) return number;
    const wchar_t last = symbol.back();
    return symbol + (std::iswalpha(last) || last == L'.' ? L" " : L"") + number;
}

DisplayText WithSymbol(const std::wstring& symbol, DisplayText value)
{
    std::wstring& front = value.fraction && value.main.empty() ? value.significand : value.main;
    front = WithSymbol(symbol, front);
    if (!value.fraction && !value.exponent.empty()) value.significand = WithSymbol(symbol, value.significand);
    return value;
}

std::wstring JoinedLines(const std::pair<std::wstring, std::wstring>& lines)
{
    if (lines.first.empty() || lines.second.empty()) return lines.first + lines.second;
    return lines.first + L" " + lines.second;
}

}  // namespace

CurrencyPanel::CurrencyPanel(UtcSource now)
    : ConverterPanel(CalculatorCurrencies, {L"From", L"To", L"Update"},
                     {kAmountWeight, kAmountWeight, kLineWeight, kLineWeight, kLineWeight}),
      now_(std::move(now))
{
}

CurrencyPanel::~CurrencyPanel()
{
    SaveSelection();
}

void CurrencyPanel::SaveSelection() const
{
    if (ratesRead_) rates_.SaveSelection();
}

void CurrencyPanel::StartUpdate()
{
    if (!Window() || updater_.Running()) return;
    SaveSelection();
    restoreAtNextList_ = true;
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
    // The time of the shipped rates tells nothing; that they are old does.
    const std::wstring age = RatesOfText(rates_.UpdatedDateText(), rates_.UpdatedUtc(), now_());
    if (shipped_) return {age, kNeverUpdated};
    // The time text comes with a leading blank for running on after the date.
    return {age, L"Updated: " + std::wstring(TrimBlanks(rates_.UpdatedTimeText()))};
}

void CurrencyPanel::ReadRates()
{
    rates_.LoadRateFile();
    shipped_ = ShippedRatesInstalled();
}

long CurrencyPanel::Attach(const PanelContext& context)
{
    ConverterPanel::Attach(context);
    if (!ratesRead_) {
        ReadRates();
        rates_.RestoreSelection();
        ratesRead_ = true;
    }
    return 1;
}

void CurrencyPanel::TypeChanging(int)
{
    SaveSelection();
}

CurrencyPanel::Shown CurrencyPanel::ShownNow() const
{
    Shown shown;
    std::wstring fromSymbol;
    std::wstring toSymbol;
    // A selection that a new rate file no longer has converts nothing until it is chosen again.
    if (!rates_.GetEntryTexts(rates_.FromIndex(), &shown.fromCode, nullptr, &fromSymbol)) return shown;
    const std::wstring amount = DisplayNumberText();
    shown.from = WithSymbol(fromSymbol, FormatNumber(amount));
    if (!rates_.GetEntryTexts(rates_.ToIndex(), &shown.toCode, nullptr, &toSymbol)) return shown;
    if (!IsNumberText(amount)) {
        // An error on the display converts to nothing: it shows on both rows.
        shown.to = FormatNumber(amount);
        return shown;
    }
    CurrencyList converted = rates_;
    converted.SetAmount(amount.c_str());
    std::wstring result;
    std::wstring ask;
    std::wstring bid;
    if (converted.GetResultText(&result, ResultPart::Whole, &ask, &bid)) {
        shown.to = WithSymbol(toSymbol, FormatNumber(result));
        shown.bidAsk = L"bid:" + bid + L" ask:" + ask;
    }
    return shown;
}

void CurrencyPanel::DrawRows(Canvas& canvas, const std::vector<Rect>& rows)
{
    if (rows.size() <= RowStatusDetail || !Context().layouts) return;
    const std::wstring amount = DisplayNumberText();
    rates_.SetAmount(amount.c_str());
    const Shown shown = ShownNow();
    const SkinColors& colors = Context().layouts->Colors();
    DrawConversionRow(canvas, rows[RowFrom], shown.fromCode, shown.from, colors);
    DrawConversionRow(canvas, rows[RowTo], shown.toCode, shown.to, colors);
    const auto [status, detail] = StatusLines();
    const std::pair<Row, const std::wstring*> lines[] = {
        {RowBidAsk, &shown.bidAsk}, {RowStatus, &status}, {RowStatusDetail, &detail}};
    for (const auto& [row, text] : lines) {
        const Rect& rect = rows[row];
        const FontSpec font = FittedFont(canvas, *text, rect.Width(), FontSpec{kFontFamily, 3 * rect.Height() / 5});
        canvas.DrawText(*text, rect, font, TextColor(), TextAlignCenter | TextAlignVCenter);
    }
}

bool CurrencyPanel::TapRow(std::size_t row)
{
    const bool selected = rates_.GetEntryTexts(rates_.FromIndex(), nullptr, nullptr, nullptr) &&
                          rates_.GetEntryTexts(rates_.ToIndex(), nullptr, nullptr, nullptr);
    if ((row != RowFrom && row != RowTo) || !Engine() || !selected) return false;
    const std::wstring amount = DisplayNumberText();
    if (!IsNumberText(amount)) return false;
    rates_.SetAmount(amount.c_str());
    std::wstring result;
    if (!rates_.GetResultText(&result, ResultPart::Whole) || result.empty()) return false;
    // The next redraw converts the result back, the currencies exchanged.
    rates_.SwapCurrencies();
    Engine()->CurrentEngine().EnterValue(result);
    return true;
}

void CurrencyPanel::ShowSelection(int button, std::uint32_t commandBase, int chosen)
{
    if (restoreAtNextList_) {
        rates_.RestoreSelection();
        restoreAtNextList_ = false;
        chosen = button == ButtonFrom ? rates_.FromIndex() : rates_.ToIndex();
    }
    ShowList(button, [&](MenuList& list) { FillCurrencySelectionList(list, rates_, commandBase, chosen); });
}

void CurrencyPanel::PressButton(int index)
{
    switch (index) {
    case ButtonFrom: ShowSelection(index, kFromCommand, rates_.FromIndex()); break;
    case ButtonTo:
        SaveSelection();
        ShowSelection(index, kToCommand, rates_.ToIndex());
        break;
    case ButtonUpdate: StartUpdate(); break;
    default: break;
    }
}

long CurrencyPanel::UserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t)
{
    if (message != kRateUpdateMessage) return kNotHandled;
    const bool ended = updater_.Transfer(static_cast<std::uint32_t>(first));
    if (first == TransferComplete) ReadRates();
    if (ended && Window()) {
        Window()->SetTimer(RateUpdater::kStatusTimer, RateUpdater::kStatusMilliseconds);
        Repaint();
    }
    return 1;
}

long CurrencyPanel::Command(std::uint32_t command, std::intptr_t)
{
    if (command == kUpdateCommand) {
        StartUpdate();
        return 1;
    }
    if (const std::optional<int> from = IndexIn(command, kFromCommand)) {
        rates_.SetFromCurrency(*from);
    } else if (const std::optional<int> to = IndexIn(command, kToCommand)) {
        rates_.SetToCurrency(*to);
    } else {
        return kNotHandled;
    }
    Repaint();
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

void CurrencyPanel::DescribeState(std::vector<StateLine>& lines) const
{
    const std::vector<Rect>& rows = Layout().rows;
    if (rows.size() <= RowStatusDetail) return;
    const Shown shown = ShownNow();
    lines.push_back({"panel", {"currencies"}});
    lines.push_back({"from", {QuotedStateText(shown.fromCode), QuotedStateText(RowNumberText(shown.from))}, std::nullopt,
                     rows[RowFrom]});
    lines.push_back({"to", {QuotedStateText(shown.toCode), QuotedStateText(RowNumberText(shown.to))}, std::nullopt,
                     rows[RowTo]});
    lines.push_back({"bidask", {}, shown.bidAsk});
    lines.push_back({"rates", {}, std::wstring(TrimBlanks(rates_.UpdatedDateText() + rates_.UpdatedTimeText()))});
    if (rates_.UpdatedUtc() != 0) {
        std::vector<std::string> age = {QuotedStateText(RateAgeText(rates_.UpdatedUtc(), now_()))};
        if (shipped_) age.push_back(QuotedStateText(kNeverUpdated));
        lines.push_back({"age", age});
    }
    if (updater_.Status() != RateUpdateStatus::Idle) lines.push_back({"status", {}, JoinedLines(StatusLines())});
    DescribeControls(lines);
}

}  // namespace tallyx
