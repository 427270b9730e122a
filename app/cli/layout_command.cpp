#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'layout' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kLayoutCommand = {"layout", "layout INDEX [--skin N] [--rpn] [--advmem]", Run};

}  // namespace tallyx::cli
