#pragma once
#include <cstdint>

#include "core/contact.h"
#include "core/output_stage.h"
#include "core/rotors.h"
#include "core/settings.h"
#include "key/card.h"

namespace q417 {

class KeyPressTracer;

// Run-time state of the key-press cycle, shared with keyboard, printer and feed.
struct CycleState {
    Contact InputContact = 0;      // contact of the key being pressed, 0..31
    Contact OutputContact = 0;     // contact the last cycle produced, 0..31
    bool MachineClosed = true;     // rotors in place, machine closed for work
    bool InputTextLoaded = false;  // a loaded text is being fed (no echo)
    bool AutoRun = false;          // the start key holds the machine running
    int32_t PrintRegister = 1;     // printer register: 1 letters, 2 figures
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

    // While a tracer watches (none by default), every key press is traced stage by stage
    // before its path runs and handed to the tracer when the cycle is over. Without one the
    // cycle pays a single test for it.
    void SetTracer(KeyPressTracer* tracer) { tracer_ = tracer; }
    KeyPressTracer* Tracer() const { return tracer_; }

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
    Contact SignalPath(Contact k, bool decipher) const;
    Contact FullPath(Contact k, const ContactTable& reflector) const;
    Contact LoopPath(Contact k, const ContactTable& map, const ContactTable& map_inverse,
                     const ContactTable& reflector, const ContactTable& loop_forward,
                     const ContactTable& loop_backward) const;

    OutputStage null_stage_;
    OutputStage* output_ = &null_stage_;
    KeyPressTracer* tracer_ = nullptr;
};

}  // namespace q417
