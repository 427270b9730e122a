#include "app/worksheet_window.h"

#include <chrono>
#include <thread>

#include "app/results_window.h"
#include "app/worksheet_list_painter.h"
#include "engine/button_types.h"
#include "engine/calc_engine.h"
#include "engine/key_ids.h"
#include "keypad/keypad_layouts.h"
#include "platform/services.h"
#include "platform/window_messages.h"
#include "ui/window_host.h"
#include "worksheets/schedule_table.h"

namespace tallyx {
namespace {

constexpr long kClosed = 0;
// The commands that close a worksheet as Back does: OK and the program's own close command.
constexpr std::uintptr_t kOkCommand = 1;
constexpr std::uintptr_t kCloseCommand = 20185;
constexpr std::uintptr_t kCommandIdMask = 0xFFFF;
constexpr wchar_t kScheduleCaption[] = L"Schedule";
constexpr wchar_t kScheduleTitleSuffix[] = L" Schedule";
constexpr wchar_t kMessageCaption[] = L"Tallyx";
constexpr wchar_t kNoScheduleMessage[] =
    L"No schedule for these values\r\nA schedule needs an amount to repay or to depreciate and a term it can list";

// A sheet outlives its window; between openings it talks to nobody.
WorksheetHost& IdleHost()
{
    static WorksheetHost idle;
    return idle;
}

}  // namespace

WorksheetWindow::WorksheetWindow(Worksheet& sheet, CalcEngine& engine, const KeypadLayouts& layouts,
                                 std::int32_t soundMode)
    : sheet_(sheet), engine_(engine), layouts_(layouts), soundMode_(soundMode)
{
    sheet_.Attach(*this);
}

WorksheetWindow::~WorksheetWindow()
{
    sheet_.Attach(IdleHost());
}

std::int32_t WorksheetWindow::SkinIndex() const
{
    return layouts_.SkinIndex();
}

void WorksheetWindow::Run(WindowHost& parent)
{
    RunModal(&parent, parent.ClientRect(), sheet_.Title());
}

std::vector<Rect> WorksheetWindow::VisibleRows() const
{
    return WorksheetRows(layout_, static_cast<int>(sheet_.Cells().size()));
}

std::wstring WorksheetWindow::RightCaption() const
{
    return sheet_.HasSchedule() ? kScheduleCaption : L"";
}

long WorksheetWindow::OnCreate(std::uintptr_t, std::intptr_t)
{
    softKeys_.SetWindow(Window());
    softKeys_.SetCaptions(L"Back", RightCaption());
    sheet_.BuildCells();
    Window()->SetTitle(sheet_.Title());
    LayOut();
    return 1;
}

long WorksheetWindow::OnSize(std::uintptr_t, std::intptr_t)
{
    const Rect client = Window()->ClientRect();
    if (Size{client.Width(), client.Height()} != laidOut_) LayOut();
    return 1;
}

void WorksheetWindow::LayOut()
{
    const Rect client = Window()->ClientRect();
    laidOut_ = {client.Width(), client.Height()};
    const LayoutDef* keys = layouts_.CurrentLayout();
    layout_ = LayOutWorksheet(ScreenMetrics::ForClient(client.Width(), client.Height()), keys);
    sheet_.SetVisibleRows(layout_.visibleRows);
    softKeys_.Place(layout_.bar, layouts_.SkinIndex());
    faces_.Clear();
    keys_.Clear();
    if (keys) {
        const KeySkin skin{&layouts_.Colors(), &faces_, Window(), layout_.metrics.icon};
        keys_.Build(WorksheetKeys(layout_, *keys), layout_.keypad, skin);
        keys_.SetFonts(layout_.keyFonts);
    }
    Window()->InvalidateAll();
}

long WorksheetWindow::Draw(Canvas& canvas, const Rect& clip)
{
    const SkinColors& colors = layouts_.Colors();
    canvas.FillRect(Window()->ClientRect().Intersected(clip), colors.background);
    if (!layout_.list.Intersected(clip).IsEmpty()) {
        const WorksheetListState state{engine_.IsMemoryUsed(0), highlightShown_};
        PaintWorksheetList(canvas, sheet_, layout_, colors, state);
    }
    keys_.Draw(canvas, clip);
    for (const KeyButton& key : keys_.Keys()) {
        if (IsArrowKey(key.Button()) && !key.Bounds().Intersected(clip).IsEmpty()) PaintKeyArrow(canvas, key, colors);
    }
    softKeys_.Draw(canvas);
    return 1;
}

// Every pixel is painted by Draw.
long WorksheetWindow::OnEraseBackground(std::uintptr_t, std::intptr_t)
{
    return 1;
}

void WorksheetWindow::PressButton(int type, int id)
{
    const WorksheetReply reply = sheet_.PressButton(type, id);
    if (reply == WorksheetReply::PassToEngine) {
        engine_.PressButton(type, id);
        // Typing reaches the highlighted cell through the engine's display.
        sheet_.TakeDisplayText(engine_.GetRawDisplayText());
    }
    FollowReply(reply);
}

void WorksheetWindow::FollowReply(WorksheetReply reply)
{
    if (reply == WorksheetReply::Close) {
        Close();
    } else {
        InvalidateList();
    }
}

long WorksheetWindow::OnChar(std::uintptr_t first, std::intptr_t)
{
    const std::optional<MappedKey> key = keyMapper_.MapCharacter(static_cast<wchar_t>(first), engine_.GetBase());
    if (!key || !key->press) return 1;
    // Return, like every character that means "=", solves the highlighted cell.
    if (key->type == ButtonTypeEquals) {
        PressButton(ButtonTypeWorksheetKey, WorksheetButtonCalculate);
    } else {
        PressButton(key->type, key->id);
    }
    return 1;
}

long WorksheetWindow::OnKeyDown(std::uintptr_t first, std::intptr_t second)
{
    // Escape closes the sheet rather than clearing the entry.
    if (first == VK_ESCAPE) return 1;
    const std::optional<MappedKey> key = keyMapper_.MapShortcut(static_cast<std::uint32_t>(first), second);
    if (!key) return 1;
    // Copying changes nothing, so a result row can be copied as well.
    if (key->type == ButtonTypeClipboard && key->id == ClipboardKeyCopy) {
        engine_.PressButton(key->type, key->id);
    } else {
        PressButton(key->type, key->id);
    }
    return 1;
}

long WorksheetWindow::OnKeyUp(std::uintptr_t first, std::intptr_t)
{
    if (first == VK_ESCAPE) {
        Close();
        return 1;
    }
    const WorksheetReply reply = sheet_.KeyUp(static_cast<int>(first));
    if (reply == WorksheetReply::Close) Close();
    return 1;
}

long WorksheetWindow::OnPenDown(Point point)
{
    if (!softKeys_.PenDown(point)) keys_.PenDown(point);
    return 1;
}

long WorksheetWindow::OnPenMove(Point point)
{
    keys_.PenMove(point);
    return 1;
}

long WorksheetWindow::OnPenUp(Point point)
{
    if (softKeys_.PenUp(point)) return 1;
    if (const std::optional<ButtonDef> fired = keys_.PenUp(point)) {
        Window()->PostMessage(kTapMessage, static_cast<std::uintptr_t>(fired->type), fired->id);
        InvalidateList();
        keySound_.Play(soundMode_);
        return 1;
    }
    if (layout_.list.Contains(point)) TapList(point);
    return 1;
}

void WorksheetWindow::TapList(Point point)
{
    const std::vector<Rect> rows = VisibleRows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        if (!rows[static_cast<std::size_t>(row)].Contains(point)) continue;
        if (sheet_.TapRow(row)) keySound_.Play(soundMode_);
        return;
    }
    // Above the rows is the title: Up; below them: Down.
    if (point.y < rows.front().top) {
        FollowReply(sheet_.KeyUp(WorksheetKeyUp));
    } else if (point.y >= rows.back().bottom) {
        FollowReply(sheet_.KeyUp(WorksheetKeyDown));
    }
}

long WorksheetWindow::OnUserMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    switch (message) {
    case kTapMessage:
    case kKeyMessage: PressButton(static_cast<int>(first), static_cast<int>(second)); return 1;
    case SoftKeyBar::kLeftMessage:
    case SoftKeyBar::kMiddleMessage: Close(); return 1;
    case SoftKeyBar::kRightMessage:
        if (sheet_.HasSchedule()) ShowSchedule();
        return 1;
    default: return kNotHandled;
    }
}

long WorksheetWindow::OnCommand(std::uintptr_t first, std::intptr_t)
{
    const std::uintptr_t command = first & kCommandIdMask;
    if (command != kOkCommand && command != kCloseCommand) return kNotHandled;
    Close();
    return 1;
}

long WorksheetWindow::OnClose(std::uintptr_t, std::intptr_t)
{
    Close();
    return 1;
}

void WorksheetWindow::Close()
{
    if (!Window()) return;
    // A value typed and left by Back is kept, as it is when left by Down.
    sheet_.CommitCell();
    Window()->EndModal(kClosed);
}

void WorksheetWindow::ShowInDisplay(std::wstring_view text)
{
    engine_.LoadTexts(text, L"");
}

void WorksheetWindow::InvalidateList()
{
    if (Window()) Window()->Invalidate(layout_.list);
}

void WorksheetWindow::FlashHighlight()
{
    if (!Window()) return;
    for (int beat = 0; beat < kFlashBeats; ++beat) {
        if (beat > 0) std::this_thread::sleep_for(std::chrono::milliseconds(kFlashBeatMilliseconds));
        // Dark on the even beats, lit on the odd ones: the flash ends lit.
        highlightShown_ = beat % 2 == 1;
        Window()->Invalidate(layout_.list);
        Window()->Update();
    }
}

void WorksheetWindow::LayOutAgain()
{
    if (!Window()) return;
    Window()->SetTitle(sheet_.Title());
    LayOut();
}

void WorksheetWindow::ShowSchedule()
{
    const ScheduleTable table = sheet_.Schedule();
    // Making the table commits the entry and recomputes the sheet.
    InvalidateList();
    if (table.lines.empty()) {
        Platform().notifier->ShowMessage(kNoScheduleMessage, kMessageCaption, NotifierIcon::Information,
                                         NotifierButtons::Ok);
        return;
    }
    ResultsWindow list(sheet_.Title() + kScheduleTitleSuffix, ScheduleResultRows(table), layouts_.Colors(),
                       layouts_.SkinIndex(), ScheduleCsv(table));
    list.Run(*Window());
}

void WorksheetWindow::ShowResults(const std::vector<ResultRow>& rows)
{
    if (Window()) ResultsWindow(sheet_.Title(), rows, layouts_.Colors(), layouts_.SkinIndex()).Run(*Window());
}

}  // namespace tallyx
