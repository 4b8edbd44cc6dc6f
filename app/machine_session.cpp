#include "app/machine_session.h"

#include "app/machine_switches.h"
#include "key/key_file.h"

namespace q417 {

MachineSession::MachineSession() {
    machine_.SetOutputStage(&printer_);
    SetEvents(nullptr);
}

void MachineSession::SetEvents(SessionEvents* events) {
    events_ = events ? events : &no_events_;
    machine_.rotors.SetObserver(events_);
    printer_relay_.target = events_;
    printer_.SetListener(&printer_relay_);
    keyboard_.SetListener(events_);
}

// The one start-up of the machine, for the window and for q417-cli alike.
void MachineSession::StartUp(const MachineSettings& read) {
    EndRun();
    NewHistory();
    HoldLastTrace();
    machine_.settings = read;
    machine_.StartUp();
    applied_machine_ = machine_.settings.Machine;
    applied_serie_ = machine_.settings.Serie;
    ApplyMachineModel();
    q417::ClearKeyTable(work_.table);
    work_.Refresh();
    feed_.Clear();
    printer_.ResetCounter();
    keyboard_.ReleaseAll();
    Events().SettingsChanged();
    Events().SeriesChanged();
    Events().KeyChanged();
}

void MachineSession::ApplyMachineModel() {
    MachineSettings& s = machine_.settings;
    // A change of model keeps the register mode and the language lever as they are.
    machine_.rotors.SetRotorsInUse(RotorsInUseFor(s.Machine));
    if (s.Machine == Model::Q417M) {
        s.Module = AlphabetModule::Contacts30;
        s.Plug = AlphabetPlug::Russian;
        s.Wheel = WheelOf(s.Layot);
    }
    Events().ModelChanged();
}

// A new model comes with the basic key in every slot; the card, the kind of work, the levers
// and the texts stay. The model row of the panel works only on the closed machine;
// a run ends first, since the key changes.
std::string MachineSession::SwitchModel(Model model) {
    if (model == applied_machine_) return {};
    if (!machine_.state.MachineClosed) return "Close the machine before changing the model.";
    EndRun();
    HoldLastTrace();
    NewHistory();
    machine_.settings.Machine = model;
    ApplyMachineModel();
    machine_.rotors.SetBasicKey();
    work_.Refresh();
    applied_machine_ = model;
    keyboard_.ReleaseKey();  // the legends change: every key comes up
    Events().SettingsChanged();
    Events().KeyChanged();
    return {};
}

void MachineSession::SwitchSeries(RotorSeries serie) {
    HoldLastTrace();
    NewHistory();
    machine_.settings.Serie = serie;
    if (SeriesSwitchReloads(machine_.state.MachineClosed, work_.RemovedRotors, serie,
                            applied_serie_)) {
        EndRun();
        machine_.rotors.LoadSeries(serie);
        machine_.rotors.SetBasicKey();
        applied_serie_ = serie;
    }
    Events().SettingsChanged();
    Events().SeriesChanged();
    Events().KeyChanged();
}

// The Q-417M has only the thirty-contact alphabet and the Russian plug.
constexpr const char* kModuleRefused = "The Q-417M has only the thirty-contact alphabet.";

std::string MachineSession::SetModule(AlphabetModule module) {
    if (machine_.settings.Machine == Model::Q417M) return kModuleRefused;
    HoldLastTrace();
    NewHistory();
    machine_.settings.Module = module;
    Events().SettingsChanged();
    return {};
}

std::string MachineSession::ToggleModule() {
    if (machine_.settings.Machine == Model::Q417M) return kModuleRefused;
    HoldLastTrace();
    NewHistory();
    q417::ToggleModule(machine_.settings);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
    return {};
}

std::string MachineSession::TogglePlug() {
    if (machine_.settings.Machine == Model::Q417M)
        return "The Q-417M has only the Russian alphabet plug.";
    HoldLastTrace();
    NewHistory();
    q417::TogglePlug(machine_.settings);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
    return {};
}

void MachineSession::ChooseKeyboard(int item) {
    if (item < 0 || item > 3) return;
    HoldLastTrace();
    NewHistory();
    q417::ChooseKeyboard(machine_.settings, item);
    keyboard_.ReleaseKey();  // the legends change: every key comes up
    Events().SettingsChanged();
}

void MachineSession::ChooseWheel(int item) {
    HoldLastTrace();
    NewHistory();
    q417::ChooseWheel(machine_.settings, item);
    Events().SettingsChanged();
}

void MachineSession::SetSound(bool on) {
    NewHistory();
    machine_.settings.Sound = on;
    Events().SettingsChanged();
}

void MachineSession::SetDivider(bool on) {
    NewHistory();
    machine_.settings.Divider = on;
    Events().SettingsChanged();
}

void MachineSession::MoveLever(ModeLever lever) {
    HoldLastTrace();
    NewHistory();
    MoveModeLever(machine_.settings, lever);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
}

bool MachineSession::SetRegisterSwitch(RegisterSwitch position) {
    if (machine_.settings.Machine == Model::Q417M) return false;
    HoldLastTrace();
    NewHistory();
    q417::SetRegisterSwitch(machine_, position);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
    return true;
}

bool MachineSession::SetLanguageLever(LanguageLever position) {
    if (machine_.settings.Machine != Model::Q417M) return false;
    HoldLastTrace();
    NewHistory();
    q417::SetLanguageLever(machine_.settings, position);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
    return true;
}

void MachineSession::ResetCounter() {
    NewHistory();
    sound_relay_.PlayClick();
    printer_.ResetCounter();
}

void MachineSession::AdvanceTape() {
    NewHistory();
    printer_.AdvanceTape();
    sound_relay_.PlayStep();
}

void MachineSession::SetPosition(int slot, int32_t position) {
    if (slot < 1 || slot > RotorStack::kSlots) return;
    HoldLastTrace();
    NewHistory();
    machine_.rotors.SetPosition(slot, position);
}

void MachineSession::KeyDown(uint16_t vk) {
    keyboard_.KeyDown(vk);
}
void MachineSession::KeyUp(uint16_t vk) {
    keyboard_.KeyUp(vk);
}
void MachineSession::PressKey(KeyId key) {
    keyboard_.PressKey(key);
}
void MachineSession::ReleaseKey() {
    keyboard_.ReleaseKey();
}
void MachineSession::PressSpaceBar() {
    keyboard_.PressSpaceBar();
}
void MachineSession::ReleaseSpaceBar() {
    keyboard_.ReleaseSpaceBar();
}

void MachineSession::TurnRotor(int slot, bool plus) {
    if (slot < 1 || slot > RotorStack::kSlots) return;
    HoldLastTrace();
    NewHistory();
    sound_relay_.PlayStep();
    if (plus)
        machine_.rotors.StepPlus(slot);
    else
        machine_.rotors.StepMinus(slot);
}

bool MachineSession::OpenMachine() {
    if (!machine_.state.MachineClosed) return false;
    EndRun();
    HoldLastTrace();
    NewHistory();
    work_.OpenMachine();
    sound_relay_.PlayClick();
    Events().MachineOpened();
    KeyTableChanged();
    return true;
}

std::string MachineSession::CloseMachine() {
    if (machine_.state.MachineClosed) return {};
    std::string refusal = work_.CloseRefusal();
    if (!refusal.empty()) return refusal;
    work_.CloseMachine();
    sound_relay_.PlayClick();
    Events().MachineClosed();
    Events().SettingsChanged();  // the model row and the series group work again
    return {};
}

// The verbs of the opened machine change the key: the last key press was traced when the
// machine was opened.
void MachineSession::KeyTableChanged() {
    NewHistory();
    Events().KeyChanged();
    Events().SettingsChanged();  // the series group follows the rotors taken out
}

bool MachineSession::TakeOutRotor(int slot) {
    HoldLastTrace();
    if (machine_.state.MachineClosed || !work_.TakeOutRotor(slot)) return false;
    sound_relay_.PlayStep();
    KeyTableChanged();
    return true;
}

bool MachineSession::TakeBody(int body) {
    HoldLastTrace();
    if (machine_.state.MachineClosed || !work_.TakeBody(body)) return false;
    sound_relay_.PlayStep();
    KeyTableChanged();
    return true;
}

bool MachineSession::TakeCore(int core) {
    HoldLastTrace();
    if (machine_.state.MachineClosed || !work_.TakeCore(core)) return false;
    sound_relay_.PlayStep();
    KeyTableChanged();
    return true;
}

WorkTable::FaceZone MachineSession::TouchFace(WorkTable::FaceZone zone,
                                              WorkTable::DialTurn turn) {
    HoldLastTrace();
    zone = work_.TouchFace(zone, turn);
    if (zone != WorkTable::FaceZone::None) sound_relay_.PlayStep();
    KeyTableChanged();
    return zone;
}

bool MachineSession::InsertRotor() {
    HoldLastTrace();
    const bool inserted = !machine_.state.MachineClosed && work_.InsertRotor();
    if (inserted) sound_relay_.PlayStep();
    KeyTableChanged();
    return inserted;
}

void MachineSession::SetBasePosition() {
    HoldLastTrace();
    work_.SetBasePosition();
    KeyTableChanged();
}

void MachineSession::ClearKeyTable() {
    HoldLastTrace();
    work_.ClearTable();
    KeyTableChanged();
}

void MachineSession::RandomKey(uint32_t seed) {
    HoldLastTrace();
    work_.RandomKey(seed);
    KeyTableChanged();
}

PunchResult MachineSession::PunchCell(CardCell cell, int day_of_month) {
    HoldLastTrace();
    NewHistory();
    const PunchResult result = q417::PunchCell(machine_.card, cell);
    if (result != PunchResult::None) sound_relay_.PlayStep();
    machine_.card.KeyNumber = KeyNumberAfterPunch(machine_.card, day_of_month);
    Events().KeyChanged();
    return result;
}

void MachineSession::ClearCard() {
    HoldLastTrace();
    NewHistory();
    machine_.card.ClearCard();
    machine_.card.KeyNumber = 0;
    Events().KeyChanged();
}

void MachineSession::DiagonalCard() {
    HoldLastTrace();
    NewHistory();
    machine_.card.DiagonalCard();
    machine_.card.KeyNumber = 0;
    Events().KeyChanged();
}

std::string MachineSession::LoadKey(std::string_view bytes, std::string_view file_name) {
    KeyFileContents key;
    std::string error;
    if (!DecodeKeyFile(bytes, work_.RotorsInUse(), key, error)) return error;
    HoldLastTrace();
    if (!work_.LoadKey(key, KeyNumberFromFileName(file_name), error)) return error;
    KeyTableChanged();
    return {};
}

void MachineSession::HoldLastTrace() const {
    const uint64_t press = machine_.LastKeyPress().count;
    if (press == 0 || press == traced_press_) return;
    TraceLastKeyPress(machine_, last_trace_);
    traced_press_ = press;
}

const KeyPressTrace* MachineSession::LastKeyPressTrace() const {
    HoldLastTrace();
    return traced_press_ == 0 ? nullptr : &last_trace_;
}

}  // namespace q417
