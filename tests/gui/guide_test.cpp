// The newcomer's guide: opened with F1 and from the about panel, its pages and pictures, the
// hover hints of the controls, and the same text in the man page and the README.
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>
#include <QToolTip>

#include "app/qt/about_panel.h"
#include "app/qt/guide_panel.h"
#include "app/qt/hints.h"
#include "app/qt/settings_panel.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

class GuideTest : public WindowTest {
protected:
    GuidePanel* Guide() const { return window->findChild<GuidePanel*>(); }
    QToolButton* GuideButton(const char* name) const {
        return Guide()->findChild<QToolButton*>(QLatin1String(name));
    }
};

TEST_F(GuideTest, F1OpensItAndItsArrowsTurnThePages) {
    // Its pages are made when it is first opened; the hints are there from the start.
    EXPECT_EQ(Guide(), nullptr);
    EXPECT_NE(window->findChild<GuideHints*>(), nullptr);
    // The shortcut the window holds for F1 (offscreen test windows get no shortcut events;
    // under X the key itself opens the guide through it).
    QShortcut* f1 = nullptr;
    for (QShortcut* sc : window->findChildren<QShortcut*>())
        if (sc->key() == QKeySequence(Qt::Key_F1)) f1 = sc;
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->context(), Qt::WindowShortcut);
    emit f1->activated();
    ASSERT_NE(Guide(), nullptr);
    ASSERT_TRUE(Guide()->isVisible());
    EXPECT_EQ(Guide()->page(), 0);
    const int last = int(GuidePanel::pages().size()) - 1;
    EXPECT_FALSE(GuideButton("back")->isEnabled());
    for (int i = 0; i < last + 2; ++i) QTest::mouseClick(GuideButton("next"), Qt::LeftButton);
    EXPECT_EQ(Guide()->page(), last);
    EXPECT_FALSE(GuideButton("next")->isEnabled());
    QTest::mouseClick(GuideButton("back"), Qt::LeftButton);
    EXPECT_EQ(Guide()->page(), last - 1);
    QTest::mouseClick(GuideButton("close"), Qt::LeftButton);
    EXPECT_FALSE(Guide()->isVisible());
    // Opened again, it starts from the first page.
    emit f1->activated();
    EXPECT_EQ(Guide()->page(), 0);
}

TEST_F(GuideTest, TheAboutPanelOpensIt) {
    window->panels().openSettingsPanel();
    QTest::mouseClick(window->panels().settingsPanel().findChild<QToolButton*>("SpeedButton6"),
                      Qt::LeftButton);
    auto* button = window->panels().settingsPanel().about().findChild<QToolButton*>("guide");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(Guide()->isVisible());
    EXPECT_TRUE(Guide()->geometry().contains(window->panels().settingsPanel().geometry().center()));
}

// The pictures are cut from the machine as it stands, not from a stored copy: the control box
// cut is the control box element, and a lever moved shows moved in the guide.
TEST_F(GuideTest, PicturesAreCutFromTheMachineAsItStands) {
    window->panels().guidePanel();
    const QImage box = Guide()->machineCut(QRect(591, 0, 59, 81));
    EXPECT_EQ(box, E(Picture::ControlBox)->image().copy(0, 0, 59, 81));
    const QRect wheel(548, 97, 91, 202);
    const QImage before = Guide()->machineCut(wheel);
    Click(Picture::ModeWheel, 37, 100);  // the work lever moves on
    EXPECT_NE(Guide()->machineCut(wheel), before);
    EXPECT_EQ(Guide()->machineCut(wheel), E(Picture::ModeWheel)->image().copy(0, 0, 91, 202));
    // Every page shows a picture and some text, inside the panel.
    for (int p = 0; p < int(GuidePanel::pages().size()); ++p) {
        Guide()->open(p);
        const auto labels = Guide()->findChildren<QLabel*>();
        bool picture = false;
        for (const QLabel* l : labels) {
            if (l->pixmap().isNull()) continue;
            picture = true;
            EXPECT_LE(l->pixmap().width(), l->width()) << p;
            EXPECT_LE(l->pixmap().height(), l->height()) << p;
        }
        EXPECT_TRUE(picture) << p;
        EXPECT_GT(GuidePanel::pages()[p].text.size(), 200) << p;
        // Nothing is cut off: the text fits its box, the heading its line.
        for (const QLabel* l : labels) {
            if (l->text().isEmpty()) continue;
            if (l->wordWrap())
                EXPECT_LE(l->heightForWidth(l->width()), l->height()) << p;
            else
                EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << p;
        }
    }
}

TEST_F(GuideTest, ControlsHaveHoverHintsByZone) {
    auto hintAt = [](HintSpot spot, int x, int y) { return HintAt(spot, x, y, true); };
    const QString close = hintAt(HintSpot::ControlBox, 20, 18);
    const QString settings = hintAt(HintSpot::ControlBox, 22, 40);
    const QString texts = hintAt(HintSpot::ControlBox, 22, 64);
    EXPECT_TRUE(close.contains("Close"));
    EXPECT_TRUE(settings.contains("Settings"));
    EXPECT_TRUE(texts.contains("Text"));
    EXPECT_TRUE(hintAt(HintSpot::ControlBox, 48, 67).contains("Signal path"));  // the path key
    EXPECT_TRUE(hintAt(HintSpot::ModeWheel, 37, 100).contains("Work lever"));
    EXPECT_TRUE(hintAt(HintSpot::ModeWheel, 76, 110).contains("Printing lever"));
    EXPECT_TRUE(hintAt(HintSpot::TextLoader, 150, 20).contains("Load"));
    EXPECT_TRUE(hintAt(HintSpot::TextLoader, 20, 57).contains("Step"));
    // Every part has a hint somewhere in the state it is shown in, and only the parts do.
    for (int i = 1; i <= static_cast<int>(HintSpot::RandomKeyButton); ++i) {
        const auto spot = static_cast<HintSpot>(i);
        bool found = false;
        for (int y = 0; y < 191 && !found; y += 3)
            for (int x = 0; x < 225 && !found; x += 3)
                found = !HintAt(spot, x, y, true).isEmpty() || !HintAt(spot, x, y, false).isEmpty();
        EXPECT_TRUE(found) << i;
    }
    EXPECT_TRUE(hintAt(HintSpot::None, 5, 5).isEmpty());
    // The control box shows its hint from the start, before the guide's pages are made.
    QHelpEvent help(QEvent::ToolTip, QPoint(22, 40),
                    E(Picture::ControlBox)->mapToGlobal(QPoint(22, 40)));
    QApplication::sendEvent(E(Picture::ControlBox), &help);
    EXPECT_EQ(QToolTip::text(), settings);
    EXPECT_EQ(Guide(), nullptr);
}

// Every control of the closed and of the open machine answers a hover with its hint, through
// the window as the pointer would reach it; the rotor windows and the reflector say what a
// click does in each state.
TEST_F(GuideTest, EveryControlShowsAHintInTheClosedAndTheOpenMachine) {
    auto hover = [&](QWidget* w, int x, int y) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(x, y), w->mapToGlobal(QPoint(x, y)));
        QApplication::sendEvent(w, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    struct Spot {
        Picture element;
        int x, y;
    };
    const Spot closed[] = {{Picture::ControlBox, 22, 40},     {Picture::ModeWheel, 37, 100},
                           {Picture::RegisterSwitch, 40, 10}, {Picture::ModuleSwitch, 18, 95},
                           {Picture::PaperTape, 100, 8},      {Picture::Counter, 50, 15},
                           {Picture::CounterLever, 17, 25},   {Picture::TextLoader, 150, 20},
                           {Picture::StartKey, 20, 20},       {Picture::StopKey, 20, 20},
                           {Picture::Keyboard, 20, 20},       {Picture::Keyboard, 200, 70},
                           {Picture::SpaceBar, 120, 20},      {Picture::Reflector, 40, 84},
                           {Picture::EntryPlate, 40, 84}};
    for (const Spot& s : closed)
        EXPECT_FALSE(hover(E(s.element), s.x, s.y).isEmpty()) << static_cast<int>(s.element);
    EXPECT_TRUE(hover(E(Picture::Keyboard), 20, 20).contains(QStringLiteral("Й")));
    const QString back = hover(E(Picture::Rotor3), 16, 30),
                  window_band = hover(E(Picture::Rotor10), 16, 80),
                  on = hover(E(Picture::Rotor1), 16, 150);
    EXPECT_TRUE(window_band.contains("open the machine"));
    EXPECT_TRUE(back.contains("back") && on.contains("on")) << qPrintable(back + on);

    Click(Picture::Rotor1, 16, 80);  // opens the machine
    ASSERT_FALSE(window->session().machine().state.MachineClosed);
    KeyBox& box = window->panels().keyBox();
    EXPECT_TRUE(hover(E(Picture::Rotor1), 16, 20).contains("Close the machine"));
    EXPECT_TRUE(hover(E(Picture::Reflector), 40, 10).contains("Close the machine"));
    EXPECT_TRUE(hover(E(Picture::Rotor5), 16, 100).contains("Take the rightmost rotor"));
    // Each row of the key table names its own field; the buttons say what they do.
    QStringList rows;
    for (int row = 0; row < 5; ++row) rows << hover(&box.keyTable(), 50, 25 * row + 12);
    EXPECT_EQ(rows.removeDuplicates(), 0);
    for (const QString& r : rows) EXPECT_TRUE(r.startsWith("Row")) << qPrintable(r);
    EXPECT_TRUE(box.button("load key")->toolTip().contains("body number"));
    // A rotor out, its body taken: the bodies, the cores, the face view's zones and the stack.
    Click(Picture::Rotor1, 16, 100);
    EXPECT_FALSE(hover(&box.body(10), 18, 100).isEmpty());
    QTest::mouseClick(&box.body(10), Qt::LeftButton, {}, QPoint(18, 100));
    ASSERT_TRUE(box.face().isVisible());
    QTest::mouseClick(&box.core(10), Qt::LeftButton, {}, QPoint(45, 45));
    QStringList face;
    for (int d : {0, 40, 60, 85}) face << hover(&box.face(), 95, 95 + d);
    EXPECT_EQ(face.removeDuplicates(), 0);
    for (const QString& f : face) EXPECT_FALSE(f.isEmpty());
    EXPECT_TRUE(hover(E(Picture::Stepper), 300, 100).contains("Stack"));
}

// The man page and the README tell the newcomer the same: every page's heading is there.
TEST(GuideText, ManPageAndReadmeCarryEveryPage) {
    for (const char* file : {"/app/share/q417.1", "/README.md"}) {
        QFile f(QStringLiteral(Q417_SOURCE_DIR) + QLatin1String(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QString text = QString::fromUtf8(f.readAll());
        for (const GuidePanel::Page& page : GuidePanel::pages())
            EXPECT_TRUE(text.contains(page.heading, Qt::CaseInsensitive))
                << file << ": " << qPrintable(page.heading);
        EXPECT_TRUE(text.contains("F1")) << file;
    }
}

}  // namespace
}  // namespace q417::testing
