#pragma once
#include <string>

namespace q417 {

// The language of the window's words (the machine's own captions and its Russian texts stay
// as they are in every language). Automatic follows the desktop's locale.
enum class InterfaceLanguage { Automatic = 0, English = 1, Russian = 2, German = 3, Count };

// The choice is a record of the settings file of its own, beside the fourteen the machine
// keeps, so that other programs reading the file see nothing new in the records they know.
inline constexpr const char* kLanguageSection = "WINDOW";
inline constexpr const char* kLanguageKey = "LANGUAGE";

// The language of a locale name such as "ru_RU.UTF-8" or "de_AT": Russian for ru, German for
// de, English for anything else (C, POSIX, en, languages without a translation).
InterfaceLanguage LanguageOfLocale(const std::string& locale);

// The desktop's language as the C library sees it: LC_ALL, then LC_MESSAGES, then LANG,
// the first that is set and not empty.
InterfaceLanguage DesktopLanguage();

// The choice kept in the settings file; Automatic when the file or the record is missing,
// damaged or holds a value this program does not know.
InterfaceLanguage ReadInterfaceLanguage(const std::string& settings_path);

// Keeps the choice in the settings file (Automatic removes the record), under the file's lock,
// leaving every other record as it is. False with the message when the file cannot be written
// or is damaged (a damaged file is never changed).
bool WriteInterfaceLanguage(const std::string& settings_path, InterfaceLanguage language,
                            std::string& error);

// The language the window speaks: the choice, or the desktop's when the choice is Automatic.
inline InterfaceLanguage EffectiveLanguage(InterfaceLanguage chosen) {
    return chosen == InterfaceLanguage::Automatic ? DesktopLanguage() : chosen;
}

}  // namespace q417
