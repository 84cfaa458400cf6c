// The day More Data shows is the place's own civil day and its times are on the place's clock:
// New York's evening of 21 June is the evening of its 21 June (00:30 UT on the 22nd), and
// Sydney's morning of 22 June is 21:00 UT on the 21st.

#include "tests/moredata/moredata_test_support.h"
#include "tests/shown_text.h"

#include <QRegularExpression>

namespace {

struct TLocalDayCase {
    const char* name;
    double latitude, longitudeWest;
    const char* zone;
    double clockUt;  // the almanac's instant
    // Published rise and set (U.S. Naval Observatory, local clock time) and the zone's name.
    int riseMinutes, setMinutes;
    const char* abbreviation;
    int localDay;  // of June 2027
};

// Minutes after local midnight of "hh:mm ABBR d Month yyyy", and the rest after the time.
int MinutesOf(const QString& text) { return text.left(2).toInt() * 60 + text.mid(3, 2).toInt(); }

class PlacesOwnDay : public MoreDataWindow, public testing::WithParamInterface<TLocalDayCase> {};

TEST_P(PlacesOwnDay, RiseAndSetAreThoseOfTheLocalDayOnTheLocalClock)
{
    const TLocalDayCase c = GetParam();
    clock.set(c.clockUt);
    TLocation place = Place(c.name, c.latitude, c.longitudeWest);
    place.TimeZone = c.zone;
    store({place});
    Tfrm_more& window = create();
    EXPECT_EQ(window.dtp_day.date(), QDate(2027, 6, c.localDay)) << c.name;
    const QString tail =
        QStringLiteral(" %1 %2 %3 2027").arg(c.abbreviation).arg(c.localDay).arg(QLocale().monthName(6));
    for (const TLabel* label :
         {&window.val_sunrise, &window.val_sunset, &calculator.sun.val_sunrise, &calculator.sun.val_sunset}) {
        EXPECT_TRUE(label->text().endsWith(tail)) << c.name << ": " << label->text().toStdString();
    }
    EXPECT_NEAR(MinutesOf(window.val_sunrise.text()), c.riseMinutes, 2) << c.name;
    EXPECT_NEAR(MinutesOf(window.val_sunset.text()), c.setMinutes, 2) << c.name;
    EXPECT_TRUE(window.val_sunriselight.text().contains(c.abbreviation))
        << window.val_sunriselight.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(MoreData, PlacesOwnDay,
                         testing::Values(
                             // 22:00 EDT on 21 June: still New York's 21 June.
                             TLocalDayCase{"New York", 40.7128, 74.0060, "America/New_York", At(2027, 6, 22, 2),
                                           5 * 60 + 25, 20 * 60 + 31, "EDT", 21},
                             // 07:30 AEST on 22 June: already Sydney's 22 June.
                             TLocalDayCase{"Sydney", -33.8688, -151.2093, "Australia/Sydney", At(2027, 6, 21, 21, 30),
                                           7 * 60 + 0, 16 * 60 + 54, "AEST", 22},
                             TLocalDayCase{"Berlin", 52.52, -13.405, "Europe/Berlin", At(2027, 6, 21, 12), 4 * 60 + 43,
                                           21 * 60 + 33, "CEST", 21}));

// The sun crosses the meridian on polar days and nights too: the transit is shown, with the
// sun's altitude there when it stays below the horizon.
TEST_F(MoreDataWindow, PolarDaysAndNightsShowTheSunsTransit)
{
    const struct {
        double latitude, longitudeWest;
        int month;
        bool below;
    } cases[] = {
        {69.65, -18.96, 6, false}, {69.65, -18.96, 12, true}, {78.2, -15.6, 6, false}, {78.2, -15.6, 12, true}};
    for (const auto& c : cases) {
        clock.set(At(2027, c.month, 21, 11));
        TLocation place = Place("North", c.latitude, c.longitudeWest);
        place.TimeZone = "Europe/Oslo";
        store({place});
        Tfrm_more& window = create();
        const QString transit = window.val_suntransit.text();
        SCOPED_TRACE(transit.toStdString());
        EXPECT_EQ(window.val_sunrise.text(), "---");
        EXPECT_TRUE(transit.startsWith("11:") || transit.startsWith("12:") || transit.startsWith("13:"));
        EXPECT_EQ(transit.contains(QString::fromUtf8(", \u2212")), c.below);
        EXPECT_EQ(calculator.sun.val_suntransit.text(), transit);
    }
}

TEST_F(MoreDataWindow, TimesFollowTheChosenClock)
{
    clock.set(At(2027, 6, 21, 12));
    clock.setBias(-60);
    TLocation berlin = Place("Berlin", 52.52, -13.405);
    berlin.TimeZone = "Europe/Berlin";
    store({berlin});
    Tfrm_more& window = create();
    EXPECT_TRUE(window.val_sunset.text().startsWith("21:3")) << window.val_sunset.text().toStdString();
    window.SetTimesShown(tsUtc);
    EXPECT_TRUE(window.val_sunset.text().startsWith("19:3")) << window.val_sunset.text().toStdString();
    EXPECT_TRUE(window.val_sunset.text().contains(" UTC ")) << window.val_sunset.text().toStdString();
    // The computer's zone here is a fixed UTC+1.
    window.SetTimesShown(tsComputer);
    EXPECT_TRUE(window.val_sunset.text().startsWith("20:3")) << window.val_sunset.text().toStdString();
    EXPECT_TRUE(window.val_sunset.text().contains(" UTC+1 ")) << window.val_sunset.text().toStdString();
    EXPECT_TRUE(window.val_summer.text().contains(" UTC+1 ")) << window.val_summer.text().toStdString();
}

TEST_F(MoreDataWindow, AnUnknownZoneIsKeptAndTheDayStillShows)
{
    TLocation place = Place("Lost", 52.52, -13.405);
    place.TimeZone = "Europe/Atlantis";
    store({place});
    Tfrm_more& window = create();
    EXPECT_NE(window.val_sunrise.text(), "---");
    TLocationList stored;
    int index = 0;
    LoadLocations(settingsFile(), stored, index);
    window.SaveCurrentLocation();
    stored.clear();
    LoadLocations(settingsFile(), stored, index);
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].TimeZone, "Europe/Atlantis");
}

}  // namespace
