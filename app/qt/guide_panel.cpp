#include "app/qt/guide_panel.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>

#include "app/machine_session.h"
#include "app/qt/font_record_qt.h"
#include "app/qt/hints.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/view_host.h"
#include "app/qt/window_outline.h"
#include "io/qt/panel_glyphs.h"
#include "key/key_table.h"
#include "key/qt/key_pictures.h"

namespace q417 {

namespace {

constexpr QRect kPlace(7, 6, 637, 295);  // over the printer and the rotors, as the text panel
constexpr QRect kPictureArea(8, 30, 290, 258);
constexpr QRect kTextArea(306, 30, 323, 258);
const QColor kSilver(192, 192, 192);

QLabel* TextLabel(QWidget* parent, const QRect& place, int pixels, bool bold) {
    auto* label = new QLabel(parent);
    QFont font(fallbackFace());
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(place);
    return label;
}

QToolButton* Button(QWidget* parent, const QString& name, const QRect& place) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

namespace {

// The pages keep their English source text: one list serves every language, and each page is
// translated as it is shown.
QString T(const char* text) {
    return QString::fromUtf8(text);
}

QString Translated(const QString& source) {
    return QCoreApplication::translate("Guide", source.toUtf8().constData());
}

}  // namespace

const std::vector<GuidePanel::Page>& GuidePanel::pages() {
    static const std::vector<Page> kPages = {
        {T(QT_TRANSLATE_NOOP("Guide", "Your first message: enciphering")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>Give the machine a key of your own. Click the dark window band across a rotor"
             " to open the machine, then <b>random key</b> and <b>save key</b> in the box "
             "below it; the key file holds the punch card and the key table. Loading or making"
             " a key puts each rotor at its body number. A click near the top of the stack "
             "closes the machine.</p><p>Turn the rotors to starting positions of your choice "
             "(the mouse wheel, or a click above or below a rotor's window). The starting "
             "positions are the letters at the arrows of the rotors' windows, slot 1 on the "
             "left: write them down.</p><p>Move the work lever to <b>ЗШ</b> and type the "
             "message, or load it as a text and press <b>ПУСК</b>. The paper tape and the text"
             " panel show the enciphered text; the text panel saves it.</p>")),
         {QRect(115, 112, 200, 110), QRect(548, 97, 80, 202)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "Your first message: deciphering")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>Send your friend the key file, the starting positions, the enciphered text "
             "and your settings: the model, the rotor series, the keyboard and print wheel, "
             "the module and the alphabet plug. On the Q417-3MN and Q417-3MR keep the register"
             " switch on <b>БУКВ</b> (letters) at both ends: the other registers print "
             "figures, and the letters they replace do not come back.</p><p>To read it, on a "
             "second start with the same settings: open the machine, <b>load key</b>, close "
             "the machine, turn the rotors to the starting positions, move the work lever to "
             "<b>РШ</b> and type the enciphered text, or load it in the text panel and press "
             "<b>ПУСК</b>. The plain text comes back with its spaces.</p>")),
         {QRect(548, 97, 91, 202), QRect(366, 0, 84, 23)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "Refused keys and missing letters")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>While enciphering the key <b>Й</b> is refused, because the space is "
             "enciphered on its contact; a Й in a loaded text comes back as a space. While "
             "deciphering the space bar is refused, and the spaces of a loaded text are passed"
             " over. With the ten-key alphabet only the ten blue figure keys work.</p><p>A "
             "loaded text is read with the keyboard chosen on the settings panel, and a "
             "character it lacks is passed over. <b>German</b> has no Q, W, X or Y and no 0 or"
             " 1, and its J stands on the Й key: HELLO WORLD comes back as HELLO ORLD. "
             "<b>Polish</b> and <b>Czech</b> have every Latin letter but only the figures 2, "
             "5, 7 and 8, and 2 stands on the Й key. <b>Russian</b> has no Latin letters and "
             "no figures. No layout has Ё, Ъ or Э.</p>")),
         {QRect(57, 318, 290, 145)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "The key table")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>The paper strip in the box of the open machine is the key table, one column "
             "for each rotor slot, slot 1 on the left. Its five rows, named on the strip: the "
             "<b>body</b> (А to К: which of the ten bodies, with its stepping pins), the "
             "<b>ring setting</b> of the alphabet ring on it (А to Й), the <b>core</b> (А to "
             "К: which of the ten wiring cores), its <b>side</b> (1 put in normally, 2 turned "
             "over) and the <b>core setting</b> in the body (А to Й).</p><p>A body or a core "
             "can stand in one slot only; the ten-rotor models do not close on a table that "
             "breaks this. A key file holds the table and the punch card, not the rotors' "
             "positions: that is why the starting positions are sent with it.</p>")),
         {},
         1,
         true},
        {T(QT_TRANSLATE_NOOP("Guide", "Typing")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>Type on the computer keyboard, or click the keys of the picture. The keys act "
             "by their place on the keyboard, whatever layout your desktop uses; the machine's "
             "own layout (German, Polish, Czech or Russian) is chosen on the settings panel.</p>"
             "<p>Every key press runs through the key card, the rotors and the reflector and "
             "back. The result is printed on the paper tape at the top, the rotors step, and the "
             "counter at the bottom left counts the letters in groups of five (the brown lever "
             "under it sets it back to zero). The text panel keeps what you typed and what the "
             "machine printed.</p>")),
         {QRect(57, 318, 236, 145)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "Mode wheel and levers")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>The long lever on the mode wheel, right of the rotors, sets the kind of work: "
             "<b>ОТ</b> plain typing, <b>ЗШ</b> encipher, <b>РШ</b> decipher. Each click moves "
             "it one place on. The small red lever beside it prints only (down) or also punches "
             "the five-track tape (up, <b>ПЕРФ</b>).</p>"
             "<p>On the Q417-3MN and Q417-3MR the register switch on the top rail prints letters "
             "(<b>БУКВ</b>), mixed (<b>СМЕШ</b>) or figures (<b>ЦИФР</b>); the Q-417M has the "
             "language lever at the top right instead (<b>LAT</b> or <b>РУС</b>).</p>"
             "<p>The switch left of the reflector (<b>МОДУЛЬ</b>) changes between the thirty "
             "letters and the ten-key figures alphabet: point at it, then click its middle.</p>")),
         {QRect(548, 97, 91, 202), QRect(366, 0, 84, 23), QRect(0, 108, 37, 191)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "Opening the machine and setting a key")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>The mouse wheel turns the rotor under the pointer; a click on the upper or "
             "lower part of a rotor turns it by hand. A click on the dark window band across a "
             "rotor, the entry plate or the reflector opens the machine.</p>"
             "<p>In the open machine a click on a rotor takes the rightmost one out. To build a "
             "rotor, click a body in the box below, then a core in the tray. On the face view "
             "the outer letters set the ring, the core's ring sets the core, the area inside it "
             "turns the core over and the centre gives the rotor up. Click the empty place in "
             "the stack to put the rotor in.</p>"
             "<p>The box also loads, saves and generates keys, sets the basic key and opens the "
             "punch card: one hole in every row and column (drag the card by its title to move "
             "it aside). A click near the top of the stack closes the machine.</p>")),
         {QRect(37, 97, 178, 202)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "Loading and running a text")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>Open the text panel with the third button of the control box and load a "
             ".txt file, or click the yellow button of the text loader beside the space bar.</p>"
             "<p>The green key <b>ПУСК</b> (start) then types the loaded text into the machine "
             "until the text ends, the red key <b>СТОП</b> (stop) is pressed or an asterisk (*) "
             "in the text is reached; <b>ПУСК</b> again goes on. The ribbed strip under the "
             "loader moves the highlight one character on (left half) or back (right half) "
             "without typing. Without a loaded text <b>ПУСК</b> types one letter over and over "
             "until <b>СТОП</b>. F3 types the loaded text one character per press.</p>"
             "<p>The text panel saves the output text, chooses the font and clears both "
             "texts.</p>")),
         {QRect(425, 462, 225, 87), QRect(566, 356, 47, 108)},
         1},
        {T(QT_TRANSLATE_NOOP("Guide", "The control box")),
         T(QT_TRANSLATE_NOOP(
             "Guide",
             "<p>The three buttons at the top right of the machine, and a small key:</p>"
             "<p><b>Red</b>: close the program. Only this way are the settings kept.<br>"
             "<b>Blue</b>: the settings panel: model, rotor series, keyboard, print wheel, "
             "sound, divider, module and the alphabet plug; its about button shows the version "
             "and opens this guide.<br>"
             "<b>Sheet</b>: the text panel.<br>"
             "<b>Path key</b> (right of the sheet, or F2): the signal-path panel, the way the "
             "current took through the machine at the last key press.</p>"
             "<p>Point at a button or a lever to see what it does; F1 opens this guide at any "
             "time. Drag the cabinet where nothing reacts to the mouse to move the window.</p>")),
         {QRect(591, 0, 59, 81)},
         2},
    };
    return kPages;
}

GuidePanel::GuidePanel(ViewHost& host)
    : QWidget(&host.hostWidget()), host_(host), window_(host.hostWidget()) {
    setObjectName(QStringLiteral("GuidePanel"));
    setGeometry(kPlace);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* title = TextLabel(this, QRect(8, 4, 200, 20), 16, true);
    title->setText(QCoreApplication::translate("Guide", "Guide"));
    QPalette red = title->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    title->setPalette(red);
    // The page's heading after the title, however long the title runs in the window's language.
    const int heading_left =
        std::max(80, 8 + title->fontMetrics().horizontalAdvance(title->text()) + 10);
    heading_ = TextLabel(this, QRect(heading_left, 6, 500 - heading_left, 18), 13, true);
    picture_ = new QLabel(this);
    picture_->setGeometry(kPictureArea);
    picture_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text_ = TextLabel(this, kTextArea, 12, false);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextFormat(Qt::RichText);
    count_ = TextLabel(this, QRect(510, 6, 50, 16), 11, false);
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    back_ = Button(this, QStringLiteral("back"), QRect(566, 4, 20, 18));
    back_->setArrowType(Qt::LeftArrow);
    back_->setToolTip(QCoreApplication::translate("Guide", "Previous page"));
    next_ = Button(this, QStringLiteral("next"), QRect(588, 4, 20, 18));
    next_->setArrowType(Qt::RightArrow);
    next_->setToolTip(QCoreApplication::translate("Guide", "Next page"));
    auto* close = Button(this, QStringLiteral("close"), QRect(617, 5, 16, 16));
    close->setIcon(PanelGlyph(Glyph::Close));
    close->setIconSize(QSize(12, 12));
    connect(back_, &QToolButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QToolButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        window_.setFocus();
    });
    hide();
}

void GuidePanel::openIn(QWidget* anyWidget) {
    if (!anyWidget) return;
    if (auto* guide = anyWidget->window()->findChild<GuideHints*>()) guide->open();
}

void GuidePanel::open(int page) {
    showPage(page);
    show();
    raise();
}

void GuidePanel::showPage(int page) {
    const std::vector<Page>& all = pages();
    page_ = std::clamp(page, 0, int(all.size()) - 1);
    const Page& p = all[page_];
    heading_->setText(Translated(p.heading));
    text_->setText(Translated(p.text));
    count_->setText(QStringLiteral("%1 / %2").arg(page_ + 1).arg(all.size()));
    back_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < int(all.size()));

    if (p.key_table) {
        picture_->setPixmap(QPixmap::fromImage(keyTableStrip()));
        return;
    }
    // The cuts side by side, top-aligned, on the panel's silver.
    int width = 0, height = 0;
    for (const QRect& r : p.cuts) {
        width += r.width() * p.scale + (width ? 8 : 0);
        height = std::max(height, r.height() * p.scale);
    }
    QImage sheet(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    sheet.fill(kSilver);
    QPainter painter(&sheet);
    int x = 0;
    for (const QRect& r : p.cuts) {
        painter.drawImage(QRect(x, 0, r.width() * p.scale, r.height() * p.scale), machineCut(r));
        x += r.width() * p.scale + 8;
    }
    painter.end();
    picture_->setPixmap(QPixmap::fromImage(sheet));
}

QImage GuidePanel::keyTableStrip() const {
    KeyTable table;
    const Machine& m = host_.session().machine();
    KeyTableFromRotors(m.rotors, table);
    const int columns = m.rotors.RotorsInUse();
    QImage strip(225, 130, QImage::Format_RGB32);
    DrawKeyTable(strip, table, columns);
    DrawKeyTableLabels(strip);
    return strip;
}

QImage GuidePanel::machineCut(const QRect& r) const {
    QImage cut(r.size(), QImage::Format_RGB32);
    cut.fill(kSilver);
    QPainter p(&cut);
    const QImage& cabinet = Sprites::Get(QStringLiteral("cabinet"));
    p.drawImage(QPoint(0, 0), cabinet, r);
    // Direct children in creation order, which is the order they are stacked in.
    for (const PictureElement* e :
         window_.findChildren<PictureElement*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (e->isHidden() || !e->geometry().intersects(r)) continue;
        p.drawImage(e->geometry().translated(-r.topLeft()), e->image(),
                    QRect(QPoint(0, 0), e->size()));
    }
    return cut;
}

GuideHints::GuideHints(ViewHost& host)
    : QObject(&host.hostWidget()), host_(host), window_(host.hostWidget()) {
    setObjectName(QStringLiteral("GuideHints"));
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window_);
    connect(f1, &QShortcut::activated, this, [this] { open(); });
    // A picture element has no hint of its own, so its hint request goes on to the window,
    // which also reaches the work table's pictures, made only when the machine is opened.
    window_.installEventFilter(this);
}

GuidePanel& GuideHints::panel() {
    if (!panel_) {
        panel_ = new GuidePanel(host_);
        ClipChildrenToOutline(window_);
    }
    return *panel_;
}

bool GuideHints::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    auto* help = static_cast<QHelpEvent*>(event);
    QWidget* under = window_.childAt(help->pos());
    auto* element = qobject_cast<PictureElement*>(under);
    QString hint;
    if (element) {
        const QPoint at = element->mapFrom(&window_, help->pos());
        hint = HintAt(element->hintSpot(), at.x(), at.y(), MachineClosed());
    }
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), hint, element);
    return true;
}

bool GuideHints::MachineClosed() const {
    return host_.session().state().MachineClosed;
}

}  // namespace q417
