// Rules: one whole four-player game of thirteen rounds through the game
// table, with no window. The floor is the random engine alone, asked for as
// many faces as the game rolls.

#include "bench/Figures.h"
#include "bench/TurnPlan.h"

#include "game/GameTable.h"
#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPlayers = 4;
constexpr int kTurns = kPlayers * bench::kRounds;
constexpr int kFacesPerGame = kTurns * bench::kDiceRolledPerTurn;

// The table with no window behind it: a repaint request is only counted.
class SimulatedTable : public CGameTable {
public:
    int m_nRepaints = 0;

protected:
    void Invalidate() override { ++m_nRepaints; }
};

// One game; returns the grand totals' sum so the work cannot be dropped.
int PlayGame() {
    support::ResetScoringState();
    SimulatedTable table;
    table.StartGame(kPlayers, {"Ann", "Bob", "Cyd", "Dee"});
    for (int turn = 0; turn < kTurns; ++turn) {
        table.Roll();
        table.Click(bench::DieAt(table, 0));
        for (int roll = 1; roll < bench::kRollsPerTurn; ++roll) {
            table.Roll();
        }
        table.Click(bench::OpenRow(table));
    }
    int sum = table.m_nRepaints;
    for (int k = 0; k < kPlayers; ++k) {
        sum += table.GetTotal(k).GetScore();
    }
    return sum;
}

void BM_Game(benchmark::State& state) {
    SeedRandom(1);
    bench::Samples samples;
    for (auto _ : state) {
        samples.Time([] { benchmark::DoNotOptimize(PlayGame()); });
    }
    samples.Publish(state, "rules: one 4-player game");
}

void BM_RollsAlone(benchmark::State& state) {
    SeedRandom(1);
    bench::Samples samples;
    for (auto _ : state) {
        samples.Time([] {
            for (int i = 0; i < kFacesPerGame; ++i) {
                benchmark::DoNotOptimize(RollFace());
            }
        });
    }
    samples.Publish(state, "rules floor: the same rolls alone");
}

BENCHMARK(BM_Game);
BENCHMARK(BM_RollsAlone);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::PrintFigures({
        {"rules: one 4-player game of 13 rounds", "rules: one 4-player game",
         "rules floor: the same rolls alone", "the same 676 rolls of the engine alone"},
    });
    return 0;
}
