#pragma once

#include <string>
#include <vector>

namespace tallyx::cases {

// What a finished program left: its exit status and both output streams.
struct CommandRun {
    int exitStatus = -1;  // -1 when it could not be started or did not exit
    std::string out;
    std::string error;
};

// Runs the program with the arguments, no shell between, and waits for it.
CommandRun RunCommand(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace tallyx::cases
