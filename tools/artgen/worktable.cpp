#include <cmath>

#include "tools/artgen/art.h"

// The work table: the wiring cores of each series, their labels, the face views of a rotor on
// which it is assembled, the marks of its settings and the key-table strip's typewriter glyphs.
namespace artgen {

namespace {

const QPointF kCentre(95.5, 95.5);

double Deg(double a) {
    return a * M_PI / 180;
}
// Screen angle of the value v on the face: value 1 at the top, advancing counter-clockwise.
double FaceAngle(int v) {
    return Deg(642 - 12 * v);
}

struct CoreLook {
    QColor body, studs;
};

void PaintCore(QPainter& p, QPointF c, double r, const CoreLook& look) {
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.35), r * 1.5);
    g.setColorAt(0, Shade(look.body, 1.5));
    g.setColorAt(0.6, look.body);
    g.setColorAt(1, Shade(look.body, 0.45));
    p.setPen(QPen(Shade(look.body, 0.3), 1));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 30; ++i) {
        const double a = Deg(12 * i - 90);
        const QPointF s = c + QPointF(std::cos(a), std::sin(a)) * (r - 5);
        p.setPen(Qt::NoPen);
        p.setBrush(look.studs);
        p.drawEllipse(s, 1.8, 1.8);
    }
    QRadialGradient hub(c - QPointF(2, 2), r * 0.3);
    hub.setColorAt(0, QColor(240, 240, 240));
    hub.setColorAt(1, QColor(100, 102, 105));
    p.setBrush(hub);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawEllipse(c, r * 0.2, r * 0.2);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(c, r * 0.07, r * 0.07);
}

const CoreLook kLooks[3] = {
    {QColor(92, 64, 40), QColor(230, 200, 120)},  // series 3: brown bakelite
    {QColor(40, 44, 58), QColor(220, 220, 225)},  // series 6: blue-black
    {QColor(70, 74, 70), QColor(200, 180, 120)},  // series 4: grey
};

QImage PaintCores() {
    QImage img(270, 90, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    Smooth(p);
    for (int k = 0; k < 3; ++k) {
        PaintCore(p, QPointF(90 * k + 45, 45), 43, kLooks[k]);
        // The dark plate on which the core's letter is shown.
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(QColor(12, 12, 12));
        p.drawRoundedRect(QRectF(90 * k + 33.5, 12.5, 25, 18), 2, 2);
    }
    return img;
}

QImage PaintCoreLabels() {
    QImage img(260, 44, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int n = 1; n <= 10; ++n) {
        InkText(img, QRect(22 * (n - 1), 0, 22, 13), LetterOf(n), Sans(12, true), kBlack);
        for (int side = 1; side <= 2; ++side)
            InkText(img, QRect(26 * (n - 1) + 1, 13 + 15 * (side - 1) + 1, 25, 14),
                    LetterOf(n) + QString::number(side), Sans(11, true), kBlack);
    }
    return img;
}

QImage PaintSerial() {
    QImage img(198, 19, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int bands[3] = {0, 65, 131};
    const char* const names[3] = {"СЕРИЯ 3К", "СЕРИЯ 6К", "СЕРИЯ 4К"};
    for (int k = 0; k < 3; ++k)
        InkText(img, QRect(bands[k] + 2, 2, 63, 16), names[k], SansCondensed(11, true), kBlack);
    return img;
}

void RingLetters(QPainter& p, QPointF c) {
    p.setFont(Sans(12, true));
    p.setPen(QColor(20, 20, 20));
    for (int v = 1; v <= 30; ++v) {
        const double a = FaceAngle(v);
        p.save();
        p.translate(c + QPointF(std::cos(a), std::sin(a)) * 82.5);
        p.rotate(642 - 12 * v + 90);
        Label(p, QRectF(-8, -8, 16, 16), Qt::AlignCenter, LetterOf(v));
        p.restore();
    }
}

// A face view: the alphabet ring around either the empty seat of the core or an inserted core.
void PaintFace(QPainter& p, QPointF c, int core) {
    p.fillRect(QRectF(c.x() - 95.5, c.y() - 95.5, 191, 191), Qt::black);
    QRadialGradient ring(c - QPointF(30, 35), 150);
    ring.setColorAt(0, QColor(252, 246, 226));
    ring.setColorAt(1, QColor(170, 160, 132));
    p.setPen(QPen(QColor(60, 56, 44), 1));
    p.setBrush(ring);
    p.drawEllipse(c, 95, 95);
    RingLetters(p, c);
    p.setBrush(QColor(60, 62, 60));
    p.drawEllipse(c, 71, 71);
    if (core == 0) {
        // The empty seat: a steel cup with the contact springs of the body.
        QRadialGradient g(c, 68);
        g.setColorAt(0, QColor(30, 30, 30));
        g.setColorAt(0.85, QColor(120, 124, 128));
        g.setColorAt(1, QColor(200, 204, 208));
        p.setBrush(g);
        p.drawEllipse(c, 68, 68);
        for (int i = 0; i < 30; ++i) {
            const double a = Deg(12 * i - 90);
            p.setPen(QPen(QColor(220, 190, 110), 1.5));
            p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 58,
                       c + QPointF(std::cos(a), std::sin(a)) * 66);
        }
        p.setPen(QPen(QColor(10, 10, 10), 1));
        p.setBrush(QColor(8, 8, 8));
        p.drawEllipse(c, 14, 14);
        return;
    }
    PaintCore(p, c, 68, kLooks[core == 1 ? 1 : 0]);
}

QImage PaintFaces() {
    LayoutScope scope("ONTABLE");
    QImage img(573, 191, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    Smooth(p);
    PaintFace(p, kCentre, 0);
    PaintFace(p, kCentre + QPointF(191, 0), 1);
    PaintFace(p, kCentre + QPointF(382, 0), 2);
    return img;
}

QImage PaintOutMark() {
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(QColor(220, 0, 0));
    for (QPoint pt : {QPoint(0, 0), QPoint(3, 0), QPoint(0, 3), QPoint(3, 3)})
        img.setPixel(pt, qRgb(255, 255, 255));
    return img;
}

QImage PaintInMark() {
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (QPoint pt : {QPoint(0, 0), QPoint(3, 0), QPoint(0, 3), QPoint(3, 3)})
        img.setPixel(pt, qRgb(0, 0, 0));
    return img;
}

QImage PaintTableGlyphs() {
    QImage img(448, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QFont font = Mono(16, true);
    const QFontMetrics fm(font);
    for (int g = 0; g < 32; ++g) {
        const QString text = g < 30 ? LetterOf(g + 1) : QString::number(g - 29);
        InkShape(
            img, kBlack,
            [&](QPainter& p) {
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(QPointF(14 * g + (14 - fm.horizontalAdvance(text)) / 2.0, 15), text);
            },
            0.45);
    }
    return img;
}

// The torn right edge of the key-table strip: paper to the left, the black of the box beyond.
QImage PaintTornEdge() {
    QImage img(8, 132, QImage::Format_RGB32);
    for (int y = 0; y < 132; ++y) {
        const double t = 1.6 + 0.7 * Noise(0, y / 2, 91) + 0.4 * Noise(0, y, 92);
        for (int x = 0; x < 8; ++x) {
            QRgb c = qRgb(255, 255, 255);
            if (x >= t + 1)
                c = qRgb(0, 0, 0);
            else if (x >= t)
                c = qRgb(208, 204, 176);
            img.setPixel(x, y, c);
        }
    }
    return img;
}

}  // namespace

void AddWorkTable(Sheets& s) {
    s.Add("VSTAVKA", PaintCores());
    s.Add("MAZE_LIT", PaintCoreLabels(), 1);
    s.Add("ONTABLE", PaintFaces());
    s.Add("OUTMARK", PaintOutMark(), 4);
    s.Add("SERIAL", PaintSerial(), 1);
    s.Add("INMARK", PaintInMark(), 1);
    s.Add("TABLE_LIT", PaintTableGlyphs(), 1);
    s.Add("OTRYV", PaintTornEdge());
}

}  // namespace artgen
