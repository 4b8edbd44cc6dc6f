#include <gtest/gtest.h>

#include <QSet>

#include "ui/sprites.h"

namespace q417 {
namespace {

struct Entry {
    const char* name;
    int width, height, bits;
};

// Every sheet the window cuts frames from, and every fixed piece of the cabinet.
constexpr Entry kCatalogue[] = {
    {"PICT6", 59, 101, 24},
    {"PICT11", 148, 191, 24},
    {"RUSLAT", 134, 76, 24},
    {"BUTTON", 92, 138, 24},
    {"SPACE", 480, 86, 24},
    {"KBD_LIT_M", 330, 240, 4},
    {"KBD_LIT_3M", 386, 361, 4},
    {"PUSKSTOP", 94, 104, 24},
    {"LOADER", 90, 85, 24},
    {"OUT_LIT_M", 448, 151, 1},
    {"OUT_LIT_3M", 448, 153, 1},
    {"OUT_PUN", 223, 44, 1},
    {"LANG", 66, 97, 24},
    {"BCS", 84, 92, 24},
    {"COUNTER1", 140, 53, 24},
    {"MODEWHEEL", 91, 202, 24},
    {"SPSLEVER", 66, 38, 24},
    {"RODLEVER", 63, 117, 24},
    {"ENTRY", 234, 191, 24},
    {"REFLECTOR", 234, 191, 24},
    {"STEPER", 360, 191, 24},
    {"LINEUP", 360, 29, 24},
    {"LINEDN", 360, 29, 24},
    {"SHAFT", 360, 21, 24},
    {"FILLER", 66, 191, 24},
    {"DSK", 36, 191, 24},
    {"PIN", 8, 9, 4},
    {"DSK_LIT", 56, 601, 4},
    {"DSK_LIN", 36, 29, 24},
    {"DSK_LINU", 36, 29, 24},
    {"IZO", 16, 165, 24},
    {"VSTAVKA", 270, 90, 24},
    {"MAZE_LIT", 260, 44, 1},
    {"ONTABLE", 573, 191, 24},
    {"OUTMARK", 4, 4, 4},
    {"SERIAL", 198, 19, 1},
    {"INMARK", 4, 4, 1},
    {"TABLE_LIT", 448, 20, 1},
    {"OTRYV", 8, 132, 24},
    {"9", 8, 8, 1},
    {"10", 8, 8, 1},
    {"11", 8, 8, 4},
    {"12", 8, 8, 1},
    {"13", 256, 300, 1},
    {"14", 8, 8, 4},
    {"15", 130, 16, 1},
    {"cabinet", 649, 575, 24},
    {"Image1", 32, 120, 24},
    {"Image2", 338, 23, 24},
    {"Image4", 120, 23, 24},
    {"Image9", 59, 16, 24},
    {"Image10", 548, 10, 24},
    {"Image12", 25, 191, 24},
    {"Image13", 11, 202, 24},
    {"Image14", 650, 18, 24},
    {"Image15", 27, 180, 24},
    {"Image16", 43, 87, 24},
    {"Image17", 225, 87, 24},
    {"Image18", 185, 52, 24},
    {"Image19", 35, 50, 24},
    {"Image20", 27, 146, 24},
    {"icon32", 32, 32, 4},
};

class Catalogue : public ::testing::TestWithParam<Entry> {};

TEST_P(Catalogue, FoundInAnyCaseAtItsSize) {
    const Entry e = GetParam();
    const QString name = QString::fromLatin1(e.name);
    for (const QString& spelling : {name, name.toLower(), name.toUpper()}) {
        ASSERT_TRUE(Sprites::Has(spelling)) << qPrintable(spelling);
        EXPECT_EQ(Sprites::Get(spelling).size(), QSize(e.width, e.height)) << qPrintable(spelling);
    }
}

TEST_P(Catalogue, KeepsToItsColourDepth) {
    const Entry e = GetParam();
    if (e.bits == 24) return;
    const QImage& img = Sprites::Get(QString::fromLatin1(e.name));
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) colours.insert(img.pixel(x, y) | 0xFF000000u);
    if (e.bits == 1) {
        colours.remove(qRgb(0, 0, 0));
        colours.remove(qRgb(255, 255, 255));
        EXPECT_TRUE(colours.isEmpty()) << e.name << " has colours besides black and white";
    } else {
        EXPECT_LE(colours.size(), 16) << e.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, Catalogue, ::testing::ValuesIn(kCatalogue),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, NumberedSpritesFoundByNumber) {
    for (int n = 9; n <= 15; ++n) EXPECT_FALSE(Sprites::Numbered(n).isNull()) << n;
}

TEST(Catalogue, IconsInEverySize) {
    for (int size : {32, 64, 128, 256, 512})
        EXPECT_EQ(Sprites::Get(QString("icon%1").arg(size)).size(), QSize(size, size));
}

// Pieces whose background was cut out of the cabinet must sit on it without a seam: their
// corners carry the cabinet's own pixels at the place the window puts them.
struct Seam {
    const char* sheet;
    QPoint inSheet;
    QPoint inCabinet;
};

class Seams : public ::testing::TestWithParam<Seam> {};

TEST_P(Seams, BackgroundMatchesTheCabinet) {
    const Seam s = GetParam();
    const QImage& sheet = Sprites::Get(s.sheet);
    const QImage& cabinet = Sprites::Get("cabinet");
    EXPECT_EQ(sheet.pixel(s.inSheet), cabinet.pixel(s.inCabinet)) << s.sheet;
}

constexpr Seam kSeams[] = {
    {"PUSKSTOP", {0, 0}, {566, 412}},    {"PUSKSTOP", {0, 52}, {566, 356}},
    {"PUSKSTOP", {47, 103}, {566, 407}}, {"SPACE", {0, 0}, {185, 461}},
    {"SPACE", {240, 85}, {185, 546}},    {"COUNTER1", {0, 19}, {27, 463}},
    {"BCS", {83, 0}, {449, 0}},          {"BCS", {0, 69}, {366, 0}},
    {"LANG", {0, 96}, {569, 96}},        {"LANG", {44, 0}, {569, 0}},
    {"PICT6", {57, 0}, {648, 0}},        {"PICT11", {36, 190}, {36, 298}},
    {"PICT11", {37, 0}, {0, 108}},       {"LANG", {21, 50}, {590, 50}},
    {"Image17", {0, 0}, {425, 462}},     {"Image14", {648, 17}, {648, 316}},
};

INSTANTIATE_TEST_SUITE_P(Pieces, Seams, ::testing::ValuesIn(kSeams));

TEST(Seams, KeyCapsStandOnTheKeyboardFill) {
    // The window fills the keyboard with the cabinet colour and copies caps over it.
    const QImage& caps = Sprites::Get("BUTTON");
    for (int band = 0; band < 3; ++band)
        for (int half = 0; half < 2; ++half)
            EXPECT_EQ(caps.pixel(46 * half + 45, 46 * band), qRgb(176, 180, 176)) << band << half;
}

}  // namespace
}  // namespace q417
