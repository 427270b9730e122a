#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "worksheets/worksheet_host.h"

namespace tallyx {

// Money as a schedule lists it: whole cents, so that a column adds up to its
// total exactly, as a spreadsheet will add it.
using Cents = std::int64_t;

// One line of a schedule: its period (or year) and an amount per column; a
// column that has nothing to add up (a balance on the totals line) is empty.
struct ScheduleLine {
    std::wstring key;
    std::vector<std::optional<Cents>> amounts;
};

// A period-by-period table of a loan or an asset: the column names (the first
// names the key), a line per period and the totals. No lines means the sheet's
// values make no schedule (nothing borrowed, no life).
struct ScheduleTable {
    std::vector<std::wstring> columns;
    std::vector<ScheduleLine> lines;
    ScheduleLine totals;
};

// The table as spreadsheets open it: a header line, then a line per period and
// the totals, comma-separated, "." as the decimal point, two decimals; UTF-8,
// each line ending in a line feed.
std::string ScheduleCsv(const ScheduleTable& table);
// The table for a results list: the header, then a line per period and the
// totals, each with its amounts side by side.
std::vector<ResultRow> ScheduleResultRows(const ScheduleTable& table);
// "-1234.05"
std::wstring CentsText(Cents amount);
// The cents a two-decimal cell shows for an amount: its twelve significant
// digits cut after the second decimal. Schedules list what the sheets show,
// so that their totals agree to the cent.
Cents ShownCents(double amount);
// A finite amount small enough to be listed in cents.
bool IsScheduleAmount(double amount);

// A schedule is this many lines at most; a longer term makes none.
inline constexpr int kLongestSchedule = 20000;

// Lists the amounts of one column through their running total, so that the
// listed amounts add up exactly to the total as a sheet shows it and none is
// more than a cent from its exact value.
class CentRounding {
public:
    Cents Next(double amount);

private:
    double total_ = 0.0;
    Cents listed_ = 0;
};

}  // namespace tallyx
