#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include "app/machine_switches.h"
#include "app/qt/control_box.h"
#include "app/qt/key_mapping.h"
#include "app/qt/machine_layout.h"
#include "app/qt/main_window.h"
#include "app/qt/picture_element.h"
#include "app/qt/signal_path_panel.h"
#include "core/qt/rotor_view.h"

namespace q417 {

namespace {
constexpr int kWheelNotch = 120;  // one notch of an ordinary mouse wheel
}

void MainWindow::BindHandlers() {
    for (auto it = elements_.begin(); it != elements_.end(); ++it) {
        if (ClearsWheelSlot(it.key()))
            it.value()->onMouseMove = [this](int, int) { wheel_slot_ = 0; };
    }
    auto up = [this](const char* name, std::function<void(int, int)> handler) {
        element(name)->onMouseUp = [this, handler](int x, int y, Qt::MouseButton) {
            Guard([&] { handler(x, y); });
        };
    };
    element("Image6")->onMouseMove = [this](int x, int y) { Image6MouseMove(x, y); };
    up("Image6", [this](int x, int y) { Image6MouseUp(x, y); });
    element("Image19")->onMouseDown = [this](int, int, Qt::MouseButton) {
        Guard([&] { Image19MouseDown(); });
    };
    up("Image19", [this](int, int) { Image19MouseUp(); });
    // The right button on either tape offers to save it as a picture.
    for (const char* tape : {"Image8", "Image7"})
        element(tape)->onMouseUp = [this, tape](int x, int y, Qt::MouseButton button) {
            Guard([&] {
                const bool punched = tape[5] == '7';
                if (button == Qt::RightButton)
                    OfferTapePicture(punched, element(tape)->mapToGlobal(QPoint(x, y)));
                else if (!punched)
                    Image8MouseUp();
            });
        };
    up("W", [this](int x, int y) { WMouseUp(x, y); });
    up("Image3", [this](int x, int) { Image3MouseUp(x); });
    up("Image5", [this](int x, int y) { Image5MouseUp(x, y); });
    element("Image11")->onMouseMove = [this](int x, int y) { Image11MouseMove(x, y); };
    up("Image11", [this](int, int y) { Image11MouseUp(y); });
    up("E", [this](int, int y) { EMouseUp(y); });
    up("R", [this](int, int y) { EMouseUp(y); });
    up("F", [this](int, int y) { FMouseUp(y); });
    element("Image21")->onMouseDown = [this](int x, int y, Qt::MouseButton) {
        Guard([&] { session_.MouseDownOnKeyboard(x, y); });
    };
    up("Image21", [this](int, int) { session_.MouseUpOnKeyboard(); });
    element("Image23")->onMouseDown = [this](int x, int y, Qt::MouseButton) {
        Guard([&] { session_.MouseDownOnSpaceBar(x, y); });
    };
    up("Image23", [this](int, int) { session_.MouseUpOnSpaceBar(); });
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) BindRotorWindow(slot);
}

void MainWindow::BindRotorWindow(int slot) {
    PictureElement* rotor = element(QStringLiteral("R%1").arg(slot));
    rotor->onMouseMove = [this, slot](int, int) { wheel_slot_ = slot; };
    rotor->onMouseUp = [this, slot](int, int y, Qt::MouseButton) {
        Guard([&] { RotorMouseUp(slot, y); });
    };
}

void MainWindow::Image6MouseMove(int x, int y) {
    const int zone = ControlBox::ZoneAt(x, y);
    if (zone != control_box_->Highlighted()) control_box_->Draw(zone);
}

void MainWindow::Image6MouseUp(int x, int y) {
    switch (ControlBox::ZoneAt(x, y)) {
        case 1:
            closeProgram();
            break;
        case 2:
            openSettingsPanel();
            break;
        case 3:
            openTextPanel();
            break;
        case 4:
            signalPathPanel().toggle();
            break;
        default:
            break;
    }
}

// The counter-reset knob: one reset per press; pushed in, it shortens the lever's tab.
void MainWindow::Image19MouseDown() {
    if (counter_lever_pressed_) return;
    counter_lever_pressed_ = true;
    session_.ResetCounter();
    SetWindowOutline(false);
}

void MainWindow::Image19MouseUp() {
    if (!counter_lever_pressed_) return;
    counter_lever_pressed_ = false;
    SetWindowOutline(true);
}

// A click on the paper tape feeds a blank cell; the texts and the counter stay.
void MainWindow::Image8MouseUp() {
    session_.AdvanceTape();
}

void MainWindow::WMouseUp(int x, int y) {
    session_.LeverClick(x, y);
}

void MainWindow::Image3MouseUp(int x) {
    if (session_.settings().Machine == Model::Q417M) return;
    session_.RegisterSwitchClick(x);
}

void MainWindow::Image5MouseUp(int x, int y) {
    if (session_.settings().Machine != Model::Q417M) return;
    session_.LanguageLeverClick(x, y);
}

// The module switch shows its lever while the mouse is over it; a release on the lever
// changes between the thirty-contact and the ten-key alphabet.
void MainWindow::Image11MouseMove(int x, int y) {
    wheel_slot_ = 0;
    const MachineSettings& s = session_.settings();
    if (s.Machine == Model::Q417M) return;
    const bool inside = InModuleSwitchZone(x, y);
    if (inside && !module_switch_->hover) {
        module_switch_->DrawHover(s.Module);
        module_switch_->hover = true;
    } else if (!inside && module_switch_->hover) {
        module_switch_->hover = false;
        module_switch_->DrawPlain(s.Machine);
    }
}

void MainWindow::Image11MouseUp(int y) {
    if (session_.settings().Machine == Model::Q417M || !module_switch_->hover ||
        !OnModuleSwitchLever(y))
        return;
    reportRefusal(session_.ToggleModule());
}

// Reflector and entry plate: the window band opens the closed machine, the top edge
// closes the open one.
void MainWindow::EMouseUp(int y) {
    if (session_.state().MachineClosed) {
        if (y >= 76 && y <= 92) openMachine();
    } else if (y < 20) {
        closeMachine();
    }
}

void MainWindow::FMouseUp(int y) {
    if (session_.state().MachineClosed) {
        if (y >= 66 && y <= 92) openMachine();
    } else if (y < 35) {
        closeMachine();
    }
}

// A rotor of the closed machine turns back when clicked above its window and on when
// clicked below it; a click in the window opens the machine.
void MainWindow::RotorMouseUp(int slot, int y) {
    if (session_.state().MachineClosed) {
        if (y < 65)
            turnRotor(slot, false);
        else if (y > 93)
            turnRotor(slot, true);
        else
            openMachine();
        return;
    }
    if (y < 35)
        closeMachine();
    else
        takeOutRotor(slot);
}

void MainWindow::turnRotor(int slot, bool plus) {
    session_.TurnRotor(slot, plus);
}

void MainWindow::machineKeyDown(uint16_t vk) {
    Guard([&] { session_.KeyDown(vk); });
}

void MainWindow::machineKeyUp(uint16_t vk) {
    Guard([&] { session_.KeyUp(vk); });
}

// A held key repeats nothing: the repeats the desktop sends (on X11 as release and press
// pairs) are dropped before they reach the machine.
void MainWindow::machineKeyEvent(const QKeyEvent& event) {
    key_input_->Handle(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    machineKeyEvent(*event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    machineKeyEvent(*event);
}

// A window closed or hidden by the program takes the run with it; one the desktop minimises
// keeps running.
void MainWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) session_.StopRun();
    QWidget::hideEvent(event);
}

bool MainWindow::focusNextPrevChild(bool) {
    return false;
}  // Tab is a key like any other

// Where nothing on the cabinet reacts to a press, the window is dragged.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle()) windowHandle()->startSystemMove();
}

void MainWindow::mouseMoveEvent(QMouseEvent*) {
    wheel_slot_ = 0;
}

// The wheel turns only the rotor whose window is under the pointer, seen: over a panel, the
// guide or any other part of the machine it turns nothing, and what was turned over one rotor
// does not carry over to another.
void MainWindow::wheelEvent(QWheelEvent* event) {
    int slot = 0;
    const QWidget* under = childAt(event->position().toPoint());
    for (int s = 1; s <= RotorStack::kSlots && under; ++s)
        if (under == element(QStringLiteral("R%1").arg(s))) slot = s;
    if (slot != wheel_slot_) wheel_delta_ = 0;
    wheel_slot_ = slot;
    if (wheel_slot_ == 0) return;
    wheel_delta_ += event->angleDelta().y();
    Guard([&] {
        for (; wheel_delta_ >= kWheelNotch; wheel_delta_ -= kWheelNotch)
            turnRotor(wheel_slot_, false);
        for (; wheel_delta_ <= -kWheelNotch; wheel_delta_ += kWheelNotch)
            turnRotor(wheel_slot_, true);
    });
}

}  // namespace q417
