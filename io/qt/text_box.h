#pragma once
#include <QAbstractScrollArea>
#include <QColor>
#include <functional>
#include <string>
#include <string_view>

#include "io/text_lines.h"

namespace q417 {

// One of the panel's two text boxes: a read-only, word-wrapped view of a Windows-1251 text
// with a vertical scroll bar. It keeps long texts cheap: a text that grows at its end is laid
// out again only in its last line, and only the lines in view are drawn. One range of the
// text can be selected (the feed's highlight, or the mouse); Ctrl+C copies it. Every other key
// goes to the machine's keyboard through `keySink`.
class TextBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    const std::string& text() const { return text_; }
    void setText(std::string text);
    void append(std::string_view cp1251);
    void clear() { setText({}); }

    // Selects `length` characters from byte offset `start` and scrolls them into view.
    void select(std::size_t start, std::size_t length);
    std::size_t selectionStart() const { return sel_start_; }
    std::size_t selectionLength() const { return sel_length_; }
    // The selected characters as Unicode.
    QString selectedText() const;

    void setTextColor(const QColor& color);
    // Lines the box has now, and the first one in view.
    std::size_t lineCount() const { return lines_.Count(); }
    std::size_t firstVisibleLine() const;
    const TextLines& lines() const { return lines_; }

    // Key events for the machine (down = true for a press).
    std::function<void(QKeyEvent*, bool down)> keySink;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void relayout();
    void updateScrollBar();
    void scrollToLine(std::size_t line);
    int lineHeight() const;
    int visibleLines() const;
    std::size_t offsetAt(const QPoint& p) const;
    void drawLine(QPainter& painter, std::size_t line, int top) const;

    std::string text_;
    TextLines lines_;
    int line_height_ = 13;
    int ascent_ = 10;
    QColor text_color_ = Qt::black;
    std::size_t sel_start_ = 0;
    std::size_t sel_length_ = 0;
    std::size_t anchor_ = 0;
};

}  // namespace q417
