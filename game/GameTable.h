#pragma once

#include "game/Die.h"
#include "game/Geometry.h"
#include "game/ScoreBox.h"
#include "game/ScoreSheet.h"

#include <array>
#include <memory>
#include <string>

inline constexpr int MAX_PLAYERS = 4;
inline constexpr int MAX_ROLLS = 3;

// The state of one game and the three operations through which every player
// action enters the rules: a roll, a click at a client point, and passing the
// turn. The window derives from it and repaints on Invalidate(); nothing here
// knows about the window system.
class CGameTable {
public:
    // Dice at their home places with random faces, no rolls yet, no sheets.
    CGameTable();
    CGameTable(const CGameTable&) = delete;
    CGameTable& operator=(const CGameTable&) = delete;
    virtual ~CGameTable();

    // Sets up the players: one new sheet each, all four names copied whatever
    // the count, player 0 to begin, and the totals list. A count outside 1..4
    // (a dialog that ended without settling one) is clamped into that range,
    // so the current player always has a sheet.
    void StartGame(int nPlayers, const std::array<std::string, MAX_PLAYERS>& names);

    // Rolls every die that is not held, up to three rolls a turn.
    void Roll();
    // A click at a client point: the name box passes the turn, a die is held
    // or released, a sheet row is scored and ends the turn. Scoring needs a
    // roll this turn, except right after a repeated five of a kind, when the
    // same dice may be scored again without rolling.
    void Click(CPoint point);
    // Passes the turn to the next player in order; one player keeps it.
    void NextPlayer();

    // Accessors for painting and tests. Die i must be 0..4; players k 0..3
    // (GetSheet alone also takes any other index).
    const CDie& GetDie(int i) const { return m_dice.at(static_cast<std::size_t>(i)); }
    // The sheet of player i, or nullptr for a player who has none.
    const CScoreSheet* GetSheet(int i) const;
    int GetRolls() const { return m_nRolls; }
    int GetCurPlayer() const { return m_nCurPlayer; }
    const std::string& GetName(int k) const { return m_strNames.at(static_cast<std::size_t>(k)); }
    const CScoreBox& GetTotal(int k) const { return m_totals.at(static_cast<std::size_t>(k)); }
    const CRect& GetRollRect() const { return m_rectRoll; }
    const CRect& GetNameRect() const { return m_rectName; }

protected:
    // Asks for the whole client area to be repainted.
    virtual void Invalidate() = 0;

    std::array<CDie, NUM_DICE> m_dice;
    std::array<std::unique_ptr<CScoreSheet>, MAX_PLAYERS> m_pSheets;
    int m_nRolls = 0;
    CRect m_rectRoll;
    int m_nCurPlayer = 0;
    int m_nPlayers = 0; // 0 until StartGame
    CRect m_rectName;
    std::array<std::string, MAX_PLAYERS> m_strNames;
    std::array<CScoreBox, MAX_PLAYERS> m_totals;

private:
    // The sheet of player i, or nullptr for a player who has none.
    CScoreSheet* SheetOf(int i) const;
    // The steps of a click: every die under the point toggles between held
    // and rolled; a row of the current sheet under the point is scored.
    void ToggleDiceAt(CPoint point);
    void ScoreRowAt(CPoint point);
    void EndTurn();
};
