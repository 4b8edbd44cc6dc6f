// The window's own events: the computer's keys for the machine keyboard, the mouse wheel for
// the rotors, a drag of the cabinet, and a hide that ends a run.
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include "app/window/main_window.h"
#include "app/qt/rotor_stack_view.h"

namespace q417 {

void MainWindow::keyPressEvent(QKeyEvent* event) {
    host_.machineKeyEvent(*event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    host_.machineKeyEvent(*event);
}

// A window closed or hidden by the program takes the run with it; one the desktop minimises
// keeps running.
void MainWindow::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) session().StopRun();
    QWidget::hideEvent(event);
}

bool MainWindow::focusNextPrevChild(bool) {
    return false;
}  // Tab is a key like any other

// Where nothing on the cabinet reacts to a press, the window is dragged.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle()) windowHandle()->startSystemMove();
}

void MainWindow::mouseMoveEvent(QMouseEvent*) {
    views_.stack->pointerOffRotors();
}

// The wheel turns only the rotor whose window is under the pointer, seen: over a panel, the
// guide or any other part of the machine it turns nothing.
void MainWindow::wheelEvent(QWheelEvent* event) {
    views_.stack->Wheel(childAt(event->position().toPoint()), event->angleDelta().y());
}

}  // namespace q417
