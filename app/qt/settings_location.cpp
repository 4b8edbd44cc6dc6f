#include "app/qt/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/settings_file.h"

namespace q417 {

QString SettingsFilePathIn(const QString& programDir, const QString& userConfigDir) {
    const QString beside = QDir(programDir).filePath(QString::fromLatin1(kSettingsFileName));
    const QFileInfo folder(programDir);
    if (QFileInfo::exists(beside) || (folder.isDir() && folder.isWritable())) return beside;
    QDir().mkpath(userConfigDir);
    return QDir(userConfigDir).filePath(QString::fromLatin1(kSettingsFileName));
}

QString SettingsFilePath() {
    return SettingsFilePathIn(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

}  // namespace q417
