#pragma once
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <functional>

#include "app/machine_session.h"
#include "core/trace.h"

class QLabel;
class QPainter;
class QToolButton;

namespace q417 {

// The signal-path panel over the upper part of the window. It shows the machine's stages as
// columns of thirty contacts, in the order they stand in the machine: reflector, rotor slots 1
// to 10, entry plate, card, keyboard map and keys. Each rotor is headed by its slot, body,
// core, side and position. The path of the last key press is drawn through the columns:
// toward the reflector in red, back in blue, the loop-back wiring of the Latin plug and of the
// ten-key alphabet dashed in green with its passes numbered. The heading names the key pressed
// and the character printed.
//
// It shows the session's last key press, whenever it was made (typed, clicked, fed or
// stepped, with the panel open or not): told that a key press was made, it asks the session
// for its trace when it draws, at most once per screen frame, so that a fast run is not
// slowed by drawing.
class SignalPathPanel : public QWidget, public SessionEvents {
    Q_OBJECT
public:
    static constexpr int kWidth = 637;
    static constexpr int kHeight = 314;  // ends above the keyboard, whose keys stay free

    SignalPathPanel(QWidget* parent, const MachineSession& session);

    void open();
    void closePanel();
    void toggle();

    // The step button and the step key: the next key press of the loaded text.
    std::function<void()> onStep;

    QToolButton* stepButton() const { return step_; }
    QToolButton* closeButton() const { return close_; }
    // The heading's account of the last key press.
    QString caption() const;
    // Whether the heading shows all of it, clear of the step button.
    bool captionFits() const;
    bool hasTrace() const { return session_.LastKeyPressTrace() != nullptr; }
    // Where contact `c` of column `column` (0 next to the reflector .. 13 the keys) is drawn.
    static QPoint contactPoint(int column, int c);

    void KeyPressDone() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawBackground();
    void ShowCaption();
    void DrawPicture();
    void RedrawSoon();
    void DrawHeadings(QPainter& p) const;
    void DrawPath(QPainter& p) const;
    QString CharName(unsigned char c) const;

    const MachineSession& session_;
    const Printer& printer_;
    KeyPressTrace trace;  // the last key press as last drawn
    QImage background_;
    QImage picture_;  // the panel as last drawn
    QLabel* caption_ = nullptr;
    QToolButton* step_ = nullptr;
    QToolButton* close_ = nullptr;
    QElapsedTimer since_drawn_;
    bool has_trace_ = false;
    bool stale_ = false;  // a key press came since the picture was drawn
    bool update_due_ = false;
};

}  // namespace q417
