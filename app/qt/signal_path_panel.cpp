#include "app/qt/signal_path_panel.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include "io/cp1251.h"
#include "io/printer.h"
#include "io/qt/panel_glyphs.h"

namespace q417 {

namespace {

// Contact columns: 0 between the reflector and slot 1, s between slots s and s + 1, 10
// between slot 10 and the entry plate, 11 between entry plate and card, 12 between card and
// keyboard map, 13 the keys. A stage lies between two columns.
constexpr int kLeft = 64;        // column 0
constexpr int kGap = 41;         // from one column to the next
constexpr int kTop = 86;         // contact 1
constexpr int kPitch = 7;        // from one contact to the next
constexpr int kReflectorX = 42;  // where the reflector turns the current back
constexpr int kLoopY = 296;      // the loop-back wires run below the contacts
constexpr int kFrameMs = 16;
constexpr int kKeyColumn = 13, kKeyMapColumn = 12, kCardColumn = 11, kEntryColumn = 10;

const QColor kForward(200, 20, 20);
const QColor kBackward(20, 70, 210);
const QColor kLoop(0, 130, 40);
const QColor kPanel(192, 192, 192);

// A value as the user reads it: 1 = А .. 30 = Й.
QString Letter(int value) {
    static const char16_t kLetters[] = u"АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ";
    return value >= 1 && value <= 30 ? QString(QChar(kLetters[value - 1])) : QStringLiteral("-");
}

QFont PixelFont(const QFont& base, int pixels, bool bold = false) {
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The middle of the stage between column `column` and the one to its right.
int StageMiddle(int column) {
    return kLeft + column * kGap + kGap / 2;
}

// Draws the path as lines from column to column, one colour per leg.
class PathPen {
public:
    PathPen(QPainter& p, const KeyPressTrace& t) : p_(p), t_(t) {}

    void Draw() {
        const auto& pts = t_.points;
        column_ = kKeyColumn;
        row_ = pts.front().contact;
        Dot(kForward);
        for (size_t i = 1; i < pts.size(); ++i) {
            const TracePoint& pt = pts[i];
            if (pt.contact == 0) return Lost();
            switch (pt.stage) {
                case TraceStage::KeyMap:
                    Line(pt, kKeyColumn, kKeyMapColumn);
                    break;
                case TraceStage::Card:
                    Line(pt, kKeyMapColumn, kCardColumn);
                    break;
                case TraceStage::Entry:
                    Line(pt, kCardColumn, kEntryColumn);
                    break;
                case TraceStage::RotorForward:
                    Line(pt, pt.slot, pt.slot - 1);
                    break;
                case TraceStage::Reflector:
                    Reflect(pt);
                    break;
                case TraceStage::LoopForward:
                    Loop(kKeyMapColumn, pt);
                    break;
                case TraceStage::RotorBackward:
                    Line(pt, pt.slot - 1, pt.slot);
                    break;
                case TraceStage::EntryBack:
                    Line(pt, kEntryColumn, kCardColumn);
                    break;
                case TraceStage::CardBack:
                    Line(pt, kCardColumn, kKeyMapColumn);
                    break;
                case TraceStage::LoopBackward:
                    Loop(0, pt);
                    break;
                case TraceStage::Exit:
                    Line(pt, kKeyMapColumn, kKeyColumn);
                    Dot(kBackward);
                    break;
                case TraceStage::Key:
                case TraceStage::Lost:
                    return Lost();
            }
        }
    }

private:
    static bool Forward(TraceStage s) {
        return s == TraceStage::KeyMap || s == TraceStage::Card || s == TraceStage::Entry ||
               s == TraceStage::RotorForward || s == TraceStage::Reflector;
    }

    // Red toward the reflector, blue back; the passes that end in the loop-back wiring are
    // drawn fainter than the pass that gets through. Where the way back runs along the way
    // there (a contact the reflector leaves where it is), the wider red line shows on both
    // sides of the blue one.
    QPen LegPen(bool forward, int pass) const {
        QColor colour = forward ? kForward : kBackward;
        const bool through = pass == (forward ? t_.forward_passes : t_.backward_passes);
        if (!through) colour.setAlpha(110);
        return QPen(colour, forward ? 2.6 : 1.4);
    }

    QPoint Here() const { return SignalPathPanel::contactPoint(column_, row_); }

    // From the current contact to the point's contact in column `end`; a gap in the columns
    // (the empty slots 9 and 10 of the eight-rotor model) is bridged straight across.
    void Line(const TracePoint& pt, int start, int end) {
        p_.setPen(LegPen(Forward(pt.stage), pt.pass));
        if (column_ != start) {
            p_.drawLine(Here(), SignalPathPanel::contactPoint(start, row_));
            column_ = start;
        }
        const QPoint from = Here();
        column_ = end;
        row_ = pt.contact;
        p_.drawLine(from, Here());
    }

    void Reflect(const TracePoint& pt) {
        const QPoint in = Here(), turn(kReflectorX, in.y());
        row_ = pt.contact;
        const QPoint out = Here(), back(kReflectorX, out.y());
        p_.setPen(LegPen(true, pt.pass));
        p_.drawLine(in, turn);
        p_.drawLine(turn, back);
        p_.setPen(LegPen(false, 1));
        p_.drawLine(back, out);
    }

    // The loop-back wiring: down beside the current column, along below the contacts, and up
    // beside column `end` to the point's contact, where the next pass starts (its number
    // beside it). The wire keeps to the outside of the columns to stay visible.
    void Loop(int end, const TracePoint& pt) {
        const int y = kLoopY + 4 * ((pt.pass - 1) % 5);
        const QPoint from = Here();
        const int side_from = column_ == 0 ? -8 : 8;
        column_ = end;
        row_ = pt.contact;
        const QPoint to = Here();
        const int side_to = end == 0 ? -8 : 8;
        p_.setPen(QPen(kLoop, 1.4, Qt::DashLine));
        p_.drawPolyline(
            QPolygon({from, QPoint(from.x() + side_from, from.y()), QPoint(from.x() + side_from, y),
                      QPoint(to.x() + side_to, y), QPoint(to.x() + side_to, to.y()), to}));
        const QRect label(to.x() + (end == 0 ? -21 : 10), to.y() - 5, 11, 10);
        p_.fillRect(label, QColor(255, 255, 255, 200));
        p_.setPen(kLoop);
        p_.setFont(PixelFont(p_.font(), 9, true));
        p_.drawText(label, Qt::AlignCenter, QString::number(pt.pass + 1));
    }

    void Dot(const QColor& colour) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawEllipse(Here(), 4, 4);
        p_.setBrush(Qt::NoBrush);
    }

    void Lost() {
        const QPoint c = Here();
        p_.setPen(QPen(Qt::black, 2));
        p_.drawLine(c + QPoint(-4, -4), c + QPoint(4, 4));
        p_.drawLine(c + QPoint(-4, 4), c + QPoint(4, -4));
    }

    QPainter& p_;
    const KeyPressTrace& t_;
    int column_ = kKeyColumn;
    Contact row_ = 0;
};

}  // namespace

SignalPathPanel::SignalPathPanel(QWidget* parent, const MachineSession& session)
    : QWidget(parent), session_(session), printer_(session.printer()) {
    setObjectName(QStringLiteral("PathPanel"));
    setGeometry(7, 6, kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    auto* heading = new QLabel(QStringLiteral("Signal path"), this);
    heading->setFont(PixelFont(font(), 16, true));
    heading->move(8, 3);
    heading->adjustSize();
    caption_ = new QLabel(
        QStringLiteral("Press a key: its path through the machine is drawn here."), this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setFont(PixelFont(font(), 12, true));
    caption_->setGeometry(120, 4, 420, 18);

    step_ = new QToolButton(this);
    step_->setObjectName(QStringLiteral("step"));
    step_->setText(QStringLiteral("step"));
    step_->setToolTip(QStringLiteral("feed the next character of the loaded text (F3)"));
    step_->setFocusPolicy(Qt::NoFocus);
    step_->setGeometry(550, 3, 56, 20);
    connect(step_, &QToolButton::clicked, this, [this] {
        if (onStep) onStep();
    });
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setGeometry(617, 5, 16, 16);
    close_->setIcon(PanelGlyph(Glyph::Close));
    close_->setIconSize(QSize(12, 12));
    connect(close_, &QToolButton::clicked, this, [this] { closePanel(); });
    DrawBackground();
    picture_ = background_;
    hide();
}

QPoint SignalPathPanel::contactPoint(int column, int c) {
    return {kLeft + column * kGap, kTop + (c - 1) * kPitch};
}

void SignalPathPanel::open() {
    stale_ = true;
    show();
    raise();
}

void SignalPathPanel::closePanel() {
    hide();
}

void SignalPathPanel::toggle() {
    if (isVisible())
        closePanel();
    else
        open();
}

// The picture is drawn at most once per frame: a fast run traces every key press but shows
// the last. Until then the last picture stands.
void SignalPathPanel::KeyPressDone() {
    stale_ = true;
    if (isVisible()) RedrawSoon();
}

void SignalPathPanel::RedrawSoon() {
    if (since_drawn_.isValid() && since_drawn_.elapsed() < kFrameMs) {
        if (update_due_) return;
        update_due_ = true;
        QTimer::singleShot(kFrameMs, this, [this] {
            update_due_ = false;
            update();
        });
        return;
    }
    update();
}

QString SignalPathPanel::CharName(unsigned char c) const {
    if (c == ' ') return QStringLiteral("space");
    const char32_t u = Cp1251ToUnicode(c);
    return u == 0 ? QStringLiteral("?") : QString::fromUcs4(&u, 1);
}

QString SignalPathPanel::caption() const {
    const KeyPressTrace* last = session_.LastKeyPressTrace();
    if (!last) return caption_->text();
    const KeyPressTrace& t = *last;
    QString text = QStringLiteral("key %1 (%2)")
                       .arg(CharName(printer_.EchoChar(t.input, t.machine)))
                       .arg(t.input);
    if (!t.printed)
        text += QStringLiteral(" → %1: register shift, nothing printed").arg(t.output);
    else if (t.output == 0)
        text += QStringLiteral(" → no signal (0), prints %1")
                    .arg(CharName(printer_.OutputChar(0, t.machine)));
    else
        text += QStringLiteral(" → prints %1 (%2)")
                    .arg(CharName(printer_.OutputChar(t.output, t.machine)))
                    .arg(t.output);
    if (t.forward_passes > 1 || t.backward_passes > 1)
        text += QStringLiteral(", loops %1/%2").arg(t.forward_passes).arg(t.backward_passes);
    if (t.points.empty()) text += QStringLiteral(", not through the rotors");
    return text;
}

// The columns, contacts, stage names and contact numbers: drawn once.
void SignalPathPanel::DrawBackground() {
    background_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
    background_.fill(kPanel);
    QPainter p(&background_);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int top = kTop - 6, bottom = kTop + 29 * kPitch + 6;
    p.fillRect(QRect(kReflectorX - 10, top, kLeft - kReflectorX + 4, bottom - top),
               QColor(150, 150, 150));
    for (int s = 0; s < 13; ++s) {
        const QColor unit = s < 10 ? QColor(230, 222, 200) : QColor(214, 214, 214);
        p.fillRect(QRect(kLeft + s * kGap + 5, top, kGap - 10, bottom - top), unit);
    }
    p.setFont(PixelFont(font(), 9));
    p.setPen(QColor(90, 90, 90));
    for (int c = 1; c <= 30; ++c) {
        const int y = contactPoint(0, c).y();
        if (c == 1 || c % 5 == 0) {
            p.drawText(QRect(2, y - 6, 26, 12), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(c));
            p.drawText(QRect(kLeft + kKeyColumn * kGap + 8, y - 6, 26, 12),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::number(c));
        }
        for (int col = 0; col <= kKeyColumn; ++col)
            p.fillRect(QRect(contactPoint(col, c) - QPoint(1, 1), QSize(3, 3)), QColor(70, 70, 70));
    }
    p.setFont(PixelFont(font(), 10, true));
    p.setPen(Qt::black);
    const QString names[4] = {QStringLiteral("entry"), QStringLiteral("card"),
                              QStringLiteral("keys"), QStringLiteral("key")};
    for (int i = 0; i < 3; ++i)
        p.drawText(QRect(StageMiddle(10 + i) - 20, 28, 40, 12), Qt::AlignCenter, names[i]);
    p.drawText(QRect(kLeft + kKeyColumn * kGap - 20, 70, 40, 12), Qt::AlignCenter, names[3]);
    // The legend, under the names of the entry plate, card and keyboard map.
    const struct {
        QColor colour;
        Qt::PenStyle style;
        const char* text;
    } legend[3] = {{kForward, Qt::SolidLine, "to the reflector"},
                   {kBackward, Qt::SolidLine, "back"},
                   {kLoop, Qt::DashLine, "loop-back wiring"}};
    p.setFont(PixelFont(font(), 9));
    for (int i = 0; i < 3; ++i) {
        const int y = 46 + 10 * i, x = StageMiddle(10) - 18;
        p.setPen(QPen(legend[i].colour, 2, legend[i].style));
        p.drawLine(x, y, x + 14, y);
        p.setPen(Qt::black);
        p.drawText(QPoint(x + 18, y + 4), QString::fromLatin1(legend[i].text));
    }
    p.setFont(PixelFont(font(), 10, true));
    p.save();
    p.translate(kReflectorX - 4, (top + bottom) / 2);
    p.rotate(-90);
    p.setPen(Qt::white);
    p.drawText(QRect(-50, -7, 100, 14), Qt::AlignCenter, QStringLiteral("reflector"));
    p.restore();
    p.setFont(PixelFont(font(), 9));
    p.setPen(QColor(70, 70, 70));
    const QString rows[5] = {QStringLiteral("slot"), QStringLiteral("body"), QStringLiteral("core"),
                             QStringLiteral("side"), QStringLiteral("pos")};
    for (int i = 0; i < 5; ++i)
        p.drawText(QRect(4, 27 + 10 * i, 50, 11), Qt::AlignLeft | Qt::AlignVCenter, rows[i]);
}

// Each rotor column: slot, body and core (as the letters А..К), side (1 in, 2 turned over),
// and the position at the key press with the one after its step.
void SignalPathPanel::DrawHeadings(QPainter& p) const {
    const int in_use = has_trace_ ? trace.rotors_in_use : 10;
    for (int s = 1; s <= 10; ++s) {
        const QRect cell(StageMiddle(s - 1) - 20, 27, 40, 11);
        p.setPen(Qt::black);
        p.setFont(PixelFont(font(), 10, true));
        p.drawText(cell, Qt::AlignCenter, QString::number(s));
        if (s > in_use) {
            p.setFont(PixelFont(font(), 9));
            p.drawText(cell.translated(0, 20), Qt::AlignCenter, QStringLiteral("empty"));
            continue;
        }
        if (!has_trace_) continue;
        const RotorState& r = trace.rotors[s];
        p.setFont(PixelFont(font(), 10));
        p.drawText(cell.translated(0, 10), Qt::AlignCenter, Letter(r.RotorNumber));
        p.drawText(cell.translated(0, 20), Qt::AlignCenter, Letter(r.CoreNumber));
        p.drawText(cell.translated(0, 30), Qt::AlignCenter, QString::number(r.CoreSide));
        p.setPen(QColor(150, 0, 0));
        p.setFont(PixelFont(font(), 10, true));
        p.drawText(cell.translated(0, 40), Qt::AlignCenter,
                   Letter(r.Position) + QStringLiteral("›") + Letter(trace.positions_after[s]));
    }
}

void SignalPathPanel::DrawPath(QPainter& p) const {
    if (!has_trace_ || trace.points.empty()) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    PathPen(p, trace).Draw();
}

// Widgets below the panel (the rotors) are redrawn on every key press, and the panel over
// them with them: it copies its finished picture and draws a new one only once per frame.
void SignalPathPanel::paintEvent(QPaintEvent* event) {
    if (stale_ && (!since_drawn_.isValid() || since_drawn_.elapsed() >= kFrameMs)) {
        DrawPicture();
        stale_ = false;
        since_drawn_.start();
    } else if (stale_) {
        RedrawSoon();
    }
    QPainter p(this);
    p.drawImage(event->rect(), picture_, event->rect());
}

void SignalPathPanel::DrawPicture() {
    const KeyPressTrace* last = session_.LastKeyPressTrace();
    has_trace_ = last != nullptr;
    if (last) trace = *last;
    caption_->setText(caption());
    picture_ = background_.copy();
    QPainter p(&picture_);
    DrawHeadings(p);
    if (has_trace_ && trace.rotors_in_use < 10)
        p.fillRect(QRect(kLeft + trace.rotors_in_use * kGap + 5, kTop - 6,
                         (10 - trace.rotors_in_use) * kGap - 10, 29 * kPitch + 12),
                   QColor(160, 160, 160));
    DrawPath(p);
}

}  // namespace q417
