// Start-up to the first painted frame: the program beside a reference window of one label and
// eight tabs. Each iteration starts both as new processes and times each from just before its
// fork until it reports its first paint. The children show on the platform the launcher is given
// (QT_QPA_PLATFORM=offscreen, or a display); the reported time is the program's, and the
// counters hold both averages and their ratio.

#include "startup/firstpaint.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The program keeps its settings and its running-copy lock here, away from the user's, for as
// long as the benchmark runs; each child has ended before the next one starts, so none is
// refused as a second copy.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "shutterly-startup-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            FPath = pattern;
    }
    ~TemporaryFolder()
    {
        if (!FPath.empty())
            std::filesystem::remove_all(FPath);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return FPath; }

private:
    std::string FPath;
};

// Whether the child wrote the painted line before closing its end of the pipe.
bool ReadsFirstPaintLine(int fd)
{
    std::string received;
    char buffer[256];
    while (received.find(FirstPaintLine) == std::string::npos) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        received.append(buffer, static_cast<std::size_t>(count));
    }
    return true;
}

// Seconds from just before the fork until the child reported its first paint; nothing when it
// ended without one. The child's end is waited for outside the time.
std::optional<double> SecondsToFirstPaint(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return std::nullopt;
    const int quiet = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(quiet, STDIN_FILENO);
        ::dup2(report[1], STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(report[1]);
    ::close(quiet);
    const bool painted = child > 0 && ReadsFirstPaintLine(report[0]);
    const auto end = std::chrono::steady_clock::now();
    ::close(report[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    if (!painted)
        return std::nullopt;
    return std::chrono::duration<double>(end - start).count();
}

void StartupToFirstPaint(benchmark::State& state)
{
    const TemporaryFolder folder;
    if (folder.path().empty()) {
        state.SkipWithError("no temporary folder for the settings");
        return;
    }
    const std::string settings = folder.path() + "/shutterly.ini";
    double reference = 0;
    double program = 0;
    for (auto _ : state) {
        const std::optional<double> referenceSeconds = SecondsToFirstPaint({STARTUP_REFERENCE_WINDOW});
        const std::optional<double> programSeconds =
            SecondsToFirstPaint({STARTUP_PROGRAM_WINDOW, "--settings", settings});
        if (!referenceSeconds || !programSeconds) {
            state.SkipWithError("a child ended before its first paint (is there a display or QT_QPA_PLATFORM?)");
            return;
        }
        state.SetIterationTime(*programSeconds);
        reference += *referenceSeconds;
        program += *programSeconds;
    }
    state.counters["reference_ms"] = benchmark::Counter(reference * 1000, benchmark::Counter::kAvgIterations);
    state.counters["program_ms"] = benchmark::Counter(program * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = program / reference;
}

}  // namespace

BENCHMARK(StartupToFirstPaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->DisplayAggregatesOnly(true);
