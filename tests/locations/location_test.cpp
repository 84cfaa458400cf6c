#include "locations/location.h"

#include "controls/errors.h"
#include "locations/frmlocations.h"
#include "locations/inifile.h"
#include "testfiles.h"
#include "tests/locale_switch.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TLocation place(const QString& name, double latitude, double longitude, int elevation)
{
    return TLocation{name, latitude, longitude, elevation, {}};
}

const TLocationList ThreePlaces = {place("Home", -38, -151.5, 120), place("Coast", 10.25, 75.5, 3),
                                   place("Peak", 46.5, -8, 4158)};

class LocationStore : public ::testing::Test {
protected:
    TLocationList load(int* index = nullptr) const
    {
        TLocationList list;
        int stored = 0;
        LoadLocations(fileName, list, stored);
        if (index)
            *index = stored;
        return list;
    }

    TTestFolder folder;
    QString fileName = folder.path("shutterly.ini");
};

TEST_F(LocationStore, MissingFileGivesNoLocationsAndDefaults)
{
    int index = -1;
    EXPECT_TRUE(load(&index).isEmpty());
    EXPECT_EQ(index, 0);
    const TMoonOptions options = ReadMoonOptions(fileName);
    EXPECT_EQ(options.rotate, 0);
    EXPECT_FALSE(options.color);
}

TEST_F(LocationStore, SavingFewerLocationsLeavesExactlyThose)
{
    SaveLocations(fileName, &ThreePlaces, 2);
    const TLocationList two = ThreePlaces.mid(0, 2);
    SaveLocations(fileName, &two, 1);
    int index = -1;
    EXPECT_EQ(load(&index), two);
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(TIniFile(fileName).Sections().contains("Location2"));
}

// A section deleted by hand from a long list: the save writes every place back, numbered
// without the gap, and no section of the old numbering is left over.
TEST_F(LocationStore, SaveAfterAGapNumbersThePlacesAgain)
{
    QByteArray content;
    for (int n : {0, 1, 3, 4})
        content += QStringLiteral("[Location%1]\nName=P%1\n").arg(n).toUtf8();
    writeBytes(fileName, content + "[Location7]\nLongitude=5\n");
    const TLocationList loaded = load();
    ASSERT_EQ(loaded.size(), 4);
    SaveLocations(fileName, &loaded, 3);
    int index = -1;
    EXPECT_EQ(load(&index), loaded);
    EXPECT_EQ(index, 3);
    const QStringList sections = TIniFile(fileName).Sections();
    EXPECT_EQ(sections, QStringList({"Location0", "Location1", "Location3", "Location2", "Current"}))
        << sections.join(' ').toStdString();
    EXPECT_EQ(TIniFile(fileName).ReadString("Location3", "Name", ""), "P4");
}

// While places are stored the stored index names one of them, whichever index is given.
TEST_F(LocationStore, StoredIndexAlwaysNamesAStoredPlace)
{
    for (const auto& [given, stored] : {std::pair{-1, 0}, std::pair{3, 2}, std::pair{1, 1}}) {
        SaveLocations(fileName, &ThreePlaces, given);
        int index = -9;
        load(&index);
        EXPECT_EQ(index, stored) << given;
        SaveLocationIndex(fileName, &ThreePlaces, given);
        load(&index);
        EXPECT_EQ(index, stored) << "index alone, " << given;
    }
}

// A file written in one locale is read in another: its numbers never depend on the locale.
TEST_F(LocationStore, FileIsTheSameInEveryLocale)
{
    const TLocationList places = {place("Quay", 33.8688, -151.2093, 58), place("Hill", -0.5, 0.25, -3)};
    QByteArray written;
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch inLocale(locale);
        SaveLocations(fileName, &places, 1);
        if (written.isEmpty())
            written = readBytes(fileName);
        EXPECT_EQ(readBytes(fileName), written) << locale;
        EXPECT_FALSE(written.contains(',')) << locale;
    }
    EXPECT_TRUE(written.contains("Latitude=121928\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("Longitude=900\n")) << written.toStdString();
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch inLocale(locale);
        int index = 0;
        const TLocationList loaded = load(&index);
        ASSERT_EQ(loaded.size(), 2) << locale;
        EXPECT_EQ(index, 1);
        EXPECT_NEAR(loaded[0].Longitude, -151.2093, 0.5 / 3600) << locale;
        EXPECT_EQ(loaded[1].Elevation, -3) << locale;
    }
}

TEST_F(LocationStore, AppendsToTheCallersList)
{
    SaveLocations(fileName, &ThreePlaces, 0);
    TLocationList list = {place("Already there", 1, 2, 3)};
    int index = -1;
    LoadLocations(fileName, list, index);
    EXPECT_EQ(list.size(), 4);
    EXPECT_EQ(list.mid(1), ThreePlaces);
}

TEST_F(LocationStore, NoListWritesNothing)
{
    SaveLocations(fileName, nullptr, 3);
    SaveLocationIndex(fileName, nullptr, 3);
    EXPECT_FALSE(QFileInfo::exists(fileName));
}

struct TRoundingCase {
    double degrees;
    const char* stored;
    double readBack;
};

class LocationRounding : public LocationStore, public ::testing::WithParamInterface<TRoundingCase> {};

TEST_P(LocationRounding, CoordinatesAreWholeArcSecondsHalvesToEven)
{
    const TLocationList list = {place("P", GetParam().degrees, GetParam().degrees, 0)};
    SaveLocations(fileName, &list, 0);
    const TIniFile file(fileName);
    EXPECT_EQ(file.ReadString("Location0", "Longitude", ""), GetParam().stored);
    EXPECT_EQ(file.ReadString("Location0", "Latitude", ""), GetParam().stored);
    const TLocation back = load().value(0);
    EXPECT_DOUBLE_EQ(back.Longitude, GetParam().readBack);
    EXPECT_DOUBLE_EQ(back.Latitude, GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocationRounding,
                         ::testing::Values(TRoundingCase{-75.5, "-271800", -75.5},
                                           TRoundingCase{0.00014, "1", 1 / 3600.0}, TRoundingCase{0.5 / 3600, "0", 0},
                                           TRoundingCase{1.5 / 3600, "2", 2 / 3600.0},
                                           TRoundingCase{2.5 / 3600, "2", 2 / 3600.0},
                                           TRoundingCase{-2.5 / 3600, "-2", -2 / 3600.0},
                                           TRoundingCase{89.99999, "324000", 90}));

struct TFileCase {
    const char* name;
    QByteArray content;
    TLocationList expected;
    int index;
};

class LocationFile : public LocationStore, public ::testing::WithParamInterface<TFileCase> {};

TEST_P(LocationFile, ReadsEveryNamedSectionInTheOrderOfItsNumber)
{
    writeBytes(fileName, GetParam().content);
    int index = -99;
    EXPECT_EQ(load(&index), GetParam().expected);
    EXPECT_EQ(index, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocationFile,
    ::testing::Values(TFileCase{"GapCostsNoPlace",
                                "[Location0]\nName=A\n[Location2]\nName=C\n",
                                {place("A", 0, 0, 0), place("C", 0, 0, 0)},
                                0},
                      TFileCase{"SectionWithoutNameIsAGap",
                                "[Location0]\nName=A\n[Location1]\nLongitude=3600\n[Location2]\nName=C\n",
                                {place("A", 0, 0, 0), place("C", 0, 0, 0)},
                                0},
                      TFileCase{"NumbersNotFileOrder",
                                "[Location10]\nName=K\n[location2]\nName=C\n[Location05]\nName=leading zero\n",
                                {place("C", 0, 0, 0), place("K", 0, 0, 0)},
                                0},
                      TFileCase{"EndMarkerEndsTheList", "[Location0]\nName=...\n[Location1]\nName=B\n", {}, 0},
                      TFileCase{
                          "EmptyNameIsAPlace", "[Location0]\nName=\n[Current]\nIndex=0\n", {place("", 0, 0, 0)}, 0},
                      TFileCase{"UnreadableNumbersReadAsZero",
                                "[Location0]\nName=A\nLongitude=12.5\nLatitude=north\nElevation=1e3\n",
                                {place("A", 0, 0, 0)},
                                0},
                      TFileCase{"IndexBeyondTheListIsReturnedUnchanged",
                                "[Current]\nIndex=7\n[Location0]\nName=A\nLatitude=-3600\nElevation=-5\n",
                                {place("A", -1, 0, -5)},
                                7},
                      TFileCase{"NamesInAnyLetterCase",
                                "[LOCATION0]\nname=A\nLONGITUDE=$E10\n[current]\nindex=$2\n",
                                {place("A", 0, 1, 0)},
                                2}),
    [](const auto& info) { return std::string(info.param.name); });

struct TMoonCase {
    const char* name;
    QByteArray content;
    int rotate;
    bool color;
};

class MoonOptions : public LocationStore, public ::testing::WithParamInterface<TMoonCase> {};

TEST_P(MoonOptions, ReadWithTheirDefaults)
{
    writeBytes(fileName, GetParam().content);
    const TMoonOptions options = ReadMoonOptions(fileName);
    EXPECT_EQ(options.rotate, GetParam().rotate);
    EXPECT_EQ(options.color, GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Cases, MoonOptions,
                         ::testing::Values(TMoonCase{"Southern", "[Current]\nRotate=180\nColor=1\n", 180, true},
                                           TMoonCase{"ColorTwoIsOn", "[Current]\nColor=2\n", 0, true},
                                           TMoonCase{"ColorAbcIsOff", "[Current]\nColor=abc\n", 0, false},
                                           TMoonCase{"RotateNinetyKept", "[Current]\nRotate=90\n", 90, false},
                                           TMoonCase{"RotateAbcIsZero", "[Current]\nRotate=abc\nColor=0\n", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LocationStore, MoonOptionsWrittenAsNumbersBesideTheList)
{
    SaveLocations(fileName, &ThreePlaces, 1);
    WriteMoonOptions(fileName, 180, true);
    const TIniFile file(fileName);
    EXPECT_EQ(file.ReadString("Current", "Rotate", ""), "180");
    EXPECT_EQ(file.ReadString("Current", "Color", ""), "1");
    WriteMoonOptions(fileName, 0, false);
    EXPECT_EQ(ReadMoonOptions(fileName).rotate, 0);
    EXPECT_FALSE(ReadMoonOptions(fileName).color);
    int index = -1;
    EXPECT_EQ(load(&index), ThreePlaces);
    EXPECT_EQ(index, 1);
}

TEST_F(LocationStore, HandEditedNamesLoadAndSaveBackUnchanged)
{
    const QByteArray handEdited = "; my places\r\n"
                                  "[Current]\r\n"
                                  "Rotate=180\r\n"
                                  "Color=1\r\n"
                                  "Index=1\r\n"
                                  "\r\n"
                                  "[location0]\r\n"
                                  "name = Dún Laoghaire, Co. Dublin\r\n"
                                  "Longitude = 22068\r\n"
                                  "Latitude=191232\r\n"
                                  "Elevation=5\r\n"
                                  "\r\n"
                                  "[Location1]\r\n"
                                  "Name='s-Hertogenbosch = Den Bosch\r\n"
                                  "Longitude=-19080\r\n"
                                  "Latitude=186120\r\n"
                                  "Elevation=0\r\n"
                                  "[Location2]\r\n"
                                  "Name=Zürich \"Altstadt\", Øresund, 東京\r\n"
                                  "Longitude=-30960\r\n"
                                  "Latitude=170640\r\n"
                                  "Elevation=408\r\n";
    writeBytes(fileName, handEdited);
    int index = -1;
    const TLocationList list = load(&index);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].Name, "Dún Laoghaire, Co. Dublin");
    EXPECT_EQ(list[1].Name, "'s-Hertogenbosch = Den Bosch");
    EXPECT_EQ(list[2].Name, "Zürich \"Altstadt\", Øresund, 東京");
    EXPECT_DOUBLE_EQ(list[0].Longitude, 6.13);
    SaveLocations(fileName, &list, index);
    EXPECT_EQ(readBytes(fileName), handEdited);
}

TEST_F(LocationStore, PlaceNamedLikeTheEndMarkerDoesNotCutOffTheRest)
{
    const TLocationList list = {place("A", 1, 1, 1), place("...", 2, 2, 2), place("C", 3, 3, 3)};
    SaveLocations(fileName, &list, 2);
    const TLocationList back = load();
    ASSERT_EQ(back.size(), 3);
    EXPECT_EQ(back[1].Name, QStringLiteral("\u2026"));
    EXPECT_EQ(back[2], list[2]);
}

TEST_F(LocationStore, FailedSaveGivesTheMessageAndKeepsTheOldList)
{
    SaveLocations(fileName, &ThreePlaces, 2);
    const QByteArray before = readBytes(fileName);
    const TLocationList one = {place("Only", 0, 0, 0)};
    {
        // The new file fits into the size limit only partly: the save must not land half.
        const TFileSizeLimit limit(24);
        try {
            SaveLocations(fileName, &one, 0);
            FAIL() << "no error";
        } catch (const EUserError& error) {
            EXPECT_EQ(error.message(), "Unable to write to " + fileName);
        }
    }
    EXPECT_EQ(readBytes(fileName), before);
}

// The location list has one owner: the More Data window's save at program end writes only the
// index, so locations the editor saved after that window loaded its copy survive.
class ProgramEndSave : public LocationStore {
protected:
    void SetUp() override
    {
        SaveLocations(fileName, &ThreePlaces, 0);
        LoadLocations(fileName, moreDataCopy, moreDataIndex);
    }

    TLocationList moreDataCopy;
    int moreDataIndex = 0;
};

TEST_F(ProgramEndSave, KeepsTheLocationTheEditorAddedLater)
{
    Tfrm_locations editor(fileName);
    editor.btn_new.click();
    editor.edt_name.setText("Added later");
    editor.btn_ok.click();

    SaveLocationIndex(fileName, &moreDataCopy, 2);
    int index = -1;
    const TLocationList stored = load(&index);
    ASSERT_EQ(stored.size(), 4);
    EXPECT_EQ(stored[3].Name, "Added later");
    EXPECT_EQ(index, 2);
}

TEST_F(ProgramEndSave, FindsTheSelectedLocationAfterTheEditorReorderedTheList)
{
    Tfrm_locations editor(fileName);
    editor.lbx_location.setItemIndex(2);
    editor.btn_plus.click();
    editor.btn_plus.click();
    editor.btn_ok.click();

    SaveLocationIndex(fileName, &moreDataCopy, 2);
    int index = -1;
    const TLocationList stored = load(&index);
    EXPECT_TRUE(SamePlace(stored[0], ThreePlaces[2]));
    EXPECT_EQ(index, 0) << "the index must still name the place selected in the More Data window";
}

TEST_F(ProgramEndSave, KeepsTheEditorsIndexWhenTheSelectedLocationWasDeleted)
{
    Tfrm_locations editor(fileName);
    editor.lbx_location.setItemIndex(2);
    editor.btn_del.click();
    editor.btn_ok.click();

    SaveLocationIndex(fileName, &moreDataCopy, 2);
    int index = -1;
    const TLocationList stored = load(&index);
    ASSERT_EQ(stored.size(), 2);
    EXPECT_TRUE(SamePlace(stored[0], ThreePlaces[0]));
    EXPECT_TRUE(SamePlace(stored[1], ThreePlaces[1]));
    EXPECT_EQ(index, 1);
}

TEST_F(ProgramEndSave, WritesTheIndexAsGivenWhenTheListIsUnchanged)
{
    for (const auto& [selected, stored] : {std::pair{1, 1}, std::pair{-1, 0}, std::pair{5, 2}}) {
        SaveLocationIndex(fileName, &moreDataCopy, selected);
        int index = 0;
        EXPECT_EQ(load(&index), ThreePlaces);
        EXPECT_EQ(index, stored) << selected;
    }
}

}  // namespace
