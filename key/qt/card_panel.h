#pragma once
#include <QImage>
#include <QString>
#include <functional>

class QCheckBox;
class QLabel;
class QToolButton;
class QWidget;

namespace q417 {

class PictureElement;
class PunchCard;
class MachineSession;

// The card editor panel KSPanel: the card picture KS on which holes are punched and taken
// out with the mouse, and its buttons. Every hole goes to the machine's card through the
// session at once, so it acts on the signal path at once. The picture is kept twice: the card as punched so far,
// and the screen copy that adds the pointer's cross-hairs, cell marker and row/column label.
class CardPanel {
public:
    CardPanel(QWidget& window, MachineSession& session);

    QWidget* panel() const { return panel_; }
    PictureElement* picture() const { return ks_; }
    QToolButton* button(const QString& name) const;
    QCheckBox* marksBox() const { return check_box3_; }
    bool showInaccessible() const { return show_inaccessible_; }
    const QImage& working() const { return working_; }

    // Today's day of the month, the key number of a freshly completed card.
    std::function<int()> dayOfMonth;

    // "punch card": draws the card afresh and shows the panel.
    void open();
    // The card replaced from outside (a key file, a random key): drawn again.
    void cardReplaced();

    // The mouse over the card picture.
    void TrackPointer(int x, int y);
    void Release(int x, int y);

    void DrawTopHoles();
    void DrawCard();
    void DrawInaccessible();
    void DrawKeyNumber(int n);

private:
    void BuildButtons();
    void ClearPunchCard();
    void InsertTriangle();
    void ToggleInaccessible();
    void UpdateButtons();
    void DrawCell(int row, int column, int sprite);
    void Show(const QImage& screen);

    MachineSession& session_;
    const PunchCard& card_;
    QWidget* panel_ = nullptr;
    PictureElement* ks_ = nullptr;
    QLabel* title_ = nullptr;
    QToolButton* buttons_[4] = {};
    QCheckBox* check_box3_ = nullptr;
    QImage working_;
    QRgb brush_ = 0xFFFFFFFF;
    bool show_inaccessible_ = false;
};

}  // namespace q417
