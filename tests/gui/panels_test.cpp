// The text panel's buttons and headings, the settings panel's switches and the about panel,
// driven through the real window.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QToolButton>

#include "app/config_store.h"
#include "app/qt/about_panel.h"
#include "app/qt/settings_panel.h"
#include "app/settings_file.h"
#include "io/qt/text_box.h"
#include "io/qt/text_panel.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

class PanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Restart([&](MachineSettings& s) { s.Sound = false; });
    }
    TextPanel& Text() { return window->panels().textPanel(); }
    SettingsPanel& Settings() { return window->panels().settingsPanel(); }
    QString WriteFile(const char* name, const std::string& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    QByteArray ReadFile(const QString& path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void TextButton(const char* name) {
        window->panels().openTextPanel();
        QTest::mouseClick(Text().button(name), Qt::LeftButton);
    }
    void ClickButton(const char* name) {
        QTest::mouseClick(Settings().button(name), Qt::LeftButton);
    }
};

TEST_F(PanelTest, TheControlBoxOpensTheTextPanelAndItsCloseButtonHidesIt) {
    EXPECT_FALSE(Text().isVisible());
    Click(Picture::ControlBox, 22, 65);
    EXPECT_TRUE(Text().isVisible());
    EXPECT_EQ(Text().geometry(), QRect(7, 6, 637, 295));
    QTest::mouseClick(Text().button("close"), Qt::LeftButton);
    EXPECT_FALSE(Text().isVisible());
    EXPECT_FALSE(Text().isEnabled());
}

TEST_F(PanelTest, KeysTypedInATextBoxGoToTheMachine) {
    window->panels().openTextPanel();
    Restart([&](MachineSettings& s) { s.Rod = Work::Encipher; });
    QTest::keyClick(&Text().outputBox(), Qt::Key_F);
    EXPECT_EQ(Input(), "\xC0");
    EXPECT_EQ(Output().size(), 1u);
    EXPECT_EQ(Text().inputBox().text(), Input());
    EXPECT_EQ(Text().outputBox().text(), Output());
}

TEST_F(PanelTest, SavingWritesTheOutputTextWithCrLfInWindows1251) {
    QString asked_title, asked_name;
    const QString path = dir.filePath(QStringLiteral("encrypt.txt"));
    Text().setChoosers({},
                       [&](const QString& title, const QString&, const QString& name) {
                           asked_title = title;
                           asked_name = name;
                           return path;
                       },
                       {});
    Restart([&](MachineSettings& s) { s.Rod = Work::Encipher; });
    Type(Qt::Key_F);
    Type(Qt::Key_Comma);
    TextButton("save");
    EXPECT_EQ(asked_title, QStringLiteral("save text"));
    EXPECT_EQ(asked_name, QStringLiteral("encrypt.txt"));
    EXPECT_EQ(ReadFile(path), QByteArray::fromStdString(Output() + "\r\n"));
}

TEST_F(PanelTest, AFailedLoadOrSaveIsReportedAndChangesNoText) {
    const QString good = WriteFile("good.txt", "\xCF\xD0\xC8\r\n");  // Windows-1251
    ASSERT_TRUE(Text().loadTextFrom(good));
    EXPECT_EQ(Input(), "\xCF\xD0\xC8");
    Click(Picture::TextLoader, 10, 57);
    Text().setChoosers([&](auto&&...) { return dir.filePath(QStringLiteral("missing.txt")); },
                       [&](auto&&...) { return dir.filePath(QStringLiteral("no/dir/x.txt")); }, {});
    Click(Picture::TextLoader, 150, 20);  // the loader's load button
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("missing.txt")));
    EXPECT_EQ(Input(), "\xCF\xD0\xC8");
    EXPECT_TRUE(window->session().machine().state.InputTextLoaded);
    EXPECT_EQ(window->session().feed().FeedPosition, 1);
    TextButton("save");
    EXPECT_EQ(errors.size(), 2);
}

TEST_F(PanelTest, ACancelledLoadLeavesNoText) {
    Text().loadTextFrom(WriteFile("a.txt", "\xD0\x9F\xD0\xA0\xD0\x98"));  // UTF-8
    EXPECT_EQ(Input(), "\xCF\xD0\xC8");
    Text().setChoosers([](auto&&...) { return QString(); }, {}, {});
    TextButton("load");
    EXPECT_EQ(Input(), "");
    EXPECT_FALSE(window->session().machine().state.InputTextLoaded);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PanelTest, ClearEmptiesBothTextsButNotTheCounter) {
    Restart([&](MachineSettings& s) { s.Rod = Work::Encipher; });
    Type(Qt::Key_F);
    TextButton("clear");
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(Text().outputBox().text(), "");
    EXPECT_EQ(window->session().printer().GroupPosition(), 1);
}

TEST_F(PanelTest, AHeadingEnlargesItsTextAndTheNextClickRestoresBoth) {
    window->panels().openTextPanel();
    QTest::mouseClick(Text().outputHeading(), Qt::LeftButton);
    EXPECT_TRUE(Text().textEnlarged());
    EXPECT_EQ(Text().outputBox().geometry(), QRect(2, 25, 633, 267));
    EXPECT_FALSE(Text().inputBox().isVisible());
    EXPECT_EQ(Text().inputHeading()->text(), QStringLiteral("Output text"));
    QTest::mouseClick(Text().inputHeading(), Qt::LeftButton);
    EXPECT_FALSE(Text().textEnlarged());
    EXPECT_EQ(Text().outputBox().geometry(), QRect(2, 170, 633, 122));
    EXPECT_TRUE(Text().inputBox().isVisible());
    EXPECT_EQ(Text().inputHeading()->text(), QStringLiteral("Input text"));
    QTest::mouseClick(Text().inputHeading(), Qt::LeftButton);
    EXPECT_EQ(Text().inputBox().geometry(), QRect(2, 25, 633, 267));
    EXPECT_FALSE(Text().outputBox().isVisible());
}

TEST_F(PanelTest, TheChosenFontIsWrittenAtCloseAndReadBackAtStart) {
    QFont chosen(QStringLiteral("DejaVu Sans Mono"));
    chosen.setPointSize(13);
    chosen.setBold(true);
    Text().setChoosers({}, {}, [&](const QFont&) { return std::optional<QFont>(chosen); });
    TextButton("font");
    EXPECT_EQ(Text().inputBox().font().family(), chosen.family());
    EXPECT_EQ(Text().outputBox().font().pointSize(), 13);
    window->closeProgram();
    {
        ConfigStore store(SettingsPath().toStdString());
        MachineSettings s;
        FontRecord font;
        ReadSettings(store, s, &font);
        EXPECT_EQ(font.Name, "DejaVu Sans Mono");
        EXPECT_EQ(font.Size, 13);
        EXPECT_EQ(font.Style, kFontBold);
    }
    Open();
    EXPECT_EQ(Text().inputBox().font().family(), chosen.family());
    EXPECT_EQ(Text().outputBox().font().pointSize(), 13);
    EXPECT_TRUE(Text().outputBox().font().bold());
}

TEST_F(PanelTest, TheSettingsPanelShowsTheSettingsAndChangesNone) {
    Restart([&](MachineSettings& s) {
        s.Layot = KeyboardLayout::Polish;
        s.Wheel = PrintWheel::Russian;
        s.Divider = true;
    });
    const MachineSettings before = S();
    Click(Picture::ControlBox, 22, 37);
    EXPECT_TRUE(Settings().isVisible());
    EXPECT_TRUE(Settings().button("RadioButton2")->isChecked());
    EXPECT_TRUE(Settings().button("RadioButton6")->isChecked());
    EXPECT_FALSE(Settings().button("RadioButton5")->isEnabled());
    EXPECT_TRUE(Settings().keyboardItem(1)->isChecked());
    EXPECT_TRUE(Settings().wheelItem(1)->isChecked());
    EXPECT_TRUE(Settings().button("CheckBox2")->isChecked());
    EXPECT_FALSE(Settings().button("CheckBox1")->isChecked());
    EXPECT_TRUE(Settings().button("RadioButton14")->isChecked());
    EXPECT_EQ(S().Wheel, before.Wheel);
    EXPECT_EQ(S().Layot, before.Layot);
    ClickButton("SpeedButton6");
    EXPECT_TRUE(Settings().about().isVisible());
    EXPECT_EQ(Settings().about().title()->text(), QStringLiteral("Cipher machine Q417"));
    EXPECT_TRUE(Settings().about().version()->text().contains(QStringLiteral(Q417_VERSION)));
    EXPECT_FALSE(Settings().about().logo().image().isNull());
    QTest::mouseClick(Settings().about().closeButton(), Qt::LeftButton);
    EXPECT_FALSE(Settings().about().isVisible());
    ClickButton("SpeedButton5");
    EXPECT_FALSE(Settings().isVisible());
}

TEST_F(PanelTest, EachChoiceTakesEffectAtOnce) {
    window->panels().openSettingsPanel();
    QTest::mouseClick(Settings().keyboardItem(0), Qt::LeftButton);
    EXPECT_EQ(S().Layot, KeyboardLayout::German);
    EXPECT_EQ(S().Wheel, PrintWheel::Russian);  // the Russian wheel stays
    QTest::mouseClick(Settings().wheelItem(0), Qt::LeftButton);
    EXPECT_EQ(S().Wheel, PrintWheel::German);
    ClickButton("CheckBox1");
    EXPECT_TRUE(S().Sound);
    ClickButton("CheckBox2");
    EXPECT_TRUE(S().Divider);
    ClickButton("RadioButton13");
    EXPECT_EQ(S().Module, AlphabetModule::Figures10);
    Settings().plug().onMouseUp(5, 5, Qt::LeftButton);
    EXPECT_EQ(S().Plug, AlphabetPlug::Latin);
}

TEST_F(PanelTest, SwitchingToTheQ417MAndBack) {
    Restart([&](MachineSettings& s) {
        s.Module = AlphabetModule::Figures10;
        s.Plug = AlphabetPlug::Latin;
        s.Layot = KeyboardLayout::Czech;
        s.Wheel = PrintWheel::Russian;
    });
    window->session().TurnRotor(3, true);
    window->panels().openSettingsPanel();
    ClickButton("RadioButton2");  // the model in force: nothing at all
    EXPECT_EQ(window->session().machine().rotors.Slot(3).Position, 4);
    ClickButton("RadioButton1");
    EXPECT_EQ(S().Machine, Model::Q417M);
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
    EXPECT_EQ(S().Plug, AlphabetPlug::Russian);
    EXPECT_EQ(S().Wheel, PrintWheel::Czech);
    EXPECT_EQ(window->session().AppliedMachine(), Model::Q417M);
    EXPECT_EQ(window->session().machine().rotors.Slot(3).Position, 3);
    EXPECT_FALSE(Settings().plug().isVisible());
    EXPECT_TRUE(Settings().wheelItem(0)->isChecked());
    // The module group, disabled on the Q-417M, is drawn grey like every disabled control:
    // neither its red title nor its captions stand out.
    QWidget* module = Settings().button("RadioButton13")->parentWidget();
    const auto red_pixels = [](QWidget* w) {
        const QImage img = w->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() > 160 && c.green() < 100 && c.blue() < 100;
            }
        return n;
    };
    ASSERT_FALSE(module->isEnabled());
    EXPECT_EQ(red_pixels(module), 0);
    ClickButton("RadioButton3");
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);  // not given back
    EXPECT_EQ(S().Plug, AlphabetPlug::Russian);
    EXPECT_EQ(window->session().machine().rotors.RotorsInUse(), 8);
    EXPECT_FALSE(E(Picture::Rotor9)->isVisible());
    EXPECT_TRUE(E(Picture::Cover)->isVisible());
    EXPECT_TRUE(Settings().plug().isVisible());
    ASSERT_TRUE(module->isEnabled());
    EXPECT_GT(red_pixels(module), 0);  // the title
    EXPECT_EQ(red_pixels(Settings().button("RadioButton13")), 0);
}

TEST_F(PanelTest, ASeriesClickReloadsOnlyWhenItDiffers) {
    window->session().TurnRotor(2, true);
    window->panels().openSettingsPanel();
    ClickButton("RadioButton6");  // the series loaded: the rotors stay
    EXPECT_EQ(window->session().machine().rotors.Slot(2).Position, 3);
    ClickButton("RadioButton4");
    EXPECT_EQ(S().Serie, RotorSeries::Series3K);
    EXPECT_EQ(window->session().machine().rotors.LoadedSeries(), RotorSeries::Series3K);
    EXPECT_EQ(window->session().AppliedSerie(), RotorSeries::Series3K);
    EXPECT_EQ(window->session().machine().rotors.Slot(2).Position, 2);
}

TEST_F(PanelTest, TheOpenMachineLocksTheModelAndTheSeries) {
    window->views().stack->openMachine();
    window->panels().openSettingsPanel();
    EXPECT_FALSE(Settings().part("SPanel1")->isEnabled());
    EXPECT_FALSE(Settings().part("GroupBox1")->isEnabled());
    window->session().ClearKeyTable();  // every rotor out of the machine
    window->panels().openSettingsPanel();
    EXPECT_TRUE(Settings().part("GroupBox1")->isEnabled());
}

TEST_F(PanelTest, TheModuleSwitchTurnsOnlyOnItsLeverAfterTheMouseCameIn) {
    const QImage plain = E(Picture::ModuleSwitch)->image();
    Click(Picture::ModuleSwitch, 18, 90);  // the mouse never entered the zone
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
    Move(E(Picture::ModuleSwitch), 18, 40);
    const QImage hover30 = E(Picture::ModuleSwitch)->image();
    EXPECT_NE(hover30, plain);
    Click(Picture::ModuleSwitch, 18, 60);  // in the zone, off the lever
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
    Click(Picture::ModuleSwitch, 18, 90);
    EXPECT_EQ(S().Module, AlphabetModule::Figures10);
    EXPECT_NE(E(Picture::ModuleSwitch)->image(), hover30);
    Move(E(Picture::ModuleSwitch), 30, 40);
    EXPECT_EQ(E(Picture::ModuleSwitch)->image(), plain);
    window->session().SwitchModel(Model::Q417M);
    Move(E(Picture::ModuleSwitch), 18, 40);
    Click(Picture::ModuleSwitch, 18, 90);
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
}

}  // namespace
}  // namespace q417::testing
