#pragma once
#include <string>

#include "key/card_editor.h"

namespace q417::card_zones {

// The card as the editor draws it: 256 x 300 pixels, the cell of row r and column c an 8 x 8
// square at (8c, 8(r + 5)), so the grid covers x 8..247 and y 48..287 with a band of holes
// above it.
inline constexpr int kCardWidth = 256;
inline constexpr int kCardHeight = 300;
inline constexpr int kCellSize = 8;

// The cell under a point of the card picture (divisions truncate toward zero); off the grid
// outside it.
constexpr CardCell CardCellAt(int x, int y) {
    return CardCell{x / kCellSize, y / kCellSize - 5};
}
// Top-left corner of a cell on the card picture.
constexpr int CellLeft(int column) {
    return kCellSize * column;
}
constexpr int CellTop(int row) {
    return kCellSize * (row + 5);
}

// The row/column label beside the pointer: right of it up to column 24, left of it from
// column 25 on, so it never runs off the card.
struct PointerLabel {
    std::string text;
    int x = 0;
    int y = 0;
};
inline PointerLabel PointerLabelAt(int x, int y) {
    const CardCell cell = CardCellAt(x, y);
    const std::string r = std::to_string(cell.row);
    const std::string c = std::to_string(cell.column);
    if (cell.column < 25) return {r + " / " + c, x + 10, y - 20};
    return {r + "/" + c, x - 35, y - 20};
}

}  // namespace q417::card_zones
