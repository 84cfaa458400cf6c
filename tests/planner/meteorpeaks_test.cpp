// The year's meteor shower peaks at a place: each in the night that holds it, and the table's
// words for a radiant below the horizon.

#include "almanac/placenight.h"
#include "astro/calendar.h"
#include "planner/meteorpeaks.h"
#include "planner/meteortable.h"
#include "texts/stringtable.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

TEST(MeteorYear, EachPeakLiesInTheNightWhoseDarkestHourIsShown)
{
    const TPlaceZone berlin(QTimeZone("Europe/Berlin"));
    const TMeteorYear year = ComputeMeteorYear(berlin, 2027, 52.52, -13.405);
    ASSERT_EQ(int(year.Peaks.size()), astro::MeteorShowerCount);
    for (std::size_t i = 0; i < year.Peaks.size(); ++i) {
        const TMeteorPeak& peak = year.Peaks[i];
        if (i > 0) {
            EXPECT_GT(peak.Peak, year.Peaks[i - 1].Peak);
        }
        const astro::TCalendarDate date = astro::DateTimeToCalendar(peak.Peak);
        EXPECT_EQ(date.Year, 2027) << peak.Shower->Name;
        // The darkest hour is that of the night from a local noon to the next around the peak.
        const double evening = berlin.dayOf(peak.Night.Darkest - 0.5).Number;
        const TLocalNight night = NightOfDay(berlin, evening);
        EXPECT_GE(peak.Peak, night.Start) << peak.Shower->Name;
        EXPECT_LT(peak.Peak, night.End) << peak.Shower->Name;
    }
    EXPECT_TRUE(year.holds(berlin, 2027, 52.52, -13.405));
    EXPECT_FALSE(year.holds(berlin, 2028, 52.52, -13.405));
}

// The Eta Aquariids' radiant rises only at dawn at 52 N: at the darkest hour it is below.
TEST(MeteorTable, SaysWhenTheRadiantIsBelowTheHorizon)
{
    const TPlaceZone berlin(QTimeZone("Europe/Berlin"));
    TMeteorTable table;
    table.setYear(ComputeMeteorYear(berlin, 2027, 52.52, -13.405), berlin);
    ASSERT_EQ(table.rowCount(), astro::MeteorShowerCount);
    int below = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString radiant = table.index(row, TMeteorTable::colRadiant).data().toString();
        const QString shower = table.index(row, TMeteorTable::colShower).data(Qt::ToolTipRole).toString();
        if (radiant == LocalString(42234)) {
            ++below;
            EXPECT_EQ(shower, QStringLiteral("Eta Aquariids"));
        } else {
            EXPECT_TRUE(radiant.contains(u'°')) << radiant.toStdString();
        }
        EXPECT_TRUE(table.index(row, TMeteorTable::colMoon).data().toString().endsWith(u'%'));
    }
    EXPECT_EQ(below, 1);
    EXPECT_EQ(MeteorShowerName(astro::MeteorShowers[4]), LocalString(42241));
}

}  // namespace
