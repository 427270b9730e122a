#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'const' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kConstCommand = {"const", "const [PATH...] | const --find TEXT", Run};

}  // namespace tallyx::cli
