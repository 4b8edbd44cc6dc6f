#include "io/qt/tape_view.h"

#include <cstring>

#include "app/qt/picture_element.h"
#include "app/qt/sprites.h"
#include "core/qt/blit.h"

namespace q417 {

namespace {

constexpr int kGlyphWidth = 14;
constexpr int kGlyphHeight = 19;
constexpr int kPunchWidth = 7;
constexpr int kPunchHeight = 44;
constexpr int kDigitWidth = 14;
constexpr int kDigitHeight = 19;
constexpr int kDigitX[4] = {13, 36, 59, 90};  // hundreds, tens, units of groups; the group

}  // namespace

void ScrollLeft(QImage& image, int step, QRgb fill) {
    const int w = image.width();
    if (step >= w) {
        image.fill(fill);
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::memmove(row, row + step, sizeof(QRgb) * (w - step));
        std::fill(row + w - step, row + w, fill);
    }
}

TapeView::TapeView(PictureElement& paper, PictureElement& punched, PictureElement& counter)
    : paper_(paper), punched_(punched), counter_(counter) {}

void TapeView::Prepare() {
    paper_.blank(kTapeColour);
    punched_.blank(kTapeColour);  // hidden until the punch is used: made when first wanted
    CopyRect(counter_.image(), 0, 0, Sprites::Get("counter1"), QRect(0, 19, 115, 34));
    CounterChanged(0, 0);
}

void TapeView::TapesBlanked() {
    paper_.blank(kTapeColour);
    punched_.blank(kTapeColour);
    paper_.update();
    punched_.update();
}

void TapeView::TapeAdvanced() {
    ScrollLeft(paper_.image(), kGlyphWidth, kTapeColour);
    paper_.update();
}

void TapeView::GlyphPrinted(int band, int32_t contact, Model machine) {
    if (band < 1 || band > 8 || contact < 0 || contact > 31) return;
    const QImage& glyphs = Sprites::Get(machine == Model::Q417M ? "OUT_LIT_M" : "OUT_LIT_3M");
    QImage& tape = paper_.image();
    AndRect(tape, tape.width() - kGlyphWidth, 0, glyphs,
            QRect(kGlyphWidth * contact, (band - 1) * kGlyphHeight, kGlyphWidth, kGlyphHeight));
    paper_.update();
}

void TapeView::Punched(int32_t contact) {
    QImage& tape = punched_.image();
    ScrollLeft(tape, kPunchWidth, kTapeColour);
    if (contact >= 0 && contact <= 31)
        AndRect(tape, tape.width() - kPunchWidth, 0, Sprites::Get("OUT_PUN"),
                QRect(kPunchWidth * contact, 0, kPunchWidth, kPunchHeight));
    punched_.update();
}

void TapeView::CounterChanged(int groupCount, int groupPosition) {
    const int digits[4] = {groupCount / 100 % 10, groupCount % 100 / 10, groupCount % 10,
                           groupPosition % 10};
    const QImage& sheet = Sprites::Get("counter1");
    for (int i = 0; i < 4; ++i)
        CopyRect(counter_.image(), kDigitX[i], 7, sheet,
                 QRect(kDigitWidth * digits[i], 0, kDigitWidth, kDigitHeight));
    counter_.update();
}

}  // namespace q417
