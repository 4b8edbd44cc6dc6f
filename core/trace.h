#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/contact.h"
#include "core/rotors.h"

namespace q417 {

class Machine;
enum class PathCase;

// The places the current passes on its way from the key to the printer, in the order of a
// key press: keyboard map, card, entry plate and the rotors toward the reflector, then back
// through the rotors, entry plate, card and keyboard map. The loop-back wiring of the Latin
// plug and of the ten-key alphabet sends the current through the card or the rotors again.
enum class TraceStage : uint8_t {
    Key,            // the key's contact as the path takes it (a space enciphered on 30)
    KeyMap,         // keyboard map to the card's row
    Card,           // the card's column for that row
    Entry,          // entry plate
    RotorForward,   // one rotor toward the reflector (slot given)
    Reflector,      // the reflector turns the current back
    LoopForward,    // reflector contact unconnected: loop wiring back to a card row no key uses
    RotorBackward,  // one rotor back from the reflector (slot given)
    EntryBack,      // entry plate, inverse
    CardBack,       // the card's row for that column
    LoopBackward,   // card row no key reaches: loop wiring to a reflector-side contact
    Exit,           // keyboard map, inverse: the contact that goes to the printer
    Lost,           // a loop that never reaches a key (a card that is no permutation)
};

// One stage passed: the contact the current stands on after it. Pass counts the passes
// through the loop-back wiring, 1 for the first.
struct TracePoint {
    TraceStage stage = TraceStage::Key;
    uint8_t slot = 0;  // rotor slot 1..10 for the rotor stages, else 0
    uint8_t pass = 1;
    Contact contact = 0;
    bool operator==(const TracePoint&) const = default;
};

// Everything one key press does, worked out beforehand from the machine as it stands.
struct KeyPressTrace {
    Contact input = 0;    // the pressed contact as the keyboard or the feed gives it
    Model machine = Model::Q417_3MN;  // the model (Machine), which picks the printer's characters
    int rotors_in_use = 10;
    bool decipher = false;  // the decipher reflector is used
    PathCase path_case{};   // which wiring the path takes
    // The stages in the order the current passes them; empty when the current does not pass
    // the rotors (plain typing, machine open, the ten-key run without text, the ten-key
    // alphabet with the Latin plug, which has no wiring).
    std::vector<TracePoint> points;
    int forward_passes = 0;      // passes toward the reflector (more than 1: loop-back)
    int backward_passes = 0;     // passes back from it
    Contact output = 0;          // OutputContact after the cycle (31 prints a space)
    bool printed = true;         // false for a register shift, which prints nothing
    int32_t print_register = 1;  // the printer's register after the cycle
    // Slots 1..10 (entry 0 unused) as they stood for the key press, and their positions
    // after its step.
    std::array<RotorState, 11> rotors{};
    std::array<int32_t, 11> positions_after{};

    // The contact the path gives (its last stage), or the output when there is no path.
    Contact PathResult() const { return points.empty() ? output : points.back().contact; }
};

// Works out what pressing `input` on `machine` would do, without touching the machine: the
// same decisions as its key-press cycle, stage by stage. `into` is reused, so a caller that
// traces every key press allocates only once.
void TraceKeyPress(const Machine& machine, Contact input, KeyPressTrace& into);
KeyPressTrace TraceKeyPress(const Machine& machine, Contact input);

// The trace of the machine's last key press (its LastKeyPress), worked out afterwards from
// what the press met: valid while the settings, the card and the rotors are as the press left
// them (a verb that changes any of them first keeps the trace, see MachineSession).
void TraceLastKeyPress(const Machine& machine, KeyPressTrace& into);

}  // namespace q417
