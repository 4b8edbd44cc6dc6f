#pragma once
#include <functional>

#include "app/machine_session.h"
#include "app/qt/cabinet_zones.h"
#include "core/qt/rotor_view.h"

class QWidget;

namespace q417 {

class MachinePictures;
class ViewHost;

// The rotor stack as the window shows it: the ten rotor windows, the reflector and the entry
// plate at its ends, the cover over slots 9 and 10 of the eight-rotor model and the stepping
// mechanism of the open machine. This view alone draws those pictures and handles their
// clicks and the mouse wheel over the rotors; the key-setting box only hears the session.
class RotorStackView : public SessionEvents {
public:
    // `keyBoxWanted` makes the key-setting box before the machine is opened or closed or a
    // rotor taken out: the open machine is worked in it.
    RotorStackView(ViewHost& host, const MachinePictures& pictures,
                   std::function<void()> keyBoxWanted);

    RotorPictures& rotorPictures() { return rotors_; }

    // The rotor window under the mouse (1..10), 0 for none: what the mouse wheel turns.
    int wheelSlot() const { return wheel_slot_; }
    // The pointer moved onto a part of the machine that is no rotor window.
    void pointerOffRotors() { wheel_slot_ = 0; }
    // The wheel turned by `delta` (120 a notch) over `under`: it turns only the rotor whose
    // window that is, and what was turned over one rotor does not carry over to another.
    void Wheel(const QWidget* under, int delta);

    void openMachine();
    void closeMachine();
    void takeOutRotor(int slot);
    // One hand turn of a rotor: the step sound, then a step up or down.
    void turnRotor(int slot, bool plus);

    void ModelChanged() override;
    void SeriesChanged() override;
    void KeyChanged() override { SyncRotors(); }
    void MachineOpened() override;
    void MachineClosed() override;

private:
    void Bind();
    // Does what a click on the stack asks; `slot` is the rotor window clicked (0: a plate).
    void Act(cabinet_zones::StackAction action, int slot);
    void SyncRotors();

    ViewHost& host_;
    MachineSession& session_;
    const MachinePictures& pictures_;
    std::function<void()> key_box_wanted_;
    RotorPictures rotors_;
    int wheel_slot_ = 0;
    int wheel_delta_ = 0;  // wheel turn not yet a whole notch
};

}  // namespace q417
