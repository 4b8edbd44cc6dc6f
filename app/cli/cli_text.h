#pragma once
#include <initializer_list>
#include <string>

namespace q417::cli {

// q417-cli's own words in the user's language, from the gettext catalogue of the text domain
// "q417-cli" (po/<language>.po). The model's messages inside them stay as the model makes them.
inline constexpr const char* kTextDomain = "q417-cli";

// Binds the text domain to the catalogues (a "locale" folder beside the program, as in a build,
// otherwise the installed ones) and takes the language from the environment.
void UseUserLanguage();

// Marks a text for the catalogue where it is defined; it is translated (Tr) where it is used.
constexpr const char* TrLater(const char* english) {
    return english;
}

// The text in the user's language.
const char* Tr(const char* english);
// The text in the user's language with %1, %2, ... filled in.
std::string Fill(const char* english, std::initializer_list<std::string> parts);
// The same for a text whose words depend on a count (`one` for 1 in English).
std::string FillCount(const char* one, const char* many, unsigned long count,
                      std::initializer_list<std::string> parts);

}  // namespace q417::cli
