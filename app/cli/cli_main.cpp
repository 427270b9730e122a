#include <array>
#include <iostream>
#include <unistd.h>

#include "app/cli/cli_command.h"

namespace {

using tallyx::cli::Command;

const std::array<const Command*, 8> kCommands = {
    &tallyx::cli::kEvalCommand,  &tallyx::cli::kKeysCommand,  &tallyx::cli::kLayoutCommand,
    &tallyx::cli::kConvertCommand, &tallyx::cli::kRatesCommand, &tallyx::cli::kConstCommand,
    &tallyx::cli::kSheetCommand, &tallyx::cli::kPlotCommand,
};

void PrintUsage(std::ostream& out)
{
    out << "Tallyx console calculator\n\n"
        << "usage: tallyx-cli                 an interactive calculator (also reads a pipe)\n";
    for (const Command* command : kCommands) {
        out << "       tallyx-cli " << command->usage << '\n';
    }
    out << "       tallyx-cli --help          this text\n";
}

}  // namespace

int main(int argc, char** argv)
{
    const tallyx::cli::Arguments arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        return tallyx::cli::RunInteractive(std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
        PrintUsage(std::cout);
        return tallyx::cli::kExitOk;
    }
    for (const Command* command : kCommands) {
        if (arguments[0] == command->name) {
            const tallyx::cli::Arguments rest(arguments.begin() + 1, arguments.end());
            return command->run(rest, std::cout, std::cerr);
        }
    }
    std::cerr << "tallyx-cli: unknown command '" << arguments[0] << "'\n";
    PrintUsage(std::cerr);
    return tallyx::cli::kExitUsage;
}
