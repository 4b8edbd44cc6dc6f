#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <vector>

// The artwork generator paints every picture of the machine from scratch: the cabinet and its
// fixed pieces, the sprite sheets the window cuts its frames from, the sounds and the emblem.
namespace artgen {

// One picture as it is committed: its resource name, its pixels and the colour depth of the
// sheet (24 = true colour, 4 = at most sixteen colours, 1 = black and white).
struct Sheet {
    QString name;
    QImage image;
    int bits = 24;
};

class Sheets {
public:
    void Add(const QString& name, const QImage& image, int bits = 24);
    const QImage& Get(const QString& name) const;
    const std::vector<Sheet>& All() const { return sheets_; }

private:
    std::vector<Sheet> sheets_;
};

// Colours of the machine's paint and trim.
inline const QColor kPaint(176, 180, 176);  // the cabinet enamel, also the window background
inline const QColor kTape(255, 255, 204);   // paper tape and key-table strip
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);

// Fonts from the DejaVu files shipped with the system, registered once so the result does not
// depend on the font configuration of the machine that runs the generator.
void LoadFonts();
QFont Sans(int pixels, bool bold = false);
QFont SansCondensed(int pixels, bool bold = false);
QFont Serif(int pixels, bool bold = false);
QFont Mono(int pixels, bool bold = false);

// A painter with antialiasing switched on.
void Smooth(QPainter& p);
// Repeatable noise in -1..1 for pixel (x, y).
double Noise(int x, int y, int seed);
// Scales the brightness of a colour (1 = unchanged).
QColor Shade(const QColor& c, double factor);
QColor Mix(const QColor& a, const QColor& b, double t);

// Enamel: a flat colour with a faint hammer-tone grain.
void Enamel(QImage& img, const QRect& r, const QColor& base, int seed, double grain = 2.5);
// A raised (or, with sunk, recessed) edge of the given width around r.
void Bevel(QPainter& p, const QRectF& r, int width, bool sunk, double strength = 1.0);
// A slotted screw head of radius r.
void Screw(QPainter& p, QPointF c, double r, double angle = 30);
// A caption engraved or printed on the machine: drawText in the painter's font and pen.
void Label(QPainter& p, const QRectF& r, int flags, const QString& text);

// Where screws and captions land. While a LayoutScope is alive, every Screw and Label painted
// records its shape in the coordinates of the picture named by the scope (the painter's
// transform applied), so a check can find a screw driven through a caption or two captions
// printed over each other. The shape of a caption is the box around the ink of its glyphs,
// turned with the painter; the shape of a screw is its round head.
struct Placed {
    QString picture;
    QPolygonF shape;
    bool screw = false;
    QString text;
};
class LayoutScope {
public:
    explicit LayoutScope(const QString& picture);
    ~LayoutScope();
    LayoutScope(const LayoutScope&) = delete;
    LayoutScope& operator=(const LayoutScope&) = delete;

private:
    QString outer_;
};
const std::vector<Placed>& Layout();
void ClearLayout();
// A vertical steel gradient (top to bottom) filling r; for bars and rails.
void SteelBar(QPainter& p, const QRectF& r, const QColor& base, bool polished = true);

// Text rendered crisp for a black-and-white or AND sheet: drawn smooth on white, then every pixel
// at least half covered takes the ink colour and every other stays white.
void InkText(QImage& img, const QRect& cell, const QString& text, const QFont& font,
             const QColor& ink, int flags = Qt::AlignCenter, double threshold = 0.5);
// A crisp line drawing: fn paints with black on a white scratch image the size of img, which
// is then thresholded onto img in the ink colour.
template <typename Fn>
void InkShape(QImage& img, const QColor& ink, Fn fn, double threshold = 0.5);
void ThresholdOnto(QImage& img, const QImage& scratch, const QColor& ink, double threshold);

// A copy of the part r of a picture.
QImage Crop(const QImage& img, const QRect& r);
// The picture converted to the depth it is committed in.
QImage ForDepth(const QImage& img, int bits);

// Every family below in order, as the generator runs them.
void AddAll(Sheets& s);

// Families of pictures, each in its own file. The cabinet comes first: the other families cut
// their backgrounds out of it so that every piece lands on the same paint.
void AddCabinet(Sheets& s);
void AddControls(Sheets& s);
void AddKeyboard(Sheets& s);
void AddPrinter(Sheets& s);
void AddLevers(Sheets& s);
void AddRotors(Sheets& s);
void AddWorkTable(Sheets& s);
void AddCard(Sheets& s);

// The icon in its sizes (and the 512-pixel master) and the logo JPEG.
bool WriteIcons(const QString& dir);
bool WriteLogo(const QString& dir);
QImage PaintLogo();
QImage PaintIcon(int size);
// The two sounds: the step (22050 Hz, 332 samples) and the click (44100 Hz, 1936 samples).
QByteArray StepWave();
QByteArray ClickWave();
// The machine as the window shows it at start-up, put together from the sheets.
QImage ComposeMachine(const Sheets& s, bool open);
// One review picture of every sheet with its name.
QImage Gallery(const Sheets& s);

template <typename Fn>
void InkShape(QImage& img, const QColor& ink, Fn fn, double threshold) {
    QImage scratch(img.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter p(&scratch);
        Smooth(p);
        fn(p);
    }
    ThresholdOnto(img, scratch, ink, threshold);
}

}  // namespace artgen

namespace artgen {
// The text loader's load button (30 x 21; state 0 highlighted, 1 normal, 2 pressed) and its
// stepping strip (90 x 15; state 0 normal, 1 left half lit, 2 right half lit, 3 pressed), at
// their top-left corner. The cabinet shows them at rest, the loader sheet in every state.
void PaintLoadButton(QPainter& p, QPointF at, int state);
void PaintStepStrip(QPainter& p, QPointF at, int state);
}  // namespace artgen

namespace artgen {
// What the glyph of a contact shows in a row of the model's print wheel (machine 0 or 1): the
// wheel's character, with the national letters and shift marks of the figures rows.
QString PrintGlyph(int machine, int row, int contact);
}  // namespace artgen

namespace artgen {
// The letter that shows the value v (1..30) to the user: А Б В Г Д Е Ж З И К Л М Н О П Р С Т
// У Ф Х Ц Ч Ш Щ Ы Ь Ю Я Й.
QString LetterOf(int v);
// Light on a cylinder whose axis runs across the picture, seen from the front: 0 at the top
// and bottom edges, about 1 at the brightest band, for a row y of a picture h pixels high.
double CylinderLight(double y, double h);
}  // namespace artgen
