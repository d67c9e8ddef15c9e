#include "game/ScoreBox.h"

#include <utility>

CScoreBox::CScoreBox(std::string label, int id, int left, int top, int right, int bottom,
                     bool filled, int score)
    : m_strLabel(std::move(label)), m_nScore(score), m_bFilled(filled),
      m_nId(id), m_rect{left, top, right, bottom} {
}

bool CScoreBox::HitTest(CPoint point) const {
    return m_rect.PtInRect(point);
}
