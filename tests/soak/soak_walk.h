#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/action_player.h"
#include "walk_move.h"

namespace tallyx {

class MainFrame;
class StateListing;

// A seeded random walk over whatever window is on top: each move is picked
// from that window's listing and played by an action player, from whichever
// event loop runs then, so modal windows are walked through their own loops.
// A move that fails, or one that does not finish in time, ends the process
// with the seed and the last moves, so that the run replays.
class SoakWalk {
public:
    // A traced walk writes each move, and the window it was made on, as it goes.
    SoakWalk(unsigned seed, int moves, const StateListing& listing, bool trace);
    ~SoakWalk();

    // Starts or goes on with the walk over this frame: a new one after the
    // program ended itself.
    void Start(MainFrame& frame);
    // Lets the move under way finish and starts no other, so that the frame
    // can be closed with none of the walk's steps on their way to it.
    void Stop();
    // Every move was played and the frame is at rest again.
    bool Finished() const { return finished_; }
    int MovesPlayed() const { return played_.load(); }
    // How many moves each kind of window was on top for: "calculator 812 menu 140 ...".
    std::string WindowsVisited() const;

    // A step of the run, kept with the moves and timed as one: "close the frame".
    void Note(const std::string& step);
    [[noreturn]] void Fail(const std::string& why);

private:
    WalkView Look();
    void PlayNext();
    void Play(const WalkMove& move, const WalkView& view);
    void Played(ActionPlayer* player, ActionPlayer::Outcome outcome);
    void Retire(ActionPlayer* keep);
    void Watch();

    unsigned seed_;
    int moves_;
    bool trace_;
    const StateListing& listing_;
    std::mt19937 random_;
    MainFrame* frame_ = nullptr;
    std::atomic<int> played_ = 0;
    int movesLeaving_ = 0;
    bool finished_ = false;
    bool stopped_ = false;
    const void* lastTop_ = nullptr;
    int movesOnTop_ = 0;
    std::map<std::string, int> movesByWindow_;
    std::vector<std::unique_ptr<ActionPlayer>> players_;

    // Shared with the watchdog thread.
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::deque<std::string> lastMoves_;
    std::chrono::steady_clock::time_point moveStarted_;
    std::thread watchdog_;
};

}  // namespace tallyx
