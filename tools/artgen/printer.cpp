#include <QFontMetrics>

#include "io/cp1251.h"
#include "io/print_tables.h"
#include "tools/artgen/art.h"

// The printer's pictures: the type glyphs of both wheels, the punch code columns and the group
// counter's drum digits and housing.
namespace artgen {

namespace tables = q417::tables;

namespace {

// National letters and marks that the figures rows of the Q417-3M wheels carry where their
// code page byte is a plain letter or sign.
struct Override {
    int row, contact;
    char16_t ch;
};
constexpr Override kOverrides[] = {
    {2, 15, u'Ä'}, {2, 16, u'Ü'}, {2, 29, u'Ö'},                                 //
    {4, 1, u'Ą'},  {4, 15, u'Ę'}, {4, 16, u'Ł'}, {4, 26, u'Ž'}, {4, 29, u'\''},  //
    {6, 1, u'Ř'},  {6, 2, u'Ä'},  {6, 3, u'Č'},  {6, 5, u'Ě'},  {6, 11, u'Ö'},   //
    {6, 14, u'Ü'}, {6, 15, u'Ž'}, {6, 26, u'Š'},                                 //
    {8, 10, u'N'},
};

QString Glyph3M(int row, int contact) {
    if (row % 2 == 0) {
        // The shift contacts print an equals sign in the figures rows; contact 30 a star.
        if (contact == 7 || contact == 20) return QStringLiteral("=");
        if (contact == 30 && row >= 4) return QStringLiteral("*");
        for (const Override& o : kOverrides)
            if (o.row == row && o.contact == contact) return QString(QChar(o.ch));
    }
    return {};
}

// Typewriter glyphs, black on white, all on one baseline so that accents keep their place.
QImage PaintGlyphs(int machine, int height) {
    QImage img(448, height, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QFont font = Mono(16, true);
    const QFontMetrics fm(font);
    for (int row = 1; row <= 8; ++row) {
        for (int contact = 0; contact < 32; ++contact) {
            const QString g = PrintGlyph(machine, row, contact);
            if (g.isEmpty()) continue;
            const QRect cell(14 * contact, 19 * (row - 1), 14, 19);
            InkShape(
                img, kBlack,
                [&](QPainter& p) {
                    p.setFont(font);
                    p.setPen(Qt::black);
                    p.setClipRect(cell);
                    const double x = cell.left() + (14 - fm.horizontalAdvance(g)) / 2.0;
                    p.drawText(QPointF(x, cell.top() + 15), g);
                },
                0.45);
        }
    }
    return img;
}

QImage PaintPunch() {
    QImage img(223, 44, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int tracks[5] = {4, 11, 25, 32, 39};
    auto hole = [&](int cx, int cy, int r2) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (dx * dx + dy * dy <= r2 && img.rect().contains(cx + dx, cy + dy))
                    img.setPixel(cx + dx, cy + dy, qRgb(0, 0, 0));
    };
    for (int contact = 0; contact < 32; ++contact) {
        const int cx = 7 * contact + 3;
        hole(cx, 18, 1);
        for (int t = 0; t < 5; ++t)
            if (tables::PunchCode[contact][t]) hole(cx, tracks[t], 5);
    }
    return img;
}

void DrumDigit(QPainter& p, const QRect& cell, int d) {
    QLinearGradient g(cell.topLeft(), cell.bottomLeft());
    g.setColorAt(0, QColor(8, 8, 8));
    g.setColorAt(0.3, QColor(46, 46, 44));
    g.setColorAt(0.7, QColor(46, 46, 44));
    g.setColorAt(1, QColor(8, 8, 8));
    p.fillRect(cell, g);
    p.setFont(Mono(15, true));
    p.setPen(QColor(238, 236, 225));
    p.drawText(cell.adjusted(0, 1, 0, 0), Qt::AlignCenter, QString::number(d));
}

QImage PaintCounter(const QImage& canvas) {
    QImage img(140, 53, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    p.drawImage(0, 19, Crop(canvas, QRect(27, 463, 140, 34)));
    p.fillRect(QRect(0, 0, 140, 19), QColor(8, 8, 8));
    for (int d = 0; d < 10; ++d) DrumDigit(p, QRect(14 * d, 0, 14, 19), d);
    // The housing, with four windows: three for the groups, one for the letters of the group.
    p.translate(0, 19);
    QLinearGradient g(QPointF(0, 0), QPointF(0, 34));
    g.setColorAt(0, QColor(88, 90, 88));
    g.setColorAt(1, QColor(40, 41, 40));
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 112, 31), 5, 5);
    for (int x : {13, 36, 59, 90}) {
        p.setPen(QPen(QColor(200, 204, 206), 1.5));
        p.setBrush(QColor(10, 10, 10));
        p.drawRoundedRect(QRectF(x - 2, 5, 18, 23), 2, 2);
        DrumDigit(p, QRect(x, 7, 14, 19), 0);
    }
    p.setPen(QPen(QColor(200, 40, 30), 2));
    p.drawLine(QPointF(82, 6), QPointF(82, 28));
    return img;
}

}  // namespace

QString PrintGlyph(int machine, int row, int contact) {
    if (machine != 0) {
        const QString special = Glyph3M(row, contact);
        if (!special.isEmpty()) return special;
    }
    const unsigned char b =
        tables::PrintChar(machine == 0 ? q417::Model::Q417M : q417::Model::Q417_3MN, row, contact);
    if (b == ' ') return {};
    return QString::fromUcs4(std::u32string(1, q417::Cp1251ToUnicode(b)).c_str(), 1);
}

void AddPrinter(Sheets& s) {
    s.Add("OUT_LIT_M", PaintGlyphs(0, 151), 1);
    s.Add("OUT_LIT_3M", PaintGlyphs(1, 153), 1);
    s.Add("OUT_PUN", PaintPunch(), 1);
    s.Add("COUNTER1", PaintCounter(QImage(s.Get("~canvas"))));
}

}  // namespace artgen
