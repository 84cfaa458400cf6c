#pragma once
// The settings file: sections in square brackets, one key=value line per entry.
//
// Names of sections and keys are looked up without regard to letter case. A write changes only
// the line it concerns; every other byte of the file (comments, blank lines, unknown sections,
// the spelling and spacing of untouched lines, the line endings) stays as it was. Each write
// reaches the disk before it returns, by writing a temporary file beside the target and renaming
// it over the target, so that a crash or a full disk never leaves a truncated file. A write that
// cannot be done raises EUserError "Unable to write to <file name>" and leaves the file as it was.
// A settings file reached through symbolic links is replaced at the end of the chain, in that
// file's folder, with that file's owner and mode; the superuser follows only its own links.
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

// The largest file read as settings: anything larger is no settings file of this program, and
// reading it would take the memory of the machine.
inline constexpr qint64 LargestSettingsFile = 64LL * 1024 * 1024;

// What lies at a settings file's name, links followed: only a regular file of at most
// LargestSettingsFile bytes is read as one.
enum class TSettingsFileKind { Missing, Usable, NotRegular, TooLarge, Unknown };
TSettingsFileKind SettingsFileKind(const QString& fileName);

// A section name as a hash key that matches its other spellings in letter case, without the
// copy that folding the whole name would make.
struct TSectionName {
    QString name;
    bool operator==(const TSectionName& other) const;
};
size_t qHash(const TSectionName& key, size_t seed = 0) noexcept;

class TIniFile {
public:
    // Reads the file; a missing file reads as empty. What is not a regular file of at most
    // LargestSettingsFile bytes is not read (a pipe would block, a device never end) and cannot
    // be written.
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
    // Removes every section of any of those names, in one pass over the file.
    void EraseSections(const QStringList& sections);

    // The names of all sections, in file order.
    QStringList Sections() const;

    // Runs `writes` and puts their result on disk as one replacement of the file: either all of
    // them reach the file or, when the replacement fails, none.
    void Batch(const std::function<void()>& writes);

private:
    struct TLine {
        QByteArray text;  // without its line ending
        QByteArray eol;   // "\n", "\r\n" or "" (last line without ending)
        QString key;      // the key the line holds; null for other lines
    };
    // A section with the lines that follow its header up to the next one. The lines before
    // the first header form a section of their own, without header and with a null name.
    struct TSection {
        QString name;
        TLine header;
        QList<TLine> lines;
    };
    static TLine parsedLine(const QByteArray& text, const QByteArray& eol, bool firstLine);

    // Index of the first section of that name, or -1.
    int findSection(const QString& section) const;
    // Index of the key's line inside the section, or -1.
    int findKey(const TSection& section, const QString& key) const;
    int appendSection(const QString& name);
    // The last line of the file, or null for an empty file.
    TLine* lastLine();
    void indexSections() const;
    void changed();
    void save();

    QString FFileName;
    // Starts with the lines before the first header; sections keep their own lines, so that a
    // key added or removed anywhere costs only its own section.
    QList<TSection> FSections{TSection{}};
    QByteArray FNewLineEnding = "\n";
    // False when the file exists but could not be read: writing would replace what was not read.
    bool FReadable = true;
    // The first section of each name by its case-folded name, built when first needed and kept
    // up to date by appends, so that writing a long list of sections stays linear.
    mutable QHash<TSectionName, int> FFirstSection;
    mutable bool FSectionsIndexed = false;
    // The section findSection gave last; only good while the index is.
    mutable int FLastFound = 0;
    int FBatchDepth = 0;
    bool FDirty = false;
};
