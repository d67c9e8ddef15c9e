#include "game/Die.h"

#include "game/Random.h"

namespace {
constexpr CRect kDefaultDieRect{20, 20, 40, 40};
}

CDie::CDie()
    : CDie(kDefaultDieRect.left, kDefaultDieRect.top, kDefaultDieRect.right,
           kDefaultDieRect.bottom) {
}

CDie::CDie(int left, int top, int right, int bottom) : m_rect{left, top, right, bottom} {
    Roll();
    m_nState = DIE_FRESH;
}

int CDie::Roll() {
    m_nValue = RollFace();
    m_nState = DIE_ROLLED;
    return m_nValue;
}

bool CDie::HitTest(CPoint point) const {
    return m_rect.PtInRect(point);
}

void CDie::Hold() {
    if (m_nState != DIE_HELD) {
        m_rect.OffsetRect(HELD_OFFSET_X, 0);
    }
}

void CDie::Release() {
    if (m_nState == DIE_HELD) {
        m_rect.OffsetRect(-HELD_OFFSET_X, 0);
    }
}

void CDie::EndTurn() {
    if (m_nState == DIE_HELD) {
        m_rect.OffsetRect(-HELD_OFFSET_X, 0);
        m_nState = DIE_FRESH;
    }
}
