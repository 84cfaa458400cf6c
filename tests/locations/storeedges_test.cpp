// The location store at its edges: coordinates that cannot be stored, saves killed halfway,
// the temporary files they leave, and long lists.

#include "controls/errors.h"
#include "locations/coordinatetext.h"
#include "locations/inifile.h"
#include "locations/location.h"
#include "testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

class StoreEdges : public ::testing::Test {
protected:
    TTestFolder folder;
    QString fileName = folder.path("shutterly.ini");
};

TEST(CoordinatesNeverConvertOutOfRange, EditTextOfAbsurdAnglesIsRefused)
{
    for (double degrees : {1e300, -1e300, 3e15, 1.0000001e9, NaN, Inf, -Inf})
        EXPECT_THROW(AngleToEditText(degrees), EInputError) << degrees;
    // Places stored out of range by hand still show, for the editor to mark them.
    EXPECT_EQ(AngleToEditText(1340), "1340:0:0");
    EXPECT_EQ(AngleToEditText(-(596523 + 14 / 60.0 + 8 / 3600.0)), "-596523:14:8");
    EXPECT_EQ(AngleToEditText(-1e9), "-1000000000:0:0");
}

TEST_F(StoreEdges, CoordinatesNeverConvertOutOfRange)
{
    const TLocationList before = {{"Home", 10, 20, 5}};
    SaveLocations(fileName, &before, 0);
    const QByteArray stored = readBytes(fileName);
    const struct {
        double Latitude;
        double Longitude;
    } refused[] = {{3e15, 0},    {596523 + 14 / 60.0 + 8 / 3600.0, 0},
                   {90.0001, 0}, {-90.0001, 0},
                   {NaN, 0},     {0, 180.0001},
                   {0, -1e300},  {0, Inf},
                   {0, NaN}};
    for (const auto& c : refused) {
        const TLocationList list = {{"Home", 1, 2, 3}, {"Odd", c.Latitude, c.Longitude, 0}};
        try {
            SaveLocations(fileName, &list, 1);
            ADD_FAILURE() << c.Latitude << ", " << c.Longitude << " was saved";
        } catch (const EUserError& error) {
            EXPECT_TRUE(error.message().contains("Odd")) << error.message().toStdString();
        }
        EXPECT_EQ(readBytes(fileName), stored) << c.Latitude << ", " << c.Longitude;
    }
    // The ends of the ranges are places, and read back as they were written.
    const TLocationList ends = {{"North", 90, 179.99999, 0}, {"South", -90, -180, 0}};
    SaveLocations(fileName, &ends, 0);
    const TIniFile file(fileName);
    EXPECT_EQ(file.ReadString("Location0", "Longitude", ""), "648000");
    EXPECT_EQ(file.ReadString("Location1", "Latitude", ""), "-324000");
    TLocationList back;
    int index = 0;
    LoadLocations(fileName, back, index);
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0].Longitude, 180);
    EXPECT_EQ(back[1].Latitude, -90);
}

// Sets the file's modification time that many seconds into the past.
void age(const QString& path, int seconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

TEST_F(StoreEdges, StaleTemporaryFilesAreRemovedAtTheNextSave)
{
    const QStringList stale = {"shutterly.ini.Ab12Cd", "shutterly.ini.zzzzzz"};
    // Not ours or not stale: other names, another file's, a folder, and a save running now.
    const QStringList kept = {"shutterly.ini.Ab12C",      "shutterly.ini.Ab12Cd7", "shutterly.ini.Ab-2Cd",
                              "shutterly.ini.Ab12Cd.bak", "other.ini.Ab12Cd",      "shutterly.iniXAb12Cd",
                              "shutterly.ini.Fresh1"};
    for (const QString& name : stale + kept) {
        writeBytes(folder.path(name), "[Location0]\nName=partial");
        if (name != "shutterly.ini.Fresh1")
            age(folder.path(name), 120);
    }
    ASSERT_TRUE(QDir(folder.path("")).mkdir("shutterly.ini.Folder"));

    const TLocationList list = {{"Home", 10, 20, 5}};
    SaveLocations(fileName, &list, 0);

    for (const QString& name : stale)
        EXPECT_FALSE(QFileInfo::exists(folder.path(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo::exists(folder.path(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder.path("shutterly.ini.Folder")).isDir());
}

// A list long enough that sections are inserted, duplicated and erased around the index that
// finds them.
TEST_F(StoreEdges, LongListsKeepEverySectionFindable)
{
    writeBytes(fileName, "[Current]\nIndex=0\n[location5]\nName=Dup\n[Extra]\nKey=1\n[LOCATION5]\nName=Second\n");
    TIniFile file(fileName);
    file.Batch([&] {
        for (int i = 0; i < 300; ++i)
            file.WriteString(QStringLiteral("Location%1").arg(i), "Name", QStringLiteral("P%1").arg(i));
        // New keys in early sections push every later section down.
        file.WriteString("Current", "Rotate", "180");
        file.WriteString("Extra", "Other", "2");
        file.EraseSection("Location7");
        file.WriteString("Location7", "Name", "Back");
    });
    const TIniFile back(fileName);
    for (int i = 0; i < 300; ++i) {
        const QString expected = i == 7 ? "Back" : QStringLiteral("P%1").arg(i);
        EXPECT_EQ(back.ReadString(QStringLiteral("Location%1").arg(i), "Name", "-"), expected) << i;
    }
    EXPECT_EQ(back.ReadString("Current", "Rotate", "-"), "180");
    EXPECT_EQ(back.ReadString("Extra", "Key", "-"), "1");
    EXPECT_EQ(back.ReadString("Extra", "Other", "-"), "2");
    // The first of two sections of one name is the one written; the second stays as it was.
    EXPECT_TRUE(readBytes(fileName).contains("[LOCATION5]\nName=Second\n"));
}

// A child saves two lists in turn for ever; it is killed at random moments. Whatever moment the
// kill hits, the file is one of the two saves byte for byte.
TEST_F(StoreEdges, KillDuringSaveLeavesTheOldOrTheNewFile)
{
    const TLocationList lists[2] = {{{"Home", 10, 20, 5}, {"Coast", -33.5, 151.25, 3}},
                                    {{"Peak", 46.5, -8, 4158}, {"Bay", 1, 2, 0}}};
    // The second round of saves gives the layouts the child alternates between.
    QByteArray contents[2];
    for (int i = 0; i < 4; ++i) {
        SaveLocations(fileName, &lists[i % 2], i % 2);
        contents[i % 2] = readBytes(fileName);
    }
    std::mt19937 random(16);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    constexpr int Rounds = 300;
    for (int round = 0; round < Rounds; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; i = 1 - i) {
                try {
                    SaveLocations(fileName, &lists[i], i);
                } catch (...) {
                    _exit(1);
                }
            }
        }
        usleep(useconds_t(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";
        const QByteArray now = readBytes(fileName);
        ASSERT_TRUE(now == contents[0] || now == contents[1]) << "round " << round << ":\n" << now.toStdString();
        TLocationList loaded;
        int index = -1;
        LoadLocations(fileName, loaded, index);
        ASSERT_EQ(loaded, lists[index]) << "round " << round;
    }
    // Whatever temporary files the kills left, the next save (one that changes the file) once
    // they are stale removes them.
    const QDir dir(folder.path(""));
    for (const QString& name : dir.entryList({"shutterly.ini.*"}, QDir::Files))
        age(dir.filePath(name), 120);
    const TLocationList third = {{"Valley", 1, 2, 3}};
    SaveLocations(fileName, &third, 0);
    EXPECT_EQ(dir.entryList({"shutterly.ini.*"}, QDir::Files), QStringList());
}

}  // namespace
