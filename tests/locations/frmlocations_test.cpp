#include "locations/frmlocations.h"

#include "controls/errors.h"
#include "locations/inifile.h"
#include "testfiles.h"
#include "tests/locations/selectedentry.h"
#include "tests/shown_text.h"
#include "texts/stringtable.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QByteArray ThreePlaces = "[Current]\nIndex=1\n"
                               "[Location0]\nName=Home\nLongitude=-545400\nLatitude=-136800\nElevation=120\n"
                               "[Location1]\nName=Coast\nLongitude=271800\nLatitude=36900\nElevation=3\n"
                               "[Location2]\nName=Peak\nLongitude=-28800\nLatitude=167400\nElevation=4158\n";

class LocationEditor : public ::testing::Test {
protected:
    Tfrm_locations& open(const QByteArray& content = ThreePlaces)
    {
        writeBytes(fileName, content);
        editor = std::make_unique<Tfrm_locations>(fileName);
        return *editor;
    }

    // Types into a coordinate field as the user does: focus in, text, focus out.
    static void type(TEdit& field, const QString& text)
    {
        field.enter();
        field.setText(text);
        field.exit();
    }

    TTestFolder folder;
    QString fileName = folder.path("shutterly.ini");
    std::unique_ptr<Tfrm_locations> editor;
};

TEST_F(LocationEditor, CreationLoadsTheListAndSelectsTheStoredIndex)
{
    Tfrm_locations& form = open();
    EXPECT_EQ(form.caption(), Shown("Edit locations"));
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Home", "Coast", "Peak"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 1);
    EXPECT_EQ(form.edt_name.text(), "Coast");
    EXPECT_EQ(form.edt_longitude.text(), "75:30:0");
    EXPECT_EQ(form.edt_latitude.text(), "10:15:0");
    EXPECT_EQ(form.edt_altitude.text(), "3");
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), 75.5);
    EXPECT_DOUBLE_EQ(SelectedLatitude(form), 10.25);
    EXPECT_FALSE(form.btn_import.visible());
}

struct TSelectionCase {
    int selected;
    bool upEnabled;
    bool downEnabled;
};

class LocationEditorSelection : public LocationEditor, public ::testing::WithParamInterface<TSelectionCase> {};

TEST_P(LocationEditorSelection, DownIsEnabledExceptOnTheLastEntry)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(GetParam().selected);
    EXPECT_EQ(form.btn_plus.enabled(), GetParam().upEnabled);
    EXPECT_EQ(form.btn_minus.enabled(), GetParam().downEnabled);
    EXPECT_EQ(form.edt_name.enabled(), GetParam().selected >= 0);
    EXPECT_EQ(form.edt_altitude.enabled(), GetParam().selected >= 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocationEditorSelection,
                         ::testing::Values(TSelectionCase{0, true, true}, TSelectionCase{1, true, true},
                                           TSelectionCase{2, true, false}, TSelectionCase{-1, false, false}));

// An index of no place, as older versions could store, selects the first place.
TEST_F(LocationEditor, IndexBeyondTheListSelectsTheFirst)
{
    Tfrm_locations& form = open(QByteArray(ThreePlaces).replace("Index=1", "Index=5"));
    EXPECT_EQ(form.lbx_location.itemIndex(), 0);
    EXPECT_TRUE(form.edt_longitude.enabled());
    EXPECT_EQ(form.edt_name.text(), "Home");
}

TEST_F(LocationEditor, EmptyListAnswersZero)
{
    Tfrm_locations& form = open("");
    EXPECT_EQ(form.lbx_location.count(), 0);
    EXPECT_EQ(SelectedLongitude(form), 0);
    EXPECT_EQ(SelectedLatitude(form), 0);
    EXPECT_FALSE(form.edt_name.enabled());
    EXPECT_FALSE(form.btn_minus.enabled());
}

TEST_F(LocationEditor, UpOnTheFirstEntryDoesNothing)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(0);
    form.btn_plus.click();
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Home", "Coast", "Peak"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 0);
}

TEST_F(LocationEditor, UpAndDownMoveTheEntryWithItsLine)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(2);
    form.btn_plus.click();
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Home", "Peak", "Coast"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 1);
    EXPECT_EQ(form.edt_name.text(), "Peak");
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), -8);
    form.btn_minus.click();
    form.btn_minus.click();
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Home", "Coast", "Peak"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 2);
}

// The place that moved up takes the selection, so that OK stores an index that names a stored
// place; only the last place deleted leaves nothing selected.
TEST_F(LocationEditor, DeletingTheFirstEntrySelectsTheNewFirstAndOkStoresIt)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(0);
    form.btn_del.click();
    EXPECT_EQ(form.lbx_location.items(), QStringList({"Coast", "Peak"}));
    EXPECT_EQ(form.lbx_location.itemIndex(), 0);
    EXPECT_EQ(form.edt_name.text(), "Coast");
    form.btn_ok.click();
    EXPECT_EQ(TIniFile(fileName).ReadInteger("Current", "Index", -9), 0);
    form.btn_del.click();
    form.btn_del.click();
    EXPECT_EQ(form.lbx_location.count(), 0);
    EXPECT_EQ(form.lbx_location.itemIndex(), -1);
    EXPECT_FALSE(form.edt_name.enabled());
    form.btn_del.click();
    form.btn_minus.click();
    EXPECT_EQ(form.lbx_location.count(), 0) << "delete and down with nothing selected do nothing";
}

TEST_F(LocationEditor, DeletingALaterEntrySelectsTheOneBefore)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(2);
    form.btn_del.click();
    EXPECT_EQ(form.lbx_location.itemIndex(), 1);
    EXPECT_EQ(form.edt_name.text(), "Coast");
}

TEST_F(LocationEditor, AddAppendsANewLocationAndSelectsIt)
{
    Tfrm_locations& form = open();
    form.btn_new.click();
    EXPECT_EQ(form.lbx_location.items().last(), Shown("New Location"));
    EXPECT_EQ(form.lbx_location.itemIndex(), 3);
    EXPECT_EQ(form.edt_longitude.text(), "0:0:0");
    EXPECT_EQ(form.edt_altitude.text(), "0");
    EXPECT_FALSE(form.btn_minus.enabled());
}

TEST_F(LocationEditor, NameIsTakenOnEveryKeystroke)
{
    Tfrm_locations& form = open();
    form.edt_name.setText("Coast, north");
    EXPECT_EQ(form.lbx_location.items()[1], "Coast, north");
    EXPECT_EQ(form.lbx_location.itemIndex(), 1);
}

struct TCoordinateCase {
    const char* text;
    double degrees;
};

class LocationEditorCoordinates : public LocationEditor, public ::testing::WithParamInterface<TCoordinateCase> {};

TEST_P(LocationEditorCoordinates, AreTakenWhenTheFieldIsLeft)
{
    Tfrm_locations& form = open();
    form.edt_longitude.enter();
    form.edt_longitude.setText(GetParam().text);
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), 75.5) << "taken before the field was left";
    form.edt_longitude.exit();
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), GetParam().degrees);
    EXPECT_FALSE(form.edt_longitude.color().isValid());

    type(form.edt_latitude, GetParam().text);
    EXPECT_DOUBLE_EQ(SelectedLatitude(form), GetParam().degrees);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocationEditorCoordinates,
                         ::testing::Values(TCoordinateCase{"+032:26:00", 32 + 26 / 60.0},
                                           TCoordinateCase{"032:26", 32 + 26 / 60.0},
                                           TCoordinateCase{"-000:30:00", -0.5}, TCoordinateCase{" -12:30: 0", -12.5}));

// What the field shows and what the location holds must not differ silently.
TEST_F(LocationEditor, UnreadableCoordinateIsKeptOutAndMarkedUntilValid)
{
    Tfrm_locations& form = open();
    type(form.edt_longitude, "   :  :  ");
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), 75.5);
    EXPECT_EQ(form.edt_longitude.color(), clUnreadable);
    EXPECT_FALSE(form.edt_latitude.color().isValid());

    form.edt_name.setText("Still marked");
    EXPECT_EQ(form.edt_longitude.color(), clUnreadable);

    type(form.edt_longitude, "+001:00:00");
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), 1);
    EXPECT_FALSE(form.edt_longitude.color().isValid());

    type(form.edt_latitude, "1x:00:00");
    EXPECT_EQ(form.edt_latitude.color(), clUnreadable);
    form.lbx_location.setItemIndex(0);
    EXPECT_FALSE(form.edt_latitude.color().isValid()) << "another entry's valid text";
}

// Regression: a blank altitude raised a message box on every change of any field.
TEST_F(LocationEditor, BlankAltitudeIsMarkedWithoutAMessageAndKeepsTheRest)
{
    Tfrm_locations& form = open();
    form.edt_name.setText("Renamed");
    form.edt_longitude.setText("+001:00:00");
    EXPECT_NO_THROW(form.edt_altitude.setText("    "));
    EXPECT_EQ(form.edt_altitude.color(), clUnreadable);
    EXPECT_NO_THROW(form.edt_name.setText("Renamed again"));
    EXPECT_EQ(form.lbx_location.text(), "Renamed again");
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), 1);

    form.edt_altitude.setText(" 250");
    EXPECT_FALSE(form.edt_altitude.color().isValid());
    form.btn_ok.click();
    TLocationList stored;
    int index = 0;
    LoadLocations(fileName, stored, index);
    // Confirming the entry confirms the zone it showed.
    EXPECT_EQ(stored[1], (TLocation{"Renamed again", 10.25, 1, 250, form.edt_timezone.text()}));
}

// ---- Places that do not exist are refused like unreadable text ----

struct TRangeCase {
    bool longitude;  // the field typed into: longitude, else latitude
    const char* text;
    bool accepted;
    double degrees;  // the value taken when accepted
};

class LocationEditorRange : public LocationEditor, public ::testing::WithParamInterface<TRangeCase> {};

TEST_P(LocationEditorRange, OutOfRangeIsMarkedKeptOutAndRefusedByOk)
{
    const TRangeCase& c = GetParam();
    Tfrm_locations& form = open();
    TEdit& field = c.longitude ? form.edt_longitude : form.edt_latitude;
    const auto current = [&] { return c.longitude ? SelectedLongitude(form) : SelectedLatitude(form); };
    const double before = current();
    type(field, c.text);
    if (c.accepted) {
        EXPECT_DOUBLE_EQ(current(), c.degrees);
        EXPECT_FALSE(field.color().isValid());
        form.btn_ok.click();
        EXPECT_EQ(form.modalResult(), TModalResult::OK);
        return;
    }
    EXPECT_DOUBLE_EQ(current(), before);
    EXPECT_EQ(field.color(), clUnreadable);
    try {
        form.btn_ok.click();
        FAIL() << "OK saved " << c.text;
    } catch (const EInputError& error) {
        EXPECT_EQ(error.message(), LocalString(42123) + '\n' + LocalString(c.longitude ? 42120 : 42121));
    }
    EXPECT_NE(form.modalResult(), TModalResult::OK);
    EXPECT_EQ(readBytes(fileName), ThreePlaces);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocationEditorRange,
                         ::testing::Values(
                             // "13.40" typed into the longitude mask, whose degrees take no point.
                             TRangeCase{true, "1340:  :  ", false, 0}, TRangeCase{true, "-180:00:01", false, 0},
                             TRangeCase{true, "   :  :  ", false, 0}, TRangeCase{true, "+180:00:00", true, 180},
                             TRangeCase{true, "-180:00:00", true, -180},
                             // "52.52" typed into the latitude mask.
                             TRangeCase{false, "525:2 :  ", false, 0}, TRangeCase{false, "+90:00:01", false, 0},
                             TRangeCase{false, "-90:00:00", true, -90}, TRangeCase{false, "+90:00:00", true, 90}));

TEST_F(LocationEditor, OkNamesEveryRefusedFieldInOneMessage)
{
    Tfrm_locations& form = open();
    type(form.edt_longitude, "1340:  :  ");
    form.edt_altitude.setText("");
    try {
        form.btn_ok.click();
        FAIL() << "no error";
    } catch (const EInputError& error) {
        EXPECT_EQ(error.message(), LocalString(42123) + '\n' + LocalString(42120) + '\n' + LocalString(42122));
    }
    EXPECT_EQ(readBytes(fileName), ThreePlaces);
}

// A place stored out of range (by hand or by an earlier version) is marked once it is shown.
TEST_F(LocationEditor, StoredPlaceOutOfRangeIsMarkedWhenSelected)
{
    Tfrm_locations& form = open("[Current]\nIndex=1\n"
                                "[Location0]\nName=Home\nLongitude=-545400\nLatitude=-136800\n"
                                "[Location1]\nName=Typo\nLongitude=4824000\nLatitude=1890720\n");
    EXPECT_EQ(form.edt_longitude.color(), clUnreadable);
    EXPECT_EQ(form.edt_latitude.color(), clUnreadable);
    form.lbx_location.setItemIndex(0);
    EXPECT_FALSE(form.edt_longitude.color().isValid());
    EXPECT_FALSE(form.edt_latitude.color().isValid());
}

// The captions beside the fields use the words the More Data window shows for the same
// directions, in each language.
TEST(LocationEditorCaptions, SayWhichWayPositiveCoordinatesCount)
{
    for (QLocale::Language language : {QLocale::English, QLocale::German, QLocale::Thai}) {
        const QString longitude = LocalString(42118, language);
        const QString latitude = LocalString(42119, language);
        const QString west = LocalString(42078, language);
        const QString east = LocalString(42077, language);
        EXPECT_LT(longitude.indexOf(west, 0, Qt::CaseInsensitive), longitude.indexOf(east, 0, Qt::CaseInsensitive))
            << language;
        EXPECT_GE(longitude.indexOf(west, 0, Qt::CaseInsensitive), 0) << language;
        EXPECT_TRUE(longitude.startsWith(u'+')) << language;
        EXPECT_GE(latitude.indexOf(LocalString(42079, language), 0, Qt::CaseInsensitive), 0) << language;
        EXPECT_GT(latitude.indexOf(LocalString(42080, language), 0, Qt::CaseInsensitive), 0) << language;
        EXPECT_TRUE(latitude.startsWith(u'+')) << language;
    }
    TTestFolder folder;
    const Tfrm_locations form(folder.path("shutterly.ini"));
    EXPECT_EQ(form.lbl_longitude_sense.text(), LocalString(42118));
    EXPECT_EQ(form.lbl_latitude_sense.text(), LocalString(42119));
}

TEST_F(LocationEditor, AfterOkSelectionSavedIndexAndCurrentLocationAgree)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(2);
    form.btn_ok.click();
    EXPECT_EQ(form.modalResult(), TModalResult::OK);
    TLocationList stored;
    int index = -1;
    LoadLocations(fileName, stored, index);
    EXPECT_EQ(index, form.lbx_location.itemIndex());
    EXPECT_DOUBLE_EQ(stored[index].Longitude, SelectedLongitude(form));
    EXPECT_DOUBLE_EQ(stored[index].Latitude, SelectedLatitude(form));
}

TEST_F(LocationEditor, OkWhileACoordinateFieldHasTheFocusTakesItsText)
{
    Tfrm_locations& form = open();
    form.edt_latitude.enter();
    form.edt_latitude.setText("-33:52:00");
    form.btn_ok.click();
    TLocationList stored;
    int index = 0;
    LoadLocations(fileName, stored, index);
    EXPECT_DOUBLE_EQ(stored[1].Latitude, -(33 + 52 / 60.0));
}

TEST_F(LocationEditor, OkWithNothingSelectedStoresTheFirstPlace)
{
    Tfrm_locations& form = open();
    form.lbx_location.setItemIndex(-1);
    form.btn_ok.click();
    EXPECT_EQ(TIniFile(fileName).ReadInteger("Current", "Index", -9), 0);
}

TEST_F(LocationEditor, CancelDropsTheEditsAtOnce)
{
    Tfrm_locations& form = open();
    type(form.edt_longitude, "+100:00:00");
    form.btn_cancel.click();
    EXPECT_EQ(form.modalResult(), TModalResult::Cancel);
    // The cancelled coordinates are gone at once: no window goes on computing with them.
    EXPECT_DOUBLE_EQ(SelectedLongitude(form), 75.5);
    EXPECT_EQ(readBytes(fileName), ThreePlaces);
    EXPECT_EQ(form.lbx_location.count(), 3);
}

TEST_F(LocationEditor, FailedSaveKeepsTheDialogOpenWithTheMessage)
{
    Tfrm_locations& form = open();
    // The settings file has become a folder: no one, root included, can replace it.
    QFile::remove(fileName);
    QDir().mkdir(fileName);
    form.btn_new.click();
    try {
        form.btn_ok.click();
        FAIL() << "no error";
    } catch (const EUserError& error) {
        EXPECT_EQ(error.message(), "Unable to write to " + fileName);
    }
    EXPECT_NE(form.modalResult(), TModalResult::OK);
}

}  // namespace

namespace {

TEST_F(LocationEditor, TheZoneOfAnEntryIsShownTypedAndConfirmed)
{
    Tfrm_locations& form = open(QByteArray(ThreePlaces).replace("Elevation=3", "Elevation=3\nTimeZone=Asia/Kolkata"));
    EXPECT_EQ(form.edt_timezone.text(), "Asia/Kolkata");
    EXPECT_EQ(form.lbl_timezone_note.text(), "");
    form.edt_timezone.setText("Europe/Berlin");
    EXPECT_FALSE(form.edt_timezone.color().isValid());
    form.btn_ok.click();
    TLocationList stored;
    int index = 0;
    LoadLocations(fileName, stored, index);
    EXPECT_EQ(stored[1].TimeZone, "Europe/Berlin");
    // The other entries keep what they had: none.
    EXPECT_EQ(stored[0].TimeZone, "");
}

TEST_F(LocationEditor, AZoneTheSystemDoesNotKnowIsKeptMarkedAndRefusedOnOk)
{
    Tfrm_locations& form = open(QByteArray(ThreePlaces).replace("Elevation=3", "Elevation=3\nTimeZone=Mars/Olympus"));
    EXPECT_EQ(form.edt_timezone.text(), "Mars/Olympus");
    EXPECT_EQ(form.edt_timezone.color(), clUnreadable);
    EXPECT_TRUE(form.lbl_timezone_note.text().contains("Mars/Olympus"));
    EXPECT_THROW(form.btn_ok.click(), EInputError);
    EXPECT_EQ(readBytes(fileName),
              QByteArray(ThreePlaces).replace("Elevation=3", "Elevation=3\nTimeZone=Mars/Olympus"));
    form.edt_timezone.setText("Asia/Kolkata");
    form.btn_ok.click();
    TLocationList stored;
    int index = 0;
    LoadLocations(fileName, stored, index);
    EXPECT_EQ(stored[1].TimeZone, "Asia/Kolkata");
}

}  // namespace
