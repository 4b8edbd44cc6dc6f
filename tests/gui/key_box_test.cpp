// Setting a key in the window with real mouse events: opening the machine, the work table,
// the card editor, key files and random keys.
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QToolButton>

#include "core/qt/machine_frames.h"
#include "key/card_editor.h"
#include "key/key_file.h"
#include "key/qt/card_panel.h"
#include "key/qt/card_zones.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

using card_zones::CellLeft;
using card_zones::CellTop;

class KeyBoxTest : public WindowTest {
protected:
    KeyBox& Box() { return window->panels().keyBox(); }
    const WorkTable& Work() { return Box().workTable(); }
    const Machine& M() { return window->session().machine(); }
    int Entry(int row, int column) { return Work().table.at(row, column); }

    // A click where a user would click: on whatever widget is at that point of the window.
    void ClickAt(int x, int y) {
        QWidget* target = window->childAt(x, y);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window.get(), QPoint(x, y)));
    }
    // Places in window coordinates.
    void ClickRotor(int slot, int y) { ClickAt(115 + 33 * (slot - 1) + 15, 108 + y); }
    void ClickBody(int n) { ClickAt(6 + 8 + 40 * (n - 1) + 18, 316 + 100); }
    void ClickCore(int n) { ClickAt(6 + 2 + 90 * ((n - 1) % 5) + 45, 4 + (n <= 5 ? 2 : 92) + 45); }
    void ClickFace(int x, int y) { ClickAt(6 + 8 + x, 316 + 3 + y); }
    void Press(const char* button) { QTest::mouseClick(Box().button(button), Qt::LeftButton); }

    // Takes out every rotor from slot `from` on and builds body `body`, core `core` into
    // the next slot with the ring raised `ring_up` times and the core turned over.
    void BuildRotor(int body, int core, int ring_up, bool turn) {
        ClickBody(body);
        for (int i = 0; i < ring_up; ++i) ClickFace(10, 95);
        ClickCore(core);
        if (turn) ClickFace(95 - 40, 95);
        const int slot = Work().Column();
        ClickRotor(slot, 120);  // the empty slot: the stack beneath takes the click
    }
    KeyBox::FileChooser Returning(QString path) {
        return [path](const QString&, const QString&) { return path; };
    }
};

TEST_F(KeyBoxTest, OpenTakeOutAssembleInsertAndClose) {
    ClickRotor(3, 80);
    ASSERT_FALSE(M().state.MachineClosed);
    EXPECT_TRUE(Box().box()->isVisible());
    EXPECT_TRUE(E(Picture::Stepper)->isVisible());
    EXPECT_EQ(window->host().sound().clicks(), 1);
    for (int n = 1; n <= 10; ++n) EXPECT_FALSE(Box().body(n).isVisible());

    ClickRotor(3, 100);  // any filled slot: the rightmost comes out
    ClickRotor(3, 100);
    EXPECT_FALSE(E(Picture::Rotor10)->isVisible());
    EXPECT_FALSE(E(Picture::Rotor9)->isVisible());
    EXPECT_TRUE(E(Picture::Rotor8)->isVisible());
    EXPECT_EQ(Entry(KeyTable::kRotorNumber, 9), 0);
    ClickRotor(1, 10);  // the table has empty columns: the machine stays open
    EXPECT_FALSE(M().state.MachineClosed);

    ClickBody(10);
    EXPECT_TRUE(Box().face().isVisible());
    EXPECT_TRUE(Box().tray()->isVisible());
    ClickFace(10, 95);  // ring up
    ClickCore(9);
    EXPECT_FALSE(Box().tray()->isVisible());
    ClickFace(95 + 60, 95);  // core setting down: 30
    ClickFace(95, 95 - 40);  // turned over
    ClickRotor(9, 120);
    EXPECT_FALSE(Box().face().isVisible());
    EXPECT_TRUE(E(Picture::Rotor9)->isVisible());
    BuildRotor(9, 10, 0, false);
    EXPECT_TRUE(E(Picture::Rotor10)->isVisible());

    const RotorState& r9 = M().rotors.Slot(9);
    EXPECT_EQ(r9.RotorNumber, 10);
    EXPECT_EQ(r9.RingSetting, 2);
    EXPECT_EQ(r9.CoreNumber, 9);
    EXPECT_EQ(r9.CoreSide, 2);
    EXPECT_EQ(r9.CoreSetting, 30);
    EXPECT_EQ(r9.Position, 10);
    EXPECT_EQ(M().rotors.Slot(10).RotorNumber, 9);
    ClickRotor(5, 10);
    EXPECT_TRUE(M().state.MachineClosed);
    EXPECT_FALSE(Box().box()->isVisible());
    EXPECT_FALSE(E(Picture::Stepper)->isVisible());
    KeyTable closed;
    KeyTableFromRotors(M().rotors, closed);
    EXPECT_EQ(closed, Work().table);
}

// The stack, its plates and the stepping mechanism belong to their own view: they follow the
// session whether or not the key box was made, and the stepper takes an assembled rotor back
// in by its own click.
TEST_F(KeyBoxTest, TheStackFollowsTheSessionWithOrWithoutTheKeyBox) {
    const auto frame = [](void (*show)(PictureElement&, int), int n) {
        PictureElement e(QStringLiteral("frame"), QRect(0, 0, 78, 191), false, nullptr);
        show(e, n);
        return e.image().copy();
    };
    PictureElement& reflector = *E(Picture::Reflector);
    PictureElement& entry = *E(Picture::EntryPlate);
    PictureElement& stepper = *E(Picture::Stepper);
    ASSERT_TRUE(window->session().OpenMachine());  // straight through the session: no box
    EXPECT_EQ(reflector.image(), frame(ShowReflectorFrame, 3));
    EXPECT_EQ(entry.image(), frame(ShowEntryFrame, 3));
    EXPECT_TRUE(stepper.isVisible());
    ASSERT_TRUE(window->session().TakeOutRotor(10));
    EXPECT_FALSE(E(Picture::Rotor10)->isVisible());
    EXPECT_TRUE(E(Picture::Rotor9)->isVisible());
    // Assembled again in the box, made only now, the rotor goes back in by the stepper's own
    // click; the reflector's top edge closes the machine.
    QTest::mouseClick(&Box().body(10), Qt::LeftButton, {}, QPoint(18, 100));
    QTest::mouseClick(&Box().core(10), Qt::LeftButton, {}, QPoint(45, 45));
    QTest::mouseClick(&stepper, Qt::LeftButton, {}, QPoint(300, 100));
    ASSERT_TRUE(Work().SlotFilled(10));
    EXPECT_TRUE(E(Picture::Rotor10)->isVisible());
    Click(Picture::Reflector, 40, 10);
    ASSERT_TRUE(M().state.MachineClosed) << errors.join('\n').toStdString();
    EXPECT_EQ(reflector.image(), frame(ShowReflectorFrame, 1));
    EXPECT_EQ(entry.image(), frame(ShowEntryFrame, 1));
    EXPECT_FALSE(stepper.isVisible());
    for (int slot = 1; slot <= 10; ++slot) EXPECT_TRUE(E(RotorWindow(slot))->isVisible()) << slot;
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(KeyBoxTest, FaceViewShowsTheDialsAndGivesUpAtTheCentre) {
    ClickRotor(1, 80);
    ClickRotor(1, 100);
    ClickBody(10);
    PictureElement* dot = &Box().face();
    const QImage empty = dot->image();
    ClickFace(95 + 80, 95);  // ring down: 30
    EXPECT_EQ(Work().EditRingSetting, 30);
    EXPECT_NE(dot->image(), empty);
    ClickCore(10);
    const QImage side1 = dot->image();
    ClickFace(95, 95 + 30);
    EXPECT_EQ(Work().EditCoreSide, 2);
    EXPECT_NE(dot->image(), side1);
    const int steps = window->host().sound().steps();
    ClickFace(95, 95 + 25);  // exactly 25: the centre
    EXPECT_EQ(window->host().sound().steps(), steps + 1);
    EXPECT_FALSE(dot->isVisible());
    EXPECT_TRUE(Box().body(10).isVisible());
    EXPECT_FALSE(Box().tray()->isVisible());
    EXPECT_FALSE(Box().core(10).isHidden());  // back in the tray
    EXPECT_EQ(Work().RemovedRotors, 1);
}

TEST_F(KeyBoxTest, BaseClearAndRandomKeyButtons) {
    ClickRotor(2, 80);
    Press("clear key table");
    for (int k = 1; k <= 10; ++k)
        EXPECT_FALSE(window->host().pictures().rotorWindow(k).isVisible());
    EXPECT_FALSE(Box().button("save key")->isEnabled());
    Press("set Base position");
    EXPECT_TRUE(Box().button("save key")->isEnabled());
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(M().rotors.Slot(k).Position, 1);
    Press("generate random key");
    EXPECT_TRUE(KeyTableValid(Work().table, 10));
    EXPECT_TRUE(M().card.CardComplete());
    EXPECT_EQ(M().card.KeyNumber, 0);
    EXPECT_TRUE(Box().button("save key")->isEnabled());
    EXPECT_TRUE(Box().cardPanel().button("SpeedButton3")->isEnabled());
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(M().rotors.Slot(k).Position, Entry(KeyTable::kRotorNumber, k));
}

TEST_F(KeyBoxTest, BasicKeyFileBytesAndSaveThenLoad) {
    ClickRotor(2, 80);
    const QString path = dir.filePath("13key.key");
    Box().setFileChooser(Returning({}), Returning(path));
    Press("save key");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 80);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(bytes[i], i + 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(bytes[30 + i], i + 1);
        EXPECT_EQ(bytes[40 + i], i + 1);
        EXPECT_EQ(bytes[50 + i], 1);
        EXPECT_EQ(bytes[60 + i], 0);
        EXPECT_EQ(bytes[70 + i], 0);
    }

    Press("generate random key");
    const KeyTable random = Work().table;
    const ContactTable card = M().card.Rows();
    const QString random_path = dir.filePath("random.key");
    Box().setFileChooser(Returning(path), Returning(random_path));
    Press("save key");
    Press("load key");  // back to the basic key, number 13 from the name
    EXPECT_EQ(Work().table.at(KeyTable::kCoreNumber, 4), 4);
    EXPECT_EQ(Box().title()->text(), QStringLiteral("Ключевая таблица 13"));
    EXPECT_EQ(M().card.KeyNumber, 13);
    Press("generate random key");  // the file's key is gone, and with it its number
    EXPECT_EQ(Box().title()->text(), QStringLiteral("Ключевая таблица "));
    Press("load key");
    EXPECT_EQ(Box().title()->text(), QStringLiteral("Ключевая таблица 13"));
    Box().setFileChooser(Returning(random_path), Returning({}));
    Press("load key");
    EXPECT_EQ(Work().table, random);
    EXPECT_EQ(M().card.Rows(), card);
    EXPECT_EQ(Box().title()->text(), QStringLiteral("Ключевая таблица "));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(KeyBoxTest, DamagedFilesAndCancelledLoadChangeNothing) {
    ClickRotor(2, 80);
    ClickRotor(2, 100);
    ClickBody(10);  // an assembly under way
    const KeyTable table = Work().table;
    const QString short_path = dir.filePath("05short.key");
    QFile f(short_path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(50, 3));
    f.close();
    Box().setFileChooser(Returning(short_path), Returning({}));
    Press("load key");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot read file \"" + short_path + "\". Read beyond end of file");
    EXPECT_EQ(Work().table, table);
    EXPECT_TRUE(M().card.CardComplete());
    EXPECT_TRUE(Work().Assembling());

    QByteArray bad(80, 1);  // every row punched in column 1
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bad);
    f.close();
    Press("load key");
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(M().card.CardForward(2), 2);
    EXPECT_EQ(Box().title()->text(), QStringLiteral("Key table "));

    Box().setFileChooser(Returning({}), Returning({}));
    Press("load key");
    EXPECT_EQ(Work().table, table);
    EXPECT_TRUE(Work().Assembling());
    EXPECT_TRUE(Box().face().isVisible());
}

TEST_F(KeyBoxTest, FailedSaveIsShownAndASaveReplacesTheWholeFile) {
    ClickRotor(2, 80);
    Box().setFileChooser(Returning({}), Returning(dir.filePath("no/such/folder/01.key")));
    Press("save key");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "Cannot create file \"" + dir.filePath("no/such/folder/01.key") +
                             "\". No such file or directory");

    const QString path = dir.filePath("old.key");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200, 'x'));
    old.close();
    Box().setFileChooser(Returning({}), Returning(path));
    Press("save key");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll().size(), 80);
    EXPECT_EQ(errors.size(), 1);
}

class CardPanelTest : public KeyBoxTest {
protected:
    void SetUp() override {
        KeyBoxTest::SetUp();
        ClickRotor(2, 80);
        Press("punch card");
        ASSERT_TRUE(Panel().panel()->isVisible());
    }
    CardPanel& Panel() { return Box().cardPanel(); }
    void ClickCell(int r, int c) {
        QTest::mouseClick(Panel().picture(), Qt::LeftButton, {},
                          QPoint(CellLeft(c) + 4, CellTop(r) + 4));
    }
    QRgb Working(int r, int c) { return Panel().working().pixel(CellLeft(c) + 4, CellTop(r) + 4); }
};

TEST_F(CardPanelTest, PunchingActsOnTheCardAtOnce) {
    ClickCell(5, 5);  // take out the diagonal's hole
    EXPECT_EQ(M().card.CardForward(5), 0);
    EXPECT_EQ(M().card.KeyNumber, 0);
    EXPECT_FALSE(Panel().button("SpeedButton3")->isEnabled());
    EXPECT_FALSE(Box().button("save key")->isEnabled());
    ClickCell(5, 6);  // column 6 is row 6's: nothing
    EXPECT_EQ(M().card.CardForward(5), 0);
    const int steps = window->host().sound().steps();
    ClickCell(5, 5);
    EXPECT_EQ(window->host().sound().steps(), steps + 1);
    EXPECT_EQ(M().card.CardForward(5), 5);
    EXPECT_EQ(M().card.KeyNumber, QDate::currentDate().day());
    EXPECT_TRUE(Panel().button("SpeedButton3")->isEnabled());
    QTest::mouseClick(Panel().button("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(M().card.HoleCount(), 0);
    QTest::mouseClick(Panel().button("SpeedButton2"), Qt::LeftButton);
    EXPECT_TRUE(M().card.CardComplete());
    QTest::mouseClick(Panel().button("SpeedButton3"), Qt::LeftButton);
    EXPECT_FALSE(Panel().panel()->isVisible());
}

TEST_F(CardPanelTest, TwentyNineHolesWithMarksLeaveOneCellClear) {
    ClickCell(12, 12);
    QTest::mouseClick(Panel().button("SpeedButton18"), Qt::LeftButton);
    EXPECT_TRUE(Panel().marksBox()->isChecked());
    const QRgb blank = Working(12, 12);
    const QRgb hole = Working(3, 3);
    int clear = 0;
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= 30; ++c) {
            if (r == c && r != 12) {
                EXPECT_EQ(Working(r, c), hole);
                continue;
            }
            const QImage cell = Panel().working().copy(CellLeft(c), CellTop(r), 8, 8);
            clear += cell == Panel().working().copy(CellLeft(12), CellTop(12), 8, 8);
        }
    EXPECT_EQ(clear, 1);
    EXPECT_NE(Working(12, 13), blank);
}

TEST_F(CardPanelTest, PointerLabelChangesSideAtColumnTwentyFive) {
    PictureElement* ks = Panel().picture();
    auto labelInk = [&](int column, int from_dx, int to_dx) {
        const int x = CellLeft(column) + 4, y = CellTop(12) + 4;
        Move(ks, x, y);
        int ink = 0;
        for (int px = x + from_dx; px < x + to_dx; ++px)
            for (int py = y - 18; py < y - 8; ++py)
                ink += ks->image().valid(px, py) &&
                       ks->image().pixel(px, py) != Panel().working().pixel(px, py);
        return ink;
    };
    EXPECT_GT(labelInk(24, 10, 40), 0);
    EXPECT_EQ(labelInk(24, -35, -5), 0);
    EXPECT_GT(labelInk(25, -35, -5), 0);
    EXPECT_EQ(labelInk(25, 10, 40), 0);
}

// Closed and opened again with the marks on, the card shows the marks its tick promises.
TEST_F(CardPanelTest, ReopenedWithMarksOnShowsThem) {
    ClickCell(12, 12);
    QTest::mouseClick(Panel().button("SpeedButton18"), Qt::LeftButton);
    ClickCell(12, 12);
    const QRgb mark = Working(12, 13);
    QTest::mouseClick(Panel().button("SpeedButton3"), Qt::LeftButton);
    ASSERT_FALSE(Panel().panel()->isVisible());
    Press("punch card");
    EXPECT_TRUE(Panel().marksBox()->isChecked());
    EXPECT_EQ(Working(12, 13), mark);
    EXPECT_EQ(Panel().picture()->image().pixel(CellLeft(13) + 4, CellTop(12) + 4), mark);
    // Switched off, the card is plain again.
    QTest::mouseClick(Panel().button("SpeedButton18"), Qt::LeftButton);
    EXPECT_NE(Working(12, 13), mark);
}

// The editor lies over the core tray and the face view; dragged by its title band it moves
// aside within the window, and the card under it does not take the drag as a punch.
TEST_F(CardPanelTest, TitleBandDragsTheEditorAsideWithinTheWindow) {
    QWidget* panel = Panel().panel();
    const QPoint start = panel->pos();
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), panel->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(panel, &e);
    };
    const int holes = M().card.HoleCount();
    send(QEvent::MouseButtonPress, {30, 20}, Qt::LeftButton);
    send(QEvent::MouseMove, {230, 60}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {230, 60}, Qt::NoButton);
    EXPECT_EQ(panel->pos(), start + QPoint(200, 40));
    EXPECT_EQ(M().card.HoleCount(), holes);
    send(QEvent::MouseButtonPress, {30, 20}, Qt::LeftButton);
    send(QEvent::MouseMove, {2000, 2000}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {2000, 2000}, Qt::NoButton);
    // Never beyond the window's edge, nor over the cut-away space under the cabinet.
    EXPECT_EQ(panel->geometry().right(), window->width() - 1);
    EXPECT_TRUE(window->mask().contains(panel->geometry().bottomRight()));
    EXPECT_TRUE(window->mask().contains(panel->geometry().bottomLeft()));
    EXPECT_GT(panel->geometry().bottom(), 500);
    // A press on the card itself moves nothing.
    const QPoint moved = panel->pos();
    send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    send(QEvent::MouseMove, {10, 10}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {10, 10}, Qt::NoButton);
    EXPECT_EQ(panel->pos(), moved);
    // Closed and opened again, it is back in its place.
    QTest::mouseClick(Panel().button("SpeedButton3"), Qt::LeftButton);
    Press("punch card");
    EXPECT_EQ(panel->pos(), start);
}

// The 10 x 10 box shows a tick only when the marks are on, and no stray stroke otherwise.
TEST_F(CardPanelTest, MarksBoxFitsItsTenPixels) {
    QCheckBox* box = Panel().marksBox();
    EXPECT_EQ(box->size(), QSize(10, 10));
    const auto inkInside = [&] {
        const QImage img = box->grab().toImage();
        int ink = 0;
        for (int y = 2; y < 8; ++y)
            for (int x = 2; x < 8; ++x) ink += qGray(img.pixel(x, y)) < 128;
        return ink;
    };
    EXPECT_EQ(inkInside(), 0);
    QTest::mouseClick(Panel().button("SpeedButton18"), Qt::LeftButton);
    EXPECT_GT(inkInside(), 3);
}

}  // namespace
}  // namespace q417::testing
