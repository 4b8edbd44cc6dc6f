#pragma once
#include <cstdint>

#include "core/settings.h"

namespace q417 {

// What the settings panel shows when it is opened: which choice of each control is checked
// and which controls can be used.
struct SettingsPanelState {
    Model model = Model::Q417_3MN;              // the checked model button
    RotorSeries serie = RotorSeries::Series6K;  // the checked series button
    int keyboard = 3;                           // item of the keyboard choice: layout - 1
    int wheel = 1;  // item of the print-wheel choice: 0 Latin, 1 Russian
    AlphabetModule module = AlphabetModule::Contacts30;  // the checked module button
    bool sound = true;
    bool divider = false;
    bool plug_visible = true;  // the plug exists on the Q417-3MN and Q417-3MR only
    bool model_row_enabled = true;
    bool series_enabled = true;
    bool machine_controls_enabled = true;  // print wheel, module and plug: not on the Q-417M
};

// The panel's state for the settings. The model can be changed only while the machine is
// closed; the series also while every rotor is out of the open machine.
SettingsPanelState SettingsPanelStateFor(const MachineSettings& s, bool machineClosed,
                                         int removedRotors);

// The keyboard choice (item 0..3): the layout, and the Latin print wheel follows it; on the
// Q-417M the wheel always follows it.
void ChooseKeyboard(MachineSettings& s, int item);
// The print-wheel choice: item 1 the Russian wheel, anything else the Latin wheel of the
// layout. The Q-417M keeps the wheel of its keyboard.
void ChooseWheel(MachineSettings& s, int item);
// The alphabet plug turned round: Russian to Latin and back.
void TogglePlug(MachineSettings& s);
// The module switch's lever: the thirty-contact and the ten-key alphabet.
void ToggleModule(MachineSettings& s);

// A series click loads new wiring (and sets every rotor to the basic key) only while no
// rotor is in an open machine, and only when the series differs from the one loaded.
bool SeriesSwitchReloads(bool machineClosed, int removedRotors, RotorSeries serie,
                         RotorSeries appliedSerie);

}  // namespace q417
