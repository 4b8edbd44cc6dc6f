#include <cmath>

#include "tools/artgen/art.h"

// The operator's levers: the mode wheel with its work lever and printing-method lever, the
// printer's register switch and the language lever of the Q-417M.
namespace artgen {

namespace {

// A chrome ball knob on a short stem, as on the levers of the machine.
void Knob(QPainter& p, QPointF c, double r, const QColor& tint = QColor(210, 212, 215)) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(c + QPointF(1.2, 1.8), r, r);
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.45), r * 1.6);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.35, tint);
    g.setColorAt(1, Shade(tint, 0.3));
    p.setBrush(g);
    p.setPen(QPen(Shade(tint, 0.25), 0.8));
    p.drawEllipse(c, r, r);
}

void Slot(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(QColor(22, 22, 22));
    p.drawRoundedRect(r, r.width() / 2.2, r.width() / 2.2);
}

void Mark(QPainter& p, const QRectF& r, const QString& text, int px = 8) {
    p.setFont(SansCondensed(px, true));
    p.setPen(QColor(30, 32, 31));
    Label(p, r, Qt::AlignCenter, text);
}

// The wheel: a knurled bakelite dial with its pointer above the two levers.
void Dial(QPainter& p) {
    const QPointF c(45.5, 41);
    const double r = 35;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(2, 3), r, r);
    QRadialGradient g(c - QPointF(12, 14), r * 1.7);
    g.setColorAt(0, QColor(110, 84, 70));
    g.setColorAt(0.5, QColor(58, 40, 32));
    g.setColorAt(1, QColor(20, 14, 12));
    p.setBrush(g);
    p.setPen(QPen(QColor(15, 10, 8), 1));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(140, 110, 95, 160), 1));
    for (int i = 0; i < 60; ++i) {
        const double a = i * M_PI / 30;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r - 4),
                   c + QPointF(std::cos(a), std::sin(a)) * (r - 0.5));
    }
    QRadialGradient cap(c - QPointF(4, 5), 16);
    cap.setColorAt(0, QColor(250, 250, 250));
    cap.setColorAt(0.5, QColor(180, 182, 185));
    cap.setColorAt(1, QColor(90, 92, 95));
    p.setBrush(cap);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(c, 11, 11);
    p.setPen(QPen(QColor(245, 240, 225), 2.2));
    p.drawLine(c + QPointF(0, -14), c + QPointF(0, -r + 5));
    p.setFont(SansCondensed(7, true));
    p.setPen(QColor(230, 222, 205));
    Label(p, QRectF(c.x() - 20, c.y() + 13, 40, 10), Qt::AlignCenter, "РЕЖИМ");
}

const double kRodKnobY[3] = {12, 50, 88};  // knob heights in the lever frame for Rod 0, 1, 2

QImage PaintWheel(const QImage& canvas) {
    LayoutScope scope("MODEWHEEL");
    QImage img = Crop(canvas, QRect(548, 97, 91, 202));
    QPainter p(&img);
    Smooth(p);
    Bevel(p, QRectF(0, 0, 91, 202), 2, false, 0.6);
    Dial(p);
    // Work positions beside the work lever: plain text, encipher, decipher.
    const char* const work[3] = {"ОТ", "ЗШ", "РШ"};
    for (int rod = 0; rod < 3; ++rod) {
        const double y = 85 + kRodKnobY[rod];
        Mark(p, QRectF(2, y - 6, 22, 12), work[rod], 9);
        p.setPen(QPen(QColor(30, 32, 31), 1));
        p.drawLine(QPointF(23, y), QPointF(29, y));
    }
    // Punching above, printing below, beside the printing-method lever.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 32, 31));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(60, 99 + 4 * i), 1.5, 1.5);
    Mark(p, QRectF(53, 117, 15, 12), "А", 10);
    p.setPen(QPen(QColor(30, 32, 31), 1));
    p.drawLine(QPointF(64, 103), QPointF(69, 103));
    p.drawLine(QPointF(64, 123), QPointF(69, 123));
    Mark(p, QRectF(50, 134, 40, 10), "ПЕРФ", 7);
    Screw(p, QPointF(12, 190), 3, 30);
    Screw(p, QPointF(79, 190), 3, 120);
    return img;
}

QImage PaintRodLever(const QImage& wheel) {
    QImage img(63, 117, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    for (int rod = 0; rod < 3; ++rod) {
        p.drawImage(21 * rod, 0, Crop(wheel, QRect(28, 85, 21, 117)));
        Slot(p, QRectF(21 * rod + 7, 4, 7, 100));
        Knob(p, QPointF(21 * rod + 10.5, kRodKnobY[rod]), 7.5);
    }
    return img;
}

QImage PaintSposobLever(const QImage& wheel) {
    QImage img(66, 38, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    for (int f = 0; f < 3; ++f) {
        p.drawImage(22 * f, 0, Crop(wheel, QRect(69, 94, 22, 38)));
        Slot(p, QRectF(22 * f + 8, 3, 6, 32));
        if (f < 2) Knob(p, QPointF(22 * f + 11, f == 0 ? 9 : 29), 6.5, QColor(200, 70, 50));
    }
    return img;
}

// The register switch: letters, mixed, figures.
QImage PaintRegisterSwitch(const QImage& canvas) {
    LayoutScope scope("BCS");
    QImage img(84, 92, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    const double slider[4] = {0, 12, 37, 72};
    for (int band = 0; band < 4; ++band) {
        p.save();
        p.translate(0, 23 * band);
        p.drawImage(0, 0, Crop(canvas, QRect(366, 0, 84, 23)));
        // Three words in 84 pixels: the regular weight leaves a clear gap between them.
        p.setFont(SansCondensed(8, false));
        p.setPen(QColor(235, 240, 236));
        // Each caption over its slider position (12, 37, 72), clear of its neighbours and of
        // the top edge.
        Label(p, QRectF(1, 1.5, 30, 10), Qt::AlignLeft | Qt::AlignVCenter, "БУКВ");
        Label(p, QRectF(27, 1.5, 30, 10), Qt::AlignCenter, "СМЕШ");
        Label(p, QRectF(53, 1.5, 30, 10), Qt::AlignRight | Qt::AlignVCenter, "ЦИФР");
        Slot(p, QRectF(6, 12, 72, 7));
        if (band > 0) {
            const QRectF k(slider[band] - 7, 10, 14, 11);
            QLinearGradient g(k.topLeft(), k.bottomLeft());
            g.setColorAt(0, QColor(245, 245, 245));
            g.setColorAt(1, QColor(120, 122, 125));
            p.setBrush(g);
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.drawRoundedRect(k, 2, 2);
            p.drawLine(QPointF(slider[band], 12), QPointF(slider[band], 19));
        }
        p.restore();
    }
    return img;
}

// The language lever: Latin above, Russian below.
QImage PaintLanguageLever(const QImage& canvas) {
    LayoutScope scope("LANG");
    QImage img(66, 97, QImage::Format_RGB32);
    QPainter p(&img);
    Smooth(p);
    for (int f = 0; f < 3; ++f) {
        p.save();
        p.translate(22 * f, 0);
        p.drawImage(0, 0, Crop(canvas, QRect(569, 0, 22, 97)));
        p.setFont(SansCondensed(7, true));
        p.setPen(QColor(225, 230, 226));
        Label(p, QRectF(0, 13, 22, 10), Qt::AlignCenter, "LAT");
        Label(p, QRectF(0, 85, 22, 10), Qt::AlignCenter, "РУС");
        Slot(p, QRectF(8, 26, 6, 57));
        if (f > 0) Knob(p, QPointF(11, f == 1 ? 70 : 39), 6.5);
        p.restore();
    }
    return img;
}

}  // namespace

void AddLevers(Sheets& s) {
    const QImage canvas = s.Get("~canvas");
    const QImage wheel = PaintWheel(canvas);
    s.Add("MODEWHEEL", wheel);
    s.Add("RODLEVER", PaintRodLever(wheel));
    s.Add("SPSLEVER", PaintSposobLever(wheel));
    s.Add("BCS", PaintRegisterSwitch(canvas));
    s.Add("LANG", PaintLanguageLever(canvas));
}

}  // namespace artgen
