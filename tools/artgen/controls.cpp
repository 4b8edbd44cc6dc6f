#include <QPainterPath>
#include <cmath>

#include "tools/artgen/art.h"

// The control box in the top right corner, the module switch left of the reflector and the
// alphabet plug of the settings panel.
namespace artgen {

namespace {

void RoundButton(QPainter& p, QPointF c, double r, const QColor& base, bool lit) {
    if (lit) {
        QRadialGradient glow(c, r + 4);
        glow.setColorAt(0.6, QColor(255, 230, 140, 200));
        glow.setColorAt(1, QColor(255, 230, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, r + 4, r + 4);
    }
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.6);
    g.setColorAt(0, Shade(base, lit ? 2.0 : 1.6));
    g.setColorAt(0.5, Shade(base, lit ? 1.3 : 1.0));
    g.setColorAt(1, Shade(base, 0.4));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.drawEllipse(c, r, r);
}

void Gear(QPainter& p, QPointF c, double r, const QColor& ink) {
    QPainterPath gear;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8, rr = i % 2 ? r * 0.72 : r;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rr;
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    gear.addEllipse(c, r * 0.32, r * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(gear);
}

// The box: close, settings and texts, stacked on a dark plate.
QImage PaintBox(const QImage& canvas, bool lit) {
    LayoutScope scope(lit ? "PICT6 lit" : "PICT6");
    QImage img = Crop(canvas, QRect(591, 0, 59, 81));
    QPainter p(&img);
    Smooth(p);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(6.5, 3.5, 31, 75), 6, 6);
    p.setPen(QPen(QColor(200, 204, 200, 160), 1));
    p.setBrush(QColor(36, 38, 37));
    p.drawPath(plate);
    // Close.
    RoundButton(p, QPointF(21.5, 18.5), 8, QColor(170, 30, 24), lit);
    p.setPen(QPen(QColor(255, 245, 240), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 15.5), QPointF(24.5, 21.5));
    p.drawLine(QPointF(24.5, 15.5), QPointF(18.5, 21.5));
    // Settings.
    RoundButton(p, QPointF(22.5, 39.5), 8.5, QColor(60, 90, 140), lit);
    Gear(p, QPointF(22.5, 39.5), 5.5, QColor(240, 240, 235));
    // Texts: a sheet with lines.
    const QRectF doc(16.5, 56.5, 13, 17);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(lit ? QColor(255, 250, 200) : QColor(230, 226, 200));
    p.drawRect(doc);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(18.5, 60.5 + 3.5 * i), QPointF(27.5, 60.5 + 3.5 * i));
    if (lit) {
        p.setPen(QPen(QColor(255, 200, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(doc.adjusted(-1, -1, 1, 1));
    }
    p.setFont(SansCondensed(7, true));
    p.setPen(QColor(200, 204, 200));
    p.save();
    p.translate(48, 40);
    p.rotate(90);
    Label(p, QRectF(-36, -6, 72, 12), Qt::AlignCenter, "Q-417");
    p.restore();
    return img;
}

QImage PaintControlBox(const QImage& canvas) {
    const QImage plain = PaintBox(canvas, false), lit = PaintBox(canvas, true);
    QImage img(59, 101, QImage::Format_RGB32);
    img.fill(QColor(36, 38, 37));
    QPainter p(&img);
    p.drawImage(0, 0, plain);
    p.drawImage(QPoint(0, 81), lit, QRect(12, 9, 19, 19));
    p.drawImage(QPoint(20, 81), lit, QRect(11, 30, 23, 19));
    p.drawImage(QPoint(43, 81), lit, QRect(15, 55, 16, 19));
    return img;
}

// The module switch: the plain cheek, the cheek with its label, and the lever at 10 and at 30.
QImage PaintModuleSwitch(const QImage& canvas) {
    LayoutScope scope("PICT11");
    const QImage plain = Crop(canvas, QRect(0, 108, 37, 191));
    QImage labelled = plain;
    {
        QPainter p(&labelled);
        Smooth(p);
        const QRectF plate(6.5, 26.5, 24, 138);
        p.setPen(QPen(QColor(230, 232, 228), 1));
        p.setBrush(QColor(46, 48, 47));
        p.drawRoundedRect(plate, 4, 4);
        p.setFont(SansCondensed(9, true));
        p.setPen(QColor(230, 232, 228));
        Label(p, QRectF(6, 30, 25, 14), Qt::AlignCenter, "10");
        Label(p, QRectF(6, 146, 25, 14), Qt::AlignCenter, "30");
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(12, 12, 12));
        p.drawRoundedRect(QRectF(15.5, 48, 6, 96), 3, 3);
        // The caption runs up the plate beside the lever's slot, clear of the window's edge.
        p.setFont(SansCondensed(9, true));
        p.setPen(QColor(240, 80, 60));
        p.save();
        p.translate(26.5, 96);
        p.rotate(-90);
        Label(p, QRectF(-40, -4.5, 80, 9), Qt::AlignCenter, "МОДУЛЬ");
        p.restore();
    }
    QImage img(148, 191, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    p.drawImage(0, 0, plain);
    p.drawImage(37, 0, labelled);
    for (int k = 0; k < 2; ++k) {
        const double x0 = 74 + 37 * k, tip = k == 0 ? 62 : 130;
        p.drawImage(QPointF(x0, 0), labelled);
        // A toggle bat from its pivot in the middle of the slot to the knob at 10 or 30.
        p.setPen(QPen(QColor(200, 204, 208), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0 + 18.5, 96), QPointF(x0 + 18.5, tip));
        QRadialGradient g(QPointF(x0 + 16, tip - 3), 10);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(110, 112, 115));
        p.setBrush(g);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.drawEllipse(QPointF(x0 + 18.5, tip), 7, 7);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(x0 + 18.5, 96), 4, 4);
    }
    return img;
}

// The alphabet plug: a bakelite plug with its pin block, Russian side up or, turned over,
// Latin side up.
void PaintPlug(QPainter& p, QRectF r, bool russian) {
    p.fillRect(r, QColor(192, 192, 192));
    const QRectF body(r.left() + (russian ? 30 : 4), r.top() + 4, 100, 30);
    const QRectF pins(russian ? r.left() + 4 : r.right() - 30, r.top() + 9, 26, 20);
    QLinearGradient pg(pins.topLeft(), pins.bottomLeft());
    pg.setColorAt(0, QColor(240, 240, 240));
    pg.setColorAt(1, QColor(120, 122, 125));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(pg);
    p.drawRect(pins);
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(pins.left() + 3, pins.top() + 3 + 3.5 * i),
                   QPointF(pins.right() - 3, pins.top() + 3 + 3.5 * i));
    QLinearGradient bg(body.topLeft(), body.bottomLeft());
    bg.setColorAt(0, QColor(90, 70, 58));
    bg.setColorAt(1, QColor(26, 18, 14));
    p.setBrush(bg);
    p.setPen(QPen(QColor(10, 6, 4), 1));
    p.drawRoundedRect(body, 5, 5);
    p.setFont(SansCondensed(11, true));
    p.setPen(QColor(245, 235, 210));
    Label(p, body.adjusted(4, 0, -4, -11), Qt::AlignCenter, russian ? "РУССКИЙ" : "LATIN");
    p.setFont(SansCondensed(8, true));
    p.setPen(QColor(220, 200, 150));
    Label(p, body.adjusted(4, 14, -4, 0), Qt::AlignCenter, russian ? "А Б В … Я" : "A B C … Z");
}

QImage PaintPlugs() {
    LayoutScope scope("RUSLAT");
    QImage img(134, 76, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    PaintPlug(p, QRectF(0, 0, 134, 38), true);
    PaintPlug(p, QRectF(0, 38, 134, 38), false);
    return img;
}

}  // namespace

void AddControls(Sheets& s) {
    const QImage canvas = s.Get("~canvas");
    s.Add("PICT6", PaintControlBox(canvas));
    s.Add("PICT11", PaintModuleSwitch(canvas));
    s.Add("RUSLAT", PaintPlugs());
}

}  // namespace artgen
