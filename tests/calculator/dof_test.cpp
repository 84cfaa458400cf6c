#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <gtest/gtest.h>

namespace {

class DepthOfField : public CalculatorForm {
protected:
    // Puts the full-frame sensor through a real change so that the circle of confusion and crop
    // factor are computed rather than left at their start-up captions.
    void computeFullFrame()
    {
        form.dof.cmbxSensor.setItemIndex(6);
        form.dof.cmbxSensor.setItemIndex(4);
    }
};

TEST_F(DepthOfField, FullFrameWithNinetyMillimetresAtFour)
{
    form.FormCreate();
    computeFullFrame();
    EXPECT_EQ(form.dof.lblCOC.text(), LocaleText("30.05"));
    EXPECT_EQ(form.dof.lblCrop.text(), "1");
    form.dof.edtFRatio.setText("4");
    EXPECT_EQ(form.dof.edtfl35.text(), "90");
    EXPECT_EQ(form.dof.lblAngleView.text(), LocaleText("22.6 degrees"));
    EXPECT_EQ(form.dof.lblHyperfocal.text(), LocaleText("67.5"));
    EXPECT_EQ(form.dof.lblHFhalf.text(), LocaleText("33.7m"));
    EXPECT_EQ(form.dof.lblDOFNear.text(), LocaleText("2.876"));
    EXPECT_EQ(form.dof.lblDOFFar.text(), LocaleText("3.135"));
    EXPECT_EQ(form.dof.lblDOFrange.text(), LocaleText("0.26"));
    EXPECT_EQ(form.dof.lblSubjectSize.text(), LocaleText("1.2m wide x 0.8m high"));
    EXPECT_EQ(form.lighting.tbBackgroundDist.position(), 8);
    EXPECT_EQ(form.dof.lblBackSize.text(), LocaleText("2m w x 1.33m h"));
}

// The rectilinear lens: the angle across the frame's width and the area it covers stay right
// for wide lenses, where the small-angle form gave 147 degrees for 14 mm and "2060 degrees"
// at 1 mm.
TEST_F(DepthOfField, WideLensesCoverWhatARectilinearLensCovers)
{
    form.FormCreate();
    computeFullFrame();
    form.dof.edtFocusDistance.setText("3");
    const struct {
        const char* focalLength;
        const char* angle;
        const char* covered;
    } lenses[] = {{"14", "104.3 degrees", "7.71m wide x 5.14m high"},
                  {"24", "73.7 degrees", "4.5m wide x 3m high"},
                  {"1", "173.6 degrees", "108m wide x 72m high"},
                  {"600", "3.4 degrees", "0.18m wide x 0.12m high"}};
    for (const auto& lens : lenses) {
        form.dof.edtflength.setText(lens.focalLength);
        EXPECT_EQ(form.dof.lblAngleView.text(), LocaleText(lens.angle)) << lens.focalLength;
        EXPECT_EQ(form.dof.lblSubjectSize.text(), LocaleText(lens.covered)) << lens.focalLength;
    }
}

TEST_F(DepthOfField, StartupCaptionsAreReadBackAsShown)
{
    form.FormCreate();
    EXPECT_EQ(form.dof.lblCOC.text(), "30");
    EXPECT_EQ(form.dof.lblCrop.text(), "1");
    // The lighting start-up sets f/16 from the main light; go back to f/4 as the user would.
    form.dof.edtFRatio.setText("4");
    EXPECT_EQ(form.dof.lblHyperfocal.text(), LocaleText("67.6"));
    EXPECT_EQ(form.dof.lblHFhalf.text(), LocaleText("33.8m"));
    EXPECT_EQ(form.dof.lblDOFrange.text(), LocaleText("0.259"));
}

TEST_F(DepthOfField, RoundedCropFactorFeedsTheLens)
{
    form.FormCreate();
    form.dof.cmbxSensor.setItemIndex(6);
    EXPECT_EQ(form.dof.edtSensorWidth.text(), LocaleText("23.7"));
    EXPECT_EQ(form.dof.edtSensorHeight.text(), LocaleText("15.6"));
    EXPECT_EQ(form.dof.lblCOC.text(), LocaleText("19.7"));
    EXPECT_EQ(form.dof.lblCrop.text(), LocaleText("1.52"));
    EXPECT_EQ(form.dof.edtfl35.text(), "137");
    EXPECT_EQ(form.dof.lblAngleView.text(), LocaleText("15 degrees"));
}

TEST_F(DepthOfField, PresetsWriteTheirDimensionsInTheGeneralFormat)
{
    const struct {
        int index;
        const char* width;
        const char* height;
    } presets[] = {{1, "69.5", "56"},    {3, "56", "41.5"}, {9, "8.8", "6.6"},
                   {10, "7.18", "5.32"}, {12, "37", "37"},  {14, "20.7", "13.8"}};
    form.FormCreate();
    for (const auto& preset : presets) {
        form.dof.cmbxSensor.setItemIndex(preset.index);
        EXPECT_EQ(form.dof.edtSensorWidth.text(), LocaleText(preset.width)) << preset.index;
        EXPECT_EQ(form.dof.edtSensorHeight.text(), LocaleText(preset.height)) << preset.index;
        EXPECT_NE(form.dof.lblCOC.text(), "N/A");
    }
    EXPECT_EQ(form.dof.cmbxSensor.count(), 15);
    EXPECT_EQ(form.dof.cmbxSensor.items()[9], "8 mpixel prosumer (2/3\")");
}

TEST_F(DepthOfField, CustomEmptiesEverything)
{
    form.FormCreate();
    form.dof.cmbxSensor.setItemIndex(0);
    EXPECT_EQ(form.dof.edtSensorWidth.text(), "");
    EXPECT_EQ(form.dof.edtSensorHeight.text(), "");
    for (const TLabel* label : {&form.dof.lblCOC, &form.dof.lblCrop, &form.dof.lblAngleView, &form.dof.lblHyperfocal,
                                &form.dof.lblHFhalf, &form.dof.lblDOFNear, &form.dof.lblDOFFar, &form.dof.lblDOFrange,
                                &form.dof.lblSubjectSize, &form.dof.lblBackSize})
        EXPECT_EQ(label->text(), "N/A");
    EXPECT_EQ(form.dof.edtfl35.text(), "");
}

TEST_F(DepthOfField, ChoosingTheShownPresetRecomputesNothing)
{
    form.FormCreate();
    int recomputed = 0;
    form.dof.lblCOC.setObserver([&] { ++recomputed; });
    form.dof.edtfl35.setObserver([&] { ++recomputed; });
    form.dof.cmbxSensor.setItemIndex(4);
    form.dof.cmbxSensorChange();
    EXPECT_EQ(recomputed, 0);
}

TEST_F(DepthOfField, EmptyFocalLength)
{
    form.FormCreate();
    form.dof.edtflength.setText("");
    EXPECT_EQ(form.dof.edtfl35.text(), "");
    EXPECT_EQ(form.dof.lblAngleView.text(), "N/A");
    EXPECT_EQ(form.dof.lblHyperfocal.text(), "N/A");
    EXPECT_EQ(form.dof.lblDOFNear.text(), "N/A");
    EXPECT_EQ(form.dof.lblDOFFar.text(), "N/A");
    EXPECT_EQ(form.dof.lblSubjectSize.text(), "N/A");
}

// No lens has a focal length of 0; the division by zero it would meet says nothing of that.
TEST_F(DepthOfField, FocalLengthZeroIsRefused)
{
    form.FormCreate();
    for (const char* zero : {"0", "-0"}) {
        expectUserError([&] { form.dof.edtflength.setText(zero); }, "The focal length must be greater than 0 mm");
        EXPECT_EQ(form.dof.lblAngleView.text(), "N/A");
        EXPECT_EQ(form.dof.lblHyperfocal.text(), "N/A");
        EXPECT_EQ(form.dof.lblHFhalf.text(), "N/A");
        EXPECT_EQ(form.dof.lblDOFNear.text(), "N/A");
        EXPECT_EQ(form.dof.edtfl35.text(), "");
    }
}

TEST_F(DepthOfField, FRatioZeroDividesByZero)
{
    form.FormCreate();
    expectUserError([&] { form.dof.edtFRatio.setText("0"); }, "Floating point division by zero");
    EXPECT_EQ(form.dof.edtFRatio.error(), "Floating point division by zero");
    EXPECT_EQ(form.dof.lblHyperfocal.text(), "N/A");
}

TEST_F(DepthOfField, TextThatIsNoNumberNamesItself)
{
    form.FormCreate();
    const QString before = form.dof.lblHyperfocal.text();
    expectUserError([&] { form.dof.edtflength.setText("abc"); }, "'abc' is not a valid floating point value");
    EXPECT_EQ(form.dof.lblHyperfocal.text(), "N/A");
    EXPECT_NE(before, "N/A");
    // The window stays usable.
    form.dof.edtflength.setText("50");
    EXPECT_EQ(form.dof.edtfl35.text(), "50");
}

TEST_F(DepthOfField, FocusNearerThanTheLensIsShownAsComputed)
{
    form.FormCreate();
    form.dof.edtflength.setText("1");
    form.dof.edtFRatio.setText("22");
    form.dof.edtFocusDistance.setText(LocaleText("0.0005"));
    EXPECT_LT(QLocale().toDouble(form.dof.lblDOFFar.text()), QLocale().toDouble(form.dof.lblDOFNear.text()));
}

TEST_F(DepthOfField, FocusBeyondHyperfocalIsSharpToInfinity)
{
    form.FormCreate();
    computeFullFrame();
    form.dof.edtFRatio.setText("4");
    form.dof.edtFocusDistance.setText("100");
    EXPECT_EQ(form.dof.lblDOFFar.text(), "infinity");
    EXPECT_EQ(form.dof.lblDOFrange.text(), "infinity");
    EXPECT_NE(form.dof.lblDOFNear.text(), "N/A");
    // Exactly at k = 1 there is no division by zero either.
    form.dof.edtflength.setText("10");
    form.dof.edtFRatio.setText("1");
    form.dof.edtFocusDistance.setText(LocaleText("3.3377870216306157"));
    EXPECT_EQ(form.dof.lblDOFFar.text(), "infinity");
}

}  // namespace
