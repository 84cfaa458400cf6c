// The nearest-place search: against a scan of every place, around the antimeridian and the
// poles, and its distances against formulas worked by hand.

#include "places/greatcircle.h"
#include "places/placegrid.h"
#include "places/placetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double Radian = std::numbers::pi / 180;

// The spherical law of cosines: another route to the central angle than the code's haversine,
// accurate enough away from tiny distances.
double CosineLawKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double c =
        std::sin(latitude1 * Radian) * std::sin(latitude2 * Radian) +
        std::cos(latitude1 * Radian) * std::cos(latitude2 * Radian) * std::cos((longitude2 - longitude1) * Radian);
    return EarthMeanRadiusKm * std::acos(std::clamp(c, -1.0, 1.0));
}

struct TDistance {
    const char* What;
    double Latitude1, Longitude1, Latitude2, Longitude2;
    double Km;  // worked by hand on the 6371.0088 km sphere
    double Tolerance;
};

const TDistance Distances[] = {
    // One degree along a meridian: 2 pi R / 360.
    {"a degree of latitude", 10, 20, 11, 20, 111.19508, 1e-4},
    // A quarter of the equator, and from the equator to a pole.
    {"a quarter of the equator", 0, 0, 0, 90, 10007.5572, 1e-3},
    {"equator to pole", 0, 123, 90, 0, 10007.5572, 1e-3},
    {"antipodes", 40, 10, -40, -170, 20015.1144, 1e-3},
    // A degree of longitude at 60 degrees: the central angle 2 asin(cos 60 sin 0.5 deg).
    {"a degree of longitude at 60 N", 60, 0, 60, 1, 55.59701, 1e-4},
    // Across the antimeridian the difference in longitude is 2 degrees, not 358.
    {"across the antimeridian", 0, 179, 0, -179, 222.39016, 1e-4},
    {"nothing", 52.5, 13.4, 52.5, 13.4, 0, 1e-9},
};

class GreatCircle : public testing::TestWithParam<TDistance> {};

TEST_P(GreatCircle, MatchesTheHandComputation)
{
    const TDistance& d = GetParam();
    EXPECT_NEAR(GreatCircleKm(d.Latitude1, d.Longitude1, d.Latitude2, d.Longitude2), d.Km, d.Tolerance) << d.What;
    EXPECT_NEAR(GreatCircleKm(d.Latitude2, d.Longitude2, d.Latitude1, d.Longitude1), d.Km, d.Tolerance) << d.What;
}

INSTANTIATE_TEST_SUITE_P(Pairs, GreatCircle, testing::ValuesIn(Distances));

const TPlaceTable& Table() { return TPlaceTable::BuiltIn(); }

// The nearest place by looking at every one, through the cosine of the central angle (the
// dot product of unit vectors), west-positive longitude as the table gives it.
TNearestPlace ScanAll(double latitude, double longitudeWest)
{
    struct TUnit {
        double X, Y, Z;
    };
    const auto unit = [](double latitude, double longitude) {
        return TUnit{std::cos(latitude * Radian) * std::cos(longitude * Radian),
                     std::cos(latitude * Radian) * std::sin(longitude * Radian), std::sin(latitude * Radian)};
    };
    static const std::vector<TUnit> places = [&] {
        std::vector<TUnit> all;
        for (int i = 0; i < Table().size(); ++i) {
            all.push_back(unit(Table().at(i).Latitude, Table().at(i).Longitude));
        }
        return all;
    }();
    const TUnit target = unit(latitude, longitudeWest);
    int best = -1;
    double bestCosine = -2;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const double cosine = places[i].X * target.X + places[i].Y * target.Y + places[i].Z * target.Z;
        if (cosine > bestCosine) {
            best = static_cast<int>(i);
            bestCosine = cosine;
        }
    }
    const TPlace place = Table().at(best);
    return {best, GreatCircleKm(latitude, longitudeWest, place.Latitude, place.Longitude)};
}

struct TNear {
    const char* What;
    double Latitude;
    double LongitudeWest;
    const char* Name;  // the place expected nearest
    double MostKm;     // and at most this far
};

const TNear Nears[] = {
    {"Denver itself", 39.7392, 104.9847, "Denver", 0.01},
    {"Sydney itself", -33.8678, -151.2073, "Sydney", 0.01},
    {"Tromsø itself", 69.6489, -18.9551, "Tromsø", 0.01},
    {"Kathmandu itself", 27.7017, -85.3206, "Kathmandu", 0.01},
    {"Honolulu itself", 21.3069, 157.8583, "Honolulu", 0.01},
    {"Suva itself", -18.1368, -178.4253, "Suva", 0.01},
    // East of the antimeridian, whose cells lie at the other end of the grid's columns from
    // the Fijian towns just west of it.
    {"Levuka, from 179 W", -18.1368, 179.0, "Levuka", 178.2},
    {"Levuka, from the antimeridian", -18.3, -179.999, "Levuka", 76.7},
    {"Labasa, from 179.5 W", -17.0, 179.5, "Labasa", 136.4},
    {"Longyearbyen itself", 78.2233, -15.6469, "Longyearbyen", 0.01},
    // (90 - 78.2233) degrees of latitude, 1309.5 km.
    {"Longyearbyen, from the pole", 90.0, 0.0, "Longyearbyen", 1309.6},
    {"Ushuaia, from the south pole", -90.0, 0.0, "Ushuaia", 3913},
    {"Longyearbyen, from 85 N on the far side", 85.0, 165.0, "Longyearbyen", 1866},
};

class NearestPlace : public testing::TestWithParam<TNear> {};

TEST_P(NearestPlace, FindsTheKnownPlace)
{
    const TNear& near = GetParam();
    const TNearestPlace found = Table().Nearest(near.Latitude, near.LongitudeWest);
    ASSERT_TRUE(found.valid()) << near.What;
    const TPlace place = Table().at(found.Index);
    EXPECT_EQ(place.Name, QString::fromUtf8(near.Name)) << near.What;
    EXPECT_LE(found.DistanceKm, near.MostKm) << near.What;
    EXPECT_NEAR(found.DistanceKm, CosineLawKm(near.Latitude, near.LongitudeWest, place.Latitude, place.Longitude), 0.01)
        << near.What;
}

INSTANTIATE_TEST_SUITE_P(Points, NearestPlace, testing::ValuesIn(Nears));

TEST(NearestPlace, AgreesWithAScanOfEveryPlace)
{
    // Random points with extra weight on the rows and columns where a grid goes wrong: the
    // polar caps, the antimeridian, the cell edges of whole degrees.
    std::mt19937 random(20240601);
    std::uniform_real_distribution<double> anywhere(-1, 1);
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 400; ++i) {
        points.emplace_back(std::asin(anywhere(random)) / Radian, 180 * anywhere(random));
    }
    for (int i = 0; i < 100; ++i) {
        points.emplace_back(90 - 15 * std::abs(anywhere(random)), 180 * anywhere(random));
        points.emplace_back(-90 + 40 * std::abs(anywhere(random)), 180 * anywhere(random));
        points.emplace_back(60 * anywhere(random), 180 - 3 * std::abs(anywhere(random)));
        points.emplace_back(60 * anywhere(random), -180 + 3 * std::abs(anywhere(random)));
    }
    for (double latitude : {-90.0, -45.0, 0.0, 45.0, 89.0, 90.0}) {
        for (double longitude : {-180.0, -90.0, 0.0, 90.0, 180.0}) {
            points.emplace_back(latitude, longitude);
        }
    }
    double worst = 0;
    for (const auto& [latitude, longitudeWest] : points) {
        const TNearestPlace grid = Table().Nearest(latitude, longitudeWest);
        const TNearestPlace scan = ScanAll(latitude, longitudeWest);
        ASSERT_TRUE(grid.valid());
        // Two places at the same distance may both be right; the distance must agree, to a metre
        // (the cosine loses digits for near points).
        EXPECT_NEAR(grid.DistanceKm, scan.DistanceKm, 1e-3) << latitude << " " << longitudeWest;
        worst = std::max(worst, std::abs(grid.DistanceKm - scan.DistanceKm));
    }
    std::cout << "worst distance difference against the scan: " << worst << " km over " << points.size() << " points\n";
}

TEST(PlaceGrid, OnePointIsFoundFromEverywhere)
{
    // With a single point every search must widen until it covers the sphere.
    const TPlaceGrid grid({{-45.5, 170.5}});
    for (double latitude : {-90.0, -45.0, 0.0, 44.0, 90.0}) {
        for (double longitude : {-180.0, -10.0, 0.0, 170.5, 180.0}) {
            const TPlaceGrid::TMatch match = grid.Nearest(latitude, longitude);
            EXPECT_EQ(match.Index, 0) << latitude << " " << longitude;
            EXPECT_NEAR(match.Angle * EarthMeanRadiusKm, CosineLawKm(latitude, longitude, -45.5, 170.5), 1e-6);
        }
    }
}

TEST(PlaceGrid, PointsOutsideTheRangesAreLeftOut)
{
    const TPlaceGrid grid({{91, 0}, {std::nan(""), 0}, {0, 181}, {10, 10}});
    EXPECT_EQ(grid.Nearest(0, 180).Index, 3);
    EXPECT_EQ(TPlaceGrid({{91, 0}}).Nearest(90, 0).Index, -1);
    EXPECT_EQ(TPlaceGrid().Nearest(0, 0).Index, -1);
}

TEST(PlaceGrid, WithinFindsExactlyThePointsOfTheCap)
{
    // Points a degree apart along a parallel near the antimeridian and a meridian up to the pole.
    std::vector<TPlaceGrid::TPoint> points;
    for (int i = -5; i <= 5; ++i) {
        points.push_back({-10, std::remainder(178.5 + i, 360)});
        points.push_back({80.0 + i, 30});
    }
    const TPlaceGrid grid(points);
    const struct {
        double Latitude, LongitudeEast, RadiusDegrees;
    } caps[] = {{-10, 179.9, 2.5}, {-10, -179.9, 0.5}, {90, 0, 6}, {84, -150, 7}, {0, 0, 1}, {-10, 178.5, 0}};
    for (const auto& cap : caps) {
        std::vector<int> expected;
        for (std::size_t i = 0; i < points.size(); ++i)
            if (CosineLawKm(cap.Latitude, cap.LongitudeEast, points[i].Latitude, points[i].LongitudeEast) <=
                cap.RadiusDegrees * Radian * EarthMeanRadiusKm + 1e-3)
                expected.push_back(static_cast<int>(i));
        std::vector<int> found;
        for (const TPlaceGrid::TMatch& match :
             grid.Within(cap.Latitude, cap.LongitudeEast, cap.RadiusDegrees * Radian)) {
            found.push_back(match.Index);
            const TPlaceGrid::TPoint& point = points[match.Index];
            EXPECT_NEAR(match.Angle * EarthMeanRadiusKm,
                        CosineLawKm(cap.Latitude, cap.LongitudeEast, point.Latitude, point.LongitudeEast), 1e-3);
        }
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << cap.Latitude << " " << cap.LongitudeEast << " " << cap.RadiusDegrees;
    }
    EXPECT_TRUE(grid.Within(0, 0, -1).empty());
    EXPECT_TRUE(grid.Within(std::nan(""), 0, 1).empty());
}

struct TNaming {
    const char* What;
    double Latitude;
    double LongitudeWest;
    const char* Name;  // the place a point is named after
    const char* CountryCode;
};

const TNaming Namings[] = {
    // The table's own point of Mitte lies nearer than Berlin's: people still say Berlin.
    {"Berlin's centre", 52.52, -13.405, "Berlin", "DE"},
    {"the Brandenburg Gate", 52.5163, -13.3777, "Berlin", "DE"},
    {"Tromsø", 69.6489, -18.9551, "Tromsø", "NO"},
    {"Manhattan", 40.7128, 74.0060, "New York City", "US"},
    // Far from everything the nearest place is the only one in reach.
    {"Longyearbyen, from the pole", 90.0, 0.0, "Longyearbyen", "SJ"},
    // Newark's centre lies 14 km from New York City's point, which has thirty times its people.
    {"Newark", 40.7357, 74.1724, "Newark", "US"},
    // A village of the table beside nothing larger.
    {"Hammerfest", 70.6634, -23.6821, "Hammerfest", "NO"},
};

class NamingPlace : public testing::TestWithParam<TNaming> {};

TEST_P(NamingPlace, IsTheTownPeopleWouldName)
{
    const TNaming& row = GetParam();
    const TNearestPlace named = Table().NamingPlace(row.Latitude, row.LongitudeWest);
    ASSERT_TRUE(named.valid());
    const TPlace place = Table().at(named.Index);
    EXPECT_EQ(place.Name, QString::fromUtf8(row.Name)) << row.What;
    EXPECT_EQ(place.CountryCode, QString::fromLatin1(row.CountryCode));
    EXPECT_NEAR(named.DistanceKm, GreatCircleKm(row.Latitude, row.LongitudeWest, place.Latitude, place.Longitude),
                1e-3);
    // Never more than 10 km beyond the nearest place, and never a smaller one.
    const TNearestPlace nearest = Table().Nearest(row.Latitude, row.LongitudeWest);
    EXPECT_LE(named.DistanceKm, nearest.DistanceKm + 10 + 1e-9);
    EXPECT_GE(place.Population, Table().at(nearest.Index).Population);
}

INSTANTIATE_TEST_SUITE_P(Points, NamingPlace, testing::ValuesIn(Namings));

TEST(NamingPlace, NoneWhereNoPlaceIsNearest)
{
    EXPECT_FALSE(Table().NamingPlace(91, 0).valid());
    EXPECT_FALSE(TPlaceTable().NamingPlace(0, 0).valid());
}

}  // namespace
