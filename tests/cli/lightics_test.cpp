#include "cli/lightfile.h"
#include "cli/lightics.h"
#include "tests/cli/light_helpers.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"
#include "texts/appinfo.h"

#include <QDateTime>
#include <QMap>
#include <QTimeZone>

namespace {

// 2027-06-21 00:00 UT on the library's scale.
constexpr double Midsummer = 46559;
constexpr double Midwinter = Midsummer + 183;
// The instant the files are made: 2027-01-02 03:04:05 UT.
constexpr double Stamp = Midsummer - 170 + (3 * 3600 + 4 * 60 + 5) / 86400.0;

qsizetype Octets(const QString& text) { return text.toUtf8().size(); }

// The physical lines of a folded text, without their CRLF; a line break of any other kind fails.
QStringList PhysicalLines(const QString& text)
{
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n"))) << "every line ends in CRLF";
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

struct TFoldCase {
    const char* name;
    QString line;
    int physicalLines;
    int firstOctets;  // of the first physical line
};

QString Ascii(int count) { return QString(count, u'a'); }

// The first character of a continuation line, after its space.
QString FirstCharacter(const QString& continuation)
{
    return continuation.mid(1, continuation.size() > 2 && continuation.at(1).isHighSurrogate() ? 2 : 1);
}

const QString Umlaut = QString::fromUtf8("ä");          // 2 octets
const QString ThaiLetter = QString::fromUtf8("ก");      // 3 octets
const QString Emoji = QString::fromUtf8("\U0001F305");  // 4 octets, a surrogate pair

const TFoldCase FoldCases[] = {
    {"Short", QStringLiteral("VERSION:2.0"), 1, 11},
    {"Empty", QString(), 1, 0},
    {"Exactly75", Ascii(75), 1, 75},
    {"Ascii76", Ascii(76), 2, 75},
    {"TwoOctetsEndingAt75", Ascii(73) + Umlaut, 1, 75},
    {"TwoOctetsAcross75", Ascii(74) + Umlaut, 2, 74},
    {"ThreeOctetsEndingAt75", Ascii(72) + ThaiLetter, 1, 75},
    {"ThreeOctetsAcross75", Ascii(73) + ThaiLetter, 2, 73},
    {"ThreeOctetsAcross75ByTwo", Ascii(74) + ThaiLetter, 2, 74},
    {"FourOctetsEndingAt75", Ascii(71) + Emoji, 1, 75},
    {"FourOctetsAcross75", Ascii(72) + Emoji, 2, 72},
    {"LongAscii", Ascii(500), 7, 75},
    {"LongThai", QString(200, ThaiLetter.at(0)), 9, 75},
    {"LongMixed", (QStringLiteral("SUMMARY:") + Umlaut + ThaiLetter + Emoji + u'x').repeated(20), 5, 75},
};

class Folding : public testing::TestWithParam<TFoldCase> {};

TEST_P(Folding, KeepsEveryLineWithin75OctetsAndEveryCharacterWhole)
{
    const TFoldCase& c = GetParam();
    const QString folded = IcsContentLine(c.line);
    const QStringList lines = PhysicalLines(folded);
    ASSERT_EQ(lines.size(), c.physicalLines) << qPrintable(folded);
    EXPECT_EQ(Octets(lines[0]), c.firstOctets);
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_LE(Octets(lines[i]), 75) << i;
        // A split character would not come back whole from its line's own octets.
        EXPECT_EQ(QString::fromUtf8(lines[i].toUtf8()), lines[i]) << i;
        EXPECT_FALSE(lines[i].contains(QChar::ReplacementCharacter)) << i;
        if (i > 0) {
            EXPECT_TRUE(lines[i].startsWith(u' ') && !lines[i].startsWith(QStringLiteral("  ")) && lines[i].size() > 1)
                << i;
        }
    }
    // A line holds as much as fits: the next one's first character would not have.
    for (int i = 0; i + 1 < lines.size(); ++i)
        EXPECT_GT(Octets(lines[i]) + Octets(FirstCharacter(lines[i + 1])), 75) << i;
    EXPECT_EQ(QString(folded).remove(QStringLiteral("\r\n ")).chopped(2), c.line) << "unfolds to the line";
}

INSTANTIATE_TEST_SUITE_P(Lines, Folding, testing::ValuesIn(FoldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Folding, WritesAHalfSurrogateAsTheReplacementCharacter)
{
    const QString line = Ascii(72) + QChar(0xD83C) + u'b';
    const QStringList lines = PhysicalLines(IcsContentLine(line));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], Ascii(72) + QChar(QChar::ReplacementCharacter));
    EXPECT_EQ(lines[1], QStringLiteral(" b"));
}

struct TEscapeCase {
    const char* text;
    const char* escaped;
};

const TEscapeCase EscapeCases[] = {
    {"Berlin", "Berlin"},
    {"Tromsø, 54, Norway", "Tromsø\\, 54\\, Norway"},
    {"Studio; north", "Studio\\; north"},
    {"C:\\shoots", "C:\\\\shoots"},
    {"\\,;", "\\\\\\,\\;"},
    {"two\nlines", "two\\nlines"},
    {"windows\r\nline", "windows\\nline"},
    {"old\rmac", "old\\nmac"},
    {"tab\tkept", "tab\tkept"},
    {"bell\x07 and\x1b escape\x7f", "bell and escape"},
    {"Azimuth 48° NE\n78% lit", "Azimuth 48° NE\\n78% lit"},
    {"ช่วงแสงทอง (ช่วงเช้า)", "ช่วงแสงทอง (ช่วงเช้า)"},
};

TEST(IcsText, EscapesWhatTheFormatReservesAndDropsControlCharacters)
{
    for (const TEscapeCase& c : EscapeCases)
        EXPECT_EQ(IcsText(QString::fromUtf8(c.text)), QString::fromUtf8(c.escaped)) << c.text;
}

const TChosenPlace Berlin{QStringLiteral("Berlin"), 52.52, -13.405, QStringLiteral("Europe/Berlin")};

TEST(LightIcsUid, StaysForThePlaceTheDateAndTheEventAndChangesWithEach)
{
    const QString uid = LightIcsUid(Berlin, Midsummer, QStringLiteral("sunrise"));
    EXPECT_TRUE(uid.endsWith(QStringLiteral("-20270621-sunrise@shutterly"))) << qPrintable(uid);
    EXPECT_EQ(LightIcsUid(Berlin, Midsummer, QStringLiteral("sunrise")), uid);
    // The zone is no part of the place, and a coordinate read back from the settings file with
    // a different last bit is the same place.
    const TChosenPlace again{QStringLiteral("Berlin"), 52.52 + 1e-9, -13.405, QString()};
    EXPECT_EQ(LightIcsUid(again, Midsummer, QStringLiteral("sunrise")), uid);

    const TChosenPlace others[] = {
        {QStringLiteral("Berlin Mitte"), 52.52, -13.405, QString()},
        {QStringLiteral("Berlin"), 52.53, -13.405, QString()},
        {QStringLiteral("Berlin"), 52.52, 13.405, QString()},
        {QString(), 52.52, -13.405, QString()},
    };
    QStringList uids{uid, LightIcsUid(Berlin, Midsummer + 1, QStringLiteral("sunrise")),
                     LightIcsUid(Berlin, Midsummer, QStringLiteral("sunset"))};
    for (const TChosenPlace& other : others)
        uids << LightIcsUid(other, Midsummer, QStringLiteral("sunrise"));
    uids.removeDuplicates();
    EXPECT_EQ(uids.size(), qsizetype(3 + std::size(others)));
}

// The content lines of a calendar, unfolded.
QStringList ContentLines(const QString& calendar)
{
    QStringList lines = QString(calendar).remove(QStringLiteral("\r\n ")).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.takeLast().isEmpty());
    return lines;
}

using TEvent = QMap<QString, QString>;  // property name -> value

QList<TEvent> Events(const QString& calendar)
{
    QList<TEvent> events;
    bool inEvent = false;
    for (const QString& line : ContentLines(calendar)) {
        if (line == QStringLiteral("BEGIN:VEVENT"))
            events.append(TEvent());
        else if (inEvent && line != QStringLiteral("END:VEVENT"))
            events.last().insert(line.section(u':', 0, 0), line.section(u':', 1));
        inEvent = (inEvent || line == QStringLiteral("BEGIN:VEVENT")) && line != QStringLiteral("END:VEVENT");
    }
    return events;
}

// Seconds since 1970 of "20270621T024312Z".
qint64 Seconds(const QString& value)
{
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]{8}T[0-9]{6}Z$")).match(value).hasMatch())
        << qPrintable(value);
    const QDateTime time(QDate::fromString(value.left(8), QStringLiteral("yyyyMMdd")),
                         QTime::fromString(value.mid(9, 6), QStringLiteral("HHmmss")), QTimeZone::utc());
    return time.toSecsSinceEpoch();
}

qint64 IsoSeconds(const QString& iso) { return QDateTime::fromString(iso, Qt::ISODate).toSecsSinceEpoch(); }

QString Calendar(const TChosenPlace& place, const char* zone, double first, int days)
{
    return LightFile(TLightFileFormat::Ics, place, TPlaceZone(QTimeZone(zone)), first, days, Stamp);
}

QString Csv(const TChosenPlace& place, const char* zone, double first, int days)
{
    return LightFile(TLightFileFormat::Csv, place, TPlaceZone(QTimeZone(zone)), first, days, Stamp);
}

TEST(LightIcs, OpensAndClosesTheCalendarAndNamesTheProgram)
{
    const QStringList lines = ContentLines(Calendar(Berlin, "Europe/Berlin", Midsummer, 1));
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines.mid(0, 5),
              QStringList(
                  {"BEGIN:VCALENDAR", "VERSION:2.0",
                   QStringLiteral("PRODID:-//Shutterly//Shutterly %1//EN").arg(QString::fromLatin1(ApplicationVersion)),
                   "CALSCALE:GREGORIAN", "METHOD:PUBLISH"}));
    EXPECT_EQ(lines.last(), "END:VCALENDAR");
    EXPECT_EQ(lines.count("BEGIN:VEVENT"), lines.count("END:VEVENT"));
}

// The events of one run against the rows of the CSV of the same days: each event starts (and a
// span ends) at the CSV's instant of its crossings; there is one for each instant that happens
// and for each span whose two ends happen in their order.
struct TCalendarRun {
    const char* name;
    TChosenPlace place;
    const char* zone;
    double first;
    int days;
};

struct TEventRows {
    const char* event;
    const char* start;  // the CSV's event at which it starts
    const char* end;    // and ends; null for an instant
};

const TEventRows EventRows[] = {
    {"morning_blue_hour", "civil_dawn", "morning_golden_hour_start"},
    {"morning_golden_hour", "morning_golden_hour_start", "morning_golden_hour_end"},
    {"sunrise", "sunrise", nullptr},
    {"evening_golden_hour", "evening_golden_hour_start", "evening_golden_hour_end"},
    {"sunset", "sunset", nullptr},
    {"evening_blue_hour", "evening_golden_hour_end", "civil_dusk"},
    {"moonrise", "moonrise", nullptr},
    {"moonset", "moonset", nullptr},
};

const TCalendarRun CalendarRuns[] = {
    {"BerlinWeek", Berlin, "Europe/Berlin", Midsummer, 7},
    {"TromsoMidnightSun", {QStringLiteral("Tromsø"), 69.6492, -18.9553, QString()}, "Europe/Oslo", Midsummer, 3},
    {"TromsoPolarNight", {QStringLiteral("Tromsø"), 69.6492, -18.9553, QString()}, "Europe/Oslo", Midwinter, 3},
    {"SvalbardPolarDay",
     {QStringLiteral("Longyearbyen"), 78.2232, -15.6267, QString()},
     "Arctic/Longyearbyen",
     Midsummer,
     5},
    {"SydneyIntoTheYear",
     {QStringLiteral("Sydney"), -33.8688, -151.2093, QString()},
     "Australia/Sydney",
     Midwinter + 10,
     3},
    {"NewYorkOutOfSummerTime", {QString(), 40.7128, 74.006, QString()}, "America/New_York", Midsummer + 139, 2},
};

class CalendarAgainstCsv : public testing::TestWithParam<TCalendarRun> {};

TEST_P(CalendarAgainstCsv, HasAnEventForEachCrossingThatHappensAtItsInstant)
{
    const TCalendarRun& c = GetParam();
    const QString calendar = Calendar(c.place, c.zone, c.first, c.days);
    const QList<TEvent> events = Events(calendar);
    const QList<TCsvRow> rows = CsvRows(Csv(c.place, c.zone, c.first, c.days));
    ASSERT_EQ(rows.size(), 14 * c.days);

    QMap<QString, const TEvent*> byUid;
    for (const TEvent& event : events)
        byUid.insert(event.value("UID"), &event);
    EXPECT_EQ(byUid.size(), events.size()) << "UIDs are unique";

    int expected = 0;
    for (int day = 0; day < c.days; ++day) {
        const auto row = [&](const char* name) -> const TCsvRow& {
            return rows[day * 14 + int(LightCsvEvents().indexOf(QLatin1String(name)))];
        };
        for (const TEventRows& kind : EventRows) {
            const QString start = row(kind.start).UtcTime;
            const QString end = kind.end ? row(kind.end).UtcTime : QString();
            const bool happens = !start.isEmpty() && (!kind.end || (!end.isEmpty() && start < end));
            const QString uid = LightIcsUid(c.place, c.first + day, QString::fromLatin1(kind.event));
            ASSERT_EQ(byUid.contains(uid), happens) << kind.event << " on day " << day;
            if (!happens)
                continue;
            ++expected;
            const TEvent& event = *byUid.value(uid);
            EXPECT_EQ(Seconds(event.value("DTSTART")), IsoSeconds(start)) << kind.event;
            const qint64 length = Seconds(event.value("DTEND")) - Seconds(event.value("DTSTART"));
            if (kind.end) {
                EXPECT_EQ(Seconds(event.value("DTEND")), IsoSeconds(end)) << kind.event;
            } else {
                EXPECT_EQ(length, 60) << kind.event;
            }
            EXPECT_GT(length, 0) << kind.event;
        }
    }
    EXPECT_EQ(events.size(), expected);

    // One day's events come in the order they begin, and every one bears the file's stamp.
    qint64 previous = 0;
    QString previousDate;
    for (const TEvent& event : events) {
        EXPECT_EQ(event.value("DTSTAMP"), "20270102T030405Z");
        const QString date = event.value("UID").section(u'-', 1, 1);
        if (date == previousDate) {
            EXPECT_LE(previous, Seconds(event.value("DTSTART"))) << qPrintable(event.value("UID"));
        }
        previous = Seconds(event.value("DTSTART"));
        previousDate = date;
    }
    for (const QString& line : PhysicalLines(calendar))
        EXPECT_LE(Octets(line), 75) << qPrintable(line);
}

INSTANTIATE_TEST_SUITE_P(Places, CalendarAgainstCsv, testing::ValuesIn(CalendarRuns),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LightIcs, APolarDayAt78NorthHasNoSunriseSunsetNorSpans)
{
    const TChosenPlace svalbard{QStringLiteral("Longyearbyen"), 78.2232, -15.6267, QString()};
    for (const TEvent& event : Events(Calendar(svalbard, "Arctic/Longyearbyen", Midsummer, 5))) {
        const QString kind = event.value("UID").section(u'-', 2).section(u'@', 0, 0);
        EXPECT_TRUE(kind == "moonrise" || kind == "moonset") << qPrintable(kind);
    }
}

TEST(LightIcs, ASpanTheSkyPassesBackwardsIsLeftOut)
{
    // Civil dawn late in the day, the blue hour's end just after midnight: the day holds two
    // ends of different mornings.
    astro::TDayLight light;
    light.Morning.Civil = {astro::lkOccurs, Midsummer + 0.99};
    light.Morning.BlueGolden = {astro::lkOccurs, Midsummer + 0.01};
    light.Morning.Golden = {astro::lkOccurs, Midsummer + 0.05};
    const TPlaceZone zone;
    const QList<TEvent> events = Events(LightIcsDay(zone.day(Midsummer), &light, Berlin, Stamp));
    ASSERT_EQ(events.size(), 1);
    EXPECT_TRUE(events[0].value("UID").contains("-morning_golden_hour@")) << qPrintable(events[0].value("UID"));
}

TEST(LightIcs, ADayTheZoneSkippedHasNoEvents)
{
    TLocalDay skipped;
    skipped.Number = skipped.Start = skipped.End = Midsummer;
    astro::TDayLight light;
    light.Morning.Horizon = {astro::lkOccurs, Midsummer + 0.2};
    EXPECT_TRUE(LightIcsDay(skipped, &light, Berlin, Stamp).isEmpty());
    EXPECT_TRUE(LightIcsDay(TPlaceZone().day(Midsummer), nullptr, Berlin, Stamp).isEmpty());
}

struct TPlaceCase {
    const char* name;
    TChosenPlace place;
    const char* location;
    const char* geo;
};

const TPlaceCase PlaceCases[] = {
    {"NamedWithCommas",
     {QStringLiteral("Tromsø, 54, Norway"), 69.6492, -18.9553, QString()},
     "Tromsø\\, 54\\, Norway (69.6492 N\\, 18.9553 E)",
     "69.649200;18.955300"},
    {"SouthEast",
     {QStringLiteral("Sydney"), -33.8688, -151.2093, QString()},
     "Sydney (33.8688 S\\, 151.2093 E)",
     "-33.868800;151.209300"},
    {"Coordinates", {QString(), 40.7128, 74.006, QString()}, "40.7128 N\\, 74.0060 W", "40.712800;-74.006000"},
    {"NullIsland",
     {QStringLiteral("Gulf; of Guinea"), -0.0, 0.0, QString()},
     "Gulf\\; of Guinea (0.0000 N\\, 0.0000 E)",
     "0.000000;0.000000"},
};

class EventPlace : public testing::TestWithParam<TPlaceCase> {};

TEST_P(EventPlace, IsTheNameWithItsPositionAndTheGeoPoint)
{
    const TPlaceCase& c = GetParam();
    astro::TDayLight light;
    light.Morning.Horizon = {astro::lkOccurs, Midsummer + 0.2};
    const QList<TEvent> events = Events(LightIcsDay(TPlaceZone().day(Midsummer), &light, c.place, Stamp));
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].value("LOCATION"), QString::fromUtf8(c.location));
    EXPECT_EQ(events[0].value("GEO"), QString::fromUtf8(c.geo));
}

INSTANTIATE_TEST_SUITE_P(Places, EventPlace, testing::ValuesIn(PlaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The titles and descriptions in the user's language.
struct TLanguageCase {
    const char* locale;
    const char* goldenMorning;
    const char* blueEvening;
    const char* sunrise;
    const char* moonset;
    const char* sunriseDescription;
    const char* moonsetDescription;
};

const TLanguageCase LanguageCases[] = {
    {"C.UTF-8", "Golden hour (morning)", "Blue hour (evening)", "Sunrise", "Moonset", "Azimuth 90° E",
     "Azimuth 248° WSW\\n13% lit"},
    {"de_DE.UTF-8", "Goldene Stunde (morgens)", "Blaue Stunde (abends)", "Sonnenaufgang", "Monduntergang",
     "Azimut 90° O", "Azimut 248° WSW\\n13 % beleuchtet"},
    {"th_TH.UTF-8", "ช่วงแสงทอง (ช่วงเช้า)", "ช่วงแสงสีน้ำเงิน (ช่วงเย็น)", "ดวงอาทิตย์ขึ้น", "ดวงจันทร์ตก", "มุมทิศ 90° E",
     "มุมทิศ 248° WSW\\nสว่าง 13%"},
};

TEST(LightIcs, TitlesTheEventsInTheUsersLanguage)
{
    astro::TDayLight light;
    light.Morning.BlueGolden = {astro::lkOccurs, Midsummer + 0.2};
    light.Morning.Horizon = {astro::lkOccurs, Midsummer + 0.21};
    light.Morning.HorizonAzimuth = 89.6;
    light.Morning.Golden = {astro::lkOccurs, Midsummer + 0.25};
    light.Evening.BlueGolden = {astro::lkOccurs, Midsummer + 0.8};
    light.Evening.Civil = {astro::lkOccurs, Midsummer + 0.82};
    light.Moonset = {{astro::lkOccurs, Midsummer + 0.9}, 247.8, 0.126};
    for (const TLanguageCase& c : LanguageCases) {
        const TLocaleSwitch language(c.locale);
        const QList<TEvent> events = Events(LightIcsDay(TPlaceZone().day(Midsummer), &light, Berlin, Stamp));
        ASSERT_EQ(events.size(), 4) << c.locale;
        EXPECT_EQ(events[0].value("SUMMARY"), QString::fromUtf8(c.goldenMorning)) << c.locale;
        EXPECT_EQ(events[1].value("SUMMARY"), QString::fromUtf8(c.sunrise)) << c.locale;
        EXPECT_EQ(events[1].value("DESCRIPTION"), QString::fromUtf8(c.sunriseDescription)) << c.locale;
        EXPECT_EQ(events[2].value("SUMMARY"), QString::fromUtf8(c.blueEvening)) << c.locale;
        EXPECT_FALSE(events[2].contains("DESCRIPTION"));
        EXPECT_EQ(events[3].value("SUMMARY"), QString::fromUtf8(c.moonset)) << c.locale;
        EXPECT_EQ(events[3].value("DESCRIPTION"), QString::fromUtf8(c.moonsetDescription)) << c.locale;
    }
}

TEST(LightCommand, PrintsTheCalendarMadeAtTheClocksInstant)
{
    for (const char* format : {"ics", "ICS", " ics "}) {
        const TLightAnswer answer = RunLight("52.52,13.405", "2027-06-21", QString::fromLatin1(format), "7");
        ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
        EXPECT_TRUE(answer.Output.startsWith("BEGIN:VCALENDAR\r\n")) << format;
        EXPECT_TRUE(answer.Output.endsWith("END:VCALENDAR\r\n")) << format;
        const QList<TEvent> events = Events(answer.Output);
        EXPECT_GE(events.size(), 7 * 6) << "the spans, sunrise and sunset of each day";
        for (const TEvent& event : events)
            EXPECT_EQ(event.value("DTSTAMP"), "20270621T100000Z");
    }
}

TEST(LightCommand, NamesTheThreeFormatsWhenItRefusesOne)
{
    const TLightAnswer answer = RunLight("52.52,13.405", "2027-06-21", "ical");
    EXPECT_EQ(answer.ExitCode, 2);
    EXPECT_EQ(answer.Error, "Unknown format 'ical' for --format: use text, csv or ics.\n");
}

}  // namespace
