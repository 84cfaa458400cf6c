// The planner's time slider and its words, through the window's controls as a user moves them.

#include "planner/frmplanner.h"

#include "astro/calendar.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include "controls/errors.h"
#include "planner/monthcsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

TLocation Place(const char* name, double latitude, double longitude)
{
    TLocation place;
    place.Name = QString::fromUtf8(name);
    place.Latitude = latitude;
    place.Longitude = longitude;
    return place;
}

class Planner : public ::testing::Test {
protected:
    void show(int year, int month, int day, const TLocation& place = Place("Berlin", 52.52, -13.405))
    {
        planner.ShowDay(place, zone.day(astro::CalendarToDateTime(year, month, day)), zone, zone);
    }

    // The slider at the local time hh:mm of the shown day (a day without a clock change).
    void at(int hour, int minute) { planner.trk_time.setPosition(hour * 60 + minute); }

    TPlaceZone zone{QTimeZone("Europe/Berlin")};
    Tfrm_planner planner;
};

TEST_F(Planner, AFirstDayOpensAtItsMiddleAndTheSliderSpansTheLocalDay)
{
    int skies = 0;
    planner.onSkyChange = [&] { ++skies; };
    show(2027, 3, 28);  // the clocks go forward: 23 hours
    EXPECT_EQ(skies, 1);
    EXPECT_EQ(planner.trk_time.maximum(), 23 * 60);
    EXPECT_EQ(planner.trk_time.position(), 23 * 30);
    show(2027, 6, 21);
    EXPECT_EQ(planner.trk_time.maximum(), 24 * 60);
    // Another day keeps the time of day picked.
    EXPECT_EQ(planner.trk_time.position(), 23 * 30);
    EXPECT_EQ(planner.lbl_title.text(), QStringLiteral("Berlin, ") + DateText(astro::CalendarToDateTime(2027, 6, 21)));
}

TEST_F(Planner, TheSliderTellsTheTimeTheLightAndWhereTheBodiesStand)
{
    show(2027, 6, 21);
    const struct {
        int Hour, Minute;
        int Light;  // string id of the phase's words
    } rows[] = {
        {1, 30, 42215},  // Berlin at midsummer has no astronomical night
        {13, 15, 42217},
    };
    int picks = 0;
    planner.onPickedChange = [&] { ++picks; };
    for (const auto& row : rows) {
        at(row.Hour, row.Minute);
        EXPECT_EQ(planner.lbl_time.text(), ClockTimeText(planner.pickedTime(), zone));
        EXPECT_TRUE(planner.lbl_time.text().startsWith(
            QStringLiteral("%1:%2").arg(row.Hour, 2, 10, QChar(u'0')).arg(row.Minute, 2, 10, QChar(u'0'))));
        EXPECT_TRUE(planner.lbl_light.text().contains(LocalString(row.Light)))
            << planner.lbl_light.text().toStdString();
        EXPECT_FALSE(planner.lbl_sun.text().isEmpty());
        EXPECT_TRUE(planner.lbl_moon.text().contains(u'%'));
        EXPECT_FALSE(planner.lbl_core.text().isEmpty());
    }
    EXPECT_EQ(picks, 2);
}

TEST_F(Planner, ThePicturesNameHoldsThePlaceAndTheDate)
{
    show(2027, 6, 21, Place("Berlin/Mitte", 52.52, -13.405));
    EXPECT_EQ(planner.pictureName(), LocalString(42209)
                                             .replace(QStringLiteral("%1%"), QStringLiteral("Berlin-Mitte"))
                                             .replace(QStringLiteral("%2%"), QStringLiteral("2027-06-21")) +
                                         QStringLiteral(".png"));
}

TEST_F(Planner, ABadPlaceIsRefusedAndTheWindowKeepsItsDay)
{
    show(2027, 6, 21);
    const QString title = planner.lbl_title.text();
    EXPECT_ANY_THROW(show(2027, 6, 22, Place("Nowhere", 95, 0)));
    EXPECT_FALSE(planner.sky().empty());
    EXPECT_EQ(planner.lbl_title.text(), title);
}

// The month and the meteor showers are computed again only for another month, year, place or
// clock: the clock's tick every minute must not reset the tables a user scrolls.
TEST_F(Planner, TheTablesFollowTheMonthAndTheYearAndNotEveryTick)
{
    int monthResets = 0;
    int meteorResets = 0;
    QObject::connect(&planner.monthTable(), &QAbstractItemModel::modelReset, [&] { ++monthResets; });
    QObject::connect(&planner.meteorTable(), &QAbstractItemModel::modelReset, [&] { ++meteorResets; });
    show(2027, 6, 21);
    show(2027, 6, 21);
    EXPECT_EQ(monthResets, 1);
    EXPECT_EQ(planner.monthTable().chosenRow(), 20);
    show(2027, 6, 22);  // another chosen day
    EXPECT_EQ(planner.monthTable().chosenRow(), 21);
    show(2027, 7, 1);
    EXPECT_EQ(planner.month().Month, 7);
    EXPECT_EQ(monthResets, 3);
    EXPECT_EQ(meteorResets, 1);
    planner.ShowDay(Place("Berlin", 52.52, -13.405), zone.day(astro::CalendarToDateTime(2027, 7, 1)), zone,
                    TPlaceZone());  // the times now in universal time
    EXPECT_EQ(monthResets, 4);
    EXPECT_EQ(meteorResets, 2);
    EXPECT_TRUE(planner.lbl_month.text().endsWith(QStringLiteral("UTC")));
    show(2028, 1, 1, Place("Sydney", -33.868, -151.209));
    EXPECT_EQ(meteorResets, 3);
    EXPECT_TRUE(planner.lbl_meteors.text().contains(QStringLiteral("2028")));
}

TEST_F(Planner, ExportsTheMonthAsCsvToTheFileChosen)
{
    QTemporaryDir folder;
    QString proposed;
    QString chosen = folder.filePath(QStringLiteral("june.csv"));
    planner.onChooseMonthFile = [&](const QString& name) {
        proposed = name;
        return chosen;
    };
    EXPECT_FALSE(planner.btn_export.enabled());
    show(2027, 6, 21);
    ASSERT_TRUE(planner.btn_export.enabled());
    planner.btn_export.click();
    EXPECT_TRUE(proposed.contains(QStringLiteral("Berlin")));
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("2027-06-01.csv")));
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), MonthCsv(planner.month(), zone));
    file.close();

    // Cancelled: nothing written.
    chosen.clear();
    show(2027, 7, 21);
    planner.btn_export.click();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("2027-06-30,")));
}

// Before 1583 the library's days are Julian-calendar ones and the file's dates Gregorian.
TEST_F(Planner, AMonthBeforeTheGregorianFilesIsNotExported)
{
    bool asked = false;
    planner.onChooseMonthFile = [&](const QString&) {
        asked = true;
        return QStringLiteral("/tmp/never.csv");
    };
    show(1500, 3, 1);
    EXPECT_THROW(planner.btn_exportClick(), EUserError);
    EXPECT_FALSE(asked);
}

}  // namespace
