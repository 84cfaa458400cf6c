#include "astro/constants.h"
#include "calculator/frmmain.h"
#include "calculator/model_comfort.h"
#include "controls/clock.h"
#include "controls/errors.h"
#include "locations/frmlocations.h"
#include "locations/location.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/mainform.h"
#include "moredata/frmmore.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/sample_places.h"
#include "tests/test_printers.h"
#include "texts/stringtable.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

double At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(year, month, day))) + (hour * 60 + minute) / astro::MinutesPerDay;
}

// ---- Model comfort ----

struct TComfortCase {
    const char* temp;
    const char* humidity;
    const char* wind;
    const char* elevation;
    const char* factor;
    const char* shade;
    const char* sun;
};

void PrintTo(const TComfortCase& c, std::ostream* out)
{
    *out << c.temp << " C, " << c.humidity << " %, wind " << c.wind << ", elevation " << c.elevation << ", factor "
         << c.factor;
}

class ModelComfort : public testing::TestWithParam<TComfortCase> {
protected:
    TFixedClock clock{At(2026, 12, 7), -60};
    TFrmMain form{clock};
};

TEST_P(ModelComfort, ApparentTemperatureInShadeAndSun)
{
    const TComfortCase& c = GetParam();
    form.sun.edtTemp.setText(LocaleText(c.temp));
    form.sun.edtHumidity.setText(LocaleText(c.humidity));
    form.sun.edtWind.setText(LocaleText(c.wind));
    form.sun.edtSolarCorr.setText(LocaleText(c.factor));
    // Cleared first so that the elevation always changes, also to the starting "90".
    form.sun.edtSunElev.setText("");
    form.sun.edtSunElev.setText(LocaleText(c.elevation));
    EXPECT_EQ(form.sun.lblTempAppShade.text(), LocaleText(c.shade));
    EXPECT_EQ(form.sun.lblTempAppSun.text(), LocaleText(c.sun));
}

INSTANTIATE_TEST_SUITE_P(SunPage, ModelComfort,
                         testing::Values(TComfortCase{"18", "50", "0", "60", "1", "17.4 degrees C", "30.5 degrees C"},
                                         TComfortCase{"18", "50", "0", "60", "0.5", "17.4 degrees C", "24.2 degrees C"},
                                         TComfortCase{"18", "50", "0", "89", "1", "17.4 degrees C", "32.4 degrees C"},
                                         // Overhead sun: the full radiation, as just below 90 degrees.
                                         TComfortCase{"18", "50", "0", "90", "1", "17.4 degrees C", "32.4 degrees C"},
                                         // Night counts as the sun on the horizon: only the diffuse term remains.
                                         TComfortCase{"18", "50", "0", "-5", "1", "17.4 degrees C", "18 degrees C"},
                                         TComfortCase{"30", "70", "10", "45", "1", "28.8 degrees C",
                                                      "34.5 degrees C"}));

TEST(ModelComfortFormulas, VapourPressureOfTheExamples)
{
    EXPECT_NEAR(VapourPressure(18, 50), 10.295, 5e-4);
    EXPECT_NEAR(VapourPressure(30, 70), 29.601, 5e-4);
}

// The sun term must not drop when the elevation reaches the zenith.
TEST(ModelComfortFormulas, SunValueIsContinuousUpToTheZenith)
{
    const double e = VapourPressure(18, 50);
    double previous = ApparentTempSun(18, e, 0, 0, 1);
    for (double elevation = 0.5; elevation <= 90; elevation += 0.5) {
        const double value = ApparentTempSun(18, e, 0, elevation, 1);
        EXPECT_GE(value, previous) << "at elevation " << elevation;
        EXPECT_LT(value - previous, 0.2) << "at elevation " << elevation;
        previous = value;
    }
}

using ComfortInput = CalculatorForm;

TEST_F(ComfortInput, ResultsShowTheirNamesUntilAnInputChanges)
{
    form.FormCreate();
    EXPECT_EQ(form.sun.lblTempAppShade.text(), "lblTempAppShade");
    EXPECT_EQ(form.sun.lblTempAppSun.text(), "lblTempAppSun");
}

TEST_F(ComfortInput, ClearingAnInputLeavesTheResults)
{
    form.sun.edtSunElev.setText("60");
    ASSERT_EQ(form.sun.lblTempAppSun.text(), LocaleText("30.5 degrees C"));
    form.sun.edtTemp.setText("");
    EXPECT_EQ(form.sun.lblTempAppShade.text(), LocaleText("17.4 degrees C"));
    EXPECT_EQ(form.sun.lblTempAppSun.text(), LocaleText("30.5 degrees C"));
    form.sun.edtSunElev.setText("10");
    EXPECT_EQ(form.sun.lblTempAppSun.text(), LocaleText("30.5 degrees C"));
}

TEST_F(ComfortInput, NegativeWindIsRefused)
{
    form.sun.edtSunElev.setText("60");
    expectUserError([&] { form.sun.edtWind.setText("-10"); }, "The wind speed must not be negative");
    EXPECT_EQ(form.sun.lblTempAppShade.text(), "N/A");
    EXPECT_EQ(form.sun.lblTempAppSun.text(), "N/A");
}

TEST_F(ComfortInput, TextThatIsNotANumberIsReported)
{
    expectUserError([&] { form.sun.edtHumidity.setText("abc"); }, "'abc' is not a valid floating point value");
    form.sun.edtHumidity.setText("50");
    expectUserError([&] { form.sun.edtTemp.setText(LocaleText("-237.7")); }, "Floating point division by zero");
}

// ---- Timer, day change and location caption, with the More Data window and the editor ----

class SunPageWindows : public testing::Test {
protected:
    SunPageWindows()
    {
        const TLocationList places = HomeAndCoast();
        SaveLocations(settingsFile(), &places, 1);
        store = std::make_unique<TPlaceStore>(settingsFile());
        more = std::make_unique<Tfrm_more>(form, clock, *store);
        editor = std::make_unique<Tfrm_locations>(*store);
        form.connectWindows(nullptr, more.get(), editor.get());
    }

    QString settingsFile() const { return folder.filePath("shutterly.ini"); }

    // What the moon window's update does to the page: it dates the moon picture.
    void tickAt(double universalTime)
    {
        form.sun.Moon.setDate(universalTime);
        form.Timer.tick();
    }

    QTemporaryDir folder;
    TFixedClock clock{At(2024, 6, 21, 10), 0};
    TFrmMain form{clock};
    std::unique_ptr<TPlaceStore> store;
    std::unique_ptr<Tfrm_more> more;
    std::unique_ptr<Tfrm_locations> editor;
};

TEST_F(SunPageWindows, FirstTickFillsRiseAndSetForTheStoredPlace)
{
    tickAt(At(2024, 6, 21, 10));
    EXPECT_EQ(more->cbx_location.itemIndex(), 1);
    EXPECT_TRUE(form.sun.val_sunset.text().endsWith("UTC " + ShownDate(21, 6, 2024)))
        << form.sun.val_sunset.text().toStdString();
    EXPECT_EQ(more->lbl_spring.hint(), LocalString(42071));
    EXPECT_EQ(form.sun.LastAlmanacDay, At(2024, 6, 21, 10));
}

TEST_F(SunPageWindows, RiseAndSetAreRefreshedOnlyOnANewUniversalDay)
{
    tickAt(At(2024, 6, 21, 10));
    form.sun.val_sunrise.setText("untouched");
    tickAt(At(2024, 6, 21, 23, 59));
    EXPECT_EQ(form.sun.val_sunrise.text(), "untouched");
    tickAt(At(2024, 6, 21, 0, 1));
    EXPECT_EQ(form.sun.val_sunrise.text(), "untouched");
    tickAt(At(2024, 6, 22, 0, 1));
    EXPECT_NE(form.sun.val_sunrise.text(), "untouched");
    form.sun.val_sunrise.setText("untouched");
    // A time set far away in the same day of another year is another day as well.
    tickAt(At(1990, 1, 5, 12));
    EXPECT_NE(form.sun.val_sunrise.text(), "untouched");
}

// What the editor saves is the list More Data shows, at once and with the editor's choice.
TEST_F(SunPageWindows, EditorOkGivesMoreDataTheSavedListAtOnce)
{
    tickAt(At(2024, 6, 21, 10));
    ASSERT_EQ(more->cbx_location.text(), "Coast");
    editor->btn_plusClick();
    editor->btn_newClick();
    editor->edt_name.setText("Studio");
    editor->btn_okClick();
    EXPECT_EQ(more->cbx_location.items(), QStringList({"Coast", "Home", "Studio"}));
    EXPECT_EQ(more->cbx_location.text(), "Studio");
    // A selection the editor has not confirmed is nobody's place.
    editor->lbx_location.setItemIndex(0);
    tickAt(At(2024, 6, 22, 10));
    EXPECT_EQ(more->cbx_location.text(), "Studio");
}

// The caption names the place whose rise and set times the page shows: it is filled at the
// first tick and follows a pick in More Data at once.
TEST_F(SunPageWindows, LocationCaptionNamesTheCurrentPlaceAndFollowsAPick)
{
    ASSERT_EQ(form.sun.lblLocation.text(), "Location:");
    tickAt(At(2024, 6, 21, 10));
    EXPECT_EQ(form.sun.lblLocation.text(), "Location: Coast Longitude -151:12:0 Latitude -33:52:12");
    more->cbx_location.setItemIndex(0);
    EXPECT_EQ(form.sun.lblLocation.text(), "Location: Home Longitude -16:22:12 Latitude 48:12:0");
    EXPECT_TRUE(form.sun.val_sunrise.text().startsWith("02:5")) << form.sun.val_sunrise.text().toStdString();
}

TEST_F(SunPageWindows, SetLocationButtonOpensTheEditorAndOkShowsItsChoice)
{
    tickAt(At(2024, 6, 21, 10));
    EXPECT_TRUE(form.sun.btnLocation.enabled());
    EXPECT_FALSE(form.sun.btnLocation.hint().contains("registry"));
    EXPECT_TRUE(form.sun.lblLocation.text().startsWith("Location: Coast"));
    bool opened = false;
    editor->onShowModal = [this, &opened] {
        opened = true;
        editor->lbx_location.setItemIndex(0);
        editor->btn_ok.click();
        return editor->modalResult();
    };
    form.sun.btnLocation.click();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(form.sun.lblLocation.text().startsWith("Location: Home Longitude"))
        << form.sun.lblLocation.text().toStdString();
}

TEST_F(SunPageWindows, CancelledLocationDialogLeavesTheCaption)
{
    tickAt(At(2024, 6, 21, 10));
    const QString before = form.sun.lblLocation.text();
    editor->onShowModal = [this] {
        editor->lbx_location.setItemIndex(0);
        return TModalResult::Cancel;
    };
    form.sun.btnLocationClick();
    EXPECT_EQ(form.sun.lblLocation.text(), before);
}

TEST_F(SunPageWindows, ClosingTheCalculatorStoresTheIndexAndKeepsTheEditorsLocations)
{
    editor->btn_newClick();
    editor->edt_name.setText("Studio");
    editor->btn_okClick();
    form.FormClose();
    TLocationList stored;
    int index = -1;
    LoadLocations(settingsFile(), stored, index);
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[2].Name, "Studio");
    EXPECT_EQ(index, 2);
}

// ---- With the moon window: its update dates the page and "Set UTC time" moves the almanac ----

class SunPageWithMoonWindow : public SunPageWindows {
protected:
    SunPageWithMoonWindow()
    {
        moon = std::make_unique<TMainForm>(form, clock, settingsFile());
        utc = std::make_unique<Tfrm_utc>(clock);
        moon->connectWindows(more.get(), editor.get(), utc.get());
        form.connectWindows(moon.get(), more.get(), editor.get());
    }

    std::unique_ptr<TMainForm> moon;
    std::unique_ptr<Tfrm_utc> utc;
};

TEST_F(SunPageWithMoonWindow, TickRunsTheMoonUpdateAndTheDayRefresh)
{
    form.Timer.tick();
    EXPECT_FALSE(form.sun.val_julian.text().isEmpty());
    EXPECT_FALSE(form.sun.val_utc.text().isEmpty());
    EXPECT_TRUE(form.sun.val_sunset.text().endsWith("UTC " + ShownDate(21, 6, 2024)))
        << form.sun.val_sunset.text().toStdString();
}

TEST_F(SunPageWithMoonWindow, SetUtcTimeMovesTheAlmanacAndTheRiseAndSetDay)
{
    form.Timer.tick();
    utc->onShowModal = [this] {
        utc->edt_year.setText("2024");
        utc->cbx_month.setItemIndex(2);
        utc->edt_day.setText("20");
        utc->edt_hour.setText("12");
        return TModalResult::OK;
    };
    form.sun.btnUTCTime.click();
    EXPECT_TRUE(form.sun.val_utc.text().endsWith(ShownDate(20, 3, 2024))) << form.sun.val_utc.text().toStdString();
    form.Timer.tick();
    EXPECT_TRUE(form.sun.val_sunset.text().endsWith("UTC " + ShownDate(20, 3, 2024)))
        << form.sun.val_sunset.text().toStdString();
    EXPECT_EQ(more->val_suneclipse.text(), "18:17 UTC " + ShownDate(8, 4, 2024));
}

// ---- A location the user chooses is shown at once and kept ----

// On 2024-06-21 the sun rises at Home (Vienna) at 02:53 UTC and sets at 18:58 UTC; at Coast
// (Sydney) it rises at 21:00 UTC and sets at 06:54 UTC.
void expectHomeShown(const TFrmMain& form, const Tfrm_more& more)
{
    EXPECT_TRUE(form.sun.lblLocation.text().startsWith("Location: Home Longitude -16:22:12 Latitude 48:12:0"))
        << form.sun.lblLocation.text().toStdString();
    EXPECT_TRUE(form.sun.val_sunrise.text().startsWith("02:5")) << form.sun.val_sunrise.text().toStdString();
    EXPECT_TRUE(form.sun.val_sunset.text().startsWith("18:5")) << form.sun.val_sunset.text().toStdString();
    EXPECT_EQ(more.cbx_location.text(), "Home");
    EXPECT_TRUE(more.val_latitude.text().startsWith(QString::fromUtf8("48° 12' 0'' ")))
        << more.val_latitude.text().toStdString();
    EXPECT_TRUE(more.val_latitude.text().endsWith(LocalString(42079)));
    EXPECT_TRUE(more.val_longitude.text().endsWith(LocalString(42077)));
    EXPECT_EQ(more.lbl_spring.hint(), LocalString(42069));
}

int StoredIndex(const QString& file)
{
    TLocationList stored;
    int index = -1;
    LoadLocations(file, stored, index);
    return index;
}

// Regression: the editor's choice reached the page only at the next universal day, and the
// program's end stored More Data's older selection over it.
TEST_F(SunPageWithMoonWindow, EditorOkShowsThePlaceWithinOneTickAndProgramEndKeepsIt)
{
    form.Timer.tick();
    ASSERT_EQ(more->cbx_location.text(), "Coast");
    ASSERT_TRUE(form.sun.val_sunrise.text().startsWith("21:0")) << form.sun.val_sunrise.text().toStdString();
    editor->onShowModal = [this] {
        editor->lbx_location.setItemIndex(0);
        editor->btn_ok.click();
        return editor->modalResult();
    };
    moon->mnu_locationsClick();
    ASSERT_EQ(StoredIndex(settingsFile()), 0);
    clock.advanceSeconds(1);
    form.Timer.tick();
    expectHomeShown(form, *more);
    EXPECT_FALSE(form.sun.lblSunVisible.visible()) << "Vienna's sun is up at 10:00 UTC";

    form.FormClose();
    EXPECT_EQ(StoredIndex(settingsFile()), 0);
}

TEST_F(SunPageWithMoonWindow, MoreDataPickBecomesTheCurrentLocationAndIsKept)
{
    form.Timer.tick();
    ASSERT_EQ(form.sun.lblSunAzimuth.text(), "Night time") << "Sydney at 20:00 local time";
    more->cbx_location.setItemIndex(0);
    clock.advanceSeconds(1);
    form.Timer.tick();
    expectHomeShown(form, *more);
    EXPECT_NE(form.sun.lblSunAzimuth.text(), "Night time");
    // Opening the editor again shows the choice rather than the one confirmed there before.
    editor->ShowModal();
    EXPECT_EQ(editor->lbx_location.itemIndex(), 0);

    // The next day's refresh keeps the pick.
    clock.set(At(2024, 6, 22, 10));
    form.Timer.tick();
    EXPECT_EQ(more->cbx_location.text(), "Home");
    form.FormClose();
    EXPECT_EQ(StoredIndex(settingsFile()), 0);
}

}  // namespace
