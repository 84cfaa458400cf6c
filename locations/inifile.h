#pragma once
// The settings file: sections in square brackets, one key=value line per entry.
//
// Names of sections and keys are looked up without regard to letter case. A write changes only
// the line it concerns; every other byte of the file (comments, blank lines, unknown sections,
// the spelling and spacing of untouched lines, the line endings) stays as it was. Each write
// reaches the disk before it returns, by writing a temporary file beside the target and renaming
// it over the target, so that a crash or a full disk never leaves a truncated file. A write that
// cannot be done raises EUserError "Unable to write to <file name>" and leaves the file as it was.
// A save also removes the temporary files of this file that an earlier save, killed before
// its rename, left behind ("<file name>.XXXXXX" of this user, older than a minute).
//
// Values are taken literally, with only the blanks around them removed: quotes, commas and
// further "=" signs belong to the value.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TIniFile {
public:
    // Reads the file; a missing file reads as empty.
    explicit TIniFile(const QString& fileName);

    QString fileName() const { return FFileName; }

    // The value of the first key of that name in the first section of that name, or `def`.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // As ReadString, read as a whole number (decimal or "$" hexadecimal); anything else gives
    // `def`.
    int ReadInteger(const QString& section, const QString& key, int def) const;

    // Sets the value, adding the key (and the section) at the end when missing. Line breaks in
    // the value become blanks: they would otherwise start new lines of the file.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, qint64 value);
    // Removes the first key of that name from the first section of that name, if it is there.
    void DeleteKey(const QString& section, const QString& key);
    // Removes every section of that name with all its lines.
    void EraseSection(const QString& section);

    // The names of all sections, in file order.
    QStringList Sections() const;

    // Runs `writes` and puts their result on disk as one replacement of the file: either all of
    // them reach the file or, when the replacement fails, none.
    void Batch(const std::function<void()>& writes);

private:
    struct TLine {
        QByteArray text;  // without its line ending
        QByteArray eol;   // "\n", "\r\n" or "" (last line without ending)
        QString section;  // the name of the section the line opens; null for other lines
        QString key;      // the key the line holds; null for other lines
    };
    static TLine parsedLine(const QByteArray& text, const QByteArray& eol, bool firstLine);

    // Index of the header line of the first section of that name, or -1.
    int findSection(const QString& section) const;
    // One past the last line of the section whose header is at `header`.
    int sectionEnd(int header) const;
    // Index of the key's line inside the section whose header is at `header`, or -1.
    int findKey(int header, const QString& key) const;
    void insertLine(int at, const QByteArray& text);
    void indexSections() const;
    void changed();
    void save();

    QString FFileName;
    QList<TLine> FLines;
    QByteArray FNewLineEnding = "\n";
    // False when the file exists but could not be read: writing would replace what was not read.
    bool FReadable = true;
    // The first header line of each section by its case-folded name, built when first needed
    // and kept up to date by appends, so that writing a long list of sections stays linear.
    mutable QHash<QString, int> FFirstHeader;
    mutable bool FHeadersIndexed = false;
    int FBatchDepth = 0;
    bool FDirty = false;
};
