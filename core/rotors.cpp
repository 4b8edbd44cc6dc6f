#include "core/rotors.h"

namespace q417 {

namespace {

using tables::MirrorTable;
using DoubledRow = std::array<int32_t, 61>;

// A series' cores written out for the path: per side (1 normal, 2 turned over: the mirrored
// wiring) and core, the exit contact toward the reflector and back, for entry contacts 1..60.
struct SeriesPaths {
    std::array<std::array<DoubledRow, 11>, 3> forward{};
    std::array<std::array<DoubledRow, 11>, 3> backward{};
};

constexpr SeriesPaths MakePaths(const tables::CoreRows& cores) {
    SeriesPaths p;
    for (int w = 1; w <= 10; ++w) {
        const ContactTable& wiring = cores[w];
        const ContactTable inverse = Inverse(wiring);
        for (int i = 1; i <= 60; ++i) {
            const int j = Wrap(i);
            p.forward[1][w][i] = wiring[j];
            p.backward[1][w][i] = inverse[j];
            p.forward[2][w][i] = MirrorTable[inverse[MirrorTable[j]]];
            p.backward[2][w][i] = MirrorTable[wiring[MirrorTable[j]]];
        }
    }
    return p;
}

constexpr SeriesPaths kPaths3K = MakePaths(tables::Wiring3K);
constexpr SeriesPaths kPaths6K = MakePaths(tables::Wiring6K);

// Even and odd bodies are sensed at different points of their pin row.
constexpr int32_t SensingOffset(int32_t rotor_number) { return rotor_number % 2 == 0 ? 16 : 19; }

}  // namespace

RotorStack::RotorStack() { SetBasicKey(); }

bool RotorStack::LoadSeries(int32_t serie) {
    if (serie != 3 && serie != 6) return false;
    loaded_series_ = serie;
    for (int slot = 1; slot <= kSlots; ++slot) Rewire(slot);
    return true;
}

const tables::CoreRows& RotorStack::Wiring() const {
    return loaded_series_ == 3 ? tables::Wiring3K : tables::Wiring6K;
}

const tables::PinRows& RotorStack::Pins() const {
    return loaded_series_ == 3 ? tables::Pins3K : tables::Pins6K;
}

void RotorStack::Rewire(int slot) {
    const RotorState& r = slots_[slot];
    const SeriesPaths& paths = loaded_series_ == 3 ? kPaths3K : kPaths6K;
    Wired& w = wired_[slot];
    w.forward = paths.forward[r.CoreSide][r.CoreNumber].data();
    w.backward = paths.backward[r.CoreSide][r.CoreNumber].data();
    w.offset = Wrap(r.Position + r.RingSetting - r.CoreSetting + 32) % 30;
    w.sense = Wrap(r.Position + r.RingSetting + SensingOffset(r.RotorNumber));
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
    Rewire(slot);
    if (observer_) observer_->RotorInitialised(slot);
    return true;
}

void RotorStack::SetPosition(int slot, int32_t position) {
    slots_[slot].Position = Wrap(position);
    Rewire(slot);
    if (observer_) observer_->RotorMoved(slot);
}

void RotorStack::StepPlus(int slot) {
    int32_t& p = slots_[slot].Position;
    p = (p >= 30) ? 1 : p + 1;
    Wired& w = wired_[slot];
    w.offset = w.offset == 29 ? 0 : w.offset + 1;
    w.sense = w.sense == 30 ? 1 : w.sense + 1;
    if (observer_) observer_->RotorMoved(slot);
}

void RotorStack::StepMinus(int slot) {
    int32_t& p = slots_[slot].Position;
    p = (p <= 1) ? 30 : p - 1;
    Wired& w = wired_[slot];
    w.offset = w.offset == 0 ? 29 : w.offset - 1;
    w.sense = w.sense == 1 ? 30 : w.sense - 1;
    if (observer_) observer_->RotorMoved(slot);
}

void RotorStack::SetBasicKey() {
    for (int i = 1; i <= kSlots; ++i) {
        InitRotor(i, i, 1, i, 1, 1);
        SetPosition(i, i);
    }
}

bool RotorStack::PinAtSensingPoint(int slot) const {
    return Pins()[slots_[slot].RotorNumber][wired_[slot].sense] == 1;
}

// The 32 belongs to the offset: with position, ring and core setting all 1 the shift is
// 33, which is 3 modulo 30, not 0. The entry contact is shifted by the offset, passes the
// core, and the exit is shifted back.
Contact RotorStack::MapForward(int slot, Contact a) const {
    const Wired& w = wired_[slot];
    const int32_t r = w.forward[a + w.offset] - w.offset;
    return r <= 0 ? r + 30 : r;
}

Contact RotorStack::MapBackward(int slot, Contact a) const {
    const Wired& w = wired_[slot];
    const int32_t r = w.backward[a + w.offset] - w.offset;
    return r <= 0 ? r + 30 : r;
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
