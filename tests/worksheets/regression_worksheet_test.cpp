#include "worksheets/regression_worksheet.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/notifier.h"
#include "platform/paths.h"
#include "platform/services.h"
#include "recording_host.h"
#include "worksheets/cell_number_text.h"
#include "worksheets/regression_data_file.h"

namespace tallyx {
namespace {

// Also answers the file dialogs with a chosen path and records the plot.
class RegressionHost : public RecordingHost, public RegressionSheetHost {
public:
    std::optional<std::filesystem::path> ChooseDataFile(DataFileDialog dialog, const std::filesystem::path& folder) override
    {
        dialogs.push_back(dialog);
        folders.push_back(folder);
        return chosen;
    }
    void ShowPlot(std::wstring_view equation, std::span<const DataPoint> points) override
    {
        plottedEquation = equation;
        plottedPoints.assign(points.begin(), points.end());
    }

    std::optional<std::filesystem::path> chosen;
    std::vector<DataFileDialog> dialogs;
    std::vector<std::filesystem::path> folders;
    std::wstring plottedEquation;
    std::vector<DataPoint> plottedPoints;
};

std::vector<std::wstring> Texts(const Worksheet& sheet)
{
    std::vector<std::wstring> texts;
    for (const WorksheetCell& cell : sheet.Cells()) texts.push_back(cell.Text());
    return texts;
}

std::wstring ValueOf(const std::vector<ResultRow>& rows, std::wstring_view label)
{
    for (const ResultRow& row : rows) {
        if (row.label == label) return row.value;
    }
    return L"(absent)";
}

class RegressionWorksheetTest : public ::testing::Test {
protected:
    // A sheet of the kind holding the values typed pair by pair, as the keypad would.
    RegressionWorksheet& SheetWith(RegressionKind kind, const std::vector<double>& values)
    {
        sheet_ = std::make_unique<RegressionWorksheet>(kind);
        sheet_->Attach(host_);
        sheet_->BuildCells();
        for (std::size_t cell = 0; cell < values.size(); ++cell) {
            if (cell > 0) sheet_->KeyUp(WorksheetKeyDown);
            sheet_->TakeDisplayText(CellNumberText(values[cell]));
        }
        return *sheet_;
    }

    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tallyx_regression_sheet_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    RegressionHost host_;
    std::unique_ptr<RegressionWorksheet> sheet_;
    std::filesystem::path folder_;
};

TEST_F(RegressionWorksheetTest, DownOnTheLastCellAddsAPairTabDoesNotAndResetLeavesTwoPairsOfZeros)
{
    RegressionWorksheet& sheet = SheetWith(RegressionKind::Power, {1, 2, 3, 4});
    ASSERT_EQ(sheet.HighlightedCell(), 3);
    sheet.KeyUp(WorksheetKeyTab);
    EXPECT_EQ(sheet.Cells().size(), 4u);
    sheet.KeyUp(WorksheetKeyDown);
    ASSERT_EQ(sheet.Cells().size(), 6u);
    EXPECT_EQ(sheet.HighlightedCell(), 4);
    EXPECT_EQ(sheet.Cells()[4].Label(), L"X(3):");
    sheet.PressButton(8, 4);
    EXPECT_EQ(Texts(sheet), (std::vector<std::wstring>{L"0", L"0", L"0", L"0"}));
    EXPECT_EQ(sheet.HighlightedCell(), 0);
}

struct KindCase {
    RegressionKind kind;
    std::vector<double> values;
    const wchar_t *equation, *a, *b, *graphEquation;
};

TEST_F(RegressionWorksheetTest, EachKindShowsItsCurveAndGivesThePlotterItsFormula)
{
    const KindCase cases[] = {
        {RegressionKind::Linear, {0, -1, 1, 1}, L"f(x)=a+b×x", L"-1", L"2", L"2*X+-1"},
        {RegressionKind::Exponential, {0, 1, 1, 10}, L"f(x)=a×b^x", L"1", L"10", L"(1.000000)*(10.000000)^(X)"},
        {RegressionKind::Logarithmic, {1, 5, 10, 8}, L"f(x)=a+b×log(x)", L"5", L"3", L"3*log(X)+5"},
        {RegressionKind::Power, {1, 1, 10, 100}, L"f(x)=a×x^b", L"1", L"2", L"(1)*X^(2)"},
    };
    for (const KindCase& example : cases) {
        RegressionWorksheet& sheet = SheetWith(example.kind, example.values);
        const std::vector<ResultRow> rows = sheet.ResultRows();
        EXPECT_EQ(ValueOf(rows, L"Equation:"), example.equation);
        const bool linear = example.kind == RegressionKind::Linear;
        EXPECT_EQ(ValueOf(rows, linear ? L"Y Intercept (a)" : L"a"), example.a);
        EXPECT_EQ(ValueOf(rows, linear ? L"Slope (b)" : L"b"), example.b);
        EXPECT_EQ(ValueOf(rows, L"Regression (r)"), L"1");
        EXPECT_EQ(ValueOf(rows, L"Determination(r²)"), L"1");
        EXPECT_EQ(sheet.GraphEquation(), example.graphEquation);
    }
}

TEST_F(RegressionWorksheetTest, SmallExponentialCoefficientsKeepTheirDigitsInTheGraph)
{
    const RegressionWorksheet& sheet = SheetWith(RegressionKind::Exponential, {0, 2e-7, 1, 1e-7});
    EXPECT_EQ(sheet.GraphEquation(), L"(" + CellNumberText(2e-7) + L")*(0.500000)^(X)");
}

TEST_F(RegressionWorksheetTest, TheGraphGetsTheCurveAndAPointPerPair)
{
    SheetWith(RegressionKind::Linear, {1, 2, 2, 4, 3, 7}).ShowGraph(0);
    EXPECT_EQ(host_.plottedEquation, L"2.5*X+-0.666666666667");
    ASSERT_EQ(host_.plottedPoints.size(), 3u);
    EXPECT_EQ(host_.plottedPoints[2].x, 3.0);
    EXPECT_EQ(host_.plottedPoints[2].y, 7.0);
}

TEST_F(RegressionWorksheetTest, PairsBeyondTheHundredthAreLeftOut)
{
    std::vector<double> values;
    for (int i = 0; i < 2 * 103; ++i) values.push_back(i % 2 ? 2.0 * i : i);
    const RegressionWorksheet& sheet = SheetWith(RegressionKind::Linear, values);
    EXPECT_EQ(sheet.Cells().size(), 206u);
    EXPECT_EQ(sheet.DataPoints().size(), 100u);
}

TEST_F(RegressionWorksheetTest, SavedPairsComeBackExactly)
{
    RegressionWorksheet& saved = SheetWith(RegressionKind::Linear, {1.5, 2, 3, 4, -2.5e-7, 1e20});
    const std::vector<std::wstring> texts = Texts(saved);
    host_.chosen = folder_ / "pairs.csv";
    saved.PressButton(12, 6);
    RegressionWorksheet& loaded = SheetWith(RegressionKind::Linear, {});
    loaded.PressButton(12, 5);
    EXPECT_EQ(Texts(loaded), texts);
    EXPECT_EQ(host_.dialogs, (std::vector<DataFileDialog>{DataFileDialog::Save, DataFileDialog::Open}));
    EXPECT_EQ(host_.folders.front(), Platform().paths->DocumentsFolder());
    loaded.PressButton(12, 6);
    EXPECT_EQ(host_.folders.back(), folder_);
    EXPECT_EQ(host_.display, L"1.5");
}

TEST_F(RegressionWorksheetTest, ReadingFollowsTheCommas)
{
    RegressionWorksheet& sheet = SheetWith(RegressionKind::Linear, {7, 8, 9});
    ASSERT_EQ(SaveRegressionData(folder_ / "data.csv", {L"1", L"2", L"3", L"4", L"5"}), StatusOk);
    EXPECT_EQ(sheet.ReadDataFile(folder_ / "data.csv"), StatusOk);
    EXPECT_EQ(Texts(sheet), (std::vector<std::wstring>{L"1", L"2", L"3", L"4", L"5", L"0"}));
}

TEST_F(RegressionWorksheetTest, FailuresChangeNothingAndAreReported)
{
    RecordingNotifier notifier;
    PlatformServices services = Platform();
    services.notifier = &notifier;
    const ScopedPlatform platform(services);

    RegressionWorksheet& sheet = SheetWith(RegressionKind::Linear, {7, 8});
    host_.chosen = folder_ / "missing.csv";
    sheet.PressButton(12, 5);
    EXPECT_EQ(Texts(sheet), (std::vector<std::wstring>{L"7", L"8", L"0", L"0"}));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"Error reading file\r\nUnable to open file");

    host_.chosen = std::nullopt;
    sheet.PressButton(12, 6);
    EXPECT_EQ(notifier.messages.size(), 1u);

    host_.chosen = folder_ / "no such folder" / "pairs.csv";
    sheet.PressButton(12, 6);
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_EQ(notifier.messages[1].text, L"Error writing file\r\nUnable to save file");
}

}  // namespace
}  // namespace tallyx
