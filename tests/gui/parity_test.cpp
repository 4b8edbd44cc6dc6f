// The window and q417-cli run the same machine session: the same settings file, key,
// positions and text give the same output text, final positions, key-press count and
// settings, whether a user works the window or a script runs the command line.
#include <sys/wait.h>

#include <QFile>
#include <QToolButton>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/config_store.h"
#include "app/machine_state.h"
#include "app/settings_file.h"
#include "io/cp1251.h"
#include "io/qt/text_box.h"
#include "io/qt/text_panel.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

struct Scenario {
    const char* name;
    MachineSettings settings;
    uint32_t key_seed;  // 0: the basic key and the diagonal card
    std::array<int32_t, 11> positions;
    std::string text;  // as the file holds it
    bool utf8;
};

MachineSettings Settings(int machine, int module, int plug, int rod, int layot, int wheel,
                         int language, int mode, bool divider, int serie) {
    MachineSettings s;
    s.Machine = *SettingFromStored<Model>(machine);
    s.Module = *SettingFromStored<AlphabetModule>(module);
    s.Plug = *SettingFromStored<AlphabetPlug>(plug);
    s.Rod = *SettingFromStored<Work>(rod);
    s.Sound = false;
    s.Layot = *SettingFromStored<KeyboardLayout>(layot);
    s.Wheel = *SettingFromStored<PrintWheel>(wheel);
    s.Language = *SettingFromStored<WheelHalf>(language);
    s.Mode = *SettingFromStored<RegisterMode>(mode);
    s.Divider = divider;
    s.Serie = *SettingFromStored<RotorSeries>(serie);
    s.Tech = 9990;  // the count wraps through 9999 on the way
    return s;
}

const Scenario kScenarios[] = {
    // The Q-417M with a stored wheel unlike its keyboard: both start on the keyboard's wheel.
    {"Q417MWheelFollowsKeyboard",
     Settings(0, 10, 2, 1, 1, 4, 2, 3, false, 6),
     3,
     {0, 5, 9, 30, 1, 2, 3, 4, 17, 28, 12},
     "HELLO WORLD\r\nSECOND*LINE\r\n\r\nEND",
     false},
    {"TenKeyAlphabetSeries3",
     Settings(1, 10, 1, 1, 4, 4, 1, 1, true, 3),
     0,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
     "12 34*5\r\n678 90",
     false},
    {"EightRotorsDecipherMixedRegister",
     Settings(2, 30, 1, 2, 4, 4, 1, 2, true, 6),
     11,
     {0, 30, 29, 28, 27, 26, 25, 24, 23, 1, 1},
     "\xCF\xD0\xC8\xC2\xC5\xD2 \xCC\xC8\xD0*\r\n\xC4\xC0",
     false},
    // A character without a key (an emoji) is skipped by both.
    {"LatinPlugUtf8WithEmoji",
     Settings(1, 30, 2, 1, 2, 2, 1, 1, false, 6),
     29,
     {0, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7},
     "ZA\xF0\x9F\x98\x80\xC5\xBB\xC3\x93\xC5\x81\xC4\x86 *X\nY",
     true},
};

void PrintTo(const Scenario& sc, std::ostream* os) {
    *os << sc.name;
}

class Parity : public WindowTest, public ::testing::WithParamInterface<Scenario> {
protected:
    void SetUp() override {}  // the window starts only once the settings file is written

    QString Write(const char* name, const std::string& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // Opens the machine, loads the key through "load key", closes it again.
    void LoadKeyInWindow(const QString& path) {
        Click(Picture::Rotor1, 10, 80);
        ASSERT_FALSE(window->session().machine().state.MachineClosed);
        window->panels().keyBox().setFileChooser([path](auto&&...) { return path; }, {});
        QTest::mouseClick(window->panels().keyBox().button(QStringLiteral("load key")),
                          Qt::LeftButton);
        Click(Picture::Rotor1, 10, 10);
        ASSERT_TRUE(window->session().machine().state.MachineClosed)
            << errors.join('\n').toStdString();
    }
    // Turns each rotor by hand, one click below its window per step.
    void TurnTo(const std::array<int32_t, 11>& positions) {
        for (int slot = 1; slot <= window->session().machine().rotors.RotorsInUse(); ++slot) {
            for (int i = 0; i < 30 && window->session().machine().rotors.Slot(slot).Position !=
                                          positions[static_cast<std::size_t>(slot)];
                 ++i)
                Click(RotorWindow(slot), 10, 150);
        }
    }
};

TEST_P(Parity, WindowAndCommandLineAgree) {
    const Scenario& sc = GetParam();
    // The settings file, the key and the text.
    {
        ConfigStore store(SettingsPath().toStdString());
        SaveSettings(store, sc.settings, FontRecord{});
    }
    std::string key_path;
    if (sc.key_seed) {
        MachineSession keys;
        keys.StartUp(sc.settings);
        keys.RandomKey(sc.key_seed);
        const KeyFileBytes b = keys.KeyToSave();
        key_path = Write("070101.key", std::string(b.begin(), b.end())).toStdString();
    }
    const QString text_path = Write("text.txt", sc.text);

    // The command line, on the same files.
    std::ostringstream cmd;
    cmd << Q417_CLI << " feed --config " << SettingsPath().toStdString();
    if (!key_path.empty()) cmd << " --key " << key_path;
    cmd << " --positions ";
    for (int slot = 1; slot <= 10; ++slot) cmd << (slot > 1 ? "," : "") << sc.positions[slot];
    cmd << " --encoding " << (sc.utf8 ? "utf-8" : "cp1251") << " --show-state "
        << text_path.toStdString() << " >" << dir.filePath("out").toStdString() << " 2>"
        << dir.filePath("err").toStdString();
    ASSERT_EQ(std::system(cmd.str().c_str()), 0) << Slurp(dir.filePath("err").toStdString());
    const std::string cli_out = Slurp(dir.filePath("out").toStdString());
    std::istringstream state(Slurp(dir.filePath("err").toStdString()));
    std::string word;
    std::array<int32_t, 11> cli_positions{};
    state >> word;
    for (int slot = 1; slot <= 10; ++slot) state >> cli_positions[static_cast<std::size_t>(slot)];
    int32_t cli_tech = -1;
    state >> word >> cli_tech;

    // The window, as a user works it.
    Open();
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    if (!key_path.empty()) LoadKeyInWindow(QString::fromStdString(key_path));
    TurnTo(sc.positions);
    window->panels().textPanel().setChoosers([text_path](auto&&...) { return text_path; }, {}, {});
    Click(Picture::TextLoader, 150, 20);
    for (int starts = 0; starts < 20 && window->session().machine().state.InputTextLoaded;
         ++starts) {
        QTest::mousePress(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));
        WaitForRunEnd();
    }
    EXPECT_FALSE(window->session().machine().state.InputTextLoaded);
    const std::string out = window->session().printer().OutputText();
    // Slots 9 and 10 of the eight-rotor machine are out of use and out of reach.
    std::array<int32_t, 11> positions{};
    const int in_use = window->session().machine().rotors.RotorsInUse();
    for (int slot = 1; slot <= 10; ++slot)
        positions[static_cast<std::size_t>(slot)] =
            slot <= in_use ? window->session().machine().rotors.Slot(slot).Position : 0;
    for (int slot = in_use + 1; slot <= 10; ++slot)
        cli_positions[static_cast<std::size_t>(slot)] = 0;
    const int32_t tech = window->session().machine().settings.Tech;

    // The machine the window saves is the one q417-cli saves after the same text.
    const QString saved = dir.filePath("window.q417");
    ASSERT_TRUE(window->panels().textPanel().saveStateTo(saved)) << errors.join('\n').toStdString();
    std::ostringstream save;
    save << Q417_CLI << " feed --config " << SettingsPath().toStdString();
    if (!key_path.empty()) save << " --key " << key_path;
    save << " --positions ";
    for (int slot = 1; slot <= 10; ++slot)  // those out of use stand where the window left them
        save << (slot > 1 ? "," : "")
             << (slot <= in_use ? sc.positions[slot]
                                : window->session().machine().rotors.Slot(slot).Position);
    save << " --encoding " << (sc.utf8 ? "utf-8" : "cp1251") << " --save-state "
         << dir.filePath("cli.q417").toStdString() << " " << text_path.toStdString() << " >/dev/null";
    ASSERT_EQ(std::system(save.str().c_str()), 0);
    const std::string window_state = Slurp(saved.toStdString());
    EXPECT_EQ(window_state, Slurp(dir.filePath("cli.q417").toStdString()));

    // Ctrl+Z takes the last key press back and Ctrl+Shift+Z brings it back, typing nothing.
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(WriteMachineState(window->session().CaptureState()), window_state);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(WriteMachineState(window->session().CaptureState()), window_state);
    // A damaged file is refused by name and changes nothing; the saved one opens again.
    const QString damaged = Write("damaged.q417", window_state.substr(0, window_state.size() / 2));
    window->session().ClearText();
    const std::string cleared = WriteMachineState(window->session().CaptureState());
    errors.clear();
    EXPECT_FALSE(window->panels().textPanel().openStateFrom(damaged));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(damaged)) << errors[0].toStdString();
    EXPECT_EQ(WriteMachineState(window->session().CaptureState()), cleared);
    EXPECT_TRUE(window->panels().textPanel().openStateFrom(saved));
    EXPECT_EQ(WriteMachineState(window->session().CaptureState()), window_state);
    EXPECT_EQ(window->panels().textPanel().outputBox().text(), out);

    Click(Picture::ControlBox, 20, 15);  // the close control writes the settings
    EXPECT_FALSE(window->isVisible());

    EXPECT_EQ(sc.utf8 ? Cp1251ToUtf8(out) : out, cli_out);
    EXPECT_FALSE(cli_out.empty());
    EXPECT_EQ(positions, cli_positions);
    EXPECT_EQ(tech, cli_tech);

    // The file the window wrote holds what the command line started from, made consistent
    // the same way, with the count it ended on.
    MachineSettings written, expected;
    ConfigFailure error;
    ASSERT_TRUE(LoadSettingsFile(SettingsPath().toStdString(), written, error)) << error.message;
    MachineSession cli;
    cli.StartUp(sc.settings);
    expected = cli.SettingsToWrite();
    expected.Tech = cli_tech;
    EXPECT_EQ(written.Machine, expected.Machine);
    EXPECT_EQ(written.Module, expected.Module);
    EXPECT_EQ(written.Plug, expected.Plug);
    EXPECT_EQ(written.Rod, expected.Rod);
    EXPECT_EQ(written.Layot, expected.Layot);
    EXPECT_EQ(written.Wheel, expected.Wheel);
    EXPECT_EQ(written.Language, expected.Language);
    EXPECT_EQ(written.Mode, expected.Mode);
    EXPECT_EQ(written.Divider, expected.Divider);
    EXPECT_EQ(written.Serie, expected.Serie);
    EXPECT_EQ(written.Tech, expected.Tech);
    if (sc.settings.Machine == Model::Q417M) {
        EXPECT_EQ(written.Wheel, WheelOf(sc.settings.Layot));
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Parity, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace q417::testing
