#include "app/qt/rotor_stack_view.h"

#include "app/qt/cabinet_zones.h"
#include "app/qt/machine_layout.h"
#include "ui/picture_element.h"
#include "ui/view_host.h"
#include "core/qt/machine_frames.h"

namespace q417 {

namespace {
constexpr int kWheelNotch = 120;  // one notch of an ordinary mouse wheel
}

RotorStackView::RotorStackView(ViewHost& host, const MachinePictures& pictures,
                               std::function<void()> keyBoxWanted)
    : host_(host),
      session_(host.session()),
      pictures_(pictures),
      key_box_wanted_(std::move(keyBoxWanted)),
      rotors_(session_.machine()) {
    ShowEntryFrame(pictures_[Picture::EntryPlate], 1);
    ShowReflectorFrame(pictures_[Picture::Reflector], 1);
    ShowStepper(pictures_[Picture::Stepper], StepperState::Hidden);
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        rotors_.BindControl(slot, &pictures_.rotorWindow(slot));
    Bind();
}

void RotorStackView::Bind() {
    namespace cz = cabinet_zones;
    // What a click does is looked up in the picture's table: on the closed machine the
    // window bands open it and the rotors turn above and below their windows; on the opened
    // one the top edges close it and a rotor window takes its rotor out.
    auto up = [this](Picture p, auto zones, int slot) {
        pictures_[p].onMouseUp = [this, zones, slot](int x, int y, Qt::MouseButton) {
            Guarded(host_, [&] {
                const auto action = cz::StackActionAt(zones, session_.state().MachineClosed, x, y);
                if (action) Act(*action, slot);
            });
        };
    };
    up(Picture::EntryPlate, cz::kPlate, 0);
    up(Picture::Reflector, cz::kPlate, 0);
    up(Picture::Cover, cz::kCover, 0);
    // The stack's empty slots: an assembled rotor goes in at the next one.
    pictures_[Picture::Stepper].onMouseUp = [this](int, int, Qt::MouseButton) {
        session_.InsertRotor();
    };
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        PictureElement& window = pictures_.rotorWindow(slot);
        window.onMouseMove = [this, slot](int, int) { wheel_slot_ = slot; };
        up(RotorWindow(slot), cz::kRotorWindow, slot);
    }
}

void RotorStackView::Act(cabinet_zones::StackAction action, int slot) {
    using cabinet_zones::StackAction;
    switch (action) {
        case StackAction::OpenMachine:
            openMachine();
            break;
        case StackAction::CloseMachine:
            closeMachine();
            break;
        case StackAction::TurnBack:
            turnRotor(slot, false);
            break;
        case StackAction::TurnOn:
            turnRotor(slot, true);
            break;
        case StackAction::TakeOutRotor:
            takeOutRotor(slot);
            break;
    }
}

void RotorStackView::Wheel(const QWidget* under, int delta) {
    Picture p{};
    const int slot = under && pictures_.Find(under, p) ? RotorSlotOf(p) : 0;
    if (slot != wheel_slot_) wheel_delta_ = 0;
    wheel_slot_ = slot;
    if (wheel_slot_ == 0) return;
    wheel_delta_ += delta;
    Guarded(host_, [&] {
        for (; wheel_delta_ >= kWheelNotch; wheel_delta_ -= kWheelNotch)
            turnRotor(wheel_slot_, false);
        for (; wheel_delta_ <= -kWheelNotch; wheel_delta_ += kWheelNotch)
            turnRotor(wheel_slot_, true);
    });
}

void RotorStackView::openMachine() {
    key_box_wanted_();
    session_.OpenMachine();
}

void RotorStackView::closeMachine() {
    key_box_wanted_();
    host_.reportRefusal(session_.CloseMachine());
}

void RotorStackView::takeOutRotor(int slot) {
    key_box_wanted_();
    session_.TakeOutRotor(slot);
}

void RotorStackView::turnRotor(int slot, bool plus) {
    session_.TurnRotor(slot, plus);
}

void RotorStackView::ModelChanged() {
    const MachineSettings& s = session_.settings();
    pictures_.rotorWindow(9).setVisible(s.Machine != Model::Q417_3MR);
    pictures_.rotorWindow(10).setVisible(s.Machine != Model::Q417_3MR);
    pictures_[Picture::Cover].setVisible(s.Machine == Model::Q417_3MR);
    if (s.Machine == Model::Q417_3MR) ShowCover(pictures_[Picture::Cover], true);  // drawn once it shows
}

// The rotor strips follow the series.
void RotorStackView::SeriesChanged() {
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) rotors_.BuildRotorStrip(slot);
}

void RotorStackView::MachineOpened() {
    ShowReflectorFrame(pictures_[Picture::Reflector], 3);
    ShowEntryFrame(pictures_[Picture::EntryPlate], 3);
    ShowStepper(pictures_[Picture::Stepper], StepperState::Open);
    ShowCover(pictures_[Picture::Cover], false);
}

void RotorStackView::MachineClosed() {
    ShowReflectorFrame(pictures_[Picture::Reflector], 1);
    ShowEntryFrame(pictures_[Picture::EntryPlate], 1);
    ShowStepper(pictures_[Picture::Stepper], StepperState::Hidden);
    if (session_.settings().Machine == Model::Q417_3MR) ShowCover(pictures_[Picture::Cover], true);
    SyncRotors();
}

// The rotors in use are shown when the machine is closed; in the open machine only the
// filled slots. The Q417-3MR never shows slots 9 and 10.
void RotorStackView::SyncRotors() {
    const Machine& m = session_.machine();
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        const bool in_use = slot <= m.rotors.RotorsInUse();
        const bool shown = in_use && (m.state.MachineClosed || session_.work().SlotFilled(slot));
        if (shown)
            rotors_.ShowRotor(slot);
        else
            rotors_.HideRotor(slot);
    }
}

}  // namespace q417
