#pragma once
#include <array>
#include <cstdint>

#include "key/card.h"

namespace q417 {

// A cell of the card: row and column 1..30 (0 or more than 30: off the grid).
struct CardCell {
    int column = 0;
    int row = 0;
    bool OnGrid() const { return column >= 1 && column <= 30 && row >= 1 && row <= 30; }
};

// A cell can be punched while neither its row nor its column has a hole.
bool CellFree(const PunchCard& card, const CardCell& cell);

// The punch: a click on a row's hole takes it out; a click on a cell whose row and column
// are both free punches it; anything else changes nothing.
enum class PunchResult { None, Punched, Removed };
PunchResult PunchCell(PunchCard& card, CardCell cell);

// The key number a release leaves: the day of the month once the card is complete, else 0.
int32_t KeyNumberAfterPunch(const PunchCard& card, int day_of_month);

// Cells that can no longer be punched because their row or column already has a hole
// elsewhere; [row][column], 1..30.
using CellMarks = std::array<std::array<bool, 31>, 31>;
CellMarks InaccessibleCells(const PunchCard& card);

}  // namespace q417
