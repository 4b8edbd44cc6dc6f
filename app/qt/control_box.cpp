#include "app/qt/control_box.h"

#include <QPainter>
#include <cmath>

#include "app/qt/cabinet_zones.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/view_host.h"
#include "ui/blit.h"

namespace q417 {

namespace {

// The signal-path button beside the box, under its name: a small dark key marked with the
// two legs of a path, red toward the reflector and blue back.
void DrawPathButton(QImage& image, bool lit) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(lit ? QColor(95, 95, 95) : QColor(45, 45, 45));
    p.drawRoundedRect(QRectF(40.5, 59.5, 15, 15), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 70, 55), 1.6));
    p.drawPolyline(
        QPolygonF({QPointF(52.5, 63.5), QPointF(48, 63.5), QPointF(46, 67), QPointF(43.5, 67)}));
    p.setPen(QPen(QColor(90, 150, 255), 1.6));
    p.drawPolyline(QPolygonF({QPointF(43.5, 67), QPointF(46, 70.5), QPointF(52.5, 70.5)}));
}

}  // namespace

ControlBox::ControlBox(PictureElement& element, ViewHost& host, Actions actions)
    : element_(element), host_(host), actions_(std::move(actions)) {
    Draw(0);
    element_.onMouseMove = [this](int x, int y) {
        const int zone = static_cast<int>(
            ZoneAt(cabinet_zones::kControlBox, x, y).value_or(cabinet_zones::ControlButton::None));
        if (zone != zone_) Draw(zone);
    };
    element_.onMouseUp = [this](int x, int y, Qt::MouseButton) {
        Guarded(host_, [&] { MouseUp(x, y); });
    };
}

void ControlBox::MouseUp(int x, int y) {
    using cabinet_zones::ControlButton;
    switch (ZoneAt(cabinet_zones::kControlBox, x, y).value_or(ControlButton::None)) {
        case ControlButton::Close:
            actions_.close();
            break;
        case ControlButton::Settings:
            actions_.settings();
            break;
        case ControlButton::Texts:
            actions_.texts();
            break;
        case ControlButton::SignalPath:
            actions_.signalPath();
            break;
        case ControlButton::None:
            break;
    }
}

void ControlBox::Draw(int zone) {
    const QImage& sheet = Sprites::Get("pict6");
    QImage& image = element_.image();
    CopyRect(image, 0, 0, sheet, QRect(0, 0, 59, 81));
    // Row 81 on holds the three buttons lit, side by side.
    if (zone == 1) CopyRect(image, 12, 9, sheet, QRect(0, 81, 19, 19));
    if (zone == 2) CopyRect(image, 11, 30, sheet, QRect(20, 81, 23, 19));
    if (zone == 3) CopyRect(image, 15, 55, sheet, QRect(43, 81, 16, 19));
    DrawPathButton(image, zone == 4);
    zone_ = zone;
    element_.update();
}

ModuleSwitch::ModuleSwitch(PictureElement& element, ViewHost& host,
                           std::function<void()> pointerMoved)
    : element_(element),
      host_(host),
      session_(host.session()),
      pointer_moved_(std::move(pointerMoved)) {
    element_.onMouseMove = [this](int x, int y) { MouseMove(x, y); };
    element_.onMouseUp = [this](int x, int y, Qt::MouseButton) {
        Guarded(host_, [&] { MouseUp(x, y); });
    };
}

// The lever shows while the mouse is over it, on the models that have the switch.
void ModuleSwitch::MouseMove(int x, int y) {
    pointer_moved_();
    const MachineSettings& s = session_.settings();
    if (s.Machine == Model::Q417M) return;
    const bool inside = cabinet_zones::kModuleSwitch.leverShown.Contains(x, y);
    if (inside && !hover) {
        DrawHover(s.Module);
        hover = true;
    } else if (!inside && hover) {
        hover = false;
        DrawPlain(s.Machine);
    }
}

// The lever shows only while the pointer is over it, and never on the Q-417M.
void ModuleSwitch::MouseUp(int x, int y) {
    if (!hover || !cabinet_zones::kModuleSwitch.leverTurns.Contains(x, y)) return;
    host_.reportRefusal(session_.ToggleModule());
}

void ModuleSwitch::SettingsChanged() {
    const MachineSettings& s = session_.settings();
    if (s.Machine == Model::Q417M || !hover)
        DrawPlain(s.Machine);
    else
        DrawHover(s.Module);
}

void ModuleSwitch::ModelChanged() {
    const MachineSettings& s = session_.settings();
    if (s.Machine == Model::Q417M) hover = false;
    DrawPlain(s.Machine);
}

// The frame where it lies in the sheet: shown as it is, or blended on a copy of its own.
QImage ModuleSwitch::Frame(int k) const {
    return SharedPart(Sprites::Get("pict11"), QRect(37 * k, 0, 37, 191));
}

void ModuleSwitch::DrawPlain(Model machine) {
    element_.showPicture(Frame(machine == Model::Q417M ? 0 : 1));
}

void ModuleSwitch::DrawHover(AlphabetModule module) {
    if (module != AlphabetModule::Figures10 && module != AlphabetModule::Contacts30) return;
    QImage side = Frame(1);
    Blend(side, Frame(module == AlphabetModule::Figures10 ? 2 : 3));
    CopyAll(element_.image(), 0, 0, side);
    element_.update();
}

void ModuleSwitch::Blend(QImage& target, const QImage& source) {
    const double alpha = 145.0 / 255.0;
    const double beta = 1.0 - alpha;
    auto mix = [&](int s, int d) { return static_cast<int>(std::nearbyint(alpha * s + beta * d)); };
    for (int y = 0; y < target.height() && y < source.height(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(target.scanLine(y));
        const auto* s = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < target.width() && x < source.width(); ++x)
            d[x] = qRgb(mix(qRed(s[x]), qRed(d[x])), mix(qGreen(s[x]), qGreen(d[x])),
                        mix(qBlue(s[x]), qBlue(d[x])));
    }
}

}  // namespace q417
