#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "key/card.h"

namespace q417 {

// The card as the editor draws it: 256 x 300 pixels, the cell of row r and column c an 8 x 8
// square at (8c, 8(r + 5)), so the grid covers x 8..247 and y 48..287 with a band of holes
// above it.
inline constexpr int kCardWidth = 256;
inline constexpr int kCardHeight = 300;
inline constexpr int kCellSize = 8;

struct CardCell {
    int column = 0;
    int row = 0;
    bool OnGrid() const { return column >= 1 && column <= 30 && row >= 1 && row <= 30; }
};

// The cell under a point of the card picture (divisions truncate toward zero).
CardCell CardCellAt(int x, int y);
// Top-left corner of a cell on the card picture.
inline int CellLeft(int column) {
    return kCellSize * column;
}
inline int CellTop(int row) {
    return kCellSize * (row + 5);
}

// A cell can be punched while neither its row nor its column has a hole.
bool CellFree(const PunchCard& card, const CardCell& cell);

// The punch: a click on a row's hole takes it out; a click on a cell whose row and column
// are both free punches it; anything else changes nothing.
enum class PunchResult { None, Punched, Removed };
PunchResult PunchAt(PunchCard& card, int x, int y);
PunchResult PunchCell(PunchCard& card, CardCell cell);

// The key number a release leaves: the day of the month once the card is complete, else 0.
int32_t KeyNumberAfterPunch(const PunchCard& card, int day_of_month);

// The row/column label beside the pointer: right of it up to column 24, left of it from
// column 25 on, so it never runs off the card.
struct PointerLabel {
    std::string text;
    int x = 0;
    int y = 0;
};
PointerLabel PointerLabelAt(int x, int y);

// Cells that can no longer be punched because their row or column already has a hole
// elsewhere; [row][column], 1..30.
using CellMarks = std::array<std::array<bool, 31>, 31>;
CellMarks InaccessibleCells(const PunchCard& card);

}  // namespace q417
