// The zone of a place against the C library's own reading of the same zone files, which shares
// no code with the toolkit's: offsets, names and the length of local days around the changes.

#include "almanac/placezone.h"

#include "astro/calendar.h"

#include "tests/glibc_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

constexpr double Hour = 1.0 / 24;

double Day(int year, int month, int day) { return astro::CalendarToDateTime(year, month, day); }

struct TZoneDay {
    const char* zone;
    int year, month, day;
    double hours;  // length of the local day
};

class LocalDayLength : public testing::TestWithParam<TZoneDay> {};

TEST_P(LocalDayLength, RunsFromMidnightToMidnightOfTheZone)
{
    const TZoneDay c = GetParam();
    const TPlaceZone zone(QTimeZone(c.zone));
    const TLocalDay day = zone.day(Day(c.year, c.month, c.day));
    EXPECT_NEAR((day.End - day.Start) / Hour, c.hours, 1e-6) << c.zone;
    if (c.hours == 0) {
        EXPECT_TRUE(day.empty());
        EXPECT_EQ(zone.dayOf(day.Start).Number, day.Number + 1) << c.zone;
        return;
    }
    // Both ends are local midnights, by the C library's offset, except where midnight fell
    // into a gap and the day starts when the clocks jump.
    const TGlibcZone tz(c.zone);
    for (const double start : {day.Start, day.End}) {
        const double local = start + tz.offsetAt(start) / 86400.0;
        const double sinceMidnight = (local - std::floor(local + 1e-9)) * 24;
        EXPECT_LT(sinceMidnight, 1.0 + 1e-6) << c.zone;
    }
    const double local = day.Start + tz.offsetAt(day.Start) / 86400.0;
    EXPECT_EQ(std::floor(local + 1e-9), Day(c.year, c.month, c.day)) << c.zone;
    // The instant before the start belongs to an earlier day.
    EXPECT_LT(zone.dayOf(day.Start - 1e-6).Number, day.Number) << c.zone;
    EXPECT_EQ(zone.dayOf(day.End - 1e-6).Number, day.Number) << c.zone;
}

INSTANTIATE_TEST_SUITE_P(
    Zones, LocalDayLength,
    testing::Values(TZoneDay{"Europe/Berlin", 2027, 6, 21, 24}, TZoneDay{"Europe/Berlin", 2027, 3, 28, 23},
                    TZoneDay{"Europe/Berlin", 2027, 10, 31, 25}, TZoneDay{"America/New_York", 2027, 3, 14, 23},
                    TZoneDay{"America/New_York", 2027, 11, 7, 25}, TZoneDay{"Australia/Sydney", 2027, 4, 4, 25},
                    TZoneDay{"Australia/Sydney", 2027, 10, 3, 23}, TZoneDay{"Australia/Lord_Howe", 2027, 4, 4, 24.5},
                    TZoneDay{"Pacific/Chatham", 2027, 9, 26, 23}, TZoneDay{"Asia/Kathmandu", 2027, 6, 21, 24},
                    TZoneDay{"Pacific/Kiritimati", 2027, 6, 21, 24}, TZoneDay{"Pacific/Pago_Pago", 2027, 6, 21, 24},
                    // Midnight falls into the gap: the day starts at 01:00.
                    TZoneDay{"America/Santiago", 2026, 9, 6, 23}, TZoneDay{"America/Havana", 2027, 3, 14, 23},
                    // Samoa skipped its 30 December 2011.
                    TZoneDay{"Pacific/Apia", 2011, 12, 30, 0}, TZoneDay{"Pacific/Apia", 2011, 12, 31, 24}));

TEST(PlaceZone, OffsetsAgreeWithTheCLibraryAcrossTwoYears)
{
    for (const char* name :
         {"Europe/Berlin", "America/New_York", "Australia/Sydney", "Asia/Kathmandu", "Australia/Adelaide",
          "Pacific/Chatham", "Pacific/Kiritimati", "Pacific/Tongatapu", "America/St_Johns", "Pacific/Honolulu"}) {
        const TPlaceZone zone{QTimeZone(name)};
        const TGlibcZone tz(name);
        for (double ut = Day(2026, 1, 1) + 0.1; ut < Day(2028, 1, 1); ut += 0.37)
            ASSERT_EQ(zone.offsetSecondsAt(ut), tz.offsetAt(ut)) << name << " at " << ut;
    }
}

TEST(PlaceZone, NamesItsTimeAtEachInstant)
{
    const struct {
        const char* zone;
        double ut;
        const char* name;
    } cases[] = {
        {"Europe/Berlin", Day(2027, 6, 21) + 3 * Hour, "CEST"}, {"Europe/Berlin", Day(2027, 12, 21) + 3 * Hour, "CET"},
        {"Australia/Sydney", Day(2027, 6, 21), "AEST"},         {"Asia/Kathmandu", Day(2027, 6, 21), "UTC+5:45"},
        {"Pacific/Chatham", Day(2027, 1, 10), "UTC+13:45"},     {"Pacific/Kiritimati", Day(2027, 1, 10), "UTC+14"},
        {"America/Sao_Paulo", Day(2027, 1, 10), "UTC-3"},       {"Australia/Darwin", Day(2027, 1, 10), "ACST"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TPlaceZone(QTimeZone(c.zone)).abbreviationAt(c.ut), c.name) << c.zone;
    EXPECT_EQ(TPlaceZone().abbreviationAt(Day(2027, 1, 10)), "UTC");
}

TEST(PlaceZone, AnUnknownOrBrokenZoneIsUniversalTimeAndNaNIsHarmless)
{
    const TPlaceZone unknown(QTimeZone("Mars/Olympus_Mons"));
    EXPECT_EQ(unknown.id(), "UTC");
    EXPECT_EQ(unknown.offsetSecondsAt(Day(2027, 1, 1)), 0);
    const TPlaceZone berlin(QTimeZone("Europe/Berlin"));
    EXPECT_EQ(berlin.offsetSecondsAt(NAN), 0);
    EXPECT_TRUE(berlin.day(NAN).empty());
}

TEST(UtcOffsetText, WritesHoursAndMinutes)
{
    EXPECT_EQ(UtcOffsetText(0), "UTC");
    EXPECT_EQ(UtcOffsetText(7200), "UTC+2");
    EXPECT_EQ(UtcOffsetText(20700), "UTC+5:45");
    EXPECT_EQ(UtcOffsetText(-34200), "UTC-9:30");
    EXPECT_EQ(UtcOffsetText(-39600), "UTC-11");
}

}  // namespace
