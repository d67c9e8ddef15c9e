#pragma once

#include "game/GameTable.h"
#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

// A game table without a window: counts repaint requests and lets a test
// force the faces of the dice.
class TestTable : public CGameTable {
public:
    int invalidations = 0;

    // Dice written as text, one face per die in order: "2 2 3 3 3".
    void SetDice(const std::string& faces) { support::SetFaces(m_dice, faces); }

    void ClickDie(int i) { Click(support::Centre(GetDie(i).GetRect())); }
    void ClickName() { Click(support::Centre(GetNameRect())); }
    // Clicks row `row` of the current player's sheet.
    void ClickRow(int row) {
        Click(support::Centre(GetSheet(GetCurPlayer())->GetBox(row).GetRect()));
    }
    // One roll, the given dice, then a click on the row: a whole scoring turn.
    void ScoreTurn(const std::string& faces, int row) {
        Roll();
        SetDice(faces);
        ClickRow(row);
    }

    const CScoreBox& Box(int row) const { return GetSheet(GetCurPlayer())->GetBox(row); }
    const CScoreBox& BoxOf(int player, int row) const { return GetSheet(player)->GetBox(row); }

protected:
    void Invalidate() override { ++invalidations; }
};

inline std::array<std::string, MAX_PLAYERS> Names(int count) {
    std::array<std::string, MAX_PLAYERS> names{"Ann", "Bob", "Cy", "Di"};
    for (std::size_t k = static_cast<std::size_t>(count); k < names.size(); ++k) {
        names[k].clear();
    }
    return names;
}

// Each test starts from a fresh program-wide scoring state and a fixed seed.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        support::ResetScoringState();
        SeedRandom(12345);
    }
    void TearDown() override { support::ResetScoringState(); }

    // A table with `players` players whose repaint count starts at 0.
    static void Start(TestTable& table, int players) {
        table.StartGame(players, Names(players));
        table.invalidations = 0;
    }
};
