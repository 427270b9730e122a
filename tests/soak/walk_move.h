#pragma once

#include <random>
#include <string>
#include <vector>

#include "app/state_listing.h"
#include "platform/geometry.h"

namespace tallyx {

// One move of the walk: driver words for the action player, or a change the
// user makes to the frame itself.
struct WalkMove {
    enum Kind { Driver, SwitchType, Resize };

    Kind kind = Driver;
    std::vector<std::string> words;  // "tap" "10,20", for a driver move
    int type = 0;
    Size size;

    // As a log line: "tap 10,20", "switch type 4", "resize 240x320".
    std::string Words() const;
};

// What the walk sees before a move.
struct WalkView {
    std::vector<StateLine> lines;  // of the windows in sight, in top-level coordinates
    std::string topWindow;         // the kind its listing gives the window on top
    Size screen;
    bool atRest = false;         // nothing is open over the frame, so its type and size may change
    int movesOnTopWindow = 0;    // how long the window on top has been there
    bool leaving = false;        // the walk is over: only ways out are taken
};

// A move picked from what is in sight. A window that stays on top too long
// is left by Escape or by its Back, Cancel or OK button, so a walk never
// stays in one dialog.
WalkMove ChooseMove(std::mt19937& random, const WalkView& view);

}  // namespace tallyx
