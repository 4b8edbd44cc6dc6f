#include "io/qt/mode_wheel_view.h"

#include "app/qt/cabinet_zones.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/view_host.h"
#include "ui/blit.h"
#include "core/settings.h"

namespace q417 {

namespace {

// Frames of the printing-method lever sheet.
constexpr int kLeverUp = 0;     // print and punch
constexpr int kLeverDown = 22;  // print only
constexpr int kEmptySlot = 44;

}  // namespace

ModeWheelView::ModeWheelView(ViewHost& host, PictureElement& wheel, PictureElement& registerSwitch,
                             PictureElement& languageLever)
    : session_(host.session()), wheel_(wheel), register_(registerSwitch), language_(languageLever) {
    namespace cz = cabinet_zones;
    wheel_.onMouseUp = [this, &host](int x, int y, Qt::MouseButton) {
        if (const auto lever = ZoneAt(cz::kModeWheel, x, y))
            Guarded(host, [&] { session_.MoveLever(*lever); });
    };
    // The session lets the register switch work on the models that have it, the language
    // lever on the Q-417M.
    register_.onMouseUp = [this, &host](int x, int y, Qt::MouseButton) {
        if (const auto position = ZoneAt(cz::kRegisterSwitch, x, y))
            Guarded(host, [&] { session_.SetRegisterSwitch(*position); });
    };
    language_.onMouseUp = [this, &host](int x, int y, Qt::MouseButton) {
        if (const auto position = ZoneAt(cz::kLanguageLever, x, y))
            Guarded(host, [&] { session_.SetLanguageLever(*position); });
    };
}

void ModeWheelView::SettingsChanged() {
    DrawModeSwitches(session_.settings());
    DrawLevers(session_.settings());
}

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
