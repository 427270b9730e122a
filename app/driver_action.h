#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/geometry.h"

namespace tallyx {

// One step of a scripted run: "key Plus", "tap 10,20", "choose Copy".
struct DriverAction {
    enum Kind { Key, Tap, Hold, Drag, Type, VirtualKey, Wait, Button, Choose };

    Kind kind = Key;
    std::wstring text;          // the key name, typed text, caption or item
    std::vector<Point> points;  // one for a tap or hold, start and end of a drag
    std::uint32_t virtualKey = 0;
    int milliseconds = 0;
    std::string words;  // as written, for messages
};

// The actions, or why the words cannot be read as actions.
struct ParsedDriverActions {
    std::vector<DriverAction> actions;
    std::string error;
};

// Reads "NAME ARGUMENT" pairs; every action takes one argument.
ParsedDriverActions ParseDriverActions(std::span<const std::string> words);

}  // namespace tallyx
