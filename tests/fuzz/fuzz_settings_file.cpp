// The settings-file parser: any bytes read as a file; a written key reads back, and every line
// the write does not touch stays byte for byte.

#include "controls/errors.h"
#include "fuzz_support.h"
#include "locations/inifile.h"

#include <QFile>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Finding("cannot prepare the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    TFuzzBytes bytes(data, size);
    const quint8 valueLength = bytes.Take<quint8>();
    const QByteArray rest = bytes.Rest();
    const QString value = QString::fromUtf8(rest.left(valueLength));
    const QByteArray content = rest.mid(valueLength);
    const QString path = FuzzFolder().filePath(QStringLiteral("settings.ini"));
    WriteAll(path, content);

    TIniFile file(path);
    // A new section is appended; one the bytes already hold is written in place.
    const QString section = QStringLiteral("Fuzz section \u00e4");
    bool sectionThere = false;
    for (const QString& name : file.Sections()) {
        file.ReadString(name, QStringLiteral("Name"), QString());
        file.ReadInteger(name, QStringLiteral("Index"), 0);
        sectionThere = sectionThere || name.compare(section, Qt::CaseInsensitive) == 0;
    }

    try {
        file.WriteString(section, QStringLiteral("Key"), value);
    } catch (const EUserError&) {
        Finding("a write into a writable folder failed");
    }
    // Only the missing line ending of a last line may come in front of the new section.
    if (!sectionThere && !ReadAll(path).startsWith(content))
        Finding("the write changed lines it did not concern");
    const TIniFile back(path);
    QString expected = value;
    expected.replace(u'\r', u' ').replace(u'\n', u' ');
    if (back.ReadString(section, QStringLiteral("Key"), QStringLiteral("<missing>")) != expected.trimmed())
        Finding("the written value did not read back");
    for (const QString& name : file.Sections()) {
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            continue;
        if (back.ReadString(name, QStringLiteral("Name"), QStringLiteral("<d>")) !=
            file.ReadString(name, QStringLiteral("Name"), QStringLiteral("<d>")))
            Finding("an untouched value changed");
    }
    return 0;
}
