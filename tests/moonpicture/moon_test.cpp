#include <gtest/gtest.h>

#include "astro/phases.h"
#include "controls/clock.h"
#include "moonpicture/moon.h"
#include "moonpicture/moongeometry.h"

namespace {

constexpr double OneSecond = 1.0 / astro::SecondsPerDay;
// 2024-01-25 17:54 UT, a full moon.
constexpr double FullMoon2024 = 45316.745833333334;
const QRgb Red = qRgb(255, 0, 0);

struct MoonFixture : testing::Test {
    TFixedClock clock{FullMoon2024, 0};
    TMoon moon{clock};
    int redraws = 0;

    void countRedraws()
    {
        moon.setObserver([this] { ++redraws; });
    }
};

using MoonConstruction = MoonFixture;

TEST_F(MoonConstruction, DatesToTheClockWithoutCountingAsStored)
{
    EXPECT_DOUBLE_EQ(moon.date(), FullMoon2024);
    EXPECT_FALSE(moon.dateStored());
    EXPECT_EQ(moon.moonSize(), ms64);
    EXPECT_EQ(moon.picture().size(), QSize(64, 64));
    EXPECT_TRUE(moon.showApollo11());
    moon.setDate(FullMoon2024);
    EXPECT_TRUE(moon.dateStored());
}

template <typename T>
concept AlignWritable = requires(T moon)
{
    moon.setAlign(alNone);
};

TEST_F(MoonConstruction, AlignIsReadOnlyAndNone)
{
    static_assert(!AlignWritable<TMoon>);
    moon.setMoonSize(ms16);
    EXPECT_EQ(moon.align(), alNone);
}

using MoonRedraw = MoonFixture;

TEST_F(MoonRedraw, UnchangedRotationOrStyleRedrawsNothing)
{
    countRedraws();
    moon.setRotation(rot_none);
    moon.setMoonStyle(msClassic);
    EXPECT_EQ(redraws, 0);
    moon.setRotation(rot_180);
    moon.setMoonStyle(msColor);
    EXPECT_EQ(redraws, 2);
    moon.setRotation(rot_180);
    moon.setMoonStyle(msColor);
    EXPECT_EQ(redraws, 2);
}

TEST_F(MoonRedraw, DateAndSizeAlwaysRedraw)
{
    countRedraws();
    moon.setDate(moon.date());
    moon.setMoonSize(moon.moonSize());
    EXPECT_EQ(redraws, 2);
}

TEST_F(MoonRedraw, ShowApollo11TakesEffectAtTheNextRedraw)
{
    moon.setDate(TMoon::LandingInstant + 2.0);
    countRedraws();
    moon.setShowApollo11(false);
    EXPECT_EQ(redraws, 0);
    moon.setDate(moon.date());
    EXPECT_NE(moon.picture().pixel(41, 29), Red);
}

TEST_F(MoonRedraw, SizeSetsThePictureSize)
{
    for (TMoonSize size : {ms32, ms16, ms64}) {
        moon.setMoonSize(size);
        EXPECT_EQ(moon.width(), MoonGeometry[size].width);
        EXPECT_EQ(moon.height(), MoonGeometry[size].height);
        EXPECT_EQ(moon.picture().size(), QSize(moon.width(), moon.height()));
    }
}

TEST_F(MoonRedraw, RedrawStartsFromTheStoredPictureSoShadowsNeverAccumulate)
{
    moon.setDate(FullMoon2024);
    const QImage full = moon.picture();
    moon.setDate(FullMoon2024 + 10.0);
    moon.setDate(FullMoon2024);
    EXPECT_EQ(moon.picture(), full);
}

// The window hands in the phase angle it computed for its other values.
TEST_F(MoonRedraw, AGivenPhaseAngleDrawsWhatTheDateWouldDraw)
{
    for (const double date : {FullMoon2024, FullMoon2024 + 7.3, FullMoon2024 + 16.0, FullMoon2024 - 200.5}) {
        moon.setDate(date);
        const QImage fromDate = moon.picture();
        const double angle = moon.phaseAngle();
        moon.setDate(FullMoon2024 + 3.0);
        moon.setDate(date, astro::MoonPhaseAngle(date));
        EXPECT_EQ(moon.phaseAngle(), angle) << date;
        EXPECT_EQ(moon.picture(), fromDate) << date;
    }
}

TEST_F(MoonRedraw, WaningMoonIsDarkOnTheRightAndTurnsWithRotation)
{
    moon.setDate(FullMoon2024 + 7.4);  // about last quarter
    EXPECT_GT(moon.phaseAngle(), 180.0);
    const QImage upright = moon.picture();
    EXPECT_EQ(upright.pixel(50, 28), qRgb(0, 0, 0));
    EXPECT_NE(upright.pixel(12, 28), qRgb(0, 0, 0));

    moon.setRotation(rot_180);
    EXPECT_EQ(moon.picture().pixel(63 - 50, 63 - 28), qRgb(0, 0, 0));
    EXPECT_EQ(moon.picture().pixel(63 - 12, 63 - 28), upright.pixel(12, 28));
}

// At touchdown the site lay close to the terminator; the picture's whole-pixel shadow still
// covers it. Two days later in the phase (in the lunation before, and after) it is well lit.
constexpr double TwoDays = 2.0;
constexpr double OneLunation = 29.530589;

class LandingDotTest : public MoonFixture, public testing::WithParamInterface<TMoonSize> {};

TEST_P(LandingDotTest, ShowsOnlyAfterTouchdown)
{
    const TMoonGeometry& g = MoonGeometry[GetParam()];
    moon.setMoonSize(GetParam());
    moon.setDate(TMoon::LandingInstant - OneLunation + TwoDays);
    const QRgb litBefore = moon.picture().pixel(g.dotX, g.dotY);
    EXPECT_NE(litBefore, Red);
    EXPECT_NE(litBefore, qRgb(0, 0, 0));
    moon.setDate(TMoon::LandingInstant + TwoDays);
    EXPECT_EQ(moon.picture().pixel(g.dotX, g.dotY), Red);
    moon.setShowApollo11(false);
    moon.setDate(TMoon::LandingInstant + TwoDays);
    EXPECT_NE(moon.picture().pixel(g.dotX, g.dotY), Red);
}

TEST_P(LandingDotTest, AtTouchdownTheSiteIsStillInTheShadow)
{
    const TMoonGeometry& g = MoonGeometry[GetParam()];
    moon.setMoonSize(GetParam());
    moon.setDate(TMoon::LandingInstant - OneSecond);
    const QImage before = moon.picture();
    moon.setDate(TMoon::LandingInstant + OneSecond);
    EXPECT_EQ(moon.picture().pixel(g.dotX, g.dotY), qRgb(0, 0, 0));
    EXPECT_EQ(moon.picture(), before);
}

TEST_P(LandingDotTest, TurnsWithThePicture)
{
    const TMoonGeometry& g = MoonGeometry[GetParam()];
    moon.setMoonSize(GetParam());
    moon.setDate(TMoon::LandingInstant + TwoDays);
    moon.setRotation(rot_180);
    EXPECT_EQ(moon.picture().pixel(g.width - 1 - g.dotX, g.height - 1 - g.dotY), Red);
    moon.setRotation(rot_90);
    EXPECT_EQ(moon.picture().pixel(g.dotY, g.height - 1 - g.dotX), Red);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, LandingDotTest, testing::Values(ms64, ms32, ms16));

// The icon's opaque pixels show the picture of the size the system icon size picks.
struct IconCase {
    int systemSize;
    TMoonSize pictureSize;
};

class MoonIconTest : public MoonFixture, public testing::WithParamInterface<IconCase> {};

TEST_P(MoonIconTest, IsThePictureWithTransparencyAroundTheDisc)
{
    const IconCase c = GetParam();
    moon.setDate(FullMoon2024 + 4.0);
    moon.setMoonStyle(msColor);
    moon.setSystemIconSize(QSize(c.systemSize, c.systemSize));
    const TIcon icon = moon.icon();
    moon.setMoonSize(c.pictureSize);
    const QImage picture = moon.picture();
    const TMoonGeometry& g = MoonGeometry[c.pictureSize];

    ASSERT_EQ(icon.size(), QSize(c.systemSize, c.systemSize));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(g.centreX, g.centreY)), 255);
    int opaque = 0;
    for (int y = 0; y < c.systemSize; ++y)
        for (int x = 0; x < c.systemSize; ++x) {
            if (qAlpha(icon.pixel(x, y)) == 0)
                continue;
            ++opaque;
            ASSERT_LT(x, g.width);
            ASSERT_LT(y, g.height);
            EXPECT_EQ(qRgb(qRed(icon.pixel(x, y)), qGreen(icon.pixel(x, y)), qBlue(icon.pixel(x, y))),
                      picture.pixel(x, y))
                << x << "," << y;
        }
    // The disc, not a sliver and not the whole square.
    EXPECT_GT(opaque, g.width * g.height / 3);
    EXPECT_LT(opaque, g.width * g.height);
}

INSTANTIATE_TEST_SUITE_P(SystemIconSizes, MoonIconTest,
                         testing::Values(IconCase{16, ms16}, IconCase{32, ms32}, IconCase{48, ms32},
                                         IconCase{64, ms64}));

// On the large picture the terminator uncovers the site ten minutes after touchdown.
TEST_F(MoonFixture, LandingDotShowsMinutesAfterTouchdownOnTheLargePicture)
{
    moon.setDate(TMoon::LandingInstant + 10 * 60 * OneSecond);
    EXPECT_EQ(moon.picture().pixel(41, 29), Red);
}

TEST_F(MoonFixture, IconOfAnUnusualSizeTurnsWithItsTransparentMargin)
{
    moon.setSystemIconSize(QSize(48, 48));
    moon.setRotation(rot_180);
    const TIcon& icon = moon.icon();
    // The 32-pixel disc (centre 15, 14) now lies in the bottom-right corner.
    EXPECT_EQ(qAlpha(icon.pixel(47 - 15, 47 - 14)), 255);
    EXPECT_EQ(qAlpha(icon.pixel(15, 14)), 0);
}

TEST_F(MoonFixture, IconIsRebuiltInTheSameObject)
{
    moon.setSystemIconSize(QSize(32, 32));
    const TIcon* first = &moon.icon();
    const QImage before = *first;
    moon.setDate(FullMoon2024 + 10.0);
    const TIcon* second = &moon.icon();
    EXPECT_EQ(first, second);
    EXPECT_NE(*second, before);
}

}  // namespace
