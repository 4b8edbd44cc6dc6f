#pragma once
#include <array>
#include <cstdint>
#include <optional>

namespace q417 {

// Each switch and lever of the machine has a few positions. The numbers are those the
// settings file stores for them.

// The model variant.
enum class Model : int32_t { Q417M = 0, Q417_3MN = 1, Q417_3MR = 2 };  // the 3MR: eight rotors
// The module switch of the Q417-3MN and Q417-3MR: the thirty-contact alphabet, or the ten-key
// figures alphabet.
enum class AlphabetModule : int32_t { Figures10 = 10, Contacts30 = 30 };
// The reversible alphabet plug: thirty Russian letters, or twenty-six Latin ones.
enum class AlphabetPlug : int32_t { Russian = 1, Latin = 2 };
// The work lever (Rod): plain typing, enciphering or deciphering.
enum class Work : int32_t { Plain = 0, Encipher = 1, Decipher = 2 };
// The keyboard layout (Layot).
enum class KeyboardLayout : int32_t { German = 1, Polish = 2, Czech = 3, Russian = 4 };
// The printing-method lever (Sposob): the paper tape only, or the punched tape as well.
enum class PrintMethod : int32_t { PaperTape = 1, AlsoPunchedTape = 2 };
// The language lever of the Q-417M: the Russian or the Latin half of its print wheel.
enum class WheelHalf : int32_t { Russian = 1, Latin = 2 };
// The register switch of the Q417-3MN and Q417-3MR: letters, mixed (contacts 20 and 7 shift
// the register) or figures.
enum class RegisterMode : int32_t { Letters = 1, Mixed = 2, Figures = 3 };
// The print wheel: the Latin wheel of a keyboard layout, or the Russian wheel.
enum class PrintWheel : int32_t { German = 1, Polish = 2, Czech = 3, Russian = 4 };
// The rotor series of wiring and pins; 4K is listed but has no tables.
enum class RotorSeries : int32_t { Series3K = 3, Series4K = 4, Series6K = 6 };

// The settings the machine keeps between runs in its settings file. Field names are the
// settings file's key names.
struct MachineSettings {
    Model Machine = Model::Q417_3MN;
    AlphabetModule Module = AlphabetModule::Contacts30;
    AlphabetPlug Plug = AlphabetPlug::Russian;
    Work Rod = Work::Plain;
    bool Sound = true;
    KeyboardLayout Layot = KeyboardLayout::Russian;
    PrintMethod Sposob = PrintMethod::PaperTape;
    WheelHalf Language = WheelHalf::Russian;  // the Q-417M only
    RegisterMode Mode = RegisterMode::Letters;
    PrintWheel Wheel = PrintWheel::Russian;
    bool Divider = false;  // a blank after every group of five characters
    RotorSeries Serie = RotorSeries::Series6K;
    int32_t Tech = 0;  // key presses counted, 0..9999
    bool operator==(const MachineSettings&) const = default;
};

// The names of the three model variants, as the settings panel shows them.
inline constexpr std::array<const char*, 3> kMachineNames = {"Q-417M", "Q417-3MN", "Q417-3MR"};
static_assert(kMachineNames.size() == size_t(Model::Q417_3MR) + 1, "one name per model");

// The Q-417M has the full alphabet, the Russian plug, no register modes and no print-wheel
// choice: its wheel is the one of its keyboard. A count outside 0..9999 starts again at 0.
void SanitizeSettings(MachineSettings& s);

// The Latin wheel of a layout, or the Russian wheel for the Russian keyboard: the wheel that
// suits the keyboard.
constexpr PrintWheel WheelOf(KeyboardLayout layout) {
    return static_cast<PrintWheel>(layout);
}

// The number the settings file stores for a position.
template <typename Setting>
constexpr int32_t StoredValue(Setting value) {
    return static_cast<int32_t>(value);
}

// Every position of each switch, in the order of their numbers.
template <typename Setting>
inline constexpr auto kPositions = nullptr;
template <>
inline constexpr std::array kPositions<Model> = {Model::Q417M, Model::Q417_3MN, Model::Q417_3MR};
template <>
inline constexpr std::array kPositions<AlphabetModule> = {AlphabetModule::Figures10,
                                                          AlphabetModule::Contacts30};
template <>
inline constexpr std::array kPositions<AlphabetPlug> = {AlphabetPlug::Russian, AlphabetPlug::Latin};
template <>
inline constexpr std::array kPositions<Work> = {Work::Plain, Work::Encipher, Work::Decipher};
template <>
inline constexpr std::array kPositions<KeyboardLayout> = {
    KeyboardLayout::German, KeyboardLayout::Polish, KeyboardLayout::Czech, KeyboardLayout::Russian};
template <>
inline constexpr std::array kPositions<PrintMethod> = {PrintMethod::PaperTape,
                                                       PrintMethod::AlsoPunchedTape};
template <>
inline constexpr std::array kPositions<WheelHalf> = {WheelHalf::Russian, WheelHalf::Latin};
template <>
inline constexpr std::array kPositions<RegisterMode> = {RegisterMode::Letters, RegisterMode::Mixed,
                                                        RegisterMode::Figures};
template <>
inline constexpr std::array kPositions<PrintWheel> = {PrintWheel::German, PrintWheel::Polish,
                                                      PrintWheel::Czech, PrintWheel::Russian};
template <>
inline constexpr std::array kPositions<RotorSeries> = {RotorSeries::Series3K, RotorSeries::Series4K,
                                                       RotorSeries::Series6K};

// The position a stored number stands for; none for a number no position has, which only a
// damaged file or a mistyped option holds.
template <typename Setting>
constexpr std::optional<Setting> SettingFromStored(int32_t stored) {
    for (Setting p : kPositions<Setting>)
        if (StoredValue(p) == stored) return p;
    return std::nullopt;
}

// The settings as the settings file stores them: a number for each switch and lever.
struct StoredSettings {
    int32_t Machine = 1;
    int32_t Module = 30;
    int32_t Plug = 1;
    int32_t Rod = 0;
    bool Sound = true;
    int32_t Layot = 4;
    int32_t Sposob = 1;
    int32_t Language = 1;
    int32_t Mode = 1;
    int32_t Wheel = 4;
    bool Divider = false;
    int32_t Serie = 6;
    int32_t Tech = 0;
    bool operator==(const StoredSettings&) const = default;
};

StoredSettings StoredFrom(const MachineSettings& s);

// The settings a stored file's numbers stand for. A damaged settings file can hold numbers
// no switch has a position for: each such field takes its default (the wheel that of the
// keyboard), and the settings are then made sane as SanitizeSettings says.
MachineSettings SettingsFromStored(const StoredSettings& stored);

// 10 rotors in use, or 8 for the Q417-3MR.
constexpr int RotorsInUseFor(Model machine) {
    return machine == Model::Q417_3MR ? 8 : 10;
}

}  // namespace q417
