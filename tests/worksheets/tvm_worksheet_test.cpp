#include "worksheets/tvm_worksheet.h"

#include <gtest/gtest.h>

#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

class TvmWorksheetTest : public ::testing::Test {
protected:
    void SetUp() override { sheet.BuildCells(); }
    FreshRegistry fresh;
    WorksheetOptions options{true, 0};
    TvmWorksheet sheet{options};
};

TEST_F(TvmWorksheetTest, RefusedEntriesShowWhatIsHeld)
{
    TypeInto(sheet, L"Num. Terms", L"0");
    EXPECT_EQ(Shown(sheet, L"Num. Terms"), L"1");
    TypeInto(sheet, L"Num. Terms", L"abc");
    EXPECT_EQ(Shown(sheet, L"Num. Terms"), L"1");
}

TEST_F(TvmWorksheetTest, UnsolvableTermsSayImaginaryAndKeepTheCount)
{
    TypeInto(sheet, L"Num. Terms", L"7");
    TypeInto(sheet, L"Interest/Year", L"6");
    TypeInto(sheet, L"Present Value", L"1000");
    TypeInto(sheet, L"Payment", L"10");
    TypeInto(sheet, L"Future Value", L"10000");
    CalculateOn(sheet, L"Num. Terms");
    EXPECT_EQ(sheet.Engine().NumTerms(), 7);
    EXPECT_EQ(sheet.Cells()[0].Text(), L"imaginary");
}

TEST(TvmStoredValuesTest, StoredValuesGoThroughTheSettersInOrder)
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

TEST(TvmStoredValuesTest, ResetTakesTheTimingFromTheOptionWhereZeroMeansAtTheBeginning)
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
}

}  // namespace
}  // namespace tallyx
