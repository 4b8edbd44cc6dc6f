#include "core/rotors.h"

namespace q417 {

namespace {

using tables::MirrorTable;
// A series' cores as the path meets them: per side (1 normal, 2 turned over: the mirrored
// wiring), core, direction (toward the reflector, back) and offset 0..29 of the core against
// the contacts, the exit contact for each entry contact 1..30. One lookup then carries a
// contact through a rotor; a step only moves the slot to the next offset's row.
using Row = std::array<uint8_t, 32>;
struct alignas(64) SeriesPaths {
    std::array<std::array<std::array<std::array<Row, 30>, 2>, 11>, 3> rows{};
};

constexpr SeriesPaths MakePaths(const tables::CoreRows& cores) {
    SeriesPaths p;
    for (int w = 1; w <= 10; ++w) {
        const ContactTable& wiring = cores[w];
        const ContactTable inverse = Inverse(wiring);
        for (int s = 0; s < 30; ++s)
            for (int a = 1; a <= 30; ++a) {
                const int i = Wrap(a + s);
                const int mi = MirrorTable[i];
                p.rows[1][w][0][s][a] = static_cast<uint8_t>(Wrap(wiring[i] - s));
                p.rows[1][w][1][s][a] = static_cast<uint8_t>(Wrap(inverse[i] - s));
                p.rows[2][w][0][s][a] = static_cast<uint8_t>(Wrap(MirrorTable[inverse[mi]] - s));
                p.rows[2][w][1][s][a] = static_cast<uint8_t>(Wrap(MirrorTable[wiring[mi]] - s));
            }
    }
    return p;
}

// Worked out once, the first time a rotor is wired.
const SeriesPaths& PathsOf(RotorSeries serie) {
    static const SeriesPaths paths3K = MakePaths(tables::Wiring3K);
    static const SeriesPaths paths6K = MakePaths(tables::Wiring6K);
    return serie == RotorSeries::Series3K ? paths3K : paths6K;
}

// Even and odd bodies are sensed at different points of their pin row.
constexpr int32_t SensingOffset(int32_t rotor_number) { return rotor_number % 2 == 0 ? 16 : 19; }

}  // namespace

RotorStack::RotorStack() { SetBasicKey(); }

bool RotorStack::LoadSeries(RotorSeries serie) {
    if (serie == RotorSeries::Series4K) return false;
    loaded_series_ = serie;
    for (int slot = 1; slot <= kSlots; ++slot) Rewire(slot);
    return true;
}

const tables::CoreRows& RotorStack::Wiring() const {
    return loaded_series_ == RotorSeries::Series3K ? tables::Wiring3K : tables::Wiring6K;
}

const tables::PinRows& RotorStack::Pins() const {
    return loaded_series_ == RotorSeries::Series3K ? tables::Pins3K : tables::Pins6K;
}

void RotorStack::Rewire(int slot) {
    const RotorState& r = slots_[slot];
    const SeriesPaths& paths = PathsOf(loaded_series_);
    Wired& w = wired_[slot];
    const int32_t offset = Wrap(r.Position + r.RingSetting - r.CoreSetting + 32) % 30;
    w.forward = paths.rows[r.CoreSide][r.CoreNumber][0][offset].data();
    w.backward = paths.rows[r.CoreSide][r.CoreNumber][1][offset].data();
    w.offset = offset;
    w.sense = Wrap(r.Position + r.RingSetting + SensingOffset(r.RotorNumber));
    w.pins = Pins()[r.RotorNumber].data();
}

// One position on or back: the next or previous offset's row (the rows of one core and
// direction lie in order), and the next or previous point of the pin row.
void RotorStack::TurnUp(Wired& w) {
    constexpr int32_t kRow = sizeof(Row);
    const int32_t rows = w.offset == 29 ? -29 : 1;
    w.offset += rows;
    w.forward += rows * kRow;
    w.backward += rows * kRow;
    w.sense = w.sense == 30 ? 1 : w.sense + 1;
}

void RotorStack::TurnDown(Wired& w) {
    constexpr int32_t kRow = sizeof(Row);
    const int32_t rows = w.offset == 0 ? 29 : -1;
    w.offset += rows;
    w.forward += rows * kRow;
    w.backward += rows * kRow;
    w.sense = w.sense == 1 ? 30 : w.sense - 1;
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
    TurnUp(wired_[slot]);
    if (observer_) observer_->RotorMoved(slot);
}

void RotorStack::StepMinus(int slot) {
    int32_t& p = slots_[slot].Position;
    p = (p <= 1) ? 30 : p - 1;
    TurnDown(wired_[slot]);
    if (observer_) observer_->RotorMoved(slot);
}

void RotorStack::SetBasicKey() {
    for (int i = 1; i <= kSlots; ++i) {
        InitRotor(i, i, 1, i, 1, 1);
        SetPosition(i, i);
    }
}

bool RotorStack::PinAtSensingPoint(int slot) const {
    return wired_[slot].pins[wired_[slot].sense] == 1;
}

// The 32 belongs to the offset: with position, ring and core setting all 1 the shift is
// 33, which is 3 modulo 30, not 0. The entry contact is shifted by the offset, passes the
// core, and the exit is shifted back; the slot's row has all of that worked out.
Contact RotorStack::MapForward(int slot, Contact a) const { return wired_[slot].forward[a]; }

Contact RotorStack::MapBackward(int slot, Contact a) const { return wired_[slot].backward[a]; }

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
    // How far each chain moves: up to and including its first pinned rotor (the driver
    // always moves; the last rotor of a chain is never sensed).
    int odd_moving = length, even_moving = length;
    for (int i = length - 2; i >= 0; --i) {
        if (PinAtSensingPoint(odd[i])) odd_moving = i + 1;
        if (PinAtSensingPoint(even[i])) even_moving = i + 1;
    }
    last_length_ = static_cast<uint8_t>(length);
    last_odd_moving_ = static_cast<uint8_t>(odd_moving);
    last_even_moving_ = static_cast<uint8_t>(even_moving);
    for (int i = 0; i < odd_moving; ++i) StepPlus(odd[i]);
    for (int i = 0; i < even_moving; ++i) StepMinus(even[i]);
}

void RotorStack::UndoLastStep() {
    const bool eight = last_length_ == 4;
    const int* odd = eight ? kOddEight : kOddTen;
    const int* even = eight ? kEvenEight : kEvenTen;
    for (int i = 0; i < last_odd_moving_; ++i) StepMinus(odd[i]);
    for (int i = 0; i < last_even_moving_; ++i) StepPlus(even[i]);
    last_odd_moving_ = last_even_moving_ = 0;
}

void RotorStack::StepRotors() {
    StepChains(kOddTen, kEvenTen, 5);
}

void RotorStack::StepRotorsEight() {
    StepChains(kOddEight, kEvenEight, 4);
}

}  // namespace q417
