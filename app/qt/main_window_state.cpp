// The window's part in keeping the machine: key presses taken back and brought back, the
// machine saved and opened (on the text panel), and the tapes saved as pictures.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QShortcut>
#include <QWindow>

#include "app/qt/dialogs.h"
#include "app/qt/main_window.h"
#include "app/qt/picture_element.h"
#include "io/file_access.h"
#include "io/qt/text_panel.h"

namespace q417 {

// The shortcuts act on the machine, never type into it: Ctrl with a letter is no key of the
// machine's keyboard.
void MainWindow::BindStateKeys() {
    const auto bind = [this](QKeySequence keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, action] { Guard(action); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { textPanel().saveState(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { textPanel().openState(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undoKeyPress(); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redoKeyPress(); });
}

void MainWindow::undoKeyPress() {
    reportRefusal(session_.Undo());
}

void MainWindow::redoKeyPress() {
    reportRefusal(session_.Redo());
}

// The tape's own image, each pixel made a square of the window's whole scale factor, as the
// screen shows it.
QImage MainWindow::tapePicture(bool punched) const {
    const QImage& tape =
        element(punched ? QStringLiteral("Image7") : QStringLiteral("Image8"))->image();
    const int scale = std::max(
        1, qRound(windowHandle() ? windowHandle()->devicePixelRatio() : devicePixelRatioF()));
    return tape.scaled(tape.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool MainWindow::saveTapePicture(bool punched, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!tapePicture(punched).save(&buffer, "PNG")) {
        report_error_(QCoreApplication::translate("MainWindow",
                                                  "The tape could not be made into a picture."));
        return false;
    }
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), std::string_view(png.constData(), png.size()),
                             error)) {
        report_error_(QString::fromStdString(error));
        return false;
    }
    return true;
}

// A small menu at the pointer, shown without waiting for it: the choice comes as a signal.
void MainWindow::OfferTapePicture(bool punched, QPoint at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString what =
        punched ? QCoreApplication::translate("MainWindow", "Save the punched tape as a picture...")
                : QCoreApplication::translate("MainWindow", "Save the paper tape as a picture...");
    connect(menu->addAction(what), &QAction::triggered, this, [this, punched] {
        ChooseFile(this, FileDialogKind::Save,
                   QCoreApplication::translate("MainWindow", "save the tape as a picture"),
                   QCoreApplication::translate("MainWindow", "PNG picture (*.png)"),
                   punched ? QStringLiteral("punched-tape.png") : QStringLiteral("paper-tape.png"),
                   QStringLiteral("png"), QDir::currentPath(), [this, punched](const QString& path) {
                       Guard([&] {
                           if (!path.isEmpty()) saveTapePicture(punched, path);
                       });
                   });
    });
    menu->popup(at);
}

}  // namespace q417
