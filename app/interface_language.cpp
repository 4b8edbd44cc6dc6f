#include "app/interface_language.h"

#include <cstdlib>

#include "app/config_store.h"

namespace q417 {

InterfaceLanguage LanguageOfLocale(const std::string& locale) {
    const std::string language = locale.substr(0, locale.find_first_of("_.@"));
    if (language == "ru") return InterfaceLanguage::Russian;
    if (language == "de") return InterfaceLanguage::German;
    return InterfaceLanguage::English;
}

InterfaceLanguage DesktopLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return LanguageOfLocale(value);
    }
    return InterfaceLanguage::English;
}

InterfaceLanguage ReadInterfaceLanguage(const std::string& settings_path) {
    try {
        ConfigStore store(settings_path, ConfigStore::Access::ReadOnly);
        const int32_t value = store.ReadInteger(kLanguageSection, kLanguageKey, 0);
        if (value > 0 && value < static_cast<int32_t>(InterfaceLanguage::Count))
            return static_cast<InterfaceLanguage>(value);
    } catch (const ConfigError&) {
        // A missing or damaged file: the desktop's language, and start-up reports the damage.
    }
    return InterfaceLanguage::Automatic;
}

bool WriteInterfaceLanguage(const std::string& settings_path, InterfaceLanguage language,
                            std::string& error) {
    try {
        ConfigStore store(settings_path);
        if (store.Damaged() || store.CutShort()) {
            error = "The settings file \"" + settings_path +
                    "\" is damaged, so the language was not kept in it.";
            return false;
        }
        if (language == InterfaceLanguage::Automatic)
            store.DeleteRecord(kLanguageSection, kLanguageKey);
        else
            store.WriteInteger(kLanguageSection, kLanguageKey, static_cast<int32_t>(language));
        return true;
    } catch (const ConfigError& e) {
        error = e.what();
        return false;
    }
}

}  // namespace q417
