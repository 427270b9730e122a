#include "worksheets/schedule_table.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/depreciation_worksheet.h"
#include "worksheets/loan_worksheet.h"
#include "worksheets/mortgage_worksheet.h"
#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

enum Column { Payment, Interest, Principal, Balance };

struct Entry {
    const wchar_t *label, *text;
};

void TypeAll(Worksheet& sheet, const std::vector<Entry>& entries)
{
    for (const Entry& entry : entries) TypeInto(sheet, entry.label, entry.text);
}

Cents Amount(const ScheduleLine& line, Column column)
{
    return line.amounts.at(column).value_or(-1);
}

// Each line pays its interest and principal, and the balance falls by the
// principal from the amount lent to 0.
void ExpectLinesAddUp(const ScheduleTable& table, Cents lent)
{
    Cents balance = lent;
    for (const ScheduleLine& line : table.lines) {
        EXPECT_EQ(Amount(line, Payment), Amount(line, Interest) + Amount(line, Principal)) << line.key;
        balance -= Amount(line, Principal);
        EXPECT_EQ(Amount(line, Balance), balance) << line.key;
    }
    EXPECT_EQ(balance, 0);
    EXPECT_EQ(Amount(table.totals, Principal), lent);
    EXPECT_FALSE(table.totals.amounts.at(Balance).has_value());
}

Cents ColumnSum(const ScheduleTable& table, Column column)
{
    Cents sum = 0;
    for (const ScheduleLine& line : table.lines) sum += Amount(line, column);
    return sum;
}

struct MortgageCase {
    int schedule;
    std::vector<Entry> entries;
    std::size_t lines;  // 0: fewer than the periods, as accelerated payments end early
};

TEST(ScheduleTest, MortgageSchedulesAddUpToTheSheetsTotalsToTheCent)
{
    const MortgageCase cases[] = {
        {0, {{L"Principle", L"300000"}, {L"Terms (years)", L"30"}, {L"Interest Rate", L"6"}}, 360},
        {0, {}, 300},
        {0, {{L"Interest Rate", L"0"}}, 300},
        {1, {}, 0},
        {2, {{L"Principle", L"180000.55"}, {L"Terms (years)", L"15"}, {L"Interest Rate", L"4.35"}}, 15 * 26},
        {3, {}, 0},
        {4, {{L"Terms (years)", L"10"}}, 10 * 52},
        {5, {}, 0},
        {6, {{L"Interest Rate", L"7.125"}}, 24 * 25},
        {7, {}, 0},
        {8, {{L"Principle", L"1000"}, {L"Terms (years)", L"1"}, {L"Interest Rate", L"12"}}, 6},
        {9, {{L"Terms (years)", L"2"}}, 12},
    };
    for (const MortgageCase& example : cases) {
        FreshRegistry fresh;
        const WorksheetOptions options{false, example.schedule};
        MortgageWorksheet sheet(options);
        sheet.BuildCells();
        TypeAll(sheet, example.entries);
        const ScheduleTable table = sheet.Schedule();
        if (example.lines != 0) {
            EXPECT_EQ(table.lines.size(), example.lines) << example.schedule;
        } else {
            EXPECT_LT(table.lines.size(), static_cast<std::size_t>(sheet.Record().Payments())) << example.schedule;
        }
        // What the sheet shows, as the schedule was asked for: no Calc needed.
        EXPECT_EQ(Shown(sheet, L"Total interest"), CentsText(Amount(table.totals, Interest))) << example.schedule;
        EXPECT_EQ(Shown(sheet, L"Total repaid"), CentsText(Amount(table.totals, Payment))) << example.schedule;
        EXPECT_EQ(ColumnSum(table, Interest), Amount(table.totals, Interest));
        EXPECT_EQ(ColumnSum(table, Payment), Amount(table.totals, Payment));
        ExpectLinesAddUp(table, ShownCents(sheet.Record().Principle()));
    }
}

struct LoanCase {
    std::vector<Entry> entries;
    std::size_t months;
};

TEST(ScheduleTest, LoanSchedulesAddUpToTheSheetsTotalsToTheCent)
{
    const LoanCase cases[] = {
        {{{L"Price", L"20000"}, {L"Number of months", L"48"}, {L"Interest rate", L"6"}}, 48},
        {{{L"Price", L"1000"}, {L"Number of months", L"3"}, {L"Interest rate", L"12"}}, 3},
        {{{L"Price", L"35000.37"}, {L"Sales Tax", L"7.25"}, {L"Trade in", L"2500"}, {L"Number of months", L"72"},
          {L"Interest rate", L"3.9"}},
         72},
        {{{L"Price", L"5000"}, {L"Number of months", L"7"}, {L"Interest rate", L"0"}}, 7},
        {{{L"Price", L"2000000"}, {L"Number of months", L"360"}, {L"Interest rate", L"9"}}, 360},
    };
    for (const LoanCase& example : cases) {
        FreshRegistry fresh;
        const WorksheetOptions options;
        LoanWorksheet sheet(options);
        sheet.BuildCells();
        TypeAll(sheet, example.entries);
        const ScheduleTable table = sheet.Schedule();
        EXPECT_EQ(table.lines.size(), example.months);
        EXPECT_EQ(Shown(sheet, L"Total interest"), CentsText(Amount(table.totals, Interest)));
        EXPECT_EQ(Shown(sheet, L"Total repaid"), CentsText(Amount(table.totals, Payment)));
        EXPECT_EQ(ColumnSum(table, Interest), Amount(table.totals, Interest));
        ExpectLinesAddUp(table, Amount(table.totals, Principal));
    }
}

// Add-on interest (kept in the record, set by no cell) charges the same interest every month.
TEST(ScheduleTest, AddOnInterestIsChargedInEqualShares)
{
    FreshRegistry fresh;
    WriteStoredInteger(kCarLoanKey, L"FullInterest", 1);
    const WorksheetOptions options;
    LoanWorksheet sheet(options);
    sheet.BuildCells();
    TypeAll(sheet, {{L"Price", L"1200"}, {L"Number of months", L"12"}, {L"Interest rate", L"10"}});
    const ScheduleTable table = sheet.Schedule();
    ASSERT_EQ(table.lines.size(), 12u);
    for (const ScheduleLine& line : table.lines) {
        EXPECT_EQ(Amount(line, Interest), 1000) << line.key;
        EXPECT_EQ(Amount(line, Principal), 10000) << line.key;
    }
    EXPECT_EQ(Shown(sheet, L"Total interest"), L"120.00");
}

struct DepreciationCase {
    std::vector<Entry> entries;
    std::vector<const wchar_t*> years;  // the key of each line
};

TEST(ScheduleTest, DepreciationListsEachYearOfTheLifeAndEndsAtTheSalvage)
{
    const std::vector<Entry> common = {{L"Cost", L"1000"}, {L"Salary", L"100"}, {L"Start Year", L"2009"}};
    const DepreciationCase cases[] = {
        {{{L"Life", L"3"}, {L"Start Month", L"7"}}, {L"2009", L"2010", L"2011", L"2012"}},
        {{{L"Life", L"3"}, {L"Start Month", L"1"}}, {L"2009", L"2010", L"2011"}},
        {{{L"Life", L"1"}, {L"Start Month", L"12"}}, {L"2009", L"2010"}},
    };
    for (const DepreciationCase& example : cases) {
        FreshRegistry fresh;
        const WorksheetOptions options;
        DepreciationWorksheet sheet(options);
        sheet.BuildCells();
        TypeAll(sheet, common);
        TypeAll(sheet, example.entries);
        const ScheduleTable table = sheet.Schedule();
        ASSERT_EQ(table.lines.size(), example.years.size());
        for (std::size_t line = 0; line < table.lines.size(); ++line) {
            const ScheduleLine& year = table.lines[line];
            EXPECT_EQ(year.key, example.years[line]);
            // The book value the sheet gives for that year.
            TypeInto(sheet, L"Year", year.key);
            sheet.Calculate();
            EXPECT_EQ(Shown(sheet, L"RBVal"), CentsText(year.amounts.at(2).value_or(-1))) << year.key;
        }
        EXPECT_EQ(table.lines.back().amounts.at(2), 10000);
        EXPECT_EQ(table.totals.amounts.at(0), 90000);
    }
}

TEST(ScheduleTest, ValuesThatMakeNoScheduleGiveNoLines)
{
    FreshRegistry fresh;
    const WorksheetOptions options;
    LoanWorksheet loan(options);
    loan.BuildCells();
    EXPECT_TRUE(loan.Schedule().lines.empty());  // nothing borrowed
    TypeAll(loan, {{L"Price", L"1000"}, {L"Number of months", L"30000"}, {L"Interest rate", L"5"}});
    const ScheduleTable tooLong = loan.Schedule();
    EXPECT_TRUE(tooLong.lines.empty());
    EXPECT_EQ(tooLong.columns.size(), 5u);

    DepreciationWorksheet depreciation(options);
    depreciation.BuildCells();
    TypeAll(depreciation, {{L"Life", L"0"}, {L"Cost", L"1000"}});
    EXPECT_TRUE(depreciation.Schedule().lines.empty());
}

TEST(ScheduleTest, CsvHasAHeaderTwoDecimalsAndEmptyColumnsLeftEmpty)
{
    const ScheduleTable table{
        {L"Period", L"Payment", L"Balance"},
        {{L"1", {12345, -5}}, {L"2", {0, -100}}},
        {L"Total", {12345, std::nullopt}},
    };
    EXPECT_EQ(ScheduleCsv(table), "Period,Payment,Balance\n1,123.45,-0.05\n2,0.00,-1.00\nTotal,123.45,\n");
    const std::vector<ResultRow> rows = ScheduleResultRows(table);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].label, L"Period");
    EXPECT_EQ(rows[0].value, L"Payment  Balance");
    EXPECT_EQ(rows[1].value, L"123.45  -0.05");
    EXPECT_EQ(rows[3].value, L"123.45  ");
    EXPECT_TRUE(ScheduleResultRows(ScheduleTable{}).empty());
}

TEST(ScheduleTest, RoundingThroughTheRunningTotalKeepsTheColumnSum)
{
    CentRounding thirds;
    std::vector<Cents> listed;
    for (int part = 0; part < 3; ++part) listed.push_back(thirds.Next(100.0 / 3.0));
    EXPECT_EQ(listed, (std::vector<Cents>{3333, 3333, 3334}));
    EXPECT_EQ(ShownCents(2545.6299999999), 254563);  // twelve digits first, as a cell shows it
    EXPECT_EQ(ShownCents(-0.004), 0);
    EXPECT_EQ(ShownCents(1.5e13), 1500000000000000);
}

}  // namespace
}  // namespace tallyx
