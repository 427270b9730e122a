#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'sheet' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kSheetCommand = {"sheet", "sheet NAME [ROW=VALUE ...] [--calc ROW] [--set NAME=VALUE ...]", Run};

}  // namespace tallyx::cli
