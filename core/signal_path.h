#pragma once
#include "core/machine.h"
#include "core/signal_tables.h"
#include "core/trace.h"

namespace q417 {

// The one walk of the current from a key to the printer. The key-press cycle walks it with a
// recorder that writes nothing (every call below vanishes when it is compiled), the trace with
// one that writes every stage down: so what the signal-path panel shows is, by construction,
// what the cycle did.
//
// A recorder has: `Contact Add(TraceStage, Contact, int slot = 0)` (returns the contact),
// `void Pass(bool forward, int pass)`, and `static constexpr bool kRecords`.
struct NoRecorder {
    static constexpr bool kRecords = false;
    Contact Add(TraceStage, Contact c, int = 0) { return c; }
    void Pass(bool, int) {}
};

// What the path needs of the machine: the settings pick the wiring, the card and the rotors
// carry the current.
struct PathParts {
    const MachineSettings& settings;
    const PunchCard& card;
    const RotorStack& rotors;
};

template <class Recorder>
class SignalWalker {
public:
    SignalWalker(const PathParts& parts, Recorder& rec) : m_(parts), rec_(rec) {}

    // The path of contact k (1..30) through the wiring of the settings; 0 when the signal is
    // lost. Without wiring (the ten-key alphabet with the Latin plug) the key's contact goes
    // to the printer as it is.
    Contact Walk(Contact k, bool decipher) {
        namespace t = tables;
        if (k < 1 || k > 30) return 0;
        switch (PathCaseFor(m_.settings)) {
            case PathCase::Full:
                return Full(k, decipher ? t::ReflectorFullDec : t::ReflectorFullEnc);
            case PathCase::LatinPlug:
                return Loop(k, t::KeyMapPlug2, t::KeyMapPlug2Inverse,
                            decipher ? t::ReflectorPlug2Dec : t::ReflectorPlug2Enc,
                            t::LoopForwardPlug2, t::LoopBackwardPlug2);
            case PathCase::Module10:
                return Loop(k, t::KeyMapModule10, t::KeyMapModule10Inverse,
                            decipher ? t::ReflectorModule10Dec : t::ReflectorModule10Enc,
                            t::LoopForwardModule10, t::LoopBackwardModule10);
            case PathCase::None:
                break;
        }
        return k;
    }

private:
    // A permutation cycle through the loop-back contacts is at most 30 long; a longer run
    // means the card is not a permutation, and the signal is treated as lost.
    static constexpr int kMaxPasses = 32;

    // An incomplete card (possible while the editor is open) leaves holes that lead nowhere:
    // wherever a stage gives 0 the signal is lost and the path gives 0.
    Contact Full(Contact k, const ContactTable& reflector) {
        namespace t = tables;
        rec_.Pass(true, 1);
        rec_.Pass(false, 1);
        rec_.Add(TraceStage::Key, k);
        Contact c = rec_.Add(TraceStage::KeyMap, t::KeyMapFull[k]);
        if ((c = rec_.Add(TraceStage::Card, m_.card.CardForward(c))) == 0) return 0;
        c = rec_.Add(TraceStage::Reflector,
                     reflector[Forward(rec_.Add(TraceStage::Entry, t::EntryWiring[c]))]);
        c = rec_.Add(TraceStage::EntryBack, t::EntryWiringInverse[Backward(c)]);
        if ((c = rec_.Add(TraceStage::CardBack, m_.card.CardInverse(c))) == 0) return 0;
        return rec_.Add(TraceStage::Exit, t::KeyMapFullInverse[c]);
    }

    // The Latin plug and the ten-key alphabet leave contacts unused; the loop-back wiring
    // sends a signal that meets an unconnected reflector contact through the stack again by
    // a contact no key uses, until it comes out on a key. The rotors do not move meanwhile.
    Contact Loop(Contact k, const ContactTable& map, const ContactTable& map_inverse,
                 const ContactTable& reflector, const ContactTable& loop_forward,
                 const ContactTable& loop_backward) {
        namespace t = tables;
        rec_.Add(TraceStage::Key, k);
        Contact c = rec_.Add(TraceStage::KeyMap, map[k]);
        if (c == 0) return 0;  // a disconnected key, or one outside the ten-key alphabet
        Contact x = 0;
        for (pass_ = 1; x == 0 && pass_ <= kMaxPasses; ++pass_) {
            rec_.Pass(true, pass_);
            if ((c = rec_.Add(TraceStage::Card, m_.card.CardForward(c))) == 0) return 0;
            const Contact y = Forward(rec_.Add(TraceStage::Entry, t::EntryWiring[c]));
            if ((x = reflector[y]) != 0)
                rec_.Add(TraceStage::Reflector, x);
            else if ((c = rec_.Add(TraceStage::LoopForward, loop_forward[y])) == 0)
                return 0;
        }
        if (x == 0) return rec_.Add(TraceStage::Lost, 0);
        for (pass_ = 1; pass_ <= kMaxPasses; ++pass_) {
            rec_.Pass(false, pass_);
            c = rec_.Add(TraceStage::EntryBack, t::EntryWiringInverse[Backward(x)]);
            if ((c = rec_.Add(TraceStage::CardBack, m_.card.CardInverse(c))) == 0) return 0;
            if (map_inverse[c] > 0) return rec_.Add(TraceStage::Exit, map_inverse[c]);
            if ((x = rec_.Add(TraceStage::LoopBackward, loop_backward[c])) == 0) return 0;
        }
        return rec_.Add(TraceStage::Lost, 0);
    }

    // Through the rotors in use toward the reflector, highest slot first, and back. Without
    // a record the stack's own loop does it in one go.
    Contact Forward(Contact c) {
        if constexpr (!Recorder::kRecords) return m_.rotors.RotorStackForward(c);
        for (int slot = m_.rotors.RotorsInUse(); slot >= 1; --slot)
            c = rec_.Add(TraceStage::RotorForward, m_.rotors.MapForward(slot, c), slot);
        return c;
    }
    Contact Backward(Contact c) {
        if constexpr (!Recorder::kRecords) return m_.rotors.RotorStackBackward(c);
        for (int slot = 1; slot <= m_.rotors.RotorsInUse(); ++slot)
            c = rec_.Add(TraceStage::RotorBackward, m_.rotors.MapBackward(slot, c), slot);
        return c;
    }

    const PathParts m_;
    Recorder& rec_;
    int pass_ = 1;
};

// The contact a pressed key enters the path on: enciphering, the space bar's is 30.
inline Contact PathKey(const MachineSettings& s, Contact input) {
    return s.Rod == Work::Encipher && input == kSpaceBar ? 30 : input;
}

// What the cycle sends to the printer for a key press that enters the path on `k` (PathKey):
// the decisions of the cycle round the path (plain typing, the ten-key run without a text,
// the opened machine), with the path walked by `rec`'s walker. `last_output` is what an
// unknown kind of work leaves: the previous output.
template <class Recorder>
Contact CycleOutput(const PathParts& parts, const CycleState& st, Contact k,
                    Contact last_output, Recorder& rec) {
    const MachineSettings& s = parts.settings;
    if (s.Rod == Work::Plain) return k;
    if (s.Rod != Work::Encipher && s.Rod != Work::Decipher) return last_output;
    Contact out = 0;
    if (s.Module == AlphabetModule::Figures10 && st.AutoRun && !st.InputTextLoaded)
        out = 0;
    else if (st.MachineClosed)
        out = SignalWalker<Recorder>(parts, rec).Walk(k, s.Rod == Work::Decipher);
    if (s.Rod == Work::Decipher && out == 30) out = kSpaceBar;
    return out;
}

}  // namespace q417
