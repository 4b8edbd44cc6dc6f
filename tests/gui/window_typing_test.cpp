// Typing on the machine window with real key and mouse events, checked against the machine
// model driven directly.
#include <QKeyEvent>

#include "ui/sprites.h"
#include "io/keyboard_tables.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

struct TypingCase {
    int machine, rod, module, plug;
};

class WindowTyping : public WindowTest, public ::testing::WithParamInterface<TypingCase> {};

// The contacts of the letter keys typed below, by position on the keyboard.
int32_t ContactOf(uint16_t vk) {
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 11; ++c)
            if (tables::KeyCodeTable[r][c] == vk) return tables::KeyContactTable[r][c];
    return vk == 0x20 ? 31 : 0;
}

TEST_P(WindowTyping, PrintsWhatTheModelPrints) {
    const TypingCase tc = GetParam();
    Restart([&](MachineSettings& s) {
        s.Machine = *SettingFromStored<Model>(tc.machine);
        s.Rod = *SettingFromStored<Work>(tc.rod);
        s.Module = *SettingFromStored<AlphabetModule>(tc.module);
        s.Plug = *SettingFromStored<AlphabetPlug>(tc.plug);
    });

    Machine reference;
    reference.settings = S();
    reference.ApplySettings();
    Printer printer(reference);
    reference.SetOutputStage(&printer);

    const Qt::Key keys[] = {Qt::Key_E, Qt::Key_Y,     Qt::Key_F,           Qt::Key_A, Qt::Key_Space,
                            Qt::Key_N, Qt::Key_Comma, Qt::Key_U,           Qt::Key_H, Qt::Key_Q,
                            Qt::Key_I, Qt::Key_G,     Qt::Key_BracketLeft, Qt::Key_M};
    for (Qt::Key key : keys) {
        Type(key);
        const uint16_t vk = key == Qt::Key_BracketLeft ? 0xDB : key == Qt::Key_Comma ? 0xBC : key;
        const int32_t contact = ContactOf(vk);
        const bool refused = (tc.rod == 1 && contact == 30) || (tc.rod == 2 && contact == 31) ||
                             (reference.settings.Module == AlphabetModule::Figures10 &&
                              (contact == 31 || !tables::IsDigitKey(contact)));
        if (refused) continue;
        reference.state.InputContact = contact;
        reference.KeyPressCycle();
    }
    EXPECT_EQ(Output(), printer.OutputText());
    EXPECT_EQ(Input(), printer.InputText());
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(window->session().machine().rotors.Slot(slot).Position,
                  reference.rotors.Slot(slot).Position)
            << "slot " << slot;
    EXPECT_FALSE(window->session().keyboard().KeyHeld);
}

INSTANTIATE_TEST_SUITE_P(KindsOfWorkAndModels, WindowTyping,
                         ::testing::Values(TypingCase{1, 0, 30, 1}, TypingCase{1, 1, 30, 1},
                                           TypingCase{1, 2, 30, 1}, TypingCase{0, 1, 30, 1},
                                           TypingCase{0, 2, 30, 1}, TypingCase{2, 1, 30, 1},
                                           TypingCase{1, 1, 30, 2}, TypingCase{1, 1, 10, 1},
                                           TypingCase{2, 2, 10, 1}));

TEST_F(WindowTest, BlockedKeysDoNothing) {
    Restart([&](MachineSettings& s) { s.Rod = Work::Encipher; });
    Type(Qt::Key_Q);  // contact 30 carries the enciphered space
    EXPECT_TRUE(window->session().keyboard().KeyBlocked);
    Restart([&](MachineSettings& s) { s.Rod = Work::Decipher; });
    Type(Qt::Key_Space);
    EXPECT_TRUE(window->session().keyboard().KeyBlocked);
    QTest::mouseClick(E(Picture::SpaceBar), Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(Output(), "");
    EXPECT_EQ(window->session().printer().GroupPosition(), 0);
}

TEST_F(WindowTest, AHeldKeyRepeatsNothingAndOwnsTheKeyboard) {
    QTest::keyPress(window.get(), Qt::Key_F);
    for (int i = 0; i < 3; ++i) {
        // The desktop's auto-repeat, which X11 sends as release and press pairs.
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_F, Qt::NoModifier, "f", true);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, "f", true);
        QApplication::sendEvent(window.get(), &up);
        QApplication::sendEvent(window.get(), &down);
    }
    QTest::keyPress(window.get(), Qt::Key_G);    // a second key while F is held
    QTest::keyRelease(window.get(), Qt::Key_G);  // does not release F
    EXPECT_TRUE(window->session().keyboard().KeyHeld);
    QTest::keyRelease(window.get(), Qt::Key_F);
    EXPECT_FALSE(window->session().keyboard().KeyHeld);
    EXPECT_EQ(Input().size(), 1u);

    QTest::keyPress(window.get(), Qt::Key_Shift);  // not on the machine, still holds it
    Type(Qt::Key_F);
    QTest::keyRelease(window.get(), Qt::Key_Shift);
    EXPECT_EQ(Input().size(), 1u);
}

TEST_F(WindowTest, ClicksOnTheKeyboardPictureType) {
    // Row 1, column 1 (contact 30) and row 2, column 4 (contact 1): the sensitive parts.
    QTest::mousePress(E(Picture::Keyboard), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(window->session().keyboard().KeyHeld);
    QTest::mouseRelease(E(Picture::Keyboard), Qt::LeftButton, {}, QPoint(20, 20));
    Click(Picture::Keyboard, 26 + 3 * 46 + 10, 46 + 20);
    Click(Picture::Keyboard, 20, 3);  // the edge of the row: no key
    Click(Picture::SpaceBar, 100, 20);
    Click(Picture::SpaceBar, 100, 60);  // the lower half of the bar does not respond
    EXPECT_EQ(Input().size(), 3u);
    EXPECT_EQ(E(Picture::Keyboard)->image().size(), QSize(506, 138));
    EXPECT_EQ(E(Picture::Keyboard)->size(), QSize(506, 138));
}

TEST_F(WindowTest, PressedKeysAreDrawnPressedAndReleased) {
    const QImage released = E(Picture::Keyboard)->image();
    QTest::keyPress(window.get(), Qt::Key_Q);
    if (Sprites::Has("button")) {
        EXPECT_NE(E(Picture::Keyboard)->image(), released);
    }
    QTest::keyRelease(window.get(), Qt::Key_Q);
    EXPECT_EQ(E(Picture::Keyboard)->image(), released);
}

}  // namespace
}  // namespace q417::testing
