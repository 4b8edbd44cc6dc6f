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
        QDir(programDir).filePath(QStringLiteral("../share/metainfo/io.github.q417.Q417.metainfo.xml")));
}

}  // namespace

QString SettingsFilePathIn(const QString& programDir, const QString& userConfigDir) {
    const QString beside = QDir(programDir).filePath(QString::fromLatin1(kSettingsFileName));
    const QFileInfo folder(programDir);
    if (!IsInstalledCopy(programDir) &&
        (QFileInfo::exists(beside) || (folder.isDir() && folder.isWritable())))
        return beside;
    QDir().mkpath(userConfigDir);
    return QDir(userConfigDir).filePath(QString::fromLatin1(kSettingsFileName));
}

QString SettingsFilePath() {
    return SettingsFilePathIn(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace q417
