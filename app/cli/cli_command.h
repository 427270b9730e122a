#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tallyx::cli {

using Arguments = std::vector<std::string>;

// Exit statuses of the console: 2 is bad input, with a message on stderr.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// One console command: "tallyx-cli NAME ARGUMENTS...". Each lives in a file of
// its own and is listed in the table of cli_main.cpp.
struct Command {
    std::string_view name;
    std::string_view usage;  // lines shown by --help, each starting with the command
    int (*run)(const Arguments& arguments, std::ostream& out, std::ostream& error);
};

extern const Command kLayoutCommand;
extern const Command kEvalCommand;
extern const Command kKeysCommand;
extern const Command kConvertCommand;
extern const Command kRatesCommand;
extern const Command kConstCommand;
extern const Command kSheetCommand;
extern const Command kPlotCommand;

// The calculator that reads one expression a line: no arguments, or a pipe.
int RunInteractive(std::istream& in, std::ostream& out, std::ostream& error, bool prompt);

}  // namespace tallyx::cli
