// The settings file at its edges, with the real program: what is no settings file is refused
// before any window, one copy runs per settings file, and the save at the end goes through
// links and leaves read-only files alone.

#include "tests/program/running.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;

constexpr auto Patience = 20s;
constexpr uid_t OtherUser = 4321;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct stat StatusOf(const QString& path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

class Program : public testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }

    // Starts the program on `settings`, its output and errors kept under `name`, in the test's
    // locale or in `locale`.
    std::unique_ptr<TRunningProgram> start(const QByteArray& settings, const QString& name,
                                           const char* locale = nullptr)
    {
        return std::make_unique<TRunningProgram>(std::vector<QByteArray>{"--settings", settings}, path(name + ".out"),
                                                 path(name + ".err"), locale);
    }

    // Waits until the program holds the settings file, as its lock beside the file says.
    static bool holds(const QString& lockFile, const TRunningProgram& program)
    {
        return WaitUntil([&] { return ReadAll(lockFile).startsWith(QByteArray::number(program.pid()) + '\n'); },
                         Patience);
    }

    // Ends the program as the end of a session does; its exit code.
    static std::optional<int> endSession(TRunningProgram& program)
    {
        program.signal(SIGTERM);
        return program.wait(Patience);
    }

    QTemporaryDir folder;
};

TEST_F(Program, WhatIsNoSettingsFileIsRefusedInOneLineBeforeAnyWindow)
{
    const QString pipe = path("pipe.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString large = path("large.ini");
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(64LL * 1024 * 1024 + 1));
    }
    const QByteArray notText = QFile::encodeName(path("bad")) + "\xff\xfe.ini";
    const struct {
        const char* name;
        QByteArray settings;
        const char* says;
    } cases[] = {{"pipe", QFile::encodeName(pipe), "is not a regular file"},
                 {"zero", "/dev/zero", "is not a regular file"},
                 {"random", "/dev/urandom", "is not a regular file"},
                 {"large", QFile::encodeName(large), "is larger than 64 MB"},
                 {"not-text", notText, "is not valid text in this system's encoding"}};
    // The refusals' words are read in English; their German and Thai are the translations' own test.
    for (const auto& c : cases) {
        auto program = start(c.settings, c.name, "C.UTF-8");
        EXPECT_EQ(program->wait(Patience), std::optional<int>(2)) << c.name;
        const QByteArray errors = ReadAll(path(QString::fromLatin1(c.name) + ".err"));
        EXPECT_TRUE(errors.contains(c.says)) << c.name << ": " << errors.toStdString();
        EXPECT_EQ(errors.count('\n'), 1) << c.name << ": " << errors.toStdString();
    }
    // No file of another name was written for the name that is no text.
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& name : left)
        EXPECT_TRUE(name.endsWith(".out") || name.endsWith(".err") || name == "pipe.ini" || name == "large.ini")
            << name.toStdString();
}

// Two copies on one file would each save the list they read: the second start brings the first
// to the front and ends; a copy on another file runs beside it; a killed copy's lock is taken.
TEST_F(Program, OneCopyRunsPerSettingsFile)
{
    const QString settings = path("shutterly.ini");
    const QString lock = settings + ".lock";
    auto first = start(QFile::encodeName(settings), "first");
    ASSERT_TRUE(holds(lock, *first)) << ReadAll(path("first.err")).toStdString();

    auto second = start(QFile::encodeName(settings), "second", "C.UTF-8");
    EXPECT_EQ(second->wait(Patience), std::optional<int>(0));
    EXPECT_TRUE(
        ReadAll(path("second.out"))
            .contains("already running with " + QFile::encodeName(settings) + "; its window is brought to the front"))
        << ReadAll(path("second.out")).toStdString();
    EXPECT_TRUE(first->running());

    const QString other = path("other.ini");
    auto beside = start(QFile::encodeName(other), "beside");
    EXPECT_TRUE(holds(other + ".lock", *beside));
    EXPECT_TRUE(beside->running());

    first->signal(SIGKILL);
    first->wait(Patience);
    auto after = start(QFile::encodeName(settings), "after");
    EXPECT_TRUE(holds(lock, *after)) << "the killed copy's lock is taken over";
    EXPECT_TRUE(after->running());
    EXPECT_EQ(endSession(*after), std::optional<int>(0));
    EXPECT_FALSE(QFileInfo::exists(lock)) << "an ended copy leaves no lock";
    EXPECT_EQ(endSession(*beside), std::optional<int>(0));
}

// The save at the end goes through the link to its target: the link stays, and the file keeps
// its owner and mode.
TEST_F(Program, SaveThroughALinkKeepsTheLinkAndTheFile)
{
    QDir(folder.path()).mkdir("real");
    QDir(folder.path()).mkdir("links");
    const QString target = path("real/shutterly.ini");
    const QString link = path("links/shutterly.ini");
    WriteAll(target, "[Current]\nRotate=180\n");
    ::chmod(QFile::encodeName(target).constData(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(target).constData(), OtherUser, OtherUser), 0);
    }
    ASSERT_TRUE(QFile::link(target, link));

    auto program = start(QFile::encodeName(link), "link");
    ASSERT_TRUE(holds(target + ".lock", *program)) << ReadAll(path("link.err")).toStdString();
    EXPECT_EQ(endSession(*program), std::optional<int>(0)) << ReadAll(path("link.err")).toStdString();

    EXPECT_TRUE(S_ISLNK(StatusOf(link).st_mode));
    EXPECT_TRUE(ReadAll(target).contains("[Calculator]")) << "the end saved the calculator's inputs";
    const struct stat status = StatusOf(target);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, OtherUser);
        EXPECT_EQ(status.st_gid, OtherUser);
    }
}

// A read-only settings file stays as it was, for the superuser too; the end says so once.
TEST_F(Program, ReadOnlyFileStaysAsItWas)
{
    const QString settings = path("shutterly.ini");
    const QByteArray content = "[Current]\nRotate=180\n";
    WriteAll(settings, content);
    ::chmod(QFile::encodeName(settings).constData(), 0444);

    auto program = start(QFile::encodeName(settings), "readonly");
    ASSERT_TRUE(holds(settings + ".lock", *program)) << ReadAll(path("readonly.err")).toStdString();
    EXPECT_EQ(endSession(*program), std::optional<int>(0));

    EXPECT_EQ(ReadAll(settings), content);
    EXPECT_EQ(StatusOf(settings).st_mode & 07777, 0444u);
    // Once, in the words of the suite's language: the message names the file.
    EXPECT_EQ(ReadAll(path("readonly.err")).count(QFile::encodeName(settings)), 1)
        << ReadAll(path("readonly.err")).toStdString();
}

}  // namespace
