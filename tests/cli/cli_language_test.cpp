// q417-cli in Russian and German: every text of its sources has a translation in each
// catalogue, and the program speaks the language of the locale it runs in.
#include <gtest/gtest.h>

#include "tests/support/run_cli.h"

namespace q417::testing::cli {
namespace {

const std::string kSource = Q417_SOURCE_DIR;

TEST(CliLanguage, EveryTextOfTheSourcesIsTranslated) {
    if (Shell("command -v xgettext && command -v msgcmp && command -v msgfmt").status != 0)
        GTEST_SKIP() << "gettext's tools are not installed";
    // The texts as the sources hold them now, not as the committed template lists them.
    const std::string pot = (TestDir() / "now.pot").string();
    const Result made = Shell("cd " + kSource + " && xgettext --from-code=UTF-8 -C --keyword=Tr "
                              "--keyword=TrLater --keyword=Fill:1 --keyword=FillCount:1,2 "
                              "-o " + pot + " app/cli/*.cpp");
    ASSERT_EQ(made.status, 0) << made.err;
    for (const char* lang : {"ru", "de"}) {
        const std::string po = kSource + "/po/" + lang + ".po";
        const Result cmp = Shell("msgcmp " + po + " " + pot);
        EXPECT_EQ(cmp.status, 0) << lang << ": texts of the sources missing:\n" << cmp.err;
        const Result stats = Shell("msgfmt --check --statistics -o /dev/null " + po);
        EXPECT_EQ(stats.status, 0) << stats.err;
        EXPECT_EQ(stats.err.find("untranslated"), std::string::npos) << lang << ": " << stats.err;
        EXPECT_EQ(stats.err.find("fuzzy"), std::string::npos) << lang << ": " << stats.err;
    }
}

// The locales are made for the test in a folder of its own (glibc's localedef), so that the
// system needs none of them installed.
TEST(CliLanguage, ItSpeaksTheLocalesLanguage) {
    const std::string locales = (TestDir() / "locales").string();
    const Result made = Shell("mkdir -p " + locales + " && localedef -i ru_RU -f UTF-8 " +
                              locales + "/ru_RU.UTF-8 && localedef -i de_DE -f UTF-8 " + locales +
                              "/de_DE.UTF-8");
    if (made.status != 0) GTEST_SKIP() << "no locales can be made here: " << made.err;
    const auto in = [&](const char* locale, const std::string& args,
                        const std::string& input = "") {
        return Shell("LOCPATH=" + locales + " LC_ALL= LANGUAGE= LC_MESSAGES= LANG=" + locale +
                         " q417 " + args,
                     input);
    };
    const std::string enciphered = in("C", "feed --positions 3,1,4,1,5,9,2,6,5,3", "ПРИВЕТ\n").out;
    ASSERT_FALSE(enciphered.empty());
    const struct {
        const char* locale;
        const char* refusal;
        const char* help;
    } cases[] = {
        {"ru_RU.UTF-8", "q417-cli: неверное значение «7» для --rod (см. q417-cli --help)\n",
         "использование: q417-cli feed"},
        {"de_DE.UTF-8", "q417-cli: ungültiger Wert „7“ für --rod (siehe q417-cli --help)\n",
         "Aufruf: q417-cli feed"},
        {"C", "q417-cli: bad value '7' for --rod (see q417-cli --help)\n", "usage: q417-cli feed"},
    };
    for (const auto& c : cases) {
        const Result refused = in(c.locale, "feed --rod 7");
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, c.refusal);
        EXPECT_EQ(in(c.locale, "--help").out.rfind(c.help, 0), 0u) << c.locale;
        // What the machine prints is the same in every language.
        EXPECT_EQ(in(c.locale, "feed --positions 3,1,4,1,5,9,2,6,5,3", "ПРИВЕТ\n").out, enciphered)
            << c.locale;
    }
}

}  // namespace
}  // namespace q417::testing::cli
