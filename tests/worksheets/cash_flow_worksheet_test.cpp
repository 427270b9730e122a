#include "worksheets/cash_flow_worksheet.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/button_types.h"
#include "engine/key_ids.h"
#include "recording_host.h"
#include "sheet_driver.h"

namespace tallyx {
namespace {

struct Entry {
    const wchar_t *label, *text;
};

class CashFlowWorksheetTest : public ::testing::Test {
protected:
    CashFlowWorksheetTest() { Open(); }

    void Open()
    {
        sheet_ = std::make_unique<CashFlowWorksheet>(options_);
        sheet_->Attach(host_);
        sheet_->BuildCells();
    }

    // Types the entries, each pair's rows reached by Down from the pair before.
    void Enter(const std::vector<Entry>& entries)
    {
        for (const Entry& entry : entries) {
            while (!HasCell(entry.label)) {
                sheet_->TapCell(LastCountCell());
                sheet_->KeyUp(WorksheetKeyDown);
            }
            TypeInto(*sheet_, entry.label, entry.text);
        }
    }

    bool HasCell(std::wstring_view label) const
    {
        for (const WorksheetCell& cell : sheet_->Cells()) {
            if (cell.Label() == label) return true;
        }
        return false;
    }

    int LastCountCell() const { return CellNamed(*sheet_, L"I") - 1; }

    FreshRegistry fresh_;
    const WorksheetOptions options_;
    RecordingHost host_;
    std::unique_ptr<CashFlowWorksheet> sheet_;
};

const std::vector<Entry> kTextbook = {
    {L"CF0", L"-1000"}, {L"C01", L"300"}, {L"C02", L"400"}, {L"C03", L"500"}, {L"I", L"10"},
};

TEST_F(CashFlowWorksheetTest, CalcOnAnyResultShowsEveryResult)
{
    EXPECT_EQ(sheet_->Title(), L"Cash Flow");
    Enter(kTextbook);
    CalculateOn(*sheet_, L"MIRR");
    const Entry shown[] = {
        {L"NPV", L"-21.03"}, {L"NFV", L"-28.00"}, {L"IRR", L"8.896339469%"},
        {L"MIRR", L"9.223177108%"}, {L"PB", L"2.6"}, {L"DPB", L"none"},
    };
    for (const Entry& result : shown) EXPECT_EQ(Shown(*sheet_, result.label), result.text) << result.label;
    EXPECT_EQ(host_.display, L"9.22317710801");
    EXPECT_EQ(host_.flashes, 1);
}

TEST_F(CashFlowWorksheetTest, CalcOnAnEntryCommitsItAndHighlightsTheNetPresentValue)
{
    Enter({{L"CF0", L"-100"}, {L"C01", L"50"}, {L"F01", L"3"}});
    sheet_->TapCell(CellNamed(*sheet_, L"I"));
    sheet_->TakeDisplayText(L"10");
    sheet_->Calculate();
    EXPECT_EQ(Shown(*sheet_, L"I"), L"10%");
    EXPECT_EQ(sheet_->HighlightedCell(), CellNamed(*sheet_, L"NPV"));
    EXPECT_EQ(Shown(*sheet_, L"NPV"), L"24.34");
    EXPECT_EQ(Shown(*sheet_, L"PB"), L"2");
}

TEST_F(CashFlowWorksheetTest, FlowsThatAreAllReceivedHaveAnImaginaryRate)
{
    Enter({{L"CF0", L"1000"}, {L"C01", L"300"}, {L"I", L"10"}});
    CalculateOn(*sheet_, L"IRR");
    EXPECT_EQ(Shown(*sheet_, L"IRR"), L"imaginary");
    EXPECT_EQ(Shown(*sheet_, L"MIRR"), L"imaginary");
    EXPECT_EQ(Shown(*sheet_, L"PB"), L"0");
}

TEST_F(CashFlowWorksheetTest, DownOnTheLastPairAddsOneUpToNinetyNineAndTheListScrolls)
{
    sheet_->SetVisibleRows(kMostVisibleRows);
    EXPECT_EQ(sheet_->Cells().size(), 10u);  // CF0, one pair, I, six results
    for (int added = 0; added < 120; ++added) {
        sheet_->TapCell(LastCountCell());
        sheet_->KeyUp(WorksheetKeyDown);
    }
    EXPECT_EQ(sheet_->Model().Flows().size(), CashFlowModel::kMostFlows);
    EXPECT_EQ(sheet_->Cells()[LastCountCell()].Label(), L"F99");
    EXPECT_EQ(sheet_->Cells()[LastCountCell()].Text(), L"1");
    // Down from F99 goes on to the rate.
    EXPECT_EQ(sheet_->HighlightedCell(), CellNamed(*sheet_, L"I"));

    sheet_->TapCell(0);
    for (int down = 0; down < 21; ++down) sheet_->KeyUp(WorksheetKeyDown);
    EXPECT_EQ(sheet_->Cells()[sheet_->HighlightedCell()].Label(), L"C11");
    EXPECT_GT(sheet_->Navigation().FirstVisibleRow(), 0);
}

TEST_F(CashFlowWorksheetTest, CountsOutsideOneTo9999AreRefused)
{
    for (const wchar_t* refused : {L"0", L"10000", L"-3"}) {
        TypeInto(*sheet_, L"F01", refused);
        EXPECT_EQ(sheet_->Cells()[CellNamed(*sheet_, L"F01")].Text(), L"1") << refused;
    }
    TypeInto(*sheet_, L"F01", L"9999");
    EXPECT_EQ(sheet_->Model().Flows()[0].count, 9999);
}

TEST_F(CashFlowWorksheetTest, ReopeningKeepsTheFlowsAndResetStartsAfresh)
{
    Enter(kTextbook);
    Enter({{L"F02", L"4"}});
    sheet_.reset();
    Open();
    const Entry kept[] = {
        {L"CF0", L"-1000.00"}, {L"C01", L"300.00"}, {L"C02", L"400.00"}, {L"F02", L"4"}, {L"C03", L"500.00"},
        {L"I", L"10%"},
    };
    for (const Entry& entry : kept) EXPECT_EQ(Shown(*sheet_, entry.label), entry.text) << entry.label;
    EXPECT_EQ(sheet_->Model().Flows().size(), 3u);

    sheet_->PressButton(ButtonTypeClear, ClearKeyReset);
    EXPECT_EQ(sheet_->Model().Flows().size(), 1u);
    EXPECT_EQ(Shown(*sheet_, L"CF0"), L"0.00");
    EXPECT_EQ(sheet_->HighlightedCell(), 0);
}

TEST_F(CashFlowWorksheetTest, PairRowsAreMadeByNameWithinTheirRange)
{
    EXPECT_TRUE(sheet_->MakeRowFor(L"c05"));
    EXPECT_EQ(sheet_->Model().Flows().size(), 5u);
    EXPECT_TRUE(HasCell(L"F05"));
    for (const wchar_t* refused : {L"C00", L"C100", L"X05", L"C5", L"NPV", L""}) {
        EXPECT_FALSE(sheet_->MakeRowFor(refused)) << refused;
    }
    EXPECT_EQ(sheet_->Model().Flows().size(), 5u);
}

}  // namespace
}  // namespace tallyx
