#pragma once
#include <array>
#include <cstdint>

#include "core/contact.h"

namespace q417 {

// The punched key card: 30 rows by 30 columns, at most one hole in each row and column.
// Row r's entry is the column of its hole (1..30), or 0 for none. A complete card is a
// permutation of the contacts that the signal passes through on its way to the rotors and
// back. Entries are kept within 0..30; the column lookup is cached so the path pays nothing.
class PunchCard {
public:
    PunchCard() { DiagonalCard(); }

    // The column of the hole in row r, 0 when the row has none.
    Contact CardForward(Contact r) const { return rows_[r]; }
    // The row whose hole is in column c (the highest such row), 0 when none.
    Contact CardInverse(Contact c) const { return columns_[c]; }
    bool CardComplete() const;
    int HoleCount() const;

    void ClearCard();
    // Row i punched at column i.
    void DiagonalCard();
    // Sets row r (1..30) to column c (0..30, 0 removes the hole). Values outside are refused.
    bool SetRow(int r, int32_t c);
    // Replaces all 30 rows at once; refused (false, nothing changed) unless every entry lies
    // in 0..30 and no column occurs twice.
    bool SetRows(const std::array<int32_t, 31>& rows);
    const ContactTable& Rows() const { return rows_; }

    // The number of the key, 0..99, drawn on the card and shown in the key-table title.
    int32_t KeyNumber = 0;

private:
    void Rebuild();
    ContactTable rows_{};
    ContactTable columns_{};
};

}  // namespace q417
