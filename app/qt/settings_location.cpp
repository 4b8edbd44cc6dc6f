#include "app/qt/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/settings_file.h"

namespace q417 {

namespace {

// An installed copy has its desktop metadata beside its bin/ folder. Its settings belong to
// the user even when the folder happens to be writable (a program started with sudo), so
// that nothing the package manager does not know about lands in a system folder.
bool IsInstalledCopy(const QString& programDir) {
    return QFileInfo::exists(
        QDir(programDir)
            .filePath(QStringLiteral("../share/metainfo/io.github.q417.Q417.metainfo.xml")));
}

}  // namespace

QString SettingsFilePathIn(const QString& programDir, const QString& userConfigDir) {
    const QString beside = QDir(programDir).filePath(QString::fromLatin1(kSettingsFileName));
    const QFileInfo folder(programDir);
    if (!IsInstalledCopy(programDir) &&
        (QFileInfo::exists(beside) || (folder.isDir() && folder.isWritable())))
        return beside;
    if (userConfigDir.isEmpty()) return {};
    QDir().mkpath(userConfigDir);
    return QDir(userConfigDir).filePath(QString::fromLatin1(kSettingsFileName));
}

QString SettingsFilePath() {
    // Without a home the toolkit would fall back to the root folder ("//.config"); there the
    // settings have no place of the user's own, and none is made.
    const bool homeless =
        qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME");
    const QString userDir =
        homeless ? QString() : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return SettingsFilePathIn(QCoreApplication::applicationDirPath(), userDir);
}

}  // namespace q417
