#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/driver_action.h"
#include "platform/geometry.h"

namespace tallyx {

// What the command line asks of the desktop program.
struct StartOptions {
    tallyx::Size screen{480, 640};
    std::optional<std::string> screenshotPath;
    bool dumpLayout = false;
    std::optional<int> type;
    std::optional<int> mode;
    std::optional<int> skin;
    std::vector<std::wstring> keys;
    std::vector<Point> taps;
    // Played after the keys and taps, each against the window on top.
    std::vector<DriverAction> actions;
    bool dumpState = false;
    // Only the usage text is wanted.
    bool help = false;

    // Renders, lists or plays without a visible window and without the user's settings.
    bool Headless() const { return screenshotPath.has_value() || dumpLayout || dumpState || !actions.empty(); }
};

// The options, or the reason they cannot be read.
struct ParsedStartOptions {
    std::optional<StartOptions> options;
    std::string error;
};

ParsedStartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// How to call the program, for the error text.
extern const char* const kStartUsage;

}  // namespace tallyx
