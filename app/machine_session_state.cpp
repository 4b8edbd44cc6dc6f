// The session's whole machine saved and opened again, and key presses taken back.
#include <utility>

#include "app/machine_session.h"
#include "io/feed.h"

namespace q417 {

namespace {

bool In(int32_t v, int32_t lo, int32_t hi) {
    return v >= lo && v <= hi;
}

// The series whose wiring a start-up with this setting loads: one without tables keeps 6K.
RotorSeries WiringOf(RotorSeries serie) {
    return serie == RotorSeries::Series3K ? serie : RotorSeries::Series6K;
}

// Why the machine cannot take this state, empty when it can. The reader of the file checks
// each field; this checks what only the machine knows, for states from anywhere.
std::string StateRefusal(const MachineState& st, const MachineSettings& settings) {
    PunchCard card;
    if (!card.SetRows(st.Card)) return "The card punches a column twice or lies outside the card.";
    if (!In(st.KeyNumber, 0, 99)) return "The key number lies outside 0..99.";
    const int in_use = RotorsInUseFor(settings.Machine);
    std::array<bool, 11> body{}, core{};
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        const RotorState& r = st.Rotors[slot];
        if (!In(r.Position, 1, 30) || !In(r.RotorNumber, 1, 10) || !In(r.RingSetting, 1, 30) ||
            !In(r.CoreNumber, 1, 10) || !In(r.CoreSide, 1, 2) || !In(r.CoreSetting, 1, 30))
            return "Rotor slot " + std::to_string(slot) + " holds a value out of range.";
        if (slot > in_use) continue;
        if (body[r.RotorNumber] || core[r.CoreNumber])
            return "Two rotor slots hold the same body or the same core.";
        body[r.RotorNumber] = core[r.CoreNumber] = true;
    }
    if (!In(st.GroupCount, 0, 999) || !In(st.GroupPosition, 0, 4))
        return "The counter reading lies outside 000 0..999 4.";
    if (!In(st.PrintRegister, 1, 2)) return "The printer's register is neither letters nor figures.";
    for (const PaperCell& c : st.PaperTape)
        if (c.Printed && (!In(c.Band, 1, 8) || !In(c.Contact, 0, 31) ||
                          !SettingFromStored<Model>(StoredValue(c.Machine))))
            return "A cell of the paper tape holds a glyph the print wheel does not have.";
    for (int32_t contact : st.PunchedTape)
        if (!In(contact, 0, 31)) return "A column of the punched tape holds a contact out of range.";
    if (!In(st.FeedPosition, 0, FeedLengthOf(st.InputText) + 1))
        return "The feed position lies beyond the input text.";
    return {};
}

}  // namespace

std::string MachineSession::CaptureRefusal() const {
    if (work_.Assembling())
        return "A rotor is being put together on the work table: insert it or give it up, "
               "then save.";
    if (!machine_.state.MachineClosed) {
        const std::string refusal = work_.CloseRefusal();
        if (!refusal.empty()) return "The open machine could not be closed as it stands. " + refusal;
    }
    return {};
}

MachineState MachineSession::CaptureState() const {
    MachineState st;
    st.Settings = machine_.settings;
    // The wiring in the machine is what enciphers: a series chosen while rotors stood in the
    // open machine has not been loaded yet.
    if (WiringOf(st.Settings.Serie) != machine_.rotors.LoadedSeries())
        st.Settings.Serie = machine_.rotors.LoadedSeries();
    st.Card = machine_.card.Rows();
    st.KeyNumber = machine_.card.KeyNumber;
    st.Table = work_.table;
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) st.Rotors[slot] = machine_.rotors.Slot(slot);
    st.GroupCount = printer_.GroupCount();
    st.GroupPosition = printer_.GroupPosition();
    st.PrintRegister = machine_.state.PrintRegister;
    st.PaperTape = printer_relay_.tapes.Paper();
    st.PunchedTape = printer_relay_.tapes.PunchedTape();
    st.InputText = printer_.InputText();
    st.InputTextLoaded = machine_.state.InputTextLoaded;
    st.FeedPosition = feed_.FeedPosition;
    st.OutputText = printer_.OutputText();
    st.PendingLineBreak = pending_break_;
    return st;
}

std::string MachineSession::RestoreState(const MachineState& st) {
    MachineSettings settings = st.Settings;
    SanitizeSettings(settings);
    std::string refusal = StateRefusal(st, settings);
    if (!refusal.empty()) return refusal;
    EndRun();
    HoldLastTrace();
    NewHistory();
    const bool was_open = !machine_.state.MachineClosed;

    machine_.settings = settings;
    machine_.ApplySettings();
    machine_.rotors.LoadSeries(RotorSeries::Series6K);
    machine_.rotors.LoadSeries(settings.Serie);
    applied_machine_ = settings.Machine;
    applied_serie_ = settings.Serie;
    ApplyMachineModel();
    machine_.card.SetRows(st.Card);
    machine_.card.KeyNumber = st.KeyNumber;
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        const RotorState& r = st.Rotors[slot];
        machine_.rotors.InitRotor(slot, r.RotorNumber, r.RingSetting, r.CoreNumber, r.CoreSide,
                                  r.CoreSetting);
        machine_.rotors.SetPosition(slot, r.Position);
    }
    machine_.state = CycleState{};
    machine_.state.PrintRegister = st.PrintRegister;
    machine_.state.InputTextLoaded = st.InputTextLoaded;
    work_.TakeSavedTable(st.Table);
    feed_.Load(st.InputText);
    feed_.FeedPosition = st.FeedPosition;
    pending_break_ = st.PendingLineBreak == "\r" || st.PendingLineBreak == "\n" ? st.PendingLineBreak : "";
    printer_.SetCounter(st.GroupCount, st.GroupPosition);
    printer_.SetTexts(st.InputText, st.OutputText);
    printer_relay_.tapes.Set(st.PaperTape, st.PunchedTape);
    RedrawTapes();
    keyboard_.ReleaseAll();
    if (was_open) Events().MachineClosed();
    Events().SettingsChanged();
    Events().SeriesChanged();
    Events().KeyChanged();
    Events().FeedMoved(feed_.FeedPosition);
    return {};
}

// The views get blank tapes and then every cell and column the memory holds.
void MachineSession::RedrawTapes() {
    Events().TapesBlanked();
    printer_relay_.tapes.Replay(Events());
}

void MachineSession::PrinterRelay::TapeAdvanced() {
    tapes.TapeAdvanced();
    target->TapeAdvanced();
}
void MachineSession::PrinterRelay::GlyphPrinted(int band, int32_t contact, Model machine) {
    tapes.GlyphPrinted(band, contact, machine);
    target->GlyphPrinted(band, contact, machine);
}
void MachineSession::PrinterRelay::Punched(int32_t contact) {
    tapes.Punched(contact);
    target->Punched(contact);
}
void MachineSession::PrinterRelay::TapesBlanked() {
    tapes.Clear();
    target->TapesBlanked();
}

// A key press is remembered from its beginning, before anything of it happened.
void MachineSession::PrinterRelay::KeyPressBegins() {
    if (owner.keep_history_) {
        const PressSnapshot now = owner.Snapshot();
        // Something other than a key press changed the machine since the last one: the
        // presses before cannot be taken back across it.
        if (owner.history_.CanUndo() && !owner.history_.LastDone().after.SameAfterPress(now))
            owner.history_.Clear();
        owner.press_before_ = now;
    }
    target->KeyPressBegins();
}

void MachineSession::PrinterRelay::KeyPressDone() {
    if (owner.keep_history_ && owner.press_before_) {
        KeyPressHistory::Press press;
        press.before = *owner.press_before_;
        press.after = owner.Snapshot();
        press.input_added = owner.printer_.InputText().substr(
            std::min(press.before.input_size, owner.printer_.InputText().size()));
        press.output_added = owner.printer_.OutputText().substr(
            std::min(press.before.output_size, owner.printer_.OutputText().size()));
        owner.history_.Record(std::move(press));
        owner.press_before_.reset();
    }
    target->KeyPressDone();
}

PressSnapshot MachineSession::Snapshot() const {
    PressSnapshot s;
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        s.positions[slot - 1] = static_cast<uint8_t>(machine_.rotors.Slot(slot).Position);
    s.group_count = static_cast<int16_t>(printer_.GroupCount());
    s.group_position = static_cast<int8_t>(printer_.GroupPosition());
    s.print_register = static_cast<int8_t>(machine_.state.PrintRegister);
    s.tech = static_cast<int16_t>(machine_.settings.Tech);
    s.input_contact = static_cast<uint8_t>(machine_.state.InputContact);
    s.output_contact = static_cast<uint8_t>(machine_.state.OutputContact);
    s.input_loaded = machine_.state.InputTextLoaded;
    s.feed_position = feed_.FeedPosition;
    s.input_size = printer_.InputText().size();
    s.output_size = printer_.OutputText().size();
    s.SetTapes(printer_relay_.tapes);
    return s;
}

void MachineSession::ApplySnapshot(const PressSnapshot& s, std::string input, std::string output) {
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        machine_.rotors.SetPosition(slot, s.positions[slot - 1]);
    machine_.state.PrintRegister = s.print_register;
    machine_.state.InputContact = s.input_contact;
    machine_.state.OutputContact = s.output_contact;
    machine_.state.InputTextLoaded = s.input_loaded;
    machine_.settings.Tech = s.tech;
    feed_.FeedPosition = s.feed_position;
    printer_.SetCounter(s.group_count, s.group_position);
    printer_.SetTexts(std::move(input), std::move(output));
    s.TakeTapes(printer_relay_.tapes);
    RedrawTapes();
    Events().SettingsChanged();
    Events().FeedMoved(feed_.FeedPosition);
}

void MachineSession::KeepHistory(bool on) {
    keep_history_ = on;
    press_before_.reset();
    NewHistory();
}

std::string MachineSession::Undo() {
    if (running_) return "The machine is running: stop it before taking a key press back.";
    if (!history_.CanUndo()) return "There is no key press to take back.";
    const PressSnapshot now = Snapshot();
    const KeyPressHistory::Press& last = history_.LastDone();
    if (!last.after.SameAfterPress(now)) {
        NewHistory();
        return "The machine was changed by hand since its last key press, so that key press "
               "can no longer be taken back.";
    }
    HoldLastTrace();
    std::string input = printer_.InputText().substr(0, last.before.input_size);
    std::string output = printer_.OutputText().substr(0, last.before.output_size);
    const PressSnapshot before = last.before;
    history_.MoveToUndone(now);
    ApplySnapshot(before, std::move(input), std::move(output));
    return {};
}

std::string MachineSession::Redo() {
    if (running_) return "The machine is running: stop it before bringing a key press back.";
    if (!history_.CanRedo()) return "There is no key press to bring back.";
    const KeyPressHistory::Press& next = history_.LastUndone();
    if (!next.before.SameAfterPress(Snapshot())) {
        NewHistory();
        return "The machine was changed by hand since the key press was taken back, so it "
               "can no longer be brought back.";
    }
    HoldLastTrace();
    const PressSnapshot after = next.after;
    std::string input = printer_.InputText() + next.input_added;
    std::string output = printer_.OutputText() + next.output_added;
    history_.MoveToDone();
    ApplySnapshot(after, std::move(input), std::move(output));
    return {};
}

}  // namespace q417
