#include <QPainterPath>

#include "io/keyboard_tables.h"
#include "io/print_tables.h"
#include "tools/artgen/art.h"

// The keyboard: caps in three styles, the space bar, the legends of every layout, the start and
// stop keys and the parts of the text loader.
namespace artgen {

namespace tables = q417::tables;

namespace {

struct CapStyle {
    QColor face;
    double radius;
};

// One key cap in a 46 x 46 cell. Pressed, the cap sinks: its face moves down by about ten
// pixels and the dark well shows above it.
void PaintCap(QPainter& p, QPointF at, const CapStyle& st, bool pressed) {
    p.save();
    p.translate(at);
    const double sink = pressed ? 10 : 0;
    if (pressed) {
        QLinearGradient well(QPointF(0, 1), QPointF(0, 14));
        well.setColorAt(0, QColor(40, 42, 40));
        well.setColorAt(1, QColor(95, 98, 95));
        p.setPen(Qt::NoPen);
        p.setBrush(well);
        p.drawRoundedRect(QRectF(3, 1, 40, 16), st.radius, st.radius);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(QRectF(3, 5, 42, 41), st.radius + 1, st.radius + 1);
    }
    // The skirt: the front of the cap, darker.
    QLinearGradient skirt(QPointF(0, 20 + sink), QPointF(0, 45));
    skirt.setColorAt(0, Shade(st.face, 0.82));
    skirt.setColorAt(1, Shade(st.face, 0.55));
    p.setBrush(skirt);
    p.setPen(QPen(Shade(st.face, 0.4), 1));
    p.drawRoundedRect(QRectF(3.5, 1.5 + sink, 39, 43 - sink), st.radius, st.radius);
    // The face, slightly dished: light at the top, a touch darker towards the front.
    const QRectF face(5, 1 + sink, 36, 33);
    QLinearGradient fg(face.topLeft(), face.bottomLeft());
    fg.setColorAt(0, Shade(st.face, 1.03));
    fg.setColorAt(0.7, st.face);
    fg.setColorAt(1, Shade(st.face, 0.93));
    p.setBrush(fg);
    p.setPen(QPen(Shade(st.face, 0.7), 1));
    p.drawRoundedRect(face, st.radius * 0.8, st.radius * 0.8);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(face.left() + st.radius, face.top() + 1),
               QPointF(face.right() - st.radius, face.top() + 1));
    p.restore();
}

QImage PaintButtons() {
    QImage img(92, 138, QImage::Format_RGB32);
    img.fill(kPaint);
    QPainter p(&img);
    Smooth(p);
    const CapStyle styles[] = {
        {QColor(196, 198, 194), 9}, {QColor(250, 250, 246), 3}, {QColor(176, 214, 240), 3}};
    for (int band = 0; band < 3; ++band)
        for (int pressed = 0; pressed < 2; ++pressed)
            PaintCap(p, QPointF(46 * pressed, 46 * band), styles[band], pressed == 1);
    return img;
}

// The character a key shows for a contact in a row of the wheel: the glyph of the tape, with
// the numero sign written out.
QString KeyChar(int row, int contact) {
    if (row == 8 && contact == 10) return QStringLiteral("№");
    return PrintGlyph(1, row, contact);
}

const QColor kLatinInk(0, 0, 168);
const QColor kMarkInk(200, 0, 0);

// Centred in the upper half of a Latin layout's key, a letter with a mark above it (the
// breve of Й) would lose the mark above the cell: such a letter is lowered until all its ink
// lies in the cell. Every other letter keeps the centred place.
QRect CyrillicCell(const QRect& cell, const QString& letter, const QFont& font) {
    constexpr int kRoom = 8;  // scratch rows above the cell, where a cut-off mark would land
    QImage scratch(cell.width(), cell.height() + kRoom, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    InkText(scratch, QRect(0, kRoom, cell.width(), cell.height()), letter, font, kBlack,
            Qt::AlignCenter | Qt::TextDontClip);
    for (int y = 0; y < kRoom; ++y)
        for (int x = 0; x < scratch.width(); ++x)
            if (scratch.pixel(x, y) != qRgb(255, 255, 255)) return cell.translated(0, kRoom - y);
    return cell;
}

void Legend3M(QImage& img, QPoint at, int layot, int contact) {
    const QString cyr = KeyChar(7, contact);
    QString cyrFig = KeyChar(8, contact);
    QString lat, latFig;
    if (layot != 4) {
        lat = KeyChar(2 * layot - 1, contact);
        latFig = KeyChar(2 * layot, contact);
    }
    const bool shift = contact == 20 || contact == 7;
    if (shift) cyrFig = latFig = contact == 20 ? QStringLiteral("1...") : QStringLiteral("А...");
    const QColor figInk = shift ? kMarkInk : kBlack;
    const QFont figFont = shift ? SansCondensed(8, true) : Sans(11, true);
    if (layot == 4) {
        InkText(img, QRect(at.x(), at.y(), 19, 29), cyr, Sans(17, true), kBlack);
        InkText(img, QRect(at.x() + 18, at.y(), 16, 29), cyrFig, figFont, figInk);
        return;
    }
    InkText(img, CyrillicCell(QRect(at.x(), at.y(), 17, 15), cyr, Sans(14, true)), cyr,
            Sans(14, true), kBlack, Qt::AlignCenter | Qt::TextDontClip);
    InkText(img, QRect(at.x() + 17, at.y() + 1, 17, 14), cyrFig, figFont, figInk);
    InkText(img, QRect(at.x(), at.y() + 14, 17, 15), lat, Sans(13, true), kLatinInk);
    InkText(img, QRect(at.x() + 17, at.y() + 15, 17, 14), latFig, figFont,
            shift ? kMarkInk : kLatinInk);
}

QImage PaintLegends3M() {
    QImage img(386, 361, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int layot = 1; layot <= 4; ++layot)
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 11; ++c) {
                const int contact = tables::KeyContactTable[r][c];
                if (contact == 0) continue;
                Legend3M(img, QPoint((c - 1) * 35 + 1, (layot - 1) * 90 + (r - 1) * 30 + 1), layot,
                         contact);
            }
    return img;
}

QImage PaintLegendsM() {
    QImage img(330, 240, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int layot = 1; layot <= 4; ++layot)
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 11; ++c) {
                const int contact = tables::KeyContactTable[r][c];
                if (contact == 0) continue;
                const QPoint at((c - 1) * 30, (layot - 1) * 60 + (r - 1) * 20);
                const QString cyr = PrintGlyph(0, 1, contact);
                if (layot == 4) {
                    InkText(img, QRect(at, QSize(30, 20)), cyr, Sans(15, true), kBlack);
                    continue;
                }
                const int latRow = layot == 1 ? 2 : 4;
                InkText(img, QRect(at, QSize(16, 20)), cyr, Sans(14, true), kBlack);
                InkText(img, QRect(at + QPoint(15, 0), QSize(15, 20)),
                        PrintGlyph(0, latRow, contact), Sans(12, true), kLatinInk);
            }
    return img;
}

QImage PaintSpace(const QImage& canvas) {
    QImage img(480, 86, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    for (int pressed = 0; pressed < 2; ++pressed) {
        p.drawImage(240 * pressed, 0, Crop(canvas, QRect(185, 461, 240, 86)));
        const double sink = pressed ? 5 : 0;
        const QRectF bar(240 * pressed + 10, 3 + sink, 220, 35 - sink);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        if (!pressed) p.drawRoundedRect(bar.translated(1, 3), 6, 6);
        QLinearGradient skirt(bar.topLeft(), bar.bottomLeft());
        skirt.setColorAt(0, QColor(200, 200, 192));
        skirt.setColorAt(1, QColor(120, 120, 114));
        p.setBrush(skirt);
        p.setPen(QPen(QColor(80, 80, 76), 1));
        p.drawRoundedRect(bar, 6, 6);
        const QRectF face = bar.adjusted(3, 1, -3, -9 + sink);
        QLinearGradient fg(face.topLeft(), face.bottomLeft());
        fg.setColorAt(0, QColor(248, 248, 240));
        fg.setColorAt(1, QColor(222, 222, 212));
        p.setBrush(fg);
        p.setPen(QPen(QColor(150, 150, 140), 1));
        p.drawRoundedRect(face, 5, 5);
        if (pressed) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 42, 40));
            p.drawRect(QRectF(240 + 12, 2, 216, 4));
        }
    }
    return img;
}

// A round start or stop key in its bezel; pressed, the cap sits lower and darker.
void PaintRoundKey(QPainter& p, QPointF at, const QColor& cap, const QString& label, bool pressed) {
    const QPointF c = at + QPointF(23.5, 25);
    QRadialGradient bezel(c, 22);
    bezel.setColorAt(0.8, QColor(60, 62, 60));
    bezel.setColorAt(0.92, QColor(200, 204, 200));
    bezel.setColorAt(1, QColor(90, 92, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(c, 22, 22);
    const QPointF cc = c + QPointF(0, pressed ? 2 : -1);
    const double r = pressed ? 15.5 : 16.5;
    QRadialGradient g(cc - QPointF(5, 6), r * 1.5);
    g.setColorAt(0, Shade(cap, pressed ? 1.1 : 1.6));
    g.setColorAt(0.5, Shade(cap, pressed ? 0.8 : 1.0));
    g.setColorAt(1, Shade(cap, 0.45));
    p.setBrush(g);
    p.setPen(QPen(Shade(cap, 0.35), 1));
    p.drawEllipse(cc, r, r);
    p.setFont(SansCondensed(9, true));
    p.setPen(QColor(250, 250, 245));
    Label(p, QRectF(cc.x() - 16, cc.y() - 6, 32, 12), Qt::AlignCenter, label);
}

QImage PaintStartStop(const QImage& canvas) {
    LayoutScope scope("PUSKSTOP");
    QImage img(94, 104, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    for (int pressed = 0; pressed < 2; ++pressed) {
        p.drawImage(47 * pressed, 0, Crop(canvas, QRect(566, 412, 47, 52)));
        p.drawImage(47 * pressed, 52, Crop(canvas, QRect(566, 356, 47, 52)));
        PaintRoundKey(p, QPointF(47 * pressed, 0), QColor(190, 30, 24), "СТОП", pressed);
        PaintRoundKey(p, QPointF(47 * pressed, 52), QColor(30, 120, 50), "ПУСК", pressed);
    }
    return img;
}

}  // namespace

void PaintLoadButton(QPainter& p, QPointF at, int state) {
    p.save();
    p.translate(at);
    p.fillRect(QRectF(0, 0, 30, 21), QColor(60, 62, 60));
    const double sink = state == 2 ? 1.5 : 0;
    const QColor cap = state == 0 ? QColor(236, 200, 90) : QColor(200, 160, 60);
    QLinearGradient g(QPointF(0, 1 + sink), QPointF(0, 20));
    g.setColorAt(0, Shade(cap, state == 2 ? 0.85 : 1.15));
    g.setColorAt(1, Shade(cap, state == 2 ? 0.55 : 0.7));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 40, 10), 1));
    p.drawRoundedRect(QRectF(2.5, 1.5 + sink, 25, 17.5 - sink), 3, 3);
    // A sheet of text with an arrow into the machine.
    p.setPen(QPen(QColor(50, 34, 8), 1.3));
    p.setBrush(QColor(255, 250, 230));
    p.drawRect(QRectF(8.5, 4.5 + sink, 9, 11));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(10.5, 7.5 + 3 * i + sink), QPointF(15.5, 7.5 + 3 * i + sink));
    p.drawLine(QPointF(19, 10 + sink), QPointF(24, 10 + sink));
    p.drawLine(QPointF(21.5, 7.5 + sink), QPointF(24, 10 + sink));
    p.drawLine(QPointF(21.5, 12.5 + sink), QPointF(24, 10 + sink));
    p.restore();
}

// The strip sits on the front edge of the cabinet, above the edge's highlight and shadow
// lines 10 rows below its top. Its housing is a plain opaque rectangle, so painted over the
// cabinet or over a copy of it, it leaves the same pixels; to its right the cabinet shows.
void PaintStepStrip(QPainter& p, QPointF at, int state) {
    p.save();
    p.translate(at);
    p.fillRect(QRect(0, 0, 68, 10), QColor(40, 42, 40));
    for (int half = 0; half < 2; ++half) {
        const bool lit = state == half + 1;
        const QColor base = state == 3 ? QColor(70, 72, 70)
                            : lit      ? QColor(150, 154, 150)
                                       : QColor(105, 108, 105);
        // The halves where the loader takes the clicks: on at x 6..31, back at 34..64.
        const QRectF r = half == 0 ? QRectF(5, 1, 27, 8) : QRectF(34, 1, 31, 8);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, Shade(base, 1.35));
        g.setColorAt(1, Shade(base, 0.6));
        p.fillRect(r, g);
        p.setPen(QPen(QColor(30, 30, 30, 140), 1));
        for (double x = r.left() + 2.5; x < r.right(); x += 3)
            p.drawLine(QPointF(x, 2), QPointF(x, 8));
        // Forward on the left, back on the right.
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(255, 240, 170) : QColor(230, 230, 225));
        const double cx = r.center().x(), dir = half == 0 ? 1 : -1;
        QPolygonF tri;
        tri << QPointF(cx - 4 * dir, 2) << QPointF(cx + 4 * dir, 5) << QPointF(cx - 4 * dir, 8);
        p.drawPolygon(tri);
    }
    p.restore();
}

namespace {

// Each band of the step strip carries the cabinet around the strip, as the loader shows it.
QImage PaintLoader(const QImage& canvas) {
    QImage img(90, 85, QImage::Format_RGB32);
    img.fill(QColor(60, 62, 60));
    QPainter p(&img);
    Smooth(p);
    for (int state = 0; state < 3; ++state) PaintLoadButton(p, QPointF(30 * state, 0), state);
    for (int state = 0; state < 4; ++state) {
        p.drawImage(0, 21 + 16 * state, Crop(canvas, QRect(425, 512, 90, 15)));
        PaintStepStrip(p, QPointF(0, 21 + 16 * state), state);
    }
    return img;
}

}  // namespace

void AddKeyboard(Sheets& s) {
    const QImage canvas = s.Get("~canvas");
    s.Add("BUTTON", PaintButtons());
    s.Add("SPACE", PaintSpace(canvas));
    s.Add("KBD_LIT_M", PaintLegendsM(), 4);
    s.Add("KBD_LIT_3M", PaintLegends3M(), 4);
    s.Add("PUSKSTOP", PaintStartStop(canvas));
    s.Add("LOADER", PaintLoader(canvas));
}

}  // namespace artgen
