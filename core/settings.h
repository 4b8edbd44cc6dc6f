#pragma once
#include <cstdint>

namespace q417 {

// The settings the machine keeps between runs in its settings file. Field names are the
// settings file's key names.
struct MachineSettings {
    int32_t Machine = 1;  // 0 = Q-417M, 1 = Q417-3MN, 2 = Q417-3MR (eight rotors)
    int32_t Module = 30;  // 30 = thirty-contact alphabet, 10 = ten-key figures alphabet
    int32_t Plug = 1;     // 1 = Russian, 2 = Latin alphabet plug
    int32_t Rod = 0;      // 0 plain typing, 1 encipher, 2 decipher
    bool Sound = true;
    int32_t Layot = 4;     // keyboard layout: 1 German, 2 Polish, 3 Czech, 4 Russian
    int32_t Sposob = 1;    // 1 paper tape only, 2 also the punched tape
    int32_t Language = 1;  // Q-417M only: 1 Cyrillic, 2 Latin half of the print wheel
    int32_t Mode = 1;      // printer register mode: 1 letters, 2 mixed, 3 figures
    int32_t Wheel = 4;     // print wheel 1..4; 4 = Russian, else the Latin wheel of the layout
    bool Divider = false;  // a blank after every group of five characters
    int32_t Serie = 6;     // rotor series 3 (3K), 4 (4K, no tables) or 6 (6K)
    int32_t Tech = 0;      // key presses counted, 0..9999
    bool operator==(const MachineSettings&) const = default;
};

// The names of the three model variants, as the settings panel shows them.
inline constexpr const char* kMachineNames[3] = {"Q-417M", "Q417-3MN", "Q417-3MR"};

// A damaged settings file can hold values no table of the machine has a row for. Each field
// outside its range takes its default, so nothing downstream indexes a table out of range.
// The Q-417M then gets its fixed module 30, plug 1, mode 1 and the wheel of its keyboard.
void SanitizeSettings(MachineSettings& s);

// 10 rotors in use, or 8 for the Q417-3MR.
constexpr int RotorsInUseFor(int32_t machine) {
    return machine == 2 ? 8 : 10;
}

}  // namespace q417
