#include "soak_walk.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "app/main_frame.h"
#include "app/state_listing.h"
#include "ui/open_windows.h"
#include "ui/popup_menu_window.h"
#include "ui/window_host.h"

namespace tallyx {
namespace {

constexpr std::size_t kMovesShownOnFailure = 20;
// One move is a few pen or key messages; even a hold ends well within this.
constexpr auto kLongestMove = std::chrono::seconds(5);
// Moves spent getting out of windows at the end, and on one window at any
// time, before the walk counts the window as one that cannot be left.
constexpr int kMostMovesLeaving = 200;
constexpr int kMostMovesOnOneWindow = 400;
// The loop the walk starts from; deeper ones belong to modal windows.
constexpr int kOuterLoopLevel = 1;

// The windows from the top down to the first that is not a drawn menu.
std::vector<WindowBase*> WindowsInSight()
{
    std::vector<WindowBase*> windows;
    const auto& open = OpenWindows();
    for (auto window = open.rbegin(); window != open.rend(); ++window) {
        windows.push_back(*window);
        if (!dynamic_cast<PopupMenuWindow*>(*window)) break;
    }
    return windows;
}

// Written while the mutex is held, by either thread.
void Report(unsigned seed, int played, const std::deque<std::string>& lastMoves, const std::string& why)
{
    std::cerr << "soak: seed " << seed << " failed at move " << played << ": " << why << "\nsoak: the last moves:\n";
    for (const std::string& move : lastMoves) std::cerr << "  " << move << '\n';
    std::cerr << "soak: replay with --seed " << seed << std::endl;
}

}  // namespace

SoakWalk::SoakWalk(unsigned seed, int moves, const StateListing& listing, bool trace)
    : seed_(seed), moves_(moves), trace_(trace), listing_(listing), random_(seed),
      moveStarted_(std::chrono::steady_clock::now()), watchdog_([this] { Watch(); })
{
}

SoakWalk::~SoakWalk()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    watchdog_.join();
}

void SoakWalk::Start(MainFrame& frame)
{
    frame_ = &frame;
    stopped_ = false;
    PlayNext();
}

void SoakWalk::Stop()
{
    stopped_ = true;
    const auto playing = [](const auto& player) { return player->Result() == ActionPlayer::Outcome::Playing; };
    while (std::any_of(players_.begin(), players_.end(), playing)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    frame_ = nullptr;
}

WalkView SoakWalk::Look()
{
    WalkView view;
    const WindowBase* top = TopWindow();
    movesOnTop_ = top == lastTop_ ? movesOnTop_ + 1 : 0;
    lastTop_ = top;
    for (WindowBase* window : WindowsInSight()) {
        std::vector<StateLine> lines = listing_.Describe(*window);
        view.lines.insert(view.lines.end(), lines.begin(), lines.end());
    }
    // The window on top is described first, by its "window KIND" line.
    if (!view.lines.empty() && view.lines.front().kind == "window" && !view.lines.front().words.empty()) {
        view.topWindow = view.lines.front().words.front();
    }
    ++movesByWindow_[view.topWindow];
    const Rect client = frame_->Window()->ClientRect();
    view.screen = {client.Width(), client.Height()};
    view.atRest = top == frame_;
    view.movesOnTopWindow = movesOnTop_;
    view.leaving = played_ >= moves_;
    return view;
}

std::string SoakWalk::WindowsVisited() const
{
    std::string visited;
    for (const auto& [kind, moves] : movesByWindow_) {
        visited += (visited.empty() ? "" : " ") + kind + ' ' + std::to_string(moves);
    }
    return visited;
}

void SoakWalk::PlayNext()
{
    const WalkView view = Look();
    if (view.leaving) {
        if (view.atRest) {
            finished_ = true;
            QCoreApplication::exit(0);
            return;
        }
        if (++movesLeaving_ > kMostMovesLeaving) Fail("the windows open at the end could not be closed");
    } else {
        ++played_;
    }
    if (!view.atRest && movesOnTop_ > kMostMovesOnOneWindow) Fail("the window on top could not be left");
    Play(ChooseMove(random_, view), view);
}

void SoakWalk::Play(const WalkMove& move, const WalkView& view)
{
    Note(std::to_string(played_) + ' ' + view.topWindow + ": " + move.Words());
    std::vector<std::string> words = move.words;
    if (move.kind == WalkMove::SwitchType) frame_->Calculator().SwitchType(move.type);
    if (move.kind == WalkMove::Resize) frame_->Window()->Resize(move.size.width, move.size.height);
    // A change to the frame is followed by a pause, for what it posted.
    if (move.kind != WalkMove::Driver) words = {"wait", "0"};

    const ParsedDriverActions parsed = ParseDriverActions(words);
    if (!parsed.error.empty()) Fail("the move does not read as an action: " + parsed.error);
    auto& player = players_.emplace_back(
        std::make_unique<ActionPlayer>(parsed.actions, frame_->Calculator().Layouts().SkinIndex(), listing_));
    player->Start([this, current = player.get()](ActionPlayer::Outcome outcome) { Played(current, outcome); });
}

void SoakWalk::Played(ActionPlayer* player, ActionPlayer::Outcome outcome)
{
    if (outcome == ActionPlayer::Outcome::Failed) Fail(player->Failure());
    Retire(player);
    if (!stopped_) PlayNext();
}

// Finished players are let go only from the outer loop: a player whose step
// opened a modal window is still on the stack below the modal's loop.
void SoakWalk::Retire(ActionPlayer* keep)
{
    if (QThread::currentThread()->loopLevel() > kOuterLoopLevel) return;
    std::erase_if(players_, [keep](const auto& player) { return player.get() != keep; });
}

void SoakWalk::Note(const std::string& step)
{
    if (trace_) std::cout << step << std::endl;
    const std::lock_guard lock(mutex_);
    lastMoves_.push_back(step);
    if (lastMoves_.size() > kMovesShownOnFailure) lastMoves_.pop_front();
    moveStarted_ = std::chrono::steady_clock::now();
}

void SoakWalk::Fail(const std::string& why)
{
    const std::lock_guard lock(mutex_);
    Report(seed_, played_, lastMoves_, why);
    std::_Exit(EXIT_FAILURE);
}

void SoakWalk::Watch()
{
    std::unique_lock lock(mutex_);
    while (!stop_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; })) {
        if (std::chrono::steady_clock::now() - moveStarted_ < kLongestMove) continue;
        Report(seed_, played_, lastMoves_,
               "the last move did not finish within " + std::to_string(kLongestMove.count()) + " seconds");
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace tallyx
