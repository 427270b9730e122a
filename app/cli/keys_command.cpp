#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'keys' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kKeysCommand = {"keys", "keys [--mode M] [--notation 0-6] [--fixed D] [--angle A] [--stack N] [--regional] [--raw] [--trace] KEY...", Run};

}  // namespace tallyx::cli
