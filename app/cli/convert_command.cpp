#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'convert' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kConvertCommand = {"convert", "convert CATEGORY VALUE FROM TO | convert --list [CATEGORY]", Run};

}  // namespace tallyx::cli
