#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "convert/rate_text.h"
#include "convert/result_text_part.h"

namespace tallyx {

// The currencies of the rate file and one conversion between two of them:
// the "World Currencies" mode's model. An index into the list identifies a
// currency everywhere; the selection and the recent currencies are kept in
// the registry by their codes.
class CurrencyList {
public:
    static constexpr std::size_t kRecentSlots = 6;

    // Empties the list and reads the rate file of the program folder; a
    // missing or unreadable file leaves the list empty. Always true.
    bool LoadRateFile();

    std::size_t Count() const { return entries_.size(); }
    // False for an index outside the list; otherwise copies the texts asked for.
    bool GetEntryTexts(int index, std::wstring* code, std::wstring* name, std::wstring* symbol) const;

    // False for an index outside the list; otherwise selects it and makes it recent.
    bool SetFromCurrency(int index);
    bool SetToCurrency(int index);
    void SwapCurrencies();
    int FromIndex() const { return from_; }
    int ToIndex() const { return to_; }

    // Reads the text as a decimal number (no number gives 0) and converts it;
    // false only when there is no text.
    bool SetAmount(const wchar_t* text);
    // The converted amount from the middle rate of the from-currency; bid and
    // ask results from the to-currency's buying and selling rates.
    void Recalculate();
    double Amount() const { return amount_; }
    double Converted() const { return converted_; }
    double BidResult() const { return bidResult_; }
    double AskResult() const { return askResult_; }
    // The converted amount as number text, or a part of it; bid and ask
    // results as number text. False when text is absent.
    bool GetResultText(std::wstring* text, ResultPart part, std::wstring* askText = nullptr,
                       std::wstring* bidText = nullptr) const;

    // Puts index in front of the recent list unless it is among the first five.
    void AddRecent(int index);
    bool GetRecent(std::size_t slot, int& index) const;
    bool SetRecent(std::size_t slot, int index);

    // The selection and the recent codes from and to the registry.
    void RestoreSelection();
    void SaveSelection() const;

    // When the rates are from, in the user's formats.
    const std::wstring& UpdatedDateText() const { return updatedDate_; }
    const std::wstring& UpdatedTimeText() const { return updatedTime_; }
    // Seconds since 1970 UTC; 0 when the file does not say.
    std::int64_t UpdatedUtc() const { return updatedUtc_; }
    // Formats of a named locale instead of the user's.
    void SetLocaleName(std::string name) { localeName_ = std::move(name); }

private:
    bool Contains(int index) const;
    void ReadRates();

    std::vector<CurrencyEntry> entries_;
    int from_ = 0;
    int to_ = 1;
    double amount_ = 0.0;
    double converted_ = 0.0;
    double bidResult_ = 0.0;
    double askResult_ = 0.0;
    std::wstring resultText_;
    std::array<int, kRecentSlots> recent_{};
    std::wstring updatedDate_;
    std::wstring updatedTime_;
    std::int64_t updatedUtc_ = 0;
    std::string localeName_;
};

}  // namespace tallyx
