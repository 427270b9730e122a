#include "app/worksheet_opener.h"

#include "app/regression_sheet_window.h"
#include "app/worksheet_window.h"
#include "engine/button_types.h"
#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "engine/number_formatter.h"
#include "keypad/keypad_layouts.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

// What the opening changes in the calculator and gives back at the end.
class CalculatorState {
public:
    CalculatorState(CalcEngine& engine, NumberFormatter& formatter, KeypadLayouts& layouts)
        : engine_(engine),
          formatter_(formatter),
          layouts_(layouts),
          mode_(engine.GetMode()),
          notation_(formatter.GetNotation()),
          layout_(layouts.CurrentIndex())
    {
    }
    ~CalculatorState()
    {
        layouts_.SetCurrentLayout(layout_);
        engine_.SetMode(mode_);
        formatter_.SetNotation(notation_);
    }
    CalculatorState(const CalculatorState&) = delete;
    CalculatorState& operator=(const CalculatorState&) = delete;

private:
    CalcEngine& engine_;
    NumberFormatter& formatter_;
    KeypadLayouts& layouts_;
    int mode_;
    int notation_;
    std::int32_t layout_;
};

}  // namespace

WorksheetOpener::WorksheetOpener() = default;
WorksheetOpener::~WorksheetOpener() = default;

Status WorksheetOpener::OpenWorksheet(int buttonId, const WorksheetSetup& setup)
{
    const WorksheetEntry* entry = FindWorksheetForButton(buttonId);
    if (!entry || !setup.engine || !setup.formatter || !setup.layouts || !setup.window) return StatusInvalidArgument;
    // One sheet at a time: the open one's window holds it.
    if (openWindow_) return StatusFail;
    CalcEngine& engine = *setup.engine;
    engine.PressButton(ButtonTypeClear, ClearKeyAll);
    const CalculatorState kept(engine, *setup.formatter, *setup.layouts);
    engine.SetMode(CalcModeAlgebraic);
    setup.formatter->SetNotation(NotationNormal);
    const std::int32_t layout = entry->takesDataPairs ? LayoutStatisticsWorksheet : LayoutWorksheet;
    if (setup.layouts->SetCurrentLayout(layout) != StatusOk) return StatusFail;
    // The sheet of the last opening saves its values as it goes.
    sheet_.reset();
    options_ = setup.options;
    sheet_ = entry->create(options_);
    std::unique_ptr<WorksheetWindow> window =
        entry->takesDataPairs
            ? std::make_unique<RegressionSheetWindow>(*sheet_, engine, *setup.layouts, setup.soundMode)
            : std::make_unique<WorksheetWindow>(*sheet_, engine, *setup.layouts, setup.soundMode);
    openWindow_ = window.get();
    window->Run(*setup.window);
    openWindow_ = nullptr;
    // An Algebraic calculator keeps the sheet's last value as a result: typing
    // starts a new number rather than adding digits to it.
    engine.LoadTexts(engine.GetRawDisplayText(), L"");
    return StatusOk;
}

void WorksheetOpener::FollowFrame(int width, int height)
{
    if (openWindow_ && openWindow_->Window()) openWindow_->Window()->Resize(width, height);
}

}  // namespace tallyx
