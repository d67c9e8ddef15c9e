// Start-up and memory under a real X server: launches the bare window and
// the traced game in turn, several times, and reads the moments they report
// (StartupTrace.h) against the moment each was launched, on the clock every
// process shares. Prints the medians beside their floors.
//
// Usage: dorvanex_startup_probe BARE_WINDOW TRACED_GAME [RUNS]
// The bare window runs four times a round: plain, with a line of text, with
// a line in each of the game's faces, and after a plain dialog
// (bare_window.cpp).

#include "bench/Figures.h"
#include "bench/StartupTrace.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kDefaultRuns = 7;
constexpr int kTimeoutMs = 30'000;

struct Run {
    std::int64_t launchedNs = 0;
    std::map<std::string, std::int64_t> reports;
};

// Starts the program with the trace switched on and its output on a pipe;
// returns the process and the pipe's reading end, or -1 for a failed start.
pid_t SpawnTraced(const std::string& program, const char* option, int& readEnd) {
    int out[2];
    if (pipe(out) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);

    std::vector<std::string> env{"DORVANEX_TRACE_STARTUP=1"};
    for (char** e = environ; *e != nullptr; ++e) {
        env.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string path = program;
    std::string arg = option != nullptr ? option : "";
    char* argv[] = {path.data(), option != nullptr ? arg.data() : nullptr, nullptr};

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    readEnd = out[0];
    return pid;
}

// Reads the pipe until the program closes it; false when the deadline
// passes first.
bool ReadAll(int fd, std::int64_t deadlineNs, std::string& text) {
    for (;;) {
        const auto left = static_cast<int>((deadlineNs - bench::MonotonicNs()) / 1'000'000);
        pollfd pfd{fd, POLLIN, 0};
        if (left <= 0 || poll(&pfd, 1, left) <= 0) {
            return false;
        }
        char buffer[512];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            return true;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

// Launches the program with the trace switched on and collects its report
// lines until it exits; nothing when it fails, hangs or reports nothing.
std::optional<Run> LaunchAndTrace(const std::string& program, const char* option) {
    Run run;
    run.launchedNs = bench::MonotonicNs();
    int fd = -1;
    const pid_t pid = SpawnTraced(program, option, fd);
    if (pid < 0) {
        return std::nullopt;
    }
    std::string text;
    const bool finished = ReadAll(fd, run.launchedNs + std::int64_t{kTimeoutMs} * 1'000'000, text);
    close(fd);
    if (!finished) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);

    std::istringstream lines(text);
    std::string event;
    long long value = 0;
    while (lines >> event >> value) {
        run.reports[event] = value;
    }
    if (!finished || run.reports.empty()) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(),
                     finished ? "reported nothing" : "timed out");
        return std::nullopt;
    }
    return run;
}

using Runs = std::vector<Run>;

// The time from one reported moment (or the launch, for "") to another,
// or, with no start, a value the program reported.
std::optional<double> Read(const Run& run, const char* from, const char* to) {
    const auto end = run.reports.find(to);
    if (end == run.reports.end()) {
        return std::nullopt;
    }
    if (from == nullptr || *from == '\0') {
        return static_cast<double>(end->second - (from == nullptr ? 0 : run.launchedNs));
    }
    const auto start = run.reports.find(from);
    if (start == run.reports.end()) {
        return std::nullopt;
    }
    return static_cast<double>(end->second - start->second);
}

std::vector<double> Values(const Runs& runs, const char* from, const char* to) {
    std::vector<double> values;
    for (const Run& run : runs) {
        if (const auto value = Read(run, from, to)) {
            values.push_back(*value);
        }
    }
    return values;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Span(const Runs& runs, const char* from, const char* to) {
    return Median(Values(runs, from, to));
}

double Value(const Runs& runs, const char* event) {
    return Median(Values(runs, nullptr, event));
}

// The programs of one round: the bare window four ways (bare_window.cpp),
// then the game.
struct Launch {
    const char* key;
    bool game;
    const char* option;
};
constexpr Launch kLaunches[] = {{"bare", false, nullptr},
                                {"text", false, "--text"},
                                {"faces", false, "--faces"},
                                {"dialog", false, "--dialog"},
                                {"game", true, nullptr}};

// Runs every launch in turn, `rounds` times, so all of them meet the same
// moments of load. False when the game did not start with four players.
bool Collect(const std::string& bare, const std::string& game, int rounds,
             std::map<std::string, Runs>& runs) {
    for (int i = 0; i < rounds; ++i) {
        for (const Launch& launch : kLaunches) {
            auto run = LaunchAndTrace(launch.game ? game : bare, launch.option);
            if (!run) {
                continue;
            }
            const auto players = run->reports.find("players");
            if (launch.game && (players == run->reports.end() || players->second != 4)) {
                std::fprintf(stderr, "start-up: the game did not start with four players\n");
                return false;
            }
            runs[launch.key].push_back(std::move(*run));
        }
    }
    return true;
}

// The figures beside their floors; a goal is a ratio to the floor or a time.
std::vector<bench::Figure> FigureTable(std::map<std::string, Runs>& runs) {
    using Unit = bench::Figure::Unit;
    const char* kDialog = "start-up: launch to player-entry dialog";
    const char* kGame = "memory: peak resident, game after 8 turns";
    const char* kBare = "bare window: peak resident";
    const double dialog = Span(runs["game"], "", "dialog-shown");
    const double ok = Span(runs["game"], "ok-pressed", "window-shown");
    const double bareLaunch = Span(runs["bare"], "", "window-shown");
    const double gameKb = Value(runs["game"], "peak-kb");
    const double bareKb = Value(runs["bare"], "peak-kb");
    const double dialogKb = Value(runs["dialog"], "peak-kb");
    return {
        {kDialog, dialog, "bare window: launch to first paint", bareLaunch, Unit::Nanoseconds,
         "<= 1.2x floor", dialog <= 1.2 * bareLaunch},
        {kDialog, dialog, "bare window with text: launch to first paint",
         Span(runs["text"], "", "window-shown"), Unit::Nanoseconds},
        {"start-up: OK to main window painted", ok, "bare window: show to first paint",
         Span(runs["bare"], "show-called", "window-shown"), Unit::Nanoseconds, "<= 30 ms",
         ok <= 30e6},
        {kGame, gameKb, kBare, bareKb, Unit::Kibibytes, "<= 1.15x floor", gameKb <= 1.15 * bareKb},
        {kGame, gameKb, "bare window with text: peak resident", Value(runs["text"], "peak-kb"),
         Unit::Kibibytes},
        {kGame, gameKb, "bare dialog, then window: peak resident", dialogKb, Unit::Kibibytes},
        {"memory: peak resident, bare dialog, then window", dialogKb, kBare, bareKb,
         Unit::Kibibytes},
        {"memory: peak resident, bare window, game's faces", Value(runs["faces"], "peak-kb"), kBare,
         bareKb, Unit::Kibibytes},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BARE_WINDOW TRACED_GAME [RUNS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultRuns;
    std::map<std::string, Runs> runs;
    if (!Collect(argv[1], argv[2], rounds, runs)) {
        return 1;
    }
    std::printf("start-up: %d runs each, %zu bare and %zu game runs complete (medians)\n", rounds,
                Values(runs["bare"], "", "window-shown").size(),
                Values(runs["game"], "ok-pressed", "window-shown").size());
    if (Values(runs["bare"], "", "window-shown").empty() ||
        Values(runs["game"], "", "dialog-shown").empty() ||
        Values(runs["game"], "ok-pressed", "window-shown").empty() ||
        Values(runs["bare"], nullptr, "peak-kb").empty() ||
        Values(runs["game"], nullptr, "peak-kb").empty()) {
        std::fprintf(stderr, "start-up: some runs reported nothing\n");
        return 1;
    }
    bench::PrintFigureTable(FigureTable(runs));
    // Resident memory by kind at the moment of the peak reading.
    std::printf("\nresident at the peak reading, median KiB (anonymous / file-backed / shared):\n"
                "  game %.0f / %.0f / %.0f, bare window %.0f / %.0f / %.0f\n",
                Value(runs["game"], "anon-kb"), Value(runs["game"], "file-kb"),
                Value(runs["game"], "shmem-kb"), Value(runs["bare"], "anon-kb"),
                Value(runs["bare"], "file-kb"), Value(runs["bare"], "shmem-kb"));
    return 0;
}
