#include "worksheets/worksheet.h"

#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "engine/button_types.h"
#include "recording_host.h"
#include "worksheets/worksheet_navigation.h"

namespace tallyx {
namespace {

// A sheet whose model records what reached it.
class ProbeSheet : public Worksheet {
public:
    void BuildCells() override { BuildCellsFrom(kRows, L"Probe"); }
    void Reset() override { ++resets; }
    std::vector<double> committed;
    int resets = 0;

protected:
    std::wstring ModelText(int cell) const override { return cell == 2 ? L"result" : L"0"; }
    void CommitRow(int, double number, std::int32_t) override { committed.push_back(number); }

private:
    static constexpr std::array kRows = {
        CellRow{L"First", CellFormat::FormatPlain, false},
        CellRow{L"Second", CellFormat::FormatPlain, false},
        CellRow{L"Result", CellFormat::FormatPlain, true},
    };
};

class WorksheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.Attach(host);
        sheet.BuildCells();
    }
    RecordingHost host;
    Worksheet sheet;  // twenty placeholder cells
};

TEST_F(WorksheetTest, MovesScrollAtTheEdgesAndStopAtTheEnds)
{
    sheet.SetVisibleRows(4);
    struct Step {
        int key, cell, firstVisible, highlightedRow;
    };
    const Step steps[] = {
        {WorksheetKeyUp, 0, 0, 0},   {WorksheetKeyDown, 1, 0, 1}, {WorksheetKeyTab, 2, 0, 2},
        {WorksheetKeyDown, 3, 0, 3}, {WorksheetKeyDown, 4, 1, 3}, {WorksheetKeyUp, 3, 1, 2},
        {WorksheetKeyUp, 2, 1, 1},   {WorksheetKeyUp, 1, 1, 0},   {WorksheetKeyUp, 0, 0, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(sheet.KeyUp(step.key), WorksheetReply::Done);
        EXPECT_EQ(sheet.HighlightedCell(), step.cell);
        EXPECT_EQ(sheet.Navigation().FirstVisibleRow(), step.firstVisible);
        EXPECT_EQ(sheet.Navigation().HighlightedRow(), step.highlightedRow);
    }
}

TEST_F(WorksheetTest, ButtonsRouteToTheSheetTheEngineOrNowhere)
{
    struct Route {
        int type;
        int id;
        WorksheetReply reply;
    };
    const Route routes[] = {
        {ButtonTypeWorksheetKey, 3, WorksheetReply::Done},    // Calc flashes
        {ButtonTypeWorksheetKey, 2, WorksheetReply::Done},    // WSReset: nothing here
        {ButtonTypeWorksheetKey, 9, WorksheetReply::Close},   // Back
        {ButtonTypeWorksheetKey, 7, WorksheetReply::Done},    // unknown worksheet key
        {ButtonTypeEntry, 5, WorksheetReply::PassToEngine},   // a digit
        {ButtonTypeClear, 3, WorksheetReply::PassToEngine},   // backspace
        {ButtonTypeGraph, 1, WorksheetReply::Done},
    };
    for (const Route& route : routes) {
        EXPECT_EQ(sheet.PressButton(route.type, route.id), route.reply) << route.type << ',' << route.id;
    }
    EXPECT_EQ(host.flashes, 1);
    EXPECT_EQ(sheet.KeyUp(WorksheetKeyF1), WorksheetReply::Close);
    EXPECT_EQ(sheet.KeyUp('A'), WorksheetReply::PassToKeys);
}

TEST(WorksheetNavigationTest, LastCellAndVisibleRows)
{
    struct Case {
        int visibleRows, cellCount, firstVisible, highlightedRow;
    };
    const Case cases[] = {
        {15, 9, 0, 8},   // all fit: unscrolled
        {4, 9, 5, 3},    // the last cell on the bottom row
        {0, 9, 8, 0},    // at least one row is shown
        {40, 30, 15, 14},  // never more than fifteen rows
    };
    for (const Case& example : cases) {
        WorksheetNavigation navigation;
        navigation.SetVisibleRows(example.visibleRows, example.cellCount);
        navigation.HighlightLastCell(example.cellCount);
        EXPECT_EQ(navigation.FirstVisibleRow(), example.firstVisible) << example.visibleRows;
        EXPECT_EQ(navigation.HighlightedRow(), example.highlightedRow) << example.visibleRows;
        EXPECT_EQ(navigation.HighlightedCell(), example.cellCount - 1);
    }
}

TEST_F(WorksheetTest, TapsOnRowsWithoutACellAndMovesPastTheLastCellDoNothing)
{
    sheet.SetVisibleRows(15);
    EXPECT_FALSE(sheet.TapRow(15));
    EXPECT_FALSE(sheet.TapRow(-1));
    EXPECT_TRUE(sheet.TapRow(14));
    EXPECT_EQ(host.display, L"14");
    for (int cell = 14; cell < 19; ++cell) {
        sheet.PressButton(ButtonTypeWorksheetKey, 1);
    }
    EXPECT_EQ(host.display, L"19");
    const int loads = host.displayLoads;
    sheet.PressButton(ButtonTypeWorksheetKey, 1);
    EXPECT_EQ(sheet.HighlightedCell(), 19);
    EXPECT_EQ(host.displayLoads, loads);
}

class ModelWorksheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.Attach(host);
        sheet.BuildCells();
    }
    RecordingHost host;
    ProbeSheet sheet;
};

TEST_F(ModelWorksheetTest, EveryMoveCommitsTheCellLeft)
{
    sheet.TakeDisplayText(L"12.5");
    sheet.KeyUp(WorksheetKeyTab);
    sheet.TakeDisplayText(L"7");
    sheet.KeyUp(WorksheetKeyUp);
    sheet.TakeDisplayText(L"3");
    sheet.KeyUp(WorksheetKeyDown);
    EXPECT_EQ(sheet.committed, (std::vector<double>{12.5, 7.0, 3.0}));
}

TEST_F(ModelWorksheetTest, ReadOnlyCellsTakeNoTypingAndCommitNothing)
{
    EXPECT_EQ(sheet.PressButton(ButtonTypeEntry, 1), WorksheetReply::PassToEngine);
    sheet.TapCell(2);
    EXPECT_EQ(host.display, L"result");
    EXPECT_EQ(sheet.PressButton(ButtonTypeEntry, 1), WorksheetReply::Done);
    const std::size_t commits = sheet.committed.size();
    sheet.TakeDisplayText(L"99");
    sheet.TapCell(0);
    EXPECT_EQ(sheet.committed.size(), commits);
}

TEST_F(ModelWorksheetTest, ResetButtonResetsAndWorksheetResetKeyDoesNot)
{
    sheet.PressButton(ButtonTypeWorksheetKey, 2);
    EXPECT_EQ(sheet.resets, 0);
    sheet.PressButton(ButtonTypeClear, 4);
    EXPECT_EQ(sheet.resets, 1);
}

}  // namespace
}  // namespace tallyx
