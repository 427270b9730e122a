#include "tests/cases/command_run.h"

#include <cstdio>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tallyx::cases {
namespace {

constexpr std::size_t kReadChunk = 4096;

std::string ReadAll(int descriptor)
{
    std::string text;
    char chunk[kReadChunk];
    for (ssize_t count; (count = read(descriptor, chunk, sizeof chunk)) > 0;) {
        text.append(chunk, static_cast<std::size_t>(count));
    }
    return text;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

CommandRun RunCommand(const std::string& program, const std::vector<std::string>& arguments)
{
    CommandRun run;
    // The error stream goes to a file: read after the output pipe, a pipe
    // of its own could fill and stall the program.
    const std::unique_ptr<std::FILE, FileCloser> errorFile(std::tmpfile());
    int pipeEnds[2];
    if (!errorFile || pipe(pipeEnds) != 0) return run;

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(errorFile.get()), STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) run.out = ReadAll(pipeEnds[0]);
    close(pipeEnds[0]);
    if (spawned != 0) return run;

    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    std::rewind(errorFile.get());
    run.error = ReadAll(fileno(errorFile.get()));
    return run;
}

}  // namespace tallyx::cases
