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
#include "app/qt/settings_panel.h"
#include "window_fixture.h"

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
    window->openSettingsPanel();
    QTest::mouseClick(window->settingsPanel().findChild<QToolButton*>("SpeedButton6"),
                      Qt::LeftButton);
    auto* button = window->settingsPanel().about().findChild<QToolButton*>("guide");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(Guide()->isVisible());
    EXPECT_TRUE(Guide()->geometry().contains(window->settingsPanel().geometry().center()));
}

// The pictures are cut from the machine as it stands, not from a stored copy: the control box
// cut is the control box element, and a lever moved shows moved in the guide.
TEST_F(GuideTest, PicturesAreCutFromTheMachineAsItStands) {
    window->guidePanel();
    const QImage box = Guide()->machineCut(QRect(591, 0, 59, 81));
    EXPECT_EQ(box, E("Image6")->image().copy(0, 0, 59, 81));
    const QRect wheel(548, 97, 91, 202);
    const QImage before = Guide()->machineCut(wheel);
    Click("W", 37, 100);  // the work lever moves on
    EXPECT_NE(Guide()->machineCut(wheel), before);
    EXPECT_EQ(Guide()->machineCut(wheel), E("W")->image().copy(0, 0, 91, 202));
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
    }
}

TEST_F(GuideTest, ControlsHaveHoverHintsByZone) {
    const QString close = GuidePanel::hintAt("Image6", 20, 18);
    const QString settings = GuidePanel::hintAt("Image6", 22, 40);
    const QString texts = GuidePanel::hintAt("Image6", 22, 64);
    EXPECT_TRUE(close.contains("Close"));
    EXPECT_TRUE(settings.contains("Settings"));
    EXPECT_TRUE(texts.contains("Text"));
    EXPECT_TRUE(GuidePanel::hintAt("Image6", 48, 67).contains("Signal path"));  // the path key
    EXPECT_TRUE(GuidePanel::hintAt("W", 37, 100).contains("Work lever"));
    EXPECT_TRUE(GuidePanel::hintAt("W", 76, 110).contains("Printing lever"));
    EXPECT_TRUE(GuidePanel::hintAt("Image17", 150, 20).contains("Load"));
    EXPECT_TRUE(GuidePanel::hintAt("Image17", 20, 57).contains("Step"));
    EXPECT_TRUE(GuidePanel::hintAt("Image17", 100, 80).isEmpty());
    for (const char* lever : {"Image3", "Image5", "Image11", "Image19", "Image24", "Image25"})
        EXPECT_FALSE(GuidePanel::hintAt(lever, 5, 5).isEmpty()) << lever;
    // The control box shows its hint from the start, before the guide's pages are made.
    QHelpEvent help(QEvent::ToolTip, QPoint(22, 40), E("Image6")->mapToGlobal(QPoint(22, 40)));
    QApplication::sendEvent(E("Image6"), &help);
    EXPECT_EQ(QToolTip::text(), settings);
    EXPECT_EQ(Guide(), nullptr);
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
