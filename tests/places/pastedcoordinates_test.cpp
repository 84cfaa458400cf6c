// Points pasted from maps, photos and messages, and the texts that are no point.

#include "places/pastedcoordinates.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

struct TPasteCase {
    const char* name;
    const char* text;
    bool point;
    double latitude;
    double longitudeEast;
};

class PastedCoordinates : public testing::TestWithParam<TPasteCase> {};

TEST_P(PastedCoordinates, ReadsThePointOrNothing)
{
    const TPasteCase& c = GetParam();
    const std::optional<TMapPoint> point = ReadPastedCoordinates(QString::fromUtf8(c.text));
    ASSERT_EQ(point.has_value(), c.point) << c.text;
    if (!point)
        return;
    EXPECT_NEAR(point->Latitude, c.latitude, 1e-9) << c.text;
    EXPECT_NEAR(point->LongitudeEast, c.longitudeEast, 1e-9) << c.text;
}

constexpr double Berlin31 = 52 + 31 / 60.0 + 12 / 3600.0;
constexpr double Berlin24 = 13 + 24 / 60.0 + 18 / 3600.0;

INSTANTIATE_TEST_SUITE_P(
    Cases, PastedCoordinates,
    testing::Values(
        TPasteCase{"Decimal", "52.5200, 13.4050", true, 52.52, 13.405},
        TPasteCase{"DecimalWest", "40.7128, -74.0060", true, 40.7128, -74.006},
        TPasteCase{"DecimalNoBlank", "-33.8688,151.2093", true, -33.8688, 151.2093},
        TPasteCase{"Letters", "52.52 N 13.405 E", true, 52.52, 13.405},
        TPasteCase{"LettersSouthWest", "33.45 S, 70.66 W", true, -33.45, -70.66},
        TPasteCase{"LettersBefore", "N 52.52 E 13.405", true, 52.52, 13.405},
        TPasteCase{"DegreeSignAndLetters", "52.5200° N, 13.4050° E", true, 52.52, 13.405},
        TPasteCase{"LongitudeFirstByLetters", "13.405 E 52.52 N", true, 52.52, 13.405},
        TPasteCase{"Seconds", "52°31'12\"N 13°24'18\"E", true, Berlin31, Berlin24},
        TPasteCase{"TypographicMarks", "52° 31′ 12″ N, 13° 24′ 18″ E", true, Berlin31, Berlin24},
        TPasteCase{"MinutesOnly", "69°39'N 18°57'E", true, 69.65, 18.95},
        TPasteCase{"GeoUri", "geo:52.52,13.405", true, 52.52, 13.405},
        TPasteCase{"GeoUriWithHeightAndUncertainty", "geo:52.52,13.405,34;u=10", true, 52.52, 13.405},
        TPasteCase{"Semicolon", "52.52; 13.405", true, 52.52, 13.405}, TPasteCase{"Poles", "-90, 180", true, -90, 180},
        TPasteCase{"TownName", "Berlin", false, 0, 0}, TPasteCase{"TownWithCountry", "Paris, US", false, 0, 0},
        TPasteCase{"OneNumber", "52.52", false, 0, 0}, TPasteCase{"DecimalCommas", "52,52 13,405", false, 0, 0},
        TPasteCase{"LatitudeBeyond", "91, 13", false, 0, 0}, TPasteCase{"LongitudeBeyond", "52, 180.5", false, 0, 0},
        TPasteCase{"SixtyMinutes", "52°60'N 13°24'E", false, 0, 0},
        TPasteCase{"SignAndLetter", "-33.45 S, 70.66 W", false, 0, 0},
        TPasteCase{"TwoLatitudes", "52 N 13 N", false, 0, 0},
        TPasteCase{"LettersBothSides", "N 52 S, 13 E", false, 0, 0},
        TPasteCase{"ThreeNumbers", "52.52 13.405 7", false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
