#include "cli/lightcsv.h"

#include <gtest/gtest.h>

namespace {

struct TFieldCase {
    const char* text;
    const char* written;
};

const TFieldCase FieldCases[] = {
    {"", ""},
    {"Sun never sinks below -6°", "Sun never sinks below -6°"},
    {"Paris, France", "\"Paris, France\""},
    {"say \"cheese\"", "\"say \"\"cheese\"\"\""},
    {"two\nlines", "\"two\nlines\""},
    {"\"", "\"\"\"\""},
};

TEST(CsvField, QuotesOnlyWhatWouldBreakTheRow)
{
    for (const TFieldCase& c : FieldCases)
        EXPECT_EQ(CsvField(QString::fromUtf8(c.text)), QString::fromUtf8(c.written)) << c.text;
}

// 2027-06-21 00:00 UT on the library's scale.
constexpr double Midsummer = 46559;

struct TTimeCase {
    const char* name;
    double ut;
    int offsetSeconds;
    const char* local;
    const char* universal;
};

const TTimeCase TimeCases[] = {
    {"SummerTimeBerlin", Midsummer + (2 * 3600 + 43 * 60 + 12) / 86400.0, 7200, "2027-06-21T04:43:12+02:00",
     "2027-06-21T02:43:12Z"},
    {"WestOfGreenwichIntoTheDayBefore", Midsummer + 0.5 / 24, -4 * 3600, "2027-06-20T20:30:00-04:00",
     "2027-06-21T00:30:00Z"},
    {"HalfHours", Midsummer + 23.0 / 24, -(3 * 3600 + 1800), "2027-06-21T19:30:00-03:30", "2027-06-21T23:00:00Z"},
    {"QuarterHours", Midsummer, 5 * 3600 + 45 * 60, "2027-06-21T05:45:00+05:45", "2027-06-21T00:00:00Z"},
    {"RoundsToTheNearestSecondAcrossMidnight", Midsummer - 0.4 / 86400, 0, "2027-06-21T00:00:00+00:00",
     "2027-06-21T00:00:00Z"},
    {"DropsAFractionBelowHalf", Midsummer + 59.49 / 86400, 0, "2027-06-21T00:00:59+00:00", "2027-06-21T00:00:59Z"},
    {"BeforeTheScalesDayZero", -364.75, 3600, "1898-12-30T07:00:00+01:00", "1898-12-30T06:00:00Z"},
    {"LocalMeanTimeKeepsItsSeconds", Midsummer, 1172, "2027-06-21T00:19:32+00:19:32", "2027-06-21T00:00:00Z"},
};

class IsoTimes : public testing::TestWithParam<TTimeCase> {};

TEST_P(IsoTimes, WriteTheSameInstantOnTheZonesClockAndInUniversalTime)
{
    const TTimeCase& c = GetParam();
    const TPlaceZone zone(QTimeZone(c.offsetSeconds));
    EXPECT_EQ(IsoLocalTime(c.ut, zone), QString::fromLatin1(c.local));
    EXPECT_EQ(IsoUniversalTime(c.ut), QString::fromLatin1(c.universal));
}

INSTANTIATE_TEST_SUITE_P(Cases, IsoTimes, testing::ValuesIn(TimeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IsoTimes, NothingForAnInstantThatIsNone)
{
    for (const double ut : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300}) {
        EXPECT_TRUE(IsoLocalTime(ut, TPlaceZone()).isEmpty()) << ut;
        EXPECT_TRUE(IsoUniversalTime(ut).isEmpty()) << ut;
    }
}

TEST(LightCsvRows, AreTheFourteenEventsWithTheReasonsOfTheLightBlock)
{
    astro::TDayLight light;  // every crossing below all day: a polar night with no moon
    light.Morning.Astronomical.Kind = astro::lkAboveAllDay;
    light.Evening.Golden.Kind = astro::lkOtherDay;
    light.Moonrise.Horizon = {astro::lkOccurs, Midsummer + 0.25};
    light.Moonrise.Azimuth = 359.96;
    light.Moonrise.IlluminatedFraction = 0.125;
    light.Moonset.Horizon.Kind = astro::lkAboveAllDay;
    const TPlaceZone zone(QTimeZone(3600));
    const QStringList rows = LightCsvRows(zone.day(Midsummer), &light, zone);
    const QStringList expected = {
        "2027-06-21,astronomical_dawn,,,,No astronomical night,",
        "2027-06-21,nautical_dawn,,,,Sun never climbs above -12°,",
        "2027-06-21,civil_dawn,,,,Sun never climbs above -6°,",
        "2027-06-21,morning_golden_hour_start,,,,Sun never climbs above -4°,",
        "2027-06-21,sunrise,,,,Sun does not rise (polar night),",
        "2027-06-21,morning_golden_hour_end,,,,Sun never climbs above 6°,",
        "2027-06-21,evening_golden_hour_start,,,,Not on this day,",
        "2027-06-21,sunset,,,,Sun does not rise (polar night),",
        "2027-06-21,evening_golden_hour_end,,,,Sun never climbs above -4°,",
        "2027-06-21,civil_dusk,,,,Sun never climbs above -6°,",
        "2027-06-21,nautical_dusk,,,,Sun never climbs above -12°,",
        "2027-06-21,astronomical_dusk,,,,Sun never climbs above -18°,",
        // 359.96° is north again, written as 0.0 rather than 360.0; 12.5 % rounds to even.
        "2027-06-21,moonrise,2027-06-21T07:00:00+01:00,2027-06-21T06:00:00Z,0.0,,12",
        "2027-06-21,moonset,,,,Moon stays up all day,",
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(LightCsvEvents().size(), rows.size());
}

TEST(LightCsvRows, OfASkippedDayEachSayNotOnThisDay)
{
    TLocalDay skipped;
    skipped.Number = Midsummer;
    skipped.Start = skipped.End = Midsummer;
    const QStringList rows = LightCsvRows(skipped, nullptr, TPlaceZone());
    ASSERT_EQ(rows.size(), 14);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(rows[i], "2027-06-21," + LightCsvEvents()[i] + ",,,,Not on this day,");
}

}  // namespace
