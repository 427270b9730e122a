#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {

int RunInteractive(std::istream&, std::ostream&, std::ostream& error, bool)
{
    error << "tallyx-cli: the interactive calculator is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace tallyx::cli
