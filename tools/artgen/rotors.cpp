#include <QFontMetricsF>
#include <cmath>

#include "tools/artgen/art.h"

// The rotor stack: the rotor body, its alphabet ring columns, pin and side band, the window bar
// in its two places, the stepping mechanism, the cover of the two empty slots, and the entry
// plate and reflector at either end.
namespace artgen {

namespace {

const QString kLetters = QStringLiteral("АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ");

QRgb Lit(const QColor& c, double light) {
    return Shade(c, light).rgb();
}

QImage PaintBody() {
    QImage img(36, 191, QImage::Format_RGB32);
    const QColor ring(240, 232, 208), steel(214, 216, 218), edge(52, 54, 53);
    for (int y = 0; y < 191; ++y) {
        const double l = CylinderLight(y, 191);
        for (int x = 0; x < 36; ++x) {
            QRgb c;
            if (x < 14)
                c = Lit(ring, 0.25 + 0.8 * l);
            else if (x < 16)
                c = Lit(QColor(90, 90, 86), 0.3 + 0.7 * l);
            else if (x < 25)
                c = Lit(steel, 0.22 + 0.85 * l);
            else
                c = Lit(edge, 0.4 + 0.8 * l);
            img.setPixel(x, y, c);
        }
    }
    return img;
}

// The font for a letter cut out of a marked tab: as large as the ring's letters, but narrow
// enough to leave two pixels of tab either side, so that no stroke runs into the white around
// the tab (a wide А would lose its left leg and read as Л).
// Narrowed first (the letter keeps the height of its neighbours), made smaller only where
// narrowing is not enough.
QFont FittedFont(QFont font, const QString& letter, double width) {
    const auto fits = [&] {
        return QFontMetricsF(font).tightBoundingRect(letter).width() <= width;
    };
    for (int stretch = 100; stretch >= 65 && !fits(); stretch -= 5) font.setStretch(stretch);
    while (font.pixelSize() > 8 && !fits()) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont CutOutFont(const QFont& font, const QString& letter) {
    return FittedFont(font, letter, 9.0);
}

QImage PaintRingLetters() {
    QImage img(56, 601, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QColor marks[2] = {kBlack, QColor(176, 0, 0)};
    for (int series = 0; series < 2; ++series) {  // 0: series 6 at x 0, 1: series 3 at x 28
        const int x0 = 28 * series;
        const QFont font = series == 0 ? Sans(14, true) : Serif(14, true);
        for (int letter = 1; letter <= 30; ++letter) {
            const QRect cell(x0 + 14, 600 - 20 * letter, 14, 20);
            // A wide letter (Ж, Ш, Ю) is narrowed to keep a pixel of ring either side: the
            // ring's edge is dark, and a stroke on it would be lost.
            InkText(img, cell, LetterOf(letter), FittedFont(font, LetterOf(letter), 12.0), kBlack);
            if (letter > 10) continue;
            // The marked cell: the letter cut out of a solid tab, the body's number.
            const QRect mark(x0, 600 - 20 * letter, 14, 20);
            InkShape(img, marks[series], [&](QPainter& p) {
                p.setBrush(Qt::black);
                p.setPen(Qt::NoPen);
                p.drawRoundedRect(QRectF(mark).adjusted(0.5, 1.5, -0.5, -1.5), 3, 3);
            });
            QImage letterInk(img.size(), QImage::Format_RGB32);
            letterInk.fill(Qt::white);
            InkText(letterInk, cell.translated(-14, 0), LetterOf(letter),
                    CutOutFont(font, LetterOf(letter)), kBlack);
            // Every stroke of the cut-out letter is made at least two rows tall: the cylinder
            // view squeezes the ring and ANDs neighbouring rows together, which would swallow a
            // one-row white stroke (the bar of А) into the dark tab.
            const auto inked = [&](int x, int y) {
                return y >= mark.top() && letterInk.pixel(x, y) == qRgb(0, 0, 0);
            };
            for (int y = mark.top(); y <= mark.bottom(); ++y)
                for (int x = mark.left(); x <= mark.right(); ++x)
                    if (inked(x, y) || inked(x, y - 1)) img.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return img;
}

QImage PaintPin() {
    QImage img(8, 9, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 8; ++x) {
            const double dx = x + 0.5 - 4, dy = y + 0.5 - 4.5;
            const double d = std::hypot(dx, dy);
            if (d > 3.7) continue;
            // Grey steel, so that laid over the shaded body it only darkens and never tints.
            QRgb c = qRgb(16, 16, 16);                                          // rim
            if (d < 2.9) c = qRgb(80, 80, 80);                                  // head
            if (std::hypot(dx + 1.1, dy + 1.2) < 1.3) c = qRgb(224, 224, 224);  // glint
            img.setPixel(x, y, c);
        }
    return img;
}

// The side band: ribs on the rotor's flank, half a pitch apart in the two columns so that the
// band seems to turn with every step.
QImage PaintSideBand() {
    QImage img(16, 165, QImage::Format_RGB32);
    for (int y = 0; y < 165; ++y) {
        const double vy = y + 15;
        const double theta = std::acos(std::clamp(1 - vy / 95.5, -1.0, 1.0));
        const double arc = theta * 95.5;
        const double l = CylinderLight(vy, 191);
        for (int col = 0; col < 2; ++col) {
            const double phase = std::fmod(arc + 5 * col, 10.0);
            const bool rib = phase < 4.5;
            for (int x = 0; x < 8; ++x) {
                const double side = x == 0 || x == 7 ? 0.7 : 1.0;
                const QColor base = rib ? QColor(150, 132, 112) : QColor(58, 46, 38);
                img.setPixel(8 * col + x, y, Lit(base, (0.3 + 0.85 * l) * side));
            }
        }
    }
    return img;
}

// The window bar: lowered across the stack it marks the reading line under the letters; raised
// to the top it shows the machine is open, with arrows to push it down again.
void PaintBar(QImage& img, int x0, int y0, int w, bool raised, bool index) {
    QPainter p(&img);
    Smooth(p);
    const QRectF r(x0, y0, w, 29);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    const QColor base = raised ? QColor(150, 154, 158) : QColor(72, 76, 74);
    g.setColorAt(0, Shade(base, 1.6));
    g.setColorAt(0.12, Shade(base, 1.25));
    g.setColorAt(0.5, base);
    g.setColorAt(0.88, Shade(base, 0.7));
    g.setColorAt(1, Shade(base, 0.35));
    p.fillRect(r, g);
    p.fillRect(QRectF(x0, y0, w, 1), QColor(235, 235, 230));
    p.fillRect(QRectF(x0, y0 + 28, w, 1), QColor(15, 15, 15));
    if (index)
        for (int x = x0; x < x0 + w; x += 33) {
            // A white pointer under the ring letter.
            QPolygonF tri;
            tri << QPointF(x + 3, y0 + 1) << QPointF(x + 11, y0 + 1) << QPointF(x + 7, y0 + 6);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 248, 235));
            p.drawPolygon(tri);
            p.setPen(QPen(QColor(20, 20, 20, 120), 1));
            p.drawLine(QPointF(x + 32.5, y0 + 3), QPointF(x + 32.5, y0 + 26));
        }
    if (raised)
        for (int x = x0; x < x0 + w; x += 33) {
            QPolygonF arrow;
            arrow << QPointF(x + 11, y0 + 11) << QPointF(x + 21, y0 + 11)
                  << QPointF(x + 16, y0 + 18);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 62, 64));
            p.drawPolygon(arrow);
        }
}

QImage Bar(int w, bool raised, bool index) {
    QImage img(w, 29, QImage::Format_RGB32);
    PaintBar(img, 0, 0, w, raised, index);
    return img;
}

QImage PaintShaft() {
    QImage img(360, 21, QImage::Format_RGB32);
    img.fill(QColor(38, 40, 39));
    for (int y = 2; y < 19; ++y) {
        const double l = CylinderLight(y - 2, 17);
        for (int x = 0; x < 360; ++x) {
            const bool collar = x % 36 >= 30;
            const QColor c = collar ? QColor(200, 176, 110) : QColor(200, 204, 208);
            if (!collar && (y < 4 || y > 16)) continue;
            img.setPixel(x, y, Lit(c, 0.25 + 0.95 * l));
        }
    }
    return img;
}

// The stepping mechanism behind the rotors: for every slot a ratchet wheel, its pawl and
// spring, on the dark frame of the machine.
QImage PaintStepper() {
    LayoutScope scope("STEPER");
    QImage img(360, 191, QImage::Format_RGB32);
    Enamel(img, img.rect(), QColor(44, 46, 45), 71, 3);
    QPainter p(&img);
    Smooth(p);
    for (int slot = 0; slot < 10; ++slot) {
        const double x0 = 36 * slot, cx = x0 + 18;
        p.fillRect(QRectF(x0, 0, 2, 191), QColor(90, 94, 92));
        p.fillRect(QRectF(x0 + 2, 0, 1, 191), QColor(20, 20, 20));
        // Ratchet wheel.
        QPolygonF teeth;
        for (int i = 0; i < 30; ++i) {
            const double a = i * 2 * M_PI / 30;
            teeth << QPointF(cx + 13 * std::cos(a), 150 + 13 * std::sin(a))
                  << QPointF(cx + 10.5 * std::cos(a + 0.12), 150 + 10.5 * std::sin(a + 0.12));
        }
        QRadialGradient g(QPointF(cx - 4, 146), 18);
        g.setColorAt(0, QColor(230, 210, 150));
        g.setColorAt(1, QColor(120, 96, 50));
        p.setBrush(g);
        p.setPen(QPen(QColor(60, 48, 20), 0.8));
        p.drawPolygon(teeth);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QPointF(cx, 150), 3, 3);
        // Pawl and its spring.
        p.setPen(QPen(QColor(190, 194, 198), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0 + 8, 122), QPointF(cx + 2, 137));
        p.setPen(QPen(QColor(150, 150, 140), 1));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(x0 + 26, 118 + 3 * i), QPointF(x0 + 31, 119.5 + 3 * i));
        // Contact springs that sense the pins.
        p.setPen(QPen(QColor(200, 170, 90), 1.5));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(x0 + 10 + 6 * i, 36), QPointF(x0 + 12 + 6 * i, 80));
        Screw(p, QPointF(cx, 176), 3, slot * 37);
    }
    return img;
}

QImage PaintFiller() {
    LayoutScope scope("FILLER");
    QImage img(66, 191, QImage::Format_RGB32);
    Enamel(img, img.rect(), kPaint, 81);
    QPainter p(&img);
    Smooth(p);
    Bevel(p, QRectF(0, 0, 66, 191), 3, false);
    Screw(p, QPointF(33, 110), 4, 20);
    Screw(p, QPointF(33, 178), 4, 70);
    p.setFont(SansCondensed(9, true));
    p.setPen(QColor(60, 64, 62));
    Label(p, QRectF(0, 125, 66, 40), Qt::AlignCenter, "Q417\n3MR");
    return img;
}

// A fixed drum at either end of the stack: the entry plate (contacts towards the keyboard) or
// the reflector (the turn-back wheel), with its bracket.
void PaintEndPlate(QImage& img, int x0, bool entry, int barTop) {
    QPainter p(&img);
    Smooth(p);
    const QRect frame(x0, 0, 78, 191);
    p.fillRect(frame, QColor(38, 40, 39));
    const double drumL = entry ? x0 + 4 : x0 + 22, drumR = drumL + 52;
    for (int y = 0; y < 191; ++y) {
        const double l = CylinderLight(y, 191);
        QLinearGradient g(QPointF(drumL, 0), QPointF(drumR, 0));
        const QColor base = entry ? QColor(150, 120, 80) : QColor(120, 126, 132);
        g.setColorAt(0, Shade(base, 0.2 + 0.6 * l));
        g.setColorAt(0.5, Shade(base, 0.3 + 0.9 * l));
        g.setColorAt(1, Shade(base, 0.2 + 0.6 * l));
        p.fillRect(QRectF(drumL, y, drumR - drumL, 1), g);
    }
    // Contact studs in rows around the drum.
    for (int i = 0; i < 15; ++i) {
        const double y = 95.5 * (1 - std::cos((20 * i + 10) * 2.0 / 191));
        const double l = CylinderLight(y, 191);
        for (int k = 0; k < 3; ++k) {
            const double cx = drumL + 12 + 14 * k + (i % 2) * 4;
            p.setPen(Qt::NoPen);
            p.setBrush(Shade(QColor(230, 200, 120), 0.3 + 0.9 * l));
            p.drawEllipse(QPointF(cx, y), 2.2, 1.2 + 1.2 * l);
        }
    }
    // The bracket.
    const QRectF bracket(entry ? x0 + 58 : x0 + 2, 0, 18, 191);
    QLinearGradient bg(bracket.topLeft(), bracket.topRight());
    bg.setColorAt(0, QColor(150, 154, 150));
    bg.setColorAt(1, QColor(90, 94, 90));
    p.fillRect(bracket, bg);
    Bevel(p, bracket, 2, false);
    // The caption runs up the bracket between the window bar of the closed machine (rows 65
    // to 93) and the lower screw.
    Screw(p, bracket.center() + QPointF(0, -60), 4, 30);
    Screw(p, QPointF(bracket.center().x(), 181), 4, 120);
    p.save();
    p.translate(bracket.center() + QPointF(0, 40));
    p.rotate(-90);
    p.setFont(SansCondensed(9, true));
    p.setPen(QColor(40, 42, 40));
    Label(p, QRectF(-40, -7, 80, 14), Qt::AlignCenter, entry ? "ВХОД" : "ОТРАЖАТЕЛЬ");
    p.restore();
    p.end();
    PaintBar(img, x0, barTop, 78, barTop == 0, false);
}

QImage PaintEndPlates(bool entry) {
    LayoutScope scope(entry ? "ENTRY" : "REFLECTOR");
    QImage img(234, 191, QImage::Format_RGB32);
    const int bars[3] = {65, 32, 0};  // closed, half way, open
    for (int f = 0; f < 3; ++f) PaintEndPlate(img, 78 * f, entry, bars[f]);
    return img;
}

}  // namespace

QString LetterOf(int v) {
    return v >= 1 && v <= 30 ? kLetters.mid(v - 1, 1) : QString();
}

double CylinderLight(double y, double h) {
    const double s = std::sin(M_PI * (y + 0.5) / h);
    // The light comes from above the front: the brightest band a little above the middle.
    const double highlight = std::exp(-std::pow((y / h - 0.36) / 0.12, 2));
    return std::clamp(0.8 * std::pow(std::max(s, 0.0), 0.7) + 0.3 * highlight, 0.0, 1.1);
}

void AddRotors(Sheets& s) {
    s.Add("DSK", PaintBody());
    s.Add("DSK_LIT", PaintRingLetters(), 4);
    s.Add("PIN", PaintPin(), 4);
    s.Add("IZO", PaintSideBand());
    s.Add("DSK_LIN", Bar(36, false, true));
    s.Add("DSK_LINU", Bar(36, true, false));
    s.Add("LINEUP", Bar(360, true, false));
    s.Add("LINEDN", Bar(360, false, false));
    s.Add("SHAFT", PaintShaft());
    s.Add("STEPER", PaintStepper());
    s.Add("FILLER", PaintFiller());
    s.Add("ENTRY", PaintEndPlates(true));
    s.Add("REFLECTOR", PaintEndPlates(false));
}

}  // namespace artgen
