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
#include "bench/Probe.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

using Reports = std::map<std::string, std::int64_t>;

struct Run {
    std::int64_t launchedNs = 0;
    Reports reports;
};

// Starts the program with the trace switched on and collects its report
// lines until it exits; nothing when it fails, hangs or reports nothing.
std::optional<Run> LaunchAndTrace(const std::string& program, const char* option = nullptr) {
    int out[2];
    if (pipe(out) != 0) {
        return std::nullopt;
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

    Run run;
    pid_t pid = 0;
    run.launchedNs = bench::MonotonicNs();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }

    std::string text;
    bool timedOut = false;
    const std::int64_t deadline = run.launchedNs + std::int64_t{kTimeoutMs} * 1'000'000;
    for (;;) {
        const auto left = static_cast<int>((deadline - bench::MonotonicNs()) / 1'000'000);
        pollfd fd{out[0], POLLIN, 0};
        if (left <= 0 || poll(&fd, 1, left) <= 0) {
            timedOut = true;
            break;
        }
        char buffer[512];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    if (timedOut) {
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
    if (timedOut || run.reports.empty()) {
        std::fprintf(stderr, "%s: %s\n", program.c_str(),
                     timedOut ? "timed out" : "reported nothing");
        return std::nullopt;
    }
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The time from one reported moment (or the launch, for "") to another.
std::optional<double> Between(const Run& run, const std::string& from, const std::string& to) {
    const auto end = run.reports.find(to);
    if (end == run.reports.end()) {
        return std::nullopt;
    }
    if (from.empty()) {
        return static_cast<double>(end->second - run.launchedNs);
    }
    const auto start = run.reports.find(from);
    if (start == run.reports.end()) {
        return std::nullopt;
    }
    return static_cast<double>(end->second - start->second);
}

std::optional<double> Reported(const Run& run, const std::string& event) {
    const auto found = run.reports.find(event);
    if (found == run.reports.end()) {
        return std::nullopt;
    }
    return static_cast<double>(found->second);
}

struct Series {
    std::vector<double> values;
    void Add(std::optional<double> v) {
        if (v) {
            values.push_back(*v);
        }
    }
    double Median() const { return ::Median(values); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BARE_WINDOW TRACED_GAME [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string bare = argv[1];
    const std::string game = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultRuns;

    Series bareLaunch, bareShow, bareKb, textLaunch, textKb, facesKb, dialogKb, dialog, okToPainted,
        gameKb;
    // Resident memory by kind at the moment of the peak reading.
    std::map<std::string, Series> bareKinds, gameKinds;
    const char* const kinds[] = {"anon-kb", "file-kb", "shmem-kb"};
    // One of each in turn, so all of them meet the same moments of load.
    for (int i = 0; i < runs; ++i) {
        if (const auto run = LaunchAndTrace(bare)) {
            bareLaunch.Add(Between(*run, "", "window-shown"));
            bareShow.Add(Between(*run, "show-called", "window-shown"));
            bareKb.Add(Reported(*run, "peak-kb"));
            for (const char* kind : kinds) {
                bareKinds[kind].Add(Reported(*run, kind));
            }
        }
        if (const auto run = LaunchAndTrace(bare, "--text")) {
            textLaunch.Add(Between(*run, "", "window-shown"));
            textKb.Add(Reported(*run, "peak-kb"));
        }
        if (const auto run = LaunchAndTrace(bare, "--faces")) {
            facesKb.Add(Reported(*run, "peak-kb"));
        }
        if (const auto run = LaunchAndTrace(bare, "--dialog")) {
            dialogKb.Add(Reported(*run, "peak-kb"));
        }
        if (const auto run = LaunchAndTrace(game)) {
            if (Reported(*run, "players") != 4.0) {
                std::fprintf(stderr, "start-up: the game did not start with four players\n");
                return 1;
            }
            dialog.Add(Between(*run, "", "dialog-shown"));
            okToPainted.Add(Between(*run, "ok-pressed", "window-shown"));
            gameKb.Add(Reported(*run, "peak-kb"));
            for (const char* kind : kinds) {
                gameKinds[kind].Add(Reported(*run, kind));
            }
        }
    }
    std::printf("start-up: %d runs each, %zu bare and %zu game runs complete (medians)\n", runs,
                bareLaunch.values.size(), okToPainted.values.size());
    if (bareLaunch.values.empty() || dialog.values.empty() || okToPainted.values.empty() ||
        bareKb.values.empty() || gameKb.values.empty()) {
        std::fprintf(stderr, "start-up: some runs reported nothing\n");
        return 1;
    }

    using Unit = bench::Figure::Unit;
    std::vector<bench::Figure> table;
    bench::Figure launch{"start-up: launch to player-entry dialog",
                         dialog.Median(),
                         "bare window: launch to first paint",
                         bareLaunch.Median(),
                         Unit::Nanoseconds,
                         "<= 1.2x floor"};
    launch.met = launch.value <= 1.2 * launch.floor ? 1 : 0;
    table.push_back(launch);
    table.push_back({"start-up: launch to player-entry dialog", dialog.Median(),
                     "bare window with text: launch to first paint", textLaunch.Median(),
                     Unit::Nanoseconds, ""});

    bench::Figure ok{"start-up: OK to main window painted",
                     okToPainted.Median(),
                     "bare window: show to first paint",
                     bareShow.Median(),
                     Unit::Nanoseconds,
                     "<= 30 ms"};
    ok.met = ok.value <= 30e6 ? 1 : 0;
    table.push_back(ok);

    bench::Figure memory{"memory: peak resident, game after 8 turns",
                         gameKb.Median(),
                         "bare window: peak resident",
                         bareKb.Median(),
                         Unit::Kibibytes,
                         "<= 1.15x floor"};
    memory.met = memory.value <= 1.15 * memory.floor ? 1 : 0;
    table.push_back(memory);
    table.push_back({"memory: peak resident, game after 8 turns", gameKb.Median(),
                     "bare window with text: peak resident", textKb.Median(), Unit::Kibibytes, ""});
    table.push_back({"memory: peak resident, game after 8 turns", gameKb.Median(),
                     "bare dialog, then window: peak resident", dialogKb.Median(), Unit::Kibibytes,
                     ""});
    table.push_back({"memory: peak resident, bare dialog, then window", dialogKb.Median(),
                     "bare window: peak resident", bareKb.Median(), Unit::Kibibytes, ""});
    table.push_back({"memory: peak resident, bare window, game's faces", facesKb.Median(),
                     "bare window: peak resident", bareKb.Median(), Unit::Kibibytes, ""});
    bench::PrintFigureTable(table);
    std::printf("\nresident at the peak reading, median KiB (anonymous / file-backed / shared):\n"
                "  game %.0f / %.0f / %.0f, bare window %.0f / %.0f / %.0f\n",
                gameKinds["anon-kb"].Median(), gameKinds["file-kb"].Median(),
                gameKinds["shmem-kb"].Median(), bareKinds["anon-kb"].Median(),
                bareKinds["file-kb"].Median(), bareKinds["shmem-kb"].Median());
    return 0;
}
