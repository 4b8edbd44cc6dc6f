#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/config_store.h"
#include "app/settings_file.h"
#include "core/machine.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/printer.h"
#include "tests/support/run_cli.h"

namespace {

namespace fs = std::filesystem;
using namespace q417::testing::cli;

std::string Temp(const std::string& name, const std::string& bytes) {
    const fs::path p = TestDir() / name;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
}

TEST(CliFeed, EnciphersAndDeciphersBackWithTheSameKey) {
    const std::string plain = "ПРИВЕТ МИР";
    const Result enc = Cli("feed --rod 1", plain);
    ASSERT_EQ(enc.status, 0) << enc.err;
    EXPECT_NE(enc.out, plain);
    const Result dec = Cli("feed --rod 2", enc.out);
    ASSERT_EQ(dec.status, 0) << dec.err;
    // Spaces are not fed when deciphering; the enciphered space comes back as a space.
    EXPECT_EQ(dec.out, plain);
}

TEST(CliFeed, WorkedExampleThroughTheTextLayer) {
    // Contact 1 is the letter А on the Russian keyboard; twelve of them, plain start state.
    // Outputs 3 11 18 6 29 27 21 21 11 8 14 5 print as В Л Т Е Я Ь Х Х Л З О Д.
    const Result r = Cli("feed --show-state", "АААААААААААА");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ВЛТЕЯЬХХЛЗОД");
    EXPECT_NE(r.err.find("positions: 5 20 7 26 10 3 16 7 21 9"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("tech: 12"), std::string::npos);
}

TEST(CliFeed, AsteriskStopsAndRestartsLikeTheStartKey) {
    const Result a = Cli("feed --rod 0", "АБ*ВГ");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, "АБВГ");
    const Result lines = Cli("feed --rod 0", "АБ\nВГ\n");
    EXPECT_EQ(lines.out, "АБ  ВГ");  // the line break is fed as two spaces
}

TEST(CliFeed, EncodingsAndBadInput) {
    const Result cp = Cli("feed --rod 0 --encoding cp1251", "\xC0\xC1");
    EXPECT_EQ(cp.out, "\xC0\xC1");
    const Result bad = Cli("feed --encoding utf-8", "\xC0\xC1");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("UTF-8"), std::string::npos);
    EXPECT_TRUE(bad.out.empty());
    // A character without a key is skipped, as the window's feed skips it; only bytes that
    // are not UTF-8 stop the run.
    const Result smiley = Cli("feed --rod 0", "А\xE2\x98\xBA\xF0\x9F\x98\x80Б");
    EXPECT_EQ(smiley.status, 0) << smiley.err;
    EXPECT_EQ(smiley.out, "АБ");
}

// The window's rule for reading texts holds here too: its own saved texts (Windows-1251),
// UTF-16 from a Windows editor and UTF-8 with or without a byte-order mark all give the
// output of the same text, from a file and from standard input; a text over the limit is
// refused naming the limit.
TEST(CliFeed, TextsAreReadByTheWindowsRule) {
    const std::string utf8 = "ПРИВЕТ МИР\r\nЁЖ";
    const Result expected = Cli("feed --rod 1", utf8);
    ASSERT_EQ(expected.status, 0) << expected.err;
    std::string utf16 = "\xFF\xFE";
    for (const char16_t c : std::u16string(u"ПРИВЕТ МИР\r\nЁЖ")) {
        utf16.push_back(char(c & 0xFF));
        utf16.push_back(char(c >> 8));
    }
    const std::string cp1251 = "\xCF\xD0\xC8\xC2\xC5\xD2 \xCC\xC8\xD0\r\n\xA8\xC6";
    for (const std::string& text : {cp1251, utf16, "\xEF\xBB\xBF" + utf8}) {
        const Result file = Cli("feed --rod 1 " + Temp("text.txt", text));
        EXPECT_EQ(file.status, 0) << file.err;
        EXPECT_EQ(file.out, expected.out);
        EXPECT_EQ(Cli("feed --rod 1", text).out, expected.out);
    }
    EXPECT_EQ(Cli("feed --rod 1 --encoding cp1251", cp1251).out,
              Cli("feed --rod 1 --encoding cp1251 " + Temp("text.txt", cp1251)).out);
    const std::string big = Temp("big.txt", "");
    fs::resize_file(big, (64u << 20) + 1);
    const Result refused = Cli("feed " + big);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "q417-cli: Cannot read file \"" + big +
                               "\". It is larger than 64 MiB, the largest text file that is "
                               "read.\n");
}

TEST(CliFeed, KeyFilesAreCheckedBeforeUse) {
    const std::string key = Temp("k.key", "");
    const Result gen = Cli("keygen --seed 5 --output " + key);
    ASSERT_EQ(gen.status, 0) << gen.err;
    EXPECT_EQ(fs::file_size(key), 80u);
    EXPECT_EQ(Cli("feed --key " + key, "АБВ").status, 0);

    std::string bytes(80, '\0');
    for (int i = 0; i < 30; ++i) bytes[i] = static_cast<char>(i + 1);
    for (int i = 0; i < 10; ++i) {
        bytes[30 + i] = bytes[40 + i] = static_cast<char>(i + 1);
        bytes[50 + i] = 1;
    }
    EXPECT_EQ(Cli("feed --key " + Temp("basic.key", bytes), "АБВ").out, Cli("feed", "АБВ").out);

    struct Bad {
        const char* name;
        std::string bytes;
    } bad[] = {{"short.key", bytes.substr(0, 50)},
               {"high.key",
                [&] {
                    auto b = bytes;
                    b[0] = 31;
                    return b;
                }()},
               {"twice.key",
                [&] {
                    auto b = bytes;
                    b[1] = 1;
                    return b;
                }()},
               {"body.key", [&] {
                    auto b = bytes;
                    b[31] = 1;
                    return b;
                }()}};
    for (const Bad& b : bad) {
        const Result r = Cli("feed --key " + Temp(b.name, b.bytes), "АБВ");
        EXPECT_EQ(r.status, 1) << b.name;
        EXPECT_NE(r.err.find(b.name), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(Cli("feed --key /nonexistent/x.key", "А").status, 1);
}

TEST(CliFeed, PositionsOverrideTheStart) {
    const Result a = Cli("feed --positions 1,2,3,4,5,6,7,8,9,10", "ААА");
    const Result b = Cli("feed", "ААА");
    EXPECT_EQ(a.out, b.out);
    const Result c = Cli("feed --positions 2,2,3,4,5,6,7,8,9,10", "ААА");
    EXPECT_NE(a.out, c.out);
}

// The Q-417M has no print-wheel choice: asking for the Russian wheel with the German keyboard
// and the Latin half of the wheel still prints Latin letters, as the window does.
TEST(CliFeed, TheQ417MPrintsWithTheWheelOfItsKeyboard) {
    const Result a = Cli("feed --machine 0 --layout 1 --wheel 4 --language 2 --rod 0", "ASDF");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, "ASDF");
    EXPECT_EQ(Cli("feed --machine 0 --layout 1 --language 2 --rod 0", "ASDF").out, "ASDF");
}

TEST(CliUsage, BadOptionsAndValuesExitTwoWithOneLine) {
    const char* cases[] = {"",
                           "frobnicate",
                           "feed --machine 3",
                           "feed --module 20",
                           "feed --rod",
                           "feed --positions 1,2,3",
                           "feed --positions 1,2,3,4,5,6,7,8,9,31",
                           "feed --encoding latin1",
                           "feed --bogus",
                           "feed a.txt b.txt",
                           "keygen",
                           "keygen --seed x --output /tmp/x.key"};
    for (const char* c : cases) {
        const Result r = Cli(c);
        EXPECT_EQ(r.status, 2) << c;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c << ": " << r.err;
    }
    const Result help = Cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("q417-cli feed"), std::string::npos);
}

TEST(CliKeygen, SeedGivesTheSameKeyEveryTime) {
    const std::string a = Temp("a.key", ""), b = Temp("b.key", "");
    ASSERT_EQ(Cli("keygen --seed 0 --output " + a).status, 0);
    ASSERT_EQ(Cli("keygen --seed 0 --output " + b).status, 0);
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    const std::string ba(std::istreambuf_iterator<char>(fa), {}),
        bb(std::istreambuf_iterator<char>(fb), {});
    EXPECT_EQ(ba, bb);
    ASSERT_EQ(ba.size(), 80u);
    EXPECT_EQ(ba[30], 1);  // seed 0: the first body drawn is 1
    EXPECT_EQ(Cli("keygen --seed 1 --output /nonexistent/dir/x.key").status, 1);
}

}  // namespace

namespace q417 {
namespace {

// A settings file as the window's close writes it.
std::string SettingsFile(const std::string& name, const MachineSettings& s) {
    const std::string path = Temp(name, "");
    std::filesystem::remove(path);
    ConfigStore store(path);
    SaveSettings(store, s, FontRecord{});
    return path;
}

TEST(CliConfig, ListsEveryRecordAndFeedsWithItsSettings) {
    MachineSettings s;
    s.Rod = Work::Plain;
    s.Layot = KeyboardLayout::German;
    s.Wheel = PrintWheel::German;
    s.Tech = 77;
    const std::string ini = SettingsFile("Q417.INI", s);
    const Result list = Cli("config " + ini);
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 14);
    EXPECT_NE(list.out.find("Counter"), std::string::npos);
    EXPECT_NE(list.out.find("77"), std::string::npos);

    // Rod 0 from the file: plain typing with the German layout and wheel.
    const Result plain = Cli("feed --config " + ini + " --show-state", "FADU");
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, "FADU");
    EXPECT_NE(plain.err.find("tech: 81"), std::string::npos) << plain.err;
    // An explicit option wins over the file.
    EXPECT_NE(Cli("feed --config " + ini + " --rod 1", "FADU").out, "FADU");
}

TEST(CliConfig, DamagedOrMissingSettingsFilesFailWithTheirName) {
    // A whole record header whose marker is wrong; a fragment shorter than a header would
    // merely end the records.
    const std::string damaged = Temp("damaged.ini", std::string(100, 'x'));
    const Result a = Cli("config " + damaged);
    EXPECT_EQ(a.status, 1);
    EXPECT_NE(a.err.find("damaged.ini"), std::string::npos);
    EXPECT_EQ(Cli("feed --config " + damaged, "А").status, 1);
    EXPECT_EQ(Cli("feed --config /nonexistent/Q417.INI", "А").status, 1);
    // A damaged file whose name happens to be part of the damage message is still named.
    Temp("file", std::string(100, 'x'));
    const Result named = Shell("cd " + TestDir().string() + " && q417 feed --config file", "А");
    EXPECT_EQ(named.status, 1);
    EXPECT_NE(named.err.find("\"file\""), std::string::npos) << named.err;
    EXPECT_FALSE(std::filesystem::exists("/nonexistent/Q417.INI"));
    EXPECT_EQ(Cli("config").status, 2);
}

}  // namespace
// Status and standard error of a command line whose redirections the test writes itself.
Result Shell(const std::string& command) {
    const fs::path err = TestDir() / "shell_stderr";
    fs::create_directories(TestDir());
    const int raw = std::system((command + " 2>" + err.string()).c_str());
    std::ifstream f(err, std::ios::binary);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "",
            std::string(std::istreambuf_iterator<char>(f), {})};
}

// The output the window's loader and start key give for the whole text (Windows-1251).
std::string FedWhole(const std::string& cp1251, int rod) {
    q417::Machine m;
    m.settings.Rod = *SettingFromStored<Work>(rod);
    m.settings.Layot = KeyboardLayout::German;
    m.settings.Wheel = PrintWheel::German;
    m.settings.Sound = false;
    m.StartUp();
    q417::Printer printer(m);
    m.SetOutputStage(&printer);
    q417::TextFeed feed;
    q417::LoadText(m, printer, feed, cp1251);
    q417::FeedToEnd(m, feed);
    return q417::Cp1251ToUtf8(printer.OutputText());
}

// The command line reads its text in pieces of 64 KiB; characters, line breaks and asterisks
// cut at those borders must come out as the whole text does.
TEST(CliFeed, LongTextsFedInPiecesGiveTheWholeTextsOutput) {
    std::string utf8;
    for (int border = 1; border <= 3; ++border) {
        utf8.resize(size_t(65536 * border - 1), 'A');
        utf8 += border == 1 ? "Ж*" : border == 2 ? "\r\nЯ" : "\xE2\x82\xAC\r";
    }
    utf8 += "\n\n";
    std::string cp1251, error;
    ASSERT_TRUE(q417::Utf8ToCp1251(utf8, cp1251, error)) << error;
    const std::string expected = FedWhole(cp1251, 1);
    const Result piped = Cli("feed --rod 1 --layout 1", utf8);
    const Result file = Cli("feed --rod 1 --layout 1 " + Temp("long.txt", utf8));
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out.size(), expected.size());
    EXPECT_TRUE(piped.out == expected);
    EXPECT_TRUE(file.out == expected);
}

TEST(CliFeed, WriteFailuresExitOneWithTheReason) {
    const std::string text = Temp("text.txt", std::string(100000, 'A'));
    const std::string cli = std::string(Q417_CLI);
    const std::string ini = (TestDir() / "Q417.INI").string();
    q417::ConfigStore(ini).WriteInteger("MAIN", "ROD", 1);
    for (const std::string& command :
         {cli + " feed --layout 1 " + text, cli + " feed --layout 1 " + Temp("short.txt", "AB"),
          cli + " config " + ini, cli + " --help"}) {
        const Result r = Shell(command + " >/dev/full");
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err,
                  "q417-cli: Cannot write file \"standard output\". No space left on device\n")
            << command;
    }
}

TEST(CliFeed, PipesDevicesAndFoldersAreRefusedByName) {
    const fs::path fifo = TestDir() / "fifo";
    fs::create_directories(TestDir());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& args : {"feed " + fifo.string(), "feed --key " + fifo.string(),
                                    "config " + fifo.string(), "feed " + TestDir().string()}) {
        const Result r = Cli(args, "A");  // a FIFO nobody writes to: refused, not waited on
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find("Cannot open file \""), std::string::npos) << r.err;
    }
    const Result stdin_pipe = Shell("printf 'AB' | " + std::string(Q417_CLI) + " feed >/dev/null");
    EXPECT_EQ(stdin_pipe.status, 0) << stdin_pipe.err;
}

TEST(CliKeygen, LinksPipesAndPermissionsOfTheTarget) {
    const fs::path dir = TestDir() / "keys";
    fs::create_directories(dir);
    std::ofstream(dir / "victim") << "victim";
    fs::create_symlink("victim", dir / "out.key.tmp~");
    ASSERT_EQ(Cli("keygen --seed 1 --output " + (dir / "out.key").string()).status, 0);
    std::ifstream victim(dir / "victim");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), {}), "victim");

    std::ofstream(dir / "real.key") << "old";
    fs::permissions(dir / "real.key", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.key", dir / "link.key");
    ASSERT_EQ(Cli("keygen --seed 2 --output " + (dir / "link.key").string()).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.key"));
    EXPECT_EQ(fs::file_size(dir / "real.key"), 80u);
    EXPECT_EQ(fs::status(dir / "real.key").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    const Result r = Cli("keygen --output " + (dir / "pipe").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("No program reads from the pipe"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
}

// A damaged record does not hide the ones before it: they are listed, then the damage is
// placed, and the status is 1.
TEST(CliConfig, TheRecordsBeforeTheDamageAreListedAndTheDamagePlaced) {
    const std::string ini = (TestDir() / "partly.ini").string();
    fs::create_directories(TestDir());
    q417::ConfigStore(ini).WriteInteger("MAIN", "ROD", 1);
    std::ofstream(ini, std::ios::binary | std::ios::app) << std::string(100, 'x');
    const Result r = Cli("config " + ini);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "MAIN ROD integer 1\n");
    EXPECT_EQ(r.err, "q417-cli: settings file \"" + ini +
                         "\" is damaged: record 2, at byte 84, has no valid header (Invalid file "
                         "format.), so nothing after it can be read; the one record before it is "
                         "listed\n");
}

// A new key is its owner's only; a link another user planted in a shared sticky folder is
// refused by name, and the file it leads to stays as it was.
TEST(CliKeygen, NewKeysAreSecretAndPlantedLinksRefused) {
    const fs::path dir = TestDir() / "secret";
    fs::create_directories(dir);
    ::umask(022);
    ASSERT_EQ(Cli("keygen --seed 3 --output " + (dir / "new.key").string()).status, 0);
    EXPECT_EQ(fs::status(dir / "new.key").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    if (::geteuid() != 0) return;  // planting another user's link needs root
    const fs::path shared = dir / "tmp";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    std::ofstream(dir / "victim") << "victim";
    fs::create_symlink(dir / "victim", shared / "k.key");
    ASSERT_EQ(::lchown((shared / "k.key").c_str(), 65534, 65534), 0);
    const Result r = Cli("keygen --output " + (shared / "k.key").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find((shared / "k.key").string() + "\". It is a link made by another user"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Slurp(dir / "victim"), "victim");
}

}  // namespace q417
