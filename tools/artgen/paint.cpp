#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/artgen/art.h"

namespace artgen {

void Sheets::Add(const QString& name, const QImage& image, int bits) {
    sheets_.push_back({name, image.convertToFormat(QImage::Format_RGB32), bits});
}

const QImage& Sheets::Get(const QString& name) const {
    for (const Sheet& s : sheets_)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) return s.image;
    throw std::runtime_error("no sheet " + name.toStdString());
}

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";

QString& Family(const char* file) {
    static QHash<QString, QString> families;
    QString& f = families[QString::fromLatin1(file)];
    if (f.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontDir) + file);
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (names.isEmpty()) throw std::runtime_error(std::string("font missing: ") + file);
        f = names.front();
    }
    return f;
}

QFont Make(const char* regular, const char* bold, int pixels, bool isBold) {
    QFont f(Family(isBold ? bold : regular));
    f.setPixelSize(pixels);
    f.setBold(isBold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

void LoadFonts() {
    for (const char* f : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansCondensed.ttf",
                          "DejaVuSansCondensed-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf",
                          "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf"})
        Family(f);
}

QFont Sans(int px, bool bold) {
    return Make("DejaVuSans.ttf", "DejaVuSans-Bold.ttf", px, bold);
}
QFont SansCondensed(int px, bool bold) {
    return Make("DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf", px, bold);
}
QFont Serif(int px, bool bold) {
    return Make("DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", px, bold);
}
QFont Mono(int px, bool bold) {
    return Make("DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", px, bold);
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

double Noise(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 32767.5 - 1.0;
}

QColor Shade(const QColor& c, double f) {
    auto ch = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto ch = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

void Enamel(QImage& img, const QRect& r, const QColor& base, int seed, double grain) {
    const QRect area = r.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            // Two scales of grain: fine speckle and the soft blotches of hammer paint.
            const double n = 0.6 * Noise(x, y, seed) + 0.4 * Noise(x / 3, y / 3, seed + 7);
            const int d = static_cast<int>(std::lround(n * grain));
            line[x] = qRgb(std::clamp(base.red() + d, 0, 255), std::clamp(base.green() + d, 0, 255),
                           std::clamp(base.blue() + d, 0, 255));
        }
    }
}

void Bevel(QPainter& p, const QRectF& r, int width, bool sunk, double strength) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        const double k = strength * (1.0 - 0.5 * i / std::max(1, width));
        QColor light(255, 255, 255, static_cast<int>(150 * k));
        QColor dark(0, 0, 0, static_cast<int>(120 * k));
        if (sunk) std::swap(light, dark);
        const double l = r.left() + i, t = r.top() + i, rr = r.right() - i - 1,
                     b = r.bottom() - i - 1;
        p.setPen(light);
        p.drawLine(QPointF(l, t), QPointF(rr, t));
        p.drawLine(QPointF(l, t), QPointF(l, b));
        p.setPen(dark);
        p.drawLine(QPointF(l, b), QPointF(rr, b));
        p.drawLine(QPointF(rr, t), QPointF(rr, b));
    }
    p.restore();
}

namespace {

struct LayoutRegister {
    QString picture;  // empty: nothing is recorded
    std::vector<Placed> placed;
};

LayoutRegister& Register() {
    static LayoutRegister reg;
    return reg;
}

void Record(const QPolygonF& shape, bool screw, const QString& text) {
    LayoutRegister& reg = Register();
    if (!reg.picture.isEmpty()) reg.placed.push_back({reg.picture, shape, screw, text});
}

}  // namespace

LayoutScope::LayoutScope(const QString& picture) : outer_(Register().picture) {
    Register().picture = picture;
}

LayoutScope::~LayoutScope() {
    Register().picture = outer_;
}

const std::vector<Placed>& Layout() {
    return Register().placed;
}

void ClearLayout() {
    Register().placed.clear();
}

void Label(QPainter& p, const QRectF& r, int flags, const QString& text) {
    p.drawText(r, flags, text);
    // The ink of each line: its tight glyph box where the layout puts the line.
    const QFontMetricsF fm(p.font());
    const QRectF box = fm.boundingRect(r, flags, text);
    const QStringList lines = text.split('\n');
    QRectF ink;
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF line = fm.boundingRect(r, flags, lines[i]);
        const QRectF tight = fm.tightBoundingRect(lines[i]);
        const double baseline = box.top() + i * fm.lineSpacing() + fm.ascent();
        ink |= tight.translated(line.left(), baseline);
    }
    Record(p.transform().map(QPolygonF(ink)), false, text);
}

void Screw(QPainter& p, QPointF c, double r, double angle) {
    // The head with its dark rim and a pixel of air around it.
    QPolygonF head;
    for (int i = 0; i < 16; ++i)
        head << c + QPointF(std::cos(i * M_PI / 8), std::sin(i * M_PI / 8)) * (r + 1.5);
    Record(p.transform().map(head), true, QString());
    p.save();
    Smooth(p);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    g.setColorAt(0, QColor(235, 235, 230));
    g.setColorAt(0.6, QColor(150, 152, 150));
    g.setColorAt(1, QColor(85, 88, 85));
    p.setPen(QPen(QColor(60, 62, 60, 180), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    const double a = angle * M_PI / 180;
    const QPointF d(std::cos(a) * r * 0.8, std::sin(a) * r * 0.8);
    p.setPen(QPen(QColor(50, 50, 50), std::max(1.0, r * 0.3)));
    p.drawLine(c - d, c + d);
    p.restore();
}

void SteelBar(QPainter& p, const QRectF& r, const QColor& base, bool polished) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Shade(base, 1.25));
    g.setColorAt(polished ? 0.25 : 0.5, Shade(base, polished ? 1.45 : 1.05));
    g.setColorAt(0.55, base);
    g.setColorAt(1, Shade(base, 0.6));
    p.fillRect(r, g);
}

void ThresholdOnto(QImage& img, const QImage& scratch, const QColor& ink, double threshold) {
    const int limit = static_cast<int>(255 * (1.0 - threshold));
    for (int y = 0; y < img.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qGray(src[x]) <= limit) dst[x] = ink.rgb();
    }
}

void InkText(QImage& img, const QRect& cell, const QString& text, const QFont& font,
             const QColor& ink, int flags, double threshold) {
    InkShape(
        img, ink,
        [&](QPainter& p) {
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(cell, flags, text);
        },
        threshold);
}

QImage Crop(const QImage& img, const QRect& r) {
    return img.copy(r);
}

QImage ForDepth(const QImage& img, int bits) {
    if (bits == 1) return img.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    if (bits != 4) return img.convertToFormat(QImage::Format_RGB888);
    // Collect the colours in a fixed order so the palette, and the file, never change.
    QVector<QRgb> palette;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xFF000000u;
            if (!palette.contains(c)) palette.push_back(c);
        }
    if (palette.size() > 16)
        throw std::runtime_error("a sixteen-colour sheet has " + std::to_string(palette.size()) +
                                 " colours");
    std::sort(palette.begin(), palette.end());
    return img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

void AddAll(Sheets& s) {
    AddCabinet(s);
    AddControls(s);
    AddKeyboard(s);
    AddPrinter(s);
    AddLevers(s);
    AddRotors(s);
    AddWorkTable(s);
    AddCard(s);
}

}  // namespace artgen
