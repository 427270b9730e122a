#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/driver_action.h"

namespace tallyx {

class StateListing;

// Plays scripted actions against whichever window is on top when each one
// runs. Every step is started from the event loop that runs at the time,
// so a step that opens a modal window (and its nested loop) does not stop
// the steps after it: they reach that window.
class ActionPlayer {
public:
    enum class Outcome { Playing, Done, Failed };
    // Called once, from inside whatever loop runs then.
    using Finished = std::function<void(Outcome outcome)>;

    ActionPlayer(std::vector<DriverAction> actions, int skinIndex, const StateListing& listing);

    // The first key whose name the skin does not know, as "no key named ...", or nothing.
    std::string UnknownKey() const;
    void Start(Finished finished);

    Outcome Result() const { return outcome_; }
    // Why the run stopped, when it failed.
    const std::string& Failure() const { return failure_; }
    // The actions not begun yet: a window may have ended the program before them.
    bool AllBegun() const { return next_ == actions_.size() && steps_.empty(); }
    std::string NextActionWords() const;

    struct Step {
        std::function<std::string()> act;  // answers why it could not be done, or nothing
        int pauseAfter = 0;
    };

private:
    void ArmNext(int milliseconds);
    void Advance();
    std::string Expand(const DriverAction& action);
    std::string ExpandButton(const DriverAction& action);
    std::string ExpandChoice(const DriverAction& action);
    void Finish(Outcome outcome, std::string failure = "");

    std::vector<DriverAction> actions_;
    int skinIndex_;
    const StateListing& listing_;
    std::size_t next_ = 0;
    std::deque<Step> steps_;
    int settleRounds_ = 0;
    Outcome outcome_ = Outcome::Playing;
    std::string failure_;
    Finished finished_;
    QObject context_;
};

}  // namespace tallyx
