#pragma once

#include "game/Geometry.h"

#include <span>

inline constexpr int DIE_FRESH = 1;  // as created, or sent home at the end of a turn
inline constexpr int DIE_ROLLED = 2; // rolled, or released by the player
inline constexpr int DIE_HELD = 3;   // set aside: skipped by rolls, drawn to the right

inline constexpr int NUM_DICE = 5;
// How far a held die is drawn to the right of its home place.
inline constexpr int HELD_OFFSET_X = 50;

// One die: a face 1..6, a state and the rectangle where it is drawn and hit.
class CDie {
public:
    // Rolls from the shared engine; state DIE_FRESH at (20, 20, 40, 40).
    CDie();
    // Rolls from the shared engine; state DIE_FRESH at the given rectangle.
    CDie(int left, int top, int right, int bottom);
    CDie(const CDie&) = default;
    CDie& operator=(const CDie&) = default;
    virtual ~CDie() = default;

    // New random face, state DIE_ROLLED; returns the face.
    int Roll();
    bool HitTest(CPoint point) const;
    // Moves the die to its held place unless it is already held. The caller
    // sets the state.
    void Hold();
    // Moves a held die back home. The caller sets the state.
    void Release();
    // Sends a held die home as DIE_FRESH; other dice are left as they are.
    void EndTurn();

    int GetValue() const { return m_nValue; }
    int GetState() const { return m_nState; }
    void SetState(int state) { m_nState = state; }
    const CRect& GetRect() const { return m_rect; }

    // Painting lives with the window code.
    void Draw() const;

protected:
    int m_nValue = 1;
    int m_nState = DIE_FRESH;
    CRect m_rect;
};

// The five dice of the table, in order 0..4, as the scoring rules read them.
using Dice = std::span<const CDie, NUM_DICE>;
