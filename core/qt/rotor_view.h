#pragma once
#include <QImage>
#include <array>

#include "core/rotors.h"

namespace q417 {

class Machine;
class PictureElement;

// A rotor is drawn in two stages. Its strip is the alphabet ring laid flat (22 x 600): the
// thirty letters of the loaded series, the body's own number as a marked letter, and the
// pins where the ring setting puts them. Its view (40 x 191) is that strip wrapped round a
// half cylinder, with the side band that alternates at every step so the turning shows.
inline constexpr int kStripWidth = 22;
inline constexpr int kStripHeight = 600;
inline constexpr int kViewWidth = 40;
inline constexpr int kViewHeight = 191;
inline constexpr int kCylinderRows = 301;  // fifteen letter cells of the ring are in view

// The view row that strip row `i` (0..300 from the top of the visible arc) lands on:
// 95.5 (1 - cos(2i / 191)) rounded to the nearest row, halves to even. The last rows of the
// arc fall on row 191, just below the picture, and are not drawn.
int CylinderRow(int i);

// The flat ring of one rotor.
QImage BuildRotorStrip(const RotorState& rotor, const tables::PinRows& pins, RotorSeries serie);
// The cylinder at `position`, with the window frame when the machine is closed.
QImage RenderRotorView(const QImage& strip, int32_t position, bool machine_closed);

// The pictures of the ten rotor slots and the windows they are shown in. As a rotor
// observer it redraws a rotor the moment it moves and rebuilds its ring when it is rebuilt.
class RotorPictures : public RotorObserver {
public:
    explicit RotorPictures(const Machine& machine);

    // The window a slot is shown in (none: the slot is drawn nowhere).
    void BindControl(int slot, PictureElement* control) {
        controls_[slot] = control;
        on_control_[slot] = false;
    }
    PictureElement* Control(int slot) const { return controls_[slot]; }

    void BuildRotorStrip(int slot);
    // Renders the slot's view and puts it on its window, with the open-machine overlay
    // while the machine is open.
    void RedrawRotor(int slot);
    void ShowRotor(int slot);
    void HideRotor(int slot);
    // Renders the view (with the frame only when `closed`) onto another picture, such as
    // the rotor bodies of the key-table box.
    void DrawRotorOn(int slot, PictureElement* control, bool closed);

    const QImage& Strip(int slot) const { return strips_[slot]; }
    const QImage& View(int slot) const { return views_[slot]; }

    void RotorMoved(int slot) override { RedrawRotor(slot); }
    void RotorInitialised(int slot) override { BuildRotorStrip(slot); }

private:
    const Machine& machine_;
    // What each strip and view was last made from: making the same again is skipped (start-up
    // alone asks for every strip three times and every view twice).
    struct StripMadeFrom {
        int32_t rotorNumber = 0, ringSetting = 0;
        RotorSeries serie = RotorSeries::Series6K;
        bool operator==(const StripMadeFrom&) const = default;
    };
    struct ViewMadeFrom {
        int32_t position = 0;
        bool closed = false;
        bool valid = false;
        bool operator==(const ViewMadeFrom&) const = default;
    };
    std::array<QImage, RotorStack::kSlots + 1> strips_;
    std::array<StripMadeFrom, RotorStack::kSlots + 1> strip_made_from_{};
    std::array<QImage, RotorStack::kSlots + 1> views_;
    std::array<ViewMadeFrom, RotorStack::kSlots + 1> view_made_from_{};

    const QImage& RenderedView(int slot, bool closed);
    std::array<PictureElement*, RotorStack::kSlots + 1> controls_{};
    // The slot's window already holds its current view (start-up shows every rotor as it
    // moves and again as the key is shown): drawing it there again is skipped. Nothing but
    // this class draws on the rotor windows.
    std::array<bool, RotorStack::kSlots + 1> on_control_{};
};

}  // namespace q417
