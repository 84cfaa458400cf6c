#include "locations/inifile.h"

#include "controls/errors.h"
#include "controls/numbers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char16_t ByteOrderMark = 0xFEFF;

QString decoded(const QByteArray& text, bool firstLine)
{
    QString line = QString::fromUtf8(text);
    if (firstLine && line.startsWith(QChar(ByteOrderMark)))
        line.remove(0, 1);
    return line;
}

bool isComment(const QString& trimmed) { return trimmed.startsWith(u';') || trimmed.startsWith(u'#'); }

// The name of the section a line opens, or a null string when it opens none.
QString sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return {};
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return {};
    const QString name = trimmed.mid(1, close - 1).trimmed();
    return name.isNull() ? QStringLiteral("") : name;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Records the header line of a section unless an earlier header of that name is known.
void rememberFirstHeader(QHash<QString, int>& headers, const QString& section, int line)
{
    const QString key = section.toCaseFolded();
    if (!headers.contains(key))
        headers.insert(key, line);
}

// Splits "key = value" at its first "="; false for lines that hold no key.
bool splitKeyLine(const QString& line, QString& key, QString& value)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || isComment(trimmed) || trimmed.startsWith(u'['))
        return false;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return false;
    key = line.left(equals).trimmed();
    value = line.mid(equals + 1).trimmed();
    return !key.isEmpty();
}

[[noreturn]] void throwUnableToWrite(const QString& fileName)
{
    throw EUserError(QStringLiteral("Unable to write to %1").arg(fileName));
}

// Makes a rename in the folder durable. Not every file system can sync a folder; the file's
// content is synced already, so a failure here loses at most the newest replacement.
void syncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

// A save killed between writing its temporary file ("<name>.XXXXXX", six letters or digits,
// beside the target) and renaming it leaves that file behind. Such a file is ours when it is a
// plain file of this user with exactly that name; it is stale when it is older than any save
// takes, so that the temporary file of another copy of the program saving right now stays.
void removeStaleTemporaries(const QFileInfo& target)
{
    constexpr qint64 StaleAfterSeconds = 60;
    static const QRegularExpression randomPart(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QString prefix = target.fileName() + u'.';
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-StaleAfterSeconds);
    const QFileInfoList entries = target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (!name.startsWith(prefix) || !randomPart.match(name.mid(prefix.size())).hasMatch())
            continue;
        if (entry.isSymLink() || !entry.isFile() || entry.ownerId() != ::geteuid())
            continue;
        if (entry.lastModified() < staleBefore)
            QFile::remove(entry.absoluteFilePath());
    }
}

}  // namespace

TIniFile::TIniFile(const QString& fileName)
    : FFileName(fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        FReadable = false;
        return;
    }
    const QByteArray content = file.readAll();
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        TLine line;
        if (end < 0) {
            line.text = content.mid(start);
            end = content.size();
        } else {
            const bool crlf = end > start && content[end - 1] == '\r';
            line.text = content.mid(start, end - start - (crlf ? 1 : 0));
            line.eol = crlf ? "\r\n" : "\n";
        }
        FLines.append(parsedLine(line.text, line.eol, FLines.isEmpty()));
        start = end + 1;
    }
    if (!FLines.isEmpty() && FLines.first().eol == "\r\n")
        FNewLineEnding = "\r\n";
}

void TIniFile::indexSections() const
{
    FFirstHeader.clear();
    for (int i = 0; i < FLines.size(); ++i)
        if (!FLines[i].section.isNull())
            rememberFirstHeader(FFirstHeader, FLines[i].section, i);
    FHeadersIndexed = true;
}

int TIniFile::findSection(const QString& section) const
{
    if (!FHeadersIndexed)
        indexSections();
    return FFirstHeader.value(section.toCaseFolded(), -1);
}

int TIniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < FLines.size() && FLines[i].section.isNull())
        ++i;
    return i;
}

int TIniFile::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (!FLines[i].key.isNull() && sameName(FLines[i].key, key))
            return i;
    return -1;
}

TIniFile::TLine TIniFile::parsedLine(const QByteArray& text, const QByteArray& eol, bool firstLine)
{
    TLine line{text, eol, {}, {}};
    const QString decodedText = decoded(text, firstLine);
    line.section = sectionName(decodedText);
    QString key;
    QString value;
    if (line.section.isNull() && splitKeyLine(decodedText, key, value))
        line.key = key;
    return line;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const int header = findSection(section);
    if (header < 0)
        return def;
    const int line = findKey(header, key);
    if (line < 0)
        return def;
    QString name;
    QString value;
    splitKeyLine(decoded(FLines[line].text, false), name, value);
    return value;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const QString text = ReadString(section, key, QString());
    if (text.isNull())
        return def;
    try {
        return StrToInt(text);
    } catch (const EInputError&) {
        return def;
    }
}

QStringList TIniFile::Sections() const
{
    QStringList names;
    for (const TLine& line : FLines)
        if (!line.section.isNull())
            names.append(line.section);
    return names;
}

void TIniFile::insertLine(int at, const QByteArray& text)
{
    // A last line without its line ending gets one before anything follows it.
    if (at == FLines.size() && !FLines.isEmpty() && FLines.last().eol.isEmpty())
        FLines.last().eol = FNewLineEnding;
    const TLine line = parsedLine(text, FNewLineEnding, false);
    const QString& section = line.section;
    if (FHeadersIndexed) {
        if (at < FLines.size()) {
            for (int& header : FFirstHeader)
                if (header >= at)
                    ++header;
        }
        // An earlier header of the same name stays the first.
        if (!section.isNull())
            rememberFirstHeader(FFirstHeader, section, at);
    }
    FLines.insert(at, line);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');

    int header = findSection(section);
    if (header < 0) {
        header = int(FLines.size());
        insertLine(header, '[' + section.toUtf8() + ']');
    }
    const int line = findKey(header, key);
    if (line >= 0) {
        QString name;
        QString current;
        splitKeyLine(decoded(FLines[line].text, false), name, current);
        if (current == oneLine.trimmed())
            return;
        // Keep the key as spelled in the file and the blanks after its "=".
        const QByteArray& text = FLines[line].text;
        qsizetype valueStart = text.indexOf('=') + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
            ++valueStart;
        FLines[line].text = text.left(valueStart) + oneLine.toUtf8();
    } else {
        // After the section's last non-blank line, so that blank lines between sections stay.
        int at = sectionEnd(header);
        while (at > header + 1 && FLines[at - 1].text.trimmed().isEmpty())
            --at;
        insertLine(at, key.toUtf8() + '=' + oneLine.toUtf8());
    }
    changed();
}

void TIniFile::WriteInteger(const QString& section, const QString& key, qint64 value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    const int header = findSection(section);
    const int line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return;
    FLines.removeAt(line);
    FHeadersIndexed = false;
    changed();
}

void TIniFile::EraseSection(const QString& section)
{
    // One sweep over the lines, however many sections of that name there are.
    QList<TLine> kept;
    kept.reserve(FLines.size());
    bool inErased = false;
    for (const TLine& line : std::as_const(FLines)) {
        if (!line.section.isNull())
            inErased = sameName(line.section, section);
        if (!inErased)
            kept.append(line);
    }
    if (kept.size() == FLines.size())
        return;
    FLines = std::move(kept);
    FHeadersIndexed = false;
    changed();
}

void TIniFile::Batch(const std::function<void()>& writes)
{
    ++FBatchDepth;
    try {
        writes();
    } catch (...) {
        --FBatchDepth;
        throw;
    }
    if (--FBatchDepth == 0 && FDirty)
        save();
}

void TIniFile::changed()
{
    FDirty = true;
    if (FBatchDepth == 0)
        save();
}

void TIniFile::save()
{
    FDirty = false;
    const QFileInfo target(FFileName);
    if (!FReadable || (target.exists() && (!target.isFile() || !target.isWritable())))
        throwUnableToWrite(FFileName);

    removeStaleTemporaries(target);
    // Unbuffered, so that a short write (a full disk) shows at the write and not at a flush
    // whose failure the commit may not notice.
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwUnableToWrite(FFileName);
    QByteArray content;
    for (const TLine& line : std::as_const(FLines))
        content += line.text + line.eol;
    // The toolkit renames without syncing: the content must be on the disk before the name
    // points at it, or a power cut could leave an empty file.
    if (file.write(content) != content.size() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        throwUnableToWrite(FFileName);
    }
    if (!file.commit())
        throwUnableToWrite(FFileName);
    syncFolder(target.absolutePath());
}
