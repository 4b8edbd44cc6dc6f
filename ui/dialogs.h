#pragma once
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace q417 {

// The dialogs every view shares. None of them waits: each is shown over its window, which
// takes no input meanwhile, and what the user chose arrives later through `then`, from the
// window's own event loop. So nothing runs inside a dialog's loop while it is open.

// A file dialog: for opening, an existing file; for saving, any name, with `suffix` added
// when none is typed and `proposed` filled in. `then` gets the chosen path, or an empty one
// when the user cancels; it is not called if `parent` is gone by then.
enum class FileDialogKind { Open, Save };
void ChooseFile(QWidget* parent, FileDialogKind kind, const QString& title, const QString& filter,
                const QString& proposed, const QString& suffix, const QString& folder,
                std::function<void(const QString&)> then);

// The font dialog, starting at `current`; `then` gets the chosen font, or nothing.
void ChooseFont(QWidget* parent, const QFont& current,
                std::function<void(const std::optional<QFont>&)> then);

// An error in the message box of the program: titled "Q-417", with a stop icon and OK. Over
// `parent`'s window, or over every window without one.
void ShowError(QWidget* parent, const QString& message);

// Runs `then` once every error box now open has been dismissed, at once when none is open
// (the close button says what went wrong before the window goes). Not called if `context` is
// gone by then.
void AfterErrorsDismissed(QObject* context, std::function<void()> then);

}  // namespace q417
