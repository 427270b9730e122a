#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/cli/cli_command.h"

namespace tallyx::cli {

// An option of a command: a switch when it names no values, else it takes
// the next argument, which apply may refuse.
template <typename Target>
struct CommandOption {
    std::string_view name;
    std::string_view values;  // what the value may be, for the message
    bool (*apply)(Target&, std::string_view);
};

// Where the options ended, or what was wrong with them.
struct OptionsRead {
    std::size_t next = 0;  // the first argument after the options
    std::string error;     // empty when every option was understood
};

// Reads the leading "--" options into target. "--" ends them, for operands
// that start with "--".
template <typename Target>
OptionsRead ReadOptions(const Arguments& arguments, std::span<const CommandOption<Target>> options, Target& target)
{
    OptionsRead read;
    for (; read.next < arguments.size() && arguments[read.next].starts_with("--"); ++read.next) {
        const std::string& name = arguments[read.next];
        if (name == "--") {
            ++read.next;
            break;
        }
        const auto option = std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.name == name; });
        if (option == options.end()) {
            read.error = "unknown option '" + name + "'";
            return read;
        }
        if (option->values.empty()) {
            option->apply(target, {});
            continue;
        }
        if (read.next + 1 == arguments.size()) {
            read.error = name + " needs a value";
            return read;
        }
        const std::string& value = arguments[++read.next];
        if (!option->apply(target, value)) {
            read.error = name + " takes " + std::string(option->values) + ", not '" + value + "'";
            return read;
        }
    }
    return read;
}

// A whole number from low to high and nothing else.
bool ReadInteger(std::string_view text, int low, int high, int& value);

// "deg", "rad" or "grad", in any case.
std::optional<int> ReadAngleUnit(std::string_view text);

}  // namespace tallyx::cli
