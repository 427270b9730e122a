#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'plot' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kPlotCommand = {"plot", "plot EXPR... [--width W] [--height H] [--step 0|1|2]", Run};

}  // namespace tallyx::cli
