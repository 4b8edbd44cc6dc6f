#include <QPainterPath>

#include "tools/artgen/art.h"

// The cabinet: one painted steel body 650 pixels wide (the window shows 649 of them) with its
// rails, frames, feet and the fixed pieces the window lays over it. Every other picture takes its
// background from here.
namespace artgen {

namespace {

const QColor kRail(112, 118, 114);    // the dark enamel of the top rail and side cheeks
const QColor kChrome(178, 182, 186);  // polished trim
const QColor kInside(38, 40, 39);     // the machine's interior, behind rotors and tapes
const int kBodyBottom = 525;

void BodyOutline(QPainter& p) {
    QPainterPath body;
    body.addRoundedRect(QRectF(0.5, 0.5, 648, kBodyBottom - 1), 17.5, 17.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawPath(body.translated(1, 1));
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.5));
    p.drawPath(body);
}

void TopRail(QImage& img, QPainter& p) {
    Enamel(img, QRect(0, 0, 591, 23), kRail, 11);
    p.fillRect(QRect(0, 22, 591, 1), QColor(60, 64, 62));
    p.fillRect(QRect(0, 0, 591, 1), QColor(150, 156, 152));
    Screw(p, QPointF(44, 11.5), 4.5, 20);
    Screw(p, QPointF(350, 11.5), 4.5, 70);
    Screw(p, QPointF(464, 11.5), 4.5, 40);
    Screw(p, QPointF(554, 11.5), 4.5, 110);
    p.setFont(SansCondensed(10, true));
    p.setPen(QColor(215, 220, 216));
    Label(p, QRect(60, 3, 280, 17), Qt::AlignLeft | Qt::AlignVCenter, "ПЕЧАТАЮЩЕЕ УСТРОЙСТВО");
    Label(p, QRect(470, 3, 80, 17), Qt::AlignCenter, "РЕГИСТР");
}

void Louvres(QPainter& p, int x0, int y0, int count) {
    for (int i = 0; i < count; ++i) {
        const QRectF r(x0 + i * 9, y0, 5, 30);
        p.setBrush(QColor(30, 32, 31));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(r, 2.5, 2.5);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.drawLine(QPointF(r.left() + 0.5, r.bottom() + 0.5), QPointF(r.right(), r.bottom() + 0.5));
    }
}

void Nameplate(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(40, 40, 42));
    g.setColorAt(1, QColor(18, 18, 20));
    p.setPen(QPen(QColor(200, 200, 205), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    p.setFont(Serif(19, true));
    p.setPen(QColor(222, 222, 215));
    Label(p, r.adjusted(0, -4, 0, -4), Qt::AlignCenter, "Q-417");
    p.setFont(SansCondensed(7, true));
    Label(p, r.adjusted(0, 26, 0, 0), Qt::AlignHCenter | Qt::AlignTop, "ШИФРАТОР  № 0417");
    Screw(p, r.topLeft() + QPointF(7, r.height() / 2), 2.6);
    Screw(p, r.topRight() + QPointF(-7, r.height() / 2), 2.6, 80);
}

// The printer window: the punch plate (hidden by the punched tape while it runs) over the slot
// of the paper tape.
void PrinterWindow(QImage& img, QPainter& p) {
    const QRect well(32, 23, 537, 75);
    p.fillRect(well, kInside);
    Enamel(img, QRect(32, 24, 537, 46), QColor(122, 128, 124), 21, 2.0);
    Bevel(p, QRectF(32, 24, 537, 46), 2, false, 0.8);
    Louvres(p, 48, 32, 14);
    Louvres(p, 432, 32, 14);
    Nameplate(p, QRectF(236, 27, 130, 40));
    Screw(p, QPointF(40, 31), 3);
    Screw(p, QPointF(561, 31), 3, 80);
    Screw(p, QPointF(40, 62), 3, 100);
    Screw(p, QPointF(561, 62), 3, 10);
    // The tape channel with its guide lips above and below.
    p.fillRect(QRect(32, 70, 537, 4), QColor(70, 72, 70));
    p.fillRect(QRect(32, 72, 537, 2), QColor(20, 20, 20));
    p.fillRect(QRect(32, 92, 537, 5), QColor(70, 72, 70));
    p.fillRect(QRect(32, 92, 537, 1), QColor(15, 15, 15));
    Bevel(p, QRectF(30, 22, 541, 77), 2, true);
}

void RotorBayFrame(QImage& img, QPainter& p) {
    SteelBar(p, QRectF(0, 97, 548, 11), kChrome);
    p.fillRect(QRect(0, 107, 548, 1), QColor(40, 42, 40));
    p.fillRect(QRect(37, 108, 486, 191), kInside);
    // Left cheek behind the module switch.
    Enamel(img, QRect(0, 108, 37, 191), kPaint, 31);
    Bevel(p, QRectF(0, 108, 37, 191), 2, false, 0.7);
    Screw(p, QPointF(18.5, 117), 3.2, 45);
    Screw(p, QPointF(18.5, 290), 3.2, 135);
    // Cheek between entry plate and mode wheel.
    Enamel(img, QRect(523, 108, 25, 191), kPaint, 32);
    Bevel(p, QRectF(523, 108, 25, 191), 2, false, 0.7);
    Screw(p, QPointF(535.5, 120), 3.2, 10);
    Screw(p, QPointF(535.5, 286), 3.2, 100);
    // Right edge beside the mode wheel.
    Enamel(img, QRect(639, 97, 11, 202), kRail, 33);
    p.fillRect(QRect(639, 97, 1, 202), QColor(60, 64, 62));
    p.fillRect(QRect(648, 97, 1, 202), QColor(50, 52, 50));
    // The rail under the rotor bay.
    SteelBar(p, QRectF(0, 299, 650, 18), kChrome);
    p.fillRect(QRect(0, 299, 650, 1), QColor(40, 42, 40));
    p.fillRect(QRect(0, 316, 650, 1), QColor(70, 72, 70));
    for (int x : {12, 190, 460, 636}) Screw(p, QPointF(x, 308), 3.5, x % 90);
}

void Deck(QImage& img, QPainter& p) {
    Enamel(img, QRect(0, 317, 650, kBodyBottom - 317), kPaint, 41);
    // Side cheeks.
    Enamel(img, QRect(0, 317, 27, 180), kRail, 42);
    Enamel(img, QRect(623, 317, 27, 146), kRail, 43);
    p.fillRect(QRect(26, 317, 1, 180), QColor(70, 74, 72));
    p.fillRect(QRect(27, 317, 1, 180), QColor(210, 214, 210));
    p.fillRect(QRect(623, 317, 1, 146), QColor(210, 214, 210));
    p.fillRect(QRect(622, 317, 1, 146), QColor(90, 94, 92));
    p.fillRect(QRect(0, 496, 27, 1), QColor(80, 84, 82));
    p.fillRect(QRect(623, 462, 27, 1), QColor(80, 84, 82));
    for (int y : {335, 478}) Screw(p, QPointF(13.5, y), 3.5, y);
    for (int y : {335, 446}) Screw(p, QPointF(636.5, y), 3.5, y + 30);
    // The keyboard well and the bezel of the start and stop keys.
    Bevel(p, QRectF(57, 318, 512, 144), 2, true, 0.8);
    p.setPen(QPen(QColor(120, 124, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(568.5, 352.5, 44, 114), 6, 6);
}

void Foot(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(70, 70, 68));
    g.setColorAt(1, QColor(22, 22, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
}

void UnderBody(QPainter& p) {
    p.fillRect(QRect(0, kBodyBottom, 650, 575 - kBodyBottom), kInside);
    Foot(p, QRectF(32, 522, 39, 18));
    Foot(p, QRectF(579, 522, 39, 18));
    // The tab with two holes under the space bar.
    QLinearGradient g(QPointF(0, 524), QPointF(0, 546));
    g.setColorAt(0, Shade(kPaint, 0.9));
    g.setColorAt(1, Shade(kPaint, 0.65));
    p.setBrush(g);
    p.drawRect(QRectF(213, 522, 28, 24));
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QRectF(216, 532, 10, 10));
    p.drawEllipse(QRectF(229, 532, 10, 10));
}

// The counter-reset lever: a bakelite tab hanging under the front edge.
void ResetLever(QPainter& p) {
    QPainterPath tab;
    tab.addRoundedRect(QRectF(149, 512, 32, 63), 5, 5);
    QLinearGradient g(QPointF(149, 0), QPointF(181, 0));
    g.setColorAt(0, QColor(70, 30, 22));
    g.setColorAt(0.35, QColor(150, 72, 48));
    g.setColorAt(1, QColor(55, 24, 18));
    p.setPen(QPen(QColor(30, 12, 8), 1));
    p.setBrush(g);
    p.drawPath(tab);
    p.setPen(QPen(QColor(40, 16, 10, 200), 1));
    for (int y = 548; y < 570; y += 4) p.drawLine(QPointF(153, y), QPointF(177, y));
    p.setFont(SansCondensed(7, true));
    p.setPen(QColor(235, 210, 190));
    Label(p, QRect(149, 530, 32, 12), Qt::AlignCenter, "СБРОС");
}

void Feet(QPainter& p) {
    BodyOutline(p);
    p.fillRect(QRect(0, kBodyBottom - 3, 650, 1), QColor(90, 94, 92));
    p.fillRect(QRect(0, kBodyBottom - 2, 650, 2), QColor(60, 62, 60));
}

void CounterPlate(QPainter& p) {
    p.setFont(SansCondensed(8, true));
    p.setPen(QColor(60, 64, 62));
    Label(p, QRect(27, 499, 115, 12), Qt::AlignCenter, "ГРУППЫ      ЗНАКИ");
    Screw(p, QPointF(163, 475), 3, 60);
    Screw(p, QPointF(163, 505), 3, 150);
}

// The text loader: a reading window with a strip of text, the load button and the stepping
// strip along the front edge.
void TextLoader(QImage& img, QPainter& p) {
    const QRect plate(428, 465, 190, 48);
    Enamel(img, plate, QColor(150, 156, 152), 51);
    Bevel(p, plate, 2, false, 0.8);
    const QRect window(438, 474, 120, 26);
    p.fillRect(window, QColor(30, 30, 30));
    p.fillRect(window.adjusted(3, 4, -3, -4), kTape);
    p.setFont(Mono(9, true));
    p.setPen(QColor(60, 60, 60));
    Label(p, window.adjusted(5, 3, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, "ТЕКСТ.TXT ▸");
    Bevel(p, QRectF(window), 2, true);
    p.setFont(SansCondensed(8, true));
    p.setPen(QColor(60, 64, 62));
    Label(p, QRect(430, 501, 130, 12), Qt::AlignCenter, "ВВОД ТЕКСТА");
    p.fillRect(QRect(565, 476, 34, 25), QColor(60, 62, 60));
    PaintLoadButton(p, QPointF(567, 478), 1);
    PaintStepStrip(p, QPointF(425, 512), 0);
}

}  // namespace

QImage PaintCabinet();

QImage PaintCabinet() {
    QImage img(650, 575, QImage::Format_RGB32);
    Enamel(img, img.rect(), kPaint, 1);
    QPainter p(&img);
    Smooth(p);
    TopRail(img, p);
    PrinterWindow(img, p);
    RotorBayFrame(img, p);
    Deck(img, p);
    UnderBody(p);
    ResetLever(p);
    CounterPlate(p);
    TextLoader(img, p);
    Feet(p);
    // The top right corner holds the language lever and the control box on a dark plate.
    Enamel(img, QRect(569, 0, 81, 97), kRail, 61);
    p.fillRect(QRect(569, 0, 1, 97), QColor(70, 74, 72));
    p.fillRect(QRect(569, 96, 81, 1), QColor(60, 64, 62));
    return img;
}

void AddCabinet(Sheets& s) {
    QImage cab;
    {
        LayoutScope scope("cabinet");
        cab = PaintCabinet();
    }
    s.Add("cabinet", cab.copy(0, 0, 649, 575));
    struct Piece {
        const char* name;
        QRect rect;
    };
    const Piece pieces[] = {
        {"Image1", {0, 0, 32, 120}},      {"Image2", {29, 0, 338, 23}},
        {"Image4", {449, 0, 120, 23}},    {"Image9", {591, 81, 59, 16}},
        {"Image10", {0, 98, 548, 10}},    {"Image12", {523, 108, 25, 191}},
        {"Image13", {639, 97, 11, 202}},  {"Image14", {0, 299, 650, 18}},
        {"Image15", {0, 317, 27, 180}},   {"Image16", {142, 462, 43, 87}},
        {"Image17", {425, 462, 225, 87}}, {"Image18", {0, 497, 185, 52}},
        {"Image19", {145, 525, 35, 50}},  {"Image20", {623, 317, 27, 146}},
    };
    // The full-width canvas stays available for the other families.
    s.Add("~canvas", cab);
    for (const Piece& pc : pieces) s.Add(pc.name, Crop(cab, pc.rect));
}

}  // namespace artgen
