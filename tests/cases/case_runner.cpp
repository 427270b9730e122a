// Runs the case files given after the console program's path: each case's
// arguments go to the console, and its output must be the expected text.
#include <iostream>

#include "tests/cases/case_file.h"
#include "tests/cases/command_run.h"

namespace {

constexpr int kExitPassed = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Prints what went wrong with the case; true when it passed.
bool Check(const std::string& fileName, const tallyx::cases::Case& test, const std::string& program)
{
    const tallyx::cases::CommandRun run = tallyx::cases::RunCommand(program, test.arguments);
    const std::string actual = tallyx::cases::OutputLine(run.out);
    if (run.exitStatus == 0 && actual == test.expected) return true;
    std::cerr << fileName << ':' << test.line << ": " << test.input << '\n'
              << "  expected: " << test.expected << '\n'
              << "  actual:   " << actual << '\n';
    if (run.exitStatus != 0) std::cerr << "  exit status " << run.exitStatus << '\n';
    if (!run.error.empty()) std::cerr << "  error output: " << run.error;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: case_runner CONSOLE-PROGRAM CASE-FILE...\n";
        return kExitUsage;
    }
    const std::string program = argv[1];
    int failed = 0;
    int total = 0;
    for (int index = 2; index < argc; ++index) {
        const std::string fileName = argv[index];
        const tallyx::cases::CaseFile file = tallyx::cases::ReadCaseFile(fileName);
        if (file.fault) {
            std::cerr << fileName << ": " << *file.fault << '\n';
            ++failed;
            continue;
        }
        for (const tallyx::cases::Case& test : file.cases) {
            ++total;
            if (!Check(fileName, test, program)) ++failed;
        }
    }
    std::cout << total << " cases, " << failed << " failed\n";
    return failed == 0 ? kExitPassed : kExitFailed;
}
