// The signal-path panel in the real window: opened and closed by F2 and the control box,
// fed with the trace of every key press typed, clicked, fed or stepped, and drawing it.
#include <QFile>
#include <QToolButton>

#include "app/qt/signal_path_panel.h"
#include "core/trace.h"
#include "io/keyboard.h"
#include "io/qt/text_panel.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

class SignalPathPanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Restart([&](MachineSettings& s) {
            s.Sound = false;
            s.Rod = Work::Encipher;
        });
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    SignalPathPanel& Panel() { return window->panels().signalPathPanel(); }
    const KeyPressTrace& Trace() { return *window->session().LastKeyPressTrace(); }
    void LoadText(const std::string& bytes) {
        const QString path = dir.filePath(QStringLiteral("text.txt"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        f.close();
        window->panels().textPanel().setChoosers([path](auto&&...) { return path; }, {}, {});
        Click(Picture::TextLoader, 150, 20);  // the loader's load button
    }
    QColor PixelAt(const QPoint& p) { return Panel().grab().toImage().pixelColor(p); }
};

TEST_F(SignalPathPanelTest, F2AndTheControlBoxOpenAndCloseIt) {
    EXPECT_FALSE(Panel().isVisible());
    EXPECT_FALSE(Panel().hasTrace());
    Type(Qt::Key_F2);
    EXPECT_TRUE(Panel().isVisible());
    Type(Qt::Key_F2);
    EXPECT_FALSE(Panel().isVisible());
    EXPECT_EQ(S().Tech, 0);  // F2 itself is no key of the machine

    const QImage plain = E(Picture::ControlBox)->image();
    Move(E(Picture::ControlBox), 48, 67);  // the path button beside the control box lights up
    EXPECT_NE(E(Picture::ControlBox)->image(), plain);
    Click(Picture::ControlBox, 48, 67);
    EXPECT_TRUE(Panel().isVisible());
    QTest::mouseClick(Panel().closeButton(), Qt::LeftButton);
    EXPECT_FALSE(Panel().isVisible());
}

// The panel shows the last key press whenever it is opened: keys typed while it was closed,
// or before it was ever made, draw the same picture as keys typed with it open; a change of
// settings since keeps the press as it was made.
TEST_F(SignalPathPanelTest, OpenedLateItShowsTheLastKeyPress) {
    auto typeAndShow = [&](bool openFirst) {
        if (openFirst) Type(Qt::Key_F2);
        for (Qt::Key key : {Qt::Key_F, Qt::Key_D, Qt::Key_J}) Type(key);
        window->session().ChooseKeyboard(0);  // the German keyboard now
        if (!openFirst) Type(Qt::Key_F2);
        QTest::qWait(40);  // the panel draws at most once a frame
        QApplication::processEvents();
        return Panel().grab().toImage();
    };
    const QImage typedOpen = typeAndShow(true);
    Open();
    Restart([&](MachineSettings& s) {
        s.Sound = false;
        s.Rod = Work::Encipher;
    });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QImage typedClosed = typeAndShow(false);
    EXPECT_EQ(typedOpen, typedClosed);
    EXPECT_TRUE(Panel().caption().contains(QStringLiteral("key О (")))
        << Panel().caption().toStdString();
}

// Typed and clicked keys both reach the panel; what it holds is the key press just made,
// and it draws the key pressed red and the contact printed blue on the key column.
TEST_F(SignalPathPanelTest, FollowsTypedAndClickedKeys) {
    Type(Qt::Key_F2);
    Type(Qt::Key_F);  // А on the Russian keyboard: contact 1
    ASSERT_TRUE(Panel().hasTrace());
    EXPECT_EQ(Trace().input, 1);
    EXPECT_EQ(Trace().output, window->session().machine().state.OutputContact);
    EXPECT_EQ(Trace().output, 3);  // the worked example's first output
    EXPECT_EQ(Trace().PathResult(), 3);
    EXPECT_TRUE(Panel().caption().contains(QStringLiteral("key А (1)")))
        << Panel().caption().toStdString();
    EXPECT_TRUE(Panel().caption().contains(QStringLiteral("prints В (3)")));
    QApplication::processEvents();
    const QColor in = PixelAt(SignalPathPanel::contactPoint(13, 1));
    const QColor out = PixelAt(SignalPathPanel::contactPoint(13, 3));
    EXPECT_GT(in.red(), 150);
    EXPECT_LT(in.blue(), 90);
    EXPECT_GT(out.blue(), 150);
    EXPECT_LT(out.red(), 90);

    const int32_t tech = S().Tech;
    Click(Picture::Keyboard, 26 + 3 * 46 + 10, 46 + 20);  // row 2, column 4: contact 1 again
    ASSERT_EQ(S().Tech, tech + 1);
    EXPECT_EQ(Trace().input, 1);
    EXPECT_EQ(Trace().output, 11);
    EXPECT_EQ(Trace().output, window->session().machine().state.OutputContact);
    for (int s = 1; s <= 10; ++s)
        EXPECT_EQ(Trace().positions_after[s], window->session().machine().rotors.Slot(s).Position);
}

// With a text loaded, the step button and F3 feed it one key press at a time, each shown;
// the start key still runs the rest, and the whole gives what one run gives.
TEST_F(SignalPathPanelTest, StepsThroughTheLoadedTextOneKeyPressAtATime) {
    const std::string text = "\xCF\xD0\xC8 \xC2\xC5\xD2";  // ПРИ ВЕТ
    // One run of the start key on a second window, for comparison.
    LoadText(text);
    QTest::mouseClick(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));
    WaitForRunEnd();
    const std::string whole = Output();
    Open();
    Restart([&](MachineSettings& s) {
        s.Sound = false;
        s.Rod = Work::Encipher;
    });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    LoadText(text);
    Type(Qt::Key_F3);  // the panel is closed: F3 steps all the same
    EXPECT_EQ(S().Tech, 1);
    Type(Qt::Key_F2);
    for (int i = 1; i < 3; ++i) {
        if (i % 2 == 0)
            QTest::mouseClick(Panel().stepButton(), Qt::LeftButton);
        else
            Type(Qt::Key_F3);
        ASSERT_EQ(S().Tech, i + 1);
        EXPECT_EQ(Trace().input,
                  ContactOfChar(static_cast<unsigned char>(text[i]), AlphabetModule::Contacts30,
                                KeyboardLayout::Russian));
        EXPECT_EQ(Output().size(), static_cast<size_t>(i + 1));
    }
    QTest::mouseClick(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));
    WaitForRunEnd();
    EXPECT_EQ(Output(), whole);
    EXPECT_FALSE(window->session().machine().state.InputTextLoaded);
    // The run traced every key press: the panel holds the last one.
    EXPECT_EQ(Trace().input, ContactOfChar(static_cast<unsigned char>(text.back()), AlphabetModule::Contacts30, KeyboardLayout::Russian));
    EXPECT_EQ(Trace().output, window->session().machine().state.OutputContact);
    errors.clear();
    QTest::mouseClick(Panel().stepButton(), Qt::LeftButton);  // used up: nothing to step
    EXPECT_EQ(Output(), whole);
    EXPECT_EQ(errors, QStringList{"There is no text to step through: load one first."});
}

TEST_F(SignalPathPanelTest, ShowsTheLoopBackPassesOfTheLatinPlug) {
    Restart([&](MachineSettings& s) { s.Plug = AlphabetPlug::Latin; });
    Type(Qt::Key_F2);
    Type(Qt::Key_Comma);  // Б: on the basic key its current loops once on the way back
    ASSERT_TRUE(Panel().hasTrace());
    EXPECT_EQ(Trace().backward_passes, 2);
    EXPECT_TRUE(Panel().caption().contains(QStringLiteral("loops 1/2")));
}

// The longest accounts come with the loop-back passes of the Latin plug and the ten-key
// alphabet on every model: each is shown whole, clear of the step button.
TEST_F(SignalPathPanelTest, TheHeadingShowsEveryAccountWhole) {
    Type(Qt::Key_F2);
    const Qt::Key digits[] = {Qt::Key_E, Qt::Key_Y, Qt::Key_U, Qt::Key_I, Qt::Key_F,
                              Qt::Key_G, Qt::Key_H, Qt::Key_N, Qt::Key_Comma};
    int looped = 0;
    for (int model : {0, 1, 2})
        for (int module : {30, 10}) {
            Restart([&](MachineSettings& s) {
                s.Machine = *SettingFromStored<Model>(model);
                s.Module = *SettingFromStored<AlphabetModule>(model == 0 ? 30 : module);
                s.Plug = *SettingFromStored<AlphabetPlug>(model == 0 ? 1 : 2 - (module == 10));
            });
            for (int round = 0; round < 3; ++round)
                for (Qt::Key k : digits) {
                    Type(k);
                    ASSERT_TRUE(Panel().hasTrace());
                    looped += Trace().forward_passes + Trace().backward_passes > 2;
                    Panel().repaint();
                    EXPECT_TRUE(Panel().captionFits()) << qPrintable(Panel().caption());
                }
        }
    EXPECT_GT(looped, 5);
}

}  // namespace
}  // namespace q417::testing
