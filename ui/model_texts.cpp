#include "ui/model_texts.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <vector>

namespace q417 {

namespace {

// Every message the model gives the window, as the model spells it; a changing part (a file
// name, a number, a reason) stands as %1, %2, ...
constexpr const char* kContext = "Model";
const char* const kTexts[] = {
    // The session's refusals and notices.
    QT_TRANSLATE_NOOP("Model", "Close the machine before changing the model."),
    QT_TRANSLATE_NOOP("Model", "The Q-417M has only the thirty-contact alphabet."),
    QT_TRANSLATE_NOOP("Model", "The Q-417M has only the Russian alphabet plug."),
    QT_TRANSLATE_NOOP("Model", "The machine is running: stop it before stepping."),
    QT_TRANSLATE_NOOP("Model", "Close the machine before stepping through a text."),
    QT_TRANSLATE_NOOP("Model", "There is no text to step through: load one first."),
    QT_TRANSLATE_NOOP("Model",
                      "The step reached an asterisk, which ends the part of the text to feed."),
    QT_TRANSLATE_NOOP("Model", "The end of the text was reached: it is used up."),
    QT_TRANSLATE_NOOP("Model",
                      "The run was stopped: the texts hold %1 characters, as many as the machine "
                      "keeps. Everything typed so far is kept; save the output text and clear the "
                      "texts to go on."),
    // Saving the machine, and key presses taken back and brought back.
    QT_TRANSLATE_NOOP("Model",
                      "A rotor is being put together on the work table: insert it or give it "
                      "up, then save."),
    QT_TRANSLATE_NOOP("Model", "The open machine could not be closed as it stands. %1"),
    QT_TRANSLATE_NOOP("Model", "The machine is running: stop it before taking a key press back."),
    QT_TRANSLATE_NOOP("Model",
                      "The machine is running: stop it before bringing a key press back."),
    QT_TRANSLATE_NOOP("Model", "There is no key press to take back."),
    QT_TRANSLATE_NOOP("Model", "There is no key press to bring back."),
    QT_TRANSLATE_NOOP("Model",
                      "The machine was changed by hand since its last key press, so that key "
                      "press can no longer be taken back."),
    QT_TRANSLATE_NOOP("Model",
                      "The machine was changed by hand since the key press was taken back, so it "
                      "can no longer be brought back."),
    // The work table's refusals to close the machine.
    QT_TRANSLATE_NOOP("Model",
                      "A rotor is being assembled: put it into the stack or give it up first."),
    QT_TRANSLATE_NOOP("Model",
                      "Slot %1 has no rotor: the machine closes only with every slot filled."),
    QT_TRANSLATE_NOOP("Model", "The key table is not valid."),
    // Files: the one form of every file message, and the reasons in it.
    QT_TRANSLATE_NOOP("Model", "Cannot load file \"%1\". %2"),
    QT_TRANSLATE_NOOP("Model", "Cannot read file \"%1\". %2"),
    QT_TRANSLATE_NOOP("Model", "Cannot write file \"%1\". %2"),
    QT_TRANSLATE_NOOP("Model", "Cannot create file \"%1\". %2"),
    QT_TRANSLATE_NOOP("Model", "Cannot open file \"%1\". %2"),
    QT_TRANSLATE_NOOP("Model", "Cannot take the settings file's lock \"%1\". %2"),
    QT_TRANSLATE_NOOP("Model", "It is a link, and a lock is never taken through a link."),
    QT_TRANSLATE_NOOP("Model", "Another program is writing it."),
    QT_TRANSLATE_NOOP("Model", "It is open for reading only."),
    QT_TRANSLATE_NOOP("Model", "Every free name is taken."),
    QT_TRANSLATE_NOOP("Model", "It is not a regular file (a pipe, a device or a socket)"),
    QT_TRANSLATE_NOOP("Model",
                      "It is a link made by another user in a folder that every user may write "
                      "to, and such a link is not followed."),
    QT_TRANSLATE_NOOP("Model", "No program reads from the pipe."),
    QT_TRANSLATE_NOOP("Model", "It has no name in any folder (a deleted file)."),
    QT_TRANSLATE_NOOP("Model",
                      "It is a link to \"%1\", which does not exist, and no file is made through "
                      "a link."),
    QT_TRANSLATE_NOOP("Model", "No new file can be made in its folder (%1)."),
    QT_TRANSLATE_NOOP("Model", "It is larger than %1, the largest text file that is read."),
    QT_TRANSLATE_NOOP("Model", "It is larger than %1, the largest settings file that is read."),
    QT_TRANSLATE_NOOP("Model", "%1 MiB"),
    QT_TRANSLATE_NOOP("Model", "%1 KiB"),
    QT_TRANSLATE_NOOP("Model", "%1 bytes"),
    QT_TRANSLATE_NOOP("Model", "Read beyond end of file"),
    QT_TRANSLATE_NOOP("Model", "Invalid file format."),
    // Key files.
    QT_TRANSLATE_NOOP("Model", "Invalid punch card: row %1 has column %2 (columns are 1 to 30)"),
    QT_TRANSLATE_NOOP("Model", "Invalid punch card: rows %1 and %2 are both punched in column %3"),
    // Texts.
    QT_TRANSLATE_NOOP("Model", "the text is not well-formed UTF-8"),
    QT_TRANSLATE_NOOP("Model", "Windows-1251 has no byte for %1 character: %2"),
    QT_TRANSLATE_NOOP("Model", "Windows-1251 has no byte for %1 characters: %2"),
    QT_TRANSLATE_NOOP("Model", "U+%1 at line %2, column %3"),
    // The settings file at close.
    QT_TRANSLATE_NOOP("Model",
                      "The settings file \"%1\" is damaged, and no copy of it could be made, so "
                      "it was left as it is and the settings were not saved. %2"),
    QT_TRANSLATE_NOOP("Model",
                      "The settings file \"%1\" was damaged. It was kept as \"%2\", but the "
                      "settings could not be written to a fresh file. %3"),
    QT_TRANSLATE_NOOP("Model",
                      "The settings file \"%1\" was damaged. It was kept as \"%2\", and the "
                      "settings were written to a fresh file."),
    QT_TRANSLATE_NOOP("Model", "The settings could not be saved. %1"),
    QT_TRANSLATE_NOOP("Model",
                      "The settings file \"%1\" is damaged, so the language was not kept in it."),
    // Several details in a row, each translated on its own (kept last: it matches the most).
    QT_TRANSLATE_NOOP("Model", "%1; %2"),
};

struct Pattern {
    QRegularExpression match;
    const char* text;
};

// The texts with changing parts, as anchored patterns in the table's order.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        std::vector<Pattern> list;
        for (const char* text : kTexts) {
            const QString english = QString::fromUtf8(text);
            if (!english.contains(placeholder)) continue;
            QString expression = QRegularExpression::escape(english);
            expression.replace(QRegularExpression(QStringLiteral("\\\\?%\\d")),
                               QStringLiteral("(.+?)"));
            list.push_back({QRegularExpression(QStringLiteral("^") + expression +
                                               QStringLiteral("$"),
                                               QRegularExpression::DotMatchesEverythingOption),
                            text});
        }
        return list;
    }();
    return patterns;
}

QString Translate(const QString& english, int depth) {
    static const QHash<QString, const char*> whole = [] {
        QHash<QString, const char*> table;
        for (const char* text : kTexts) table.insert(QString::fromUtf8(text), text);
        return table;
    }();
    if (const auto found = whole.constFind(english); found != whole.constEnd())
        return QCoreApplication::translate(kContext, found.value());
    if (depth > 3) return english;
    for (const Pattern& p : Patterns()) {
        const QRegularExpressionMatch m = p.match.match(english);
        if (!m.hasMatch()) continue;
        // The placeholders stand in the text's order: %1 is the first captured part.
        QString result = QCoreApplication::translate(kContext, p.text);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            result = result.arg(Translate(m.captured(i), depth + 1));
        return result;
    }
    return english;
}

}  // namespace

QString ModelText(const QString& english) {
    return Translate(english, 0);
}

}  // namespace q417
