#include "core/machine.h"

#include "core/signal_tables.h"
#include "core/trace.h"

namespace q417 {

namespace t = tables;

PathCase PathCaseFor(const MachineSettings& s) {
    if (s.Machine == 0) return PathCase::Full;
    if (s.Module == 30) return s.Plug == 2 ? PathCase::LatinPlug : PathCase::Full;
    return s.Plug == 2 ? PathCase::None : PathCase::Module10;
}

void Machine::ApplySettings() {
    SanitizeSettings(settings);
    rotors.SetRotorsInUse(RotorsInUseFor(settings.Machine));
}

void Machine::StartUp() {
    ApplySettings();
    rotors.LoadSeries(6);
    rotors.LoadSeries(settings.Serie);
    rotors.SetBasicKey();
    card.DiagonalCard();
    card.KeyNumber = 0;
    state = CycleState{};
    state.PrintRegister = settings.Mode == 3 ? 2 : 1;
}

void Machine::KeyPressCycle() {
    const MachineSettings& s = settings;
    CycleState& st = state;
    // Traced before anything changes, from the key as pressed and the positions it meets.
    if (tracer_) [[unlikely]]
        TraceKeyPress(*this, st.InputContact, tracer_->trace);
    // A fed text stands in the input text already; only a key pressed by hand is echoed,
    // before any rewriting, so a space shows as a space.
    if (!st.InputTextLoaded) output_->EchoInput(st.InputContact, s.Machine);

    if (s.Rod == 0) {
        st.OutputContact = st.InputContact;
    } else if (s.Rod == 1 || s.Rod == 2) {
        if (s.Rod == 1 && st.InputContact == kSpaceBar) st.InputContact = 30;  // space on 30
        if (s.Module == 10 && st.AutoRun && !st.InputTextLoaded)
            st.OutputContact = 0;
        else if (st.MachineClosed)
            st.OutputContact = SignalPath(st.InputContact, s.Rod == 2);
        else
            st.OutputContact = 0;
        if (s.Rod == 2 && st.OutputContact == 30) st.OutputContact = kSpaceBar;
    }

    // In the mixed register mode contacts 20 and 7 shift the printer instead of printing.
    const bool shifts = s.Machine > 0 && s.Mode == 2;
    if (shifts && st.OutputContact == 20) {
        st.PrintRegister = 2;
    } else if (shifts && st.OutputContact == 7) {
        st.PrintRegister = 1;
    } else {
        output_->PrintOnTape(st.OutputContact, s.Machine);
        output_->PrintOutput(st.OutputContact, s.Machine);
    }
    if (s.Sposob == 2) output_->PunchContact(st.OutputContact);

    // Stepping comes after the path: the first character is enciphered at the start positions.
    if (s.Rod != 0 && st.MachineClosed) {
        if (s.Machine == 2)
            rotors.StepRotorsEight();
        else
            rotors.StepRotors();
    }
    output_->AdvanceGroupCounter();
    settings.Tech = settings.Tech >= 9999 ? 0 : settings.Tech + 1;
    if (tracer_) [[unlikely]]
        tracer_->KeyPressTraced(tracer_->trace);
}

Contact Machine::SignalPathEncipher(Contact k) const {
    return SignalPath(k, false);
}
Contact Machine::SignalPathDecipher(Contact k) const {
    return SignalPath(k, true);
}

Contact Machine::SignalPath(Contact k, bool decipher) const {
    if (k < 1 || k > 30) return 0;
    switch (PathCaseFor(settings)) {
        case PathCase::Full:
            return FullPath(k, decipher ? t::ReflectorFullDec : t::ReflectorFullEnc);
        case PathCase::LatinPlug:
            return LoopPath(k, t::KeyMapPlug2, t::KeyMapPlug2Inverse,
                            decipher ? t::ReflectorPlug2Dec : t::ReflectorPlug2Enc,
                            t::LoopForwardPlug2, t::LoopBackwardPlug2);
        case PathCase::Module10:
            return LoopPath(k, t::KeyMapModule10, t::KeyMapModule10Inverse,
                            decipher ? t::ReflectorModule10Dec : t::ReflectorModule10Enc,
                            t::LoopForwardModule10, t::LoopBackwardModule10);
        case PathCase::None:
            break;
    }
    return k;
}

// An incomplete card (possible while the editor is open) leaves holes that lead nowhere:
// wherever a stage gives 0 the signal is lost and the path gives 0.
Contact Machine::FullPath(Contact k, const ContactTable& reflector) const {
    Contact c = card.CardForward(t::KeyMapFull[k]);
    if (c == 0) return 0;
    c = rotors.RotorStackBackward(reflector[rotors.RotorStackForward(t::EntryWiring[c])]);
    c = card.CardInverse(t::EntryWiringInverse[c]);
    return t::KeyMapFullInverse[c];
}

// The Latin plug and the ten-key alphabet leave contacts unused; the loop-back wiring sends
// a signal that meets an unconnected reflector contact through the stack again by a contact
// no key uses, until it comes out on a key. The rotors do not move meanwhile.
Contact Machine::LoopPath(Contact k, const ContactTable& map, const ContactTable& map_inverse,
                          const ContactTable& reflector, const ContactTable& loop_forward,
                          const ContactTable& loop_backward) const {
    // A permutation cycle through the loop-back contacts is at most 30 long; a longer run
    // means the card is not a permutation, and the signal is treated as lost.
    constexpr int kMaxPasses = 32;
    Contact c = map[k];
    if (c == 0) return 0;  // disconnected key, or a contact outside the ten-key alphabet
    Contact x = 0;
    for (int pass = 0; pass < kMaxPasses && x == 0; ++pass) {
        c = card.CardForward(c);
        if (c == 0) return 0;
        const Contact y = rotors.RotorStackForward(t::EntryWiring[c]);
        x = reflector[y];
        if (x == 0) {
            c = loop_forward[y];
            if (c == 0) return 0;
        }
    }
    if (x == 0) return 0;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        Contact y = card.CardInverse(t::EntryWiringInverse[rotors.RotorStackBackward(x)]);
        if (y == 0) return 0;
        const Contact o = map_inverse[y];
        if (o > 0) return o;
        x = loop_backward[y];
        if (x == 0) return 0;
    }
    return 0;
}

}  // namespace q417
