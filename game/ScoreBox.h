#pragma once

#include "game/Categories.h"
#include "game/Die.h"
#include "game/Geometry.h"

#include <string>

// A labelled box holding a score: one row of a score sheet (label = category,
// id = category id) or one entry of the totals list (label = player name,
// id = player index).
class CScoreBox {
public:
    // Empty label; the owner assigns the real values before use.
    CScoreBox() = default;
    CScoreBox(std::string label, int id, int left, int top, int right, int bottom, bool filled,
              int score);
    CScoreBox(const CScoreBox&) = default;
    CScoreBox(CScoreBox&&) = default;
    CScoreBox& operator=(const CScoreBox&) = default;
    CScoreBox& operator=(CScoreBox&&) = default;
    virtual ~CScoreBox() = default;

    bool HitTest(CPoint point) const;
    int GetScore() const { return m_nScore; }
    void SetScore(int score) { m_nScore = score; }
    bool IsFilled() const { return m_bFilled; }
    const std::string& GetLabel() const { return m_strLabel; }
    const CRect& GetRect() const { return m_rect; }

    // One scoring attempt with the five dice under the rule of this box's id
    // (defined with the rules in Scoring.cpp). Expects the face counters to be
    // 0 on entry and leaves them holding the dice: the caller clears them.
    void Score(Dice dice);

    // Painting lives with the window code.
    void Draw() const;

protected:
    std::string m_strLabel; // UTF-8
    int m_nScore = SCORE_EMPTY;
    bool m_bFilled = false;
    int m_nId = 0;
    CRect m_rect;

private:
    void ScoreUpper();
    void ScoreCombination(bool qualifies, int score);
    void ScoreFiveKind(bool qualifies);
};
