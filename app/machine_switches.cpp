#include "app/machine_switches.h"

namespace q417 {

SettingsPanelState SettingsPanelStateFor(const MachineSettings& s, bool machineClosed,
                                         int removedRotors) {
    SettingsPanelState p;
    p.model = s.Machine;
    p.serie = s.Serie == 3 || s.Serie == 4 || s.Serie == 6 ? s.Serie : 0;
    p.keyboard = s.Layot - 1;
    p.wheel = s.Wheel == 4 ? 1 : 0;
    p.module = s.Module == 10 || s.Module == 30 ? s.Module : 0;
    p.sound = s.Sound;
    p.divider = s.Divider;
    p.plug_visible = s.Machine != 0;
    p.model_row_enabled = machineClosed;
    p.series_enabled = machineClosed || removedRotors == 10;
    p.machine_controls_enabled = s.Machine > 0;
    return p;
}

// The Q-417M has no print-wheel choice: its wheel is always the one of its keyboard.
void ChooseKeyboard(MachineSettings& s, int item) {
    s.Layot = item + 1;
    if (s.Machine == 0 || s.Wheel != 4) s.Wheel = s.Layot;
}

void ChooseWheel(MachineSettings& s, int item) {
    s.Wheel = item == 1 && s.Machine != 0 ? 4 : s.Layot;
}

void TogglePlug(MachineSettings& s) {
    s.Plug = s.Plug == 1 ? 2 : 1;
}

void ToggleModule(MachineSettings& s) {
    s.Module = s.Module == 10 ? 30 : 10;
}

bool SeriesSwitchReloads(bool machineClosed, int removedRotors, int32_t serie,
                         int32_t appliedSerie) {
    return (machineClosed || removedRotors == 10) && serie != appliedSerie;
}

}  // namespace q417
