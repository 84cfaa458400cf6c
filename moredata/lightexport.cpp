#include "moredata/lightexport.h"

#include "controls/errors.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <unistd.h>

namespace {

constexpr int FileNameTemplate = 42190;

[[noreturn]] void ThrowUnableToWrite(const QString& fileName)
{
    throw EUserError(QCoreApplication::translate("Messages", "Unable to write to %1").arg(fileName));
}

// A place's name is the user's own text: a slash would make it a path, a control character
// an unreadable name.
QString FileNamePart(const QString& text)
{
    QString part = text.trimmed();
    for (QChar& c : part)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'-';
    return part;
}

}  // namespace

QString LightFileSuffix(TLightFileFormat format)
{
    return format == TLightFileFormat::Csv ? QStringLiteral("csv") : QStringLiteral("ics");
}

QString LightFileFilter(TLightFileFormat format)
{
    return format == TLightFileFormat::Csv ? QStringLiteral("CSV (*.csv)") : QStringLiteral("iCalendar (*.ics)");
}

QString LightExportFileName(const QString& placeName, const QDate& date, TLightFileFormat format)
{
    // The date first: a name may hold "%2%", a date never "%1%".
    QString name = ReplaceAll(QStringLiteral("%2%"), date.toString(Qt::ISODate), LocalString(FileNameTemplate));
    name = ReplaceAll(QStringLiteral("%1%"), FileNamePart(placeName), name);
    return name.simplified() + u'.' + LightFileSuffix(format);
}

void SaveLightFile(const QString& fileName, const QString& content)
{
    const QByteArray bytes = content.toUtf8();
    // Unbuffered, so that a short write (a full disk) shows at the write and not at a flush
    // whose failure the commit may not notice.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        ThrowUnableToWrite(fileName);
    // The content must be on the disk before the name points at it, or a power cut could
    // leave an empty file where the old one was.
    if (file.write(bytes) != bytes.size() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        ThrowUnableToWrite(fileName);
    }
    if (!file.commit())
        ThrowUnableToWrite(fileName);
}
