#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'eval' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kEvalCommand = {"eval", "eval [--angle deg|rad|grad] [--base N] [--bits N] EXPR...", Run};

}  // namespace tallyx::cli
