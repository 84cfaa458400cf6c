#include "tests/cli/light_helpers.h"
#include "tests/locale_switch.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace {

// Sunrise and sunset on the clocks of the place, as almanacs publish them to the minute
// (timeanddate.com, the US Naval Observatory's tables); the library's rise and set is the
// upper limb with standard refraction, which agrees within a minute.
struct TKnownDay {
    const char* name;
    const char* place;
    const char* date;
    const char* offset;  // of the local times that day
    int sunrise;         // minutes after local midnight
    int sunset;
    // Degrees from north where the upper limb clears the horizon with standard refraction:
    // cos A = (sin δ + sin 0.83° sin φ) / (cos 0.83° cos φ) at the solstice's declination.
    double sunriseAzimuth;
};

const TKnownDay KnownDays[] = {
    {"BerlinMidsummer", "52.52,13.405", "2027-06-21", "+02:00", 4 * 60 + 43, 21 * 60 + 33, 47.7},
    {"BerlinMidwinter", "52.52,13.405", "2027-12-21", "+01:00", 8 * 60 + 15, 15 * 60 + 54, 129.4},
    {"NewYorkMidsummer", "40.7128,-74.006", "2027-06-21", "-04:00", 5 * 60 + 25, 20 * 60 + 31, 57.5},
    {"NewYorkMidwinter", "40.7128,-74.006", "2027-12-21", "-05:00", 7 * 60 + 17, 16 * 60 + 32, 120.8},
};

constexpr double PublishedMinutes = 2;  // the published minute, rounded, and the method's spread
constexpr double AzimuthDegrees = 1.5;  // refraction and the observer's height move it

class KnownSunriseAndSunset : public testing::TestWithParam<TKnownDay> {};

TEST_P(KnownSunriseAndSunset, AgreeWithThePublishedTimesOnThePlacesClock)
{
    const TKnownDay& c = GetParam();
    const TLightAnswer answer = RunLight(c.place, c.date);
    ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    const QList<TCsvRow> rows = CsvRows(answer.Output);
    const TCsvRow* sunrise = RowOf(rows, "sunrise");
    const TCsvRow* sunset = RowOf(rows, "sunset");
    ASSERT_TRUE(sunrise && sunset);
    EXPECT_NEAR(LocalMinutes(sunrise->LocalTime), c.sunrise, PublishedMinutes) << qPrintable(sunrise->LocalTime);
    EXPECT_NEAR(LocalMinutes(sunset->LocalTime), c.sunset, PublishedMinutes) << qPrintable(sunset->LocalTime);
    for (const TCsvRow& row : rows) {
        EXPECT_EQ(row.Date, QLatin1String(c.date));
        if (!row.LocalTime.isEmpty()) {
            EXPECT_TRUE(row.LocalTime.endsWith(QLatin1String(c.offset))) << qPrintable(row.LocalTime);
        }
    }
    EXPECT_NEAR(sunrise->Azimuth.toDouble(), c.sunriseAzimuth, AzimuthDegrees);
    // Sunset mirrors sunrise about the meridian.
    EXPECT_NEAR(sunset->Azimuth.toDouble(), 360 - c.sunriseAzimuth, AzimuthDegrees);
}

INSTANTIATE_TEST_SUITE_P(Places, KnownSunriseAndSunset, testing::ValuesIn(KnownDays),
                         [](const auto& info) { return std::string(info.param.name); });

// Every row in every run of the table, whatever the place and the season.
struct TRun {
    const char* name;
    const char* place;
    const char* date;
    const char* days;
    int dayCount;
};

const TRun Runs[] = {
    {"Berlin", "52.52,13.405", "2027-06-21", nullptr, 1},
    {"TromsoMidnightSun", "69.6492,18.9553", "2027-06-21", nullptr, 1},
    {"TromsoPolarNight", "69.6492,18.9553", "2027-12-21", nullptr, 1},
    {"BerlinIntoSummerTime", "52.52,13.405", "2027-03-27", "3", 3},   // 28 March: 23 hours
    {"BerlinOutOfSummerTime", "52.52,13.405", "2027-10-30", "3", 3},  // 31 October: 25 hours
    {"NewYorkIntoSummerTime", "40.7128,-74.006", "2027-03-14", "1", 1},
    {"NewYorkOutOfSummerTime", "40.7128,-74.006", "2027-11-07", "1", 1},
    {"Sydney", "-33.8688,151.2093", "2027-01-01", "2", 2},
    {"Kathmandu", "27.7172,85.324", "2027-06-21", "1", 1},
    {"Svalbard", "78.2232,15.6267", "2027-02-16", "7", 7},
    {"SouthPole", "-90,0", "2027-03-20", "2", 2},
    {"DateLine", "-13.8333,-171.75", "2027-06-21", "2", 2},
};

class EveryRun : public testing::TestWithParam<TRun> {};

TEST_P(EveryRun, GivesFourteenRowsPerDayInOrderWithConsistentTimes)
{
    const TRun& c = GetParam();
    const TLightAnswer answer = RunLight(c.place, c.date, "csv", c.days ? QString(c.days) : QString());
    ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    const QList<TCsvRow> rows = CsvRows(answer.Output);
    ASSERT_EQ(rows.size(), 14 * c.dayCount);
    const QStringList events = LightCsvEvents();
    ASSERT_EQ(events.size(), 14);
    const QDate first = QDate::fromString(c.date, Qt::ISODate);
    for (int i = 0; i < rows.size(); ++i) {
        const TCsvRow& row = rows[i];
        EXPECT_EQ(row.Event, events[i % 14]);
        EXPECT_EQ(row.Date, first.addDays(i / 14).toString(Qt::ISODate));
        EXPECT_EQ(row.LocalTime.isEmpty(), row.UtcTime.isEmpty());
        EXPECT_NE(row.LocalTime.isEmpty(), row.Note.isEmpty()) << "a missing event says why, and only then";
        if (row.LocalTime.isEmpty()) {
            EXPECT_TRUE(row.Azimuth.isEmpty() && row.Illuminated.isEmpty());
            continue;
        }
        // The same instant twice, and on the local date of its row.
        const QDateTime local = QDateTime::fromString(row.LocalTime, Qt::ISODate);
        const QDateTime utc = QDateTime::fromString(row.UtcTime, Qt::ISODate);
        ASSERT_TRUE(local.isValid() && utc.isValid()) << qPrintable(row.LocalTime + " " + row.UtcTime);
        EXPECT_EQ(local.toMSecsSinceEpoch(), utc.toMSecsSinceEpoch());
        EXPECT_TRUE(row.UtcTime.endsWith(u'Z'));
        EXPECT_EQ(row.LocalTime.left(10), row.Date);
        const bool hasDirection = row.Event == "sunrise" || row.Event == "sunset" || row.Event.startsWith("moon");
        EXPECT_EQ(row.Azimuth.isEmpty(), !hasDirection) << qPrintable(row.Event);
        if (hasDirection) {
            EXPECT_TRUE(QRegularExpression("^[0-9]{1,3}\\.[0-9]$").match(row.Azimuth).hasMatch())
                << qPrintable(row.Azimuth);
            EXPECT_LT(row.Azimuth.toDouble(), 360);
        }
        EXPECT_EQ(row.Illuminated.isEmpty(), !row.Event.startsWith("moon"));
        if (!row.Illuminated.isEmpty()) {
            bool whole = false;
            const int percent = row.Illuminated.toInt(&whole);
            EXPECT_TRUE(whole && percent >= 0 && percent <= 100) << qPrintable(row.Illuminated);
        }
    }
    // The sun's crossings of one day come in the order the sky passes them.
    for (int day = 0; day < c.dayCount; ++day) {
        QString previous;
        for (int i = 0; i < 12; ++i) {
            const QString& time = rows[day * 14 + i].UtcTime;
            if (time.isEmpty())
                continue;
            EXPECT_LT(previous, time) << qPrintable(rows[day * 14 + i].Event);
            previous = time;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Places, EveryRun, testing::ValuesIn(Runs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LightCsv, KeepsTheDateOfTheLocalDayWhenTheUniversalDayHasTurned)
{
    const QList<TCsvRow> rows = CsvRows(RunLight("40.7128,-74.006", "2027-06-21").Output);
    const TCsvRow* sunset = RowOf(rows, "sunset");
    const TCsvRow* dusk = RowOf(rows, "astronomical_dusk");
    ASSERT_TRUE(sunset && dusk);
    EXPECT_EQ(sunset->Date, "2027-06-21");
    EXPECT_TRUE(sunset->LocalTime.startsWith("2027-06-21T20:3")) << qPrintable(sunset->LocalTime);
    EXPECT_TRUE(sunset->UtcTime.startsWith("2027-06-22T00:3")) << qPrintable(sunset->UtcTime);
    EXPECT_TRUE(dusk->UtcTime.startsWith("2027-06-22T")) << qPrintable(dusk->UtcTime);
}

// What the Light block says of a missing crossing, in English, whatever the user's language.
struct TMissing {
    const char* date;
    const char* event;
    const char* note;  // empty: the event happens
};

const TMissing TromsoNotes[] = {
    {"2027-06-21", "astronomical_dawn", "No astronomical night"},
    {"2027-06-21", "nautical_dawn", "Sun never sinks below -12°"},
    {"2027-06-21", "civil_dusk", "Sun never sinks below -6°"},
    {"2027-06-21", "morning_golden_hour_start", "Sun never sinks below -4°"},
    {"2027-06-21", "sunrise", "Sun does not set (midnight sun)"},
    {"2027-06-21", "sunset", "Sun does not set (midnight sun)"},
    {"2027-06-21", "morning_golden_hour_end", ""},  // the midnight sun still dips below +6°
    {"2027-12-21", "sunrise", "Sun does not rise (polar night)"},
    {"2027-12-21", "evening_golden_hour_start", "Sun never climbs above 6°"},
    {"2027-12-21", "civil_dawn", ""},
    {"2027-12-21", "astronomical_dusk", ""},
};

TEST(LightCsv, SaysWhyTheSunDoesNotCrossInPolarDayAndNight)
{
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch switched(locale);
        for (const TMissing& c : TromsoNotes) {
            const QList<TCsvRow> rows = CsvRows(RunLight("69.6492,18.9553", c.date).Output);
            const TCsvRow* row = RowOf(rows, c.event);
            ASSERT_TRUE(row);
            EXPECT_EQ(row->Note, QString::fromUtf8(c.note)) << locale << " " << c.date << " " << c.event;
            EXPECT_EQ(row->LocalTime.isEmpty(), *c.note != 0) << c.event;
        }
    }
}

TEST(LightCsv, WritesNumbersWithAFullStopInEveryLocale)
{
    const QString reference = RunLight("52.52,13.405", "2027-06-21").Output;
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch switched(locale);
        EXPECT_EQ(RunLight("52.52,13.405", "2027-06-21").Output, reference) << locale;
    }
    EXPECT_TRUE(QRegularExpression(",[0-9]+\\.[0-9],").match(reference).hasMatch()) << qPrintable(reference);
}

TEST(LightCommand, DaysRunOnAcrossTheChangeOfTheClocks)
{
    const QList<TCsvRow> rows = CsvRows(RunLight("52.52,13.405", "2027-03-27", "csv", "3").Output);
    ASSERT_EQ(rows.size(), 42);
    const char* offsets[] = {"+01:00", "+02:00", "+02:00"};
    for (int day = 0; day < 3; ++day) {
        const TCsvRow& sunrise = rows[day * 14 + 4];
        ASSERT_EQ(sunrise.Event, "sunrise");
        EXPECT_TRUE(sunrise.LocalTime.endsWith(QLatin1String(offsets[day]))) << qPrintable(sunrise.LocalTime);
    }
    // An hour later on the clock the morning after the change, less about two minutes of
    // spring.
    const double jump = LocalMinutes(rows[14 + 4].LocalTime) - LocalMinutes(rows[4].LocalTime);
    EXPECT_NEAR(jump, 60 - 2, 1.5);
}

TEST(LightCommand, WithoutADateTakesTheDayItIsThereNow)
{
    // 10:00 UTC on 21 June is already the 21st in Sydney and still the 21st in Honolulu.
    for (const char* place : {"-33.8688,151.2093", "21.3069,-157.8583", "52.52,13.405"}) {
        const QList<TCsvRow> rows = CsvRows(RunLight(place, QString()).Output);
        ASSERT_EQ(rows.size(), 14);
        EXPECT_EQ(rows[0].Date, "2027-06-21") << place;
    }
    // 23:30 UTC on 21 June is the 22nd in Berlin.
    const TFixedClock late(46559 + 23.5 / 24, 0);
    TLightRequest request;
    request.Place = "52.52,13.405";
    request.Format = "csv";
    const QList<TCsvRow> rows = CsvRows(RunLightCommand(request, late).Output);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows[0].Date, "2027-06-22");
}

TEST(LightCommand, AZoneAskedForRulesTheClock)
{
    const QList<TCsvRow> rows = CsvRows(RunLight("52.52,13.405", "2027-06-21", "csv", "1", "UTC").Output);
    const TCsvRow* sunrise = RowOf(rows, "sunrise");
    ASSERT_TRUE(sunrise);
    EXPECT_TRUE(sunrise->LocalTime.startsWith("2027-06-21T02:4")) << qPrintable(sunrise->LocalTime);
    EXPECT_TRUE(sunrise->LocalTime.endsWith("+00:00"));
    const QList<TCsvRow> nepal = CsvRows(RunLight("27.7172,85.324", "2027-06-21", "csv", "1").Output);
    ASSERT_FALSE(nepal.isEmpty());
    EXPECT_TRUE(nepal[4].LocalTime.endsWith("+05:45")) << "the nearest town's zone: " << qPrintable(nepal[4].LocalTime);
}

TEST(LightCommand, FindsTownsByNameAsTypedOrFolded)
{
    const QString csv = RunLight("69.6492,18.9553", "2027-06-21").Output;
    for (const char* name : {"Tromsø", "tromso", "TROMSO", "Tromso, NO"}) {
        const TLightAnswer text = RunLight(QString::fromUtf8(name), "2027-06-21", "text");
        ASSERT_EQ(text.ExitCode, 0) << name << ": " << qPrintable(text.Error);
        EXPECT_TRUE(text.Output.contains(QString::fromUtf8("Tromsø, 54, Norway"))) << qPrintable(text.Output);
        EXPECT_TRUE(text.Output.contains("Europe/Oslo"));
        // The town's position is the table's, a few hundred metres from the coordinates above.
        const QList<TCsvRow> rows = CsvRows(RunLight(QString::fromUtf8(name), "2027-06-21").Output);
        const TCsvRow* golden = RowOf(rows, "morning_golden_hour_end");
        const QList<TCsvRow> byCoordinates = CsvRows(csv);
        const TCsvRow* expected = RowOf(byCoordinates, "morning_golden_hour_end");
        ASSERT_TRUE(golden && expected);
        EXPECT_NEAR(LocalMinutes(golden->LocalTime), LocalMinutes(expected->LocalTime), 2);
    }
}

// Every form a map gives for one point gives the light of LAT,LON.
TEST(LightCommand, TakesThePlaceInEveryFormMapsGive)
{
    const QString expected = RunLight("52.52,13.405", "2027-06-21").Output;
    ASSERT_FALSE(expected.isEmpty());
    for (const char* form : {"52.5200, 13.4050", "52.52 N 13.405 E", "52°31'12\"N 13°24'18\"E", "geo:52.52,13.405"}) {
        const TLightAnswer answer = RunLight(QString::fromUtf8(form), "2027-06-21");
        ASSERT_EQ(answer.ExitCode, 0) << form << ": " << qPrintable(answer.Error);
        const QList<TCsvRow> rows = CsvRows(answer.Output);
        const TCsvRow* sunrise = RowOf(rows, "sunrise");
        const QList<TCsvRow> byDecimal = CsvRows(expected);
        const TCsvRow* reference = RowOf(byDecimal, "sunrise");
        ASSERT_TRUE(sunrise && reference) << form;
        EXPECT_NEAR(LocalMinutes(sunrise->LocalTime), LocalMinutes(reference->LocalTime), 1) << form;
    }
}

class StoredLocations : public testing::Test {
protected:
    QString Settings(const QByteArray& text)
    {
        const QString name = FFolder.filePath("shutterly.ini");
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return name;
    }

    QTemporaryDir FFolder;
};

// Berlin as the settings file keeps it: arc-seconds, longitude west positive.
const QByteArray Studio = "[Location0]\nName=Studio\nLongitude=-48258\nLatitude=189072\nElevation=34\n";

TEST_F(StoredLocations, AreFoundByNameAndKeepTheirOwnZone)
{
    const QString file = Settings(Studio + "TimeZone=Asia/Tokyo\n[Location1]\nName=Berlin\nLongitude=0\nLatitude=0\n");
    const TLightAnswer answer = RunLight("Studio", "2027-06-21", "csv", "1", QString(), file);
    ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    const QList<TCsvRow> rows = CsvRows(answer.Output);
    const TCsvRow* sunrise = RowOf(rows, "sunrise");
    ASSERT_TRUE(sunrise);
    // 02:43 UTC on Tokyo's clock; the stored place is Berlin's, east of Greenwich.
    EXPECT_TRUE(sunrise->LocalTime.startsWith("2027-06-21T11:4")) << qPrintable(sunrise->LocalTime);
    EXPECT_TRUE(sunrise->LocalTime.endsWith("+09:00"));
    EXPECT_TRUE(RunLight("studio", "2027-06-21", "text", "1", QString(), file).Output.contains("Studio"));
    // A stored name wins over the town of that name.
    const QList<TCsvRow> atZero = CsvRows(RunLight("Berlin", "2027-06-21", "csv", "1", "UTC", file).Output);
    const TCsvRow* nowhere = RowOf(atZero, "sunrise");
    ASSERT_TRUE(nowhere);
    EXPECT_TRUE(nowhere->UtcTime.startsWith("2027-06-21T05:5")) << "sunrise at 0° 0°: " << qPrintable(nowhere->UtcTime);
}

TEST_F(StoredLocations, WithoutAKnownZoneTakeTheNearestTownsClock)
{
    for (const QByteArray& zone : {QByteArray(), QByteArray("TimeZone=\n"), QByteArray("TimeZone=Mars/Olympus\n")}) {
        const TLightAnswer answer = RunLight("Studio", "2027-12-21", "csv", "1", QString(), Settings(Studio + zone));
        ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
        const QList<TCsvRow> rows = CsvRows(answer.Output);
        const TCsvRow* sunrise = RowOf(rows, "sunrise");
        ASSERT_TRUE(sunrise);
        EXPECT_TRUE(sunrise->LocalTime.endsWith("+01:00")) << qPrintable(sunrise->LocalTime);
        EXPECT_EQ(answer.Error.contains("Mars/Olympus"), zone.contains("Mars")) << qPrintable(answer.Error);
    }
}

TEST_F(StoredLocations, OutOfRangeByHandIsRefused)
{
    const QString file = Settings("[Location0]\nName=Typo\nLongitude=-48258\nLatitude=1890720\n");
    const TLightAnswer answer = RunLight("Typo", "2027-06-21", "csv", "1", QString(), file);
    EXPECT_EQ(answer.ExitCode, 2);
    EXPECT_TRUE(answer.Error.contains("--place") && answer.Error.contains("latitude")) << qPrintable(answer.Error);
}

struct TBadArgument {
    const char* name;
    const char* place;
    const char* date;
    const char* days;
    const char* zone;
    const char* format;
    const char* names;  // the piece of the message that names the argument
};

const TBadArgument BadArguments[] = {
    {"UnknownPlace", "Xqzzyville", "2027-06-21", nullptr, nullptr, nullptr, "--place"},
    {"EmptyPlace", "", "2027-06-21", nullptr, nullptr, nullptr, "--place"},
    {"LatitudeBeyond90", "90.5,13", "2027-06-21", nullptr, nullptr, nullptr, "latitude 90.5"},
    {"LongitudeBeyond180", "52,-180.01", "2027-06-21", nullptr, nullptr, nullptr, "longitude -180.01"},
    {"DecimalComma", "52,52,13,405", "2027-06-21", nullptr, nullptr, nullptr, "--place"},
    {"UnknownZone", "52.52,13.405", "2027-06-21", nullptr, "Europe/Atlantis", nullptr, "--zone"},
    {"EmptyZone", "52.52,13.405", "2027-06-21", nullptr, "", nullptr, "--zone"},
    {"NoSuchDay", "52.52,13.405", "2027-02-29", nullptr, nullptr, nullptr, "--date"},
    {"MonthThirteen", "52.52,13.405", "2027-13-01", nullptr, nullptr, nullptr, "--date"},
    {"DayFirst", "52.52,13.405", "21.06.2027", nullptr, nullptr, nullptr, "--date"},
    {"DateWithTime", "52.52,13.405", "2027-06-21T10:00", nullptr, nullptr, nullptr, "--date"},
    {"JulianCalendarYears", "52.52,13.405", "1500-06-21", nullptr, nullptr, nullptr, "--date"},
    {"EmptyDate", "52.52,13.405", "", nullptr, nullptr, nullptr, "--date"},
    {"NoDays", "52.52,13.405", "2027-06-21", "0", nullptr, nullptr, "--days"},
    {"TooManyDays", "52.52,13.405", "2027-06-21", "367", nullptr, nullptr, "--days"},
    {"NegativeDays", "52.52,13.405", "2027-06-21", "-3", nullptr, nullptr, "--days"},
    {"FractionalDays", "52.52,13.405", "2027-06-21", "1.5", nullptr, nullptr, "--days"},
    {"HugeDays", "52.52,13.405", "2027-06-21", "99999999999", nullptr, nullptr, "--days"},
    {"BeyondYear9999", "52.52,13.405", "9999-12-30", "3", nullptr, nullptr, "--days"},
    {"UnknownFormat", "52.52,13.405", "2027-06-21", nullptr, nullptr, "xml", "--format"},
};

class BadLightArgument : public testing::TestWithParam<TBadArgument> {};

TEST_P(BadLightArgument, IsRefusedWithOneLineNamingIt)
{
    const TBadArgument& c = GetParam();
    const auto text = [](const char* value) { return value ? QString::fromUtf8(value) : QString(); };
    const TLightAnswer answer =
        RunLight(text(c.place), text(c.date), c.format ? text(c.format) : QString("csv"), text(c.days), text(c.zone));
    EXPECT_EQ(answer.ExitCode, 2);
    EXPECT_TRUE(answer.Output.isEmpty());
    EXPECT_TRUE(answer.Error.contains(QString::fromUtf8(c.names))) << qPrintable(answer.Error);
    EXPECT_EQ(answer.Error.count(u'\n'), 1);
    EXPECT_TRUE(answer.Error.endsWith(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(Cases, BadLightArgument, testing::ValuesIn(BadArguments),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LightCommand, TakesAWholeLeapYear)
{
    const TLightAnswer answer = RunLight("52.52,13.405", "2028-01-01", "csv", "366");
    ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    const QList<TCsvRow> rows = CsvRows(answer.Output);
    ASSERT_EQ(rows.size(), 366 * 14);
    EXPECT_EQ(rows.last().Date, "2028-12-31");
}

TEST(LightCommand, ADayTheZoneSkippedStillHasItsRows)
{
    // Samoa moved west of the date line at the end of 29 December 2011.
    const TLightAnswer answer = RunLight("-13.8333,-171.75", "2011-12-29", "csv", "3", "Pacific/Apia");
    ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    const QList<TCsvRow> rows = CsvRows(answer.Output);
    ASSERT_EQ(rows.size(), 42);
    for (int i = 0; i < 42; ++i) {
        const bool skipped = i / 14 == 1;
        EXPECT_EQ(rows[i].Date, QStringList({"2011-12-29", "2011-12-30", "2011-12-31"})[i / 14]);
        if (skipped) {
            EXPECT_TRUE(rows[i].LocalTime.isEmpty());
            EXPECT_EQ(rows[i].Note, "Not on this day");
        }
    }
    EXPECT_TRUE(rows[4].LocalTime.endsWith("-10:00")) << qPrintable(rows[4].LocalTime);
    EXPECT_TRUE(rows[28 + 4].LocalTime.endsWith("+14:00")) << qPrintable(rows[28 + 4].LocalTime);
    const TLocaleSwitch english("C.UTF-8");
    EXPECT_TRUE(
        RunLight("-13.8333,-171.75", "2011-12-30", "text", "1", "Pacific/Apia").Output.contains("Not on this day"));
}

// The table for people: the More Data captions and texts in the user's language.
struct TTableCase {
    const char* locale;
    const char* holds[4];
};

const TTableCase TableCases[] = {
    {"C.UTF-8", {"Sunrise:", "Sun does not set (midnight sun)", "Astronomical dusk:", "Time zone:"}},
    {"de_DE.UTF-8", {"Sonnenaufgang:", "Mitternachtssonne", "Ende der astronomischen Dämmerung:", "Zeitzone:"}},
    {"th_TH.UTF-8", {"ดวงอาทิตย์ขึ้น:", "ดวงอาทิตย์ไม่ตก", "พลบค่ำทางดาราศาสตร์:", "เขตเวลา:"}},
};

TEST(LightTable, ShowsTheLightBlockInTheUsersLanguage)
{
    for (const TTableCase& c : TableCases) {
        const TLocaleSwitch switched(c.locale);
        const TLightAnswer answer = RunLight("Tromsø", "2027-06-21", "text");
        ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
        for (const char* piece : c.holds)
            EXPECT_TRUE(answer.Output.contains(QString::fromUtf8(piece))) << c.locale << ": " << piece;
        EXPECT_TRUE(answer.Output.contains("Europe/Oslo"));
        EXPECT_TRUE(answer.Output.contains("CEST, UTC+2"));
        EXPECT_TRUE(answer.Output.contains(" CEST\n")) << "the golden hour's end on the place's clock";
    }
}

TEST(LightTable, NamesBothClocksOnTheDayTheyChange)
{
    const TLocaleSwitch english("C.UTF-8");
    const QString text = RunLight("52.52,13.405", "2027-10-30", "text", "2").Output;
    EXPECT_TRUE(text.contains("(CEST, UTC+2)\n")) << qPrintable(text);
    EXPECT_TRUE(text.contains("(CEST, UTC+2 – CET, UTC+1)\n")) << qPrintable(text);
    EXPECT_TRUE(text.contains(QString::fromUtf8("52.52° N, 13.405° E"))) << qPrintable(text);
    EXPECT_EQ(text.count("Sunrise:"), 2);
}

}  // namespace
