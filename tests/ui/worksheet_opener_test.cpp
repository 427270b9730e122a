#include <QApplication>
#include <QTimer>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/worksheet_window.h"
#include "engine/button_types.h"
#include "frame_test_support.h"
#include "ui/open_windows.h"
#include "worksheets/regression_worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {
namespace {

constexpr int kFinancial = 9;
constexpr int kTvm = 0;
constexpr int kStats = 2;
constexpr int kLoan = 14;

// Presses a worksheet key on the calculator; act sees the sheet's window, if
// one opened, and Back closes it afterwards.
void OpenFromKeypad(FrameHarness& harness, int buttonId, const std::function<void(WorksheetWindow*)>& act)
{
    bool acted = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        auto* sheet = dynamic_cast<WorksheetWindow*>(TopWindow());
        acted = true;
        act(sheet);
        if (sheet) sheet->WindowProcedure(SoftKeyBar::kLeftMessage, 0, 0);
    });
    harness.Frame().WindowProcedure(KeypadView::kKeyMessage, ButtonTypeWorksheet, buttonId);
    // A key that opened nothing returned at once: the check runs now.
    if (!acted) {
        FrameHarness::Settle();
        EXPECT_TRUE(acted);
    }
}

void Type(WorksheetWindow& window, std::wstring_view text)
{
    for (const wchar_t character : text) window.WindowProcedure(WM_CHAR, character, 0);
}

TEST(WorksheetOpener, EveryWorksheetKeyOpensItsSheetWithItsKeypad)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", kFinancial);
    harness.Open(480, 640);
    for (const WorksheetEntry& entry : WorksheetCatalog()) {
        SCOPED_TRACE(std::string(entry.consoleName.begin(), entry.consoleName.end()));
        const WorksheetOptions options;
        const std::unique_ptr<Worksheet> expected = entry.create(options);
        expected->BuildCells();
        OpenFromKeypad(harness, entry.buttonId, [&](WorksheetWindow* window) {
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->Sheet().Title(), expected->Title());
            EXPECT_EQ(window->Sheet().Cells().size(), expected->Cells().size());
            EXPECT_EQ(harness.Calculator().Layouts().CurrentIndex(),
                      entry.takesDataPairs ? LayoutStatisticsWorksheet : LayoutWorksheet);
            EXPECT_FALSE(window->Keys().empty());
            // Load and Save of the regressions reach the file dialog.
            EXPECT_EQ(dynamic_cast<RegressionSheetHost*>(window) != nullptr, entry.takesDataPairs);
        });
    }
    OpenFromKeypad(harness, 8, [](WorksheetWindow* window) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Sheet().Title(), L"Percent Change");
    });
}

TEST(WorksheetOpener, TheSheetRunsInAlgebraicNormalAndTheCalculatorGetsItsOwnBack)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", kFinancial);
    harness.Open(480, 640);
    harness.Engine().SetMode(CalcModeDirectAlgebraic);
    harness.Formatter().SetNotation(NotationScientific);
    OpenFromKeypad(harness, kTvm, [&](WorksheetWindow* window) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(harness.Engine().GetMode(), CalcModeAlgebraic);
        EXPECT_EQ(harness.Formatter().GetNotation(), NotationNormal);
    });
    EXPECT_EQ(harness.Engine().GetMode(), CalcModeDirectAlgebraic);
    EXPECT_EQ(harness.Formatter().GetNotation(), NotationScientific);
    EXPECT_EQ(harness.Calculator().Layouts().CurrentIndex(), kFinancial);
    // The calculator's keys are its own again.
    EXPECT_TRUE(harness.KeyRect(L"TVM").has_value());
}

// The value is left by Back, without a move that would commit it first.
TEST(WorksheetOpener, ValuesStayAtTheNextOpeningAndAfterTheProgramEnds)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", kFinancial);
    harness.Open(480, 640);
    OpenFromKeypad(harness, kTvm, [](WorksheetWindow* window) {
        ASSERT_NE(window, nullptr);
        Type(*window, L"42");
    });
    const auto firstCell = [&] {
        std::wstring text;
        OpenFromKeypad(harness, kTvm, [&](WorksheetWindow* window) {
            ASSERT_NE(window, nullptr);
            text = window->Sheet().Cells()[0].Text();
        });
        return text;
    };
    EXPECT_EQ(firstCell(), L"42");
    harness.Close();
    harness.Open(480, 640);
    EXPECT_EQ(firstCell(), L"42");
}

TEST(WorksheetOpener, AnOpenSheetFollowsTheFrameAndTheCalculatorIsBuiltForItsNewSizeAfter)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", kFinancial);
    harness.Open(480, 640);
    OpenFromKeypad(harness, kTvm, [&](WorksheetWindow* window) {
        ASSERT_NE(window, nullptr);
        harness.Host().Resize(640, 480);
        FrameHarness::Settle();
        EXPECT_EQ(window->Window()->ClientRect(), harness.Host().ClientRect());
        EXPECT_TRUE(window->Layout().Landscape());
    });
    EXPECT_TRUE(harness.Keypad().Metrics().Landscape());
    EXPECT_TRUE(harness.KeyRect(L"TVM").has_value());
}

TEST(WorksheetOpener, AWorksheetKeyReachingTheCalculatorUnderAnOpenSheetOpensNoOther)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", kFinancial);
    harness.Open(480, 640);
    OpenFromKeypad(harness, kTvm, [&](WorksheetWindow* window) {
        ASSERT_NE(window, nullptr);
        harness.Frame().WindowProcedure(KeypadView::kKeyMessage, ButtonTypeWorksheet, kLoan);
        EXPECT_EQ(TopWindow(), window);
        EXPECT_EQ(window->Sheet().Title(), L"Time Value Money");
    });
}

TEST(WorksheetOpener, TheKeyboardGoesBackToTheCalculatorWithTheSheetClosed)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", kFinancial);
    harness.Open(480, 640);
    QWidget* calculator = harness.Host().Widget();
    calculator->activateWindow();
    calculator->setFocus();
    FrameHarness::Settle();
    OpenFromKeypad(harness, kTvm, [&](WorksheetWindow* window) {
        ASSERT_NE(window, nullptr);
        EXPECT_NE(QApplication::focusWidget(), calculator);
    });
    EXPECT_EQ(QApplication::focusWidget(), calculator);
}

TEST(WorksheetOpener, TheStatsKeyOpensNothingAndLeavesTheEntry)
{
    FrameHarness harness;
    harness.registry.WriteDword(kTallyxKey, L"CalcType", 10);
    harness.Open(480, 640);
    harness.Type(L"12");
    OpenFromKeypad(harness, kStats, [](WorksheetWindow* window) { EXPECT_EQ(window, nullptr); });
    EXPECT_EQ(harness.Shown(), L"12.");
}

}  // namespace
}  // namespace tallyx
