// The work table's pictures: the key-table strip and the marks of the face view.
#include <QPainter>
#include <gtest/gtest.h>

#include "ui/sprites.h"
#include "ui/blit.h"
#include "key/qt/key_pictures.h"

namespace q417 {
namespace {

// The rectangle where two pictures differ; empty when they are equal.
QRect Difference(const QImage& a, const QImage& b) {
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

struct MarkCase {
    int ring;
    int left, top;  // the ring-setting mark's corner
};

class FaceMarks : public ::testing::TestWithParam<MarkCase> {};

// Value 1 at the top, counter-clockwise by 12 degrees, rounded to the nearest pixel.
TEST_P(FaceMarks, RingMarkSitsOnItsLetter) {
    const MarkCase c = GetParam();
    QImage face = MakePicture(kFaceSize, kFaceSize);
    DrawFaceEmpty(face, c.ring);
    QImage plain = MakePicture(kFaceSize, kFaceSize);
    CopyRect(plain, 0, 0, Sprites::Get("ontable"), QRect(0, 0, kFaceSize, kFaceSize));
    const QRect diff = Difference(face, plain);
    ASSERT_FALSE(diff.isEmpty());
    EXPECT_TRUE(QRect(c.left, c.top, 4, 4).contains(diff)) << diff.x() << "," << diff.y();
}

INSTANTIATE_TEST_SUITE_P(Angles, FaceMarks,
                         ::testing::Values(MarkCase{1, 93, 0}, MarkCase{16, 93, 186},
                                           MarkCase{8, 1, 83}, MarkCase{23, 185, 103},
                                           MarkCase{30, 112, 2}));

TEST(FacePictures, CoreLabelTurnsWithTheCoreAndSideTwoHasNoSeries) {
    QImage side1 = MakePicture(kFaceSize, kFaceSize);
    QImage side2 = side1, turned = side1;
    DrawFaceWithCore(side1, 1, FaceCore{3, 1, 1, RotorSeries::Series6K});
    DrawFaceWithCore(side2, 1, FaceCore{3, 2, 1, RotorSeries::Series6K});
    DrawFaceWithCore(turned, 1, FaceCore{3, 1, 16, RotorSeries::Series6K});
    EXPECT_NE(side1, side2);
    EXPECT_NE(side1, turned);
    // Setting 1: the core's letter above the centre, the series label below it.
    auto whiteIn = [](const QImage& img, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += img.pixel(x, y) == 0xFFFFFFFF;
        return n;
    };
    QImage bare = MakePicture(kFaceSize, kFaceSize);
    CopyRect(bare, 0, 0, Sprites::Get("ontable"), QRect(kFaceSize, 0, kFaceSize, kFaceSize));
    const QRect label(82, 47, 26, 15), series(61, 125, 67, 19);
    EXPECT_GT(whiteIn(side1, label), whiteIn(bare, label));
    EXPECT_GT(whiteIn(side1, series), whiteIn(bare, series));
    EXPECT_EQ(whiteIn(side2, series), whiteIn(bare, series));
}

TEST(KeyTablePicture, GlyphsInTwoHalvesAndBlankCells) {
    KeyTable t;
    t.at(KeyTable::kRotorNumber, 1) = 1;
    t.at(KeyTable::kCoreSide, 6) = 2;
    t.at(KeyTable::kCoreSide, 7) = 3;  // no glyph
    t.at(KeyTable::kCoreSetting, 10) = 30;
    QImage strip = MakePicture(225, 130);
    DrawKeyTable(strip, t, 10);
    const QImage& glyphs = Sprites::Get("table_lit");
    auto cellIs = [&](int x, int y, int glyph_left) {
        QImage expected = MakePicture(14, 19, kPaperYellow);
        AndRect(expected, 0, 0, glyphs, QRect(glyph_left, 0, 14, 19));
        return strip.copy(x, y, 14, 19) == expected;
    };
    EXPECT_TRUE(cellIs(10, 5, 0));                   // А
    EXPECT_TRUE(cellIs(18 * 5 + 40, 80, 14 + 420));  // the digit 2
    EXPECT_TRUE(cellIs(18 * 6 + 40, 80, -100));      // blank
    EXPECT_TRUE(cellIs(18 * 9 + 40, 105, 14 * 29));  // Й
    EXPECT_TRUE(cellIs(28, 5, -100));
    QImage eight = MakePicture(225, 130);
    DrawKeyTable(eight, t, 8);
    EXPECT_NE(eight, strip);  // column 10 is not drawn
}


// The row names stand in the gap between the halves of the strip: each row's name is printed,
// and not one pixel of a full table's glyphs or of the torn edge changes.
TEST(KeyTablePicture, RowNamesHideNothing) {
    KeyTable t;
    for (int i = 1; i <= 10; ++i)
        for (int j = KeyTable::kRotorNumber; j <= KeyTable::kCoreSetting; ++j)
            t.at(j, i) = j == KeyTable::kCoreSide ? 2 : 30;
    QImage bare = MakePicture(225, 130);
    DrawKeyTable(bare, t, 10);
    QImage labelled = bare.copy();
    DrawKeyTableLabels(labelled);
    for (int row = 1; row <= 5; ++row) {
        const QRect place = KeyTableLabelPlace(row);
        EXPECT_NE(labelled.copy(place), bare.copy(place)) << row;
        // Blank the names again: what is left is the table as drawn without them.
        QPainter(&labelled).drawImage(place.topLeft(), bare.copy(place));
    }
    EXPECT_EQ(labelled, bare);
}

}  // namespace
}  // namespace q417
