#pragma once
#include <QString>

class QWidget;

namespace q417 {

// The dialogs every view shares.

// A file dialog: for opening, an existing file; for saving, any name, with `suffix` added
// when none is typed and `proposed` filled in. Empty when the user cancels.
enum class FileDialogKind { Open, Save };
QString ChooseFile(QWidget* parent, FileDialogKind kind, const QString& title,
                   const QString& filter, const QString& proposed = {}, const QString& suffix = {},
                   const QString& folder = {});

// An error in the message box of the program: titled "Q-417", with a stop icon and OK.
void ShowError(QWidget* parent, const QString& message);

}  // namespace q417
