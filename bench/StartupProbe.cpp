// Start-up and memory under a real X server: launches the bare window and
// the traced game in turn, several times, and reads the moments they report
// (StartupTrace.h) against the moment each was launched, on the clock every
// process shares. Prints the medians beside their floors.
//
// Usage: dorvanex_startup_probe BARE_WINDOW TRACED_GAME [RUNS [OTHER_GAME]]
//
// OTHER_GAME, a traced game built from other sources, is launched in the
// same rounds, before or after the game in turn, and set against it: an A/B
// run of a change to start-up or memory.

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

// What one launch reported, event by event, and when it was launched
// ("launched").
using Run = std::map<std::string, std::int64_t>;
using Runs = std::vector<Run>;

// Starts the program with its output on a pipe and its errors discarded;
// returns the process and the pipe's reading end, or -1 for a failed start.
pid_t Spawn(const char* program, const char* option, int& readEnd) {
    int out[2];
    if (pipe(out) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    // posix_spawn does not write to the arguments.
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(option), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
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

// Launches the program and collects its report lines until it exits;
// nothing when it fails, hangs or reports nothing.
std::optional<Run> LaunchAndTrace(const char* program, const char* option) {
    const std::int64_t launched = bench::MonotonicNs();
    int fd = -1;
    const pid_t pid = Spawn(program, option, fd);
    if (pid < 0) {
        return std::nullopt;
    }
    std::string text;
    const bool finished = ReadAll(fd, launched + std::int64_t{kTimeoutMs} * 1'000'000, text);
    close(fd);
    if (!finished) {
        kill(pid, SIGKILL);
    }
    waitpid(pid, nullptr, 0);

    Run run;
    std::istringstream lines(text);
    std::string event;
    long long value = 0;
    while (lines >> event >> value) {
        run[event] = value;
    }
    if (!finished || run.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, finished ? "reported nothing" : "timed out");
        return std::nullopt;
    }
    run["launched"] = launched;
    return run;
}

// The programs of one round: the bare window four ways (bare_window.cpp),
// then the game, and the other game when there is one.
struct Launch {
    const char* key;
    const char* program;
    const char* option;
};

// Runs every launch in turn, `rounds` times, so all of them meet the same
// moments of load; the two games swap places every round. False when a game
// did not start with four players.
bool Collect(const char* bare, const char* game, const char* other, int rounds,
             std::map<std::string, Runs>& runs) {
    std::vector<Launch> launches = {{"bare", bare, nullptr},
                                    {"text", bare, "--text"},
                                    {"faces", bare, "--faces"},
                                    {"dialog", bare, "--dialog"},
                                    {"game", game, nullptr}};
    if (other != nullptr) {
        launches.push_back({"other", other, nullptr});
    }
    for (int i = 0; i < rounds; ++i) {
        for (const Launch& launch : launches) {
            auto run = LaunchAndTrace(launch.program, launch.option);
            if (!run) {
                continue;
            }
            if (launch.program != bare && (*run)["players"] != 4) {
                std::fprintf(stderr, "start-up: %s did not start with four players\n",
                             launch.program);
                return false;
            }
            (*run)["round"] = i;
            runs[launch.key].push_back(std::move(*run));
        }
        if (other != nullptr) {
            std::swap(launches[launches.size() - 2], launches.back());
        }
    }
    return true;
}

// A value the runs reported, or with `since`, the time from that moment to
// the event; from every run that reported both.
std::vector<double> Values(const Runs& runs, const char* event, const char* since = nullptr) {
    std::vector<double> values;
    for (const Run& run : runs) {
        const auto end = run.find(event);
        const auto start = since != nullptr ? run.find(since) : run.end();
        if (end == run.end() || (since != nullptr && start == run.end())) {
            continue;
        }
        const std::int64_t from = since != nullptr ? start->second : 0;
        values.push_back(static_cast<double>(end->second - from));
    }
    return values;
}

// The median of the values; 0 when there is none.
double MedianOf(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median of Values() for one program's runs.
double Median(std::map<std::string, Runs>& runs, const char* program, const char* event,
              const char* since = nullptr) {
    return MedianOf(Values(runs[program], event, since));
}

// The figures beside their floors; a goal is a ratio to the floor or a time.
// The goals for launch and memory are set against the plain Qt program with
// the same kinds of dialog and window, what any Qt program showing them
// takes; the bare windows show what Qt and its text cost on their own.
std::vector<bench::Figure> FigureTable(std::map<std::string, Runs>& runs) {
    using Unit = bench::Figure::Unit;
    constexpr double kGoalRatio = 1.05;
    const char* kDialog = "start-up: launch to player-entry dialog";
    const char* kGame = "memory: peak resident, game after 8 turns";
    const char* kBare = "bare window: peak resident";
    const double dialog = Median(runs, "game", "dialog-shown", "launched");
    const double dialogFloor = Median(runs, "dialog", "dialog-shown", "launched");
    const double ok = Median(runs, "game", "window-shown", "ok-pressed");
    const double gameKb = Median(runs, "game", "peak-kb");
    const double bareKb = Median(runs, "bare", "peak-kb");
    const double dialogKb = Median(runs, "dialog", "peak-kb");
    return {
        {kDialog, dialog, "bare dialog, then window: launch to dialog", dialogFloor,
         Unit::Nanoseconds, "<= 1.05x floor", dialog <= kGoalRatio * dialogFloor},
        {kDialog, dialog, "bare window: launch to first paint",
         Median(runs, "bare", "window-shown", "launched"), Unit::Nanoseconds},
        {kDialog, dialog, "bare window with text: launch to first paint",
         Median(runs, "text", "window-shown", "launched"), Unit::Nanoseconds},
        {"start-up: OK to main window painted", ok, "bare window: show to first paint",
         Median(runs, "bare", "window-shown", "show-called"), Unit::Nanoseconds, "<= 30 ms",
         ok <= 30e6},
        {kGame, gameKb, "bare dialog, then window: peak resident", dialogKb, Unit::Kibibytes,
         "<= 1.05x floor", gameKb <= kGoalRatio * dialogKb},
        {kGame, gameKb, kBare, bareKb, Unit::Kibibytes},
        {kGame, gameKb, "bare window with text: peak resident", Median(runs, "text", "peak-kb"),
         Unit::Kibibytes},
        {"memory: peak resident, bare dialog, then window", dialogKb, kBare, bareKb,
         Unit::Kibibytes},
        {"memory: peak resident, bare window, game's faces", Median(runs, "faces", "peak-kb"),
         kBare, bareKb, Unit::Kibibytes},
    };
}

// The differences, other game less game, between the two launches of each
// round, which met nearly the same moment of load.
std::vector<double> PairedDifferences(std::map<std::string, Runs>& runs, const char* event,
                                      const char* since = nullptr) {
    std::map<std::int64_t, double> game;
    for (const Run& run : runs["game"]) {
        for (const double value : Values({run}, event, since)) {
            game[run.at("round")] = value;
        }
    }
    std::vector<double> differences;
    for (const Run& run : runs["other"]) {
        const auto paired = game.find(run.at("round"));
        for (const double value : Values({run}, event, since)) {
            if (paired != game.end()) {
                differences.push_back(value - paired->second);
            }
        }
    }
    return differences;
}

// The other game beside the game, in the same rounds.
void PrintComparison(std::map<std::string, Runs>& runs) {
    using Unit = bench::Figure::Unit;
    const double dialog = Median(runs, "game", "dialog-shown", "launched");
    const double gameKb = Median(runs, "game", "peak-kb");
    bench::PrintFigureTable({
        {"other game: launch to player-entry dialog",
         Median(runs, "other", "dialog-shown", "launched"), "game: launch to player-entry dialog",
         dialog, Unit::Nanoseconds},
        {"other game: peak resident after 8 turns", Median(runs, "other", "peak-kb"),
         "game: peak resident after 8 turns", gameKb, Unit::Kibibytes},
    });
    std::printf("\nother game less game, median of %zu paired launches: "
                "launch to dialog %+.3f ms, peak resident %+.0f KiB\n",
                PairedDifferences(runs, "peak-kb").size(),
                MedianOf(PairedDifferences(runs, "dialog-shown", "launched")) / 1e6,
                MedianOf(PairedDifferences(runs, "peak-kb")));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BARE_WINDOW TRACED_GAME [RUNS [OTHER_GAME]]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultRuns;
    const char* other = argc > 4 ? argv[4] : nullptr;
    // Switches the programs' start-up trace on.
    setenv("DORVANEX_TRACE_STARTUP", "1", 1);
    std::map<std::string, Runs> runs;
    if (!Collect(argv[1], argv[2], other, rounds, runs)) {
        return 1;
    }
    const std::vector<bench::Figure> figures = FigureTable(runs);
    std::printf("start-up: %d runs each, %zu bare and %zu game runs complete (medians)\n", rounds,
                Values(runs["bare"], "window-shown", "launched").size(),
                Values(runs["game"], "window-shown", "ok-pressed").size());
    // A figure or floor that no run reported reads 0.
    const auto missing = [](const bench::Figure& f) { return f.value <= 0 || f.floor <= 0; };
    if (std::ranges::any_of(figures, missing)) {
        std::fprintf(stderr, "start-up: some runs reported nothing\n");
        return 1;
    }
    bench::PrintFigureTable(figures);
    // Resident memory by kind at the moment of the peak reading.
    std::printf("\nresident at the peak reading, median KiB (anonymous / file-backed / shared):\n"
                "  game %.0f / %.0f / %.0f, bare window %.0f / %.0f / %.0f\n",
                Median(runs, "game", "anon-kb"), Median(runs, "game", "file-kb"),
                Median(runs, "game", "shmem-kb"), Median(runs, "bare", "anon-kb"),
                Median(runs, "bare", "file-kb"), Median(runs, "bare", "shmem-kb"));
    if (other != nullptr) {
        PrintComparison(runs);
    }
    return 0;
}
