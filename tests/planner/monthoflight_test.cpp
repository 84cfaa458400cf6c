// The month of light: its days on the place's own calendar, the table's short texts and their
// words, and the CSV a spreadsheet reads.

#include "astro/calendar.h"
#include "planner/monthcsv.h"
#include "planner/monthoflight.h"
#include "planner/monthtable.h"
#include "texts/stringtable.h"

#include <QDateTime>
#include <QFont>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

double Day(int year, int month, int day) { return astro::CalendarToDateTime(year, month, day); }

struct TPlaceCase {
    const char* Name;
    const char* Zone;
    double Latitude;
    double Longitude;  // WEST positive
    int Year, Month;
    int Days;
};

class MonthOfLight : public ::testing::TestWithParam<TPlaceCase> {
protected:
    TPlaceZone zone() const { return TPlaceZone(QTimeZone(GetParam().Zone)); }
    TMonthOfLight month() const
    {
        const TPlaceCase& c = GetParam();
        return ComputeMonthOfLight(zone(), Day(c.Year, c.Month, 15), c.Latitude, c.Longitude);
    }
};

// Every row is its own local day, and what it holds happens in that day or, for the dark
// sky, in the night that starts on it.
TEST_P(MonthOfLight, EachRowHoldsItsOwnDayAndNight)
{
    const TMonthOfLight m = month();
    ASSERT_EQ(int(m.Days.size()), GetParam().Days);
    for (std::size_t i = 0; i < m.Days.size(); ++i) {
        const TMonthDay& row = m.Days[i];
        EXPECT_EQ(row.Day.Number, Day(GetParam().Year, GetParam().Month, 1) + double(i));
        for (const astro::TLightEvent* event : {&row.Light.Morning.Horizon, &row.Light.Evening.Horizon,
                                                &row.Light.Moonrise.Horizon, &row.Light.Moonset.Horizon})
            if (event->Kind == astro::lkOccurs) {
                EXPECT_GE(event->Time, row.Day.Start) << i;
                EXPECT_LT(event->Time, row.Day.End) << i;
            }
        for (const astro::TDarkWindow& window : row.Night.Windows) {
            EXPECT_GT(window.Start, row.Day.Start + 0.4) << i;  // after the day's noon
            EXPECT_LT(window.End, row.Day.End + 0.6) << i;      // before the next noon
        }
    }
    EXPECT_TRUE(m.holds(zone(), Day(GetParam().Year, GetParam().Month, 1), GetParam().Latitude, GetParam().Longitude));
    EXPECT_FALSE(
        m.holds(zone(), Day(GetParam().Year, GetParam().Month, 1) - 1, GetParam().Latitude, GetParam().Longitude));
    EXPECT_FALSE(
        m.holds(TPlaceZone(), Day(GetParam().Year, GetParam().Month, 1), GetParam().Latitude, GetParam().Longitude));
}

// The CSV has a line a day with every field, and its times give back the instants.
TEST_P(MonthOfLight, TheCsvHasADayALineAndItsTimesAreTheInstants)
{
    const TMonthOfLight m = month();
    const QStringList lines = MonthCsv(m, zone()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), GetParam().Days + 1);
    EXPECT_EQ(lines[0], MonthCsvHeader());
    const QStringList header = MonthCsvHeader().split(u',');
    const qsizetype sunrise = header.indexOf(QStringLiteral("sunrise"));
    const qsizetype dark = header.indexOf(QStringLiteral("dark_sky"));
    for (int i = 0; i < GetParam().Days; ++i) {
        const QStringList fields = lines[i + 1].split(u',');
        ASSERT_EQ(fields.size(), header.size()) << lines[i + 1].toStdString();
        const TMonthDay& row = m.Days[std::size_t(i)];
        if (row.Light.Morning.Horizon.Kind == astro::lkOccurs) {
            const QDateTime at = QDateTime::fromString(fields[sunrise], Qt::ISODate);
            ASSERT_TRUE(at.isValid()) << fields[sunrise].toStdString();
            const double ut = Day(1970, 1, 1) + at.toSecsSinceEpoch() / 86400.0;
            EXPECT_NEAR(ut, row.Light.Morning.Horizon.Time, 1.0 / 86400);
        } else {
            EXPECT_TRUE(fields[sunrise].isEmpty());
        }
        const QStringList windows = fields[dark].split(u';', Qt::SkipEmptyParts);
        ASSERT_EQ(windows.size(), qsizetype(row.Night.Windows.size()));
        for (const QString& window : windows)
            EXPECT_EQ(window.count(u'/'), 1);
    }
}

// A row's short texts and their words: the chosen day stands out, a missing event is a dash
// that says why, and a span the day does not close is left open.
TEST_P(MonthOfLight, TheTableShowsTheChosenDayAndSaysWhyAnEventIsMissing)
{
    const TMonthOfLight m = month();
    TMonthTable table;
    table.setMonth(m, zone(), Day(GetParam().Year, GetParam().Month, 15));
    ASSERT_EQ(table.rowCount(), GetParam().Days);
    EXPECT_EQ(table.chosenRow(), 14);
    EXPECT_TRUE(table.index(14, TMonthTable::colSunset).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(table.index(13, TMonthTable::colSunset).data(Qt::FontRole).isValid());
    const QModelIndex moon = table.index(14, TMonthTable::colMoon);
    EXPECT_NEAR(moon.data(TMonthTable::MoonLitRole).toDouble(), m.Days[14].MoonIlluminatedFraction, 1e-12);
    EXPECT_EQ(moon.data(TMonthTable::MoonLitOnRightRole).toBool(), m.Days[14].MoonWaxing == (GetParam().Latitude >= 0));

    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = TMonthTable::colBlueMorning; column < TMonthTable::ColumnCount; ++column) {
            const QModelIndex cell = table.index(row, column);
            const QString text = cell.data().toString();
            ASSERT_FALSE(text.isEmpty()) << row << ',' << column;
            EXPECT_FALSE(cell.data(Qt::ToolTipRole).toString().isEmpty()) << row << ',' << column;
            // Short: hours and minutes only, never the zone's name or a sentence.
            EXPECT_LT(text.size(), 40) << text.toStdString();
        }
}

const TPlaceCase Cases[] = {
    {"Berlin, June: no astronomical night", "Europe/Berlin", 52.52, -13.405, 2027, 6, 30},
    {"Berlin, October: the clocks go back", "Europe/Berlin", 52.52, -13.405, 2027, 10, 31},
    {"Tromsø, June: midnight sun", "Europe/Oslo", 69.649, -18.956, 2027, 6, 30},
    {"Tromsø, December: polar night", "Europe/Oslo", 69.649, -18.956, 2027, 12, 31},
    {"Sydney, July: long dark nights", "Australia/Sydney", -33.868, -151.209, 2027, 7, 31},
    {"Quito, February of a leap year", "America/Guayaquil", -0.18, 78.47, 2028, 2, 29},
};

INSTANTIATE_TEST_SUITE_P(Places, MonthOfLight, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(MonthTable, TheWordsOfTheLongestDaysAndNights)
{
    const TPlaceZone oslo(QTimeZone("Europe/Oslo"));
    TMonthTable table;
    table.setMonth(ComputeMonthOfLight(oslo, Day(2027, 6, 21), 69.649, -18.956), oslo, Day(2027, 6, 21));
    const QModelIndex sunrise = table.index(20, TMonthTable::colSunrise);
    EXPECT_EQ(sunrise.data().toString(), QStringLiteral("–"));
    EXPECT_TRUE(sunrise.data(Qt::ToolTipRole).toString().startsWith(LocalString(42141)));
    EXPECT_EQ(table.index(20, TMonthTable::colDarkSky).data().toString(), QStringLiteral("–"));
    EXPECT_TRUE(
        table.index(20, TMonthTable::colDarkSky).data(Qt::ToolTipRole).toString().startsWith(LocalString(42203)));

    // In the polar night the sun climbs above -4 degrees but never to +6: the golden hour
    // starts in the morning and ends only in the evening.
    table.setMonth(ComputeMonthOfLight(oslo, Day(2027, 12, 21), 69.649, -18.956), oslo, Day(2027, 12, 21));
    EXPECT_TRUE(table.index(0, TMonthTable::colGoldenMorning).data().toString().endsWith(QStringLiteral("–…")))
        << table.index(0, TMonthTable::colGoldenMorning).data().toString().toStdString();
    EXPECT_EQ(table.index(20, TMonthTable::colSunrise).data().toString(), QStringLiteral("–"));
}

// Samoa skipped 30 December 2011: its row says so and its CSV line is the date alone.
TEST(MonthTable, ADayTheZoneSkippedIsNotOnTheCalendar)
{
    const TPlaceZone apia(QTimeZone("Pacific/Apia"));
    const TMonthOfLight month = ComputeMonthOfLight(apia, Day(2011, 12, 1), -13.83, 171.76);
    ASSERT_EQ(month.Days.size(), 31u);
    EXPECT_TRUE(month.Days[29].Day.empty());
    TMonthTable table;
    table.setMonth(month, apia, Day(2011, 12, 1));
    EXPECT_EQ(table.index(29, TMonthTable::colSunrise).data(Qt::ToolTipRole).toString(), LocalString(42147));
    const QStringList lines = MonthCsv(month, apia).split(u'\n');
    EXPECT_EQ(lines[30], QStringLiteral("2011-12-30") + QString(MonthCsvHeader().count(u','), u','));
    EXPECT_FALSE(lines[31].section(u',', 3, 3).isEmpty());  // the 31st has its sunrise
}

}  // namespace
