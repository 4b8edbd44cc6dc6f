#pragma once
#include <string>
#include <vector>

#include "app/config_store.h"
#include "app/font_record.h"
#include "core/settings.h"

namespace q417 {

// The settings file's name; it lives next to the program.
inline constexpr const char* kSettingsFileName = "Q417.INI";

// Start-up's reading of the settings: every field of MachineSettings with its default when
// absent, in start-up order. Module, Plug and Mode are read only for the models with a module
// switch and register (Machine > 0); the Q-417M gets module 30 and mode 1. Wheel defaults to
// the keyboard layout just read. Then every value outside its range takes its default.
// The text font is read into *font when given (unchanged when the file has none).
// A damaged file does not stop the reading: each setting that cannot be reached keeps its
// default, and the first ConfigError is thrown once the settings are complete and sane.
void ReadSettings(ConfigStore& store, MachineSettings& settings, FontRecord* font);

// The settings and the font as start-up read them, so that the close can tell what this
// program changed.
struct SettingsAsRead {
    MachineSettings settings;
    FontRecord font;
};

// Closing's writing of the settings: fourteen records in a fixed order, each deleted and
// re-appended, so that the file keeps that order from the first close on. Given what
// start-up read, only the records this program changed since take its values; every other
// record keeps the value the file holds now, which another program may have written in the
// meantime (a record missing from the file takes this program's value).
void SaveSettings(ConfigStore& store, const MachineSettings& settings, const FontRecord& font,
                  const SettingsAsRead* as_read = nullptr);

// Start-up's reading of the settings file: missing, it gives the defaults; readable, it is
// read (read-only, so a file or folder the user may not write is no obstacle). False with a
// message naming the file when it cannot be read or is damaged; settings then holds what
// could be read, with defaults for the rest.
bool ReadSettingsFile(const std::string& path, MachineSettings& settings, FontRecord* font,
                      std::string& error);

// What became of the settings at close.
struct SaveOutcome {
    bool saved = false;
    std::string error;         // why not, naming the file
    std::string damaged_copy;  // where a damaged file was kept, once the copy is written
    // What the user is told, in whole sentences: empty when all went as it should.
    std::string report;
};

// Closing's writing of the settings file, under its lock: read afresh, the fourteen records
// written (with `as_read`, merged as SaveSettings says), the file replaced once. Several
// copies of the program may share one file: each close takes the file as it is at that
// moment, so what the others changed stays, and of two programs that changed the same
// setting the one that closes later wins. A damaged file, one with a bad record or whose
// last record is cut short, is first copied whole to a free name (NAME.damaged, then
// NAME.damaged.1, ...) and the settings go to a fresh file; without the copy nothing is
// written. Never throws.
SaveOutcome SaveSettingsFile(const std::string& path, const MachineSettings& settings,
                             const FontRecord& font, const SettingsAsRead* as_read = nullptr);

// For the command-line tool. Reads a settings file the way start-up does, without ever
// creating or changing it, starting from the defaults. False with the kind of trouble and its
// message when the file is missing (a FileAccess message names the file) or damaged (a
// Damaged one does not); settings then holds what could be read, with defaults for the rest.
bool LoadSettingsFile(const std::string& path, MachineSettings& settings, ConfigFailure& error);

// One line per record, "SECTION KEY TYPE VALUE", in file order, names as stored. TYPE is
// integer, boolean, font or stream; integers in decimal, booleans true/false, fonts as their
// fields, anything else as hex bytes. False with the kind and message when the file cannot be
// opened or holds a damaged record (lines then has the records before it, and *damage_at,
// when given, the byte where the damaged record begins).
bool DescribeSettingsFile(const std::string& path, std::vector<std::string>& lines,
                          ConfigFailure& error, std::size_t* damage_at = nullptr);

}  // namespace q417
