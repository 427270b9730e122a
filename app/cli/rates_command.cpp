#include <ostream>

#include "app/cli/cli_command.h"

namespace tallyx::cli {
namespace {

int Run(const Arguments&, std::ostream&, std::ostream& error)
{
    error << "tallyx-cli: 'rates' is not available in this build yet\n";
    return kExitFailure;
}

}  // namespace

const Command kRatesCommand = {"rates", "rates list | rates convert AMOUNT FROM TO | rates make INPUT OUTPUT | rates update [--url URL]", Run};

}  // namespace tallyx::cli
