#include "app/machine_session.h"

#include "app/machine_switches.h"
#include "io/levers.h"
#include "key/key_file.h"

namespace q417 {

MachineSession::MachineSession() {
    machine.SetOutputStage(&printer);
    SetEvents(nullptr);
}

void MachineSession::SetEvents(SessionEvents* events) {
    events_ = events ? events : &no_events_;
    machine.rotors.SetObserver(events_);
    printer.SetListener(events_);
    keyboard_.SetListener(events_);
}

// The one start-up of the machine, for the window and for q417-cli alike.
void MachineSession::StartUp(const MachineSettings& read) {
    machine.settings = read;
    machine.StartUp();
    applied_machine_ = machine.settings.Machine;
    applied_serie_ = machine.settings.Serie;
    ApplyMachineModel();
    q417::ClearKeyTable(work.table);
    work.Refresh();
    feed.Clear();
    printer.ResetCounter();
    keyboard_.DrawKeyboard();
    keyboard_.DrawSpaceBar(false);
    Events().SettingsChanged();
    Events().SeriesChanged();
    Events().KeyChanged();
}

void MachineSession::ApplyMachineModel() {
    MachineSettings& s = machine.settings;
    // A change of model keeps the register mode and the language lever as they are.
    machine.rotors.SetRotorsInUse(RotorsInUseFor(s.Machine));
    if (s.Machine == 0) {
        s.Module = 30;
        s.Plug = 1;
        s.Wheel = s.Layot;
    }
    Events().ModelChanged();
}

// A new model comes with the basic key in every slot; the card, the kind of work, the levers
// and the texts stay. The model row of the panel works only on the closed machine.
std::string MachineSession::SwitchModel(int32_t model) {
    if (model == applied_machine_ || model < 0 || model > 2) return {};
    if (!machine.state.MachineClosed) return "Close the machine before changing the model.";
    machine.settings.Machine = model;
    ApplyMachineModel();
    machine.rotors.SetBasicKey();
    work.Refresh();
    applied_machine_ = model;
    keyboard_.DrawKeyboard();
    Events().SettingsChanged();
    Events().KeyChanged();
    return {};
}

void MachineSession::SwitchSeries(int32_t serie) {
    machine.settings.Serie = serie;
    if (SeriesSwitchReloads(machine.state.MachineClosed, work.RemovedRotors, serie,
                            applied_serie_)) {
        machine.rotors.LoadSeries(serie);
        machine.rotors.SetBasicKey();
        applied_serie_ = serie;
    }
    Events().SettingsChanged();
    Events().SeriesChanged();
    Events().KeyChanged();
}

// The Q-417M has only the thirty-contact alphabet and the Russian plug.
constexpr const char* kModuleRefused = "The Q-417M has only the thirty-contact alphabet.";

std::string MachineSession::SetModule(int32_t module) {
    if (machine.settings.Machine == 0) return kModuleRefused;
    if (module != 10 && module != 30) return {};
    machine.settings.Module = module;
    Events().SettingsChanged();
    return {};
}

std::string MachineSession::ToggleModule() {
    if (machine.settings.Machine == 0) return kModuleRefused;
    q417::ToggleModule(machine.settings);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
    return {};
}

std::string MachineSession::TogglePlug() {
    if (machine.settings.Machine == 0) return "The Q-417M has only the Russian alphabet plug.";
    q417::TogglePlug(machine.settings);
    sound_relay_.PlayStep();
    Events().SettingsChanged();
    return {};
}

void MachineSession::ChooseKeyboard(int item) {
    if (item < 0 || item > 3) return;
    q417::ChooseKeyboard(machine.settings, item);
    keyboard_.DrawKeyboard();
    Events().SettingsChanged();
}

void MachineSession::ChooseWheel(int item) {
    q417::ChooseWheel(machine.settings, item);
    Events().SettingsChanged();
}

void MachineSession::SetSound(bool on) {
    machine.settings.Sound = on;
    Events().SettingsChanged();
}

void MachineSession::SetDivider(bool on) {
    machine.settings.Divider = on;
    Events().SettingsChanged();
}

bool MachineSession::LeverClick(int x, int y) {
    const bool moved = q417::LeverClick(machine, x, y);
    if (moved) sound_relay_.PlayStep();
    Events().SettingsChanged();
    return moved;
}

bool MachineSession::RegisterSwitchClick(int x) {
    const bool moved = q417::RegisterSwitchClick(machine, x);
    if (moved) sound_relay_.PlayStep();
    Events().SettingsChanged();
    return moved;
}

bool MachineSession::LanguageLeverClick(int x, int y) {
    const bool moved = q417::LanguageLeverClick(machine, x, y);
    if (moved) sound_relay_.PlayStep();
    Events().SettingsChanged();
    return moved;
}

void MachineSession::ResetCounter() {
    sound_relay_.PlayClick();
    printer.ResetCounter();
}

void MachineSession::AdvanceTape() {
    printer.AdvanceTape();
    sound_relay_.PlayStep();
}

void MachineSession::TurnRotor(int slot, bool plus) {
    if (slot < 1 || slot > RotorStack::kSlots) return;
    sound_relay_.PlayStep();
    if (plus)
        machine.rotors.StepPlus(slot);
    else
        machine.rotors.StepMinus(slot);
}

bool MachineSession::OpenMachine() {
    if (!machine.state.MachineClosed) return false;
    work.OpenMachine();
    sound_relay_.PlayClick();
    Events().MachineOpened();
    KeyTableChanged();
    return true;
}

std::string MachineSession::CloseMachine() {
    if (machine.state.MachineClosed) return {};
    std::string refusal = work.CloseRefusal();
    if (!refusal.empty()) return refusal;
    work.CloseMachine();
    sound_relay_.PlayClick();
    Events().MachineClosed();
    Events().SettingsChanged();  // the model row and the series group work again
    return {};
}

void MachineSession::KeyTableChanged() {
    Events().KeyChanged();
    Events().SettingsChanged();  // the series group follows the rotors taken out
}

bool MachineSession::TakeOutRotor(int slot) {
    if (machine.state.MachineClosed || !work.TakeOutRotor(slot)) return false;
    sound_relay_.PlayStep();
    KeyTableChanged();
    return true;
}

bool MachineSession::TakeBody(int body) {
    if (machine.state.MachineClosed || !work.TakeBody(body)) return false;
    sound_relay_.PlayStep();
    KeyTableChanged();
    return true;
}

bool MachineSession::TakeCore(int core) {
    if (machine.state.MachineClosed || !work.TakeCore(core)) return false;
    sound_relay_.PlayStep();
    KeyTableChanged();
    return true;
}

WorkTable::FaceZone MachineSession::FaceClick(int x, int y) {
    const WorkTable::FaceZone zone = work.FaceClick(x, y);
    if (zone != WorkTable::FaceZone::None) sound_relay_.PlayStep();
    KeyTableChanged();
    return zone;
}

bool MachineSession::InsertRotor() {
    const bool inserted = !machine.state.MachineClosed && work.InsertRotor();
    if (inserted) sound_relay_.PlayStep();
    KeyTableChanged();
    return inserted;
}

void MachineSession::SetBasePosition() {
    work.SetBasePosition();
    KeyTableChanged();
}

void MachineSession::ClearKeyTable() {
    work.ClearTable();
    KeyTableChanged();
}

void MachineSession::RandomKey(uint32_t seed) {
    work.RandomKey(seed);
    KeyTableChanged();
}

void MachineSession::CardChanged() {
    Events().KeyChanged();
}

std::string MachineSession::LoadKey(std::string_view bytes, std::string_view file_name) {
    KeyFileContents key;
    std::string error;
    if (!DecodeKeyFile(bytes, work.RotorsInUse(), key, error)) return error;
    if (!work.LoadKey(key, KeyNumberFromFileName(file_name), error)) return error;
    KeyTableChanged();
    return {};
}

}  // namespace q417
