#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/cli_command.h"
#include "app/cli/name_match.h"
#include "convert/currency_list.h"
#include "convert/rate_archive.h"
#include "convert/rate_file_store.h"
#include "convert/rate_source.h"
#include "convert/rate_time_text.h"
#include "convert/rate_update.h"
#include "convert/reference_rate_xml.h"
#include "platform/ini_text.h"
#include "platform/number_text.h"
#include "platform/wide_text.h"

namespace tallyx::cli {
namespace {

constexpr std::string_view kUrlOption = "--url";
constexpr std::string_view kReferenceRatesMark = "<Cube";
constexpr std::size_t kColumnGap = 2;
// Amounts on the console: enough digits for any money, none of the noise.
constexpr int kAmountDigits = 10;

std::ostream& operator<<(std::ostream& out, std::wstring_view text)
{
    return out << NarrowUtf8(text);
}

// What each transfer code says on the console.
struct ProgressText {
    std::uint32_t code;
    std::string_view text;
};

constexpr ProgressText kProgressTexts[] = {
    {TransferThreadStarted, "Connecting ..."},
    {TransferNoConnection, "No answer from the rate server yet"},
    {TransferTimedOut, "The transfer took too long"},
    {TransferRequestFailed, "The rate server could not be reached or refused the request"},
    {TransferRequestOpen, "Receiving rates"},
    {TransferComplete, "Received"},
    {TransferWriteFailed, "The download could not be written"},
};

// Prints the progress of a download as it comes, from whichever thread posts it.
class ProgressPrinter : public MessageSink {
public:
    explicit ProgressPrinter(std::ostream& out) : out_(out) {}

    void Post(std::uint32_t, std::uint32_t code, std::uint32_t bytes) override
    {
        std::lock_guard lock(mutex_);
        complete_ = complete_ || code == TransferComplete;
        if (code == TransferBlockWritten) {
            received_ += bytes;
            return;
        }
        const auto text = std::find_if(std::begin(kProgressTexts), std::end(kProgressTexts),
                                       [&](const ProgressText& progress) { return progress.code == code; });
        if (text != std::end(kProgressTexts)) {
            out_ << text->text << (code == TransferComplete ? " " + std::to_string(received_) + " bytes" : "")
                 << '\n';
        }
    }

    bool Complete()
    {
        std::lock_guard lock(mutex_);
        return complete_;
    }

private:
    std::ostream& out_;
    std::mutex mutex_;
    std::size_t received_ = 0;
    bool complete_ = false;
};

// The rates of the program folder, seeded with the shipped ones on first use.
CurrencyList LoadRates()
{
    SeedRateFile();
    CurrencyList list;
    list.LoadRateFile();
    return list;
}

std::string AmountText(double amount)
{
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::general, kAmountDigits);
    return std::string(buffer, written.ptr);
}

std::vector<CurrencyEntry> Entries(const CurrencyList& list)
{
    std::vector<CurrencyEntry> entries(list.Count());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        list.GetEntryTexts(static_cast<int>(index), &entries[index].code, &entries[index].name, &entries[index].symbol);
    }
    return entries;
}

void PrintUpdated(const CurrencyList& list, std::ostream& out)
{
    out << RatesOfText(list.UpdatedDateText() + list.UpdatedTimeText(), list.UpdatedUtc(), UtcNow()) << '\n';
}

int RunList(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    if (arguments.size() != 1) {
        error << "usage: tallyx-cli rates list\n";
        return kExitUsage;
    }
    const CurrencyList list = LoadRates();
    if (list.Count() == 0) {
        error << "tallyx-cli rates: no readable rate file in " << RateFilePath().string() << '\n';
        return kExitFailure;
    }
    const std::vector<CurrencyEntry> entries = Entries(list);
    std::size_t width = 0;
    for (const CurrencyEntry& entry : entries) {
        width = std::max(width, entry.name.size());
    }
    for (const CurrencyEntry& entry : entries) {
        out << entry.code << std::string(kColumnGap, ' ') << entry.name
            << std::string(width - entry.name.size() + kColumnGap, ' ') << entry.symbol << '\n';
    }
    PrintUpdated(list, out);
    if (ShippedRatesInstalled()) {
        out << "These are the rates that came with Tallyx and have never been updated; "
               "tallyx-cli rates update fetches current ones\n";
    }
    return kExitOk;
}

std::optional<int> ChooseCurrency(const std::vector<CurrencyEntry>& entries, const std::string& typed,
                                  std::ostream& error)
{
    std::vector<NamedChoice> choices;
    for (const CurrencyEntry& entry : entries) {
        choices.push_back({{entry.code, entry.name}, entry.code + L" (" + entry.name + L")"});
    }
    const NameMatch match = MatchName(WidenUtf8(typed), choices);
    if (match.outcome == NameMatch::Outcome::Found) {
        return static_cast<int>(match.index);
    }
    const bool ambiguous = match.outcome == NameMatch::Outcome::Ambiguous;
    error << "tallyx-cli rates: " << (ambiguous ? "ambiguous" : "unknown") << " currency '" << typed << "'; "
          << (ambiguous ? "it could be " : "the closest are ") << JoinNames(match.names)
          << " (rates list shows them all)\n";
    return std::nullopt;
}

// A typing slip must not convert as 0: only a whole number text is an amount.
std::optional<std::wstring> Amount(const std::string& typed)
{
    const std::wstring wide = WidenUtf8(typed);
    const std::wstring_view number = TrimBlanks(wide);
    std::size_t consumed = 0;
    ParseDouble(number, &consumed);
    return consumed > 0 && consumed == number.size() ? std::optional<std::wstring>(number) : std::nullopt;
}

int RunConvert(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    if (arguments.size() != 4) {
        error << "usage: tallyx-cli rates convert AMOUNT FROM TO\n";
        return kExitUsage;
    }
    const auto amount = Amount(arguments[1]);
    if (!amount) {
        error << "tallyx-cli rates: '" << arguments[1] << "' is not a number\n";
        return kExitUsage;
    }
    CurrencyList list = LoadRates();
    const std::vector<CurrencyEntry> entries = Entries(list);
    const auto from = ChooseCurrency(entries, arguments[2], error);
    const auto to = ChooseCurrency(entries, arguments[3], error);
    if (!from || !to) {
        return entries.empty() ? kExitFailure : kExitUsage;
    }
    list.SetFromCurrency(*from);
    list.SetToCurrency(*to);
    list.SetAmount(amount->c_str());
    out << AmountText(list.Amount()) << ' ' << entries[static_cast<std::size_t>(*from)].code << " = "
        << AmountText(list.Converted()) << ' ' << entries[static_cast<std::size_t>(*to)].code
        << "  (bid:" << AmountText(list.BidResult()) << " ask:" << AmountText(list.AskResult()) << ")\n";
    PrintUpdated(list, out);
    return kExitOk;
}

// A rate text as it is, or one made from reference-rate XML.
bool RateText(const std::string& input, std::string& text, std::ostream& error)
{
    if (input.find(kReferenceRatesMark) == std::string::npos) {
        text = input;
    } else if (ReferenceRatesToRateText(input, Entries(LoadRates()), text) != StatusOk) {
        error << "tallyx-cli rates: the reference rates hold no US dollar rate\n";
        return false;
    }
    IniText rates;
    if (rates.LoadFromText(text) != StatusOk || ReadRateText(rates).entries.empty()) {
        error << "tallyx-cli rates: the input lists no currencies\n";
        return false;
    }
    return true;
}

int RunMake(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    if (arguments.size() != 3) {
        error << "usage: tallyx-cli rates make INPUT OUTPUT\n";
        return kExitUsage;
    }
    std::ifstream file(arguments[1], std::ios::binary);
    if (!file) {
        error << "tallyx-cli rates: cannot read " << arguments[1] << '\n';
        return kExitFailure;
    }
    const std::string input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string text;
    if (!RateText(input, text, error)) {
        return kExitFailure;
    }
    if (WriteRateArchive(arguments[2], text) != StatusOk) {
        error << "tallyx-cli rates: cannot write " << arguments[2] << '\n';
        return kExitFailure;
    }
    out << "Wrote " << arguments[2] << '\n';
    return kExitOk;
}

int RunUpdate(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    const bool urlGiven = arguments.size() == 3 && arguments[1] == kUrlOption;
    if (arguments.size() != 1 && !urlGiven) {
        error << "usage: tallyx-cli rates update [--url URL]\n";
        return kExitUsage;
    }
    const std::wstring url = urlGiven ? WidenUtf8(arguments[2]) : RateUrl();
    if (url.empty()) {
        error << "tallyx-cli rates: the rate address is empty\n";
        return kExitUsage;
    }
    SeedRateFile();
    ProgressPrinter progress(out);
    if (UpdateRates(url, progress) != StatusOk) {
        out << (progress.Complete() ? "The download is not a rate file; the rates stay as they were\n"
                                    : "Unable to connect\n");
        return kExitFailure;
    }
    CurrencyList list;
    list.LoadRateFile();
    out << "Updated: " << list.UpdatedDateText() << list.UpdatedTimeText() << '\n';
    return kExitOk;
}

struct Subcommand {
    std::string_view name;
    int (*run)(const Arguments& arguments, std::ostream& out, std::ostream& error);
};

constexpr Subcommand kSubcommands[] = {
    {"list", RunList},
    {"convert", RunConvert},
    {"make", RunMake},
    {"update", RunUpdate},
};

int Run(const Arguments& arguments, std::ostream& out, std::ostream& error)
{
    for (const Subcommand& subcommand : kSubcommands) {
        if (!arguments.empty() && arguments[0] == subcommand.name) {
            return subcommand.run(arguments, out, error);
        }
    }
    error << "usage: tallyx-cli " << kRatesCommand.usage << '\n';
    return kExitUsage;
}

}  // namespace

const Command kRatesCommand = {
    "rates", "rates list | rates convert AMOUNT FROM TO | rates make INPUT OUTPUT | rates update [--url URL]", Run};

}  // namespace tallyx::cli
