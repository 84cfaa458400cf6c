#include "moredata/lighttext.h"
#include "tests/moredata/moredata_test_support.h"
#include "tests/shown_text.h"
#include "tests/test_printers.h"

#include <QRegularExpression>
#include <vector>

namespace {

// Whole minutes of the day of every "hh:nn UTC" in a text, in the order they appear.
std::vector<int> Minutes(const QString& text)
{
    static const QRegularExpression Time(QStringLiteral("(\\d\\d):(\\d\\d) UTC"));
    std::vector<int> minutes;
    for (const QRegularExpressionMatch& m : Time.globalMatch(text))
        minutes.push_back(m.captured(1).toInt() * 60 + m.captured(2).toInt());
    return minutes;
}

// The one instant of a row, or -1 when it has none or more than one.
int Minute(const TLabel& row)
{
    const std::vector<int> minutes = Minutes(row.text());
    return minutes.size() == 1 ? minutes[0] : -1;
}

struct TSpan {
    int begin = -1;
    int end = -1;
};

TSpan Span(const TLabel& row)
{
    const std::vector<int> minutes = Minutes(row.text());
    return minutes.size() == 2 ? TSpan{minutes[0], minutes[1]} : TSpan{};
}

struct TDirectionCase {
    double azimuth;
    const char* text;
};

class Direction : public testing::TestWithParam<TDirectionCase> {};

// The compass point belongs to the whole degrees shown, so the two never disagree.
TEST_P(Direction, WholeDegreesAndTheirSixteenPointName)
{
    const TDirectionCase& c = GetParam();
    EXPECT_EQ(DirectionText(c.azimuth), Shown(c.text)) << c.azimuth;
}

INSTANTIATE_TEST_SUITE_P(
    Compass, Direction,
    testing::Values(TDirectionCase{0, "0° N"}, TDirectionCase{11, "11° N"}, TDirectionCase{12, "12° NNE"},
                    TDirectionCase{22.5, "22° NNE"}, TDirectionCase{33.4, "33° NNE"}, TDirectionCase{33.7, "34° NE"},
                    TDirectionCase{90, "90° E"}, TDirectionCase{123.4, "123° ESE"}, TDirectionCase{123.7, "124° SE"},
                    TDirectionCase{124, "124° SE"}, TDirectionCase{180, "180° S"}, TDirectionCase{202, "202° SSW"},
                    TDirectionCase{270, "270° W"}, TDirectionCase{-90, "270° W"}, TDirectionCase{348.4, "348° NNW"},
                    TDirectionCase{349, "349° N"}, TDirectionCase{359, "359° N"}, TDirectionCase{359.6, "0° N"},
                    TDirectionCase{720.2, "0° N"}));

// Going once round, the name changes sixteen times, each point holds the degrees within a
// half sector of its own direction, and whole turns do not matter.
TEST(Compass, SixteenSectorsCentredOnTheirDirections)
{
    int changes = 0;
    for (int degrees = 0; degrees < 360; ++degrees) {
        changes += CompassPoint(degrees) != CompassPoint(degrees + 1);
        EXPECT_EQ(CompassPoint(degrees), CompassPoint(degrees - 360));
        EXPECT_EQ(CompassPoint(degrees), CompassPoint(degrees + 720));
    }
    EXPECT_EQ(changes, 16);
    QStringList names;
    for (int point = 0; point < 16; ++point) {
        const double centre = point * 22.5;
        const QString name = CompassPoint(int(std::lround(centre)));
        names.append(name);
        for (int degrees = int(std::ceil(centre - 11.2)); degrees <= int(std::floor(centre + 11.2)); ++degrees)
            EXPECT_EQ(CompassPoint(degrees), name) << degrees;
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 16);
}

class LightBlock : public MoreDataWindow {
protected:
    Tfrm_more& createAt(double latitude, double longitude)
    {
        store({Place("Here", latitude, longitude)});
        return create();
    }
};

// At 52 N on an equinox every crossing happens, and the rows follow the sky.
TEST_F(LightBlock, RowsOfAnOrdinaryDayFollowTheSky)
{
    Tfrm_more& w = createAt(52.52, -13.40);
    const int astronomicalDawn = Minute(w.val_astrodawn);
    const int nauticalDawn = Minute(w.val_nauticaldawn);
    const int civilDawn = Minute(w.val_civildawn);
    const TSpan blueMorning = Span(w.val_bluemorning);
    const TSpan goldenMorning = Span(w.val_goldenmorning);
    const int sunrise = Minute(w.val_sunriselight);
    ASSERT_GE(astronomicalDawn, 0) << w.val_astrodawn.text().toStdString();
    EXPECT_LT(astronomicalDawn, nauticalDawn);
    EXPECT_LT(nauticalDawn, civilDawn);
    EXPECT_EQ(blueMorning.begin, civilDawn);
    EXPECT_LT(blueMorning.begin, blueMorning.end);
    EXPECT_EQ(goldenMorning.begin, blueMorning.end);
    EXPECT_LT(goldenMorning.begin, sunrise);
    EXPECT_LT(sunrise, goldenMorning.end);

    const int sunset = Minute(w.val_sunsetlight);
    const TSpan goldenEvening = Span(w.val_goldenevening);
    const TSpan blueEvening = Span(w.val_blueevening);
    const int civilDusk = Minute(w.val_civildusk);
    const int nauticalDusk = Minute(w.val_nauticaldusk);
    const int astronomicalDusk = Minute(w.val_astrodusk);
    EXPECT_LT(goldenMorning.end, goldenEvening.begin);
    EXPECT_LT(goldenEvening.begin, sunset);
    EXPECT_LT(sunset, goldenEvening.end);
    EXPECT_EQ(blueEvening.begin, goldenEvening.end);
    EXPECT_LT(blueEvening.begin, blueEvening.end);
    EXPECT_EQ(civilDusk, blueEvening.end);
    EXPECT_LT(civilDusk, nauticalDusk);
    EXPECT_LT(nauticalDusk, astronomicalDusk);

    // The same sunrise and sunset as the rise and set rows, found by another search.
    EXPECT_NEAR(sunrise, Minutes(w.val_sunrise.text()).at(0), 1);
    EXPECT_NEAR(sunset, Minutes(w.val_sunset.text()).at(0), 1);
    // On an equinox the sun rises in the east and sets in the west.
    EXPECT_TRUE(w.val_sunriselight.text().endsWith(Shown("89° E")) ||
                w.val_sunriselight.text().endsWith(Shown("90° E")))
        << w.val_sunriselight.text().toStdString();
    EXPECT_TRUE(w.val_sunsetlight.text().endsWith(Shown("270° W")) ||
                w.val_sunsetlight.text().endsWith(Shown("271° W")))
        << w.val_sunsetlight.text().toStdString();
}

// Moonrise and moonset carry a direction and the lit share: the first quarter of
// 2024-03-17 was four days back and full moon comes on the 25th.
TEST_F(LightBlock, MoonRowsCarryDirectionAndLitShare)
{
    Tfrm_more& w = createAt(52.52, -13.40);
    const TLocaleSwitch english("C.UTF-8");
    w.LocationChange();
    static const QRegularExpression Row(QStringLiteral("^\\d\\d:\\d\\d UTC, (\\d+)° [NESW]{1,3}, (\\d+)% lit$"));
    for (const TLabel* row : {&w.val_moonriselight, &w.val_moonsetlight}) {
        const QRegularExpressionMatch m = Row.match(row->text());
        ASSERT_TRUE(m.hasMatch()) << row->text().toStdString();
        EXPECT_LT(m.captured(1).toInt(), 360);
        EXPECT_GT(m.captured(2).toInt(), 70);
        EXPECT_LT(m.captured(2).toInt(), 90);
    }
}

struct TPolarCase {
    const char* name;
    int month;
    int day;
    const char* astronomicalDawn;
    const char* nauticalDawn;
    const char* civilDawn;
    const char* sunrise;
    const char* sunset;
    const char* astronomicalDusk;
};

class PolarLight : public LightBlock, public testing::WithParamInterface<TPolarCase> {};

// Tromsø (69.65 N, 18.96 E): the sun goes down to about +3 degrees at midsummer midnight and
// up to about -3 degrees at midwinter noon.
TEST_P(PolarLight, MissingCrossingsSayWhy)
{
    const TPolarCase& c = GetParam();
    clock.set(At(2024, c.month, c.day, 12));
    Tfrm_more& w = createAt(69.65, -18.96);
    const TLocaleSwitch english("C.UTF-8");
    w.LocationChange();
    if (c.astronomicalDawn[0]) {
        EXPECT_EQ(w.val_astrodawn.text(), c.astronomicalDawn);
        EXPECT_EQ(w.val_astrodusk.text(), c.astronomicalDusk);
    }
    // Empty: that crossing happens (another test checks its instant).
    if (c.nauticalDawn[0]) {
        EXPECT_EQ(w.val_nauticaldawn.text(), c.nauticalDawn);
    }
    if (c.civilDawn[0]) {
        EXPECT_EQ(w.val_civildawn.text(), c.civilDawn);
    }
    EXPECT_EQ(w.val_sunriselight.text(), c.sunrise);
    EXPECT_EQ(w.val_sunsetlight.text(), c.sunset);
}

INSTANTIATE_TEST_SUITE_P(Tromso, PolarLight,
                         testing::Values(TPolarCase{"Midsummer", 6, 21, "No astronomical night",
                                                    "Sun never sinks below -12°", "Sun never sinks below -6°",
                                                    "Sun does not set (midnight sun)",
                                                    "Sun does not set (midnight sun)", "No astronomical night"},
                                         TPolarCase{"Midwinter", 12, 21, "", "", "", "Sun does not rise (polar night)",
                                                    "Sun does not rise (polar night)", ""}),
                         [](const testing::TestParamInfo<TPolarCase>& info) { return std::string(info.param.name); });

TEST_F(LightBlock, MidsummerAtTromsoHasNoBlueHourAndAGoldenNight)
{
    clock.set(At(2024, 6, 21, 12));
    Tfrm_more& w = createAt(69.65, -18.96);
    const TLocaleSwitch english("C.UTF-8");
    w.LocationChange();
    EXPECT_EQ(w.val_bluemorning.text(), "Sun never sinks below -4°");
    EXPECT_EQ(w.val_blueevening.text(), "Sun never sinks below -4°");
    // The golden hour runs through the night: it ends in the morning and begins in the evening.
    EXPECT_TRUE(w.val_goldenmorning.text().startsWith("until ")) << w.val_goldenmorning.text().toStdString();
    EXPECT_TRUE(w.val_goldenevening.text().startsWith("from ")) << w.val_goldenevening.text().toStdString();
}

TEST_F(LightBlock, MidwinterAtTromsoHasATwilightDayWithAGoldenNoon)
{
    clock.set(At(2024, 12, 21, 12));
    Tfrm_more& w = createAt(69.65, -18.96);
    const TLocaleSwitch english("C.UTF-8");
    w.LocationChange();
    // All twilights come and go; the sun climbs past -4 but not to +6 degrees.
    const int astronomicalDawn = Minute(w.val_astrodawn);
    const int civilDawn = Minute(w.val_civildawn);
    const TSpan blueMorning = Span(w.val_bluemorning);
    ASSERT_GE(astronomicalDawn, 0) << w.val_astrodawn.text().toStdString();
    EXPECT_LT(astronomicalDawn, Minute(w.val_nauticaldawn));
    EXPECT_LT(Minute(w.val_nauticaldawn), civilDawn);
    EXPECT_EQ(blueMorning.begin, civilDawn);
    EXPECT_TRUE(w.val_goldenmorning.text().startsWith("from ")) << w.val_goldenmorning.text().toStdString();
    EXPECT_TRUE(w.val_goldenevening.text().startsWith("until ")) << w.val_goldenevening.text().toStdString();
    EXPECT_EQ(Minutes(w.val_goldenmorning.text()).at(0), blueMorning.end);
    EXPECT_LT(Minutes(w.val_goldenevening.text()).at(0), Minute(w.val_civildusk));
}

TEST_F(LightBlock, EveryRowIsEmptyWithoutAPlace)
{
    Tfrm_more& w = create();
    for (const TLabel* row : {&w.val_astrodawn, &w.val_bluemorning, &w.val_sunriselight, &w.val_sunsetlight,
                              &w.val_astrodusk, &w.val_moonriselight, &w.val_moonsetlight})
        EXPECT_EQ(row->text(), "---");
}

}  // namespace
