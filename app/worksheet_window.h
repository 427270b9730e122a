#pragma once

#include <cstdint>
#include <vector>

#include "app/key_sound.h"
#include "app/soft_key_bar.h"
#include "app/worksheet_layout.h"
#include "keypad/key_mapper.h"
#include "ui/face_cache.h"
#include "ui/keypad_grid.h"
#include "ui/window_base.h"
#include "worksheets/worksheet.h"

namespace tallyx {

class CalcEngine;
class KeypadLayouts;

// The full-screen modal window of one worksheet: its list of cells above
// (portrait) or beside (landscape) the worksheet keypad of the current
// layout, "Back" on the soft-key bar and, on a sheet with a schedule,
// "Schedule" on its right side. Worksheet keys go to the sheet;
// entry keys go to the calculator engine while a writable cell is
// highlighted, and the engine's display becomes that cell's text. Typed
// characters work as their keys, Return as Calc.
class WorksheetWindow : public WindowBase, public WorksheetHost {
public:
    // A key of the worksheet keypad was tapped, or a key stands for one.
    static constexpr std::uint32_t kTapMessage = 1424;
    static constexpr std::uint32_t kKeyMessage = 1147;
    static constexpr int kFlashBeats = 4;
    static constexpr int kFlashBeatMilliseconds = 25;

    // The layouts' current layout gives the keys; soundMode is the "Play sounds" setting.
    WorksheetWindow(Worksheet& sheet, CalcEngine& engine, const KeypadLayouts& layouts, std::int32_t soundMode);
    ~WorksheetWindow() override;

    // Shows the sheet over parent until it is closed.
    void Run(WindowHost& parent);

    const Worksheet& Sheet() const { return sheet_; }
    const WorksheetLayout& Layout() const { return layout_; }
    std::vector<Rect> VisibleRows() const;
    const std::vector<KeyButton>& Keys() const { return keys_.Keys(); }
    bool HighlightShown() const { return highlightShown_; }
    // "Schedule" on a sheet that has one, empty otherwise.
    std::wstring RightCaption() const;

    // What the sheet asks of its window.
    void ShowInDisplay(std::wstring_view text) override;
    void InvalidateList() override;
    void FlashHighlight() override;
    void LayOutAgain() override;
    void ShowResults(const std::vector<ResultRow>& rows) override;

protected:
    CalcEngine& Engine() { return engine_; }
    std::int32_t SkinIndex() const;

    long OnCreate(std::uintptr_t first, std::intptr_t second) override;
    long OnSize(std::uintptr_t first, std::intptr_t second) override;
    long Draw(Canvas& canvas, const Rect& clip) override;
    long OnEraseBackground(std::uintptr_t first, std::intptr_t second) override;
    long OnChar(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyDown(std::uintptr_t first, std::intptr_t second) override;
    long OnKeyUp(std::uintptr_t first, std::intptr_t second) override;
    long OnPenDown(Point point) override;
    long OnPenMove(Point point) override;
    long OnPenUp(Point point) override;
    long OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override;
    long OnCommand(std::uintptr_t first, std::intptr_t second) override;
    long OnClose(std::uintptr_t first, std::intptr_t second) override;

private:
    void LayOut();
    void PressButton(int type, int id);
    void FollowReply(WorksheetReply reply);
    void TapList(Point point);
    void ShowSchedule();
    void Close();

    Worksheet& sheet_;
    CalcEngine& engine_;
    const KeypadLayouts& layouts_;
    std::int32_t soundMode_;
    KeyMapper keyMapper_;
    KeySound keySound_;
    WorksheetLayout layout_;
    Size laidOut_;
    FaceCache faces_;
    KeypadGrid keys_;
    SoftKeyBar softKeys_;
    bool highlightShown_ = true;
};

}  // namespace tallyx
