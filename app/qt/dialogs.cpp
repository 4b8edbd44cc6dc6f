#include "app/qt/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/qt/model_texts.h"

namespace q417 {

QString ChooseFile(QWidget* parent, FileDialogKind kind, const QString& title,
                   const QString& filter, const QString& proposed, const QString& suffix,
                   const QString& folder) {
    const bool save = kind == FileDialogKind::Save;
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
        dialog.selectFile(proposed);
    }
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // The keys go to the machine again, also where no window manager hands the focus back.
    if (parent) parent->window()->activateWindow();
    return chosen ? dialog.selectedFiles().constFirst() : QString();
}

void ShowError(QWidget* parent, const QString& message) {
    // The model speaks English; the table gives its messages in the window's language.
    QMessageBox::critical(parent, QStringLiteral("Q-417"), ModelText(message));
}

}  // namespace q417
