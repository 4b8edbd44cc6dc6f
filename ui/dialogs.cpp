#include "ui/dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

#include "ui/model_texts.h"

namespace q417 {

namespace {

// The error boxes open now, and what waits for them to be dismissed.
struct OpenErrors {
    int count = 0;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> waiting;
};

OpenErrors& Errors() {
    static OpenErrors errors;
    return errors;
}

void ErrorDismissed() {
    OpenErrors& errors = Errors();
    if (--errors.count > 0) return;
    // Later, from the event loop: a box also goes when its window is being destroyed.
    auto waiting = std::exchange(errors.waiting, {});
    for (auto& [context, then] : waiting)
        if (context) QTimer::singleShot(0, context.data(), std::move(then));
}

// The keys go to the machine again once a dialog closes, also where no window manager hands
// the focus back.
void GiveKeysBack(const QPointer<QWidget>& parent) {
    if (parent) parent->window()->activateWindow();
}

}  // namespace

void ChooseFile(QWidget* parent, FileDialogKind kind, const QString& title, const QString& filter,
                const QString& proposed, const QString& suffix, const QString& folder,
                std::function<void(const QString&)> then) {
    const bool save = kind == FileDialogKind::Save;
    auto* dialog = new QFileDialog(parent, title, folder, filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        if (!suffix.isEmpty()) dialog->setDefaultSuffix(suffix);
        dialog->selectFile(proposed);
    }
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, parent = QPointer<QWidget>(parent), then = std::move(then)](int result) {
                         const QStringList files = dialog->selectedFiles();
                         GiveKeysBack(parent);
                         if (!parent) return;
                         then(result == QDialog::Accepted && !files.isEmpty() ? files.constFirst()
                                                                              : QString());
                     });
    dialog->open();
}

void ChooseFont(QWidget* parent, const QFont& current,
                std::function<void(const std::optional<QFont>&)> then) {
    auto* dialog = new QFontDialog(current, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, parent = QPointer<QWidget>(parent), then = std::move(then)](int result) {
                         const QFont font = dialog->selectedFont();
                         GiveKeysBack(parent);
                         if (!parent) return;
                         then(result == QDialog::Accepted ? std::optional<QFont>(font)
                                                          : std::nullopt);
                     });
    dialog->open();
}

void ShowError(QWidget* parent, const QString& message) {
    // The model speaks English; the table gives its messages in the window's language.
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Q-417"), ModelText(message),
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (!parent) box->setWindowModality(Qt::ApplicationModal);
    ++Errors().count;
    QObject::connect(box, &QDialog::finished, box,
                     [parent = QPointer<QWidget>(parent)] { GiveKeysBack(parent); });
    // Counted until the box is gone, however it goes (also with its window).
    QObject::connect(box, &QObject::destroyed, &ErrorDismissed);
    box->open();
}

void AfterErrorsDismissed(QObject* context, std::function<void()> then) {
    if (Errors().count == 0) {
        then();
        return;
    }
    Errors().waiting.emplace_back(context, std::move(then));
}

}  // namespace q417
