// Exec to exit of the console calculator working out one sum, against bc -l
// doing the same sum read from a pipe. Each benchmark reports the median of
// its runs in milliseconds; the console's also reports that median as a
// multiple of bc's.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

constexpr std::string_view kSum = "2+3*4";
constexpr int kRuns = 300;

struct Program {
    std::vector<std::string> arguments;
    std::string input;  // written to its standard input, which is then closed
};

// The wall time of one run from spawn to exit; none when it did not start or failed.
std::optional<std::chrono::duration<double>> TimeRun(const Program& program)
{
    int input[2];
    if (pipe(input) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& argument : program.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    close(input[0]);
    if (spawned == 0 && !program.input.empty()) {
        benchmark::DoNotOptimize(write(input[1], program.input.data(), program.input.size()));
    }
    close(input[1]);
    int status = 0;
    const bool exited = spawned == 0 && waitpid(child, &status, 0) == child;
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!exited || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return end - start;
}

double Median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double bcMedianMilliseconds = 0;

// Runs program once per iteration, timing each run itself.
void RunStartUp(benchmark::State& state, const Program& program, double* medianMilliseconds)
{
    std::vector<double> milliseconds;
    for (auto _ : state) {
        const auto time = TimeRun(program);
        if (!time) {
            state.SkipWithError(("'" + program.arguments[0] + "' did not run to a clean exit").c_str());
            return;
        }
        state.SetIterationTime(time->count());
        milliseconds.push_back(time->count() * 1000);
    }
    const double median = Median(milliseconds);
    state.counters["median_ms"] = median;
    if (medianMilliseconds) {
        *medianMilliseconds = median;
    } else if (bcMedianMilliseconds > 0) {
        state.counters["times_bc"] = median / bcMedianMilliseconds;
    }
}

bool OnPath(std::string_view name)
{
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        if (access((std::filesystem::path(folders.substr(0, end)) / name).c_str(), X_OK) == 0) {
            return true;
        }
        folders.remove_prefix(std::min(end + 1, folders.size()));
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    static const Program bc{{"bc", "-l"}, std::string(kSum) + "\n"};
    static const Program console{{TALLYX_CLI_PATH, "eval", std::string(kSum)}, ""};
    if (OnPath("bc")) {
        benchmark::RegisterBenchmark("StartUp/bc", RunStartUp, bc, &bcMedianMilliseconds)
            ->UseManualTime()
            ->Iterations(kRuns)
            ->Unit(benchmark::kMillisecond);
    } else {
        std::fprintf(stderr, "startup_bench: bc is not installed; the console is timed alone\n");
    }
    benchmark::RegisterBenchmark("StartUp/tallyx-cli", RunStartUp, console, nullptr)
        ->UseManualTime()
        ->Iterations(kRuns)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
