#include "app/settings_keeper.h"

namespace q417 {

bool SettingsKeeper::ReadAtStart(MachineSettings& settings, std::string& error) {
    settings = MachineSettings{};
    if (!HasPlace()) return true;  // nowhere to keep them: defaults, a word at close
    // ReadSettingsFile leaves every setting it could not reach at its default.
    const bool read = ReadSettingsFile(path_, settings, &font_, error);
    as_read_ = {settings, font_};  // the close writes only what changed since
    return read;
}

SaveOutcome SettingsKeeper::Save(const MachineSettings& settings) {
    if (!HasPlace()) return {};
    return SaveSettingsFile(path_, settings, font_, &as_read_);
}

InterfaceLanguage SettingsKeeper::Language() const {
    return HasPlace() ? ReadInterfaceLanguage(path_) : InterfaceLanguage::Automatic;
}

bool SettingsKeeper::KeepLanguage(InterfaceLanguage language, std::string& error) {
    if (!HasPlace()) return false;
    return WriteInterfaceLanguage(path_, language, error);
}

}  // namespace q417
