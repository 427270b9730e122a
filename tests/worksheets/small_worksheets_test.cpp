#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/depreciation_model.h"
#include "worksheets/stored_values.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {
namespace {

struct Entry {
    const wchar_t *label, *text;
};

// A sheet from the catalog with the default options, its cells built.
std::unique_ptr<Worksheet> Opened(std::wstring_view name, WorksheetHost* host = nullptr)
{
    static const WorksheetOptions defaults;
    auto sheet = FindWorksheet(name)->create(defaults);
    if (host != nullptr) sheet->Attach(*host);
    sheet->BuildCells();
    return sheet;
}

struct SheetCase {
    const wchar_t* sheet;
    std::vector<Entry> entries;
    const wchar_t* calculatedRow;
    std::vector<Entry> shown;  // cells as drawn afterwards
};

// Each sheet from its defaults: entries typed in order, Calc on one row.
TEST(SmallWorksheetsTest, CalcSolvesTheHighlightedRow)
{
    const SheetCase cases[] = {
        {L"breakeven", {{L"Price", L"10"}, {L"Var. Cost", L"6"}, {L"Fixed Cost", L"1000"}}, L"Quantity",
         {{L"Quantity", L"250"}}},
        {L"breakeven", {{L"Price", L"10"}, {L"Var. Cost", L"6"}, {L"Fixed Cost", L"1000"}, {L"Quantity", L"400"}},
         L"Profit", {{L"Profit", L"600.00"}}},
        {L"breakeven", {{L"Profit", L"600"}, {L"Var. Cost", L"6"}, {L"Fixed Cost", L"1000"}, {L"Quantity", L"400"}},
         L"Price", {{L"Price", L"10.00"}}},
        {L"breakeven", {{L"Profit", L"600"}, {L"Price", L"10"}, {L"Var. Cost", L"6"}, {L"Quantity", L"400"}},
         L"Fixed Cost", {{L"Fixed Cost", L"1000.00"}}},
        {L"breakeven", {{L"Profit", L"600"}, {L"Price", L"10"}, {L"Fixed Cost", L"1000"}, {L"Quantity", L"400"}},
         L"Var. Cost", {{L"Var. Cost", L"6.00"}}},
        {L"compound", {{L"Start Value", L"100"}, {L"Interest Rate", L"5"}, {L"# of Periods", L"10"}}, L"Final Value",
         {{L"Final Value", L"162.88"}}},
        {L"compound", {{L"Final Value", L"162.889462678"}, {L"Interest Rate", L"5"}, {L"# of Periods", L"10"}},
         L"Start Value", {{L"Start Value", L"100.00"}}},
        {L"compound", {{L"Start Value", L"100"}, {L"Final Value", L"162.889462677744"}, {L"# of Periods", L"10"}},
         L"Interest Rate", {{L"Interest Rate", L"5%"}}},
        {L"compound", {{L"Start Value", L"100"}, {L"Final Value", L"200"}, {L"Interest Rate", L"7"}}, L"# of Periods",
         {{L"# of Periods", L"10"}}},
        {L"conversion", {{L"Nominal Rate", L"12"}}, L"Effective Rate", {{L"Effective Rate", L"12.68250301%"}}},
        {L"conversion", {{L"Effective Rate", L"12.6825030132"}}, L"Nominal Rate", {{L"Nominal Rate", L"12%"}}},
        {L"conversion", {{L"Periods / Year", L"4"}, {L"Nominal Rate", L"8"}}, L"Periods / Year",
         {{L"Periods / Year", L"4"}, {L"Effective Rate", L"0%"}}},
        {L"margin", {{L"Cost", L"80"}, {L"Price", L"100"}}, L"Profit", {{L"Profit", L"20%"}}},
        {L"margin", {{L"Cost", L"80"}, {L"Profit", L"20"}}, L"Price", {{L"Price", L"100.00"}}},
        {L"margin", {{L"Price", L"100"}, {L"Profit", L"20"}}, L"Cost", {{L"Cost", L"80.00"}}},
        {L"tip", {{L"Bill Amount", L"80"}, {L"Tip Percent", L"15"}, {L"Num. People", L"4"}}, L"Tip Amount",
         {{L"Tip Amount", L"12.00"}, {L"Bill Total", L"92.00"}, {L"Total per Per.", L"23.00"}}},
        {L"tip", {{L"Bill Amount", L"80"}, {L"Tip Percent", L"12.5"}}, L"Num. People",
         {{L"Tip Percent", L"12.5%"}, {L"Tip Amount", L"10.00"}, {L"Bill Total", L"90.00"}}},
        {L"tip", {{L"Bill Amount", L"80"}, {L"Tip Percent", L"101"}, {L"Num. People", L"22"}}, L"Bill Total",
         {{L"Tip Amount", L"0.00"}, {L"Total per Per.", L"80.00"}}},
        // Checked by hand against the amortisation formula P·r·n / (1 − (1 + r)^−n).
        {L"loan", {{L"Price", L"20000"}, {L"Number of months", L"48"}, {L"Interest rate", L"0"}}, L"Monthly payment",
         {{L"Monthly payment", L"416.66"}, {L"Total interest", L"0.00"}, {L"Total repaid", L"20000.00"}}},
        {L"loan", {{L"Price", L"25000"}, {L"Number of months", L"60"}, {L"Interest rate", L"4.5"},
                   {L"Down payment", L"5000"}}, L"Monthly payment",
         {{L"Monthly payment", L"372.86"}, {L"Total interest", L"2371.62"}, {L"Total repaid", L"22371.62"}}},
        {L"loan", {{L"Price", L"1500000"}, {L"Number of months", L"60"}, {L"Interest rate", L"5"}}, L"Monthly payment",
         {{L"Monthly payment", L"28306.85"}, {L"Total interest", L"198411.02"}, {L"Total repaid", L"1698411.02"}}},
    };
    for (const auto& example : cases) {
        FreshRegistry fresh;
        const auto sheet = Opened(example.sheet);
        for (const Entry& entry : example.entries) {
            TypeInto(*sheet, entry.label, entry.text);
        }
        CalculateOn(*sheet, example.calculatedRow);
        for (const Entry& expected : example.shown) {
            EXPECT_EQ(Shown(*sheet, expected.label), expected.text) << example.sheet << ": " << expected.label;
        }
    }
}

struct DepreciationYear {
    const wchar_t *year, *depreciation, *bookValue, *depreciableValue;
};

TEST(SmallWorksheetsTest, DepreciationSharesAddUpToCostLessSalvage)
{
    const DepreciationYear years[] = {
        {L"2008", L"150.00", L"850.00", L"750.00"},  // before the start year: refused, stays 2009
        {L"2009", L"150.00", L"850.00", L"750.00"},
        {L"2010", L"300.00", L"550.00", L"450.00"},
        {L"2011", L"300.00", L"250.00", L"150.00"},
        {L"2012", L"150.00", L"100.00", L"0.00"},
        {L"2013", L"0.00", L"100.00", L"0.00"},
    };
    FreshRegistry fresh;
    FixedClock clock(DateTime{2009, 6, 15});
    PlatformServices services = Platform();
    services.clock = &clock;
    const ScopedPlatform platform(services);
    RecordingHost host;
    const auto sheet = Opened(L"depreciation", &host);
    EXPECT_EQ(Shown(*sheet, L"Start Year"), L"2009");
    TypeInto(*sheet, L"Life", L"3");
    TypeInto(*sheet, L"Start Month", L"7");
    TypeInto(*sheet, L"Cost", L"1000");
    TypeInto(*sheet, L"Salary", L"100");
    for (const auto& year : years) {
        sheet->TapCell(CellNamed(*sheet, L"Year"));
        sheet->TakeDisplayText(year.year);
        sheet->Calculate();
        EXPECT_EQ(Shown(*sheet, L"Depreciation"), year.depreciation) << year.year;
        EXPECT_EQ(Shown(*sheet, L"RBVal"), year.bookValue) << year.year;
        EXPECT_EQ(Shown(*sheet, L"RDVal"), year.depreciableValue) << year.year;
        EXPECT_EQ(sheet->Navigation().FirstVisibleRow(), CellNamed(*sheet, L"Depreciation"));
        EXPECT_EQ(sheet->HighlightedCell(), CellNamed(*sheet, L"Depreciation"));
        EXPECT_EQ(host.display, sheet->Cells()[CellNamed(*sheet, L"Depreciation")].Text());
    }
}

TEST(SmallWorksheetsTest, DepreciationSettersKeepTheScheduleSound)
{
    DepreciationModel model(2009);
    struct Attempt {
        bool (DepreciationModel::*set)(std::int32_t);
        std::int32_t value;
        bool taken;
    };
    const Attempt attempts[] = {
        {&DepreciationModel::SetStartMonth, 0, false}, {&DepreciationModel::SetStartMonth, 13, false},
        {&DepreciationModel::SetStartMonth, 12, true}, {&DepreciationModel::SetLife, -1, false},
        {&DepreciationModel::SetLife, 0, true},        {&DepreciationModel::SetYear, 2008, false},
    };
    for (const Attempt& attempt : attempts) {
        EXPECT_EQ((model.*attempt.set)(attempt.value), attempt.taken) << attempt.value;
    }
    // A life of 0 writes the whole cost off in the first year.
    model.cost = 1000.0;
    model.salvage = 100.0;
    model.Compute();
    EXPECT_EQ(model.Depreciation(), 900.0);
    EXPECT_EQ(model.RemainingBookValue(), 100.0);
}

// Values typed into each sheet survive closing it and come back on reopening.
TEST(SmallWorksheetsTest, ValuesPersistAcrossOpenings)
{
    const std::vector<std::pair<const wchar_t*, Entry>> cases = {
        {L"tvm", {L"Present Value", L"1234.5"}},      {L"tvm", {L"Comp./Year", L"4"}},
        {L"breakeven", {L"Fixed Cost", L"777"}},      {L"compound", {L"# of Periods", L"9"}},
        {L"conversion", {L"Periods / Year", L"52"}},  {L"margin", {L"Cost", L"64.25"}},
        {L"depreciation", {L"Start Month", L"11"}},   {L"tip", {L"Num. People", L"3"}},
        {L"loan", {L"Trade in", L"1500"}},
    };
    for (const auto& [name, entry] : cases) {
        FreshRegistry fresh;
        std::wstring typed;
        {
            const auto sheet = Opened(name);
            TypeInto(*sheet, entry.label, entry.text);
            typed = Shown(*sheet, entry.label);
        }
        const auto reopened = Opened(name);
        EXPECT_EQ(Shown(*reopened, entry.label), typed) << name;
        reopened->Reset();
        EXPECT_NE(Shown(*reopened, entry.label), typed) << name;
    }
}

TEST(SmallWorksheetsTest, LeaseRecordPassesThroughUnchangedAndCompletes)
{
    FreshRegistry fresh;
    WriteStoredInteger(kLeaseKey, L"Months", 36);
    WriteStoredDouble(kLeaseKey, L"MoneyFactor", 0.00125);
    Opened(L"lease");
    std::int32_t months = 0;
    double moneyFactor = 0.0;
    double residual = -1.0;
    EXPECT_TRUE(ReadStoredInteger(kLeaseKey, L"Months", months) && months == 36);
    EXPECT_TRUE(ReadStoredDouble(kLeaseKey, L"MoneyFactor", moneyFactor) && moneyFactor == 0.00125);
    EXPECT_TRUE(ReadStoredDouble(kLeaseKey, L"Residual", residual) && residual == 0.0);
}

}  // namespace
}  // namespace tallyx
