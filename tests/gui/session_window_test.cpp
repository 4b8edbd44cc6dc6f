// What the window shows, saves and enciphers agree, driven with real mouse and key events:
// the settings panel follows changes made elsewhere, the Q-417M keeps the wheel of its
// keyboard and the thirty-contact alphabet, and the machine closes only on a whole key.
#include <QAbstractButton>
#include <QFile>
#include <QToolButton>

#include "app/qt/settings_panel.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

class SessionWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Restart([&](MachineSettings& s) { s.Sound = false; });
    }
    SettingsPanel& Panel() { return window->panels().settingsPanel(); }
    KeyBox& Box() { return window->panels().keyBox(); }
    void ClickPanel(const char* name) {
        QTest::mouseClick(Panel().button(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void ClickAt(int x, int y) {
        QWidget* target = window->childAt(x, y);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), QPoint(x, y)));
    }
    void ClickRotor(int slot, int y) { ClickAt(115 + 33 * (slot - 1) + 15, 108 + y); }
    void ClickBody(int n) { ClickAt(6 + 8 + 40 * (n - 1) + 18, 316 + 100); }
    void ClickCore(int n) { ClickAt(6 + 2 + 90 * ((n - 1) % 5) + 45, 4 + (n <= 5 ? 2 : 92) + 45); }
    bool SaveOn() { return Box().button(QStringLiteral("save key"))->isEnabled(); }
};

// Model 0 with the German keyboard: Russian, then German again, then the language lever on
// Latin prints Latin letters, not blanks, and the settings written say so.
TEST_F(SessionWindowTest, TheQ417MPrintsWithTheWheelOfItsKeyboard) {
    window->panels().openSettingsPanel();
    ClickPanel("RadioButton1");
    QTest::mouseClick(Panel().keyboardItem(0), Qt::LeftButton);
    QTest::mouseClick(Panel().keyboardItem(3), Qt::LeftButton);
    QTest::mouseClick(Panel().keyboardItem(0), Qt::LeftButton);
    EXPECT_FALSE(Panel().wheelItem(1)->isEnabled());
    EXPECT_EQ(S().Wheel, PrintWheel::German);
    Click(Picture::LanguageLever, 10, 30);  // the language lever up: the Latin half of the wheel
    ASSERT_EQ(S().Language, WheelHalf::Latin);
    Type(Qt::Key_A);
    Type(Qt::Key_S);
    ASSERT_EQ(Output().size(), 2u);
    EXPECT_NE(Output(), "  ");
    EXPECT_TRUE(static_cast<unsigned char>(Output()[0]) < 0x80) << Output();
    window->closeProgram();
    Open();
    EXPECT_EQ(S().Machine, Model::Q417M);
    EXPECT_EQ(S().Wheel, PrintWheel::German);
}

// The panel stays open across a switch to the Q-417M: its module group is disabled at once,
// and a module change on the machine picture shows in the open panel.
TEST_F(SessionWindowTest, TheOpenPanelFollowsEveryChange) {
    window->panels().openSettingsPanel();
    Move(E(Picture::ModuleSwitch), 18, 40);
    Click(Picture::ModuleSwitch, 18, 90);
    EXPECT_EQ(S().Module, AlphabetModule::Figures10);
    EXPECT_TRUE(Panel().button(QStringLiteral("RadioButton13"))->isChecked());
    ClickPanel("RadioButton1");
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
    EXPECT_TRUE(Panel().button(QStringLiteral("RadioButton14"))->isChecked());
    EXPECT_FALSE(Panel().part(QStringLiteral("GroupBox4"))->isEnabled());
    ClickPanel("RadioButton13");
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
    Click(Picture::ModeWheel, 37, 90);  // the work lever on the mode wheel
    EXPECT_EQ(S().Rod, Work::Encipher);
    window->closeProgram();
    Open();
    EXPECT_EQ(S().Machine, Model::Q417M);
    EXPECT_EQ(S().Module, AlphabetModule::Contacts30);
}

// A rotor on the face view is no part of the key: no saving, no closing, nothing lost.
TEST_F(SessionWindowTest, ClosingDuringAnAssemblyIsRefusedWithAReason) {
    ClickRotor(1, 80);
    ASSERT_FALSE(window->session().machine().state.MachineClosed);
    EXPECT_TRUE(SaveOn());
    ClickRotor(1, 150);  // slot 10 comes out
    ClickBody(10);
    ClickCore(10);
    ASSERT_TRUE(Box().workTable().Assembling());
    EXPECT_FALSE(SaveOn());
    ClickRotor(1, 10);
    EXPECT_FALSE(window->session().machine().state.MachineClosed);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("assembled")));
    EXPECT_TRUE(Box().workTable().Assembling());
    ClickRotor(10, 120);  // into the empty slot
    EXPECT_TRUE(SaveOn());
    ClickRotor(1, 10);
    EXPECT_TRUE(window->session().machine().state.MachineClosed);
}

// The eight-rotor machine's table is not checked, but an empty stack does not close.
TEST_F(SessionWindowTest, AClearedEightRotorStackStaysOpen) {
    window->panels().openSettingsPanel();
    ClickPanel("RadioButton3");
    ClickRotor(1, 80);
    QTest::mouseClick(Box().button(QStringLiteral("clear key table")), Qt::LeftButton);
    Click(Picture::Reflector, 10,
          10);  // the top of the reflector: the empty slots show no rotor to click
    EXPECT_FALSE(window->session().machine().state.MachineClosed);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("Slot 1")));
}

// A key file naming a body twice is refused at load like a damaged card.
TEST_F(SessionWindowTest, AKeyFileWithAnInvalidTableChangesNothing) {
    ClickRotor(1, 80);
    const KeyFileBytes b = window->session().KeyToSave();
    std::string bytes(b.begin(), b.end());
    bytes[30 + 4] = bytes[30 + 5];
    const QString path = dir.filePath(QStringLiteral("130101.key"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    f.close();
    const KeyTable before = Box().workTable().table;
    Box().setFileChooser([path](auto&&...) { return path; }, {});
    QTest::mouseClick(Box().button(QStringLiteral("load key")), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("twice")));
    EXPECT_EQ(Box().workTable().table, before);
    EXPECT_EQ(window->session().machine().card.KeyNumber, 0);
    EXPECT_TRUE(SaveOn());
}

}  // namespace
}  // namespace q417::testing
