#pragma once

#include "game/Categories.h"
#include "game/Die.h"
#include "game/Geometry.h"
#include "game/ScoreBox.h"

#include <array>
#include <string>

// One player's score sheet: 18 rows in id order at fixed places in the window.
class CScoreSheet {
public:
    // Name "Default Player"; scoring rows empty and open, computed rows 0 and closed.
    CScoreSheet();
    virtual ~CScoreSheet() = default;

    // Index of the row containing the point, computed rows included; -1 for none.
    int HitTest(CPoint point) const;
    // One scoring attempt on row i; an i outside 0..17 changes nothing.
    void ScoreBox(int i, Dice dice);
    // Recomputes the five computed rows from the scoring rows (empty counts 0).
    void UpdateTotals();
    int GetGrandTotal() const;
    // True when the player who has just scored a repeated five of a kind keeps
    // the turn: some combination row other than five of a kind is open, or the
    // upper row of die 0's face is.
    bool MustContinue(Dice dice) const;
    // Forward the program-wide state; the sheet's own rows play no part.
    bool LastWasFiveKind() const;
    bool FiveKindRepeated() const;
    // Both of the above: right after a repeated five of a kind, when the
    // player may place the same dice again without rolling.
    bool InContinuation() const { return LastWasFiveKind() && FiveKindRepeated(); }

    // i must be 0..17.
    const CScoreBox& GetBox(int i) const { return m_boxes.at(static_cast<std::size_t>(i)); }

    // Painting lives with the window code.
    void Draw() const;

protected:
    std::string m_strName;
    std::array<CScoreBox, NUM_CATEGORIES> m_boxes;

private:
    int Score(int id) const;
};
