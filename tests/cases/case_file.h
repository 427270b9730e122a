#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyx::cases {

// One line of a case file: the console arguments it runs and the text it expects.
struct Case {
    int line = 0;
    std::string input;              // as written, for the report
    std::vector<std::string> arguments;  // the command, its options, then the input
    std::string expected;
};

// A case file read whole, or the first fault in it.
struct CaseFile {
    std::vector<Case> cases;
    std::optional<std::string> fault;  // "line N: ..." when the file cannot be read as cases
};

// Reads a case file. Blank lines and lines starting with # are left out;
// "command: keys", "command: eval" or "command: sheet" and "options: ..."
// hold for the cases below them; a case is "INPUT => EXPECTED". The keys and
// sheet commands take the input as separate words, eval as one expression.
CaseFile ReadCaseFile(const std::filesystem::path& path);
CaseFile ReadCaseText(const std::string& text);

// The console's output as one line: its lines joined by " | ", with the
// trailing spaces of the whole left out.
std::string OutputLine(const std::string& output);

}  // namespace tallyx::cases
