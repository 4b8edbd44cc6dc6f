#include <gtest/gtest.h>

#include "key/card_editor.h"
#include "key/qt/card_zones.h"

namespace q417 {
namespace {

using namespace card_zones;

// A release on the card picture: the cell under it punched or taken out.
PunchResult PunchAt(PunchCard& card, int x, int y) {
    return PunchCell(card, CardCellAt(x, y));
}

// The centre of the cell of row r, column c on the card picture.
int X(int c) {
    return CellLeft(c) + 4;
}
int Y(int r) {
    return CellTop(r) + 4;
}

TEST(CardEditor, ClickRemovesAHoleAndASecondClickPunchesItAgain) {
    PunchCard card;
    EXPECT_EQ(PunchAt(card, X(7), Y(7)), PunchResult::Removed);
    EXPECT_EQ(card.CardForward(7), 0);
    EXPECT_FALSE(card.CardComplete());
    EXPECT_EQ(PunchAt(card, X(7), Y(7)), PunchResult::Punched);
    EXPECT_TRUE(card.CardComplete());
    // Row 7 has its hole, column 8 is row 8's: nothing moves.
    card.SetRow(7, 0);
    EXPECT_EQ(PunchAt(card, X(8), Y(7)), PunchResult::None);
    card.SetRow(8, 0);
    EXPECT_EQ(PunchAt(card, X(8), Y(7)), PunchResult::Punched);
    EXPECT_EQ(PunchAt(card, X(7), Y(7)), PunchResult::None);  // row 7 now holds column 8
}

struct OffGrid {
    int x, y;
};
class CardMargins : public ::testing::TestWithParam<OffGrid> {};

TEST_P(CardMargins, ClicksOffTheGridChangeNothing) {
    PunchCard card;
    card.ClearCard();
    EXPECT_EQ(PunchAt(card, GetParam().x, GetParam().y), PunchResult::None);
    EXPECT_EQ(card.HoleCount(), 0);
    EXPECT_FALSE(CardCellAt(GetParam().x, GetParam().y).OnGrid());
}

INSTANTIATE_TEST_SUITE_P(Margins, CardMargins,
                         ::testing::Values(OffGrid{100, 47}, OffGrid{100, 0}, OffGrid{7, 100},
                                           OffGrid{0, 100}, OffGrid{248, 100}, OffGrid{255, 100},
                                           OffGrid{100, 288}, OffGrid{100, 299}, OffGrid{-3, 100}));

TEST(CardEditor, GridCornersAreCellsOneAndThirty) {
    EXPECT_EQ(CardCellAt(8, 48).column, 1);
    EXPECT_EQ(CardCellAt(8, 48).row, 1);
    EXPECT_EQ(CardCellAt(247, 287).column, 30);
    EXPECT_EQ(CardCellAt(247, 287).row, 30);
}

TEST(CardEditor, KeyNumberIsTheDayOnlyForACompleteCard) {
    PunchCard card;
    EXPECT_EQ(KeyNumberAfterPunch(card, 17), 17);
    card.SetRow(30, 0);
    EXPECT_EQ(KeyNumberAfterPunch(card, 17), 0);
}

struct LabelCase {
    int row, column;
    const char* text;
    int dx;  // label left edge relative to the pointer
};
class PointerLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(PointerLabels, LabelChangesSideAtColumnTwentyFive) {
    const LabelCase c = GetParam();
    const PointerLabel label = PointerLabelAt(X(c.column), Y(c.row));
    EXPECT_EQ(label.text, c.text);
    EXPECT_EQ(label.x - X(c.column), c.dx);
    EXPECT_EQ(label.y, Y(c.row) - 20);
}

INSTANTIATE_TEST_SUITE_P(Sides, PointerLabels,
                         ::testing::Values(LabelCase{12, 24, "12 / 24", 10},
                                           LabelCase{12, 25, "12/25", -35},
                                           LabelCase{1, 1, "1 / 1", 10},
                                           LabelCase{30, 30, "30/30", -35}));

TEST(CardEditor, TwentyNineHolesLeaveExactlyOneFreeUnmarkedCell) {
    PunchCard card;
    card.SetRow(12, 0);
    const CellMarks marks = InaccessibleCells(card);
    int free = 0;
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= 30; ++c) {
            const bool hole = card.CardForward(r) == c;
            EXPECT_FALSE(hole && marks[r][c]);
            if (!hole && !marks[r][c]) {
                ++free;
                EXPECT_EQ(r, 12);
                EXPECT_EQ(c, 12);
                EXPECT_TRUE(CellFree(card, {c, r}));
            }
        }
    EXPECT_EQ(free, 1);
}

}  // namespace
}  // namespace q417
