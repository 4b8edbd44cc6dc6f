#include "app/cli/cli_text.h"

#include <libintl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <climits>

#ifndef Q417_LOCALEDIR
#define Q417_LOCALEDIR "/usr/share/locale"
#endif

namespace q417::cli {

namespace {

// The "locale" folder beside the running program, when there is one.
std::string CataloguesBesideProgram() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    std::string dir(path, std::size_t(n));
    dir = dir.substr(0, dir.rfind('/')) + "/locale";
    struct stat info {};
    return ::stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? dir : std::string();
}

std::string FillIn(std::string text, std::initializer_list<std::string> parts) {
    int n = 1;
    for (const std::string& part : parts) {
        const std::string mark = "%" + std::to_string(n++);
        const std::size_t at = text.find(mark);
        if (at != std::string::npos) text.replace(at, mark.size(), part);
    }
    return text;
}

}  // namespace

void UseUserLanguage() {
    std::setlocale(LC_ALL, "");
    // Numbers are written the same way in every language, as the files and traces need them.
    std::setlocale(LC_NUMERIC, "C");
    const std::string beside = CataloguesBesideProgram();
    ::bindtextdomain(kTextDomain, beside.empty() ? Q417_LOCALEDIR : beside.c_str());
    ::textdomain(kTextDomain);
}

const char* Tr(const char* english) {
    return ::dgettext(kTextDomain, english);
}

std::string Fill(const char* english, std::initializer_list<std::string> parts) {
    return FillIn(Tr(english), parts);
}

std::string FillCount(const char* one, const char* many, unsigned long count,
                      std::initializer_list<std::string> parts) {
    return FillIn(::dngettext(kTextDomain, one, many, count), parts);
}

}  // namespace q417::cli
