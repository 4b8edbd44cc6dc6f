#pragma once
#include <array>
#include <cstdint>

#include "core/contact.h"
#include "core/output_stage.h"
#include "core/rotors.h"
#include "core/settings.h"
#include "key/card.h"

namespace q417 {

// Run-time state of the key-press cycle, shared with keyboard, printer and feed.
struct CycleState {
    Contact InputContact = 0;      // contact of the key being pressed, 0..31
    Contact OutputContact = 0;     // contact the last cycle produced, 0..31
    bool MachineClosed = true;     // rotors in place, machine closed for work
    bool InputTextLoaded = false;  // a loaded text is being fed (no echo)
    bool AutoRun = false;          // the start key holds the machine running
    int32_t PrintRegister = 1;     // printer register: 1 letters, 2 figures
};

// What a key press met, kept by the cycle so that its path can be traced afterwards.
struct KeyPressMemory {
    uint64_t count = 0;  // key presses so far: which press this is
    Contact input = 0;   // InputContact as the keyboard or the feed gave it
    CycleState state;    // the cycle state before the press
};

// Which wiring the path takes, from the model, the alphabet and the plug.
enum class PathCase { Full, LatinPlug, Module10, None };
PathCase PathCaseFor(const MachineSettings& s);

// The machine's electrical and mechanical core: settings, rotor stack, key card and the
// key-press cycle that ties them to the printer.
class Machine {
public:
    Machine() = default;

    MachineSettings settings;
    RotorStack rotors;
    PunchCard card;
    CycleState state;

    // The printer, punch and counter the cycle hands its results to (none: discarded).
    void SetOutputStage(OutputStage* stage) { output_ = stage ? stage : &null_stage_; }
    OutputStage& Output() { return *output_; }

    // The last key press, as it met the machine (count 0: none yet).
    const KeyPressMemory& LastKeyPress() const { return last_press_; }

    // Makes the settings consistent (defaults for values out of range, the Q-417M's fixed
    // module, plug and mode) and sets the rotors in use of the model.
    void ApplySettings();

    // The state a start brings the machine to for the current settings: the settings made
    // consistent, the 6K tables and then those of the configured series (a series without
    // tables keeps the 6K ones), the basic key, the diagonal card, the machine closed and the
    // printer in the register of its mode.
    void StartUp();

    // One key press of InputContact: echo, signal path, print, punch, step, count.
    void KeyPressCycle();

    Contact SignalPathEncipher(Contact k) const;
    Contact SignalPathDecipher(Contact k) const;

private:
    OutputStage null_stage_;
    OutputStage* output_ = &null_stage_;
    KeyPressMemory last_press_;
};

}  // namespace q417
