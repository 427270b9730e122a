#include "convert/currency_list.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "convert/currency_number_text.h"
#include "convert/rate_archive.h"
#include "convert/rate_file_store.h"
#include "convert/rate_time_text.h"
#include "platform/ini_text.h"
#include "platform/number_text.h"
#include "platform/services.h"

namespace tallyx {
namespace {

constexpr std::wstring_view kFromValue = L"CurFrom";
constexpr std::wstring_view kToValue = L"CurTo";
constexpr std::wstring_view kRecentValuePrefix = L"CF";
constexpr std::array<std::wstring_view, CurrencyList::kRecentSlots> kDefaultRecentCodes = {L"EUR", L"USD", L"JPY",
                                                                                           L"GBP", L"CHF", L"CAD"};
// A fresh rate file puts its first three currencies first among the recent ones.
constexpr std::size_t kSlotsFilledOnLoad = 3;
// An index already in one of these slots stays where it is.
constexpr std::size_t kSlotsKeptInPlace = 5;

std::wstring RecentValueName(std::size_t slot)
{
    return std::wstring(kRecentValuePrefix) + FormatInteger(static_cast<long long>(slot));
}

bool WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace

bool CurrencyList::Contains(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < entries_.size();
}

bool CurrencyList::LoadRateFile()
{
    entries_.clear();
    ReadRates();
    std::error_code ignored;
    std::filesystem::remove(RateTextPath(), ignored);
    return true;
}

// The archive's text always goes to the one text file of the program folder,
// whatever its entry is called.
void CurrencyList::ReadRates()
{
    std::string text;
    IniText rates;
    if (ReadRateArchive(RateFilePath(), text) != StatusOk || !WriteText(RateTextPath(), text) ||
        rates.LoadFromFile(RateTextPath()) != StatusOk) {
        return;
    }
    RateTable table = ReadRateText(rates);
    entries_ = std::move(table.entries);
    if (!table.complete) {
        return;
    }
    for (std::size_t slot = 0; slot < kSlotsFilledOnLoad; ++slot) {
        recent_[slot] = static_cast<int>(slot);
    }
    const RateTimeText updated = FormatRateTime(table.utc, localeName_);
    updatedDate_ = updated.date;
    updatedTime_ = updated.time;
    updatedUtc_ = table.utc;
}

bool CurrencyList::GetEntryTexts(int index, std::wstring* code, std::wstring* name, std::wstring* symbol) const
{
    if (!Contains(index)) {
        return false;
    }
    const CurrencyEntry& entry = entries_[static_cast<std::size_t>(index)];
    if (code) *code = entry.code;
    if (name) *name = entry.name;
    if (symbol) *symbol = entry.symbol;
    return true;
}

bool CurrencyList::SetFromCurrency(int index)
{
    if (!Contains(index)) {
        return false;
    }
    from_ = index;
    AddRecent(index);
    return true;
}

bool CurrencyList::SetToCurrency(int index)
{
    if (!Contains(index)) {
        return false;
    }
    to_ = index;
    AddRecent(index);
    return true;
}

void CurrencyList::SwapCurrencies()
{
    std::swap(from_, to_);
}

bool CurrencyList::SetAmount(const wchar_t* text)
{
    if (!text) {
        return false;
    }
    amount_ = ParseDouble(text);
    Recalculate();
    return true;
}

void CurrencyList::Recalculate()
{
    if (!Contains(from_) || !Contains(to_)) {
        return;
    }
    const CurrencyEntry& from = entries_[static_cast<std::size_t>(from_)];
    const CurrencyEntry& to = entries_[static_cast<std::size_t>(to_)];
    if (from.rate == 0.0 || to.rate == 0.0) {
        return;
    }
    const double inDollars = (1.0 / from.rate) * amount_;
    converted_ = inDollars * to.rate;
    askResult_ = inDollars * to.ask;
    bidResult_ = inDollars * to.bid;
    resultText_ = CurrencyNumberText(converted_);
}

bool CurrencyList::GetResultText(std::wstring* text, ResultPart part, std::wstring* askText,
                                 std::wstring* bidText) const
{
    if (!text) {
        return false;
    }
    *text = ResultTextPart(resultText_, part);
    if (askText) *askText = CurrencyNumberText(askResult_);
    if (bidText) *bidText = CurrencyNumberText(bidResult_);
    return true;
}

void CurrencyList::AddRecent(int index)
{
    if (!Contains(index)) {
        return;
    }
    const auto keptInPlace = recent_.begin() + kSlotsKeptInPlace;
    if (std::find(recent_.begin(), keptInPlace, index) != keptInPlace) {
        return;
    }
    std::copy_backward(recent_.begin(), keptInPlace, recent_.end());
    recent_.front() = index;
}

bool CurrencyList::GetRecent(std::size_t slot, int& index) const
{
    if (slot >= kRecentSlots) {
        return false;
    }
    index = recent_[slot];
    return true;
}

bool CurrencyList::SetRecent(std::size_t slot, int index)
{
    if (slot >= kRecentSlots) {
        return false;
    }
    recent_[slot] = index;
    return true;
}

void CurrencyList::RestoreSelection()
{
    Registry& registry = *Platform().registry;
    std::uint32_t stored = 0;
    if (registry.ReadDword(kTallyxKey, kFromValue, stored) == StatusOk) {
        SetFromCurrency(static_cast<int>(stored));
    }
    if (registry.ReadDword(kTallyxKey, kToValue, stored) == StatusOk) {
        SetToCurrency(static_cast<int>(stored));
    }
    std::array<std::wstring, kRecentSlots> codes;
    for (std::size_t slot = 0; slot < kRecentSlots; ++slot) {
        if (registry.ReadString(kTallyxKey, RecentValueName(slot), codes[slot]) != StatusOk) {
            codes[slot] = kDefaultRecentCodes[slot];
        }
    }
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        for (std::size_t slot = 0; slot < kRecentSlots; ++slot) {
            if (entries_[index].code == codes[slot]) {
                recent_[slot] = static_cast<int>(index);
            }
        }
    }
}

// A recent slot that names no currency keeps the code stored before.
void CurrencyList::SaveSelection() const
{
    Registry& registry = *Platform().registry;
    registry.WriteDword(kTallyxKey, kFromValue, static_cast<std::uint32_t>(from_));
    registry.WriteDword(kTallyxKey, kToValue, static_cast<std::uint32_t>(to_));
    for (std::size_t slot = 0; slot < kRecentSlots; ++slot) {
        if (Contains(recent_[slot])) {
            registry.WriteString(kTallyxKey, RecentValueName(slot),
                                 entries_[static_cast<std::size_t>(recent_[slot])].code);
        }
    }
}

}  // namespace tallyx
