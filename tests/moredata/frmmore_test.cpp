#include "locations/inifile.h"
#include "tests/moredata/moredata_test_support.h"
#include "tests/shown_text.h"
#include "tests/test_printers.h"
#include "texts/almanactext.h"

#include <QRegularExpression>

namespace {

const char* const OutOfRange = "Out of algorithm range";

TEST_F(MoreDataWindow, CreationShowsAndHidesOnceAndFillsTheYear)
{
    Tfrm_more& window = create();
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(window.caption(), Shown("More Data"));
    EXPECT_EQ(window.lbl_spring.text(), Shown("March Equinox:"));
    EXPECT_EQ(window.lbl_chinese.text(), Shown("Chinese New Year:"));
    EXPECT_EQ(window.Timer.interval(), 65535);
    EXPECT_TRUE(window.Timer.enabled());
    // Published instants (UT): 03:06:21, 20:50:56, 12:43:40, 09:20:30, shown to the minute.
    EXPECT_EQ(window.val_spring.text(), Shown("03:06 UTC 20 March 2024"));
    EXPECT_EQ(window.val_summer.text(), Shown("20:50 UTC 20 June 2024"));
    EXPECT_EQ(window.val_autumn.text(), Shown("12:43 UTC 22 September 2024"));
    EXPECT_EQ(window.val_winter.text(), Shown("09:20 UTC 21 December 2024"));
    EXPECT_EQ(window.val_easter.text(), Shown("31 March 2024"));
    EXPECT_EQ(window.val_pesach.text(), Shown("23 April 2024"));
    EXPECT_EQ(window.val_chinese.text(), Shown("10 February 2024 (Dragon)"));
}

TEST_F(MoreDataWindow, NextEclipsesFromTheTwentiethOfMarch2024)
{
    Tfrm_more& window = create();
    EXPECT_EQ(window.val_suneclipse.text(), Shown("18:17 UTC 8 April 2024"));
    EXPECT_EQ(window.typ_suneclipse.text(), Shown("Total"));
    EXPECT_TRUE(window.val_mooneclipse.text().endsWith(Shown("UTC 25 March 2024")))
        << window.val_mooneclipse.text().toStdString();
    EXPECT_EQ(window.typ_mooneclipse.text(), Shown("Penumbral"));
}

TEST_F(MoreDataWindow, OrbitEventsLieAheadOfTheInstant)
{
    Tfrm_more& window = create();
    // Published: perihelion 2025-01-04, aphelion 2024-07-05, apogee 2024-03-23 15:44 UT, perigee
    // 2024-04-07 17:50 UT (the perihelion and aphelion are mean-orbit instants, a day or so
    // from the true ones).
    EXPECT_TRUE(window.val_perihel.text().contains(Shown("January 2025"))) << window.val_perihel.text().toStdString();
    EXPECT_TRUE(window.val_aphel.text().contains(Shown("July 2024"))) << window.val_aphel.text().toStdString();
    EXPECT_TRUE(window.val_apogee.text().endsWith(Shown("UTC 23 March 2024")))
        << window.val_apogee.text().toStdString();
    EXPECT_TRUE(window.val_perigee.text().endsWith(Shown("UTC 7 April 2024")))
        << window.val_perigee.text().toStdString();
}

struct TZoneLineCase {
    const char* zone;
    int month;
    const char* text;
};

class ZoneLine : public MoreDataWindow, public testing::WithParamInterface<TZoneLineCase> {};

// The offset is the one of the shown day, not the computer's today.
TEST_P(ZoneLine, NamesThePlacesZoneAndItsOffsetOnTheShownDay)
{
    clock.set(At(2027, GetParam().month, 21, 12));
    clock.setBias(-60);
    TLocation place = Place("Somewhere", 10, 0);
    place.TimeZone = GetParam().zone;
    store({place});
    QString expected = ReplaceAll("%1%", GetParam().zone, LocalString(42175));
    expected = ReplaceAll("%2%", GetParam().text, expected);
    expected = ReplaceAll("%3%", DateText(At(2027, GetParam().month, 21)), expected);
    EXPECT_EQ(create().lblTimeBias.text(), expected);
}

INSTANTIATE_TEST_SUITE_P(MoreData, ZoneLine,
                         testing::Values(TZoneLineCase{"Europe/Berlin", 6, "UTC+2"},
                                         TZoneLineCase{"Europe/Berlin", 12, "UTC+1"},
                                         TZoneLineCase{"Asia/Kathmandu", 6, "UTC+5:45"},
                                         TZoneLineCase{"America/New_York", 1, "UTC-5"},
                                         TZoneLineCase{"Australia/Sydney", 1, "UTC+11"}));

TEST_F(MoreDataWindow, EmptyListStillShowsTheYearButNoPlace)
{
    Tfrm_more& window = create();
    EXPECT_EQ(window.cbx_location.count(), 0);
    EXPECT_EQ(window.cbx_location.itemIndex(), -1);
    EXPECT_EQ(window.val_latitude.text(), LocalString(42174));
    EXPECT_EQ(window.val_longitude.text(), "");
    for (const TLabel* caption : {&window.lbl_spring, &window.lbl_summer, &window.lbl_autumn, &window.lbl_winter})
        EXPECT_EQ(caption->hint(), "");
    for (const TLabel* label :
         {&calculator.sun.val_sunrise, &calculator.sun.val_suntransit, &calculator.sun.val_sunset,
          &calculator.sun.val_moonrise, &calculator.sun.val_moontransit, &calculator.sun.val_moonset})
        EXPECT_EQ(label->text(), "---");
    EXPECT_FALSE(window.val_spring.text().isEmpty());
    EXPECT_FALSE(window.val_perigee.text().isEmpty());
    EXPECT_FALSE(window.val_suneclipse.text().isEmpty());
    EXPECT_FALSE(window.val_easter.text().isEmpty());
}

// An index of no place, as older versions could store, is read as the first place: the rises
// and sets are there after a restart.
TEST_F(MoreDataWindow, StoredIndexBeyondTheListSelectsTheFirstPlace)
{
    store({Place("Home", 48.2, -16.37)});
    TIniFile(settingsFile()).WriteInteger("Current", "Index", 3);
    Tfrm_more& window = create();
    EXPECT_EQ(window.cbx_location.count(), 1);
    EXPECT_EQ(window.cbx_location.itemIndex(), 0);
    EXPECT_EQ(window.val_latitude.text(), Shown(QString::fromUtf8("48° 12' 0'' North")));
    EXPECT_NE(calculator.sun.val_sunrise.text(), "---");
}

TEST_F(MoreDataWindow, LeavingTheSelectionKeepsTheLastCoordinatesAndClearsTheHints)
{
    store({Place("Home", 48.2, -16.37)}, 0);
    Tfrm_more& window = create();
    ASSERT_EQ(window.lbl_spring.hint(), Shown("Begin of spring"));
    window.cbx_location.setItemIndex(-1);
    EXPECT_EQ(window.val_latitude.text(), Shown(QString::fromUtf8("48° 12' 0'' North")));
    EXPECT_EQ(window.lbl_spring.hint(), "");
    EXPECT_EQ(calculator.sun.val_sunrise.text(), "---");
}

struct THintCase {
    double latitude;
    const char* spring;
    const char* summer;
    const char* autumn;
    const char* winter;
};

class SeasonHints : public MoreDataWindow, public testing::WithParamInterface<THintCase> {};

TEST_P(SeasonHints, FollowTheHemisphere)
{
    store({Place("Somewhere", GetParam().latitude, 0)});
    Tfrm_more& window = create();
    EXPECT_EQ(window.lbl_spring.hint(), Shown(GetParam().spring));
    EXPECT_EQ(window.lbl_summer.hint(), Shown(GetParam().summer));
    EXPECT_EQ(window.lbl_autumn.hint(), Shown(GetParam().autumn));
    EXPECT_EQ(window.lbl_winter.hint(), Shown(GetParam().winter));
}

INSTANTIATE_TEST_SUITE_P(
    MoreData, SeasonHints,
    testing::Values(THintCase{51.5, "Begin of spring", "Begin of sommer", "Begin of autumn", "Begin of winter"},
                    THintCase{-33.87, "Begin of autumn", "Begin of winter", "Begin of spring", "Begin of sommer"},
                    THintCase{0, "Begin of autumn", "Begin of winter", "Begin of spring", "Begin of sommer"}));

struct TCoordinateCase {
    double latitude;
    double longitude;
    const char* latitudeText;
    const char* longitudeText;
};

class Coordinates : public MoreDataWindow, public testing::WithParamInterface<TCoordinateCase> {};

TEST_P(Coordinates, ShowMagnitudeAndCompassSide)
{
    store({Place("Somewhere", GetParam().latitude, GetParam().longitude)});
    Tfrm_more& window = create();
    EXPECT_EQ(window.val_latitude.text(), Shown(QString::fromUtf8(GetParam().latitudeText)));
    EXPECT_EQ(window.val_longitude.text(), Shown(QString::fromUtf8(GetParam().longitudeText)));
}

INSTANTIATE_TEST_SUITE_P(MoreData, Coordinates,
                         testing::Values(TCoordinateCase{-33.87, -151.2, "33° 52' 12'' South", "151° 12' 0'' East"},
                                         TCoordinateCase{51.5, 0, "51° 30' 0'' North", "0° 0' 0'' West"},
                                         TCoordinateCase{0, 74.0, "0° 0' 0'' North", "74° 0' 0'' West"}));

TEST_F(MoreDataWindow, RiseTransitSetOfTheSunGoToTheCalculatorAndTheWindow)
{
    clock.set(At(2024, 6, 21, 12));
    store({Place("Greenwich", 51.5, 0)});
    Tfrm_more& window = create();
    // Published for 51.5 N, 0: 03:42:40, 12:01:55, 20:21:05 UT.
    EXPECT_EQ(calculator.sun.val_sunrise.text(), Shown("03:42 UTC 21 June 2024"));
    EXPECT_EQ(calculator.sun.val_suntransit.text(), Shown("12:01 UTC 21 June 2024"));
    EXPECT_EQ(calculator.sun.val_sunset.text(), Shown("20:21 UTC 21 June 2024"));
    EXPECT_EQ(window.val_sunrise.text(), calculator.sun.val_sunrise.text());
    EXPECT_EQ(window.val_suntransit.text(), calculator.sun.val_suntransit.text());
    EXPECT_EQ(window.val_sunset.text(), calculator.sun.val_sunset.text());
    EXPECT_EQ(window.val_moonrise.text(), calculator.sun.val_moonrise.text());
}

// The midnight sun neither rises nor sets but crosses the meridian; the moon's block is
// separate.
TEST_F(MoreDataWindow, MidnightSunShowsOnlyTheSunsTransitAndTheMoonStillRisesAndSets)
{
    // First quarter: the moon stands near the equator and rises and sets even at 78 N.
    clock.set(At(2024, 6, 14, 12));
    store({Place("Svalbard", 78.2, -15.6)});
    create();
    EXPECT_EQ(calculator.sun.val_sunrise.text(), "---");
    EXPECT_TRUE(calculator.sun.val_suntransit.text().startsWith("10:5"))
        << calculator.sun.val_suntransit.text().toStdString();
    EXPECT_EQ(calculator.sun.val_sunset.text(), "---");
    EXPECT_NE(calculator.sun.val_moontransit.text(), "---");
    EXPECT_TRUE(calculator.sun.val_moonrise.text() != "---" || calculator.sun.val_moonset.text() != "---");
}

// Each shown event must fall on the universal-time day of the instant, and the moon, which
// rises about 50 minutes later each day, skips a rise and a set once a month.
TEST_F(MoreDataWindow, MoonEventsAlwaysBelongToTheirDayAndSkipOnceAMonth)
{
    store({Place("Greenwich", 51.5, 0)});
    Tfrm_more& window = create();
    int missingRises = 0;
    int missingSets = 0;
    const double start = At(2024, 1, 1, 12);
    for (int day = 0; day < 60; ++day) {
        clock.set(start + day);
        window.LocationChange();
        const QString date =
            QStringLiteral(" UTC %1").arg(QLocale().toString(QDate(2024, 1, 1).addDays(day), "d MMMM yyyy"));
        for (const TLabel* label :
             {&calculator.sun.val_moonrise, &calculator.sun.val_moontransit, &calculator.sun.val_moonset,
              &calculator.sun.val_sunrise, &calculator.sun.val_sunset}) {
            if (label->text() != "---") {
                EXPECT_TRUE(label->text().endsWith(date)) << label->text().toStdString() << " on day " << day;
            }
        }
        missingRises += calculator.sun.val_moonrise.text() == "---";
        missingSets += calculator.sun.val_moonset.text() == "---";
        EXPECT_NE(calculator.sun.val_sunrise.text(), "---");
    }
    EXPECT_GE(missingRises, 1);
    EXPECT_LE(missingRises, 3);
    EXPECT_GE(missingSets, 1);
    EXPECT_LE(missingSets, 3);
}

TEST_F(MoreDataWindow, ChoosingAnotherLocationRecomputes)
{
    clock.set(At(2024, 6, 21, 12));
    store({Place("Greenwich", 51.5, 0), Place("Sydney", -33.87, -151.2)});
    Tfrm_more& window = create();
    window.cbx_location.setItemIndex(1);
    EXPECT_EQ(window.val_longitude.text(), Shown(QString::fromUtf8("151° 12' 0'' East")));
    EXPECT_EQ(window.lbl_spring.hint(), Shown("Begin of autumn"));
    // Sydney's winter sunrise is 20:59 UT of the day before; on the 21st it rises at 21:00.
    EXPECT_TRUE(calculator.sun.val_sunrise.text().startsWith(Shown("21:00 UTC 21 June 2024")) ||
                calculator.sun.val_sunrise.text().startsWith(Shown("20:59 UTC 21 June 2024")))
        << calculator.sun.val_sunrise.text().toStdString();
}

TEST_F(MoreDataWindow, TimerRecomputesWhileHidden)
{
    Tfrm_more& window = create();
    ASSERT_FALSE(window.visible());
    clock.set(At(2025, 1, 15, 12));
    window.Timer.tick();
    EXPECT_TRUE(window.val_spring.text().endsWith(Shown("March 2025"))) << window.val_spring.text().toStdString();
    EXPECT_EQ(window.val_chinese.text(), Shown("29 January 2025 (Snake)"));
}

TEST_F(MoreDataWindow, ReadsTheAlmanacClockItIsGivenAlsoInFastMode)
{
    clock.setBias(-60);
    Tfrm_more& window = create();
    TAlmanacClock almanac(clock);
    window.UseAlmanacClock(&almanac);
    almanac.setUniversal(At(2001, 6, 21, 11));
    EXPECT_NEAR(window.UniversalNow(), At(2001, 6, 21, 11), 1e-9);
    almanac.setFast(true);
    clock.advanceSeconds(1);
    EXPECT_NEAR(window.UniversalNow(), At(2001, 6, 21, 12), 1e-6);
    window.LocationChange();
    EXPECT_TRUE(window.val_suneclipse.text().endsWith(Shown("UTC 21 June 2001")))
        << window.val_suneclipse.text().toStdString();
    EXPECT_EQ(window.typ_suneclipse.text(), Shown("Total"));
}

TEST_F(MoreDataWindow, FeastDateOutsideItsRangeDoesNotStopTheRest)
{
    clock.set(At(2450, 3, 1, 12));
    store({Place("Greenwich", 51.5, 0)});
    Tfrm_more& window = create();
    EXPECT_EQ(window.val_easter.text(), Shown(OutOfRange));
    EXPECT_TRUE(window.val_pesach.text().endsWith("2450")) << window.val_pesach.text().toStdString();
    EXPECT_TRUE(window.val_chinese.text().contains("2450")) << window.val_chinese.text().toStdString();
    EXPECT_TRUE(calculator.sun.val_sunrise.text().endsWith(Shown("UTC 1 March 2450")))
        << calculator.sun.val_sunrise.text().toStdString();
    EXPECT_EQ(window.val_latitude.text(), Shown(QString::fromUtf8("51° 30' 0'' North")));
}

TEST_F(MoreDataWindow, PassoverBeforeItsCalendarSaysOutOfRange)
{
    clock.set(At(300, 3, 1, 12));
    Tfrm_more& window = create();
    EXPECT_EQ(window.val_pesach.text(), Shown(OutOfRange));
    EXPECT_NE(window.val_easter.text(), Shown(OutOfRange));
}

}  // namespace
