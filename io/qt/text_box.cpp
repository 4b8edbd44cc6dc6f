#include "io/qt/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "io/cp1251.h"

namespace q417 {

namespace {

constexpr int kMargin = 2;
constexpr QRgb kPaper = 0xFFFFFFCC;  // RGB(255, 255, 204)

bool IsBreak(unsigned char c) {
    return c == '\r' || c == '\n';
}

// What each byte looks like: its Windows-1251 character, control characters as blanks.
const std::array<QString, 256>& Glyphs() {
    static const std::array<QString, 256> glyphs = [] {
        std::array<QString, 256> g;
        for (int b = 0; b < 256; ++b) {
            char32_t u = Cp1251ToUnicode(static_cast<unsigned char>(b));
            if (u < 0x20) u = ' ';
            if (b == 0x98) u = 0xFFFD;
            g[b] = QString(QChar(static_cast<char16_t>(u)));
        }
        return g;
    }();
    return glyphs;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, QColor::fromRgb(kPaper));
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    relayout();
}

void TextBox::setText(std::string text) {
    text_ = std::move(text);
    sel_start_ = sel_length_ = anchor_ = 0;
    lines_.Layout(text_);
    updateScrollBar();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

// New characters at the end: like a caret following what is typed, the view follows them.
void TextBox::append(std::string_view cp1251) {
    if (cp1251.empty()) return;
    text_.append(cp1251);
    lines_.Extend(text_);
    updateScrollBar();
    scrollToLine(lines_.Count() - 1);
    viewport()->update();
}

void TextBox::select(std::size_t start, std::size_t length) {
    sel_start_ = std::min(start, text_.size());
    sel_length_ = std::min(length, text_.size() - sel_start_);
    scrollToLine(lines_.LineOf(sel_start_));
    viewport()->update();
}

QString TextBox::selectedText() const {
    return QString::fromStdString(
               Cp1251ToUtf8(std::string_view(text_).substr(sel_start_, sel_length_)))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void TextBox::setTextColor(const QColor& color) {
    text_color_ = color;
    viewport()->update();
}

std::size_t TextBox::firstVisibleLine() const {
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

int TextBox::lineHeight() const {
    return std::max(line_height_, 1);
}

int TextBox::visibleLines() const {
    return std::max((viewport()->height() - kMargin) / lineHeight(), 1);
}

// The font gives every byte its width; the box's width less its margins is the line.
void TextBox::relayout() {
    const QFontMetrics fm(font());
    line_height_ = fm.lineSpacing();
    ascent_ = fm.ascent();
    TextLines::Advances advances{};
    const auto& glyphs = Glyphs();
    for (int b = 0; b < 256; ++b)
        advances[b] = IsBreak(static_cast<unsigned char>(b)) ? 0 : fm.horizontalAdvance(glyphs[b]);
    lines_.SetMetrics(advances, viewport()->width() - 2 * kMargin);
    lines_.Layout(text_);
    updateScrollBar();
    viewport()->update();
}

void TextBox::updateScrollBar() {
    const int count = static_cast<int>(lines_.Count());
    verticalScrollBar()->setRange(0, std::max(count - visibleLines(), 0));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setSingleStep(1);
}

void TextBox::scrollToLine(std::size_t line) {
    const int l = static_cast<int>(line);
    QScrollBar* bar = verticalScrollBar();
    if (l < bar->value())
        bar->setValue(l);
    else if (l >= bar->value() + visibleLines())
        bar->setValue(l - visibleLines() + 1);
}

void TextBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor::fromRgb(kPaper));
    painter.setFont(font());
    const std::size_t first = firstVisibleLine();
    const std::size_t last = std::min(lines_.Count(), first + visibleLines() + 1);
    for (std::size_t line = first; line < last; ++line)
        drawLine(painter, line, kMargin + static_cast<int>(line - first) * lineHeight());
}

// Character by character, so every glyph stands exactly where the layout measured it.
void TextBox::drawLine(QPainter& painter, std::size_t line, int top) const {
    const auto& glyphs = Glyphs();
    const std::size_t sel_end = sel_start_ + sel_length_;
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor highlighted = palette().color(QPalette::HighlightedText);
    const std::size_t end = lines_.End(text_, line);
    int x = kMargin;
    for (std::size_t k = lines_.Start(line); k < end; ++k) {
        const auto b = static_cast<unsigned char>(text_[k]);
        const int w = lines_.Advance(b);
        const bool selected = k >= sel_start_ && k < sel_end;
        if (selected) painter.fillRect(x, top, w, lineHeight(), highlight);
        painter.setPen(selected ? highlighted : text_color_);
        painter.drawText(QPoint(x, top + ascent_), glyphs[b]);
        x += w;
    }
    // A selected line break shows as a selected blank after the line.
    const std::size_t next = line + 1 < lines_.Count() ? lines_.Start(line + 1) : text_.size();
    if (sel_length_ > 0 && end < next && sel_start_ < next && sel_end > end)
        painter.fillRect(x, top, lines_.Advance(' '), lineHeight(), highlight);
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void TextBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) relayout();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        if (sel_length_ > 0) QApplication::clipboard()->setText(selectedText());
        return;
    }
    if (event == QKeySequence::SelectAll) {
        sel_start_ = 0;
        sel_length_ = text_.size();
        viewport()->update();
        return;
    }
    if (keySink) keySink(event, true);
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
    if (keySink) keySink(event, false);
}

std::size_t TextBox::offsetAt(const QPoint& p) const {
    const int row = std::max(p.y() - kMargin, 0) / lineHeight();
    const std::size_t line =
        std::min(firstVisibleLine() + static_cast<std::size_t>(row), lines_.Count() - 1);
    return lines_.OffsetAt(text_, line, p.x() - kMargin);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    anchor_ = offsetAt(event->position().toPoint());
    sel_start_ = anchor_;
    sel_length_ = 0;
    viewport()->update();
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const std::size_t at = offsetAt(event->position().toPoint());
    sel_start_ = std::min(anchor_, at);
    sel_length_ = std::max(anchor_, at) - sel_start_;
    viewport()->update();
}

bool TextBox::focusNextPrevChild(bool) {
    return false;  // Tab is a key of the machine's keyboard
}

}  // namespace q417
