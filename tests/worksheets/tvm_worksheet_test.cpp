#include "worksheets/tvm_worksheet.h"

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

TEST(TvmWorksheetTest, CalcWritesTheSolvedRowAndShowsIt)
{
    FreshRegistry fresh;
    RecordingHost host;
    const WorksheetOptions options{true, 0};
    TvmWorksheet sheet(options);
    sheet.Attach(host);
    sheet.BuildCells();
    EXPECT_EQ(sheet.Title(), L"Time Value Money");
    TypeInto(sheet, L"Num. Terms", L"360");
    TypeInto(sheet, L"Interest/Year", L"6");
    TypeInto(sheet, L"Present Value", L"100000");
    CalculateOn(sheet, L"Payment");
    EXPECT_EQ(Shown(sheet, L"Payment"), L"-599.55");
    EXPECT_EQ(host.display, sheet.Cells()[3].Text());
    EXPECT_EQ(sheet.HighlightedCell(), 3);
}

TEST(TvmWorksheetTest, FrequencyRowsSolveNothing)
{
    FreshRegistry fresh;
    const WorksheetOptions options;
    TvmWorksheet sheet(options);
    sheet.BuildCells();
    const auto before = sheet.Cells();
    CalculateOn(sheet, L"Payments/Year");
    CalculateOn(sheet, L"Comp./Year");
    for (std::size_t cell = 0; cell < before.size(); ++cell) {
        EXPECT_EQ(sheet.Cells()[cell].Text(), before[cell].Text());
    }
}

TEST(TvmWorksheetTest, PaymentsPerYearAlsoSetsTheCompounding)
{
    FreshRegistry fresh;
    const WorksheetOptions options;
    TvmWorksheet sheet(options);
    sheet.BuildCells();
    TypeInto(sheet, L"Payments/Year", L"4");
    EXPECT_EQ(sheet.Engine().CompoundsPerYear(), 4);
    EXPECT_EQ(Shown(sheet, L"Comp./Year"), L"12");
    TypeInto(sheet, L"Comp./Year", L"12");
    EXPECT_EQ(sheet.Engine().CompoundsPerYear(), 12);
}

TEST(TvmWorksheetTest, RefusedEntriesShowWhatIsHeld)
{
    FreshRegistry fresh;
    const WorksheetOptions options;
    TvmWorksheet sheet(options);
    sheet.BuildCells();
    TypeInto(sheet, L"Num. Terms", L"0");
    EXPECT_EQ(Shown(sheet, L"Num. Terms"), L"1");
    TypeInto(sheet, L"Num. Terms", L"abc");
    EXPECT_EQ(Shown(sheet, L"Num. Terms"), L"1");
}

TEST(TvmWorksheetTest, UnsolvableTermsSayNotANumber)
{
    FreshRegistry fresh;
    const WorksheetOptions options{true, 0};
    TvmWorksheet sheet(options);
    sheet.BuildCells();
    TypeInto(sheet, L"Num. Terms", L"7");
    TypeInto(sheet, L"Interest/Year", L"6");
    TypeInto(sheet, L"Present Value", L"1000");
    TypeInto(sheet, L"Payment", L"10");
    TypeInto(sheet, L"Future Value", L"10000");
    CalculateOn(sheet, L"Num. Terms");
    EXPECT_EQ(sheet.Engine().NumTerms(), 7);
    EXPECT_NE(sheet.Cells()[0].Text(), L"7");
}

TEST(TvmWorksheetTest, StoredValuesGoThroughTheSettersInOrder)
{
    FreshRegistry fresh;
    WriteStoredInteger(kWorksheetsKey, L"WSTVM_NTrm", 0x10000 + 240);  // the low half counts
    WriteStoredInteger(kWorksheetsKey, L"WSTVM_PY", 4);
    WriteStoredInteger(kWorksheetsKey, L"WSTVM_CY", -2);  // refused: stays at 4 from WSTVM_PY
    WriteStoredDouble(kWorksheetsKey, L"WSTVM_PVal", -2500.5);
    const WorksheetOptions options;
    TvmWorksheet sheet(options);
    EXPECT_EQ(sheet.Engine().NumTerms(), 240);
    EXPECT_EQ(sheet.Engine().PaymentsPerYear(), 4);
    EXPECT_EQ(sheet.Engine().CompoundsPerYear(), 4);
    EXPECT_EQ(sheet.Engine().PresentValue(), -2500.5);
}

TEST(TvmWorksheetTest, ResetTakesTheTimingFromTheOption)
{
    FreshRegistry fresh;
    WorksheetOptions options{false, 0};
    TvmWorksheet sheet(options);
    sheet.BuildCells();
    EXPECT_TRUE(sheet.Engine().PayAtBeginning());
    TypeInto(sheet, L"Future Value", L"12");
    options.endPeriodPayments = true;
    sheet.Reset();
    EXPECT_FALSE(sheet.Engine().PayAtBeginning());
    EXPECT_EQ(Shown(sheet, L"Future Value"), L"0.00");
    EXPECT_EQ(sheet.HighlightedCell(), 0);
}

}  // namespace
}  // namespace tallyx
