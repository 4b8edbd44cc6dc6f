#include "key/qt/card_panel.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QToolButton>
#include <algorithm>

#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/blit.h"
#include "io/sound.h"
#include "app/machine_session.h"
#include "key/card.h"
#include "key/card_editor.h"
#include "key/qt/card_zones.h"
#include "key/qt/key_pictures.h"

namespace q417 {

using namespace card_zones;

namespace {

enum Sprite { kHole = 9, kPointer = 10, kBlocked = 11, kBlank = 12, kCard = 13, kMark = 14 };
constexpr QRgb kLineGreen = 0xFF008000;
constexpr QRgb kLineRed = 0xFFFF0000;
constexpr int kCardTop = 35;  // the card picture lies below the panel's title band
const QPoint kPanelPlace(6, 4);

struct ButtonSpec {
    const char* name;
    const char* hint;
    const char* text;
    int x, width;
};
constexpr ButtonSpec kButtons[4] = {
    {"SpeedButton1", QT_TRANSLATE_NOOP("Card", "clear punch card"),
     QT_TRANSLATE_NOOP("Card", "Clear"), 64, 44},
    {"SpeedButton2", QT_TRANSLATE_NOOP("Card", "insert triangle"),
     QT_TRANSLATE_NOOP("Card", "Triangle"), 110, 50},
    {"SpeedButton18", QT_TRANSLATE_NOOP("Card", "Show unaccessible points"),
     QT_TRANSLATE_NOOP("Card", "   Marks"), 162, 48},
    {"SpeedButton3", QT_TRANSLATE_NOOP("Card", "apply punch card"),
     QT_TRANSLATE_NOOP("Card", "Apply"), 212, 42},
};

// The 10 x 10 box over the "Marks" button. The widget style would draw a larger indicator and
// clip it to a stray stroke; this one draws a frame and a tick that fit the ten pixels.
class MarksBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(QColor(64, 64, 64));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (!isChecked()) return;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.6));
        p.drawPolyline(QPolygonF({QPointF(2.2, 5.0), QPointF(4.2, 7.3), QPointF(7.9, 2.5)}));
    }
};

// The title band of the editor (above the card, where only the title and the buttons sit)
// drags the panel within the window, so that it can be pushed aside from the core tray and the
// face view it lies over.
class TitleDrag : public QObject {
public:
    TitleDrag(QWidget* panel, int bandHeight) : QObject(panel), panel_(panel), band_(bandHeight) {
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* e = static_cast<QMouseEvent*>(event);
                if (e->button() != Qt::LeftButton || e->position().y() >= band_) return false;
                grab_ = e->position().toPoint();
                dragging_ = true;
                return true;
            }
            case QEvent::MouseMove: {
                if (!dragging_) return false;
                auto* e = static_cast<QMouseEvent*>(event);
                const QWidget* parent = panel_->parentWidget();
                QPoint to = panel_->mapToParent(e->position().toPoint()) - grab_;
                to.setX(std::clamp(to.x(), 0, std::max(0, parent->width() - panel_->width())));
                to.setY(std::clamp(to.y(), 0, std::max(0, parent->height() - panel_->height())));
                // Within the window's outline too: not over the cut-away space under the body.
                const QRegion outline = parent->mask();
                const auto inside = [&](QPoint at) {
                    const QRect r(at, panel_->size());
                    return outline.contains(r.bottomLeft()) && outline.contains(r.bottomRight());
                };
                while (!outline.isEmpty() && to.y() > 0 && !inside(to)) to.ry() -= 1;
                panel_->move(to);
                return true;
            }
            case QEvent::MouseButtonRelease:
                if (!dragging_) return false;
                dragging_ = false;
                return true;
            default:
                return false;
        }
    }

private:
    QWidget* panel_;
    int band_;
    QPoint grab_;
    bool dragging_ = false;
};

QWidget* MakePanel(QWidget& window) {
    auto* panel = new QWidget(&window);
    panel->setObjectName(QStringLiteral("KSPanel"));
    panel->setGeometry(QRect(kPanelPlace, QSize(258, 337)));
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(p);
    panel->hide();
    return panel;
}

}  // namespace

CardPanel::CardPanel(QWidget& window, MachineSession& session)
    : session_(session), card_(session.machine().card), panel_(MakePanel(window)) {
    title_ = new QLabel(QStringLiteral("KC 30x30"), panel_);
    title_->setObjectName(QStringLiteral("KSLabel"));
    title_->setGeometry(6, 8, 56, 18);
    title_->setCursor(Qt::SizeAllCursor);
    title_->setToolTip(QCoreApplication::translate("Card", "drag to move the card aside"));
    new TitleDrag(panel_, kCardTop);
    ks_ = new PictureElement(QStringLiteral("KS"), QRect(1, kCardTop, kCardWidth, kCardHeight),
                             true, panel_);
    ks_->setHintSpot(HintSpot::Card);
    ks_->onMouseMove = [this](int x, int y) { TrackPointer(x, y); };
    ks_->onMouseUp = [this](int x, int y, Qt::MouseButton) { Release(x, y); };
    BuildButtons();
    // Until the panel is first opened both pictures are the plain card.
    working_ = MakePicture(kCardWidth, kCardHeight);
    CopyAll(working_, 0, 0, Sprites::Numbered(kCard));
    Show(working_);
    UpdateButtons();
}

void CardPanel::BuildButtons() {
    QFont small = panel_->font();
    small.setPointSize(7);
    for (int i = 0; i < 4; ++i) {
        const ButtonSpec& b = kButtons[i];
        auto* button = new QToolButton(panel_);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QCoreApplication::translate("Card", b.hint));
        button->setAccessibleName(QCoreApplication::translate("Card", b.hint));
        button->setText(QCoreApplication::translate("Card", b.text));
        button->setFont(small);
        button->setGeometry(b.x, 6, b.width, 22);
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[i] = button;
    }
    QObject::connect(buttons_[0], &QToolButton::clicked, panel_, [this] { ClearPunchCard(); });
    QObject::connect(buttons_[1], &QToolButton::clicked, panel_, [this] { InsertTriangle(); });
    QObject::connect(buttons_[2], &QToolButton::clicked, panel_, [this] { ToggleInaccessible(); });
    QObject::connect(buttons_[3], &QToolButton::clicked, panel_, [this] { panel_->hide(); });
    // Only shows whether the marks are on; the button beneath it switches them.
    check_box3_ = new MarksBox(panel_);
    check_box3_->setObjectName(QStringLiteral("CheckBox3"));
    check_box3_->setGeometry(165, 12, 10, 10);
    check_box3_->setEnabled(false);
    check_box3_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QToolButton* CardPanel::button(const QString& name) const {
    for (QToolButton* b : buttons_)
        if (b->objectName() == name) return b;
    return nullptr;
}

// Opened again while the marks are on, the card shows them: the tick beside "Marks" must
// not promise marks that are not drawn. A panel that was hidden comes back to its place.
void CardPanel::open() {
    DrawTopHoles();
    DrawCard();
    if (show_inaccessible_) {
        DrawInaccessible();
        Show(working_);
    }
    DrawKeyNumber(card_.KeyNumber);
    check_box3_->setChecked(show_inaccessible_);
    UpdateButtons();
    if (panel_->isHidden()) panel_->move(kPanelPlace);
    panel_->show();
}

void CardPanel::cardReplaced() {
    DrawTopHoles();
    DrawCard();
    if (show_inaccessible_) DrawInaccessible();
    Show(working_);
    DrawKeyNumber(card_.KeyNumber);
    UpdateButtons();
}

void CardPanel::TrackPointer(int x, int y) {
    QImage screen = working_;
    {
        QPainter painter(&screen);
        painter.setPen(QColor::fromRgb(kLineGreen));
        painter.drawLine(x, 0, x, kCardHeight);
        painter.setPen(QColor::fromRgb(kLineRed));
        painter.drawLine(0, y, kCardWidth, y);
    }
    const CardCell cell = CardCellAt(x, y);
    const int sprite = !cell.OnGrid() || !CellFree(card_, cell) ? kBlocked : kPointer;
    // The pointer sprite of a punched cell is the cross too: its row is taken.
    CopyAll(screen, CellLeft(cell.column), CellTop(cell.row), Sprites::Numbered(sprite));
    if (cell.OnGrid()) {
        const PointerLabel label = PointerLabelAt(x, y);
        QPainter painter(&screen);
        painter.setFont(QFont(QStringLiteral("Arial"), 10));
        painter.setPen(Qt::black);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(QColor::fromRgb(brush_));
        const QString text = QString::fromStdString(label.text);
        const QRect box = painter.fontMetrics().boundingRect(text);
        painter.drawText(QRect(label.x, label.y, box.width() + 2, box.height()),
                         Qt::AlignLeft | Qt::AlignTop, text);
    }
    Show(screen);
    DrawKeyNumber(card_.KeyNumber);
}

void CardPanel::Release(int x, int y) {
    const CardCell cell = CardCellAt(x, y);
    const PunchResult result = session_.PunchCell(cell, dayOfMonth ? dayOfMonth() : 0);
    if (result == PunchResult::Removed) {
        DrawCell(cell.row, cell.column, kBlank);
        if (show_inaccessible_) {
            for (int i = 1; i <= 30; ++i) {
                DrawCell(i, cell.column, kBlank);
                DrawCell(cell.row, i, kBlank);
            }
            DrawInaccessible();
        }
    } else if (result == PunchResult::Punched) {
        DrawCell(cell.row, cell.column, kHole);
        if (show_inaccessible_) DrawInaccessible();
    }
    UpdateButtons();
    // The hole shows at once; the pointer's marks come back with its next movement.
    Show(working_);
    DrawKeyNumber(card_.KeyNumber);
}

void CardPanel::DrawTopHoles() {
    for (int i = 0; i <= 31; ++i) CopyAll(working_, 8 * i, 32, Sprites::Numbered(kHole));
    Show(working_);
}

void CardPanel::DrawCard() {
    const QImage& plain = Sprites::Numbered(kCard);
    CopyRect(working_, 0, 40, plain, QRect(0, 0, kCardWidth, kCardHeight - 40));
    for (int r = 1; r <= 30; ++r)
        if (card_.CardForward(r) > 0) DrawCell(r, card_.CardForward(r), kHole);
    brush_ = kPaperYellow;
    Show(working_);
}

void CardPanel::DrawInaccessible() {
    const CellMarks marks = InaccessibleCells(card_);
    for (int r = 1; r <= 30; ++r)
        for (int c = 1; c <= 30; ++c)
            if (marks[r][c]) DrawCell(r, c, kMark);
}

void CardPanel::DrawKeyNumber(int n) {
    const QImage& digits = Sprites::Numbered(15);
    n = ((n % 100) + 100) % 100;
    CopyRect(ks_->image(), 30, 7, digits, QRect(13 * (n / 10), 0, 13, 16));
    CopyRect(ks_->image(), 43, 7, digits, QRect(13 * (n % 10), 0, 13, 16));
    ks_->update();
}

void CardPanel::ClearPunchCard() {
    session_.ClearCard();
    DrawTopHoles();
    DrawCard();
    DrawKeyNumber(0);
    UpdateButtons();
}

void CardPanel::InsertTriangle() {
    session_.DiagonalCard();
    DrawTopHoles();
    DrawCard();
    DrawKeyNumber(0);
    UpdateButtons();
}

void CardPanel::ToggleInaccessible() {
    show_inaccessible_ = !show_inaccessible_;
    check_box3_->setChecked(show_inaccessible_);
    if (show_inaccessible_) {
        DrawInaccessible();
        Show(working_);
    } else {
        DrawCard();
    }
    DrawKeyNumber(card_.KeyNumber);
}

// "apply punch card" leaves the panel only with a complete card.
void CardPanel::UpdateButtons() {
    buttons_[3]->setEnabled(card_.CardComplete());
}

void CardPanel::DrawCell(int row, int column, int sprite) {
    CopyAll(working_, CellLeft(column), CellTop(row), Sprites::Numbered(sprite));
}

void CardPanel::Show(const QImage& screen) {
    CopyAll(ks_->image(), 0, 0, screen);
    ks_->update();
}

}  // namespace q417
