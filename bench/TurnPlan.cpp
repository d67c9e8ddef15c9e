#include "bench/TurnPlan.h"

#include "game/Categories.h"
#include "game/GameTable.h"
#include "tests/support/Table.h"

namespace bench {

using support::Centre;

CPoint DieAt(const CGameTable& table, int i) {
    return Centre(table.GetDie(i).GetRect());
}

CPoint OpenRow(const CGameTable& table) {
    const CScoreSheet* sheet = table.GetSheet(table.GetCurPlayer());
    if (sheet == nullptr) {
        return CPoint{};
    }
    for (int id = 0; id < NUM_CATEGORIES; ++id) {
        if (!IsComputedRow(id) && !sheet->GetBox(id).IsFilled()) {
            return Centre(sheet->GetBox(id).GetRect());
        }
    }
    return Centre(sheet->GetBox(CAT_ONES).GetRect());
}

} // namespace bench
