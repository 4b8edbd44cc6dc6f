#include "key/card_editor.h"

namespace q417 {

bool CellFree(const PunchCard& card, const CardCell& cell) {
    return cell.OnGrid() && card.CardForward(cell.row) == 0 && card.CardInverse(cell.column) == 0;
}

PunchResult PunchCell(PunchCard& card, CardCell cell) {
    if (!cell.OnGrid()) return PunchResult::None;
    if (card.CardForward(cell.row) == cell.column) {
        card.SetRow(cell.row, 0);
        return PunchResult::Removed;
    }
    if (!CellFree(card, cell)) return PunchResult::None;
    card.SetRow(cell.row, cell.column);
    return PunchResult::Punched;
}

int32_t KeyNumberAfterPunch(const PunchCard& card, int day_of_month) {
    return card.CardComplete() ? day_of_month : 0;
}

CellMarks InaccessibleCells(const PunchCard& card) {
    CellMarks marks{};
    for (int r = 1; r <= 30; ++r) {
        const int c = card.CardForward(r);
        if (c < 1 || c > 30) continue;
        for (int i = 1; i <= 30; ++i) {
            if (i != c) marks[r][i] = true;
            if (i != r) marks[i][c] = true;
        }
    }
    return marks;
}

}  // namespace q417
