#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <cstdlib>

#include "moonpicture/moonbitmaps.h"

namespace {

struct BitmapCase {
    TMoonBitmap bitmap;
    TMoonSize size;
    int pixels;
    int bitsPerPixel;
};

const BitmapCase BitmapCases[] = {
    {mbClassic, ms64, 64, 4}, {mbClassic, ms32, 32, 4}, {mbClassic, ms16, 16, 4},
    {mbColor, ms64, 64, 8},   {mbColor, ms32, 32, 8},   {mbColor, ms16, 16, 8},
    {mbMask, ms64, 64, 1},    {mbMask, ms32, 32, 1},    {mbMask, ms16, 16, 1},
};

QString ResourcePath(const BitmapCase& c)
{
    return QStringLiteral(":/moon/%1.bmp").arg(MoonBitmapName(c.bitmap, c.size));
}

// The bounding box of the pixels for which inside() holds.
template <typename Predicate>
QRect Extent(const QImage& image, Predicate inside)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inside(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool IsBlack(QRgb pixel) { return (pixel & 0xffffff) == 0; }

class MoonBitmapTest : public testing::TestWithParam<BitmapCase> {};

TEST_P(MoonBitmapTest, IsStoredInItsSizeAndDepth)
{
    const BitmapCase& c = GetParam();
    QFile file(ResourcePath(c));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(ResourcePath(c));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 30);
    const int bitCount = static_cast<unsigned char>(bytes[28]);  // in the info header
    EXPECT_EQ(bitCount, c.bitsPerPixel);

    const QImage image = LoadMoonBitmap(c.bitmap, c.size);
    EXPECT_EQ(image.size(), QSize(c.pixels, c.pixels));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
}

// The bitmaps are decoded once and kept: what a caller paints on must not reach the next caller.
TEST_P(MoonBitmapTest, PaintingOnALoadedBitmapLeavesTheKeptOneClean)
{
    const BitmapCase& c = GetParam();
    const QImage clean = LoadMoonBitmap(c.bitmap, c.size).copy();
    QImage painted = LoadMoonBitmap(c.bitmap, c.size);
    painted.fill(qRgb(255, 0, 0));
    painted.setPixel(0, 0, qRgb(0, 255, 0));
    EXPECT_EQ(LoadMoonBitmap(c.bitmap, c.size), clean);
}

INSTANTIATE_TEST_SUITE_P(NineBitmaps, MoonBitmapTest, testing::ValuesIn(BitmapCases));

class MoonPictureTest : public testing::TestWithParam<BitmapCase> {};

// Moon pixels lie within the silhouette, and the silhouette is the disc, not the square.
TEST_P(MoonPictureTest, MoonLiesOnItsSilhouette)
{
    const BitmapCase& c = GetParam();
    const QImage moon = LoadMoonBitmap(c.bitmap, c.size);
    const QImage mask = LoadMoonBitmap(mbMask, c.size);
    for (int y = 0; y < moon.height(); ++y)
        for (int x = 0; x < moon.width(); ++x)
            if (!IsBlack(moon.pixel(x, y))) {
                ASSERT_TRUE(IsBlack(mask.pixel(x, y))) << x << "," << y;
            }
    EXPECT_EQ(Extent(moon, [](QRgb p) { return !IsBlack(p); }), Extent(mask, IsBlack));
    EXPECT_TRUE(IsBlack(moon.pixel(0, 0)));
    EXPECT_FALSE(IsBlack(mask.pixel(0, 0)));
}

// The first six are the pictures; the silhouettes follow.
INSTANTIATE_TEST_SUITE_P(SixPictures, MoonPictureTest,
                         testing::ValuesIn(std::begin(BitmapCases), std::begin(BitmapCases) + 6));

TEST(MoonBitmaps, LargeClassicDiscFillsRowsTwoTo54AndColumnsFiveTo58)
{
    const QImage moon = LoadMoonBitmap(mbClassic, ms64);
    EXPECT_EQ(Extent(moon, [](QRgb p) { return !IsBlack(p); }), QRect(QPoint(5, 2), QPoint(58, 54)));
}

double MeanGrey(const QImage& image, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

// A flat disc would pass every geometric test; the maria must show.
TEST(MoonBitmaps, MariaAreDarkerThanTheSouthernHighlands)
{
    const QRect imbrium(20, 11, 8, 6);
    const QRect serenitatis(38, 14, 5, 5);
    const QRect southernHighlands(29, 40, 8, 6);
    for (TMoonBitmap bitmap : {mbClassic, mbColor}) {
        const QImage moon = LoadMoonBitmap(bitmap, ms64);
        const double highlands = MeanGrey(moon, southernHighlands);
        EXPECT_LT(MeanGrey(moon, imbrium), 0.8 * highlands) << "bitmap " << int(bitmap);
        EXPECT_LT(MeanGrey(moon, serenitatis), 0.8 * highlands) << "bitmap " << int(bitmap);
    }
}

// The bitmaps are generated; a change of the generator must come with regenerated bitmaps.
TEST(MoonBitmaps, GeneratorReproducesTheCommittedBitmaps)
{
    if (std::system("python3 --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 is not installed";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString command = QStringLiteral("python3 '%1/tools/gen_moon_art.py' --out '%2'")
                                .arg(QStringLiteral(SHUTTERLY_SOURCE_DIR), out.path());
    ASSERT_EQ(std::system(command.toLocal8Bit().constData()), 0);
    for (const BitmapCase& c : BitmapCases) {
        const QString name = MoonBitmapName(c.bitmap, c.size) + QStringLiteral(".bmp");
        QFile fresh(QDir(out.path()).filePath(name));
        QFile committed(QStringLiteral(SHUTTERLY_SOURCE_DIR "/resources/moon/") + name);
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly)) << qPrintable(name);
        ASSERT_TRUE(committed.open(QIODevice::ReadOnly)) << qPrintable(name);
        EXPECT_TRUE(fresh.readAll() == committed.readAll()) << qPrintable(name) << " differs";
    }
}

TEST(MoonBitmaps, NamesFollowStyleAndSize)
{
    EXPECT_EQ(MoonBitmapName(mbClassic, ms64), QStringLiteral("MOON_LARGE"));
    EXPECT_EQ(MoonBitmapName(mbColor, ms32), QStringLiteral("MOON_COLOR_SMALL"));
    EXPECT_EQ(MoonBitmapName(mbMask, ms16), QStringLiteral("MOON_BW_TINY"));
}

}  // namespace
