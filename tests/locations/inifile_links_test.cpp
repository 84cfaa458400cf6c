// A settings file reached through a symbolic link: the save replaces the link's target in its
// own folder, the link stays, and the file keeps its owner and mode. The superuser follows only
// its own links.

#include "locations/inifile.h"

#include "controls/errors.h"
#include "testfiles.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr uid_t OtherUser = 4321;

struct stat StatusOf(const QString& path)
{
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

class IniFileLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkdir(folder.path("real"));
        QDir().mkdir(folder.path("links"));
        writeBytes(target, "[Current]\nRotate=180\n");
        QFile::setPermissions(target, QFileDevice::Permissions(0x6640));
    }

    // A write through `link`; the message it gave, empty when it was written.
    static QString writeThrough(const QString& link)
    {
        try {
            TIniFile(link).WriteString("Current", "Rotate", "0");
        } catch (const EUserError& error) {
            return error.message();
        }
        return {};
    }

    TTestFolder folder;
    QString target = folder.path("real/shutterly.ini");
};

TEST_F(IniFileLink, SaveReplacesTheTargetAndTheLinkStays)
{
    const struct {
        const char* link;
        QString pointsTo;
    } cases[] = {{"links/absolute.ini", target},
                 {"links/relative.ini", "../real/shutterly.ini"},
                 {"links/chain.ini", "absolute.ini"}};
    for (const auto& c : cases) {
        const QString link = folder.path(c.link);
        ASSERT_EQ(symlink(QFile::encodeName(c.pointsTo).constData(), QFile::encodeName(link).constData()), 0);
    }
    for (const auto& c : cases) {
        const QString link = folder.path(c.link);
        writeBytes(target, "[Current]\nRotate=180\n");
        EXPECT_EQ(writeThrough(link), "") << c.link;
        EXPECT_TRUE(S_ISLNK(StatusOf(link).st_mode)) << c.link;
        EXPECT_EQ(readBytes(target), "[Current]\nRotate=0\n") << c.link;
        EXPECT_EQ(StatusOf(target).st_mode & 07777, 0640u) << c.link;
    }
    EXPECT_TRUE(QDir(folder.path("links")).entryList({"*.ini.*"}, QDir::Files | QDir::Hidden).isEmpty())
        << "nothing is written beside the links";
}

// The superuser saving another user's file leaves it that user's.
TEST_F(IniFileLink, SuperuserKeepsTheOwnerOfTheFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    ASSERT_EQ(chown(QFile::encodeName(target).constData(), OtherUser, OtherUser), 0);
    const QString link = folder.path("links/mine.ini");
    ASSERT_TRUE(QFile::link(target, link));
    for (const QString& name : {target, link}) {
        EXPECT_EQ(writeThrough(name), "") << qPrintable(name);
        const struct stat status = StatusOf(target);
        EXPECT_EQ(status.st_uid, OtherUser);
        EXPECT_EQ(status.st_gid, OtherUser);
        EXPECT_EQ(status.st_mode & 07777, 0640u);
    }
}

// Another user's link could aim the superuser's save at any file of the system.
TEST_F(IniFileLink, SuperuserDoesNotFollowAnotherUsersLink)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a link to another user";
    const QString link = folder.path("links/theirs.ini");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(lchown(QFile::encodeName(link).constData(), OtherUser, OtherUser), 0);
    EXPECT_EQ(writeThrough(link), "Unable to write to " + link);
    EXPECT_EQ(readBytes(target), "[Current]\nRotate=180\n");
    EXPECT_TRUE(S_ISLNK(StatusOf(link).st_mode));
}

}  // namespace
