// The moon's pictures and icons pixel for pixel. Each row of the tables holds the digest of a
// series of pictures as this drawing code first drew them; a faster drawing must keep every
// byte, alpha included.

#include <gtest/gtest.h>

#include "../image_digest.h"
#include "controls/clock.h"
#include "moonpicture/moon.h"

namespace {

// New, full, both quarters, crescents and gibbous moons, and the angles next to the turns
// between waxing and waning.
const double PhaseAngles[] = {0.0, 30.0, 90.0, 150.0, 179.5, 180.0, 210.0, 270.0, 330.0, 359.9};
// Before touchdown no landing site is drawn, after it the site is red where it is lit.
const astro::TDateTime Dates[] = {TMoon::LandingInstant - 1.0, TMoon::LandingInstant + 1.0};
const TRotate Rotations[] = {rot_none, rot_90, rot_180, rot_270};

struct MoonPixelsFixture : testing::Test {
    TFixedClock clock{TMoon::LandingInstant, 0};
    TMoon moon{clock};
};

struct PictureCase {
    TMoonStyle style;
    TMoonSize size;
    TRotate rotation;
    const char* digest;
};

class MoonPictureDigest : public MoonPixelsFixture, public testing::WithParamInterface<PictureCase> {};

TEST_P(MoonPictureDigest, EveryPhaseDrawsTheRecordedPixels)
{
    const PictureCase& c = GetParam();
    moon.setMoonStyle(c.style);
    moon.setMoonSize(c.size);
    moon.setRotation(c.rotation);
    TImageDigest digest;
    for (const astro::TDateTime date : Dates)
        for (const double angle : PhaseAngles) {
            moon.setDate(date, angle);
            digest.add(moon.picture());
        }
    EXPECT_EQ(digest.hex(), c.digest);
}

const PictureCase PictureCases[] = {
    {msClassic, ms64, rot_none, "303d4082add49db7"}, {msClassic, ms64, rot_90, "bd3b08fb7555892f"},
    {msClassic, ms64, rot_180, "a8777c5dc1be8371"},  {msClassic, ms64, rot_270, "213b4dc78a05187f"},
    {msClassic, ms32, rot_none, "8686ebad59592c16"}, {msClassic, ms32, rot_90, "9de12721adf80c76"},
    {msClassic, ms32, rot_180, "428f745136249d09"},  {msClassic, ms32, rot_270, "cfe2ab269effec6b"},
    {msClassic, ms16, rot_none, "55f54772cc958707"}, {msClassic, ms16, rot_90, "951f16e8dde67d04"},
    {msClassic, ms16, rot_180, "929d7b64aabf291f"},  {msClassic, ms16, rot_270, "4da63de695aa0e75"},
    {msColor, ms64, rot_none, "4d9316c634bfc51e"},   {msColor, ms64, rot_90, "64d135901807ad85"},
    {msColor, ms64, rot_180, "8b9be1cee6715fcf"},    {msColor, ms64, rot_270, "8ac2179550476bdf"},
    {msColor, ms32, rot_none, "5c1a80d5e81a0afb"},   {msColor, ms32, rot_90, "619d9f66a9146b98"},
    {msColor, ms32, rot_180, "55b55f1c992383a1"},    {msColor, ms32, rot_270, "ec3b432386b3b959"},
    {msColor, ms16, rot_none, "bb7c43b8fea5c70c"},   {msColor, ms16, rot_90, "cf0801c984e6f32a"},
    {msColor, ms16, rot_180, "0d20dd764a63e61b"},    {msColor, ms16, rot_270, "f21c5d6d72db76a1"},
};

INSTANTIATE_TEST_SUITE_P(StylesSizesAndTurns, MoonPictureDigest, testing::ValuesIn(PictureCases));

struct IconCase {
    TMoonStyle style;
    QSize systemIconSize;
    const char* digest;
};

class MoonIconDigest : public MoonPixelsFixture, public testing::WithParamInterface<IconCase> {};

TEST_P(MoonIconDigest, EveryPhaseAndTurnBuildsTheRecordedPixels)
{
    const IconCase& c = GetParam();
    moon.setMoonStyle(c.style);
    moon.setSystemIconSize(c.systemIconSize);
    TImageDigest digest;
    for (const TRotate rotation : Rotations) {
        moon.setRotation(rotation);
        for (const astro::TDateTime date : Dates)
            for (const double angle : PhaseAngles) {
                moon.setDate(date, angle);
                digest.add(moon.icon());
            }
    }
    EXPECT_EQ(digest.hex(), c.digest);
}

// 22 cuts the small picture off, 48 leaves a margin, and a wide size turns only in part.
const IconCase IconCases[] = {
    {msClassic, {16, 16}, "7546a12a16c06bcc"}, {msClassic, {22, 22}, "338544987282eca0"},
    {msClassic, {32, 32}, "8d4a1e10ca16ee1a"}, {msClassic, {48, 48}, "42bcd476ea52e168"},
    {msClassic, {64, 64}, "9ccfaff2fc21fa34"}, {msClassic, {40, 24}, "7935787f306485d7"},
    {msColor, {16, 16}, "0ca45e25775c61d9"},   {msColor, {22, 22}, "6f8d2346169bf1a2"},
    {msColor, {32, 32}, "7e623b9fafacc5fb"},   {msColor, {48, 48}, "e30a70b35eb642f4"},
    {msColor, {64, 64}, "26a790fd01345b51"},   {msColor, {40, 24}, "497401ca73319627"},
};

INSTANTIATE_TEST_SUITE_P(StylesAndSystemSizes, MoonIconDigest, testing::ValuesIn(IconCases));

}  // namespace
