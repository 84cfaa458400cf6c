#include "locations/inifile.h"

#include "controls/errors.h"
#include "testfiles.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A file as people edit it by hand: comments, odd spacing, letter case, Windows line endings,
// a byte-order mark and sections this program does not know.
const QByteArray HandEdited = "\xEF\xBB\xBF; written by hand\r\n"
                              "[current]\r\n"
                              "  rotate = 180 \r\n"
                              "Color=2\r\n"
                              "\r\n"
                              "[Other]\r\n"
                              "Key=Value, with = signs\r\n";

ino_t inode(const QString& path)
{
    struct stat info {};
    stat(path.toLocal8Bit().constData(), &info);
    return info.st_ino;
}

class IniFile : public ::testing::Test {
protected:
    TTestFolder folder;
    QString fileName = folder.path("settings.ini");
};

struct TReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

class IniFileRead : public IniFile, public ::testing::WithParamInterface<TReadCase> {};

TEST_P(IniFileRead, FindsNamesInAnyLetterCaseAndTakesValuesLiterally)
{
    writeBytes(fileName, HandEdited);
    const TIniFile file(fileName);
    EXPECT_EQ(file.ReadString(GetParam().section, GetParam().key, "<default>"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFileRead,
                         ::testing::Values(TReadCase{"Current", "Rotate", "180"}, TReadCase{"CURRENT", "color", "2"},
                                           TReadCase{"other", "KEY", "Value, with = signs"},
                                           TReadCase{"Current", "Index", "<default>"},
                                           TReadCase{"Missing", "Key", "<default>"},
                                           // A byte-order mark is not part of the first line's text.
                                           TReadCase{"; written by hand", "Rotate", "<default>"}));

struct TIntegerCase {
    const char* value;
    int expected;
};

class IniFileInteger : public IniFile, public ::testing::WithParamInterface<TIntegerCase> {};

TEST_P(IniFileInteger, ReadsWholeNumbersOrGivesTheDefault)
{
    writeBytes(fileName, QByteArray("[S]\nK=") + GetParam().value + "\n");
    EXPECT_EQ(TIniFile(fileName).ReadInteger("S", "K", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFileInteger,
                         ::testing::Values(TIntegerCase{"42", 42}, TIntegerCase{" -271800 ", -271800},
                                           TIntegerCase{"$1F", 31}, TIntegerCase{"abc", -7}, TIntegerCase{"12abc", -7},
                                           TIntegerCase{"1.5", -7}, TIntegerCase{"", -7},
                                           TIntegerCase{"99999999999", -7}));

TEST_F(IniFile, MissingFileReadsAsEmptyAndIsNotCreatedByReading)
{
    const TIniFile file(fileName);
    EXPECT_EQ(file.ReadString("Current", "Rotate", "d"), "d");
    EXPECT_TRUE(file.Sections().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(fileName));
}

TEST_F(IniFile, WriteChangesOnlyItsOwnLine)
{
    writeBytes(fileName, HandEdited);
    TIniFile(fileName).WriteString("CURRENT", "Rotate", "0");
    QByteArray expected = HandEdited;
    expected.replace("  rotate = 180 \r\n", "  rotate = 0\r\n");
    EXPECT_EQ(readBytes(fileName), expected);
}

TEST_F(IniFile, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEndOfTheFile)
{
    writeBytes(fileName, HandEdited);
    TIniFile file(fileName);
    file.WriteInteger("Current", "Index", 3);
    file.WriteString("Location0", "Name", "Home");
    QByteArray expected = HandEdited;
    expected.replace("Color=2\r\n", "Color=2\r\nIndex=3\r\n");
    expected += "[Location0]\r\nName=Home\r\n";
    EXPECT_EQ(readBytes(fileName), expected);
    EXPECT_EQ(TIniFile(fileName).ReadInteger("current", "index", 0), 3);
}

TEST_F(IniFile, LastLineWithoutLineEndingGetsOneBeforeNewLines)
{
    writeBytes(fileName, "[A]\nX=1");
    TIniFile(fileName).WriteString("A", "Y", "2");
    EXPECT_EQ(readBytes(fileName), "[A]\nX=1\nY=2\n");
}

TEST_F(IniFile, LineBreaksInAValueCannotStartNewSections)
{
    TIniFile(fileName).WriteString("Location0", "Name", "Home\n[Current]\r\nIndex=9");
    const TIniFile file(fileName);
    EXPECT_EQ(file.ReadString("Location0", "Name", ""), "Home [Current]  Index=9");
    EXPECT_EQ(file.Sections(), QStringList{"Location0"});
}

TEST_F(IniFile, EraseSectionRemovesEveryCopyAndKeepsTheRest)
{
    writeBytes(fileName, "[A]\nX=1\n[b]\nY=2\n\n[C]\nZ=3\n[B]\nW=4\n");
    TIniFile(fileName).EraseSection("B");
    EXPECT_EQ(readBytes(fileName), "[A]\nX=1\n[C]\nZ=3\n");
}

TEST_F(IniFile, EraseSectionsTakesSeveralNamesInAnyCaseAndLeavesTheLinesBeforeTheFirst)
{
    writeBytes(fileName, "; top\n[A]\nX=1\n[b]\nY=2\n[C]\nZ=3\n[D]\nW=4\n");
    TIniFile file(fileName);
    file.EraseSections({"B", "d", "missing"});
    EXPECT_EQ(readBytes(fileName), "; top\n[A]\nX=1\n[C]\nZ=3\n");
    // What is left is still found, and a key added to a section before the last stays in it.
    file.WriteString("a", "New", "5");
    EXPECT_EQ(readBytes(fileName), "; top\n[A]\nX=1\nNew=5\n[C]\nZ=3\n");
    EXPECT_EQ(TIniFile(fileName).ReadString("c", "z", ""), "3");
}

TEST_F(IniFile, WritingTheValueAlreadyStoredLeavesTheFileAlone)
{
    writeBytes(fileName, HandEdited);
    const ino_t before = inode(fileName);
    TIniFile(fileName).WriteString("current", "ROTATE", "180");
    EXPECT_EQ(inode(fileName), before);
    EXPECT_EQ(readBytes(fileName), HandEdited);
}

TEST_F(IniFile, EachWriteReplacesTheFileAtOnce)
{
    TIniFile file(fileName);
    file.WriteString("A", "X", "1");
    EXPECT_EQ(readBytes(fileName), "[A]\nX=1\n");
    const ino_t first = inode(fileName);
    file.WriteString("A", "Y", "2");
    EXPECT_EQ(readBytes(fileName), "[A]\nX=1\nY=2\n");
    EXPECT_NE(inode(fileName), first) << "the file was rewritten in place, not replaced";
}

TEST_F(IniFile, BatchPutsAllWritesOnDiskTogether)
{
    TIniFile file(fileName);
    file.Batch([&] {
        file.WriteString("A", "X", "1");
        EXPECT_FALSE(QFileInfo::exists(fileName));
        file.WriteString("A", "Y", "2");
    });
    EXPECT_EQ(readBytes(fileName), "[A]\nX=1\nY=2\n");
}

// The failures below are real for root too: root cannot rename a file over a folder, cannot
// create a file below a regular file, and is bound by the file-size limit.

TEST_F(IniFile, TargetThatIsAFolderGivesTheMessage)
{
    QDir().mkdir(fileName);
    TIniFile file(fileName);
    try {
        file.WriteString("A", "X", "1");
        FAIL() << "no error";
    } catch (const EUserError& error) {
        EXPECT_EQ(error.message(), "Unable to write to " + fileName);
    }
    EXPECT_TRUE(QFileInfo(fileName).isDir());
}

TEST_F(IniFile, FolderReplacedByAFileGivesTheMessage)
{
    writeBytes(folder.path("program"), "not a folder");
    const QString inside = folder.path("program/settings.ini");
    EXPECT_THROW(TIniFile(inside).WriteString("A", "X", "1"), EUserError);
    EXPECT_EQ(readBytes(folder.path("program")), "not a folder");
}

TEST_F(IniFile, FullDiskLeavesTheOldFileByteForByte)
{
    writeBytes(fileName, HandEdited);
    TIniFile file(fileName);
    {
        const TFileSizeLimit limit(16);
        EXPECT_THROW(file.WriteString("Other", "Long", QString(200, u'x')), EUserError);
    }
    EXPECT_EQ(readBytes(fileName), HandEdited);
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList{"settings.ini"}) << "temporary file left";
}

struct TReadOnlyCase {
    const char* name;
    QFileDevice::Permissions folder;
    QFileDevice::Permissions file;
};

class IniFileReadOnly : public IniFile, public ::testing::WithParamInterface<TReadOnlyCase> {
protected:
    // The hand-edited file in a folder of its own, both with the case's permissions.
    void SetUp() override
    {
        QDir().mkdir(sub);
        writeBytes(target, HandEdited);
        QFile::setPermissions(target, GetParam().file);
        QFile::setPermissions(sub, GetParam().folder);
    }
    void TearDown() override { QFile::setPermissions(sub, QFileDevice::Permissions(0x7777)); }

    const QString sub = folder.path(GetParam().name);
    const QString target = sub + "/shutterly.ini";
};

TEST_P(IniFileReadOnly, GivesTheMessageAndLeavesTheFileByteForByte)
{
    const int result = runUnprivileged([&] {
        try {
            TIniFile(target).WriteString("Current", "Rotate", "0");
        } catch (const EUserError& error) {
            return error.message() == "Unable to write to " + target ? 0 : 2;
        }
        return 1;
    });
    if (result == CannotDropPrivileges)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(result, 0) << "1: the write succeeded, 2: another message";
    EXPECT_EQ(readBytes(target), HandEdited);
}

constexpr auto Everyone = QFileDevice::Permissions(0x7777);
constexpr auto ReadOnly = QFileDevice::Permissions(0x5555);
constexpr auto WriteOnly = QFileDevice::Permissions(0x2222);

INSTANTIATE_TEST_SUITE_P(Cases, IniFileReadOnly,
                         ::testing::Values(TReadOnlyCase{"ReadOnlyFile", Everyone, ReadOnly},
                                           TReadOnlyCase{"ReadOnlyFolder", ReadOnly, Everyone},
                                           // Writing a file one cannot read would drop what it holds.
                                           TReadOnlyCase{"UnreadableFile", Everyone, WriteOnly}),
                         [](const auto& info) { return std::string(info.param.name); });

// The running user, the superuser too, leaves a read-only file or folder as it is.
class IniFileReadOnlyForAnyone : public IniFileReadOnly {};

TEST_P(IniFileReadOnlyForAnyone, GivesTheMessageAndLeavesTheFileAndItsMode)
{
    QString message;
    try {
        TIniFile(target).WriteString("Current", "Rotate", "0");
    } catch (const EUserError& error) {
        message = error.message();
    }
    EXPECT_EQ(message, "Unable to write to " + target);
    EXPECT_EQ(readBytes(target), HandEdited);
    // The "user" bits say what the running user may do; the mode is the rest.
    constexpr auto Mode = QFileDevice::Permissions(0x7077);
    EXPECT_EQ(QFile::permissions(target) & Mode, GetParam().file & Mode);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFileReadOnlyForAnyone,
                         ::testing::Values(TReadOnlyCase{"ReadOnlyFile", Everyone, ReadOnly},
                                           TReadOnlyCase{"ReadOnlyFolder", ReadOnly, Everyone}),
                         [](const auto& info) { return std::string(info.param.name); });

// A pipe or a device in the settings file's place is neither read (that would block or never
// end) nor replaced.
TEST_F(IniFile, WhatIsNoRegularFileIsNotReadNorWritten)
{
    const QString pipe = folder.path("pipe.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& name : {pipe, QStringLiteral("/dev/zero")}) {
        TIniFile file(name);
        EXPECT_TRUE(file.Sections().isEmpty());
        EXPECT_THROW(file.WriteString("Current", "Rotate", "0"), EUserError) << qPrintable(name);
    }
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

TEST_F(IniFile, ReplacementKeepsThePermissionsOfTheFile)
{
    writeBytes(fileName, "[A]\nX=1\n");
    const auto shared = QFileDevice::Permissions(0x6644);
    QFile::setPermissions(fileName, shared);
    TIniFile(fileName).WriteString("A", "X", "2");
    EXPECT_EQ(QFile::permissions(fileName), shared);
}

}  // namespace
