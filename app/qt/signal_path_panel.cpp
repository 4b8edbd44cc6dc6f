#include "app/qt/signal_path_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

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
constexpr int kTop = 104;        // contact 1
constexpr int kPitch = 6;        // from one contact to the next
constexpr int kReflectorX = 42;  // where the reflector turns the current back
constexpr int kRowsTop = 26;     // the rotors' headings, one row of 10 pixels each
constexpr int kRowHeight = 10;
constexpr int kHeadingRows = 7;  // slot, body, ring, core, side, core setting, position
// The loop-back wires run below the contacts, each pass on a rail of its own.
constexpr int kLoopTop = kTop + 29 * kPitch + 10;
constexpr int kLoopBottom = SignalPathPanel::kHeight - 2;  // the panel ends above the keys
constexpr int kFrameMs = 16;
constexpr int kKeyColumn = 13, kKeyMapColumn = 12, kCardColumn = 11, kEntryColumn = 10;

const QColor kForward(200, 20, 20);
const QColor kBackward(20, 70, 210);
const QColor kLoop(0, 130, 40);
const QColor kPanel(192, 192, 192);

// A value as the user reads it: 1 = А .. 30 = Й. The letters are set in a serif italic, apart
// from the upright sans-serif digits and Latin words of the panel, so that З never reads as 3
// nor А, В as A, B.
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

QFont LetterFont(int pixels) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(true);
    return f;
}

QString Tr(const char* text) {
    return QCoreApplication::translate("SignalPath", text);
}

bool Cyrillic(QChar c) {
    return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF;
}

// The caption as rich text, its Cyrillic letters in the letters' own face.
QString StyledCaption(const QString& plain) {
    QString html;
    for (QChar c : plain) {
        const QString one = QString(c).toHtmlEscaped();
        html += Cyrillic(c) ? QStringLiteral(
                                  "<span style=\"font-family:'DejaVu Serif'; "
                                  "font-style:italic\">%1</span>")
                                  .arg(one)
                            : one;
    }
    return html;
}

// The middle of the stage between column `column` and the one to its right.
int StageMiddle(int column) {
    return kLeft + column * kGap + kGap / 2;
}

// Draws the path as lines from column to column, one colour per leg.
class PathPen {
public:
    PathPen(QPainter& p, const KeyPressTrace& t) : p_(p), t_(t) {
        const int loops = t.forward_passes + t.backward_passes - 2;
        rail_step_ = loops > 0 ? std::min(4.0, double(kLoopBottom - kLoopTop) / loops) : 4.0;
    }

    void Draw() {
        const auto& pts = t_.points;
        column_ = kKeyColumn;
        row_ = pts.front().contact;
        Dot(kForward);
        Number(true, 1);
        DrawLegs();
        for (const Label& l : labels_) DrawNumber(l);
    }

private:
    // Every contact the current stands on, written beside the point where it crosses a
    // column, in the colour of its leg; drawn last so that no line covers a number.
    struct Label {
        QPoint at;
        Contact contact;
        QColor colour;
        bool above;
    };

    void DrawLegs() {
        const auto& pts = t_.points;
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
            const bool loop =
                pt.stage == TraceStage::LoopForward || pt.stage == TraceStage::LoopBackward;
            const bool toward = pt.stage == TraceStage::LoopForward ||
                                (Forward(pt.stage) && pt.stage != TraceStage::Reflector);
            Number(toward, loop ? pt.pass + 1 : pt.pass);
        }
    }

    void Number(bool forward, int pass) {
        QColor colour = forward ? kForward : kBackward;
        const bool through = pass == (forward ? t_.forward_passes : t_.backward_passes);
        if (!through) colour = colour.lighter(130);
        labels_.push_back({Here(), row_, colour, forward});
    }

    void DrawNumber(const Label& l) {
        const QString text = QString::number(l.contact);
        p_.setFont(PixelFont(p_.font(), 8, true));
        const int w = p_.fontMetrics().horizontalAdvance(text) + 2;
        const QRect box(l.at.x() - w / 2, l.above ? l.at.y() - 10 : l.at.y() + 2, w, 8);
        p_.fillRect(box, QColor(255, 255, 255, 210));
        p_.setPen(l.colour);
        p_.drawText(box, Qt::AlignCenter, text);
    }

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
        // Each loop has its rail below the contacts and its own way down and up beside the
        // columns, so that two passes never share a wire.
        const int rail = rail_++;
        const int y = kLoopTop + int(rail_step_ * rail);
        const int aside = 6 + 3 * (rail % 4);
        const QPoint from = Here();
        const int side_from = column_ == 0 ? -aside : aside;
        column_ = end;
        row_ = pt.contact;
        const QPoint to = Here();
        const int side_to = end == 0 ? -aside : aside;
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
    int rail_ = 0;  // the loops' rails are taken in the order the current runs them
    double rail_step_ = 4.0;
    std::vector<Label> labels_;
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

    auto* heading = new QLabel(Tr(QT_TRANSLATE_NOOP("SignalPath", "Signal path")), this);
    heading->setFont(PixelFont(font(), 16, true));
    heading->move(8, 3);
    heading->adjustSize();
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setTextFormat(Qt::RichText);
    // After the heading, however long it runs in the window's language; ends before the step
    // button.
    const int caption_left = std::max(116, heading->geometry().right() + 8);
    caption_->setGeometry(caption_left, 4, 546 - caption_left, 18);
    ShowCaption();

    step_ = new QToolButton(this);
    step_->setObjectName(QStringLiteral("step"));
    step_->setText(Tr(QT_TRANSLATE_NOOP("SignalPath", "step")));
    step_->setToolTip(
        Tr(QT_TRANSLATE_NOOP("SignalPath", "Type the next character of the loaded text (F3).")));
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

// The caption in the largest size up to 12 pixels that fits its line in full.
void SignalPathPanel::ShowCaption() {
    const QString plain = caption();
    caption_->setText(StyledCaption(plain));
    for (int pixels = 12; pixels >= 8; --pixels) {
        caption_->setFont(PixelFont(font(), pixels, true));
        if (caption_->sizeHint().width() <= caption_->width()) break;
    }
}

bool SignalPathPanel::captionFits() const {
    return caption_->sizeHint().width() <= caption_->width() &&
           caption_->geometry().right() < step_->geometry().left();
}

QString SignalPathPanel::CharName(unsigned char c) const {
    if (c == ' ') return Tr(QT_TRANSLATE_NOOP("SignalPath", "space"));
    const char32_t u = Cp1251ToUnicode(c);
    return u == 0 ? QStringLiteral("?") : QString::fromUcs4(&u, 1);
}

QString SignalPathPanel::caption() const {
    const KeyPressTrace* last = session_.LastKeyPressTrace();
    if (!last)
        return Tr(QT_TRANSLATE_NOOP("SignalPath",
                                    "Press a key: its path through the machine is drawn here."));
    const KeyPressTrace& t = *last;
    QString text = Tr(QT_TRANSLATE_NOOP("SignalPath", "key %1 (%2)"))
                       .arg(CharName(printer_.EchoChar(t.input, t.machine)))
                       .arg(t.input);
    if (!t.printed)
        text += Tr(QT_TRANSLATE_NOOP("SignalPath", " → %1: register shift, nothing printed"))
                    .arg(t.output);
    else if (t.output == 0)
        text += Tr(QT_TRANSLATE_NOOP("SignalPath", " → no signal (0), prints %1"))
                    .arg(CharName(printer_.OutputChar(0, t.machine)));
    else
        text += Tr(QT_TRANSLATE_NOOP("SignalPath", " → prints %1 (%2)"))
                    .arg(CharName(printer_.OutputChar(t.output, t.machine)))
                    .arg(t.output);
    if (t.forward_passes > 1 || t.backward_passes > 1)
        text += Tr(QT_TRANSLATE_NOOP("SignalPath", ", loops %1/%2"))
                    .arg(t.forward_passes)
                    .arg(t.backward_passes);
    if (t.points.empty()) text += Tr(QT_TRANSLATE_NOOP("SignalPath", ", not through the rotors"));
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
    const QString names[4] = {
        Tr(QT_TRANSLATE_NOOP("SignalPath", "entry")), Tr(QT_TRANSLATE_NOOP("SignalPath", "card")),
        Tr(QT_TRANSLATE_NOOP("SignalPath", "keys")), Tr(QT_TRANSLATE_NOOP("SignalPath", "key"))};
    for (int i = 0; i < 3; ++i)
        p.drawText(QRect(StageMiddle(10 + i) - 20, 28, 40, 12), Qt::AlignCenter, names[i]);
    p.drawText(QRect(kLeft + kKeyColumn * kGap - 20, kTop - 20, 40, 12), Qt::AlignCenter, names[3]);
    // The legend, under the names of the entry plate, card and keyboard map.
    const struct {
        QColor colour;
        Qt::PenStyle style;
        const char* text;
    } legend[3] = {{kForward, Qt::SolidLine, QT_TRANSLATE_NOOP("SignalPath", "to the reflector")},
                   {kBackward, Qt::SolidLine, QT_TRANSLATE_NOOP("SignalPath", "back")},
                   {kLoop, Qt::DashLine, QT_TRANSLATE_NOOP("SignalPath", "loop-back wiring")}};
    p.setFont(PixelFont(font(), 9));
    for (int i = 0; i < 3; ++i) {
        const int y = 46 + 10 * i, x = StageMiddle(10) - 18;
        p.setPen(QPen(legend[i].colour, 2, legend[i].style));
        p.drawLine(x, y, x + 14, y);
        p.setPen(Qt::black);
        p.drawText(QPoint(x + 18, y + 4), Tr(legend[i].text));
    }
    p.setFont(PixelFont(font(), 10, true));
    p.save();
    p.translate(kReflectorX - 4, (top + bottom) / 2);
    p.rotate(-90);
    p.setPen(Qt::white);
    p.drawText(QRect(-50, -7, 100, 14), Qt::AlignCenter,
               Tr(QT_TRANSLATE_NOOP("SignalPath", "reflector")));
    p.restore();
    p.setFont(PixelFont(font(), 9));
    p.setPen(QColor(70, 70, 70));
    const char* const rows[kHeadingRows] = {
        QT_TRANSLATE_NOOP("SignalPath", "slot"),    QT_TRANSLATE_NOOP("SignalPath", "body"),
        QT_TRANSLATE_NOOP("SignalPath", "ring"),    QT_TRANSLATE_NOOP("SignalPath", "core"),
        QT_TRANSLATE_NOOP("SignalPath", "side"),    QT_TRANSLATE_NOOP("SignalPath", "core set"),
        QT_TRANSLATE_NOOP("SignalPath", "position")};
    for (int i = 0; i < kHeadingRows; ++i)
        p.drawText(QRect(4, kRowsTop + kRowHeight * i, kLeft - 6, kRowHeight + 1),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("SignalPath", rows[i]));
}

// Each rotor column: slot, body and core (as the letters А..К), ring setting, side (1 in, 2
// turned over), core setting, and the position at the key press with the one after its step:
// everything needed to check a stage by hand.
void SignalPathPanel::DrawHeadings(QPainter& p) const {
    const int in_use = has_trace_ ? trace.rotors_in_use : 10;
    auto row = [](int s, int i) {
        return QRect(StageMiddle(s - 1) - 20, kRowsTop + kRowHeight * i, 40, kRowHeight + 1);
    };
    for (int s = 1; s <= 10; ++s) {
        p.setPen(Qt::black);
        p.setFont(PixelFont(font(), 10, true));
        p.drawText(row(s, 0), Qt::AlignCenter, QString::number(s));
        if (s > in_use) {
            p.setFont(PixelFont(font(), 9));
            p.drawText(row(s, 2), Qt::AlignCenter,
                       QCoreApplication::translate("SignalPath", "empty"));
            continue;
        }
        if (!has_trace_) continue;
        const RotorState& r = trace.rotors[s];
        p.setFont(LetterFont(10));
        p.drawText(row(s, 1), Qt::AlignCenter, Letter(r.RotorNumber));
        p.drawText(row(s, 2), Qt::AlignCenter, Letter(r.RingSetting));
        p.drawText(row(s, 3), Qt::AlignCenter, Letter(r.CoreNumber));
        p.drawText(row(s, 5), Qt::AlignCenter, Letter(r.CoreSetting));
        p.setFont(PixelFont(font(), 10));
        p.drawText(row(s, 4), Qt::AlignCenter, QString::number(r.CoreSide));
        p.setPen(QColor(150, 0, 0));
        p.setFont(LetterFont(10));
        p.drawText(row(s, 6), Qt::AlignCenter,
                   Letter(r.Position) + QStringLiteral("›") + Letter(trace.positions_after[s]));
    }
}

void SignalPathPanel::DrawPath(QPainter& p) const {
    if (!has_trace_ || trace.points.empty()) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(font());  // the contact numbers in the upright face of the digits
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
    ShowCaption();
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
