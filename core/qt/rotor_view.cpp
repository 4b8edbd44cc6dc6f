#include "core/qt/rotor_view.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "core/machine.h"
#include "ui/blit.h"

namespace q417 {

namespace {

constexpr int kLetterCell = 20;
constexpr int kLetterWidth = 14;
constexpr int kWindowFrameTop = 65;

// Columns of the ring sheet: marked letters and plain letters of each series.
int LetterColumn(RotorSeries serie) {
    return serie == RotorSeries::Series3K ? 42 : 14;
}
int MarkedColumn(RotorSeries serie) {
    return serie == RotorSeries::Series3K ? 28 : 0;
}

const std::array<int, kCylinderRows>& CylinderTable() {
    static const std::array<int, kCylinderRows> rows = [] {
        std::array<int, kCylinderRows> r{};
        for (int i = 0; i < kCylinderRows; ++i)
            r[i] = static_cast<int>(std::nearbyint(95.5 * (1.0 - std::cos(2.0 * i / 191.0))));
        return r;
    }();
    return rows;
}

}  // namespace

int CylinderRow(int i) {
    return CylinderTable()[i];
}

QImage BuildRotorStrip(const RotorState& rotor, const tables::PinRows& pins, RotorSeries serie) {
    QImage strip = MakePicture(kStripWidth, kStripHeight);
    const QImage& letters = Sprites::Get("dsk_lit");
    CopyRect(strip, 0, 0, letters, QRect(LetterColumn(serie), 0, kLetterWidth, kStripHeight));
    // The body's own number shows as the marked form of its letter.
    const int n = rotor.RotorNumber;
    const int top = kStripHeight - kLetterCell * n;
    CopyRect(strip, 0, top, letters, QRect(MarkedColumn(serie), top, kLetterWidth, kLetterCell));
    const QImage& pin = Sprites::Get("pin");
    for (int i = 1; i <= 30; ++i) {
        int j = rotor.RingSetting + i - 1;
        if (j > 30) j -= 30;
        if (pins[n][j] == 1) CopyAll(strip, 16, 605 - kLetterCell * i, pin);
    }
    return strip;
}

QImage RenderRotorView(const QImage& strip, int32_t position, bool machine_closed) {
    // Copies, not references: the sheets are shared, and the cache may move its entries.
    static const QImage body = Sprites::Get("dsk");
    static const QImage band = Sprites::Get("izo");
    static const QImage frame = Sprites::Get("dsk_lin");
    QImage view = MakePicture(kViewWidth, kViewHeight);
    int base = 480 - 20 * (position - 1);
    if (base < 0) base += kStripHeight;
    CopyAll(view, 0, 0, body);
    const bool usable = strip.format() == QImage::Format_RGB32 && strip.width() >= kStripWidth &&
                        strip.height() >= kStripHeight;
    const auto& cylinderRows = CylinderTable();
    const uchar* stripBits = strip.constBits();
    uchar* viewBits = view.bits();
    const qsizetype stripStride = strip.bytesPerLine();
    const qsizetype viewStride = view.bytesPerLine();
    for (int i = 0; usable && i < kCylinderRows; ++i) {
        int n = base + i;
        if (n > kStripHeight) n -= kStripHeight;
        const int y = cylinderRows[i];
        // Row 600 lies just past the end of the ring, and the arc's last rows fall below the
        // picture: those lines stay bare.
        if (n >= kStripHeight || y >= kViewHeight) continue;
        // Two pixels at a time: the AND works on each bit alone, so a 64-bit word of two
        // pixels gives the same as the pixels one by one (the strip is an even 22 wide).
        const uchar* s = stripBits + n * stripStride;
        uchar* d = viewBits + y * viewStride;
        static_assert(kStripWidth % 2 == 0);
        for (int x = 0; x < kStripWidth * 4; x += 8) {
            std::uint64_t a, b;
            std::memcpy(&a, d + x, 8);
            std::memcpy(&b, s + x, 8);
            a &= b;
            std::memcpy(d + x, &a, 8);
        }
    }
    CopyRect(view, 25, 15, band, QRect(position % 2 == 1 ? 0 : 8, 0, 8, 165));
    if (machine_closed) CopyAll(view, 0, kWindowFrameTop, frame);
    return view;
}

RotorPictures::RotorPictures(const Machine& machine) : machine_(machine) {
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) BuildRotorStrip(slot);
}

void RotorPictures::BuildRotorStrip(int slot) {
    const RotorStack& rotors = machine_.rotors;
    const RotorState& rotor = rotors.Slot(slot);
    const StripMadeFrom from{rotor.RotorNumber, rotor.RingSetting, rotors.LoadedSeries()};
    if (strips_[slot].isNull() || strip_made_from_[slot] != from) {
        strips_[slot] = q417::BuildRotorStrip(rotor, rotors.Pins(), rotors.LoadedSeries());
        strip_made_from_[slot] = from;
        view_made_from_[slot] = {};  // the view is rendered anew before it is next shown
    }
}

// The slot's view at its rotor's position, rendered again only when the strip, the position
// or the frame changed since the last time.
const QImage& RotorPictures::RenderedView(int slot, bool closed) {
    const ViewMadeFrom from{machine_.rotors.Slot(slot).Position, closed, true};
    if (view_made_from_[slot] != from) {
        views_[slot] = RenderRotorView(strips_[slot], from.position, closed);
        view_made_from_[slot] = from;
        on_control_[slot] = false;
    }
    return views_[slot];
}

void RotorPictures::RedrawRotor(int slot) {
    const bool closed = machine_.state.MachineClosed;
    const QImage& view = RenderedView(slot, closed);
    PictureElement* control = controls_[slot];
    if (!control || on_control_[slot]) return;
    // The window shows its part of the view itself; the open machine's overlay goes on a copy.
    control->showPart(view);
    if (!closed) {
        CopyAll(control->image(), 0, 0, Sprites::Get("dsk_linU"));
        control->update();
    }
    on_control_[slot] = true;
}

void RotorPictures::ShowRotor(int slot) {
    RedrawRotor(slot);
    if (controls_[slot]) controls_[slot]->setVisible(true);
}

void RotorPictures::HideRotor(int slot) {
    if (controls_[slot]) controls_[slot]->setVisible(false);
}

void RotorPictures::DrawRotorOn(int slot, PictureElement* control, bool closed) {
    const QImage& view = RenderedView(slot, closed);
    if (!control) return;
    control->setVisible(true);
    CopyAll(control->image(), 0, 0, view);
    control->update();
}

}  // namespace q417
