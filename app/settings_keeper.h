#pragma once
#include <string>

#include "app/font_record.h"
#include "app/interface_language.h"
#include "app/settings_file.h"
#include "core/settings.h"

namespace q417 {

// The settings file of one run of the window: read once at start, written at close. It keeps
// what start-up read, so that the close writes only what this run changed and leaves what
// other copies of the program wrote in the meantime. The text font is kept here, with the
// settings it is written beside.
class SettingsKeeper {
public:
    // An empty path: there is no place for the settings (no home folder); every read gives the
    // defaults and every write is refused.
    explicit SettingsKeeper(std::string path) : path_(std::move(path)) {}

    bool HasPlace() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }

    // Start-up's reading: the settings, defaults for what could not be read. False with the
    // message, naming the file, when it is damaged or unreadable.
    bool ReadAtStart(MachineSettings& settings, std::string& error);
    FontRecord& Font() { return font_; }

    // Closing's writing of these settings with the font, merged with what the file holds now.
    // Without a place nothing is written and the outcome says so (saved false, no report).
    SaveOutcome Save(const MachineSettings& settings);

    // The interface language kept beside the settings (Automatic without a place), and a new
    // choice kept at once. False with the message when it could not be kept.
    InterfaceLanguage Language() const;
    bool KeepLanguage(InterfaceLanguage language, std::string& error);

private:
    std::string path_;
    FontRecord font_;
    SettingsAsRead as_read_;
};

}  // namespace q417
