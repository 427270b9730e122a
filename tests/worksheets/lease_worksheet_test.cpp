#include "worksheets/lease_worksheet.h"

#include <gtest/gtest.h>

#include "recording_host.h"
#include "worksheets/stored_values.h"

namespace tallyx {
namespace {

TEST(LeaseWorksheetTest, RecordPassesThroughUnchangedAndCompletes)
{
    FreshRegistry fresh;
    WriteStoredInteger(kLeaseKey, L"Months", 36);
    WriteStoredDouble(kLeaseKey, L"MoneyFactor", 0.00125);
    WriteStoredInteger(kLeaseKey, L"PayTaxOnCapCost", 1);
    {
        const WorksheetOptions options;
        LeaseWorksheet sheet(options);
        sheet.BuildCells();
        EXPECT_EQ(sheet.Title(), L"Worksheet");
        EXPECT_EQ(sheet.Cells().size(), 20u);
    }
    std::int32_t months = 0;
    std::int32_t payTax = 0;
    double moneyFactor = 0.0;
    double residual = -1.0;
    EXPECT_TRUE(ReadStoredInteger(kLeaseKey, L"Months", months));
    EXPECT_TRUE(ReadStoredDouble(kLeaseKey, L"MoneyFactor", moneyFactor));
    EXPECT_TRUE(ReadStoredInteger(kLeaseKey, L"PayTaxOnCapCost", payTax));
    EXPECT_TRUE(ReadStoredDouble(kLeaseKey, L"Residual", residual));
    EXPECT_EQ(months, 36);
    EXPECT_EQ(moneyFactor, 0.00125);
    EXPECT_EQ(payTax, 1);
    EXPECT_EQ(residual, 0.0);
}

}  // namespace
}  // namespace tallyx
