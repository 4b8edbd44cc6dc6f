#pragma once
#include "app/interface_language.h"

namespace q417 {

// Puts the window's words into `language` (Automatic: the desktop's), with Qt's own words in
// its dialogs (buttons, file dialogs) to match where Qt's catalogues are installed. Called
// before any panel is made: each panel takes its words as it is made. English removes the
// translations again.
void UseLanguage(InterfaceLanguage language);

// The language the window speaks now: English until UseLanguage chose another.
InterfaceLanguage LanguageInUse();

}  // namespace q417
