#include "key/qt/key_pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "ui/sprites.h"
#include "ui/blit.h"

namespace q417 {

namespace {

constexpr int kFaceGlyphWidth = 14;
constexpr int kFaceGlyphHeight = 19;
constexpr int kSideGlyphs = 420;  // the digits 1 and 2 follow the thirty letters
constexpr int kCentre = 95;

// [t]: to the nearest integer, halves to even.
int Round(double t) {
    return static_cast<int>(std::nearbyint(t));
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double AtanDegrees(double y, double x) {
    return std::atan2(y, x) * 180.0 / std::numbers::pi;
}

bool Dark(const QImage& sheet, int x, int y) {
    return sheet.valid(x, y) && qGray(sheet.pixel(x, y)) < 128;
}

int SerieBand(RotorSeries serie, int band3, int band6, int band4) {
    return serie == RotorSeries::Series3K ? band3 : serie == RotorSeries::Series4K ? band4 : band6;
}

// The glyph of one table entry, or -1 for a blank cell: the sides are the digits 1 and 2,
// every other row a letter 1..30 (a table read from a file may hold any letter there).
int GlyphLeft(int row, int32_t v) {
    if (row == KeyTable::kCoreSide)
        return v >= 1 && v <= 2 ? kFaceGlyphWidth * (v - 1) + kSideGlyphs : -1;
    return v >= 1 && v <= 30 ? kFaceGlyphWidth * (v - 1) : -1;
}

// The top-left corner of a 4 x 4 mark centred at distance `radius` on the dial at `value`.
QPoint MarkCorner(int value, double radius) {
    const double a = Radians(FaceAngle(value));
    return {kCentre + Round(radius * std::cos(a)) - 2, kCentre + Round(radius * std::sin(a)) - 2};
}

// Turns the dark pixels of a label (columns 1..width-1, rows 1..height-1 of the piece at
// (left, top) of the sheet) round the face with the core, as white pixels from `anchor`.
void TurnLabel(QImage& face, const QImage& sheet, QRect piece, QPoint anchor, int setting) {
    const double turn = 12.0 * (31 - setting);
    for (int i = 1; i < piece.width(); ++i)
        for (int j = 1; j < piece.height(); ++j) {
            if (!Dark(sheet, piece.left() + i, piece.top() + j)) continue;
            const double r = std::sqrt(double(i * i + j * j));
            const double phi = Radians(turn + AtanDegrees(j, i));
            const int x = anchor.x() + Round(r * std::cos(phi));
            const int y = anchor.y() + Round(r * std::sin(phi));
            if (face.valid(x, y)) face.setPixel(x, y, 0xFFFFFFFF);
        }
}

QPoint Anchor(double distance, double degrees) {
    const double a = Radians(degrees);
    return {kCentre + Round(distance * std::cos(a)), kCentre + Round(distance * std::sin(a))};
}

}  // namespace

void DrawKeyTable(QImage& picture, const KeyTable& table, int columns) {
    picture.fill(kPaperYellow);
    const QImage& edge = Sprites::Get("otryv");
    AndRect(picture, 222, 0, edge, edge.rect());
    const QImage& glyphs = Sprites::Get("table_lit");
    for (int i = 1; i <= columns && i <= 10; ++i)
        for (int j = KeyTable::kRotorNumber; j <= KeyTable::kCoreSetting; ++j) {
            const int left = GlyphLeft(j, table.at(j, i));
            if (left < 0) continue;
            const int x = 18 * (i - 1) + (i <= 5 ? 10 : 40);
            const int y = 25 * (j - 1) + 5;
            AndRect(picture, x, y, glyphs, QRect(left, 0, kFaceGlyphWidth, kFaceGlyphHeight));
        }
}

// The gap between column 5 (ending at x 96) and column 6 (starting at x 130) is free on every
// row, so the names go there, each in the height of its row's glyphs: the two settings take
// two short lines.
QRect KeyTableLabelPlace(int row) {
    return QRect(96, 25 * (row - 1) + 5, 34, kFaceGlyphHeight);
}

void DrawKeyTableLabels(QImage& picture) {
    static const char* const kNames[5] = {
        QT_TRANSLATE_NOOP("KeyTable", "body"), QT_TRANSLATE_NOOP("KeyTable", "ring\nsetting"),
        QT_TRANSLATE_NOOP("KeyTable", "core"), QT_TRANSLATE_NOOP("KeyTable", "side"),
        QT_TRANSLATE_NOOP("KeyTable", "core\nsetting")};
    QPainter p(&picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    font.setPixelSize(8);
    p.setFont(font);
    p.setPen(QColor(85, 75, 45));
    for (int row = 1; row <= 5; ++row)
        p.drawText(KeyTableLabelPlace(row), Qt::AlignCenter,
                   QCoreApplication::translate("KeyTable", kNames[row - 1]));
}

void DrawCorePicture(QImage& picture, int core, RotorSeries serie) {
    const QImage& cores = Sprites::Get("vstavka");
    CopyRect(picture, 0, 0, cores, QRect(SerieBand(serie, 0, 90, 180), 0, kCoreSize, kCoreSize));
    const QImage& labels = Sprites::Get("maze_lit");
    for (int i = 0; i < 22; ++i)
        for (int j = 0; j < 14; ++j)
            if (Dark(labels, 22 * (core - 1) + i, j) && picture.valid(35 + i, 14 + j))
                picture.setPixel(35 + i, 14 + j, 0xFFFFFFFF);
}

double FaceAngle(int value) {
    return 642.0 - 12.0 * value;
}

void DrawFaceEmpty(QImage& face, int ring_setting) {
    CopyRect(face, 0, 0, Sprites::Get("ontable"), QRect(0, 0, kFaceSize, kFaceSize));
    const QImage& mark = Sprites::Get("outmark");
    const QPoint at = MarkCorner(ring_setting, 93);
    AndRect(face, at.x(), at.y(), mark, mark.rect());
}

void DrawFaceWithCore(QImage& face, int ring_setting, const FaceCore& core) {
    CopyRect(face, 0, 0, Sprites::Get("ontable"), QRect(kFaceSize, 0, kFaceSize, kFaceSize));
    const int v = core.setting;
    const QRect label(26 * (core.core - 1), core.side == 1 ? 13 : 28, 26, 15);
    TurnLabel(face, Sprites::Get("maze_lit"), label,
              Anchor(std::sqrt(2474.0), FaceAngle(v) - AtanDegrees(5, 19)), v);
    if (core.side == 1) {
        const QRect serial(SerieBand(core.serie, 0, 65, 131), 0, 67, 19);
        TurnLabel(face, Sprites::Get("serial"), serial,
                  Anchor(std::sqrt(2000.0), 12.0 * (31 - v) + 180.0 - AtanDegrees(7, 8)), v);
    }
    const QPoint in = MarkCorner(v, v >= 10 && v <= 17 ? 69 : 67);
    CopyAll(face, in.x(), in.y(), Sprites::Get("inmark"));
    const QImage& mark = Sprites::Get("outmark");
    const QPoint out = MarkCorner(ring_setting, 93);
    AndRect(face, out.x(), out.y(), mark, mark.rect());
}

}  // namespace q417
