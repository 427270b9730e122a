#include "app/action_player.h"

#include <QCoreApplication>
#include <QTimer>
#include <optional>
#include <utility>

#include "app/main_frame.h"
#include "app/state_listing.h"
#include "app/window_describers.h"
#include "app/window_on_screen.h"
#include "keypad/button_vocabulary.h"
#include "platform/wide_text.h"
#include "platform/window_messages.h"
#include "ui/open_windows.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

using Step = ActionPlayer::Step;

// Longer than any window's hold time (the keypad's is 500 ms).
constexpr int kHoldPause = 600;
constexpr int kDragMoves = 4;
// Long enough for a chosen row's window to act on what the choice posted,
// such as a file dialog closing on a tapped file, before the next action.
constexpr int kRowChoicePause = 50;
// Rounds of the event loop let run after the last action, for what it posted.
constexpr int kSettleRounds = 2;

// A pen event at a point of the top-level window, delivered to the window on
// top in its own coordinates: the window on top holds the pen, as a drawn
// menu does while open.
Step Pen(std::uint32_t message, Point point, int pauseAfter = 0)
{
    return {[message, point] {
                WindowBase* top = TopWindow();
                if (!top) return std::string("no window is open");
                const Point origin = OriginInTopLevel(*top);
                const std::uintptr_t buttons = message == WM_LBUTTONUP ? 0 : 1;
                top->WindowProcedure(message, buttons, MakePointParameter(point.x - origin.x, point.y - origin.y));
                return std::string();
            },
            pauseAfter};
}

Step Message(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return {[message, first, second] {
        WindowBase* top = TopWindow();
        if (!top) return std::string("no window is open");
        top->WindowProcedure(message, first, second);
        return std::string();
    }};
}

Point Centre(const Rect& rect)
{
    return {rect.left + rect.Width() / 2, rect.top + rect.Height() / 2};
}

void AddTap(std::deque<Step>& steps, Point point)
{
    steps.push_back(Pen(WM_LBUTTONDOWN, point));
    steps.push_back(Pen(WM_LBUTTONUP, point));
}

PopupMenuWindow* AsMenu(WindowBase* window)
{
    return dynamic_cast<PopupMenuWindow*>(window);
}

// The windows from the top down to the first that is not a drawn menu: what
// is in sight and can be tapped.
std::vector<WindowBase*> WindowsInSight()
{
    std::vector<WindowBase*> windows;
    const auto& open = OpenWindows();
    for (auto window = open.rbegin(); window != open.rend(); ++window) {
        windows.push_back(*window);
        if (!AsMenu(*window)) break;
    }
    return windows;
}

const StateLine* FindLine(const std::vector<StateLine>& lines, std::string_view kind, const std::wstring& text)
{
    for (const StateLine& line : lines) {
        if (line.kind == kind && line.text == text && line.rect) return &line;
    }
    return nullptr;
}

// The visible list view of the window on top with a row of that text: the
// list and the row.
std::optional<std::pair<ListView*, std::size_t>> ListRowOnTop(const std::wstring& text)
{
    WindowBase* top = TopWindow();
    if (!top || !top->Window()) return std::nullopt;
    for (ChildControl* control : top->Window()->Controls()) {
        if (control->Kind() != ControlKind::ListView || !control->IsVisible()) continue;
        auto* list = static_cast<ListView*>(control);
        const std::vector<ListRow> rows = list->Rows();
        for (std::size_t index = 0; index < rows.size(); ++index) {
            if (rows[index].text == text) return std::make_pair(list, index);
        }
    }
    return std::nullopt;
}

// Chooses the row as a double click does: selected, then activated.
Step ListRowChoice(const std::wstring& text)
{
    return {[text] {
                const auto row = ListRowOnTop(text);
                if (!row) return "no list row '" + NarrowUtf8(text) + "' on the window on top";
                auto [list, index] = *row;
                list->Select(index);
                const auto id = static_cast<std::uintptr_t>(list->Identity().id);
                WindowHost* window = TopWindow()->Window();
                window->PostMessage(WM_CONTROL_SELECTED, id, 0);
                window->PostMessage(WM_CONTROL_ACTIVATED, id, 0);
                return std::string();
            },
            kRowChoicePause};
}

}  // namespace

ActionPlayer::ActionPlayer(std::vector<DriverAction> actions, int skinIndex, const StateListing& listing)
    : actions_(std::move(actions)), skinIndex_(skinIndex), listing_(listing)
{
}

std::string ActionPlayer::UnknownKey() const
{
    for (const DriverAction& action : actions_) {
        if (action.kind == DriverAction::Key && !FindButtonByName(action.text, skinIndex_)) {
            return "no key named '" + NarrowUtf8(action.text) + "'";
        }
    }
    return "";
}

std::string ActionPlayer::NextActionWords() const
{
    return next_ < actions_.size() ? actions_[next_].words : "";
}

void ActionPlayer::Start(Finished finished)
{
    finished_ = std::move(finished);
    settleRounds_ = kSettleRounds;
    ArmNext(0);
}

// The timer lets modal loops run the next step; the queued call behind it
// lets the messages the last step posted arrive first.
void ActionPlayer::ArmNext(int milliseconds)
{
    QTimer::singleShot(milliseconds, &context_, [this] {
        QMetaObject::invokeMethod(&context_, [this] { Advance(); }, Qt::QueuedConnection);
    });
}

void ActionPlayer::Advance()
{
    if (outcome_ != Outcome::Playing) return;
    if (steps_.empty()) {
        if (next_ == actions_.size()) {
            if (settleRounds_-- > 0) return ArmNext(0);
            return Finish(Outcome::Done);
        }
        const DriverAction& action = actions_[next_++];
        const std::string why = Expand(action);
        if (!why.empty()) return Finish(Outcome::Failed, action.words + ": " + why);
        if (steps_.empty()) return ArmNext(0);
    }
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    const std::string words = actions_[next_ - 1].words;
    // Armed first: the step may open a modal window and not return until it closes.
    ArmNext(step.pauseAfter);
    const std::string why = step.act ? step.act() : "";
    if (!why.empty()) Finish(Outcome::Failed, words + ": " + why);
}

std::string ActionPlayer::Expand(const DriverAction& action)
{
    switch (action.kind) {
    case DriverAction::Key: {
        const auto button = FindButtonByName(action.text, skinIndex_);
        if (!button) return "no such key";
        steps_.push_back({[button] {
            WindowBase* top = TopWindow();
            if (!top || !top->Window()) return std::string("no window is open");
            top->Window()->PostMessage(KeypadView::kKeyMessage, static_cast<std::uintptr_t>(button->type), button->id);
            return std::string();
        }});
        return "";
    }
    case DriverAction::Tap: AddTap(steps_, action.points.front()); return "";
    case DriverAction::Hold:
        steps_.push_back(Pen(WM_LBUTTONDOWN, action.points.front(), kHoldPause));
        steps_.push_back(Pen(WM_LBUTTONUP, action.points.front()));
        return "";
    case DriverAction::Drag: {
        const Point from = action.points.front();
        const Point to = action.points.back();
        steps_.push_back(Pen(WM_LBUTTONDOWN, from));
        for (int move = 1; move <= kDragMoves; ++move) {
            steps_.push_back(Pen(WM_MOUSEMOVE, {from.x + (to.x - from.x) * move / kDragMoves,
                                                from.y + (to.y - from.y) * move / kDragMoves}));
        }
        steps_.push_back(Pen(WM_LBUTTONUP, to));
        return "";
    }
    case DriverAction::Type:
        for (const wchar_t character : action.text) steps_.push_back(Message(WM_CHAR, character, 0));
        return "";
    case DriverAction::VirtualKey:
        steps_.push_back(Message(WM_KEYDOWN, action.virtualKey, 0));
        steps_.push_back(Message(WM_KEYUP, action.virtualKey, 0));
        return "";
    case DriverAction::Wait: steps_.push_back({nullptr, action.milliseconds}); return "";
    case DriverAction::Button: return ExpandButton(action);
    case DriverAction::Choose: return ExpandChoice(action);
    }
    return "";
}

std::string ActionPlayer::ExpandButton(const DriverAction& action)
{
    for (WindowBase* window : WindowsInSight()) {
        const std::vector<StateLine> lines = listing_.Describe(*window);
        if (const StateLine* button = FindLine(lines, "button", action.text)) {
            AddTap(steps_, Centre(*button->rect));
            return "";
        }
    }
    return "no button '" + NarrowUtf8(action.text) + "' on the window on top";
}

std::string ActionPlayer::ExpandChoice(const DriverAction& action)
{
    bool menuOpen = false;
    for (WindowBase* window : WindowsInSight()) {
        PopupMenuWindow* menu = AsMenu(window);
        if (!menu || !menu->Window()) continue;
        menuOpen = true;
        const auto& entries = menu->List().Entries();
        for (std::size_t index = 0; index < entries.size(); ++index) {
            const MenuEntry& entry = entries[index];
            if (entry.kind != MenuEntryKind::Item || entry.text != action.text) continue;
            if (!entry.Choosable()) return "the item '" + NarrowUtf8(action.text) + "' cannot be chosen";
            // A row scrolled out of sight is scrolled in first, as a drag would.
            menu->List().ScrollIntoView(menu->RowsArea(), index);
            menu->Window()->InvalidateAll();
            const std::vector<StateLine> lines = listing_.Describe(*menu);
            const StateLine* row = FindLine(lines, "menu", action.text);
            if (!row) return "the item '" + NarrowUtf8(action.text) + "' has no place on the menu";
            AddTap(steps_, Centre(*row->rect));
            return "";
        }
    }
    if (!menuOpen && ListRowOnTop(action.text)) {
        steps_.push_back(ListRowChoice(action.text));
        return "";
    }
    if (!menuOpen) return "no menu is open";
    return "no menu item '" + NarrowUtf8(action.text) + "' on the open menu";
}

void ActionPlayer::Finish(Outcome outcome, std::string failure)
{
    if (outcome_ != Outcome::Playing) return;
    outcome_ = outcome;
    failure_ = std::move(failure);
    steps_.clear();
    if (finished_) finished_(outcome);
}

}  // namespace tallyx
