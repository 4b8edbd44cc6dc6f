#pragma once
#include <array>
#include <cstdint>

#include "core/contact.h"
#include "core/series_tables.h"
#include "core/settings.h"

namespace q417 {

// One rotor slot: which body, ring and core sit there, how they are set, and where it stands.
struct RotorState {
    int32_t Position = 1;     // angular position 1..30
    int32_t RotorNumber = 1;  // body 1..10: its pin row, and its parity picks the sensing point
    int32_t RingSetting = 1;  // alphabet ring on the body, 1..30
    int32_t CoreNumber = 1;   // wiring core 1..10
    int32_t CoreSide = 1;     // 1 core in normally, 2 turned over
    int32_t CoreSetting = 1;  // offset of the core in the body, 1..30
    bool operator==(const RotorState&) const = default;
};

// Told whenever a slot's rotor moves or is rebuilt, so the pictures can follow.
class RotorObserver {
public:
    virtual ~RotorObserver() = default;
    // The slot's position changed (a step, a hand turn, SetPosition).
    virtual void RotorMoved(int /*slot*/) {}
    // The slot got a new body, ring, core or setting (InitRotor).
    virtual void RotorInitialised(int /*slot*/) {}
};

// The ten rotor slots between the reflector (next to slot 1) and the entry plate, with the
// wiring and pins of the loaded series.
class RotorStack {
public:
    static constexpr int kSlots = 10;

    // Starts with the 6K tables loaded and the basic key, so the path never runs on empty
    // tables even when a settings file names a series that has none.
    RotorStack();

    // Loads the tables of series 3 or 6; any other value loads nothing and returns false,
    // leaving the tables of the earlier load in place.
    bool LoadSeries(RotorSeries serie);
    // The series whose tables are loaded (3 or 6).
    RotorSeries LoadedSeries() const { return loaded_series_; }

    const RotorState& Slot(int slot) const { return slots_[slot]; }
    // Takes back the last StepRotors or StepRotorsEight: every rotor it moved moves one back.
    // Right only while nothing else has moved them since (the trace of a key press uses it on
    // a copy of the stack, to see the positions the press met).
    void UndoLastStep();
    int RotorsInUse() const { return rotors_in_use_; }
    void SetRotorsInUse(int n) { rotors_in_use_ = (n == 8) ? 8 : 10; }

    void SetObserver(RotorObserver* observer) { observer_ = observer; }

    // Puts body, ring, core, side and core setting into a slot and turns the rotor to the
    // position equal to its body number. Values outside their ranges are refused (false).
    bool InitRotor(int slot, int32_t rotor_number, int32_t ring_setting, int32_t core_number,
                   int32_t core_side, int32_t core_setting);
    void SetPosition(int slot, int32_t position);
    void StepPlus(int slot);
    void StepMinus(int slot);
    // Slot i gets body i, ring 1, core i, side 1, core setting 1, at position i.
    void SetBasicKey();

    bool PinAtSensingPoint(int slot) const;
    // One rotor, toward the reflector and back from it.
    Contact MapForward(int slot, Contact a) const;
    Contact MapBackward(int slot, Contact a) const;
    // Through the rotors in use: highest slot down to slot 1, and back.
    Contact RotorStackForward(Contact c) const;
    Contact RotorStackBackward(Contact c) const;

    // Ten-rotor rule (Q-417M, Q417-3MN): odd chain 9,7,5,3,1 up, even chain 2,4,6,8,10 down.
    void StepRotors();
    // Eight-rotor rule (Q417-3MR): chains 7,5,3,1 and 2,4,6,8; slots 9 and 10 stay.
    void StepRotorsEight();

    // The loaded series' tables, for the pictures.
    const tables::PinRows& Pins() const;
    const tables::CoreRows& Wiring() const;

private:
    // What every key press needs of a slot, kept up to date as the slot changes: its wiring in
    // both directions at its offset (position + ring - core setting + 32) mod 30, and the
    // point of its pin row that is at the sensing point.
    struct Wired {
        const uint8_t* forward = nullptr;
        const uint8_t* backward = nullptr;
        const uint8_t* pins = nullptr;  // the body's pin row, points 1..30
        int32_t offset = 0;             // 0..29
        int32_t sense = 1;              // 1..30
    };

    // The chains, driver first: ten-rotor rule and eight-rotor rule.
    static constexpr int kOddTen[5] = {9, 7, 5, 3, 1};
    static constexpr int kEvenTen[5] = {2, 4, 6, 8, 10};
    static constexpr int kOddEight[4] = {7, 5, 3, 1};
    static constexpr int kEvenEight[4] = {2, 4, 6, 8};
    void StepChains(const int* odd, const int* even, int length);

    // What the last step moved: the chains' length (5 or 4, which picks the rule) and how far
    // along each chain it moved.
    uint8_t last_length_ = 0;
    uint8_t last_odd_moving_ = 0;
    uint8_t last_even_moving_ = 0;
    void Rewire(int slot);
    static void TurnUp(Wired& w);
    static void TurnDown(Wired& w);

    std::array<RotorState, kSlots + 1> slots_{};  // slots 1..10
    std::array<Wired, kSlots + 1> wired_{};
    int rotors_in_use_ = 10;
    RotorSeries loaded_series_ = RotorSeries::Series6K;
    RotorObserver* observer_ = nullptr;
};

}  // namespace q417
