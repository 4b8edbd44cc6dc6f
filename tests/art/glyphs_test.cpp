#include <gtest/gtest.h>

#include "ui/sprites.h"
#include "io/keyboard_tables.h"
#include "io/print_tables.h"

namespace q417 {
namespace {

namespace tables = q417::tables;

const QRgb kWhite = qRgb(255, 255, 255);

int InkIn(const QImage& img, const QRect& r) {
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((img.pixel(x, y) | 0xFF000000u) != kWhite) ++ink;
    return ink;
}

// What the tape shows besides the wheel's own characters: on the Q417-3M figures rows the shift
// contacts print an equals sign and contact 30 a star.
bool TapeShowsMark(int row, int contact) {
    if (row % 2 != 0) return false;
    return contact == 7 || contact == 20 || (contact == 30 && row >= 4);
}

struct GlyphSheet {
    const char* name;
    Model machine;
    int bands;  // bands wholly inside the sheet
};

class PrintGlyphs : public ::testing::TestWithParam<GlyphSheet> {};

TEST_P(PrintGlyphs, PrintableCharactersHaveInkAndSpacesNone) {
    const GlyphSheet g = GetParam();
    const QImage& img = Sprites::Get(g.name);
    for (int row = 1; row <= g.bands; ++row)
        for (int contact = 0; contact < 32; ++contact) {
            const bool printable = tables::PrintChar(g.machine, row, contact) != ' ' ||
                                   (g.machine != Model::Q417M && TapeShowsMark(row, contact));
            const int ink = InkIn(img, QRect(14 * contact, 19 * (row - 1), 14, 19));
            if (printable)
                EXPECT_GT(ink, 6) << g.name << " row " << row << " contact " << contact;
            else
                EXPECT_EQ(ink, 0) << g.name << " row " << row << " contact " << contact;
        }
}

INSTANTIATE_TEST_SUITE_P(Wheels, PrintGlyphs,
                         ::testing::Values(GlyphSheet{"OUT_LIT_3M", Model::Q417_3MN, 8},
                                           GlyphSheet{"OUT_LIT_M", Model::Q417M, 7}));

TEST(PrintGlyphs, NationalLettersCarryTheirMarks) {
    // Ä on the German figures row differs from the plain A of the Polish letters row.
    const QImage& img = Sprites::Get("OUT_LIT_3M");
    const QImage umlaut = img.copy(14 * 15, 19 * 1, 14, 19);
    const QImage plain = img.copy(14 * 2, 19 * 2, 14, 19);
    EXPECT_NE(umlaut, plain);
    EXPECT_GT(InkIn(umlaut, QRect(0, 0, 14, 6)), InkIn(plain, QRect(0, 0, 14, 6)));
}

TEST(PunchPatterns, HolesAtTheTrackCentresFollowTheCode) {
    const QImage& img = Sprites::Get("OUT_PUN");
    const int tracks[5] = {4, 11, 25, 32, 39};
    for (int contact = 0; contact < 32; ++contact) {
        const int x = 7 * contact + 3;
        EXPECT_NE(img.pixel(x, 18) | 0xFF000000u, kWhite) << "feed hole of " << contact;
        for (int t = 0; t < 5; ++t) {
            const bool hole = (img.pixel(x, tracks[t]) | 0xFF000000u) != kWhite;
            EXPECT_EQ(hole, tables::PunchCode[contact][t] == 1)
                << "contact " << contact << " track " << t;
        }
    }
    // Between the columns the tape stays whole.
    for (int contact = 0; contact < 31; ++contact)
        EXPECT_EQ(InkIn(img, QRect(7 * contact + 6, 0, 1, 44)), 0) << contact;
}

TEST(KeyLegends, EveryKeyHasALegendAndNoKeyNone) {
    const QImage& m = Sprites::Get("KBD_LIT_M");
    const QImage& m3 = Sprites::Get("KBD_LIT_3M");
    for (int layot = 1; layot <= 4; ++layot)
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 11; ++c) {
                const bool key = tables::KeyContactTable[r][c] != 0;
                const int inkM =
                    InkIn(m, QRect((c - 1) * 30, (layot - 1) * 60 + (r - 1) * 20, 30, 20));
                const int ink3 =
                    InkIn(m3, QRect((c - 1) * 35 + 1, (layot - 1) * 90 + (r - 1) * 30 + 1, 34, 29));
                EXPECT_EQ(inkM > 0, key) << "M layout " << layot << " key " << r << "," << c;
                EXPECT_EQ(ink3 > 0, key) << "3M layout " << layot << " key " << r << "," << c;
            }
}

TEST(KeyLegends, LatinLayoutsCarryMoreThanTheRussian) {
    // The Russian legends show the Cyrillic pair only; the Latin layouts add the wheel's pair.
    const QImage& m3 = Sprites::Get("KBD_LIT_3M");
    const QRect q(1, 1, 34, 29);  // key Q, contact 30
    for (int layot = 1; layot <= 3; ++layot)
        EXPECT_GT(InkIn(m3, q.translated(0, (layot - 1) * 90)), InkIn(m3, q.translated(0, 270)))
            << layot;
}

// On the Latin layouts the Q key's Cyrillic letter shares its key with a Latin one and has
// half the height: its Й must still carry the breve above the letter, or it reads as И.
TEST(KeyLegends, TheShortIKeepsItsBreveOnEveryLayout) {
    const QImage& m3 = Sprites::Get("KBD_LIT_3M");
    for (int layot = 1; layot <= 3; ++layot)
        EXPECT_GT(InkIn(m3, QRect(1, (layot - 1) * 90 + 1, 17, 2)), 2) << layot;
}

TEST(KeyLegends, WhiteBetweenTheCells) {
    const QImage& m3 = Sprites::Get("KBD_LIT_3M");
    for (int layot = 0; layot < 4; ++layot)
        for (int r = 0; r <= 3; ++r)
            EXPECT_EQ(InkIn(m3, QRect(0, layot * 90 + r * 30, 386, 1)), 0) << layot << r;
    for (int c = 0; c <= 11; ++c) EXPECT_EQ(InkIn(m3, QRect(35 * c, 0, 1, 361)), 0) << c;
}

TEST(RingLetters, MarkedColumnsHoldOnlyTheFirstTenLetters) {
    const QImage& lit = Sprites::Get("DSK_LIT");
    for (int letter = 1; letter <= 30; ++letter)
        for (int column : {0, 14, 28, 42}) {
            const bool marked = column == 0 || column == 28;
            const int ink = InkIn(lit, QRect(column, 600 - 20 * letter, 14, 20));
            EXPECT_EQ(ink > 0, !marked || letter <= 10) << "letter " << letter << " x " << column;
        }
    EXPECT_EQ(InkIn(lit, QRect(0, 600, 56, 1)), 0);
}

// A marked letter is cut white out of a dark tab. The rotor's cylinder view ANDs neighbouring
// strip rows together where it squeezes the ring, so a white stroke one row tall would vanish
// into the tab (А would read as Л): every white run inside a tab is two rows or more.
TEST(RingLetters, CutOutStrokesSurviveTheCylinder) {
    const QImage& lit = Sprites::Get("DSK_LIT");
    for (int column : {0, 28})
        for (int letter = 1; letter <= 10; ++letter)
            for (int x = column + 2; x < column + 12; ++x) {
                const int top = 600 - 20 * letter;
                int run = 0;
                bool inTab = false;
                for (int y = top; y < top + 20; ++y) {
                    const bool white = qGray(lit.pixel(x, y)) > 128;
                    if (!white) {
                        if (inTab && run > 0) {
                            EXPECT_GE(run, 2) << "letter " << letter << " x " << x << " y " << y;
                        }
                        inTab = true;
                        run = 0;
                    } else {
                        ++run;
                    }
                }
            }
}

TEST(WorkTableGlyphs, EveryTableGlyphAndCoreLabelIsInked) {
    const QImage& table = Sprites::Get("TABLE_LIT");
    for (int g = 0; g < 32; ++g) EXPECT_GT(InkIn(table, QRect(14 * g, 0, 14, 19)), 6) << g;
    const QImage& maze = Sprites::Get("MAZE_LIT");
    for (int n = 0; n < 10; ++n) {
        EXPECT_GT(InkIn(maze, QRect(22 * n, 0, 22, 13)), 6) << n;
        EXPECT_GT(InkIn(maze, QRect(26 * n + 1, 14, 25, 14)), 6) << n;
        EXPECT_GT(InkIn(maze, QRect(26 * n + 1, 29, 25, 14)), 6) << n;
    }
    // The labels' unused first row is blank, so the top band and the side-1 labels never mix.
    EXPECT_EQ(InkIn(maze, QRect(0, 13, 260, 1)), 0);
    const QImage& serial = Sprites::Get("SERIAL");
    for (int band : {0, 65, 131}) EXPECT_GT(InkIn(serial, QRect(band + 1, 1, 64, 18)), 20) << band;
}

TEST(CardSprites, HoleIsSolidAndDigitsAreInked) {
    const QImage& hole = Sprites::Numbered(9);
    EXPECT_EQ(hole.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(hole.pixel(0, 0), kWhite);
    EXPECT_EQ(InkIn(Sprites::Numbered(12), QRect(0, 0, 8, 8)), 0);
    const QImage& digits = Sprites::Numbered(15);
    for (int d = 0; d < 10; ++d) EXPECT_GT(InkIn(digits, QRect(13 * d, 0, 13, 16)), 6) << d;
    // The card prints nothing in the rows that also show above the grid.
    EXPECT_EQ(InkIn(Sprites::Numbered(13), QRect(1, 0, 254, 40)), 0);
}

}  // namespace
}  // namespace q417
