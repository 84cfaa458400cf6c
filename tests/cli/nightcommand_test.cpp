// `shutterly --night` as the command line runs it: its CSV's shape and order, the one row of a
// night without a dark sky, the options and the refusals.

#include "cli/nightcommand.h"
#include "cli/nightcsv.h"
#include "tests/cli/light_helpers.h"
#include "tests/locale_switch.h"

#include <QDateTime>

namespace {

struct TNightRow {
    QString Date, Event, LocalTime, UtcTime, Azimuth, Altitude, Note;
};

TLightAnswer RunNight(const QString& place, const QString& date, const QString& format = "csv",
                      const QString& days = QString(), const QString& moonLitBelow = QString(),
                      const QString& coreAltitude = QString(), const QString& zone = QString())
{
    TNightRequest request;
    request.Days.Place = place;
    request.Days.Date = date;
    request.Days.Format = format;
    request.Days.Days = days;
    request.Days.Zone = zone;
    request.MoonLitBelow = moonLitBelow;
    request.CoreAltitude = coreAltitude;
    return RunNightCommand(request, MidsummerClock());
}

QList<TNightRow> NightRows(const TLightAnswer& answer)
{
    EXPECT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    QStringList lines = answer.Output.split(u'\n');
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("date,event,local_time,utc_time,azimuth,altitude,note"));
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "ends with a line break";
    QList<TNightRow> rows;
    for (const QString& line : lines) {
        const QStringList f = CsvFields(line);
        EXPECT_EQ(f.size(), 7) << qPrintable(line);
        if (f.size() == 7)
            rows.append({f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
    }
    return rows;
}

QDateTime Instant(const QString& iso) { return QDateTime::fromString(iso, Qt::ISODate); }

// Canberra at the June new moon: the core is up at dusk, culminates near the zenith and is
// still high at dawn.
TEST(NightCsv, RowsOfADarkNightRunInTimeOrder)
{
    const QList<TNightRow> rows = NightRows(RunNight("-35.28,149.13", "2024-06-06", "csv", "3"));
    ASSERT_FALSE(rows.isEmpty());
    const QStringList window = {"dark_start", "core_visible_start", "core_highest", "core_visible_end", "dark_end"};
    QStringList events;
    for (const TNightRow& row : rows)
        events << row.Event;
    EXPECT_EQ(events, window + window + window);
    QDateTime previous;
    for (const TNightRow& row : rows) {
        const QDateTime local = Instant(row.LocalTime);
        ASSERT_TRUE(local.isValid()) << qPrintable(row.LocalTime);
        EXPECT_EQ(local, Instant(row.UtcTime)) << "the same instant on both clocks";
        EXPECT_TRUE(row.LocalTime.endsWith("+10:00")) << qPrintable(row.LocalTime);
        if (previous.isValid()) {
            EXPECT_GE(local, previous) << qPrintable(row.Event);
        }
        previous = local;
        const bool core = row.Event.startsWith("core_");
        EXPECT_EQ(row.Azimuth.isEmpty(), !core) << qPrintable(row.Event);
        EXPECT_EQ(row.Altitude.isEmpty(), !core) << qPrintable(row.Event);
        if (core) {
            // One decimal, degrees from north in 0..360, altitude from the limit up.
            EXPECT_EQ(row.Azimuth.section(u'.', 1).size(), 1);
            EXPECT_EQ(row.Altitude.section(u'.', 1).size(), 1);
            EXPECT_GE(row.Altitude.toDouble(), 10.0);
            EXPECT_LT(row.Azimuth.toDouble(), 360.0);
        }
    }
    // The core culminates north of the zenith at 35 S: 90 - |-35.28 + 29.0| = 83.7 degrees.
    EXPECT_EQ(rows[2].Altitude, "83.7");
    EXPECT_EQ(rows[2].Azimuth, "0.0");
    // The first night's date is the evening's, the night runs into the next date.
    EXPECT_EQ(rows[0].Date, "2024-06-06");
    EXPECT_TRUE(rows[4].LocalTime.startsWith("2024-06-07T"));
}

struct TNoDarkNight {
    const char* Name;
    const char* Place;
    const char* Date;
    const char* Note;
};

class NightWithoutDarkSky : public testing::TestWithParam<TNoDarkNight> {};

TEST_P(NightWithoutDarkSky, HasOneRowWithItsReason)
{
    const TNoDarkNight& c = GetParam();
    const QList<TNightRow> rows = NightRows(RunNight(c.Place, c.Date));
    ASSERT_EQ(rows.size(), 1);
    const TNightRow& row = rows[0];
    EXPECT_EQ(row.Date, c.Date);
    EXPECT_EQ(row.Event, "dark_start");
    EXPECT_TRUE(row.LocalTime.isEmpty() && row.UtcTime.isEmpty() && row.Azimuth.isEmpty() && row.Altitude.isEmpty());
    EXPECT_EQ(row.Note, QString::fromUtf8(c.Note));
}

INSTANTIATE_TEST_SUITE_P(Reasons, NightWithoutDarkSky,
                         testing::Values(TNoDarkNight{"WhiteNight", "64.14,-21.94", "2024-06-21",
                                                      "No dark sky: the sun stays above −18° all night"},
                                         TNoDarkNight{"WhiteNightBerlin", "52.52,13.405", "2024-06-21",
                                                      "No dark sky: the sun stays above −18° all night"},
                                         TNoDarkNight{"FullMoon", "52.52,13.405", "2024-12-15",
                                                      "No dark sky: the moon is up all night"}),
                         [](const testing::TestParamInfo<TNoDarkNight>& info) { return std::string(info.param.Name); });

// Where the core stays low the window still has its rows, and says why the core's are missing.
TEST(NightCsv, AWindowWithoutTheCoreSaysSo)
{
    const QList<TNightRow> rows = NightRows(RunNight("52.52,13.405", "2024-12-30"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].Event, "dark_start");
    EXPECT_EQ(rows[0].Note, "The core stays below 10°");
    EXPECT_EQ(rows[1].Event, "dark_end");
}

// A thin crescent counts as down when asked: 2024-06-04 at Canberra a waning moon, 5 per cent
// lit, rises a few minutes before astronomical dawn and ends the dark sky there.
TEST(NightCsv, AFaintMoonCountsAsDownWhenAsked)
{
    const auto darkEnd = [](const QString& lit) {
        for (const TNightRow& row : NightRows(RunNight("-35.28,149.13", "2024-06-04", "csv", {}, lit)))
            if (row.Event == "dark_end")
                return Instant(row.UtcTime);
        return QDateTime();
    };
    const QDateTime plain = darkEnd({});
    ASSERT_TRUE(plain.isValid());
    EXPECT_GT(plain.secsTo(darkEnd("10")), 4 * 60);
    EXPECT_EQ(darkEnd("1"), plain);
}

TEST(NightCsv, TheCoreAltitudeLimitIsTheOptions)
{
    const auto coreRows = [](const QString& limit) {
        int n = 0;
        for (const TNightRow& row : NightRows(RunNight("0,36.8", "2024-06-06", "csv", {}, {}, limit)))
            n += row.Event.startsWith("core_");
        return n;
    };
    EXPECT_EQ(coreRows("10"), 3);
    EXPECT_EQ(coreRows("60.5"), 3);
    EXPECT_EQ(coreRows("62"), 0);  // it culminates at 61 degrees there
}

struct TRefusal {
    const char* Name;
    TNightRequest Request;
    const char* Says;
};

class NightRefusal : public testing::TestWithParam<TRefusal> {};

TEST_P(NightRefusal, NamesItsOption)
{
    const TRefusal& c = GetParam();
    const TLightAnswer answer = RunNightCommand(c.Request, MidsummerClock());
    EXPECT_EQ(answer.ExitCode, 2);
    EXPECT_TRUE(answer.Output.isEmpty());
    EXPECT_TRUE(answer.Error.contains(QString::fromUtf8(c.Says))) << qPrintable(answer.Error);
    EXPECT_TRUE(answer.Error.endsWith(u'\n'));
}

TNightRequest Request(const char* place, const char* date, const char* format, const char* days, const char* lit,
                      const char* core)
{
    TNightRequest r;
    r.Days.Place = QString::fromUtf8(place);
    r.Days.Date = date ? QString::fromUtf8(date) : QString();
    r.Days.Format = format ? QString::fromUtf8(format) : QString();
    r.Days.Days = days ? QString::fromUtf8(days) : QString();
    r.MoonLitBelow = lit ? QString::fromUtf8(lit) : QString();
    r.CoreAltitude = core ? QString::fromUtf8(core) : QString();
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Options, NightRefusal,
    testing::Values(
        TRefusal{"Ics", Request("1,1", nullptr, "ics", nullptr, nullptr, nullptr), "use text or csv"},
        TRefusal{"NoDays", Request("1,1", nullptr, nullptr, "0", nullptr, nullptr), "--days"},
        TRefusal{"TooManyDays", Request("1,1", nullptr, nullptr, "367", nullptr, nullptr), "--days"},
        TRefusal{"BadDate", Request("1,1", "2024-02-30", nullptr, nullptr, nullptr, nullptr), "--date"},
        TRefusal{"PastTheLastYear", Request("1,1", "9999-12-31", nullptr, nullptr, nullptr, nullptr), "9999"},
        TRefusal{"PercentAbove100", Request("1,1", nullptr, nullptr, nullptr, "101", nullptr), "--moon-lit-below"},
        TRefusal{"PercentNotANumber", Request("1,1", nullptr, nullptr, nullptr, "nan", nullptr), "--moon-lit-below"},
        TRefusal{"NegativeAltitude", Request("1,1", nullptr, nullptr, nullptr, nullptr, "-5"), "--core-altitude"},
        TRefusal{"AltitudeAbove90", Request("1,1", nullptr, nullptr, nullptr, nullptr, "91"), "--core-altitude"},
        TRefusal{"AltitudeWithComma", Request("1,1", nullptr, nullptr, nullptr, nullptr, "10,5"), "--core-altitude"},
        TRefusal{"NoPlace", Request("", nullptr, nullptr, nullptr, nullptr, nullptr), ""},
        TRefusal{"BadLatitude", Request("95,10", nullptr, nullptr, nullptr, nullptr, nullptr), ""}),
    [](const testing::TestParamInfo<TRefusal>& info) { return std::string(info.param.Name); });

// The text form carries the same reason as the CSV, in the user's language's words.
TEST(NightText, ShowsTheBlocksRows)
{
    const TLocaleSwitch english("C.UTF-8");
    const TLightAnswer answer = RunNight("64.14,-21.94", "2024-06-21", "text", "2");
    ASSERT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
    EXPECT_EQ(answer.Output.count(QStringLiteral("Night: ")), 2);
    EXPECT_EQ(answer.Output.count(QStringLiteral("No dark sky: the sun stays above −18° all night")), 2);
    EXPECT_TRUE(answer.Output.contains(QStringLiteral("Atlantic/Reykjavik")));
}

}  // namespace
