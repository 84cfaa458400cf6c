#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <vector>

#include "moonpicture/moongeometry.h"
#include "moonpicture/moonshadow.h"

namespace {

// Half widths round(sqrt(R² - g²)) of each disc row g = 0..R, worked out by hand.
const std::vector<int> HalfWidths16 = {7, 7, 7, 6, 6, 5, 4, 0};
const std::vector<int> HalfWidths32 = {14, 14, 14, 14, 13, 13, 13, 12, 11, 11, 10, 9, 7, 5, 0};
const std::vector<int> HalfWidths64 = {28, 28, 28, 28, 28, 28, 27, 27, 27, 27, 26, 26, 25, 25, 24,
                                       24, 23, 22, 21, 21, 20, 19, 17, 16, 14, 13, 10, 7,  0};

const std::vector<int>& HalfWidths(TMoonSize size)
{
    static const std::array<const std::vector<int>*, 3> table = {&HalfWidths64, &HalfWidths32, &HalfWidths16};
    return *table[size];
}

QImage WhiteCanvas(const TMoonGeometry& g)
{
    QImage canvas(g.width, g.height, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

bool IsBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

// Which columns of a row with half width w a phase darkens, relative to the centre column.
struct ShadowCase {
    double angle;
    const char* name;
    int (*first)(int w);  // leftmost dark column offset
    int (*last)(int w);   // rightmost dark column offset
};

const ShadowCase ShadowCases[] = {
    {0.0, "FullMoonDarkensOnlyTheLeftLimb", [](int w) { return -w; }, [](int w) { return -w; }},
    {90.0, "FirstQuarterDarkensTheLeftHalf", [](int w) { return -w; }, [](int) { return 0; }},
    {180.0, "NewMoonDarkensEverything", [](int w) { return -w; }, [](int w) { return w; }},
    {270.0, "LastQuarterDarkensTheRightHalf", [](int) { return 0; }, [](int w) { return w; }},
};

class ShadowTest : public testing::TestWithParam<std::tuple<TMoonSize, ShadowCase>> {};

TEST_P(ShadowTest, DarkensExactlyTheExpectedPixels)
{
    const auto [size, shadow] = GetParam();
    const TMoonGeometry& g = MoonGeometry[size];
    QImage canvas = WhiteCanvas(g);
    DrawMoonShadow(canvas, g, shadow.angle, false);

    std::vector<std::vector<bool>> expected(g.height, std::vector<bool>(g.width, false));
    const std::vector<int>& widths = HalfWidths(size);
    for (int gap = 0; gap <= g.radius; ++gap) {
        const int w = widths[gap];
        for (int x = g.centreX + shadow.first(w); x <= g.centreX + shadow.last(w); ++x) {
            expected[g.centreY + gap][x] = true;
            expected[g.centreY - gap][x] = true;
        }
    }
    int mismatches = 0;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (IsBlack(canvas, x, y) != expected[y][x] && ++mismatches <= 5)
                ADD_FAILURE() << shadow.name << " pixel " << x << "," << y;
    EXPECT_EQ(mismatches, 0);
}

std::string ShadowCaseName(const testing::TestParamInfo<ShadowTest::ParamType>& info)
{
    static const char* const sizes[] = {"ms64", "ms32", "ms16"};
    return std::string(sizes[std::get<0>(info.param)]) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(AllSizesAndQuarters, ShadowTest,
                         testing::Combine(testing::Values(ms64, ms32, ms16), testing::ValuesIn(ShadowCases)),
                         ShadowCaseName);

// On the tiny disc's middle row (half width 7) a crescent leaves the two outermost columns of
// the lit side: cos 135° · 7 = -4.95 rounds to -5.
TEST(Shadow, CrescentsKeepTheirLitLimb)
{
    const TMoonGeometry& g = MoonGeometry[ms16];
    struct Case {
        double angle;
        int firstLit;
        int lastLit;
    };
    for (const Case c : {Case{135.0, 13, 14}, Case{225.0, 0, 1}}) {
        QImage canvas = WhiteCanvas(g);
        DrawMoonShadow(canvas, g, c.angle, false);
        for (int x = 0; x <= 14; ++x)
            EXPECT_EQ(IsBlack(canvas, x, g.centreY), x < c.firstLit || x > c.lastLit)
                << "angle " << c.angle << " column " << x;
    }
}

TEST(Shadow, LandingDotIsRedOnlyWhereTheSiteIsLit)
{
    const TMoonGeometry& g = MoonGeometry[ms64];
    struct Case {
        double angle;
        QRgb dot;
    };
    // Waxing: the site, right of centre, is lit; waning: the shadow covers it.
    for (const Case c : {Case{0.0, qRgb(255, 0, 0)}, Case{90.0, qRgb(255, 0, 0)}, Case{270.0, qRgb(0, 0, 0)}}) {
        QImage canvas = WhiteCanvas(g);
        DrawMoonShadow(canvas, g, c.angle, true);
        EXPECT_EQ(canvas.pixel(g.dotX, g.dotY), c.dot) << "angle " << c.angle;
    }
    QImage withoutDot = WhiteCanvas(g);
    DrawMoonShadow(withoutDot, g, 90.0, false);
    EXPECT_EQ(withoutDot.pixel(g.dotX, g.dotY), qRgb(255, 255, 255));
}

TEST(Shadow, EmptyOrSmallCanvasIsClippedNotOverrun)
{
    QImage empty;
    DrawMoonShadow(empty, MoonGeometry[ms64], 180.0, true);
    EXPECT_TRUE(empty.isNull());

    QImage small = WhiteCanvas(MoonGeometry[ms16]);
    DrawMoonShadow(small, MoonGeometry[ms64], 180.0, true);
    EXPECT_TRUE(IsBlack(small, 15, 15));
}

}  // namespace
