// The astrophotography page's star-sharp exposure times, typed as a user would.

#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <gtest/gtest.h>

namespace {

// The first page's camera formats.
constexpr int CustomFormat = 0;
constexpr int FullFrame = 4;
constexpr int NikonDX = 6;     // 23.7 mm wide: crop 1.52 as shown
constexpr int FourThirds = 8;  // 18 mm wide: crop 2

class StarSharp : public CalculatorForm {
protected:
    void SetUp() override { form.FormCreate(); }

    // A sensor of its own size, as the custom format takes it.
    void customSensor(const char* width, const char* height)
    {
        form.dof.cmbxSensor.setItemIndex(CustomFormat);
        form.dof.edtSensorHeight.setText(height);
        form.dof.edtSensorWidth.setText(width);
    }

    QStringList times() const
    {
        return {form.astro.lblA_Rule500.text(), form.astro.lblA_NPF.text(), form.astro.lblA_NPFDeclination.text()};
    }
};

struct StarSharpCase {
    int format;  // one of the first page's formats, or CustomFormat for a 24 x 16 mm sensor
    const char* focalLength;
    const char* fRatio;
    const char* imageWidth;  // pixels
    const char* declination;
    const char* rule500;
    const char* npf;
    const char* npfAtDeclination;
};

class StarSharpTimes : public StarSharp, public testing::WithParamInterface<StarSharpCase> {};

TEST_P(StarSharpTimes, FromTheTypedLensAndCamera)
{
    const StarSharpCase& c = GetParam();
    if (c.format == CustomFormat)
        customSensor("24", "16");
    else
        form.dof.cmbxSensor.setItemIndex(c.format);
    form.astro.edtA_EffFL.setText(LocaleText(c.focalLength));
    form.astro.edtA_LensFR.setText(LocaleText(c.fRatio));
    form.astro.edtA_ImageWidth.setText(c.imageWidth);
    form.astro.edtA_Declination.setText(c.declination);
    EXPECT_EQ(times(), QStringList({LocaleText(c.rule500), LocaleText(c.npf), LocaleText(c.npfAtDeclination)}));
}

// Worked by hand: NPF = (35 N + 30 p) / f with the pixel pitch p = sensor width / image width,
// divided by cos(declination); the 500 rule uses the crop factor as the first page shows it.
INSTANTIATE_TEST_SUITE_P(Cases, StarSharpTimes,
                         testing::Values(
                             // 36 mm / 8280 px = 4.348 um: (98 + 130.43) / 20 = 11.42 s.
                             StarSharpCase{FullFrame, "20", "2.8", "8280", "0", "25 s", "11.4 s", "11.4 s"},
                             // 6 um: (98 + 180) / 20 = 13.9 s, twice that at 60 degrees north or south.
                             StarSharpCase{FullFrame, "20", "2.8", "6000", "60", "25 s", "13.9 s", "27.8 s"},
                             StarSharpCase{FullFrame, "20", "2.8", "6000", "-60", "25 s", "13.9 s", "27.8 s"},
                             // A 1.5 crop: 500 / 30 = 16.67 s; 4 um: (98 + 120) / 20 = 10.9 s.
                             StarSharpCase{CustomFormat, "20", "2.8", "6000", "0", "16.7 s", "10.9 s", "10.9 s"},
                             // 500 / (35 x 1.52) = 9.40 s; 3.95 um: (63 + 118.5) / 35 = 5.19 s, / cos 45 = 7.33 s.
                             StarSharpCase{NikonDX, "35", "1.8", "6000", "45", "9.4 s", "5.2 s", "7.3 s"},
                             // 500 / 24 = 20.83 s; 3.472 um: (140 + 104.17) / 12 = 20.35 s.
                             StarSharpCase{FourThirds, "12", "4", "5184", "0", "20.8 s", "20.3 s", "20.3 s"}));

TEST_F(StarSharp, StartsComputedForTheDefaults)
{
    // 1000 mm at f/8 on full frame, 6000 px: 0.5 s and (280 + 180) / 1000 = 0.46 s.
    EXPECT_EQ(times(), QStringList({LocaleText("0.5 s"), LocaleText("0.5 s"), LocaleText("0.5 s")}));
}

struct RefusalCase {
    TEdit TAstroPage::*field;
    const char* text;
    const char* message;
    bool rule500Stays;  // the 500 rule does not read the box
    bool npfStays;
};

class StarSharpRefusals : public StarSharp, public testing::WithParamInterface<RefusalCase> {};

TEST_P(StarSharpRefusals, MarkTheBoxAndShowNotAvailable)
{
    const RefusalCase& c = GetParam();
    form.astro.edtA_EffFL.setText("20");
    form.astro.edtA_LensFR.setText(LocaleText("2.8"));
    form.astro.edtA_Declination.setText("60");
    const QStringList before = times();
    TEdit& field = form.astro.*c.field;
    expectUserError([&] { field.setText(LocaleText(c.text)); }, c.message);
    EXPECT_EQ(field.error(), c.message);
    EXPECT_EQ(form.astro.lblA_Rule500.text(), c.rule500Stays ? before[0] : "N/A");
    EXPECT_EQ(form.astro.lblA_NPF.text(), c.npfStays ? before[1] : "N/A");
    EXPECT_EQ(form.astro.lblA_NPFDeclination.text(), "N/A");
    // Another camera format while the box is refused neither fails nor reads the refused text.
    form.dof.cmbxSensor.setItemIndex(NikonDX);
    EXPECT_EQ(form.astro.lblA_NPFDeclination.text(), "N/A");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StarSharpRefusals,
    testing::Values(
        RefusalCase{&TAstroPage::edtA_Declination, "90", "The declination must be between -89 and 89 degrees", true,
                    true},
        RefusalCase{&TAstroPage::edtA_Declination, "-89.5", "The declination must be between -89 and 89 degrees", true,
                    true},
        RefusalCase{&TAstroPage::edtA_Declination, "north", "'north' is not a valid floating point value", true, true},
        RefusalCase{&TAstroPage::edtA_ImageWidth, "0", "The image width must be greater than 0 pixels", true, false},
        RefusalCase{&TAstroPage::edtA_ImageWidth, "-6000", "The image width must be greater than 0 pixels", true,
                    false},
        RefusalCase{&TAstroPage::edtA_ImageWidth, "6k", "'6k' is not a valid floating point value", true, false},
        RefusalCase{&TAstroPage::edtA_LensFR, "-2", "The camera lens f-ratio must not be negative", true, false},
        RefusalCase{&TAstroPage::edtA_EffFL, "-20", "The effective focal length must not be negative", false, false}));

TEST_F(StarSharp, DeclinationsUpToEightyNineDegreesAreTaken)
{
    form.astro.edtA_EffFL.setText("20");
    form.astro.edtA_LensFR.setText(LocaleText("2.8"));
    form.astro.edtA_Declination.setText("-89");
    // 13.9 s / cos 89 degrees.
    EXPECT_EQ(form.astro.lblA_NPFDeclination.text(), LocaleText("796.5 s"));
    EXPECT_TRUE(form.astro.edtA_Declination.error().isEmpty());
}

TEST_F(StarSharp, RefusedBoxCorrectedComputesAgain)
{
    form.astro.edtA_EffFL.setText("20");
    form.astro.edtA_LensFR.setText(LocaleText("2.8"));
    expectUserError([&] { form.astro.edtA_ImageWidth.setText("0"); }, "The image width must be greater than 0 pixels");
    form.astro.edtA_ImageWidth.setText("6000");
    EXPECT_EQ(times(), QStringList({"25 s", LocaleText("13.9 s"), LocaleText("13.9 s")}));
}

TEST_F(StarSharp, EmptyBoxesLeaveOnlyTheirRulesNotAvailable)
{
    form.astro.edtA_EffFL.setText("20");
    form.astro.edtA_LensFR.setText(LocaleText("2.8"));
    form.astro.edtA_Declination.setText("");
    EXPECT_EQ(times(), QStringList({"25 s", LocaleText("13.9 s"), "N/A"}));
    form.astro.edtA_LensFR.setText("");
    EXPECT_EQ(times(), QStringList({"25 s", "N/A", "N/A"}));
    form.astro.edtA_EffFL.setText("0");
    EXPECT_EQ(times(), QStringList({"N/A", "N/A", "N/A"}));
}

TEST_F(StarSharp, FollowsTheFirstPagesCameraFormat)
{
    form.astro.edtA_EffFL.setText("20");
    form.astro.edtA_LensFR.setText(LocaleText("2.8"));
    form.dof.cmbxSensor.setItemIndex(FourThirds);
    // 500 / 40 = 12.5 s; 3 um: (98 + 90) / 20 = 9.4 s.
    EXPECT_EQ(times(), QStringList({LocaleText("12.5 s"), LocaleText("9.4 s"), LocaleText("9.4 s")}));
    // The custom format starts without a size: neither rule has a sensor to go by.
    form.dof.cmbxSensor.setItemIndex(CustomFormat);
    EXPECT_EQ(times(), QStringList({"N/A", "N/A", "N/A"}));
}

}  // namespace
