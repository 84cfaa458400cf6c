#include "moonwindow/mainform.h"

#include "../shown_text.h"
#include "../test_printers.h"
#include "controls/errors.h"
#include "controls/guard.h"
#include "locations/location.h"
#include "moonwindow/compass.h"
#include "moonwindow/frmjulian.h"
#include "moonwindowfixture.h"
#include "moredata/frmmore.h"
#include "planner/frmplanner.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"
#include "tray/trayiconplatform.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

QString Month(int month) { return QLocale().monthName(month, QLocale::LongFormat); }

const QRgb Yellow = qRgb(255, 255, 0);

// ---- The column layout ----

// Created in May, whose dates are short, the window must still hold September's and the
// other long months' texts later: the dated column and the room left of the compass are
// measured for every month of the language, not for the texts shown at creation.
TEST(MoonWindowLayout, ColumnsHoldTheTextsOfEveryMonth)
{
    QTemporaryDir folder;
    TFixedClock clock(At(2026, 5, 20, 12), -60);
    TFrmMain calculator(clock);
    TMainForm moon(calculator, clock, folder.filePath("shutterly.ini"));
    // Wide enough per character that no earlier layout of this program outgrows these texts.
    const auto width = [](const QString& text) { return int(text.size()) * 20; };
    moon.onTextWidth = width;
    moon.FormCreate();
    const TColumnLayout& layout = moon.columnLayout();
    for (int month = 1; month <= 12; ++month) {
        const double instant = At(2026, month, 28, 23, 59, 59);
        const QString dated = EventTimeText(instant);
        EXPECT_LE(layout.column2 + width(dated), layout.column3 - 10) << dated.toStdString();
        const QString local = DateTimeText(instant) + " = UTC plus " + UtcOffsetHoursText(630) + " hours";
        EXPECT_LE(width(local), moon.widestValue()) << local.toStdString();
    }
}

// ---- The almanac clock ----

TEST_F(MoonWindowTest, FastModeAdvancesOneHourPerRealSecondAndLeavesTheLocalTimeEmpty)
{
    create(At(2026, 12, 7, 10), 0);
    moon->mnu_fast.click();
    clock->advanceSeconds(1);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.val_utc.text(), "11:00:00 7 " + Month(12) + " 2026");
    clock->advanceSeconds(1);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.val_utc.text(), "12:00:00 7 " + Month(12) + " 2026");
    EXPECT_EQ(calculator->sun.val_local.text(), "");
    EXPECT_EQ(moon->val_local.text(), "");
}

TEST_F(MoonWindowTest, SwitchingFastModeGoesOnFromTheShownInstant)
{
    create(At(2026, 12, 7, 10), 0);
    clock->set(At(2026, 12, 7, 12));
    moon->mnu_fast.click();
    clock->advanceSeconds(2);
    // Two real seconds are two hours, give or take the clock's rounding times 3600.
    EXPECT_NEAR(moon->ShownUniversalTime(), At(2026, 12, 7, 14), 1e-6);
    moon->mnu_fast.click();
    clock->advanceSeconds(5);
    moon->TimerTimer();
    EXPECT_NEAR(moon->ShownUniversalTime(), At(2026, 12, 7, 14) + 5.0 / astro::SecondsPerDay, 1e-6);
    EXPECT_TRUE(calculator->sun.val_local.text().startsWith("14:00:0"));
    EXPECT_TRUE(calculator->sun.val_local.text().endsWith(Month(12) + " 2026 = UTC plus 0 hours"));
}

// In December in Berlin a summer instant is shown with the summer offset, not with today's.
TEST_F(MoonWindowTest, TheLocalTimeHasTheOffsetOfTheShownInstant)
{
    create(At(2026, 12, 7, 10), -60);
    clock->setZone(QTimeZone("Europe/Berlin"));
    setUniversalTime(2027, 6, 21, 2, 43, 0);
    EXPECT_EQ(moon->val_local.text(), "04:43:00 21 " + Month(6) + " 2027 = UTC plus 2 hours");
    setUniversalTime(2027, 1, 21, 2, 43, 0);
    EXPECT_EQ(moon->val_local.text(), "03:43:00 21 " + Month(1) + " 2027 = UTC plus 1 hours");
}

TEST_F(MoonWindowTest, LocalTimeNamesItsOffsetInTenthsOfHoursHalvesToEven)
{
    create(At(2026, 12, 7, 10), -345);
    EXPECT_TRUE(calculator->sun.val_local.text().endsWith(" = UTC plus " + QLocale().toString(5.8) + " hours"))
        << calculator->sun.val_local.text().toStdString();
    EXPECT_EQ(calculator->sun.val_utc.text(), "04:15:00 7 " + Month(12) + " 2026");
}

TEST_F(MoonWindowTest, JulianDateHasFiveDecimals)
{
    create(At(2026, 12, 7), 0);
    EXPECT_EQ(calculator->sun.val_julian.text(), "2461381.50000");
    EXPECT_EQ(moon->val_julian.text(), "2461381.50000");
}

// ---- Moon values ----

TEST_F(MoonWindowTest, DistancesAgeAndPhaseHaveTheirUnitsAndFields)
{
    create(At(2026, 12, 7, 10), 0);
    const QString kilometer = QRegularExpression::escape(LocalString(42089));
    const QRegularExpression moonDistance(R"(^\d{6} )" + kilometer + R"(, [ \d]\d\.\d )" +
                                          QRegularExpression::escape(LocalString(42090)) + R"(\.$)");
    EXPECT_TRUE(moonDistance.match(calculator->sun.val_moon_distance.text()).hasMatch())
        << calculator->sun.val_moon_distance.text().toStdString();
    // Below 10 astronomical units the six-character field starts with a blank.
    const QRegularExpression sunDistance(R"(^\d{9} )" + kilometer + R"(,  0\.98\d )" +
                                         QRegularExpression::escape(LocalString(42091)) + R"(\.$)");
    EXPECT_TRUE(sunDistance.match(calculator->sun.val_sun_distance.text()).hasMatch())
        << calculator->sun.val_sun_distance.text().toStdString();
    QStringList ageParts = LocalString(42092).split(QRegularExpression("%[123]%"));
    for (QString& part : ageParts)
        part = QRegularExpression::escape(part);
    const QRegularExpression age("^" + ageParts.join(R"(\d{1,2})") + "$");
    EXPECT_TRUE(age.match(calculator->sun.val_age.text()).hasMatch()) << calculator->sun.val_age.text().toStdString();
    const QRegularExpression phase(R"(^\d{1,3}% )" + QRegularExpression::escape(LocalString(42093)) + "$");
    EXPECT_TRUE(phase.match(calculator->sun.val_phase.text()).hasMatch());
    const QRegularExpression degrees(R"(^0\.\d{4}$)");
    EXPECT_TRUE(degrees.match(calculator->sun.val_moon_subtend.text()).hasMatch());
    EXPECT_TRUE(degrees.match(calculator->sun.val_sun_subtend.text()).hasMatch());
}

TEST_F(MoonWindowTest, PhaseDatesAndLunationsOfTheCurrentLunation)
{
    // The new moon of 2024-01-11 begins lunation 1250.
    create(At(2024, 1, 20), 0);
    EXPECT_TRUE(calculator->sun.val_newmoon.text().endsWith(" UTC 11 " + Month(1) + " 2024"));
    EXPECT_TRUE(calculator->sun.val_nextnew.text().endsWith(" UTC 9 " + Month(2) + " 2024"));
    EXPECT_EQ(calculator->sun.val_lastlunation.text(), "1250");
    EXPECT_EQ(calculator->sun.val_nextlunation.text(), "1251");
    EXPECT_FALSE(calculator->sun.val_full.text().isEmpty());
}

// The phases are kept through a lunation; the tick after its end shows the next one.
TEST_F(MoonWindowTest, TheTickAfterTheNewMoonShowsTheNextLunation)
{
    // The new moon of 2024-02-09 22:59 UTC begins lunation 1251.
    create(At(2024, 2, 9, 22, 50), 0);
    EXPECT_EQ(calculator->sun.val_lastlunation.text(), "1250");
    clock->advanceSeconds(60);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.val_lastlunation.text(), "1250");
    clock->advanceSeconds(20 * 60);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.val_lastlunation.text(), "1251");
    EXPECT_EQ(moon->val_nextlunation.text(), "1252");
    EXPECT_TRUE(calculator->sun.val_newmoon.text().endsWith(" UTC 9 " + Month(2) + " 2024"));
    EXPECT_TRUE(calculator->sun.val_nextnew.text().endsWith(" UTC 10 " + Month(3) + " 2024"));
}

TEST_F(MoonWindowTest, BlueMoonCaptionIsBlueUntilTheNextLunation)
{
    // 2023-08-31 was the second full moon of August.
    create(At(2023, 8, 20), 0);
    EXPECT_EQ(calculator->sun.lbl_full.fontColor(), QColor(0, 0, 255));
    EXPECT_EQ(moon->lbl_full.fontColor(), QColor(0, 0, 255));
    clock->set(At(2023, 9, 20));
    moon->TimerTimer();
    EXPECT_FALSE(calculator->sun.lbl_full.fontColor().isValid());
}

// ---- Sun block ----

TEST_F(MoonWindowTest, ElevationExactlyZeroIsNightWithoutADot)
{
    create(At(2026, 12, 7, 10), 0);
    const QImage before = calculator->sun.ImgSunPos.picture();
    moon->ShowSunPosition({0, 100});
    EXPECT_EQ(calculator->sun.lblSunElevation.text(), "0 degrees");
    EXPECT_FALSE(calculator->sun.lblSunVisible.visible());
    EXPECT_EQ(calculator->sun.lblSunAzimuth.text(), "Night time");
    EXPECT_EQ(calculator->sun.ImgSunPos.picture(), before);
    moon->ShowSunPosition({-0.4, 100});
    EXPECT_TRUE(calculator->sun.lblSunVisible.visible());
}

struct TAzimuthCase {
    double library;
    const char* text;
    QPoint inside;  // a pixel inside the dot
};

class SunAzimuth : public MoonWindowTest, public ::testing::WithParamInterface<TAzimuthCase> {};

TEST_P(SunAzimuth, ShownFromNorthAndDrawnOnTheRim)
{
    create(At(2026, 12, 7, 10), 0);
    moon->ShowSunPosition({30, GetParam().library});
    EXPECT_EQ(calculator->sun.lblSunAzimuth.text(), GetParam().text);
    EXPECT_EQ(moon->lblSunAzimuth.text(), GetParam().text);
    EXPECT_EQ(calculator->sun.ImgSunPos.picture().pixel(GetParam().inside), Yellow);
    EXPECT_EQ(moon->Image1.picture().pixel(GetParam().inside), Yellow);
}

INSTANTIATE_TEST_SUITE_P(Bearings, SunAzimuth,
                         ::testing::Values(
                             // Due south: the bottom of the compass.
                             TAzimuthCase{0, "180 deg. where north = zero, east = 90, west = 270", QPoint(132, 258)},
                             // 20 degrees east of north: top, right of the north line.
                             TAzimuthCase{200, "20 deg. where north = zero, east = 90, west = 270", QPoint(178, 12)},
                             TAzimuthCase{180, "360 deg. where north = zero, east = 90, west = 270", QPoint(132, 6)},
                             // West (library 90) on the left.
                             TAzimuthCase{90, "270 deg. where north = zero, east = 90, west = 270", QPoint(5, 132)}));

// ---- The compass: the sun now, above the day's trail ----

const QRgb Aqua = qRgb(0, 255, 255);
const QRgb TrailAmber = qRgb(240, 190, 40);
const QRgb SunOutline = qRgb(128, 64, 0);

// The pixel `inward` pixels from the rim towards the centre at the bearing the azimuth text
// shows (whole degrees).
QPoint Bearing(const QString& azimuthText, int inward)
{
    const double azimuth = azimuthText.section(u' ', 0, 0).toDouble();
    const QPoint rim = CompassPoint(azimuth, 265, 265);
    const double length = std::hypot(rim.x() - 132.5, rim.y() - 132.5);
    const double k = inward / length;
    return QPoint(int(std::lround(rim.x() + (132.5 - rim.x()) * k)), int(std::lround(rim.y() + (132.5 - rim.y()) * k)));
}

// Greenwich, then Tokyo (35.68 north, 139.69 east), both with the sun up at 06:00 UTC.
const QByteArray GreenwichAndTokyo =
    OneLocation("Greenwich", 185000, 0) + "[Location1]\nName=Tokyo\nLongitude=-502884\nLatitude=128448\nElevation=0\n";

// Regression: every dot stayed, so after a day of updates the rim was a solid band.
TEST_F(MoonWindowTest, CompassDrawsTheCurrentSunLastAndClearsTheTrailOnANewDayOrPlace)
{
    create(At(2026, 6, 21, 6), 0, GreenwichAndTokyo);
    moon->TimerTimer();
    const QString early = calculator->sun.lblSunAzimuth.text();
    clock->set(At(2026, 6, 21, 10));
    moon->TimerTimer();
    const QString late = calculator->sun.lblSunAzimuth.text();
    ASSERT_NE(early, late);
    for (const QImage& compass : {calculator->sun.ImgSunPos.picture(), moon->Image1.picture()}) {
        EXPECT_EQ(compass.pixel(Bearing(late, 3)), Yellow);
        EXPECT_EQ(compass.pixel(Bearing(late, 12)), SunOutline);
        EXPECT_EQ(compass.pixel(Bearing(early, 3)), TrailAmber);
    }

    // Over the night the sun is not drawn; the day's trail stays until the day ends.
    clock->set(At(2026, 6, 21, 23));
    moon->TimerTimer();
    ASSERT_EQ(calculator->sun.lblSunAzimuth.text(), "Night time");
    EXPECT_EQ(calculator->sun.ImgSunPos.picture().pixel(Bearing(late, 3)), TrailAmber);
    EXPECT_EQ(calculator->sun.ImgSunPos.picture().pixel(Bearing(early, 3)), TrailAmber);

    clock->set(At(2026, 6, 22, 6));
    moon->TimerTimer();
    for (const QImage& compass : {calculator->sun.ImgSunPos.picture(), moon->Image1.picture()}) {
        EXPECT_EQ(compass.pixel(Bearing(late, 3)), Aqua);
        // The half of the dot outside the disc is gone as well.
        EXPECT_EQ(compass.pixel(Bearing(late, -4)), qRgb(255, 255, 255));
    }
    const QString nextMorning = calculator->sun.lblSunAzimuth.text();
    EXPECT_EQ(calculator->sun.ImgSunPos.picture().pixel(Bearing(nextMorning, 3)), Yellow);

    locations->store().setCurrent(1);
    clock->advanceSeconds(1);
    moon->TimerTimer();
    const QString tokyo = calculator->sun.lblSunAzimuth.text();
    ASSERT_NE(tokyo, nextMorning);
    EXPECT_EQ(calculator->sun.ImgSunPos.picture().pixel(Bearing(nextMorning, 3)), Aqua);
    EXPECT_EQ(calculator->sun.ImgSunPos.picture().pixel(Bearing(tokyo, 3)), Yellow);
}

TEST(Compass, ShownAzimuthAndRimPoint)
{
    EXPECT_EQ(ShownAzimuth(0), 180);
    EXPECT_EQ(ShownAzimuth(200), 20);
    EXPECT_EQ(ShownAzimuth(180), 360);
    EXPECT_EQ(ShownAzimuth(-45), 135);
    EXPECT_EQ(CompassPoint(180, 265, 265), QPoint(132, 265));
    EXPECT_EQ(CompassPoint(90, 265, 265), QPoint(265, 132));
}

TEST_F(MoonWindowTest, UncheckedUseCalculatedKeepsTheTypedElevation)
{
    create(At(2026, 12, 7, 10), 0);
    calculator->sun.chbxSunElev.setChecked(false);
    calculator->sun.edtSunElev.setText("45");
    moon->ShowSunPosition({20.4, 100});
    EXPECT_EQ(calculator->sun.edtSunElev.text(), "45");
    EXPECT_EQ(calculator->sun.lblSunElevation.text(), "20 degrees");
    calculator->sun.chbxSunElev.setChecked(true);
    moon->ShowSunPosition({20.6, 100});
    EXPECT_EQ(calculator->sun.edtSunElev.text(), "21");
}

TEST_F(MoonWindowTest, SunBlockWaitsForTheEditorThenRunsOncePerMinuteOrJump)
{
    create(At(2026, 6, 21, 8), 0);
    // The editor did not exist at creation.
    EXPECT_EQ(calculator->sun.lblSunElevation.text(), "");
    moon->TimerTimer();
    const QString morning = calculator->sun.lblSunElevation.text();
    EXPECT_TRUE(morning.endsWith(" degrees"));
    EXPECT_FALSE(calculator->sun.lblSunVisible.visible());
    // Within the minute the dot is not drawn again.
    const QImage compass = calculator->sun.ImgSunPos.picture();
    clock->advanceSeconds(30);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.ImgSunPos.picture(), compass);
    setUniversalTime(2026, 6, 21, 23, 0, 0);
    EXPECT_EQ(calculator->sun.lblSunAzimuth.text(), "Night time");
    EXPECT_TRUE(calculator->sun.lblSunVisible.visible());
}

// Regression: the page's moon picture is re-dated every tick, so a jump test alone kept the
// morning's sun for the whole day in normal mode.
TEST_F(MoonWindowTest, InNormalModeTheSunFollowsTheClock)
{
    create(At(2026, 6, 21, 6), 0);
    moon->TimerTimer();
    const QString early = calculator->sun.lblSunElevation.text();
    for (int minute = 0; minute < 180; ++minute) {
        clock->advanceSeconds(61);
        moon->TimerTimer();
    }
    EXPECT_NE(calculator->sun.lblSunElevation.text(), early);
    EXPECT_EQ(calculator->sun.edtSunElev.text() + " degrees", calculator->sun.lblSunElevation.text());
}

TEST_F(MoonWindowTest, SouthernLocationTurnsThePagesMoonAndANorthernOneTurnsItBack)
{
    create(At(2026, 12, 7, 10), 0, OneLocation("Sydney", -121932, -544356));
    EXPECT_EQ(calculator->sun.Moon.rotation(), rot_none);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.Moon.rotation(), rot_180);
    TLocation berlin;
    berlin.Name = "Berlin";
    berlin.Latitude = 52.52;
    berlin.Longitude = -13.4;
    locations->store().replace({berlin}, 0);
    clock->advanceSeconds(1);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.Moon.rotation(), rot_none);
}

// ---- Setting the time ----

TEST_F(MoonWindowTest, UniversalNoonWithBiasMinus600ShowsLocal22)
{
    create(At(2026, 12, 7, 10), -600);
    setUniversalTime(2026, 12, 7, 12, 0, 0);
    EXPECT_TRUE(calculator->sun.val_local.text().startsWith("22:00:00 7 " + Month(12) + " 2026 = UTC plus 10 hours"));
    EXPECT_EQ(calculator->sun.val_utc.text(), "12:00:00 7 " + Month(12) + " 2026");
    clock->advanceSeconds(3);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.val_utc.text(), "12:00:03 7 " + Month(12) + " 2026");
}

TEST_F(MoonWindowTest, TheDialogOpensWithTheShownUniversalTime)
{
    create(At(2026, 12, 7, 10, 30, 15), -60);
    utc->onShowModal = [] { return TModalResult::Cancel; };
    moon->mnu_utcClick();
    EXPECT_EQ(utc->edt_hour.text(), "9");
    EXPECT_EQ(utc->edt_min.text(), "30");
    EXPECT_EQ(utc->edt_sec.text(), "15");
    EXPECT_EQ(calculator->sun.val_utc.text(), "09:30:15 7 " + Month(12) + " 2026");
}

TEST_F(MoonWindowTest, CancelChangesNothing)
{
    create(At(2026, 12, 7, 10), 0);
    const double shown = moon->ShownUniversalTime();
    utc->onShowModal = [this] {
        utc->edt_year.setText("1999");
        return TModalResult::Cancel;
    };
    moon->mnu_utcClick();
    EXPECT_EQ(moon->ShownUniversalTime(), shown);
    EXPECT_EQ(calculator->sun.val_utc.text(), "10:00:00 7 " + Month(12) + " 2026");
}

TEST_F(MoonWindowTest, ASetTimeInFastModeRunsOnFastFromThere)
{
    create(At(2026, 12, 7, 10), 0);
    clock->advanceSeconds(100);
    moon->mnu_fast.click();
    setUniversalTime(2030, 1, 1, 0, 0, 0);
    EXPECT_EQ(calculator->sun.val_utc.text(), "00:00:00 1 " + Month(1) + " 2030");
    clock->advanceSeconds(1);
    moon->TimerTimer();
    EXPECT_EQ(calculator->sun.val_utc.text(), "01:00:00 1 " + Month(1) + " 2030");
}

TEST_F(MoonWindowTest, TheJulianDialogSetsTheTime)
{
    create(At(2026, 12, 7, 10), 0);
    Tfrm_julian& julian = moon->julianDialog();
    julian.onShowModal = [&julian] {
        julian.edt_julian.setText(QString("2451545.00000").replace('.', QLocale().decimalPoint()));
        return TModalResult::OK;
    };
    moon->mnu_julianClick();
    EXPECT_EQ(calculator->sun.val_utc.text(), "12:00:00 1 " + Month(1) + " 2000");
}

// ---- Menus ----

TEST_F(MoonWindowTest, StopFreezesTheShownInstantInBothSpeedsAndRunGoesOnFromIt)
{
    create(At(2026, 12, 7, 10), 0);
    const auto stopWaitAndRun = [this](const QString& afterASecond) {
        moon->mnu_stop.click();
        EXPECT_EQ(moon->mnu_stop.caption(), "&Run");
        const QString frozen = calculator->sun.val_utc.text();
        clock->advanceSeconds(10);
        moon->TimerTimer();
        EXPECT_EQ(calculator->sun.val_utc.text(), frozen);
        moon->mnu_stop.click();
        EXPECT_EQ(moon->mnu_stop.caption(), "&Stop");
        clock->advanceSeconds(1);
        moon->TimerTimer();
        EXPECT_EQ(calculator->sun.val_utc.text(), afterASecond + Month(12) + " 2026");
    };
    stopWaitAndRun("10:00:01 7 ");
    moon->mnu_fast.click();
    stopWaitAndRun("11:00:01 7 ");
}

TEST_F(MoonWindowTest, SouthernHemisphereTwiceStaysSouthAndRebuildsTheTrayIcon)
{
    create(At(2026, 12, 3, 10), 0);
    moon->TimerTimer();
    const TIcon north = moon->trayIcon().icon();
    EXPECT_EQ(moon->trayIcon().toolTip(), QString::number(moon->FLastPercent) + "%");
    for (int i = 0; i < 2; ++i) {
        moon->mnu_rot_south.click();
        EXPECT_EQ(moon->Moon.rotation(), rot_180);
        EXPECT_TRUE(moon->mnu_rot_south.checked());
        EXPECT_FALSE(moon->mnu_rot_north.checked());
        EXPECT_NE(moon->FLastPercent, 199);
        EXPECT_EQ(moon->trayIcon().icon(), moon->Moon.icon());
    }
    EXPECT_NE(moon->trayIcon().icon(), north);
    moon->mnu_rot_north.click();
    EXPECT_EQ(moon->trayIcon().icon(), north);
    EXPECT_TRUE(moon->mnu_rot_north.checked());
}

TEST_F(MoonWindowTest, ColourAndRotationAreReadAtCreationAndWrittenOnClose)
{
    create(At(2026, 12, 7, 10), 0, "[Current]\nRotate=180\nColor=1\n");
    EXPECT_EQ(moon->Moon.rotation(), rot_180);
    EXPECT_EQ(moon->Moon.moonStyle(), msColor);
    EXPECT_TRUE(moon->mnu_rot_south.checked());
    EXPECT_FALSE(moon->mnu_rot_north.checked());
    EXPECT_TRUE(moon->mnu_color.checked());
    moon->mnu_color.click();
    moon->mnu_rot_north.click();
    moon->mnu_exit.click();
    const TMoonOptions options = ReadMoonOptions(settingsFile);
    EXPECT_EQ(options.rotate, 0);
    EXPECT_FALSE(options.color);
}

// Exit with a settings file that cannot be written: the message comes once and the window
// closes all the same, the file as it was.
TEST_F(MoonWindowTest, ExitClosesTheWindowWhenTheOptionsCannotBeKept)
{
    create(At(2026, 12, 7, 10), 0, "[Current]\nRotate=180\n");
    moon->Show();
    moon->mnu_color.click();
    QFile::setPermissions(settingsFile, QFileDevice::ReadOwner);
    EXPECT_THROW(moon->mnu_exit.click(), EUserError);
    EXPECT_FALSE(moon->visible());
    QFile::setPermissions(settingsFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ReadMoonOptions(settingsFile).color, false);
}

TEST_F(MoonWindowTest, AnUnknownRotationChecksNeitherHemisphere)
{
    create(At(2026, 12, 7, 10), 0, "[Current]\nRotate=90\n");
    EXPECT_EQ(moon->Moon.rotation(), rot_none);
    EXPECT_FALSE(moon->mnu_rot_south.checked());
    EXPECT_FALSE(moon->mnu_rot_north.checked());
}

TEST_F(MoonWindowTest, WithoutANotificationAreaTheWindowStaysReachable)
{
    create(At(2026, 12, 7, 10), 0);
    moon->Show();
    bool hidden = false;
    moon->onHideApplication = [&hidden] { hidden = true; };
    EXPECT_TRUE(moon->mnu_tray.visible());
    moon->mnu_tray.click();
    EXPECT_TRUE(moon->visible());
    EXPECT_FALSE(hidden);
    EXPECT_FALSE(moon->trayIcon().active());
}

TEST_F(MoonWindowTest, CopyPutsTheWindowsPictureOnTheClipboard)
{
    create(At(2026, 12, 7, 10), 0);
    QImage copied;
    moon->onGrabClientArea = [] {
        QImage picture(TMainForm::ClientWidth, TMainForm::ClientHeight, QImage::Format_RGB32);
        picture.fill(Qt::green);
        return picture;
    };
    moon->onCopyPicture = [&copied](const QImage& picture) { copied = picture; };
    moon->mnu_copy.click();
    EXPECT_EQ(copied.size(), QSize(729, 325));
}

TEST_F(MoonWindowTest, HelpTopicsNeedAHelpFile)
{
    create(At(2026, 12, 7, 10), 0);
    int topic = 0;
    moon->onShowHelp = [&topic](const QString&, int wanted) { topic = wanted; };
    moon->mnu_help_item.click();
    if (moon->helpFile().isEmpty()) {
        EXPECT_FALSE(moon->mnu_timezone.enabled());
        EXPECT_EQ(topic, 0);
    } else {
        EXPECT_EQ(topic, 1000);
        moon->mnu_timezone.click();
        EXPECT_EQ(topic, 1001);
    }
}

TEST_F(MoonWindowTest, CaptionsComeFromTheStringTable)
{
    create(At(2026, 12, 7, 10), 0);
    EXPECT_EQ(moon->caption(), Shown("Lunaria"));
    EXPECT_EQ(moon->lbl_nextnew.text(), Shown("Next new moon:"));
    EXPECT_EQ(moon->mnu_tray.caption(), Shown("&Minimize to Tray"));
    EXPECT_EQ(moon->FAgeFormat, Shown("%1% days, %2% hours, %3% minutes"));
    if (QLocale().language() == QLocale::German) {
        EXPECT_EQ(moon->lbl_nextnew.text(), QString::fromUtf8("Nächster Neumond:"));
    }
}

}  // namespace

namespace {

// A desktop with a notification area that records what the tray icon shows.
class TFakeTray : public TTrayPlatform {
public:
    bool isAvailable() const override { return true; }
    bool add(const TNotifyIconData&) override { return shown = true; }
    bool modify(const TNotifyIconData&) override { return true; }
    bool remove(const TNotifyIconData&) override
    {
        shown = false;
        return true;
    }
    void postResetToolTip() override {}
    QPoint cursorPos() const override { return {}; }
    Qt::KeyboardModifiers keyboardModifiers() const override { return {}; }
    void bringToForeground() override {}
    void doubleClick() const { deliverMouseMessage(tmLeftButtonDoubleClick); }

    bool shown = false;
};

TEST_F(MoonWindowTest, MinimizeToTrayAndDoubleClickBack)
{
    create(At(2026, 12, 7, 10), 0);
    TFakeTray tray;
    moon->trayIcon().setPlatform(&tray);
    moon->Show();
    int hidden = 0;
    int restored = 0;
    moon->onHideApplication = [&hidden] { ++hidden; };
    moon->onRestoreApplication = [&restored] { ++restored; };
    moon->mnu_tray.click();
    EXPECT_TRUE(tray.shown);
    EXPECT_FALSE(moon->visible());
    EXPECT_EQ(hidden, 1);
    tray.doubleClick();
    EXPECT_FALSE(tray.shown);
    EXPECT_TRUE(moon->visible());
    EXPECT_EQ(restored, 1);
    moon->trayIcon().setPlatform(nullptr);
}

// A desktop without a notification area.
class TNoTray : public TFakeTray {
public:
    bool isAvailable() const override { return false; }
};

// Without a notification area the windows are minimised as usual, and the user hears why once.
TEST_F(MoonWindowTest, MinimizeToTrayWithoutANotificationAreaMinimisesAndSaysSoOnce)
{
    create(At(2026, 12, 7, 10), 0);
    TNoTray tray;
    moon->trayIcon().setPlatform(&tray);
    moon->Show();
    QStringList notices;
    int minimised = 0, hidden = 0;
    moon->onNotice = [&notices](const QString& message) { notices << message; };
    moon->onMinimizeApplication = [&minimised] { ++minimised; };
    moon->onHideApplication = [&hidden] { ++hidden; };
    moon->mnu_tray.click();
    moon->mnu_tray.click();
    EXPECT_EQ(notices, QStringList({LocalString(42182)}));
    EXPECT_EQ(minimised, 2);
    EXPECT_EQ(hidden, 0);
    EXPECT_TRUE(moon->visible());
    EXPECT_FALSE(tray.shown);
    moon->trayIcon().setPlatform(nullptr);
}

TEST_F(MoonWindowTest, AtTheEndOfTheCalendarThePhaseTextsStopAndTheRestGoesOn)
{
    // The last lunation of 9999 begins on 29 December at 14:47 UT; its quarters, its full moon
    // and the next new moon fall into the year 10000, which no date text can show.
    create(At(9999, 12, 30, 12), 0);
    EXPECT_TRUE(calculator->sun.val_newmoon.text().isEmpty());
    EXPECT_TRUE(calculator->sun.val_nextnew.text().isEmpty());
    EXPECT_TRUE(calculator->sun.val_lastlunation.text().isEmpty());
    EXPECT_FALSE(calculator->sun.val_moon_distance.text().isEmpty());
    EXPECT_FALSE(calculator->sun.val_age.text().isEmpty());
}

// The phase texts are kept through a lunation: after a tick that could show none they must
// come back, also for the lunation kept from before.
TEST_F(MoonWindowTest, PhaseTextsComeBackAfterTheEndOfTheCalendar)
{
    create(At(2026, 12, 7, 10), 0);
    const auto phaseTexts = [this] {
        QStringList texts;
        for (const TLabel* label :
             {&calculator->sun.val_newmoon, &calculator->sun.val_firstquart, &calculator->sun.val_full,
              &calculator->sun.val_lastquart, &calculator->sun.val_nextnew, &calculator->sun.val_lastlunation,
              &calculator->sun.val_nextlunation, &moon->val_newmoon, &moon->val_nextlunation})
            texts << label->text();
        return texts;
    };
    const QStringList shown = phaseTexts();
    ASSERT_FALSE(shown.contains(QString()));
    clock->set(At(9999, 12, 30, 12));
    moon->TimerTimer();
    EXPECT_EQ(phaseTexts(), QStringList(shown.size(), QString()));
    clock->set(At(2026, 12, 7, 11));
    moon->TimerTimer();
    EXPECT_EQ(phaseTexts(), shown);
}

TEST_F(MoonWindowTest, ASetTimeReachesTheMoreDataWindow)
{
    create(At(2026, 12, 7, 10), -60);
    Tfrm_more more(*calculator, *clock, settingsFile);
    moon->connectWindows(&more, locations.get(), utc.get());
    moon->mnu_fast.click();
    clock->advanceSeconds(30);
    setUniversalTime(2031, 5, 4, 6, 30, 0);
    EXPECT_NEAR(more.UniversalNow(), At(2031, 5, 4, 6, 30), 1e-7);
    clock->advanceSeconds(60);
    // The More Data window reads the same clock, fast as well.
    EXPECT_NEAR(more.UniversalNow(), At(2031, 5, 4, 6, 30) + 60.0 / 24, 1e-5);
    EXPECT_EQ(more.UniversalNow(), moon->ShownUniversalTime());
}

// Options > More Data shows the window, and brings it to the front when it is open already
// (a click on the moon window buries it behind the calculator).
TEST_F(MoonWindowTest, MoreDataMenuBringsAnOpenWindowToTheFront)
{
    create(At(2026, 12, 7, 10), 0);
    Tfrm_more more(*calculator, *clock, settingsFile);
    moon->connectWindows(&more, locations.get(), utc.get());
    int raised = 0;
    more.onRaise = [&raised] { ++raised; };
    moon->mnu_more.click();
    EXPECT_TRUE(more.visible());
    moon->mnu_more.click();
    EXPECT_TRUE(more.visible());
    EXPECT_EQ(raised, 2);
}

// Options > Planner... opens the planner on More Data's day and place; with no place, More Data
// itself, which says how to add one.
TEST_F(MoonWindowTest, PlannerMenuOpensThePlannerOrWithoutAPlaceMoreData)
{
    for (const bool withPlace : {true, false}) {
        create(At(2026, 12, 7, 10), 0, withPlace ? OneLocation("Greenwich", 185000, 0) : QByteArray("[Current]\n"));
        Tfrm_more more(*calculator, *clock, settingsFile);
        Tfrm_planner planner;
        more.ConnectPlanner(&planner);
        moon->connectWindows(&more, locations.get(), utc.get());
        moon->mnu_planner.click();
        EXPECT_EQ(planner.visible(), withPlace);
        EXPECT_EQ(more.visible(), !withPlace);
        if (withPlace) {
            EXPECT_DOUBLE_EQ(planner.sky().Day.Number, At(2026, 12, 7));
        }
    }
}

// Beyond the last year the calendar knows, every tick of both windows' timers fails; a user
// sees the message once, and again only after the clock came back and left once more.
TEST_F(MoonWindowTest, AClockBeyondTheCalendarIsReportedOnceOverManyTicks)
{
    create(At(2026, 12, 7, 12), 0);
    calculator->connectWindows(moon.get(), nullptr, locations.get());
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    const auto tickBoth = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock->advanceSeconds(1);
            calculator->Timer.elapse();
            moon->Timer.elapse();
        }
    };
    clock->set(At(9999, 12, 31, 23, 59, 58));
    tickBoth(5);
    EXPECT_EQ(shown, QStringList{"Invalid year"});
    clock->set(At(2026, 12, 7, 12));
    tickBoth(1);
    EXPECT_EQ(moon->val_utc.text(), DateTimeText(At(2026, 12, 7, 12, 0, 1)));
    clock->set(At(9999, 12, 31, 23, 59, 59));
    tickBoth(3);
    TGuard::setReporter({});
    EXPECT_EQ(shown, (QStringList{"Invalid year", "Invalid year"}));
}

}  // namespace
