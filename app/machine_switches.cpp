#include "app/machine_switches.h"

namespace q417 {

SettingsPanelState SettingsPanelStateFor(const MachineSettings& s, bool machineClosed,
                                         int removedRotors) {
    SettingsPanelState p;
    p.model = s.Machine;
    p.serie = s.Serie;
    p.keyboard = StoredValue(s.Layot) - 1;
    p.wheel = s.Wheel == PrintWheel::Russian ? 1 : 0;
    p.module = s.Module;
    p.sound = s.Sound;
    p.divider = s.Divider;
    p.plug_visible = s.Machine != Model::Q417M;
    p.model_row_enabled = machineClosed;
    p.series_enabled = machineClosed || removedRotors == 10;
    p.machine_controls_enabled = s.Machine != Model::Q417M;
    return p;
}

// The Q-417M has no print-wheel choice: its wheel is always the one of its keyboard.
void ChooseKeyboard(MachineSettings& s, int item) {
    // The choice lists the layouts in the order of their numbers; an item it has not is none.
    const auto layout = SettingFromStored<KeyboardLayout>(item + 1);
    if (!layout) return;
    s.Layot = *layout;
    if (s.Machine == Model::Q417M || s.Wheel != PrintWheel::Russian) s.Wheel = WheelOf(s.Layot);
}

void ChooseWheel(MachineSettings& s, int item) {
    s.Wheel = item == 1 && s.Machine != Model::Q417M ? PrintWheel::Russian : WheelOf(s.Layot);
}

void TogglePlug(MachineSettings& s) {
    s.Plug = s.Plug == AlphabetPlug::Russian ? AlphabetPlug::Latin : AlphabetPlug::Russian;
}

void ToggleModule(MachineSettings& s) {
    s.Module = s.Module == AlphabetModule::Figures10 ? AlphabetModule::Contacts30
                                                     : AlphabetModule::Figures10;
}

bool SeriesSwitchReloads(bool machineClosed, int removedRotors, RotorSeries serie,
                         RotorSeries appliedSerie) {
    return (machineClosed || removedRotors == 10) && serie != appliedSerie;
}

}  // namespace q417
