#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/font_record.h"
#include "app/interface_language.h"
#include "tests/support/away_settings.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

using testing::FileBytes;
using testing::Join;
using testing::Le32;
using testing::Record;
using testing::TempDir;
using testing::WriteFileBytes;

const std::vector<uint8_t> kDefaultFontData = {1,   0x08, 0,   0,   0x80, 0,   8,   0,
                                               0,   'M',  'S', ' ', 'S',  'a', 'n', 's',
                                               ' ', 'S',  'e', 'r', 'i',  'f', 0};

// The file a first close on an empty file leaves, record by record.
std::vector<uint8_t> FirstCloseFile() {
    return Join({Record("MAIN", "MACHINE", Le32(1)), Record("MAIN", "MODULE", Le32(30)),
                 Record("MAIN", "Plug", Le32(1)), Record("MAIN", "ROD", Le32(0)),
                 Record("MAIN", "Sound", {1}), Record("Keyboard", "Layot", Le32(4)),
                 Record("Printer", "Sposob", Le32(1)), Record("Printer", "Language", Le32(1)),
                 Record("Printer", "Mode", Le32(1)), Record("Printer", "Wheel", Le32(4)),
                 Record("Printer", "Divider", {0}), Record("Rotors", "Serie", Le32(6)),
                 Record("Counter", "Tech", Le32(0)), Record("Font", "ALL", kDefaultFontData)});
}

// All thirteen fields as the file's numbers, in declaration order, for comparing whole
// settings.
std::array<int32_t, 13> Fields(const StoredSettings& s) {
    return {s.Machine,  s.Module, s.Plug,  s.Rod,     s.Sound, s.Layot, s.Sposob,
            s.Language, s.Mode,   s.Wheel, s.Divider, s.Serie, s.Tech};
}
std::array<int32_t, 13> Fields(const MachineSettings& s) {
    return Fields(StoredFrom(s));
}

MachineSettings ReadFile(const std::vector<uint8_t>& file, FontRecord* font = nullptr) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    WriteFileBytes(path, file);
    ConfigStore store(path);
    MachineSettings s;
    s.Tech = 1234;  // every field is replaced, whatever it held
    ReadSettings(store, s, font);
    return s;
}

TEST(SettingsFile, FirstCloseWritesTheFourteenRecords) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    MachineSettings s;
    FontRecord font;
    {
        ConfigStore store(path);
        ReadSettings(store, s, &font);
        EXPECT_EQ(FileBytes(path).size(), 0u);  // reading leaves the new file empty
    }
    ConfigStore store(path);
    SaveSettings(store, s, font);
    const auto bytes = FileBytes(path);
    ASSERT_EQ(bytes, FirstCloseFile());
    EXPECT_EQ(bytes.size(), 11u * 84 + 2u * 81 + 103);
    // A second close deletes and re-appends every record in the same order.
    SaveSettings(store, s, font);
    EXPECT_EQ(FileBytes(path), bytes);
}

TEST(SettingsFile, ReadsBackWhatWasSaved) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    const MachineSettings saved = AwaySettings(9999);
    FontRecord font{204, 0x00FF0000u, 2, 12, kFontBold | kFontItalic, "Courier New"};
    {
        ConfigStore store(path);
        SaveSettings(store, saved, font);
    }
    ConfigStore store(path);
    MachineSettings read;
    FontRecord read_font;
    ReadSettings(store, read, &read_font);
    EXPECT_EQ(read_font, font);
    EXPECT_EQ(Fields(read), Fields(saved));
}

// Every position of every switch has its own number in the file: the numbers below are the
// file's and never change. Each goes to its number and back, each number no position has is
// refused, and a file of such numbers starts the machine on its defaults.
TEST(SettingsFile, EveryPositionGoesThroughItsNumberAndBack) {
    const auto check = [](auto positions, std::vector<int32_t> numbers) {
        using Setting = typename decltype(positions)::value_type;
        ASSERT_EQ(positions.size(), numbers.size());
        for (std::size_t i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(StoredValue(positions[i]), numbers[i]);
            EXPECT_EQ(SettingFromStored<Setting>(numbers[i]), positions[i]);
        }
        for (int32_t n : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 20, 30, 31, INT32_MIN, INT32_MAX})
            if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) {
                EXPECT_FALSE(SettingFromStored<Setting>(n).has_value()) << n;
            }
    };
    check(kPositions<Model>, {0, 1, 2});
    check(kPositions<AlphabetModule>, {10, 30});
    check(kPositions<AlphabetPlug>, {1, 2});
    check(kPositions<Work>, {0, 1, 2});
    check(kPositions<KeyboardLayout>, {1, 2, 3, 4});
    check(kPositions<PrintMethod>, {1, 2});
    check(kPositions<WheelHalf>, {1, 2});
    check(kPositions<RegisterMode>, {1, 2, 3});
    check(kPositions<PrintWheel>, {1, 2, 3, 4});
    check(kPositions<RotorSeries>, {3, 4, 6});

    // Whole settings through the file, with every position of every switch in turn.
    for (std::size_t i = 0; i < 4; ++i) {
        const auto at = [i](const auto& positions) { return positions[i % positions.size()]; };
        MachineSettings s{at(kPositions<Model>),
                          at(kPositions<AlphabetModule>),
                          at(kPositions<AlphabetPlug>),
                          at(kPositions<Work>),
                          i % 2 == 0,
                          at(kPositions<KeyboardLayout>),
                          at(kPositions<PrintMethod>),
                          at(kPositions<WheelHalf>),
                          at(kPositions<RegisterMode>),
                          at(kPositions<PrintWheel>),
                          i % 2 == 1,
                          at(kPositions<RotorSeries>),
                          int32_t(i * 3333)};
        SanitizeSettings(s);
        EXPECT_EQ(SettingsFromStored(StoredFrom(s)), s) << i;
        TempDir dir;
        const std::string path = dir.File("Q417.INI");
        {
            ConfigStore store(path);
            SaveSettings(store, s, FontRecord{});
        }
        EXPECT_EQ(Fields(ReadFile(FileBytes(path))), Fields(s)) << i;
    }

    // A file whose every number is one no position has: the defaults, the wheel the keyboard's.
    const MachineSettings defaults =
        ReadFile(Join({Record("MAIN", "MACHINE", Le32(3)), Record("MAIN", "MODULE", Le32(0)),
                       Record("MAIN", "Plug", Le32(3)), Record("MAIN", "ROD", Le32(3)),
                       Record("Keyboard", "Layot", Le32(0)), Record("Printer", "Sposob", Le32(0)),
                       Record("Printer", "Language", Le32(0)), Record("Printer", "Mode", Le32(0)),
                       Record("Printer", "Wheel", Le32(5)), Record("Rotors", "Serie", Le32(-6)),
                       Record("Counter", "Tech", Le32(-1))}));
    EXPECT_EQ(Fields(defaults), Fields(MachineSettings{}));
    StoredSettings latin_keyboard;
    latin_keyboard.Layot = 3;
    latin_keyboard.Wheel = 0;
    EXPECT_EQ(SettingsFromStored(latin_keyboard).Wheel, PrintWheel::Czech);
}

struct StartUpCase {
    const char* name;
    std::vector<uint8_t> file;
    StoredSettings expected;
};

TEST(SettingsFile, StartUpConditionsAndRanges) {
    const std::vector<StartUpCase> cases = {
        {"empty file", {}, StoredFrom(MachineSettings{})},
        {"the Q-417M reads no module, plug or mode",
         Join({Record("MAIN", "MACHINE", Le32(0)), Record("MAIN", "MODULE", Le32(10)),
               Record("MAIN", "Plug", Le32(2)), Record("Printer", "Mode", Le32(3))}),
         {0, 30, 1, 0, true, 4, 1, 1, 1, 4, false, 6, 0}},
        {"the later models read them",
         Join({Record("MAIN", "MACHINE", Le32(2)), Record("MAIN", "MODULE", Le32(10)),
               Record("MAIN", "Plug", Le32(2)), Record("Printer", "Mode", Le32(3))}),
         {2, 10, 2, 0, true, 4, 1, 1, 3, 4, false, 6, 0}},
        {"the wheel follows the layout read",
         Record("Keyboard", "Layot", Le32(2)),
         {1, 30, 1, 0, true, 2, 1, 1, 1, 2, false, 6, 0}},
        {"a stored wheel wins",
         Join({Record("Keyboard", "Layot", Le32(2)), Record("Printer", "Wheel", Le32(4))}),
         {1, 30, 1, 0, true, 2, 1, 1, 1, 4, false, 6, 0}},
        {"out of range values take their defaults",
         Join({Record("MAIN", "MACHINE", Le32(7)), Record("MAIN", "MODULE", Le32(20)),
               Record("MAIN", "ROD", Le32(-1)), Record("Keyboard", "Layot", Le32(9)),
               Record("Printer", "Sposob", Le32(3)), Record("Rotors", "Serie", Le32(5)),
               Record("Counter", "Tech", Le32(10000))}),
         StoredFrom(MachineSettings{})},
        {"booleans and the counter",
         Join({Record("MAIN", "SOUND", {0}), Record("PRINTER", "DIVIDER", {2}),
               Record("COUNTER", "TECH", Le32(9999))}),
         {1, 30, 1, 0, false, 4, 1, 1, 1, 4, true, 6, 9999}},
    };
    for (const StartUpCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MachineSettings s = ReadFile(c.file);
        EXPECT_EQ(Fields(s), Fields(c.expected));
    }
}

TEST(SettingsFile, DamagedFileKeepsWhatLiesBeforeTheDamage) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    WriteFileBytes(path, Join({Record("MAIN", "MACHINE", Le32(2)), Record("MAIN", "ROD", Le32(2)),
                               Record("X", "X", {}, 0), Record("Counter", "Tech", Le32(5))}));
    ConfigStore store(path);
    MachineSettings s;
    try {
        ReadSettings(store, s, nullptr);
        ADD_FAILURE() << "no error";
    } catch (const ConfigError& e) {
        EXPECT_STREQ(e.what(), kInvalidFileFormat);
        EXPECT_EQ(e.kind(), ConfigFault::Damaged);
    }
    EXPECT_EQ(s.Machine, Model::Q417_3MR);
    EXPECT_EQ(s.Rod, Work::Decipher);
    EXPECT_EQ(s.Tech, 0);
    EXPECT_EQ(s.Layot, KeyboardLayout::Russian);
}

TEST(SettingsFile, LoadForTheCommandLine) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    MachineSettings s;
    ConfigFailure error;
    EXPECT_FALSE(LoadSettingsFile(path, s, error));
    EXPECT_EQ(error.kind, ConfigFault::FileAccess);
    EXPECT_EQ(error.message, "Cannot open file \"" + path + "\". No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(path));

    WriteFileBytes(path, Record("MAIN", "MACHINE", Le32(0)));
    EXPECT_TRUE(LoadSettingsFile(path, s, error));
    EXPECT_EQ(s.Machine, Model::Q417M);

    const auto damaged = Join({Record("MAIN", "ROD", Le32(1)), Record("X", "X", {}, 0)});
    WriteFileBytes(path, damaged);
    EXPECT_FALSE(LoadSettingsFile(path, s, error));
    EXPECT_EQ(error.kind, ConfigFault::Damaged);
    EXPECT_EQ(error.message, kInvalidFileFormat);
    EXPECT_EQ(s.Rod, Work::Encipher);
    EXPECT_EQ(FileBytes(path), damaged);
}

TEST(SettingsFile, DescribesEveryRecord) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    WriteFileBytes(path, FirstCloseFile());
    std::vector<std::string> lines;
    ConfigFailure error;
    ASSERT_TRUE(DescribeSettingsFile(path, lines, error));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "MAIN MACHINE integer 1", "MAIN MODULE integer 30", "MAIN Plug integer 1",
                         "MAIN ROD integer 0", "MAIN Sound boolean true",
                         "Keyboard Layot integer 4", "Printer Sposob integer 1",
                         "Printer Language integer 1", "Printer Mode integer 1",
                         "Printer Wheel integer 4", "Printer Divider boolean false",
                         "Rotors Serie integer 6", "Counter Tech integer 0",
                         "Font ALL font name=\"MS Sans Serif\" size=8 style=0 color=0x80000008 "
                         "charset=1 pitch=0"}));
}

TEST(SettingsFile, DescribesOddAndDamagedRecords) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    WriteFileBytes(path, Join({Record("main", "machine", {1, 2}), Record("My Sec", "k", Le32(-5)),
                               Record("A", "B", {}), Record("A", "C", {0xAB, 0xCD, 0xEF, 0, 1}),
                               Record("A", "D", {1, 2}, 274, 7)}));
    std::vector<std::string> lines;
    ConfigFailure error;
    EXPECT_TRUE(DescribeSettingsFile(path, lines, error));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"main machine stream 0102", "\"My Sec\" k integer -5",
                                        "A B stream (empty)", "A C stream abcdef0001",
                                        "A D stream 0102 (truncated: 2 of 7 bytes)"}));

    // Records of other programs: a font is told by its single closing zero; names that would
    // not read as one word are quoted, with their bytes outside plain ASCII escaped.
    const std::vector<uint8_t> font = EncodeFontRecord({204, 0x0000FF00u, 2, 10, 1, "Tahoma"});
    std::vector<uint8_t> two_zeros = font, no_zero = font;
    two_zeros[10] = 0;
    no_zero.back() = 'x';
    WriteFileBytes(path,
                   Join({Record("Other", "Face", font), Record("Other", "Two", two_zeros),
                         Record("Other", "None", no_zero), Record("Other", "Int", Le32(1 << 24)),
                         Record("Font", "ALL", {font.begin(), font.begin() + 9}),
                         Record("a\\\"b", "\x7f\x01 ~", {0})}));
    EXPECT_TRUE(DescribeSettingsFile(path, lines, error));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Other Face font name=\"Tahoma\" size=10 style=1 color=0x0000ff00 "
                         "charset=204 pitch=2",
                         "Other Two stream cc00ff0000020a00015400686f6d6100",
                         "Other None stream cc00ff0000020a00015461686f6d6178",
                         "Other Int integer 16777216", "Font ALL stream cc00ff0000020a0001",
                         "\"a\\\\\\\"b\" \"\\x7f\\x01 ~\" boolean false"}));

    WriteFileBytes(path, Join({Record("A", "B", {1}), Record("Z", "Z", {}, 1)}));
    EXPECT_FALSE(DescribeSettingsFile(path, lines, error));
    EXPECT_EQ(error.kind, ConfigFault::Damaged);
    EXPECT_EQ(error.message, kInvalidFileFormat);
    EXPECT_EQ(lines, std::vector<std::string>{"A B boolean true"});
}

// The font record: every field little-endian in its own bytes, the face name to its zero.
TEST(SettingsFile, TheFontRecordKeepsEveryFieldAndEndsTheNameAtItsZero) {
    const FontRecord font{204, 0x11223344u, 2, 0x0A0B, kFontBold | kFontStrikeOut, "Arial"};
    const std::vector<uint8_t> data = EncodeFontRecord(font);
    EXPECT_EQ(data, (std::vector<uint8_t>{204, 0x44, 0x33, 0x22, 0x11, 2, 0x0B, 0x0A, 9, 'A', 'r',
                                          'i', 'a', 'l', 0}));
    EXPECT_EQ(DecodeFontRecord(data), font);
    // Without a face name there is no font; a name missing its zero runs to the end.
    EXPECT_FALSE(DecodeFontRecord(std::span(data).first(kFontFixedBytes)));
    EXPECT_EQ(DecodeFontRecord(std::span(data).first(kFontFixedBytes + 1))->Name, "A");
    EXPECT_EQ(DecodeFontRecord(std::span(data).first(kFontFixedBytes + 3))->Size, 0x0A0B);
    std::vector<uint8_t> two_names = data;
    two_names[11] = 0;
    EXPECT_EQ(DecodeFontRecord(two_names)->Name, "Ar");
}

// The window's language: from the locale, or a record of the settings file that no other
// record notices, refused on a damaged file.
TEST(SettingsFile, TheWindowsLanguageIsARecordBesideTheMachines) {
    EXPECT_EQ(LanguageOfLocale("ru_RU.UTF-8"), InterfaceLanguage::Russian);
    EXPECT_EQ(LanguageOfLocale("de@euro"), InterfaceLanguage::German);
    EXPECT_EQ(LanguageOfLocale("de"), InterfaceLanguage::German);
    EXPECT_EQ(LanguageOfLocale("rus"), InterfaceLanguage::English);
    EXPECT_EQ(LanguageOfLocale("C"), InterfaceLanguage::English);
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_MESSAGES", "de_DE.UTF-8", 1);
    ::setenv("LANG", "ru_RU.UTF-8", 1);
    EXPECT_EQ(DesktopLanguage(), InterfaceLanguage::German);
    ::unsetenv("LC_MESSAGES");
    EXPECT_EQ(DesktopLanguage(), InterfaceLanguage::Russian);
    ::unsetenv("LANG");
    EXPECT_EQ(DesktopLanguage(), InterfaceLanguage::English);

    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    EXPECT_EQ(ReadInterfaceLanguage(path), InterfaceLanguage::Automatic);
    const std::vector<uint8_t> machine = Record("MAIN", "ROD", Le32(2));
    WriteFileBytes(path, machine);
    std::string error;
    for (InterfaceLanguage l : {InterfaceLanguage::English, InterfaceLanguage::German}) {
        ASSERT_TRUE(WriteInterfaceLanguage(path, l, error)) << error;
        EXPECT_EQ(ReadInterfaceLanguage(path), l);
    }
    EXPECT_EQ(FileBytes(path), Join({machine, Record("WINDOW", "LANGUAGE", Le32(3))}));
    ASSERT_TRUE(WriteInterfaceLanguage(path, InterfaceLanguage::Automatic, error)) << error;
    EXPECT_EQ(FileBytes(path), machine);
    EXPECT_EQ(ReadInterfaceLanguage(path), InterfaceLanguage::Automatic);
    // A value this program does not know is the automatic choice.
    WriteFileBytes(path, Join({machine, Record("WINDOW", "LANGUAGE", Le32(4))}));
    EXPECT_EQ(ReadInterfaceLanguage(path), InterfaceLanguage::Automatic);

    const std::vector<uint8_t> damaged = Join({machine, Record("X", "X", {}, 0)});
    WriteFileBytes(path, damaged);
    EXPECT_EQ(ReadInterfaceLanguage(path), InterfaceLanguage::Automatic);
    EXPECT_FALSE(WriteInterfaceLanguage(path, InterfaceLanguage::Russian, error));
    EXPECT_NE(error.find("is damaged, so the language was not kept"), std::string::npos) << error;
    EXPECT_EQ(FileBytes(path), damaged);
}

}  // namespace
}  // namespace q417
