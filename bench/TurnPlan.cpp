#include "bench/TurnPlan.h"

#include "game/Categories.h"
#include "game/GameTable.h"

namespace bench {
namespace {

CPoint Middle(const CRect& r) {
    return CPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

CPoint DieAt(const CGameTable& table, int i) {
    return Middle(table.GetDie(i).GetRect());
}

CPoint OpenRow(const CGameTable& table) {
    const CScoreSheet* sheet = table.GetSheet(table.GetCurPlayer());
    if (sheet == nullptr) {
        return CPoint{};
    }
    for (int id = 0; id < NUM_CATEGORIES; ++id) {
        if (!IsComputedRow(id) && !sheet->GetBox(id).IsFilled()) {
            return Middle(sheet->GetBox(id).GetRect());
        }
    }
    return Middle(sheet->GetBox(CAT_ONES).GetRect());
}

} // namespace bench
