#include "locations/settingsfile.h"

#include "texts/appinfo.h"

#include "testfiles.h"

#include <gtest/gtest.h>

namespace {

class SettingsFileLocation : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkdir(program);
        QDir().mkdir(config);
    }

    // The settings path as an unprivileged user sees it, for folders root could write to anyway.
    QString pathAsUser() const
    {
        const QString answer = folder.path("answer");
        const int result = runUnprivileged([&] {
            writeBytes(answer, SettingsFilePath(program, config).toUtf8());
            return 0;
        });
        if (result != 0)
            return {};
        return QString::fromUtf8(readBytes(answer));
    }

    TTestFolder folder;
    QString program = folder.path("program");
    QString config = folder.path("config");
};

TEST_F(SettingsFileLocation, BesideTheProgramWhenThatFolderIsWritable)
{
    EXPECT_EQ(SettingsFilePath(program, config), program + "/shutterly.ini");
}

// Installed into a prefix (bin/ beside share/applications with the menu entry), the program keeps
// its settings where desktop programs keep them, even in a folder the user may write to.
TEST_F(SettingsFileLocation, InTheConfigurationFolderWhenInstalledInAPrefix)
{
    const QString prefix = folder.path("prefix");
    ASSERT_TRUE(QDir().mkpath(prefix + "/bin"));
    ASSERT_TRUE(QDir().mkpath(prefix + "/share/applications"));
    EXPECT_EQ(SettingsFilePath(prefix + "/bin", config), prefix + "/bin/shutterly.ini") << "no entry yet";
    writeBytes(prefix + "/share/applications/" + ApplicationId + ".desktop", "[Desktop Entry]\n");
    EXPECT_EQ(SettingsFilePath(prefix + "/bin", config), config + "/shutterly.ini");
    // A file that is already there is still used.
    writeBytes(prefix + "/bin/shutterly.ini", "[Current]\n");
    EXPECT_EQ(SettingsFilePath(prefix + "/bin", config), prefix + "/bin/shutterly.ini");
}

TEST_F(SettingsFileLocation, InTheConfigurationFolderWhenTheProgramFolderIsNoFolder)
{
    // Holds for root as well: nothing can be created below a regular file.
    const QString file = folder.path("program-file");
    writeBytes(file, "x");
    EXPECT_EQ(SettingsFilePath(file, config), config + "/shutterly.ini");
}

struct TFolderCase {
    const char* name;
    bool fileBesideProgram;
    const char* expected;  // "program" or "config"
};

class SettingsFileReadOnlyProgramFolder : public SettingsFileLocation,
                                          public ::testing::WithParamInterface<TFolderCase> {};

TEST_P(SettingsFileReadOnlyProgramFolder, UsesAnExistingFileThereAndTheConfigurationFolderOtherwise)
{
    if (GetParam().fileBesideProgram)
        writeBytes(program + "/shutterly.ini", "[Current]\n");
    QFile::setPermissions(program, QFileDevice::Permissions(0x5555));
    const QString path = pathAsUser();
    QFile::setPermissions(program, QFileDevice::Permissions(0x7777));
    if (path.isEmpty())
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    const QString expected = QString::fromLatin1(GetParam().expected) == "program" ? program : config;
    EXPECT_EQ(path, expected + "/shutterly.ini");
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFileReadOnlyProgramFolder,
                         ::testing::Values(TFolderCase{"NoFile", false, "config"},
                                           TFolderCase{"FileThere", true, "program"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file named on the command line is taken as it is, without looking at the program's folder.
TEST_F(SettingsFileLocation, FileNamedByTheUserWins)
{
    const QString requested = folder.path("elsewhere.ini");
    EXPECT_EQ(SettingsFileName(requested), requested);
}

// A settings file the user may not read is said so at the start, not shown as one without
// places; a missing file is no problem.
TEST_F(SettingsFileLocation, AnUnreadableFileIsNamedAtTheStart)
{
    const QString file = folder.path("locked.ini");
    EXPECT_EQ(SettingsReadProblem(file), "") << "not there yet";
    writeBytes(file, "[Location0]\nName=Home\n");
    EXPECT_EQ(SettingsReadProblem(file), "");
    QFile::setPermissions(file, QFileDevice::Permissions());
    const QString answer = folder.path("answer");
    const int result = runUnprivileged([&] {
        writeBytes(answer, SettingsReadProblem(file).toUtf8());
        return 0;
    });
    if (result == CannotDropPrivileges)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(QString::fromUtf8(readBytes(answer)),
              "Unable to read " + file + ": its places and options are not shown, and it is left as it is.");
}

}  // namespace
