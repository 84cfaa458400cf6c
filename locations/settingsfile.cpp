#include "locations/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString BaseName = QStringLiteral("shutterly.ini");

}  // namespace

QString SettingsFilePath(const QString& programDir, const QString& configDir)
{
    const QString besideProgram = QDir(programDir).filePath(BaseName);
    const QFileInfo folder(programDir);
    if (QFileInfo::exists(besideProgram) || (folder.isDir() && folder.isWritable()))
        return besideProgram;
    return QDir(configDir).filePath(BaseName);
}

QString SettingsFileName(const QString& requested)
{
    if (!requested.isEmpty())
        return requested;
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString path = SettingsFilePath(QCoreApplication::applicationDirPath(), configDir);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}
