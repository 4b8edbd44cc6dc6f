#include "core/machine.h"

#include "core/signal_path.h"

namespace q417 {

PathCase PathCaseFor(const MachineSettings& s) {
    if (s.Machine == Model::Q417M) return PathCase::Full;
    if (s.Module == AlphabetModule::Contacts30)
        return s.Plug == AlphabetPlug::Latin ? PathCase::LatinPlug : PathCase::Full;
    return s.Plug == AlphabetPlug::Latin ? PathCase::None : PathCase::Module10;
}

void Machine::ApplySettings() {
    SanitizeSettings(settings);
    rotors.SetRotorsInUse(RotorsInUseFor(settings.Machine));
}

void Machine::StartUp() {
    ApplySettings();
    rotors.LoadSeries(RotorSeries::Series6K);
    rotors.LoadSeries(settings.Serie);
    rotors.SetBasicKey();
    card.DiagonalCard();
    card.KeyNumber = 0;
    state = CycleState{};
    state.PrintRegister = settings.Mode == RegisterMode::Figures ? 2 : 1;
}

void Machine::KeyPressCycle() {
    const MachineSettings& s = settings;
    CycleState& st = state;
    output_->KeyPressBegins();
    // Kept before anything changes, so that the path can be traced afterwards from the key
    // as pressed and the positions it met.
    last_press_.input = st.InputContact;
    last_press_.state = st;
    ++last_press_.count;
    // A fed text stands in the input text already; only a key pressed by hand is echoed,
    // before any rewriting, so a space shows as a space.
    if (!st.InputTextLoaded) output_->EchoInput(st.InputContact, s.Machine);

    st.InputContact = PathKey(s, st.InputContact);
    NoRecorder none;
    st.OutputContact = CycleOutput(PathParts{s, card, rotors}, st, st.InputContact,
                                   st.OutputContact, none);

    // In the mixed register mode contacts 20 and 7 shift the printer instead of printing.
    const bool shifts = s.Machine != Model::Q417M && s.Mode == RegisterMode::Mixed;
    if (shifts && st.OutputContact == 20) {
        st.PrintRegister = 2;
    } else if (shifts && st.OutputContact == 7) {
        st.PrintRegister = 1;
    } else {
        output_->PrintOnTape(st.OutputContact, s.Machine);
        output_->PrintOutput(st.OutputContact, s.Machine);
    }
    if (s.Sposob == PrintMethod::AlsoPunchedTape) output_->PunchContact(st.OutputContact);

    // Stepping comes after the path: the first character is enciphered at the start positions.
    if (s.Rod != Work::Plain && st.MachineClosed) {
        if (s.Machine == Model::Q417_3MR)
            rotors.StepRotorsEight();
        else
            rotors.StepRotors();
    }
    settings.Tech = settings.Tech >= 9999 ? 0 : settings.Tech + 1;
    output_->AdvanceGroupCounter();  // the last of the key press: it is done
}

Contact Machine::SignalPathEncipher(Contact k) const {
    NoRecorder none;
    return SignalWalker<NoRecorder>(PathParts{settings, card, rotors}, none).Walk(k, false);
}
Contact Machine::SignalPathDecipher(Contact k) const {
    NoRecorder none;
    return SignalWalker<NoRecorder>(PathParts{settings, card, rotors}, none).Walk(k, true);
}

}  // namespace q417
