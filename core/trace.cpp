#include "core/trace.h"

#include "core/machine.h"
#include "core/signal_tables.h"

namespace q417 {

namespace {

namespace t = tables;

// The same bound as the cycle's: a loop longer than any permutation cycle means a card that
// is no permutation, and the signal is lost.
constexpr int kMaxPasses = 32;

// Follows the current stage by stage with the machine's own stage functions, writing down
// the contact after each. Each path returns the contact it gives, 0 when the signal is lost.
class PathTracer {
public:
    PathTracer(const Machine& m, KeyPressTrace& trace) : m_(m), t_(trace) {}

    Contact Full(Contact k, const ContactTable& reflector) {
        t_.forward_passes = t_.backward_passes = 1;
        Add(TraceStage::Key, k);
        Contact c = Add(TraceStage::KeyMap, t::KeyMapFull[k]);
        if ((c = Add(TraceStage::Card, m_.card.CardForward(c))) == 0) return 0;
        c = Add(TraceStage::Reflector,
                reflector[Forward(Add(TraceStage::Entry, t::EntryWiring[c]))]);
        c = Add(TraceStage::EntryBack, t::EntryWiringInverse[Backward(c)]);
        if ((c = Add(TraceStage::CardBack, m_.card.CardInverse(c))) == 0) return 0;
        return Add(TraceStage::Exit, t::KeyMapFullInverse[c]);
    }

    Contact Loop(Contact k, const ContactTable& map, const ContactTable& map_inverse,
                 const ContactTable& reflector, const ContactTable& loop_forward,
                 const ContactTable& loop_backward) {
        Add(TraceStage::Key, k);
        Contact c = Add(TraceStage::KeyMap, map[k]);
        if (c == 0) return 0;  // a disconnected key, or one outside the ten-key alphabet
        Contact x = 0;
        for (pass_ = 1; x == 0 && pass_ <= kMaxPasses; ++pass_) {
            t_.forward_passes = pass_;
            if ((c = Add(TraceStage::Card, m_.card.CardForward(c))) == 0) return 0;
            const Contact y = Forward(Add(TraceStage::Entry, t::EntryWiring[c]));
            if ((x = reflector[y]) != 0)
                Add(TraceStage::Reflector, x);
            else if ((c = Add(TraceStage::LoopForward, loop_forward[y])) == 0)
                return 0;
        }
        if (x == 0) return Add(TraceStage::Lost, 0);
        for (pass_ = 1; pass_ <= kMaxPasses; ++pass_) {
            t_.backward_passes = pass_;
            c = Add(TraceStage::EntryBack, t::EntryWiringInverse[Backward(x)]);
            if ((c = Add(TraceStage::CardBack, m_.card.CardInverse(c))) == 0) return 0;
            if (map_inverse[c] > 0) return Add(TraceStage::Exit, map_inverse[c]);
            if ((x = Add(TraceStage::LoopBackward, loop_backward[c])) == 0) return 0;
        }
        return Add(TraceStage::Lost, 0);
    }

private:
    Contact Add(TraceStage stage, Contact c, int slot = 0) {
        t_.points.push_back({stage, static_cast<uint8_t>(slot), static_cast<uint8_t>(pass_), c});
        return c;
    }
    // Through the rotors in use toward the reflector, highest slot first, and back.
    Contact Forward(Contact c) {
        for (int slot = m_.rotors.RotorsInUse(); slot >= 1; --slot)
            c = Add(TraceStage::RotorForward, m_.rotors.MapForward(slot, c), slot);
        return c;
    }
    Contact Backward(Contact c) {
        for (int slot = 1; slot <= m_.rotors.RotorsInUse(); ++slot)
            c = Add(TraceStage::RotorBackward, m_.rotors.MapBackward(slot, c), slot);
        return c;
    }

    const Machine& m_;
    KeyPressTrace& t_;
    int pass_ = 1;
};

Contact TracePath(const Machine& m, Contact k, bool decipher, KeyPressTrace& trace) {
    if (k < 1 || k > 30) return 0;
    PathTracer path(m, trace);
    switch (trace.path_case) {
        case PathCase::Full:
            return path.Full(k, decipher ? t::ReflectorFullDec : t::ReflectorFullEnc);
        case PathCase::LatinPlug:
            return path.Loop(k, t::KeyMapPlug2, t::KeyMapPlug2Inverse,
                             decipher ? t::ReflectorPlug2Dec : t::ReflectorPlug2Enc,
                             t::LoopForwardPlug2, t::LoopBackwardPlug2);
        case PathCase::Module10:
            return path.Loop(k, t::KeyMapModule10, t::KeyMapModule10Inverse,
                             decipher ? t::ReflectorModule10Dec : t::ReflectorModule10Enc,
                             t::LoopForwardModule10, t::LoopBackwardModule10);
        case PathCase::None:
            break;  // no wiring: the key's contact goes to the printer as it is
    }
    return k;
}

}  // namespace

void TraceKeyPress(const Machine& m, Contact input, KeyPressTrace& trace) {
    const MachineSettings& s = m.settings;
    const CycleState& st = m.state;
    trace.input = input;
    trace.machine = s.Machine;
    trace.rotors_in_use = m.rotors.RotorsInUse();
    trace.decipher = s.Rod == 2;
    trace.path_case = PathCaseFor(s);
    trace.points.clear();
    trace.forward_passes = trace.backward_passes = 0;

    Contact out = st.OutputContact;  // an unknown kind of work keeps the last output
    if (s.Rod == 0) {
        out = input;
    } else if (s.Rod == 1 || s.Rod == 2) {
        const Contact k = s.Rod == 1 && input == kSpaceBar ? 30 : input;
        if (s.Module == 10 && st.AutoRun && !st.InputTextLoaded)
            out = 0;
        else if (st.MachineClosed)
            out = TracePath(m, k, trace.decipher, trace);
        else
            out = 0;
        if (s.Rod == 2 && out == 30) out = kSpaceBar;
    }
    trace.output = out;

    const bool shifts = s.Machine > 0 && s.Mode == 2;
    trace.printed = !(shifts && (out == 20 || out == 7));
    trace.print_register = !shifts     ? st.PrintRegister
                           : out == 20 ? 2
                           : out == 7  ? 1
                                       : st.PrintRegister;

    RotorStack rotors = m.rotors;
    rotors.SetObserver(nullptr);
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) trace.rotors[slot] = rotors.Slot(slot);
    if (s.Rod != 0 && st.MachineClosed) {
        if (s.Machine == 2)
            rotors.StepRotorsEight();
        else
            rotors.StepRotors();
    }
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        trace.positions_after[slot] = rotors.Slot(slot).Position;
}

KeyPressTrace TraceKeyPress(const Machine& machine, Contact input) {
    KeyPressTrace trace;
    TraceKeyPress(machine, input, trace);
    return trace;
}

}  // namespace q417
