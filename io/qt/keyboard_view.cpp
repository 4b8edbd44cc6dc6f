#include "io/qt/keyboard_view.h"

#include "app/machine_session.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/view_host.h"
#include "ui/blit.h"
#include "core/settings.h"
#include "io/keyboard_tables.h"
#include "io/qt/keyboard_zones.h"

namespace q417 {

namespace {

constexpr int kCap = 46;
constexpr QRgb kCabinet = qRgb(176, 180, 176);

// The band of the caps sheet: rounded grey caps of the Q-417M, square white caps of the
// other models, light-blue caps for their ten digit keys.
int CapBand(Model machine, int32_t contact) {
    if (machine == Model::Q417M) return 0;
    return tables::IsDigitKey(contact) ? 92 : 46;
}

}  // namespace

KeyboardView::KeyboardView(ViewHost& host, PictureElement& keys, PictureElement& spaceBar)
    : settings_(host.session().settings()), keys_(keys), space_(spaceBar) {
    MachineSession& session = host.session();
    // A press between the keys presses nothing; letting go anywhere frees the keyboard.
    keys_.onMouseDown = [&host, &session](int x, int y, Qt::MouseButton) {
        if (const auto key = ZoneAt(keyboard_zones::kKeys, x, y))
            Guarded(host, [&] { session.PressKey(*key); });
    };
    keys_.onMouseUp = [&host, &session](int, int, Qt::MouseButton) {
        Guarded(host, [&] { session.ReleaseKey(); });
    };
    space_.onMouseDown = [&host, &session](int x, int y, Qt::MouseButton) {
        if (keyboard_zones::kSpaceBar.Contains(x, y))
            Guarded(host, [&] { session.PressSpaceBar(); });
    };
    space_.onMouseUp = [&host, &session](int, int, Qt::MouseButton) {
        Guarded(host, [&] { session.ReleaseSpaceBar(); });
    };
}

QRect KeyboardView::CapRect(int row, int col) {
    return QRect((row - 1) * 23 + (col - 1) * kCap, (row - 1) * kCap, kCap, kCap);
}

void KeyboardView::Prepare() {
    keys_.resizePicture(506, 138);
    keys_.image().fill(kCabinet);
    keys_.update();
}

void KeyboardView::DrawKey(int row, int col, bool pressed) {
    const int32_t contact = tables::KeyContactTable[row][col];
    const QRect cap = CapRect(row, col);
    QImage& image = keys_.image();
    CopyRect(image, cap.left(), cap.top(), Sprites::Get("button"),
             QRect(pressed ? kCap : 0, CapBand(settings_.Machine, contact), kCap, kCap));
    // A layout outside 1..4 has no legends.
    const int32_t layot = StoredValue(settings_.Layot);
    if (layot < 1 || layot > 4) return;
    if (settings_.Machine == Model::Q417M) {
        const QRect cell((col - 1) * 30, (layot - 1) * 60 + (row - 1) * 20, 30, 20);
        AndRect(image, cap.left() + 8, cap.top() + (pressed ? 16 : 7), Sprites::Get("KBD_LIT_M"),
                cell);
    } else {
        const QRect cell((col - 1) * 35 + 1, (layot - 1) * 90 + (row - 1) * 30 + 1, 34, 29);
        AndRect(image, cap.left() + 7, cap.top() + (pressed ? 12 : 2), Sprites::Get("KBD_LIT_3M"),
                cell);
    }
}

void KeyboardView::KeyboardReleased() {
    if (released_machine_ == settings_.Machine && released_layot_ == settings_.Layot &&
        keys_.image().size() == released_.size()) {
        keys_.image() = released_;
        keys_.update();
        return;
    }
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 11; ++col)
            if (tables::KeyCodeTable[row][col] != 0) DrawKey(row, col, false);
    // Shared, not copied: the picture is copied only when a key is next drawn pressed on it.
    released_ = keys_.image();
    released_machine_ = settings_.Machine;
    released_layot_ = settings_.Layot;
    keys_.update();
}

void KeyboardView::KeyPressed(int row, int col) {
    if (row < 1 || row > 3 || col < 1 || col > 11 || tables::KeyCodeTable[row][col] == 0) return;
    DrawKey(row, col, true);
    keys_.update();
}

void KeyboardView::SpaceBarDrawn(bool pressed) {
    space_.showPart(Sprites::Get("space"), QPoint(pressed ? 240 : 0, 0));
}

}  // namespace q417
