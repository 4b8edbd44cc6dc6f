#include "core/trace.h"

#include "core/machine.h"
#include "core/signal_path.h"

namespace q417 {

namespace {

// Writes every stage the walker passes into the trace.
class TraceRecorder {
public:
    static constexpr bool kRecords = true;
    explicit TraceRecorder(KeyPressTrace& trace) : t_(trace) {}
    Contact Add(TraceStage stage, Contact c, int slot = 0) {
        t_.points.push_back({stage, static_cast<uint8_t>(slot), static_cast<uint8_t>(pass_), c});
        return c;
    }
    void Pass(bool forward, int pass) {
        pass_ = pass;
        (forward ? t_.forward_passes : t_.backward_passes) = pass;
    }

private:
    KeyPressTrace& t_;
    int pass_ = 1;
};

// The trace of `input` pressed on a machine with these parts, in state `st`, the rotors
// standing as `rotors` does.
void Trace(const MachineSettings& s, const PunchCard& card, RotorStack rotors,
           const CycleState& st, Contact input, KeyPressTrace& trace) {
    rotors.SetObserver(nullptr);
    trace.input = input;
    trace.machine = s.Machine;
    trace.rotors_in_use = rotors.RotorsInUse();
    trace.decipher = s.Rod == Work::Decipher;
    trace.path_case = PathCaseFor(s);
    trace.points.clear();
    trace.forward_passes = trace.backward_passes = 0;

    TraceRecorder record(trace);
    const Contact out =
        CycleOutput(PathParts{s, card, rotors}, st, PathKey(s, input), st.OutputContact, record);
    trace.output = out;

    const bool shifts = s.Machine != Model::Q417M && s.Mode == RegisterMode::Mixed;
    trace.printed = !(shifts && (out == 20 || out == 7));
    trace.print_register = !shifts     ? st.PrintRegister
                           : out == 20 ? 2
                           : out == 7  ? 1
                                       : st.PrintRegister;

    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) trace.rotors[slot] = rotors.Slot(slot);
    if (s.Rod != Work::Plain && st.MachineClosed) {
        if (s.Machine == Model::Q417_3MR)
            rotors.StepRotorsEight();
        else
            rotors.StepRotors();
    }
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        trace.positions_after[slot] = rotors.Slot(slot).Position;
}

}  // namespace

void TraceKeyPress(const Machine& m, Contact input, KeyPressTrace& trace) {
    Trace(m.settings, m.card, m.rotors, m.state, input, trace);
}

KeyPressTrace TraceKeyPress(const Machine& machine, Contact input) {
    KeyPressTrace trace;
    TraceKeyPress(machine, input, trace);
    return trace;
}

void TraceLastKeyPress(const Machine& m, KeyPressTrace& trace) {
    const KeyPressMemory& last = m.LastKeyPress();
    RotorStack rotors = m.rotors;
    rotors.SetObserver(nullptr);
    // The positions the press met: its own step taken back.
    if (m.settings.Rod != Work::Plain && last.state.MachineClosed) rotors.UndoLastStep();
    Trace(m.settings, m.card, rotors, last.state, last.input, trace);
}

}  // namespace q417
