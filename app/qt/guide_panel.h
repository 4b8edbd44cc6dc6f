#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QEvent;

class QLabel;
class QToolButton;

namespace q417 {

class ViewHost;

// The newcomer's guide: a panel over the upper part of the window, in the panels' style, that
// explains on a few pages how to work the machine, each page with pictures cut from the machine
// as it stands. F1 opens it anywhere in the window, and so does the button on the about panel.
// It is made when first opened (GuideHints makes it); the hover hints need no page.
class GuidePanel : public QWidget {
    Q_OBJECT
public:
    // One page: a heading, its text (simple rich text) and the parts of the machine it shows,
    // as rectangles of the window, drawn side by side at the given enlargement; or the key
    // table of the rotors as they stand, drawn as the strip of the open machine.
    struct Page {
        QString heading;
        QString text;
        std::vector<QRect> cuts;
        int scale = 1;
        bool key_table = false;
    };

    explicit GuidePanel(ViewHost& host);

    // The pages in order; the man page and the README carry the same text.
    static const std::vector<Page>& pages();
    // Opens the guide of the window that holds `anyWidget`, at its first page, making its
    // pages if they are not made yet.
    static void openIn(QWidget* anyWidget);

    void open(int page = 0);
    void showPage(int page);
    int page() const { return page_; }
    // The machine's picture under the rectangle r of the window, without any panel over it:
    // the cabinet and every picture element of the window, as they are drawn now.
    QImage machineCut(const QRect& r) const;
    // The key table of the rotors in the machine, with its rows named.
    QImage keyTableStrip() const;

private:
    ViewHost& host_;
    QWidget& window_;
    QLabel* heading_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* text_ = nullptr;
    QLabel* count_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* next_ = nullptr;
    int page_ = 0;
};

// The guide's part in the window from the first frame: the hover hints of every control of
// the machine (the table in hints.h), and F1. The pages, with their fonts and pictures, are made only when the guide
// is first opened, so that start-up does not wait for them.
class GuideHints : public QObject {
    Q_OBJECT
public:
    // Installs the hints and F1 on the host's window.
    explicit GuideHints(ViewHost& host);

    // The guide's pages, made at the first call; a child of the window, which owns it.
    GuidePanel& panel();
    bool panelMade() const { return panel_ != nullptr; }
    void open(int page = 0) { panel().open(page); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MachineClosed() const;

    ViewHost& host_;
    QWidget& window_;
    GuidePanel* panel_ = nullptr;
};

}  // namespace q417
