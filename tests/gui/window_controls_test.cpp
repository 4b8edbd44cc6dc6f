// The levers, the counter, the control box, the rotor windows and the mouse wheel of the
// machine window, driven with real mouse and wheel events.
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QWheelEvent>

#include "app/config_store.h"
#include "app/settings_file.h"
#include "ui/dialogs.h"
#include "app/qt/guide_panel.h"
#include "app/qt/signal_path_panel.h"
#include "app/qt/window_outline.h"
#include "core/qt/rotor_view.h"
#include "io/qt/text_panel.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

TEST_F(WindowTest, StartsOnDefaultsWithoutASettingsFile) {
    const MachineSettings d;
    EXPECT_EQ(S().Machine, d.Machine);
    EXPECT_EQ(S().Layot, KeyboardLayout::Russian);
    EXPECT_EQ(S().Wheel, PrintWheel::Russian);
    EXPECT_FALSE(E(Picture::PunchedTape)->isVisible());
    EXPECT_FALSE(E(Picture::Cover)->isVisible());
    EXPECT_TRUE(E(Picture::Rotor10)->isVisible());
    EXPECT_TRUE(window->session().machine().state.MachineClosed);
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_EQ(window->session().machine().rotors.Slot(slot).Position, slot);
    EXPECT_EQ(window->size(), QSize(649, 575));
}

struct LeverCase {
    int x, y;
    int rod, sposob;  // after one click from Rod 0, Sposob 1
    bool step;
};

class WheelLevers : public WindowTest, public ::testing::WithParamInterface<LeverCase> {};

TEST_P(WheelLevers, MoveInTheirZonesOnly) {
    const LeverCase c = GetParam();
    const int steps = window->host().sound().steps();
    Click(Picture::ModeWheel, c.x, c.y);
    EXPECT_EQ(StoredValue(S().Rod), c.rod);
    EXPECT_EQ(StoredValue(S().Sposob), c.sposob);
    EXPECT_EQ(E(Picture::PunchedTape)->isVisible(), c.sposob == 2);
    EXPECT_EQ(window->host().sound().steps() - steps, c.step ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, WheelLevers,
    ::testing::Values(LeverCase{35, 100, 1, 1, true}, LeverCase{30, 100, 0, 1, false},
                      LeverCase{35, 75, 0, 1, false}, LeverCase{75, 110, 0, 2, true},
                      LeverCase{75, 130, 0, 1, false}, LeverCase{82, 110, 0, 1, false},
                      LeverCase{10, 10, 0, 1, false}));

TEST_F(WindowTest, WorkLeverGoesRoundInThreeClicks) {
    for (int expected : {1, 2, 0}) {
        Click(Picture::ModeWheel, 40, 150);
        EXPECT_EQ(StoredValue(S().Rod), expected);
    }
}

TEST_F(WindowTest, RegisterSwitchAndLanguageLeverFollowTheModel) {
    struct Row {
        int x, mode, reg;
    };
    for (const Row r :
         {Row{10, 1, 1}, Row{70, 3, 2}, Row{30, 2, 2}, Row{55, 2, 2}, Row{25, 2, 2}}) {
        Click(Picture::RegisterSwitch, r.x, 10);
        EXPECT_EQ(StoredValue(S().Mode), r.mode) << r.x;
        EXPECT_EQ(window->session().machine().state.PrintRegister, r.reg) << r.x;
    }
    Click(Picture::LanguageLever, 10, 30);  // inert on this model
    EXPECT_EQ(S().Language, WheelHalf::Russian);

    window->session().SwitchModel(Model::Q417M);
    Click(Picture::RegisterSwitch, 10, 10);  // inert on the Q-417M
    EXPECT_EQ(S().Mode, RegisterMode::Mixed);
    for (const auto& [y, language] : {std::pair{30, 2}, std::pair{55, 2}, std::pair{60, 1}}) {
        Click(Picture::LanguageLever, 10, y);
        EXPECT_EQ(StoredValue(S().Language), language) << y;
    }
}

TEST_F(WindowTest, CounterCountsGroupsAndTheDividerSpacesThem) {
    Restart([&](MachineSettings& s) { s.Divider = true; });
    for (int i = 0; i < 10; ++i) Type(Qt::Key_F);
    EXPECT_EQ(Output().size(), 12u);
    EXPECT_EQ(Output()[5], ' ');
    EXPECT_EQ(Output()[11], ' ');
    EXPECT_EQ(window->session().printer().GroupCount(), 2);
    EXPECT_EQ(window->session().printer().GroupPosition(), 0);
    Type(Qt::Key_F);
    EXPECT_EQ(window->session().printer().GroupPosition(), 1);

    // The reset lever: one reset per press, and the knob pushed in shortens the tab.
    QTest::mousePress(E(Picture::CounterLever), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(window->views().counterLever->pressed());
    EXPECT_FALSE(window->mask().contains(QPoint(165, 570)));
    EXPECT_EQ(window->session().printer().GroupCount(), 0);
    EXPECT_EQ(window->session().printer().GroupPosition(), 0);
    QTest::mouseRelease(E(Picture::CounterLever), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(window->views().counterLever->pressed());
    EXPECT_TRUE(window->mask().contains(QPoint(165, 570)));
}

TEST_F(WindowTest, PaperTapeClickAddsABlankCellOnly) {
    Type(Qt::Key_F);
    const QImage before = E(Picture::PaperTape)->image();
    Click(Picture::PaperTape, 100, 5);
    EXPECT_EQ(Output().size(), 1u);
    EXPECT_EQ(window->session().printer().GroupPosition(), 1);
    // The tape moved one cell of 14 pixels to the left.
    const QImage after = E(Picture::PaperTape)->image();
    EXPECT_EQ(after.copy(0, 0, 537 - 14, 18), before.copy(14, 0, 537 - 14, 18));
}

TEST_F(WindowTest, ControlBoxHighlightsAndClosesWritingFourteenRecords) {
    const QImage plain = E(Picture::ControlBox)->image();
    Move(E(Picture::ControlBox), 20, 15);
    Move(E(Picture::ControlBox), 4, 70);  // beside the box, clear of the signal-path button
    EXPECT_EQ(E(Picture::ControlBox)->image(), plain);

    Restart([&](MachineSettings& s) { s.Rod = Work::Decipher; s.Tech = 77; });
    Click(Picture::ControlBox, 20, 15);
    EXPECT_FALSE(window->isVisible());
    ConfigStore store(SettingsPath().toStdString(), ConfigStore::Access::ReadOnly);
    int records = 0;
    store.ForEachRecord([&](const RecordHeader&, std::span<const uint8_t>) { ++records; });
    EXPECT_EQ(records, 14);
    EXPECT_EQ(store.ReadInteger("MAIN", "ROD", -1), 2);
    EXPECT_EQ(store.ReadInteger("Counter", "Tech", -1), 77);

    Open();  // the next start reads them back
    EXPECT_EQ(S().Rod, Work::Decipher);
    EXPECT_EQ(S().Tech, 77);
}

// Nothing waits inside a dialog's own loop: the verbs return at once and the answer comes
// from the window's event loop. A cancelled load leaves no text; the close button keeps the
// window until its message has been read.
TEST_F(WindowTest, DialogsAnswerFromTheWindowsOwnLoop) {
    const auto open_dialog = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) return d;
        return static_cast<QDialog*>(nullptr);
    };
    window->session().LoadText("ПРИВЕТ");
    window->panels().textPanel().loadText();
    QDialog* load = open_dialog();
    ASSERT_TRUE(qobject_cast<QFileDialog*>(load));
    EXPECT_EQ(load->windowModality(), Qt::WindowModal);
    load->reject();
    QCoreApplication::processEvents();
    EXPECT_EQ(Input(), "");
    EXPECT_FALSE(window->session().state().InputTextLoaded);

    // Settings that cannot be written: the error box is shown, and the window stays.
    dir.remove();
    window->host().setErrorReporter([this](const QString& m) { ShowError(window.get(), m); });
    window->closeProgram();
    auto* box = qobject_cast<QMessageBox*>(open_dialog());
    ASSERT_TRUE(box);
    EXPECT_TRUE(window->isVisible());
    box->accept();
    for (int i = 0; i < 20 && window->isVisible(); ++i) QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ADamagedSettingsFileStartsOnDefaults) {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(200, '\x55'));
    file.close();
    Open();
    ASSERT_EQ(window->host().startupErrors().size(), 1);
    EXPECT_EQ(window->host().startupErrors()[0],
              "Cannot read file \"" + SettingsPath() + "\". Invalid file format.");
    EXPECT_EQ(S().Machine, Model::Q417_3MN);
    EXPECT_TRUE(window->session().machine().state.MachineClosed);
    // Closing still saves: the damaged file is kept aside and a fresh one takes the settings.
    Restart([&](MachineSettings& s) { s.Tech = 5; });
    window->host().saveSettings();
    EXPECT_TRUE(QFile::exists(SettingsPath() + ".damaged"));
    MachineSettings back;
    ConfigFailure error;
    ASSERT_TRUE(LoadSettingsFile(SettingsPath().toStdString(), back, error)) << error.message;
    EXPECT_EQ(back.Tech, 5);
}

TEST_F(WindowTest, StoredEightRotorModelHidesTheLastSlots) {
    {
        ConfigStore store(SettingsPath().toStdString());
        store.WriteInteger("MAIN", "MACHINE", 2);
        store.WriteInteger("Printer", "Mode", 3);
    }
    Open();
    EXPECT_FALSE(E(Picture::Rotor9)->isVisible());
    EXPECT_FALSE(E(Picture::Rotor10)->isVisible());
    EXPECT_TRUE(E(Picture::Cover)->isVisible());
    EXPECT_EQ(window->session().machine().rotors.RotorsInUse(), 8);
    EXPECT_EQ(window->session().machine().state.PrintRegister, 2);
}

TEST_F(WindowTest, RotorClicksAndTheWheelTurnTheRotorUnderTheMouse) {
    auto position = [&](int slot) {
        return window->session().machine().rotors.Slot(slot).Position;
    };
    Click(Picture::Rotor3, 15, 30);  // above the window: back
    EXPECT_EQ(position(3), 2);
    Click(Picture::Rotor3, 15, 150);  // below it: on
    EXPECT_EQ(position(3), 3);
    Click(Picture::Rotor3, 15, 80);  // the window itself opens the machine: the rotor stays
    EXPECT_EQ(position(3), 3);
    EXPECT_FALSE(window->session().machine().state.MachineClosed);
    Click(Picture::Rotor3, 15, 10);  // the top of the open machine closes it again
    EXPECT_TRUE(window->session().machine().state.MachineClosed);

    // The wheel as the window gets it: at a point of the window over a picture.
    auto wheel = [&](QWidget* over, int delta) {
        const QPointF at = over->mapTo(window.get(), QPointF(10, 10));
        QWheelEvent event(at, window->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.get(), &event);
    };
    wheel(E(Picture::UnderStack), 120);  // not over a rotor
    EXPECT_EQ(position(5), 5);
    wheel(E(Picture::Rotor5), 120);
    EXPECT_EQ(window->views().stack->wheelSlot(), 5);
    EXPECT_EQ(position(5), 4);
    wheel(E(Picture::Rotor5), -240);
    EXPECT_EQ(position(5), 6);
    wheel(E(Picture::Rotor5), 60);  // half a notch, then over another rotor: nothing carries over
    wheel(E(Picture::Rotor6), 60);
    EXPECT_EQ(position(5), 6);
    EXPECT_EQ(position(6), 6);
    // Over a panel that covers the rotor the wheel turns nothing.
    for (QWidget* panel : {static_cast<QWidget*>(&window->panels().signalPathPanel()),
                           static_cast<QWidget*>(&window->panels().guidePanel())}) {
        panel->show();
        panel->raise();
        wheel(E(Picture::Rotor5), 240);
        EXPECT_EQ(position(5), 6);
        panel->hide();
    }
    wheel(E(Picture::Rotor5), 120);
    EXPECT_EQ(position(5), 5);
    wheel(E(Picture::Rotor5), -120);

    // The window shows the rotor as the rendering rule draws it, frame included.
    const QImage expected =
        RenderRotorView(window->views().stack->rotorPictures().Strip(5), 6, true);
    EXPECT_EQ(E(Picture::Rotor5)->image(), expected.copy(0, 0, 33, 191));
}

TEST_F(WindowTest, EveryStepShowsAtOnce) {
    Restart([&](MachineSettings& s) { s.Rod = Work::Encipher; });
    const QImage before = E(Picture::Rotor9)->image();
    Type(Qt::Key_F);  // slot 9 drives the odd chain: it moves on every key press
    EXPECT_EQ(window->session().machine().rotors.Slot(9).Position, 10);
    EXPECT_EQ(E(Picture::Rotor9)->image(),
              RenderRotorView(window->views().stack->rotorPictures().Strip(9), 10, true)
                  .copy(0, 0, 33, 191));
}

TEST(WindowOutlineTest, ContainsTheBodyFeetAndTabsButNotTheHoles) {
    struct Row {
        QPoint p;
        bool released, pressed;
    };
    const Row rows[] = {
        {{324, 300}, true, true},   {{1, 1}, false, false},     {{20, 20}, true, true},
        {{648, 524}, false, false}, {{324, 524}, true, true},   {{324, 530}, false, false},
        {{40, 530}, true, true},    {{40, 540}, false, false},  {{600, 530}, true, true},
        {{214, 544}, true, true},   {{221, 537}, false, false}, {{234, 537}, false, false},
        {{227, 537}, true, true},   {{165, 570}, true, false},  {{165, 528}, true, true},
        {{165, 535}, true, false},  {{149, 574}, false, false},
        // The lever tab's corners are rounded as a 10 x 10 ellipse cuts them: three pixels
        // off the last row on either side, one off the row above.
        {{151, 574}, false, false}, {{152, 574}, true, false},  {{177, 574}, true, false},
        {{178, 574}, false, false}, {{149, 573}, false, false}, {{150, 573}, true, false},
    };
    const QRegion released = WindowOutline(true);
    const QRegion pressed = WindowOutline(false);
    for (const Row& r : rows) {
        EXPECT_EQ(released.contains(r.p), r.released) << r.p.x() << "," << r.p.y();
        EXPECT_EQ(pressed.contains(r.p), r.pressed) << r.p.x() << "," << r.p.y();
    }
}

}  // namespace
}  // namespace q417::testing
