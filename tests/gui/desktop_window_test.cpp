// The window as desktops deliver to it: key events with time stamps (X11 repeat pairs), a
// translucent window painted only inside its outline, and the panels made when first wanted
// showing the session as it stands.
#include <QAbstractButton>
#include <QKeyEvent>

#include "app/qt/settings_panel.h"
#include "app/qt/window_outline.h"
#include "ui/blit.h"
#include "io/qt/text_box.h"
#include "io/qt/text_panel.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

// A key event as the X11 platform sends it: the scan code of G and the server's time.
void SendKey(QWidget* to, QEvent::Type type, quint64 time, bool marked = false) {
    QKeyEvent event(type, Qt::Key_G, Qt::NoModifier, 42, 0x67, 0, QStringLiteral("g"), marked);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

TEST_F(WindowTest, UnmarkedRepeatPairsOfAHeldKeyTypeOnce) {
    SendKey(window.get(), QEvent::KeyPress, 1000);
    for (quint64 t = 1660; t < 2200; t += 40) {
        SendKey(window.get(), QEvent::KeyRelease, t);
        SendKey(window.get(), QEvent::KeyPress, t);
    }
    EXPECT_TRUE(window->session().keyboard().KeyHeld);
    SendKey(window.get(), QEvent::KeyRelease, 2300);
    // The real release waits a moment for a press that would make it a pair.
    EXPECT_TRUE(window->session().keyboard().KeyHeld);
    QTest::qWait(100);
    EXPECT_FALSE(window->session().keyboard().KeyHeld);
    EXPECT_EQ(Input().size(), 1u);
    // The same key again, later: a new key press.
    SendKey(window.get(), QEvent::KeyPress, 2500);
    SendKey(window.get(), QEvent::KeyRelease, 2580);
    QTest::qWait(100);
    EXPECT_EQ(Input().size(), 2u);
    EXPECT_FALSE(window->session().keyboard().KeyHeld);
}

TEST_F(WindowTest, TheTextBoxesShareTheWindowsRepeatFilter) {
    window->panels().textPanel().open();
    QWidget* box = window->findChild<QWidget*>(QStringLiteral("Memo1"));
    ASSERT_NE(box, nullptr);
    SendKey(box, QEvent::KeyPress, 1000);
    SendKey(box, QEvent::KeyRelease, 1660);
    SendKey(window.get(), QEvent::KeyPress, 1660);  // the pair may end up anywhere
    SendKey(box, QEvent::KeyRelease, 1700, true);
    SendKey(box, QEvent::KeyPress, 1700, true);
    SendKey(box, QEvent::KeyRelease, 1800);
    QTest::qWait(100);
    EXPECT_EQ(Input().size(), 1u);
    EXPECT_FALSE(window->session().keyboard().KeyHeld);
}

TEST_F(WindowTest, NothingIsDrawnOutsideTheOutline) {
    ASSERT_TRUE(window->testAttribute(Qt::WA_TranslucentBackground));
    const QImage frame = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion outline = WindowOutline(true);
    int outside = 0, inside = 0;
    for (int y = 0; y < frame.height(); y += 3)
        for (int x = 0; x < frame.width(); x += 3) {
            const bool opaque = qAlpha(frame.pixel(x, y)) == 255;
            if (outline.contains(QPoint(x, y)))
                inside += opaque ? 0 : 1;
            else
                outside += opaque ? 1 : 0;
        }
    EXPECT_EQ(outside, 0) << "opaque points outside the outline";
    EXPECT_EQ(inside, 0) << "transparent points inside the outline";
    // The pictures that reach past the outline are cut with it, the lever's knob too when
    // it is pushed in.
    QTest::mousePress(E(Picture::CounterLever), Qt::LeftButton, {}, QPoint(17, 10));
    const QRegion pushed = WindowOutline(false).translated(-E(Picture::CounterLever)->pos());
    EXPECT_EQ(E(Picture::CounterLever)->mask(),
              pushed.intersected(E(Picture::CounterLever)->rect()));
    QTest::mouseRelease(E(Picture::CounterLever), Qt::LeftButton, {}, QPoint(17, 10));
}

TEST_F(WindowTest, PanelsAreMadeWhenFirstWanted) {
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("TXTPanel")), nullptr);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("SPanel0")), nullptr);
    Type(Qt::Key_F);  // typing before the text panel exists
    window->panels().textPanel();
    EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("TXTPanel")), nullptr);
    QTest::qWait(50);
    window->panels().textPanel().open();
    Type(Qt::Key_A);
    EXPECT_EQ(Input().size(), 2u);
    EXPECT_TRUE(errors.isEmpty());
}

// A panel made after the user has worked shows the session as it stands, not as it started:
// the texts typed and fed and the next character to feed, the settings changed elsewhere, the
// opened machine; and from then on it follows every change.
TEST_F(WindowTest, PanelsMadeLateShowTheSessionAsItStands) {
    Restart([&](MachineSettings& s) {
        s.Sound = false;
        s.Layot = KeyboardLayout::German;
        s.Wheel = PrintWheel::German;
        s.Rod = Work::Encipher;
    });  // Latin, so that the text's letters have keys
    Type(Qt::Key_F);
    QTest::qWait(50);  // the release waits a moment for a repeat pair
    ASSERT_EQ(Output().size(), 1u);
    const std::string typed = Output();
    window->session().LoadText("AB*CD");
    QTest::mouseClick(E(Picture::StartKey), Qt::LeftButton, {},
                      QPoint(20, 20));  // runs to the asterisk
    WaitForRunEnd();
    ASSERT_EQ(window->session().feed().FeedPosition, 4);
    ASSERT_GT(Output().size(), typed.size());
    window->session().SetDivider(!S().Divider);
    window->session().OpenMachine();
    ASSERT_EQ(window->findChild<QWidget*>(QStringLiteral("TXTPanel")), nullptr);
    ASSERT_EQ(window->findChild<QWidget*>(QStringLiteral("SPanel0")), nullptr);

    TextPanel& texts = window->panels().textPanel();
    EXPECT_EQ(texts.inputBox().text(), Input());
    EXPECT_EQ(texts.outputBox().text(), Output());
    EXPECT_EQ(texts.outputBox().text().substr(0, typed.size()), typed);
    EXPECT_EQ(texts.inputBox().selectionStart(), 3u);  // C, the next to feed
    texts.open();
    const std::size_t before = Output().size();
    QTest::mouseClick(E(Picture::StartKey), Qt::LeftButton, {}, QPoint(20, 20));  // the rest
    WaitForRunEnd();
    EXPECT_GT(Output().size(), before);
    EXPECT_EQ(texts.inputBox().text(), Input());
    EXPECT_EQ(texts.outputBox().text(), Output());

    SettingsPanel& settings = window->panels().settingsPanel();
    settings.ShowSettingsPanel();
    EXPECT_EQ(settings.button(QStringLiteral("CheckBox2"))->isChecked(), S().Divider);
    window->session().SetDivider(!S().Divider);
    EXPECT_EQ(settings.button(QStringLiteral("CheckBox2"))->isChecked(), S().Divider);

    // The machine was opened before its box was made: the box comes up open, its table drawn.
    KeyBox& box = window->panels().keyBox();
    EXPECT_TRUE(box.box()->isVisible());
    // Made after the text panel, its tray still lies under it, as when all were made at start.
    EXPECT_LT(window->children().indexOf(box.tray()), window->children().indexOf(&texts));
    const QImage table = box.keyTable().image().copy();
    box.sync();
    EXPECT_EQ(box.keyTable().image(), table);
    EXPECT_TRUE(errors.isEmpty());
}

// A panel made during a run shows what the run has typed so far once, not again when the
// held-back news are drawn.
TEST(SessionViewsAdd, AViewAddedDuringARunGetsOnlyLaterNews) {
    struct Texts : SessionEvents {
        void InputAppended(std::string_view s) override { input.append(s); }
        std::string input;
    } early, late;
    SessionViews views;
    views.Add(&early);
    views.RunStarted();
    views.InputAppended("AB");
    late.input = "AB";  // what a view made now reads from the printer
    views.Add(&late);
    views.InputAppended("C");
    views.RunEnded();
    EXPECT_EQ(early.input, "ABC");
    EXPECT_EQ(late.input, "ABC");
}

// The whole-row copy of an opaque sheet against the pixel walk it stands for.
TEST(CopyRect, OpaqueSheetsCopyLikeThePixelWalk) {
    QImage sheet(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) sheet.setPixel(x, y, qRgb(x * 6, y * 8, (x ^ y) * 4));
    const QImage walked = sheet.convertToFormat(QImage::Format_ARGB32);
    const QRect rects[] = {
        {0, 0, 40, 30}, {5, 3, 12, 9}, {-4, -2, 20, 10}, {30, 25, 20, 20}, {0, 0, 0, 5}};
    const QPoint places[] = {{0, 0}, {7, 4}, {-3, 6}, {20, 18}, {25, -5}};
    for (const QRect& r : rects)
        for (const QPoint& p : places) {
            QImage fast = MakePicture(32, 24, 0xFF102030);
            QImage slow = fast.copy();
            CopyRect(fast, p.x(), p.y(), sheet, r);
            CopyRect(slow, p.x(), p.y(), walked, r);
            EXPECT_TRUE(fast == slow) << r.x() << "," << r.y() << " at " << p.x() << "," << p.y();
        }
}

}  // namespace
}  // namespace q417::testing
