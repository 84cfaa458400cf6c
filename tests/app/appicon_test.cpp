#include "app/appicon.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QImage Loaded(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

// Mean grey of the opaque pixels in columns [left, right).
double MeanOpaqueGrey(const QImage& image, int left, int right)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < right; ++x)
            if (qAlpha(image.pixel(x, y)) == 255) {
                sum += qGray(image.pixel(x, y));
                ++count;
            }
    return count ? sum / count : 0.0;
}

class ApplicationIconSize : public testing::TestWithParam<int> {};

// A moon on a transparent square: what a panel shows must be round, whatever its colour.
TEST_P(ApplicationIconSize, IsARoundMoonOnATransparentSquare)
{
    const int size = GetParam();
    const QImage icon = Loaded(ApplicationIconResource(size));
    ASSERT_EQ(icon.size(), QSize(size, size));
    for (QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    const int middle = size / 2;
    EXPECT_EQ(qAlpha(icon.pixel(middle, middle)), 255);
    // Waxing: the lit limb on the right is brighter than the night side on the left.
    const int band = size * 15 / 100 + 1;
    EXPECT_GT(MeanOpaqueGrey(icon, size - band, size), 2 * MeanOpaqueGrey(icon, 0, band));
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, ApplicationIconSize, testing::ValuesIn(ApplicationIconSizes));

// The icons are generated; a change of the generator must come with regenerated icons. Pixels
// are compared rather than bytes, which another zlib may pack differently.
TEST(ApplicationIcon, GeneratorReproducesTheCommittedIcons)
{
    if (std::system("python3 --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "python3 is not installed";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString command = QStringLiteral("python3 '%1/tools/gen_app_icon.py' --out '%2'")
                                .arg(QStringLiteral(SHUTTERLY_SOURCE_DIR), out.path());
    ASSERT_EQ(std::system(command.toLocal8Bit().constData()), 0);
    const QStringList fresh = QDir(out.path()).entryList(QDir::Files);
    EXPECT_EQ(fresh.size(), int(ApplicationIconSizes.size())) << qPrintable(fresh.join(' '));
    for (int size : ApplicationIconSizes) {
        const QString name = QStringLiteral("shutterly-%1.png").arg(size);
        const QImage generated = Loaded(QDir(out.path()).filePath(name));
        ASSERT_FALSE(generated.isNull()) << qPrintable(name);
        EXPECT_TRUE(generated == Loaded(ApplicationIconResource(size))) << qPrintable(name) << " differs";
    }
}

}  // namespace
