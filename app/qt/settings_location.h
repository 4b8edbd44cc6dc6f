#pragma once
#include <QString>

namespace q417 {

// Where the settings file lives: next to the program, when that folder is writable or already
// holds "Q417.INI"; otherwise (a program installed in a read-only folder) in the user's
// configuration folder, created when needed, so that closing can always write the settings.
// Empty when the settings have no place: no home folder to keep them in.
QString SettingsFilePath();

// The same choice for a given program folder and user configuration folder.
QString SettingsFilePathIn(const QString& programDir, const QString& userConfigDir);

}  // namespace q417
