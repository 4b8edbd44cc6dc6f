// The buttons of the key-setting box: key files, the basic key, an empty table, a random key
// and the card editor.
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QToolButton>

#include "app/qt/hints.h"
#include "io/file_access.h"
#include "key/key_file.h"
#include "key/qt/card_panel.h"
#include "key/qt/key_box.h"
#include "key/random_key.h"
#include "ui/dialogs.h"
#include "ui/view_host.h"

namespace q417 {

namespace {

QString KeyFilter() {
    return QCoreApplication::translate("KeyBox", "Q417-M key table and punch card (*.key)");
}

struct KeyBoxButton {
    const char* name;
    HintSpot spot;
    const char* hint;
    const char* text;
    int x, y;
};
// Two rows under the key table: the files and the card above, the whole-table actions below.
constexpr KeyBoxButton kKeyBoxButtons[6] = {
    {"LoadKeyButton", HintSpot::LoadKeyButton, QT_TRANSLATE_NOOP("KeyBox", "load key"),
     QT_TRANSLATE_NOOP("KeyBox", "load key"), 408, 166},
    {"SaveKeyButton", HintSpot::SaveKeyButton, QT_TRANSLATE_NOOP("KeyBox", "save key"),
     QT_TRANSLATE_NOOP("KeyBox", "save key"), 484, 166},
    {"SpeedButton4", HintSpot::CardButton, QT_TRANSLATE_NOOP("KeyBox", "punch card"),
     QT_TRANSLATE_NOOP("KeyBox", "punch card"), 560, 166},
    {"BasePositionButton", HintSpot::BasePositionButton,
     QT_TRANSLATE_NOOP("KeyBox", "set Base position"), QT_TRANSLATE_NOOP("KeyBox", "Base position"),
     408, 182},
    {"ClearKeyTableButton", HintSpot::ClearKeyTableButton,
     QT_TRANSLATE_NOOP("KeyBox", "clear key table"), QT_TRANSLATE_NOOP("KeyBox", "clear table"),
     484, 182},
    {"RandomKeyButton", HintSpot::RandomKeyButton,
     QT_TRANSLATE_NOOP("KeyBox", "generate random key"), QT_TRANSLATE_NOOP("KeyBox", "random key"),
     560, 182},
};

}  // namespace

void KeyBox::BuildButtons() {
    QFont small = box_->font();
    small.setPointSize(7);
    for (int i = 0; i < 6; ++i) {
        const KeyBoxButton& b = kKeyBoxButtons[i];
        auto* button = new QToolButton(box_);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(ButtonHint(b.spot));
        button->setAccessibleName(QCoreApplication::translate("KeyBox", b.hint));
        button->setText(QCoreApplication::translate("KeyBox", b.text));
        // Some languages' captions run longer than the machine's buttons: a narrower face.
        QFont font = small;
        if (QFontMetrics(font).horizontalAdvance(button->text()) > 71)
            font.setStretch(QFont::SemiCondensed);
        button->setFont(font);
        button->setGeometry(b.x, b.y, 73, 15);
        button->setFocusPolicy(Qt::NoFocus);
        buttons_[i] = button;
    }
    auto on = [this](int i, void (KeyBox::*action)()) {
        QObject::connect(buttons_[i], &QToolButton::clicked, box_, [this, action] {
            try {
                (this->*action)();
            } catch (const std::exception& e) {
                Report(QString::fromLocal8Bit(e.what()));
            }
        });
    };
    on(0, &KeyBox::loadKey);
    on(1, &KeyBox::saveKey);
    on(3, &KeyBox::setBasePosition);
    on(4, &KeyBox::clearKeyTable);
    on(5, &KeyBox::generateRandomKey);
    QObject::connect(buttons_[2], &QToolButton::clicked, box_, [this] { card_panel_->open(); });
}

// A chooser put in place of the dialog (by the tests) answers at once; the dialog answers
// later, from the event loop.
void KeyBox::AskFile(bool save, const QString& title, const QString& proposed,
                     std::function<void(const QString&)> then) {
    const FileChooser& replaced = save ? choose_save_ : choose_open_;
    if (replaced) {
        then(replaced(title, proposed));
        return;
    }
    ChooseFile(&window_.hostWidget(), save ? FileDialogKind::Save : FileDialogKind::Open, title,
               KeyFilter(), proposed, QStringLiteral("key"), QString(),
               [this, then = std::move(then)](const QString& path) {
                   try {
                       then(path);
                   } catch (const std::exception& e) {
                       Report(QString::fromLocal8Bit(e.what()));
                   }
               });
}

QToolButton* KeyBox::button(const QString& name) const {
    for (QToolButton* b : buttons_)
        if (b && (b->objectName() == name || b->accessibleName() == name)) return b;
    return nullptr;
}

void KeyBox::setFileChooser(FileChooser open, FileChooser save) {
    choose_open_ = std::move(open);
    choose_save_ = std::move(save);
}

// A cancelled dialog changes nothing: the rotors keep their positions and an assembly
// under way stays on the table.
void KeyBox::loadKey() {
    AskFile(false, QCoreApplication::translate("KeyBox", "load key"), QString(),
            [this](const QString& path) {
                if (!path.isEmpty()) loadKeyFrom(path);
            });
}

// Everything is read and checked before anything changes, so a short or damaged file
// leaves card, table and rotors as they were.
void KeyBox::loadKeyFrom(const QString& path) {
    std::string bytes, error;
    const std::string name = QFile::encodeName(path).toStdString();
    if (!ReadKeyFileBytes(name, bytes, error)) {
        Report(QString::fromLocal8Bit(error.c_str()));
        return;
    }
    error = session_.LoadKey(bytes, QFileInfo(path).fileName().toStdString());
    if (!error.empty()) {
        Report(QString::fromLocal8Bit(FileError("load", name, error).c_str()));
        return;
    }
    key_file_loaded_ = true;
    DrawTitle();
    card_panel_->cardReplaced();
}

// The file's number stays in the title only while the machine holds the key it gave.
void KeyBox::DrawTitle() {
    if (!key_file_loaded_) return;
    QString title = QStringLiteral("Ключевая таблица ");
    const int32_t number = work_.LoadedKeyNumber();
    if (number > 0) title += QString::number(number);
    if (label2_->text() != title) label2_->setText(title);
}

void KeyBox::saveKey() {
    if (!session_.SaveEnabled()) return;
    const QDate today = QDate::currentDate();
    const QString proposed =
        QString::fromStdString(ProposedKeyFileName(today.day(), today.month(), today.year()));
    AskFile(true, QCoreApplication::translate("KeyBox", "save key"), proposed,
            [this](const QString& path) {
                if (!path.isEmpty()) saveKeyTo(path);
            });
}

// All 80 bytes reach the file or the old file stays as it was; a failure is always shown.
void KeyBox::saveKeyTo(const QString& path) {
    std::string error;
    if (!WriteKeyFileBytes(QFile::encodeName(path).toStdString(), session_.KeyToSave(), error))
        Report(QString::fromLocal8Bit(error.c_str()));
}

void KeyBox::setBasePosition() {
    session_.SetBasePosition();
}

void KeyBox::clearKeyTable() {
    session_.ClearKeyTable();
}

void KeyBox::generateRandomKey() {
    session_.RandomKey(ClockSeed());
    card_panel_->cardReplaced();
}

}  // namespace q417
