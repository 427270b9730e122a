#include "tests/cases/case_file.h"

#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

namespace tallyx::cases {
namespace {

constexpr std::string_view kSeparator = "=>";
constexpr std::string_view kCommandDirective = "command:";
constexpr std::string_view kOptionsDirective = "options:";
constexpr std::string_view kOutputLineJoint = " | ";
constexpr std::string_view kBlanks = " \t\r\n";

// The console commands a case file may run, and how each takes its input.
struct CaseCommand {
    std::string_view name;
    bool inputIsOneArgument;
};

constexpr std::array kCommands = {
    CaseCommand{"keys", false},
    CaseCommand{"eval", true},
    CaseCommand{"sheet", false},
};

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::istringstream stream{std::string(text)};
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

const CaseCommand* FindCommand(std::string_view name)
{
    for (const CaseCommand& command : kCommands) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

std::string Fault(int line, std::string_view message)
{
    return "line " + std::to_string(line) + ": " + std::string(message);
}

// What the lines above a case have set.
struct CaseContext {
    const CaseCommand* command = nullptr;
    std::vector<std::string> options;
};

// The first "=>" standing apart from the words around it.
std::string_view::size_type FindSeparator(std::string_view text)
{
    for (auto at = text.find(kSeparator); at != std::string_view::npos; at = text.find(kSeparator, at + 1)) {
        const auto after = at + kSeparator.size();
        if ((at == 0 || text[at - 1] == ' ') && (after == text.size() || text[after] == ' ')) return at;
    }
    return std::string_view::npos;
}

std::optional<std::string> ReadCaseLine(std::string_view text, int line, const CaseContext& context, Case& read)
{
    const auto separator = FindSeparator(text);
    if (separator == std::string_view::npos) {
        return Fault(line, "no \" => \" between the input and the expected text");
    }
    const auto after = separator + kSeparator.size();
    if (!context.command) return Fault(line, "a case before any \"command:\" line");
    read.line = line;
    read.input = std::string(Trimmed(text.substr(0, separator)));
    read.expected = std::string(Trimmed(text.substr(after)));
    if (read.input.empty()) return Fault(line, "a case without input");
    read.arguments = {std::string(context.command->name)};
    read.arguments.insert(read.arguments.end(), context.options.begin(), context.options.end());
    const std::vector<std::string> input = context.command->inputIsOneArgument ? std::vector{read.input}
                                                                                  : Words(read.input);
    read.arguments.insert(read.arguments.end(), input.begin(), input.end());
    return std::nullopt;
}

}  // namespace

CaseFile ReadCaseText(const std::string& text)
{
    CaseFile file;
    CaseContext context;
    std::istringstream lines(text);
    int number = 0;
    for (std::string whole; std::getline(lines, whole);) {
        ++number;
        const std::string_view line = Trimmed(whole);
        if (line.empty() || line.front() == '#') continue;
        if (line.starts_with(kCommandDirective)) {
            const std::string_view name = Trimmed(line.substr(kCommandDirective.size()));
            context.command = FindCommand(name);
            if (!context.command) {
                file.fault = Fault(number, "no command \"" + std::string(name) + "\"; keys, eval or sheet");
                return file;
            }
            continue;
        }
        if (line.starts_with(kOptionsDirective)) {
            context.options = Words(line.substr(kOptionsDirective.size()));
            continue;
        }
        Case read;
        if (auto fault = ReadCaseLine(line, number, context, read)) {
            file.fault = std::move(fault);
            return file;
        }
        file.cases.push_back(std::move(read));
    }
    if (file.cases.empty()) file.fault = "no cases";
    return file;
}

CaseFile ReadCaseFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CaseFile file;
        file.fault = "cannot be read";
        return file;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ReadCaseText(text.str());
}

std::string OutputLine(const std::string& output)
{
    std::string joined;
    std::istringstream lines(output);
    bool first = true;
    for (std::string line; std::getline(lines, line); first = false) {
        if (!first) joined += kOutputLineJoint;
        joined += line;
    }
    return std::string(Trimmed(joined));
}

}  // namespace tallyx::cases
