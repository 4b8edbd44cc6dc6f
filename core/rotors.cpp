#include "core/rotors.h"

namespace q417 {

using tables::MirrorTable;

RotorStack::RotorStack() {
    LoadSeries(6);
    SetBasicKey();
}

bool RotorStack::LoadSeries(int32_t serie) {
    if (serie == 3) {
        wiring_ = &tables::Wiring3K;
        pins_ = &tables::Pins3K;
    } else if (serie == 6) {
        wiring_ = &tables::Wiring6K;
        pins_ = &tables::Pins6K;
    } else {
        return false;
    }
    loaded_series_ = serie;
    for (int w = 1; w <= 10; ++w) {
        const ContactTable& wiring = (*wiring_)[w];
        const ContactTable inverse = Inverse(wiring);
        forward_[1][w] = wiring;
        backward_[1][w] = inverse;
        for (int i = 1; i <= 30; ++i) {
            forward_[2][w][i] = MirrorTable[inverse[MirrorTable[i]]];
            backward_[2][w][i] = MirrorTable[wiring[MirrorTable[i]]];
        }
    }
    return true;
}

bool RotorStack::InitRotor(int slot, int32_t rotor_number, int32_t ring_setting,
                           int32_t core_number, int32_t core_side, int32_t core_setting) {
    auto in = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };
    if (!in(slot, 1, kSlots) || !in(rotor_number, 1, 10) || !in(ring_setting, 1, 30) ||
        !in(core_number, 1, 10) || !in(core_side, 1, 2) || !in(core_setting, 1, 30))
        return false;
    RotorState& r = slots_[slot];
    r.RotorNumber = rotor_number;
    r.RingSetting = ring_setting;
    r.CoreNumber = core_number;
    r.CoreSide = core_side;
    r.CoreSetting = core_setting;
    r.Position = rotor_number;
    if (observer_) observer_->RotorInitialised(slot);
    return true;
}

void RotorStack::SetPosition(int slot, int32_t position) {
    slots_[slot].Position = Wrap(position);
    Moved(slot);
}

void RotorStack::StepPlus(int slot) {
    int32_t& p = slots_[slot].Position;
    p = (p >= 30) ? 1 : p + 1;
    Moved(slot);
}

void RotorStack::StepMinus(int slot) {
    int32_t& p = slots_[slot].Position;
    p = (p <= 1) ? 30 : p - 1;
    Moved(slot);
}

void RotorStack::SetBasicKey() {
    for (int i = 1; i <= kSlots; ++i) {
        InitRotor(i, i, 1, i, 1, 1);
        SetPosition(i, i);
    }
}

bool RotorStack::PinAtSensingPoint(int slot) const {
    const RotorState& r = slots_[slot];
    // Even and odd bodies are sensed at different points of their pin row.
    const int32_t k = Wrap(r.Position + r.RingSetting + (r.RotorNumber % 2 == 0 ? 16 : 19));
    return (*pins_)[r.RotorNumber][k] == 1;
}

// The 32 belongs to the offset: with position, ring and core setting all 1 the shift is
// 33, which is 3 modulo 30, not 0.
Contact RotorStack::MapForward(int slot, Contact a) const {
    const RotorState& r = slots_[slot];
    const int32_t s = r.Position + r.RingSetting - r.CoreSetting + 32;
    const int32_t e = forward_[r.CoreSide][r.CoreNumber][Wrap(a + s)];
    return Wrap(e - s);
}

Contact RotorStack::MapBackward(int slot, Contact a) const {
    const RotorState& r = slots_[slot];
    const int32_t s = r.Position + r.RingSetting - r.CoreSetting + 32;
    const int32_t e = backward_[r.CoreSide][r.CoreNumber][Wrap(a + s)];
    return Wrap(e - s);
}

Contact RotorStack::RotorStackForward(Contact c) const {
    for (int slot = rotors_in_use_; slot >= 1; --slot) c = MapForward(slot, c);
    return c;
}

Contact RotorStack::RotorStackBackward(Contact c) const {
    for (int slot = 1; slot <= rotors_in_use_; ++slot) c = MapBackward(slot, c);
    return c;
}

// Every pin is sensed before anything moves: the pin a moving rotor brings to its sensing
// point counts only at the next key press. A pin holds back every later rotor of its chain.
void RotorStack::StepChains(const int* odd, const int* even, int length) {
    bool hold_odd[5] = {}, hold_even[5] = {};
    for (int i = 0; i + 1 < length; ++i) {
        hold_odd[i + 1] = hold_odd[i] || PinAtSensingPoint(odd[i]);
        hold_even[i + 1] = hold_even[i] || PinAtSensingPoint(even[i]);
    }
    for (int i = 0; i < length; ++i)
        if (!hold_odd[i]) StepPlus(odd[i]);
    for (int i = 0; i < length; ++i)
        if (!hold_even[i]) StepMinus(even[i]);
}

void RotorStack::StepRotors() {
    static constexpr int kOdd[5] = {9, 7, 5, 3, 1};
    static constexpr int kEven[5] = {2, 4, 6, 8, 10};
    StepChains(kOdd, kEven, 5);
}

void RotorStack::StepRotorsEight() {
    static constexpr int kOdd[4] = {7, 5, 3, 1};
    static constexpr int kEven[4] = {2, 4, 6, 8};
    StepChains(kOdd, kEven, 4);
}

}  // namespace q417
