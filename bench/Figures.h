#pragma once

// Every figure is printed beside a floor measured in the same run, with the
// ratio between them, since timings on a shared machine move from run to
// run while the ratio to a floor moves much less.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace benchmark {
class State;
}

namespace bench {

// Per-iteration times of one benchmark, for the median and the 99th
// percentile that Google Benchmark's per-run means do not give.
class Samples {
public:
    Samples() { m_ns.reserve(1 << 16); }
    // Runs timed() and keeps the time it took.
    template <class Timed> void Time(Timed timed) {
        const auto start = std::chrono::steady_clock::now();
        timed();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        m_ns.push_back(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
    }
    // Sets the run's median and p99 as its counters and keeps its samples
    // under key for PrintFigures, which takes the samples of all full runs
    // of a key together. Repetitions interleaved with those of the floor
    // (--benchmark_enable_random_interleaving) let a figure and its floor
    // meet the same moments of load.
    void Publish(benchmark::State& state, const std::string& key);

private:
    std::vector<std::int64_t> m_ns;
};

// One line of the table. A braced list may leave out the goal and its
// verdict.
struct Figure {
    enum class Unit { Nanoseconds, Kibibytes };
    std::string name;
    double value = 0;
    std::string floorName;
    double floor = 0;
    Unit unit = Unit::Nanoseconds;
    std::string goal{};        // e.g. "<= 1 ms"; empty for none
    std::optional<bool> met{}; // whether the goal is met; none without a goal
};

void PrintFigureTable(const std::vector<Figure>& figures);

// A timed figure from published samples: a median line and a p99 line.
struct TimedFigure {
    std::string name;
    std::string key;
    std::string floorKey;
    std::string floorName;
    double goalMedianMs = 0; // 0: no goal
};

// Prints the table of the published samples; a missing key is reported.
void PrintFigures(const std::vector<TimedFigure>& figures);

} // namespace bench
