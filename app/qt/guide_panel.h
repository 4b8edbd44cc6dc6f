#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QToolButton;

namespace q417 {

// The newcomer's guide: a panel over the upper part of the window, in the panels' style, that
// explains on a few pages how to work the machine, each page with pictures cut from the machine
// as it stands. F1 opens it anywhere in the window, and so does the button on the about panel.
// It also gives the control box and the levers their hover hints.
class GuidePanel : public QWidget {
    Q_OBJECT
public:
    // One page: a heading, its text (simple rich text) and the parts of the machine it shows,
    // as rectangles of the window, drawn side by side at the given enlargement.
    struct Page {
        QString heading;
        QString text;
        std::vector<QRect> cuts;
        int scale = 1;
    };

    explicit GuidePanel(QWidget& window);

    // The pages in order; the man page and the README carry the same text.
    static const std::vector<Page>& pages();
    // Opens the guide of the window that holds `anyWidget`, at its first page.
    static void openIn(QWidget* anyWidget);
    // The hover hint of a picture element at (x, y), or an empty text.
    static QString hintAt(const QString& element, int x, int y);

    void open(int page = 0);
    void showPage(int page);
    int page() const { return page_; }
    // The machine's picture under the rectangle r of the window, without any panel over it:
    // the cabinet and every picture element of the window, as they are drawn now.
    QImage machineCut(const QRect& r) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QLabel* heading_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* text_ = nullptr;
    QLabel* count_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* next_ = nullptr;
    int page_ = 0;
};

}  // namespace q417
