// The table compiled into the program: that it loads whole, that its zones exist here, and that
// well-known places come out with the right hemisphere, zone and height.

#include "places/placetable.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTimeZone>

namespace {

const TPlaceTable& Table() { return TPlaceTable::BuiltIn(); }

TEST(BuiltInTable, LoadsEveryLineOnce)
{
    EXPECT_GT(Table().size(), 50000);
    EXPECT_LT(Table().size(), 60000);
    EXPECT_EQ(Table().skippedLines(), 0);
    EXPECT_EQ(&TPlaceTable::BuiltIn(), &Table());
}

TEST(BuiltInTable, EveryZoneExistsOnThisMachine)
{
    QSet<QString> zones;
    for (int i = 0; i < Table().size(); ++i) {
        zones.insert(Table().at(i).TimeZone);
    }
    EXPECT_GT(zones.size(), 300);
    for (const QString& zone : zones) {
        EXPECT_TRUE(QTimeZone::isTimeZoneIdAvailable(zone.toUtf8())) << zone.toStdString();
    }
}

TEST(BuiltInTable, EveryPlaceIsComplete)
{
    int worst = 0;
    for (int i = 0; i < Table().size(); ++i) {
        const TPlace place = Table().at(i);
        ASSERT_FALSE(place.Name.isEmpty()) << i;
        ASSERT_FALSE(place.AsciiName.isEmpty()) << i;
        ASSERT_EQ(place.CountryCode.size(), 2) << place.Name.toStdString();
        // Every country has its name, not its code standing in.
        ASSERT_NE(place.Country, place.CountryCode) << place.Name.toStdString();
        ASSERT_LE(std::abs(place.Latitude), 90) << place.Name.toStdString();
        ASSERT_LE(std::abs(place.Longitude), 180) << place.Name.toStdString();
        worst = std::max(worst, place.Elevation);
    }
    // La Rinconada, Peru, the highest town, lies about 5,100 m up.
    EXPECT_GT(worst, 4000);
    EXPECT_LT(worst, 6000);
}

TEST(BuiltInTable, EveryPlaceIsFoundByBothItsNames)
{
    for (int i = 0; i < Table().size(); ++i) {
        const TPlace place = Table().at(i);
        for (const QString& name : {place.Name, place.AsciiName}) {
            // A comma in a name would begin a narrowing of the search.
            if (!name.contains(u',')) {
                ASSERT_TRUE(Table().Find(name, Table().size()).contains(i)) << name.toStdString();
            }
        }
    }
}

struct TKnownPlace {
    const char* Query;
    const char* Country;
    double Latitude;       // degrees north
    double LongitudeWest;  // degrees WEST
    const char* Zone;
    int LowestElevation;  // metres, a range around the published height
    int HighestElevation;
};

// Coordinates from atlases to 0.01 degrees; heights as published for the city centres.
const TKnownPlace KnownPlaces[] = {
    {"Denver", "US", 39.74, 104.98, "America/Denver", 1550, 1700},
    {"Sydney", "AU", -33.87, -151.21, "Australia/Sydney", 0, 100},
    {"Tromsø", "NO", 69.65, -18.96, "Europe/Oslo", 0, 100},
    {"Kathmandu", "NP", 27.70, -85.32, "Asia/Kathmandu", 1250, 1450},
    {"Honolulu", "US", 21.31, 157.86, "Pacific/Honolulu", 0, 50},
    {"Berlin", "DE", 52.52, -13.41, "Europe/Berlin", 30, 60},
    {"Quito", "EC", -0.23, 78.52, "America/Guayaquil", 2700, 3000},
    {"Suva", "FJ", -18.14, -178.43, "Pacific/Fiji", 0, 50},
    {"Longyearbyen", "SJ", 78.22, -15.65, "Arctic/Longyearbyen", 0, 100},
    {"Ushuaia", "AR", -54.81, 68.32, "America/Argentina/Ushuaia", 0, 100},
};

class BuiltInKnownPlace : public testing::TestWithParam<TKnownPlace> {};

TEST_P(BuiltInKnownPlace, HasItsCoordinatesZoneAndHeight)
{
    const TKnownPlace& known = GetParam();
    const QList<int> found = Table().Find(QString::fromUtf8(known.Query), 1);
    ASSERT_EQ(found.size(), 1) << known.Query;
    const TPlace place = Table().at(found.first());
    EXPECT_EQ(place.CountryCode, known.Country) << known.Query;
    EXPECT_NEAR(place.Latitude, known.Latitude, 0.01) << known.Query;
    EXPECT_NEAR(place.Longitude, known.LongitudeWest, 0.01) << known.Query;
    EXPECT_EQ(place.TimeZone, known.Zone) << known.Query;
    EXPECT_GE(place.Elevation, known.LowestElevation) << known.Query;
    EXPECT_LE(place.Elevation, known.HighestElevation) << known.Query;
}

INSTANTIATE_TEST_SUITE_P(Places, BuiltInKnownPlace, testing::ValuesIn(KnownPlaces));

struct TLookUp {
    const char* Query;
    const char* Name;     // the first match
    const char* Country;  // its country code
};

const TLookUp LookUps[] = {
    {"Tromsø", "Tromsø", "NO"},
    {"tromso", "Tromsø", "NO"},
    {"TROMSØ", "Tromsø", "NO"},
    {"Berlin", "Berlin", "DE"},  // the German one is far the largest
    {"Berlin, DE", "Berlin", "DE"},
    {"Berlin, US", "Berlin", "US"},
    {"Paris", "Paris", "FR"},
    {"Paris, France", "Paris", "FR"},
    {"Paris, TX", "Paris", "US"},
    {"Springfield, IL", "Springfield", "US"},
    {"zurich", "Zürich", "CH"},
    {"sao paulo", "São Paulo", "BR"},
    // A name equal to the query comes before the longer, larger ones.
    {"san", "San", "ML"},
    {"sant", "Santiago", "CL"},
    {"koln", "Köln", "DE"},
    {"koeln", "Köln", "DE"},
    {"nuku'alofa", "Nuku‘alofa", "TO"},
};

class BuiltInLookUp : public testing::TestWithParam<TLookUp> {};

TEST_P(BuiltInLookUp, FindsTheExpectedPlaceFirst)
{
    const QList<int> found = Table().Find(QString::fromUtf8(GetParam().Query), 5);
    ASSERT_FALSE(found.isEmpty()) << GetParam().Query;
    const TPlace first = Table().at(found.first());
    EXPECT_EQ(first.Name, QString::fromUtf8(GetParam().Name)) << GetParam().Query;
    EXPECT_EQ(first.CountryCode, GetParam().Country) << GetParam().Query;
}

INSTANTIATE_TEST_SUITE_P(Queries, BuiltInLookUp, testing::ValuesIn(LookUps));

TEST(BuiltInLookUp, SpringfieldInIllinoisIsItsCapital)
{
    const QList<int> found = Table().Find("Springfield, IL", 10);
    ASSERT_EQ(found.size(), 1);
    EXPECT_NEAR(Table().at(found.first()).Latitude, 39.80, 0.01);
}

TEST(BuiltInLookUp, LongerNamesComeMostPopulousFirst)
{
    const QList<int> found = Table().Find("sant", 50);
    ASSERT_EQ(found.size(), 50);
    for (qsizetype i = 1; i < found.size(); ++i) {
        EXPECT_GE(Table().at(found[i - 1]).Population, Table().at(found[i]).Population) << i;
    }
}

}  // namespace
