#pragma once

#include <sstream>
#include <string>

#include "app/cli/cli_command.h"

namespace tallyx::testing {

struct CommandOutput {
    int status;
    std::string out;
    std::string error;
};

inline CommandOutput RunCommand(const cli::Command& command, const cli::Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream error;
    const int status = command.run(arguments, out, error);
    return {status, out.str(), error.str()};
}

}  // namespace tallyx::testing
