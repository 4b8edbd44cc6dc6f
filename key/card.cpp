#include "key/card.h"

namespace q417 {

bool PunchCard::CardComplete() const {
    for (int r = 1; r <= 30; ++r)
        if (rows_[r] <= 0) return false;
    return true;
}

int PunchCard::HoleCount() const {
    int n = 0;
    for (int r = 1; r <= 30; ++r) n += rows_[r] > 0;
    return n;
}

void PunchCard::ClearCard() {
    rows_.fill(0);
    Rebuild();
}

void PunchCard::DiagonalCard() {
    for (int i = 1; i <= 30; ++i) rows_[i] = i;
    Rebuild();
}

bool PunchCard::SetRow(int r, int32_t c) {
    if (r < 1 || r > 30 || c < 0 || c > 30) return false;
    rows_[r] = c;
    Rebuild();
    return true;
}

bool PunchCard::SetRows(const std::array<int32_t, 31>& rows) {
    std::array<bool, 31> used{};
    for (int r = 1; r <= 30; ++r) {
        const int32_t c = rows[r];
        if (c < 0 || c > 30) return false;
        if (c > 0 && used[c]) return false;
        if (c > 0) used[c] = true;
    }
    for (int r = 1; r <= 30; ++r) rows_[r] = rows[r];
    Rebuild();
    return true;
}

void PunchCard::Rebuild() {
    columns_.fill(0);
    for (int r = 1; r <= 30; ++r)  // ascending, so the highest row holding a column wins
        if (rows_[r] > 0) columns_[rows_[r]] = r;
    columns_[0] = 0;
}

}  // namespace q417
