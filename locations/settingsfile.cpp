#include "locations/settingsfile.h"

#include "texts/appinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString BaseName = QStringLiteral("shutterly.ini");

// An installed copy lies in bin/ of a prefix whose share/applications holds its menu entry.
bool InstalledIn(const QString& programDir)
{
    const QString entry = QStringLiteral("../share/applications/%1.desktop").arg(QLatin1String(ApplicationId));
    return QFileInfo::exists(QDir(programDir).filePath(entry));
}

}  // namespace

QString SettingsFilePath(const QString& programDir, const QString& configDir)
{
    const QString besideProgram = QDir(programDir).filePath(BaseName);
    const QFileInfo folder(programDir);
    if (QFileInfo::exists(besideProgram) || (folder.isDir() && folder.isWritable() && !InstalledIn(programDir)))
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

QString SettingsReadProblem(const QString& fileName)
{
    const QFileInfo file(fileName);
    if (!file.exists() || file.isReadable())
        return {};
    return QCoreApplication::translate(
               "Messages", "Unable to read %1: its places and options are not shown, and it is left as it is.")
        .arg(fileName);
}
