#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/rotors.h"
#include "core/settings.h"
#include "io/tape_memory.h"
#include "key/key_table.h"

namespace q417 {

// What a machine state file keeps of the tapes: the cells and columns the window shows (its
// tapes hold 39 cells of paper and 77 punched columns), and a few more.
inline constexpr int kStatePaperCells = 40;
inline constexpr int kStatePunchColumns = 80;

// The file's "format" and the newest "version" of it this program reads and writes.
inline constexpr const char* kStateFormatName = "q417-machine-state";
inline constexpr int32_t kStateFormatVersion = 1;

// The key table's rows as the file names them, index KeyTable::Row.
inline constexpr const char* kKeyTableRowNames[6] = {"",           "RotorNumber", "RingSetting",
                                                     "CoreNumber", "CoreSide",    "CoreSetting"};

// A machine state file is refused beyond this size; a long message fits many times over.
inline constexpr std::size_t kStateFileLimit = 16u << 20;

// Everything needed to go on exactly where one left off: the settings, the key, where the
// rotors stand, the counter, the printer's register, the tapes and both texts. Going on from
// a machine set to this state gives what going on without a break would have given.
struct MachineState {
    MachineSettings Settings;
    std::array<int32_t, 31> Card{};  // rows 1..30: the column of the hole, 0 for none
    int32_t KeyNumber = 0;           // 0..99
    KeyTable Table;                  // as the key table shows it, valid or not
    std::array<RotorState, RotorStack::kSlots + 1> Rotors{};  // slots 1..10
    int32_t GroupCount = 0;                                   // completed groups, 0..999
    int32_t GroupPosition = 0;                                // presses in the group, 0..4
    int32_t PrintRegister = 1;                                // 1 letters, 2 figures
    std::vector<PaperCell> PaperTape;                         // oldest cell first
    std::vector<int32_t> PunchedTape;                         // oldest column first
    std::string InputText;                                    // Windows-1251, lines joined by CR LF
    bool InputTextLoaded = false;
    int32_t FeedPosition = 0;  // the next character to feed, 0..FeedLengthOf(InputText) + 1
    std::string OutputText;    // Windows-1251
    // The line break the loaded text's file ended with ("\r" or "\n"; none: empty). The
    // end of a text feeds nothing, but a text that goes on from it begins with that break.
    std::string PendingLineBreak;
    bool operator==(const MachineState&) const = default;
};

// The state as the text of a machine state file: JSON, UTF-8, one field per line in a fixed
// order, so that the same state always gives the same bytes.
std::string WriteMachineState(const MachineState& state);

// Reads a machine state file's bytes. Everything is checked before anything is handed on: on
// refusal `out` is untouched and `error` says in a short sentence which field is wrong and
// why (the caller adds the file name).
bool ReadMachineState(std::string_view bytes, MachineState& out, std::string& error);

}  // namespace q417
