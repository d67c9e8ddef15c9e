#include "bench/Figures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace bench {
namespace {

struct Published {
    double medianNs = 0;
    double p99Ns = 0;
};

// The sorted samples of a key's runs, in the order the runs were made.
using Runs = std::vector<std::vector<std::int64_t>>;
std::map<std::string, Runs> g_registry;

// Nearest rank on sorted samples.
double Percentile(const std::vector<std::int64_t>& sorted, double p) {
    const auto n = sorted.size();
    auto rank = static_cast<std::size_t>(p * static_cast<double>(n) + 0.999999);
    rank = std::clamp<std::size_t>(rank, 1, n);
    return static_cast<double>(sorted[rank - 1]);
}

std::string Format(double value, Figure::Unit unit) {
    char text[32];
    if (unit == Figure::Unit::Kibibytes) {
        std::snprintf(text, sizeof text, "%.1f MiB", value / 1024.0);
    } else if (value < 1e3) {
        std::snprintf(text, sizeof text, "%.0f ns", value);
    } else if (value < 1e6) {
        std::snprintf(text, sizeof text, "%.2f us", value / 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.3f ms", value / 1e6);
    }
    return text;
}

void PrintRow(const std::string& name, const std::string& value, const std::string& floorName,
              const std::string& floor, const std::string& ratio, const std::string& goal,
              const std::string& verdict) {
    char line[256];
    std::snprintf(line, sizeof line, "%-50s %11s   %-52s %11s %8s   %-14s %s", name.c_str(),
                  value.c_str(), floorName.c_str(), floor.c_str(), ratio.c_str(), goal.c_str(),
                  verdict.c_str());
    std::string text(line);
    text.erase(text.find_last_not_of(' ') + 1);
    std::printf("%s\n", text.c_str());
}

// The samples of a key's full runs taken together. Google Benchmark sizes a
// benchmark with shorter runs before its first full one, and every further
// repetition repeats the full run's count, so the full runs are the longest.
Published Pooled(const Runs& runs) {
    std::size_t longest = 0;
    for (const auto& run : runs) {
        longest = std::max(longest, run.size());
    }
    std::vector<std::int64_t> pooled;
    for (const auto& run : runs) {
        if (run.size() == longest) {
            pooled.insert(pooled.end(), run.begin(), run.end());
        }
    }
    std::sort(pooled.begin(), pooled.end());
    return {Percentile(pooled, 0.5), Percentile(pooled, 0.99)};
}

} // namespace

void Samples::Publish(benchmark::State& state, const std::string& key) {
    if (m_ns.empty()) {
        return;
    }
    std::sort(m_ns.begin(), m_ns.end());
    state.counters["median_us"] = Percentile(m_ns, 0.5) / 1e3;
    state.counters["p99_us"] = Percentile(m_ns, 0.99) / 1e3;
    g_registry[key].push_back(std::move(m_ns));
    m_ns.clear();
}

void PrintFigureTable(const std::vector<Figure>& figures) {
    std::printf("\n");
    PrintRow("FIGURE", "VALUE", "FLOOR", "FLOOR", "RATIO", "GOAL", "");
    for (const Figure& f : figures) {
        char ratio[16] = "-";
        if (f.floor > 0) {
            std::snprintf(ratio, sizeof ratio, "%.2fx", f.value / f.floor);
        }
        const char* verdict = !f.met ? "" : *f.met ? "met" : "MISSED";
        PrintRow(f.name, Format(f.value, f.unit), f.floorName, Format(f.floor, f.unit), ratio,
                 f.goal.empty() ? "-" : f.goal, verdict);
    }
    std::fflush(stdout);
}

void PrintFigures(const std::vector<TimedFigure>& figures) {
    std::vector<Figure> table;
    for (const TimedFigure& t : figures) {
        const auto value = g_registry.find(t.key);
        const auto floor = g_registry.find(t.floorKey);
        if (value == g_registry.end() || floor == g_registry.end()) {
            std::printf("%s: not measured\n", t.name.c_str());
            continue;
        }
        const Published v = Pooled(value->second);
        const Published f = Pooled(floor->second);
        std::string goal;
        std::optional<bool> met;
        if (t.goalMedianMs > 0) {
            char text[32];
            std::snprintf(text, sizeof text, "<= %g ms", t.goalMedianMs);
            goal = text;
            met = v.medianNs <= t.goalMedianMs * 1e6;
        }
        const auto unit = Figure::Unit::Nanoseconds;
        table.push_back({t.name + ", median", v.medianNs, t.floorName + ", median", f.medianNs,
                         unit, goal, met});
        table.push_back({t.name + ", p99", v.p99Ns, t.floorName + ", p99", f.p99Ns, unit});
    }
    PrintFigureTable(table);
}

} // namespace bench
