#include "io/qt/mode_wheel_view.h"

#include "app/qt/picture_element.h"
#include "app/qt/sprites.h"
#include "core/qt/blit.h"
#include "core/settings.h"

namespace q417 {

namespace {

// Frames of the printing-method lever sheet.
constexpr int kLeverUp = 0;     // print and punch
constexpr int kLeverDown = 22;  // print only
constexpr int kEmptySlot = 44;

}  // namespace

void ModeWheelView::DrawLevers(const MachineSettings& s) {
    QImage& image = wheel_.image();
    CopyAll(image, 0, 0, Sprites::Get("modewheel"));
    const QImage& method = Sprites::Get("SPSLever");
    CopyRect(image, 69, 94, method, QRect(kEmptySlot, 0, 22, 38));
    if (s.Sposob == PrintMethod::PaperTape || s.Sposob == PrintMethod::AlsoPunchedTape)
        CopyRect(
            image, 69, 94, method,
            QRect(s.Sposob == PrintMethod::AlsoPunchedTape ? kLeverUp : kLeverDown, 0, 22, 38));
    // The work lever's frames lie side by side in the order of its positions' numbers.
    const int32_t rod = StoredValue(s.Rod);
    if (rod >= 0 && rod <= 2)
        CopyRect(image, 28, 85, Sprites::Get("RODLever"), QRect(21 * rod, 0, 21, 117));
    wheel_.update();
}

void ModeWheelView::DrawModeSwitches(const MachineSettings& s) {
    const bool m0 = s.Machine == Model::Q417M;
    const int band = m0 ? 0 : StoredValue(s.Mode);
    const int frame = m0 ? StoredValue(s.Language) : 0;
    if (band >= 0 && band <= 3) register_.showPart(Sprites::Get("bcs"), QPoint(0, 23 * band));
    if (frame >= 0 && frame <= 2) language_.showPart(Sprites::Get("lang"), QPoint(22 * frame, 0));
}

}  // namespace q417
