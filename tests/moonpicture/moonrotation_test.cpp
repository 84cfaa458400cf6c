#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>

#include "moonpicture/moonrotation.h"

namespace {

// Three marked pixels of a 16 × 16 picture, where each turn must put them (W = H = 15).
struct RotationCase {
    TRotate rotation;
    QPoint marks[3];
};

const QPoint Sources[3] = {{1, 2}, {15, 0}, {9, 14}};
const QRgb MarkColors[3] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

const RotationCase RotationCases[] = {
    {rot_none, {{1, 2}, {15, 0}, {9, 14}}},
    // Counter-clockwise: the top-right corner goes to the top left.
    {rot_90, {{2, 14}, {0, 0}, {14, 6}}},
    {rot_180, {{14, 13}, {0, 15}, {6, 1}}},
    // Clockwise: the top-right corner goes to the bottom right.
    {rot_270, {{13, 1}, {15, 15}, {1, 9}}},
};

QImage MarkedPicture()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int i = 0; i < 3; ++i)
        picture.setPixel(Sources[i], MarkColors[i]);
    return picture;
}

class RotationTest : public testing::TestWithParam<RotationCase> {};

TEST_P(RotationTest, MovesEveryMarkAndNothingElse)
{
    const RotationCase& c = GetParam();
    QImage picture = MarkedPicture();
    RotateMoon(picture, c.rotation);
    int marked = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            marked += picture.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_EQ(marked, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(picture.pixel(c.marks[i]), MarkColors[i]) << "mark " << i;
}

INSTANTIATE_TEST_SUITE_P(QuarterTurns, RotationTest, testing::ValuesIn(RotationCases));

TEST(Rotation, TurnsComposeLikeAngles)
{
    const QImage original = MarkedPicture();
    QImage fourQuarters = original;
    for (int i = 0; i < 4; ++i)
        RotateMoon(fourQuarters, rot_90);
    EXPECT_EQ(fourQuarters, original);

    QImage there = original;
    RotateMoon(there, rot_90);
    RotateMoon(there, rot_270);
    EXPECT_EQ(there, original);

    QImage twoQuarters = original;
    RotateMoon(twoQuarters, rot_90);
    RotateMoon(twoQuarters, rot_90);
    QImage half = original;
    RotateMoon(half, rot_180);
    EXPECT_EQ(twoQuarters, half);
}

// Turned pixel for pixel, an indexed picture would take colours for palette indices.
TEST(Rotation, PicturesOfOtherDepthsTurnTheirColours)
{
    QImage expected = MarkedPicture();
    RotateMoon(expected, rot_90);
    for (const QImage::Format format : {QImage::Format_Indexed8, QImage::Format_RGB888, QImage::Format_RGB16}) {
        QImage picture = MarkedPicture().convertToFormat(format);
        RotateMoon(picture, rot_90);
        EXPECT_EQ(picture.depth(), 32) << format;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(picture.pixel(x, y), expected.pixel(x, y)) << format << " at " << x << "," << y;
    }
}

}  // namespace
