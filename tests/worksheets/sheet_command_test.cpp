#include <algorithm>
#include <array>
#include <filesystem>
#include <sstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "app/cli/cli_command.h"
#include "platform/file_registry.h"
#include "platform/paths.h"
#include "recording_host.h"
#include "sheet_driver.h"
#include "worksheets/regression_data_file.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {
namespace {

struct CommandResult {
    int status;
    std::string out, error;
};

CommandResult RunSheet(const cli::Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream error;
    const int status = cli::kSheetCommand.run(arguments, out, error);
    return {status, out.str(), error.str()};
}

TEST(SheetCommandTest, SolvesTheMortgagePaymentWithRowsByNameIndexOrAnyCase)
{
    const auto result = RunSheet({"tvm", "Num. Terms=360", "Interest/Year=6", "Present Value=100000", "--set",
                                  "TVMEndPay=1", "--calc", "Payment"});
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_EQ(result.out,
              "Num. Terms\t360\nInterest/Year\t6%\nPresent Value\t100000.00\nPayment\t-599.55\n"
              "Future Value\t0.00\nPayments/Year\t12\nComp./Year\t12\n");
    // Rows by index or in any case; payments at the beginning by default.
    const auto byIndex = RunSheet({"TVM", "0=360", "interest/year=6", "2=100000", "--calc", "3"});
    EXPECT_NE(byIndex.out.find("Payment\t-596.56\n"), std::string::npos) << byIndex.out;
    const auto mortgage = RunSheet({"mortgage", "--set", "MortPaymentSched=3", "--calc", "Total repaid"});
    EXPECT_NE(mortgage.out.find("Total payments\t650\n"), std::string::npos) << mortgage.out;
    EXPECT_NE(mortgage.out.find("Monthly payment\t730.73\n"), std::string::npos) << mortgage.out;
}

TEST(SheetCommandTest, BadRequestsAreRefusedWithAMessage)
{
    const cli::Arguments refused[] = {
        {},         {"nosuchsheet"},           {"tvm", "Nothing=1"}, {"tvm", "--calc", "Nothing"},
        {"tvm", "--calc"},   {"tvm", "Payment=abc"},  {"loan", "Total repaid=5"}, {"tvm", "--set", "Colour=blue"},
        {"tvm", "--pairs", "1,2"}, {"tvm", "loose"}, {"linreg", "--pairs", "1,x"},
        {"pwrreg", "--data", "/no/such/file.csv"},
        {"tvm", "--schedule"}, {"loan", "--schedule"}, {"cashflow", "C100=5"}, {"cashflow", "--calc", "F00"},
    };
    for (const auto& arguments : refused) {
        const auto result = RunSheet(arguments);
        EXPECT_EQ(result.status, cli::kExitUsage) << (arguments.empty() ? "" : arguments.back());
        EXPECT_FALSE(result.error.empty());
        EXPECT_TRUE(result.out.empty());
    }
}

TEST(SheetCommandTest, ConsoleRunsLeaveTheSettingsAlone)
{
    FreshRegistry fresh;
    RunSheet({"loan", "Price=18000"});
    std::array<std::uint8_t, 8> price{};
    EXPECT_NE(fresh.Registry().ReadBinary(L"SOFTWARE\\Brelt\\Financial\\CarLoan", L"CarPrice", price), StatusOk);
}

TEST(SheetCommandTest, PersistKeepsValuesAndReadsStoredOptionsFromTheSettingsFile)
{
    const auto folder = std::filesystem::temp_directory_path() / ("tallyx-sheet-persist-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    FixedPaths paths(folder);
    PlatformServices services = Platform();
    services.paths = &paths;
    const ScopedPlatform platform(services);
    {
        FileRegistry settings(paths.ConfigFolder());
        settings.WriteDword(kTallyxKey, L"TVMEndPay", 1);
    }
    EXPECT_EQ(RunSheet({"tvm", "Num. Terms=360", "Interest/Year=6", "--persist"}).status, cli::kExitOk);
    const auto again = RunSheet({"tvm", "Present Value=100000", "--calc", "Payment", "--persist"});
    EXPECT_NE(again.out.find("Num. Terms\t360\n"), std::string::npos) << again.out;
    EXPECT_NE(again.out.find("Payment\t-599.55\n"), std::string::npos) << again.out;
    const auto overridden = RunSheet({"tvm", "--set", "TVMEndPay=0", "--calc", "Payment", "--persist"});
    EXPECT_NE(overridden.out.find("Payment\t-596.56\n"), std::string::npos) << overridden.out;
    std::filesystem::remove_all(folder);
}

TEST(SheetCommandTest, RegressionPairsFillTheCellsAndTheResultsFollow)
{
    const auto result = RunSheet({"linreg", "--pairs", "1,2,2,4"});
    ASSERT_EQ(result.status, cli::kExitOk) << result.error;
    EXPECT_EQ(result.out,
              "X(1):\t1\nY(1):\t2\nX(2):\t2\nY(2):\t4\nMean of X\t1.5\nDeviation of X\t0.707106781187\n"
              "Mean of Y\t3\nDeviation of Y\t1.41421356237\n\t\n∑X\t3\n∑X²\t5\n∑Y\t6\n∑Y²\t20\n∑X×Y\t10\n\t\n"
              "Equation:\tf(x)=a+b×x\nY Intercept (a)\t0\nSlope (b)\t2\nRegression (r)\t1\nDetermination(r²)\t1\n");
}

TEST(SheetCommandTest, ARegressionDataFileIsReadAsTheSheetWouldOpenIt)
{
    const auto path = std::filesystem::temp_directory_path() / ("tallyx-sheet-data-" + std::to_string(getpid()));
    ASSERT_EQ(SaveRegressionData(path, {L"0", L"1", L"1", L"10"}), StatusOk);
    const auto result = RunSheet({"expreg", "--data", path.string()});
    std::filesystem::remove(path);
    ASSERT_EQ(result.status, cli::kExitOk) << result.error;
    EXPECT_NE(result.out.find("Y(2):\t10\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\na\t1\nb\t10\n"), std::string::npos) << result.out;
}

TEST(SheetCommandTest, CashFlowPairsAreGivenByNameAndGrowTheSheet)
{
    const auto result = RunSheet({"cashflow", "CF0=-1000", "C01=300", "c02=400", "C03=500", "I=10", "--calc", "NPV"});
    ASSERT_EQ(result.status, cli::kExitOk) << result.error;
    EXPECT_EQ(result.out,
              "CF0\t-1000.00\nC01\t300.00\nF01\t1\nC02\t400.00\nF02\t1\nC03\t500.00\nF03\t1\nI\t10%\n"
              "NPV\t-21.03\nNFV\t-28.00\nIRR\t8.896339469%\nMIRR\t9.223177108%\nPB\t2.6\nDPB\tnone\n");
}

// The console prints the very text the sheet's schedule saves.
TEST(SheetCommandTest, ScheduleIsTheCsvOfTheSheetsSchedule)
{
    FreshRegistry fresh;
    const WorksheetOptions options;
    const auto sheet = FindWorksheet(L"mortgage")->create(options);
    sheet->BuildCells();
    TypeInto(*sheet, L"Principle", L"300000");
    TypeInto(*sheet, L"Terms (years)", L"30");
    TypeInto(*sheet, L"Interest Rate", L"6");
    const std::string csv = ScheduleCsv(sheet->Schedule());
    const auto result = RunSheet({"mortgage", "Principle=300000", "Terms (years)=30", "Interest Rate=6", "--schedule"});
    ASSERT_EQ(result.status, cli::kExitOk) << result.error;
    EXPECT_EQ(result.out, csv);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 360 + 1);
    EXPECT_TRUE(csv.starts_with("Period,Payment,Interest,Principal,Balance\n1,1798.65,1500.00,298.65,"));
}

TEST(WorksheetCatalogTest, EveryEntryOpensATitledSheetFoundByNameAndKey)
{
    FreshRegistry fresh;
    const WorksheetOptions options;
    for (const WorksheetEntry& entry : WorksheetCatalog()) {
        EXPECT_EQ(FindWorksheet(entry.consoleName), &entry);
        EXPECT_EQ(FindWorksheetForButton(entry.buttonId), &entry);
        const auto sheet = entry.create(options);
        sheet->BuildCells();
        EXPECT_FALSE(sheet->Cells().empty()) << std::string(entry.consoleName.begin(), entry.consoleName.end());
    }
    EXPECT_EQ(FindWorksheet(L"Mortgage"), FindWorksheetForButton(12));
    EXPECT_EQ(FindWorksheetForButton(2), nullptr);
}

}  // namespace
}  // namespace tallyx
