#include "locations/inifile.h"

#include "controls/errors.h"
#include "controls/numbers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <climits>
#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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
void rememberFirstHeader(QHash<TSectionName, int>& headers, const QString& section, int line)
{
    const TSectionName key{section};
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
    throw EUserError(QCoreApplication::translate("Messages", "Unable to write to %1").arg(fileName));
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

// Whether the user may write there by the access rules and by the entry's own write bits: the
// superuser passes every access check, yet a file or folder made read-only is meant to stay.
bool hasWriteBits(const QFileInfo& entry)
{
    constexpr auto AnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return entry.isWritable() && (entry.permissions() & AnyWrite);
}

// The file a save replaces: the end of the chain of links from `name`, which is replaced in its
// own folder so that the link stays a link. Null when a link may not be followed: the superuser
// follows only its own links, so that another user's link cannot aim its writes at a file of
// the system.
std::optional<QString> fileToReplace(const QString& name)
{
    constexpr int MostLinks = 40;
    QString path = QFileInfo(name).absoluteFilePath();
    for (int links = 0; links < MostLinks; ++links) {
        const QByteArray encoded = QFile::encodeName(path);
        struct stat link {};
        if (::lstat(encoded.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return path;
        if (::geteuid() == 0 && link.st_uid != 0)
            return std::nullopt;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(encoded.constData(), target.data(), target.size());
        if (length <= 0 || length >= target.size())
            return std::nullopt;
        target.truncate(length);
        path = QDir::cleanPath(QFileInfo(path).absoluteDir().absoluteFilePath(QFile::decodeName(target)));
    }
    return std::nullopt;
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

bool TSectionName::operator==(const TSectionName& other) const { return sameName(name, other.name); }

// Names equal but for letter case hash alike: each UTF-16 unit folded on its own, which is how
// the comparison folds every character outside the supplementary planes; units of those
// planes, which fold only among themselves, are left out of the hash.
size_t qHash(const TSectionName& key, size_t seed) noexcept
{
    size_t hash = seed;
    for (const QChar unit : key.name)
        if (!unit.isSurrogate())
            hash = hash * 31 + unit.toCaseFolded().unicode();
    return hash;
}

TSettingsFileKind SettingsFileKind(const QString& fileName)
{
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? TSettingsFileKind::Missing : TSettingsFileKind::Unknown;
    if (!S_ISREG(status.st_mode))
        return TSettingsFileKind::NotRegular;
    return status.st_size > LargestSettingsFile ? TSettingsFileKind::TooLarge : TSettingsFileKind::Usable;
}

TIniFile::TIniFile(const QString& fileName)
    : FFileName(fileName)
{
    const TSettingsFileKind kind = SettingsFileKind(fileName);
    if (kind == TSettingsFileKind::Missing)
        return;
    QFile file(fileName);
    if (kind != TSettingsFileKind::Usable || !file.open(QIODevice::ReadOnly)) {
        FReadable = false;
        return;
    }
    const QByteArray content = file.readAll();
    qsizetype start = 0;
    bool firstLine = true;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        QByteArray text;
        QByteArray eol;
        if (end < 0) {
            text = content.mid(start);
            end = content.size();
        } else {
            const bool crlf = end > start && content[end - 1] == '\r';
            text = content.mid(start, end - start - (crlf ? 1 : 0));
            eol = crlf ? "\r\n" : "\n";
        }
        if (firstLine && eol == "\r\n")
            FNewLineEnding = "\r\n";
        // Only a line that starts with "[" (after blanks, and a byte order mark on the first
        // line) can open a section: the others need not be decoded for that.
        const QByteArrayView lead = QByteArrayView(text).trimmed();
        const bool mayOpen = lead.startsWith('[') || (firstLine && lead.startsWith("\xEF\xBB\xBF"));
        const QString name = mayOpen ? sectionName(decoded(text, firstLine)) : QString();
        if (name.isNull())
            FSections.last().lines.append(parsedLine(text, eol, firstLine));
        else
            FSections.append(TSection{name, TLine{text, eol, {}}, {}});
        firstLine = false;
        start = end + 1;
    }
}

void TIniFile::indexSections() const
{
    FFirstSection.clear();
    FLastFound = 0;
    for (int i = 1; i < FSections.size(); ++i)
        rememberFirstHeader(FFirstSection, FSections[i].name, i);
    FSectionsIndexed = true;
}

int TIniFile::findSection(const QString& section) const
{
    // Writes come in runs on one section: the last one found needs no case folding.
    if (FSectionsIndexed && FLastFound > 0 && FLastFound < FSections.size() &&
        sameName(FSections[FLastFound].name, section))
        return FLastFound;
    if (!FSectionsIndexed)
        indexSections();
    const int found = FFirstSection.value(TSectionName{section}, -1);
    if (found > 0)
        FLastFound = found;
    return found;
}

int TIniFile::findKey(const TSection& section, const QString& key) const
{
    for (int i = 0; i < section.lines.size(); ++i)
        if (!section.lines[i].key.isNull() && sameName(section.lines[i].key, key))
            return i;
    return -1;
}

TIniFile::TLine TIniFile::parsedLine(const QByteArray& text, const QByteArray& eol, bool firstLine)
{
    TLine line{text, eol, {}};
    // Only the key is decoded: the value is read when asked for.
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return line;
    const QString left = decoded(text.first(equals), firstLine);
    const QString trimmed = left.trimmed();
    if (!trimmed.isEmpty() && !isComment(trimmed) && !trimmed.startsWith(u'['))
        line.key = trimmed;
    return line;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const int found = findSection(section);
    if (found < 0)
        return def;
    const int line = findKey(FSections[found], key);
    if (line < 0)
        return def;
    QString name;
    QString value;
    splitKeyLine(decoded(FSections[found].lines[line].text, false), name, value);
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
    for (int i = 1; i < FSections.size(); ++i)
        names.append(FSections[i].name);
    return names;
}

TIniFile::TLine* TIniFile::lastLine()
{
    for (qsizetype i = FSections.size() - 1; i >= 0; --i) {
        TSection& section = FSections[i];
        if (!section.lines.isEmpty())
            return &section.lines.last();
        if (!section.name.isNull())
            return &section.header;
    }
    return nullptr;
}

int TIniFile::appendSection(const QString& name)
{
    // A last line without its line ending gets one before anything follows it.
    if (TLine* last = lastLine(); last && last->eol.isEmpty())
        last->eol = FNewLineEnding;
    FSections.append(TSection{name, TLine{'[' + name.toUtf8() + ']', FNewLineEnding, {}}, {}});
    const int index = int(FSections.size() - 1);
    // An earlier section of the same name stays the first.
    if (FSectionsIndexed)
        rememberFirstHeader(FFirstSection, name, index);
    return index;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');

    int found = findSection(section);
    if (found < 0)
        found = appendSection(section);
    const bool lastSection = found == FSections.size() - 1;
    QList<TLine>& lines = FSections[found].lines;
    const int line = findKey(FSections[found], key);
    if (line >= 0) {
        // Keep the key as spelled in the file and the blanks after its "=".
        QByteArray& text = lines[line].text;
        qsizetype valueStart = text.indexOf('=') + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
            ++valueStart;
        const QByteArray written = oneLine.toUtf8();
        if (QByteArrayView(text).sliced(valueStart).trimmed() == QByteArrayView(written).trimmed())
            return;
        text.truncate(valueStart);
        text += written;
    } else {
        // After the section's last non-blank line, so that blank lines between sections stay.
        qsizetype at = lines.size();
        while (at > 0 && lines[at - 1].text.trimmed().isEmpty())
            --at;
        if (lastSection && at == lines.size())
            if (TLine* last = lastLine(); last->eol.isEmpty())
                last->eol = FNewLineEnding;
        lines.insert(at, parsedLine(key.toUtf8() + '=' + oneLine.toUtf8(), FNewLineEnding, false));
    }
    changed();
}

void TIniFile::WriteInteger(const QString& section, const QString& key, qint64 value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    const int found = findSection(section);
    const int line = found < 0 ? -1 : findKey(FSections[found], key);
    if (line < 0)
        return;
    FSections[found].lines.removeAt(line);
    changed();
}

void TIniFile::EraseSection(const QString& section) { EraseSections({section}); }

void TIniFile::EraseSections(const QStringList& sections)
{
    QSet<TSectionName> erased;
    for (const QString& section : sections)
        erased.insert(TSectionName{section});
    const qsizetype before = FSections.size();
    // The lines before the first header belong to no section and stay.
    FSections.erase(std::remove_if(FSections.begin() + 1, FSections.end(),
                                   [&](const TSection& each) { return erased.contains(TSectionName{each.name}); }),
                    FSections.end());
    if (FSections.size() == before)
        return;
    FSectionsIndexed = false;
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
    const std::optional<QString> replaced = fileToReplace(FFileName);
    if (!replaced)
        throwUnableToWrite(FFileName);
    const QFileInfo target(*replaced);
    if (!FReadable || (target.exists() && (!target.isFile() || !hasWriteBits(target))) ||
        !hasWriteBits(QFileInfo(target.absolutePath())))
        throwUnableToWrite(FFileName);
    struct stat before {};
    const bool existed = ::stat(QFile::encodeName(*replaced).constData(), &before) == 0;

    removeStaleTemporaries(target);
    // Unbuffered, so that a short write (a full disk) shows at the write and not at a flush
    // whose failure the commit may not notice.
    QSaveFile file(*replaced);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwUnableToWrite(FFileName);
    // The replacement is the same file to its owner: the superuser saving another user's file
    // (through a link of its own, or by name) leaves it that user's, with its mode.
    if (existed) {
        if (::fchmod(file.handle(), before.st_mode & 07777) != 0 ||
            (::geteuid() == 0 && ::fchown(file.handle(), before.st_uid, before.st_gid) != 0)) {
            file.cancelWriting();
            throwUnableToWrite(FFileName);
        }
    }
    QByteArray content;
    const auto append = [&content](const TLine& line) {
        content += line.text;
        content += line.eol;
    };
    for (const TSection& section : std::as_const(FSections)) {
        if (!section.name.isNull())
            append(section.header);
        for (const TLine& line : section.lines)
            append(line);
    }
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
