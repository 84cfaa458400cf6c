#include "calculator/backdrop_shade.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <gtest/gtest.h>

namespace {

class Lighting : public CalculatorForm {
protected:
    void SetUp() override { form.FormCreate(); }

    // Guide numbers at ISO 50 with the given power settings: "Full" gives 32, "1/4" gives 16.
    void setMainGnAtIso(int power) { form.lighting.cmbxMainPower.setItemIndex(power); }
};

TEST_F(Lighting, EffectiveIsoAndGuideNumbers)
{
    EXPECT_EQ(form.lighting.lblISO.text(), "50");
    EXPECT_EQ(form.lighting.lblMainGNISO.text(), "32");
    EXPECT_EQ(form.lighting.lblFillGNISO.text(), "16");
    EXPECT_EQ(form.lighting.lblHairGNISO.text(), "16");
    EXPECT_EQ(form.lighting.lblBackGNISO.text(), "16");
    form.lighting.cmbxFilter.setItemIndex(5);
    EXPECT_DOUBLE_EQ(form.lighting.EffectiveIso, 6.25);
    EXPECT_EQ(form.lighting.lblISO.text(), "6");
    EXPECT_EQ(form.lighting.lblMainGNISO.text(), "11");
}

TEST_F(Lighting, MainDistanceSetsTheFRatio)
{
    EXPECT_EQ(form.lighting.tbMainDistance.position(), 8);
    EXPECT_EQ(form.lighting.lblMainDistance.text(), "2 metres");
    EXPECT_EQ(form.dof.edtFRatio.text(), "16");
}

TEST_F(Lighting, UpdateButtonMovesTheMainLight)
{
    form.dof.edtFRatio.setText("8");
    form.lighting.btnUpdateLighting.click();
    EXPECT_EQ(form.lighting.tbMainDistance.position(), 16);
    EXPECT_EQ(form.lighting.lblMainDistance.text(), "4 metres");
    EXPECT_EQ(form.dof.edtFRatio.text(), "8");
}

TEST_F(Lighting, UpdateButtonBeyondTheSlider)
{
    form.dof.edtFRatio.setText("2");
    form.lighting.btnUpdateLighting.click();
    EXPECT_EQ(form.lighting.tbMainDistance.position(), 40);
    EXPECT_EQ(form.dof.edtFRatio.text(), LocaleText("3.2"));
    EXPECT_EQ(form.lighting.lblMainDistance.text(), "16metres");
}

TEST_F(Lighting, UpdateButtonRejectsZero)
{
    form.dof.edtFRatio.setText("4");
    const int before = form.lighting.tbMainDistance.position();
    form.dof.edtFRatio.onChange = nullptr;  // hold the text at 0 without running the lens chain
    form.dof.edtFRatio.setText("0");
    expectUserError([&] { form.lighting.btnUpdateLighting.click(); }, "F ratio cannot be set to zero");
    EXPECT_EQ(form.lighting.tbMainDistance.position(), before);
}

TEST_F(Lighting, FillDistanceFromTheFillRatio)
{
    form.lighting.tbMainDistance.setPosition(16);  // f/8 would follow; use the f-ratio the case names
    form.dof.edtFRatio.setText("4");
    EXPECT_EQ(form.lighting.tbFillStops.position(), 2);
    EXPECT_EQ(form.lighting.lblFillFactor.text(), "1 stops");
    EXPECT_EQ(form.lighting.lblFillFRatio.text(), LocaleText("2.8"));
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 23);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), LocaleText("5.75 metres"));
}

TEST_F(Lighting, DistancesBeyondTheSlidersAreWrittenAsWholeMetres)
{
    // Fill GN 16 at f/4 with 4 stops of fill ratio: n = 1, d = 16 m.
    form.dof.edtFRatio.setText("4");
    form.lighting.tbFillStops.setPosition(8);
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 40);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), "16metres");
    // Back within reach, the label follows the slider again even though it stays at 40.
    form.lighting.tbFillStops.setPosition(7);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), "13metres");
}

TEST_F(Lighting, ALabelLeftFromAnEarlierDistanceFollowsTheSliderAgain)
{
    // 16 m puts the slider at 40 with "16metres"; at f/6.4 the distance is exactly 10 m, which
    // is position 40 again, so the slider's own handler does not run.
    form.dof.edtFRatio.setText("4");
    form.lighting.tbFillStops.setPosition(8);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), "16metres");
    form.dof.edtFRatio.setText(LocaleText("6.4"));
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 40);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), "10 metres");
}

TEST_F(Lighting, ReflectorAsFill)
{
    form.lighting.chbxReflector.setChecked(true);
    EXPECT_TRUE(form.lighting.edtFillReflectorLoss.enabled());
    EXPECT_FALSE(form.lighting.edtFillGN.enabled());
    EXPECT_FALSE(form.lighting.cmbxFillPower.enabled());
    EXPECT_EQ(form.lighting.lblFilldistanceCaption.text(), "Reflector distance to subject:");
    EXPECT_EQ(form.lighting.edtFillReflectorLoss.color(), clInput);
    EXPECT_EQ(form.lighting.edtFillGN.color(), clBtnFace);
    EXPECT_EQ(form.lighting.lblFillGNISO.text(), "N/A");
    EXPECT_EQ(form.dof.edtFRatio.text(), "16");

    form.lighting.tbFillStops.setPosition(4);
    EXPECT_EQ(form.lighting.lblFillFRatio.text(), "8");
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 3);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), LocaleText("0.75 metres"));

    form.lighting.tbFillStops.setPosition(0);
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 0);
    EXPECT_EQ(form.lighting.lblFillDistance.text(), "Not possible");

    form.lighting.chbxReflector.setChecked(false);
    EXPECT_EQ(form.lighting.lblFilldistanceCaption.text(), "Fill light distance to subject:");
    EXPECT_FALSE(form.lighting.edtFillReflectorLoss.enabled());
    EXPECT_EQ(form.lighting.edtFillGN.color(), clInput);
}

TEST_F(Lighting, EmptyReflectorLossIsNotPossible)
{
    form.lighting.chbxReflector.setChecked(true);
    form.lighting.edtFillReflectorLoss.setText("");
    EXPECT_EQ(form.lighting.lblFillDistance.text(), "Not possible");
}

// Regression: the fill guide number was read before the reflector replaced it, so text left in
// the greyed-out fill box stopped every lighting update and the reflector fill was never set.
TEST_F(Lighting, ReflectorNeverReadsTheFillGuideNumber)
{
    expectUserError([&] { form.lighting.edtFillGN.setText("4O"); }, "'4O' is not a valid floating point value");
    EXPECT_NO_THROW(form.lighting.chbxReflector.setChecked(true));
    EXPECT_EQ(form.lighting.lblFillGNISO.text(), "N/A");
    // Main GN 32 at 2 m, loss 1, fill ratio 2 stops: 0.83 m from the subject.
    EXPECT_NO_THROW(form.lighting.tbFillStops.setPosition(4));
    EXPECT_EQ(form.lighting.lblFillFRatio.text(), "8");
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 3);
    // Any later lighting update passes the fill box by as well.
    form.lighting.tbFillDistance.setPosition(0);
    EXPECT_NO_THROW(form.lighting.cmbxHairPower.setItemIndex(1));
    EXPECT_EQ(form.lighting.tbFillDistance.position(), 3);
    // Without the reflector the box is read again and says what is wrong with it.
    expectUserError([&] { form.lighting.chbxReflector.setChecked(false); }, "'4O' is not a valid floating point value");
}

TEST_F(Lighting, HairLightFromItsExposure)
{
    form.dof.edtFRatio.setText("8");
    form.lighting.tbHairFstops.setPosition(14);
    EXPECT_EQ(form.lighting.lblHairFStops.text(), "2 stops");
    EXPECT_EQ(form.lighting.lblHairFratio.text(), "16");
    EXPECT_EQ(form.lighting.tbHairDist.position(), 4);
    EXPECT_EQ(form.lighting.lblHairDist.text(), "1 metres");
}

TEST_F(Lighting, BackgroundExposureByLight)
{
    const struct {
        int light;
        const char* text;
    } cases[] = {{4, "-6 stops"}, {3, "0 stops"}, {1, "-2 stops"}};
    for (const auto& c : cases) {
        form.lighting.cmbxBackLight.setItemIndex(c.light);
        EXPECT_EQ(form.dof.edtFRatio.text(), "16");
        EXPECT_EQ(form.lighting.lblBackExp.text(), LocaleText(c.text)) << c.light;
    }
    EXPECT_DOUBLE_EQ(form.lighting.BackgroundExposure, -2);
}

TEST_F(Lighting, BackdropDarkensWithTheBackgroundExposure)
{
    form.lighting.cmbxBackLight.setItemIndex(1);
    EXPECT_EQ(RgbToHls(QColor(128, 64, 64)).luminance, 90);
    EXPECT_EQ(form.lighting.shpImageBackground.color(), HlsToRgb({0, 90 - 44, 80}));
}

TEST_F(Lighting, BackgroundDistanceRefreshesAMainLitBackdrop)
{
    form.lighting.cmbxBackLight.setItemIndex(1);
    form.lighting.tbBackgroundDist.setPosition(24);  // 6 m behind: F = 32 / 8 = 4, two stops darker
    EXPECT_EQ(form.lighting.lblBackExp.text(), "-4 stops");
}

TEST_F(Lighting, AmbientShutterSpeed)
{
    form.dof.edtFRatio.setText("4");
    EXPECT_EQ(form.lighting.lblAmbient.text(), "1/1024 sec");
    form.lighting.tbAmbientExp.setPosition(20);
    EXPECT_EQ(form.lighting.lblAmbientExp.text(), "5 stops");
    EXPECT_EQ(form.lighting.lblAmbient.text(), "1/32 sec");
}

TEST_F(Lighting, EmptyFRatioAndTheNextLightingUpdate)
{
    form.dof.edtFRatio.setText("");
    EXPECT_EQ(form.lighting.lblAmbient.text(), "N/A");
    form.lighting.cmbxAmbient.setItemIndex(3);
    EXPECT_EQ(form.lighting.lblBackExp.text(), "N/A");
    EXPECT_EQ(form.lighting.shpImageBackground.color(), QColor(255, 255, 255));
    form.lighting.cmbxFilter.setItemIndex(0);
    form.lighting.edtMainGN.setText("44");
    EXPECT_EQ(form.dof.edtFRatio.text(), LocaleText("15.5"));
}

TEST_F(Lighting, UnguardedGuideNumberLabelsRaiseTheConversionError)
{
    expectUserError([&] { form.lighting.edtBackGN.setText(""); }, "'N/A' is not a valid floating point value");
    EXPECT_EQ(form.lighting.lblBackGNISO.text(), "N/A");
    // Every control still works afterwards.
    form.lighting.edtBackGN.setText("45");
    EXPECT_EQ(form.lighting.lblBackGNISO.text(), "16");
}

TEST_F(Lighting, ReflectorWithEmptyFRatioRaisesTheConversionError)
{
    form.lighting.chbxReflector.setChecked(true);
    expectUserError([&] { form.dof.edtFRatio.setText(""); }, "'' is not a valid floating point value");
}

TEST_F(Lighting, AmbientBackgroundWithEmptyFRatioRaisesTheConversionError)
{
    form.lighting.cmbxBackLight.setItemIndex(3);
    form.dof.edtFRatio.setText("");
    expectUserError([&] { form.lighting.cmbxAmbient.setItemIndex(2); }, "'' is not a valid floating point value");
}

TEST_F(Lighting, ZeroFRatioInTheAmbientSpeed)
{
    // With a known circle of confusion the hyperfocal distance divides by zero first.
    expectUserError([&] { form.dof.edtFRatio.setText("0"); }, "Floating point division by zero");
    form.dof.edtFRatio.setText("4");
    form.dof.cmbxSensor.setItemIndex(0);
    expectUserError([&] { form.dof.edtFRatio.setText("0"); }, "F ratio cannot be zero");
    expectUserError([&] { form.lighting.tbAmbientExp.setPosition(12); }, "F ratio cannot be zero");
    EXPECT_EQ(form.lighting.lblAmbientExp.text(), "1 stops");
}

TEST(BackdropShade, HlsOnTheColourDialogScale)
{
    const struct {
        QColor rgb;
        THls hls;
    } cases[] = {{QColor(128, 64, 64), {0, 90, 80}},     {QColor(255, 0, 0), {0, 120, 240}},
                 {QColor(0, 255, 0), {80, 120, 240}},    {QColor(0, 0, 255), {160, 120, 240}},
                 {QColor(128, 128, 128), {160, 120, 0}}, {QColor(0, 0, 0), {160, 0, 0}},
                 {QColor(255, 255, 255), {160, 240, 0}}};
    for (const auto& c : cases) {
        const THls hls = RgbToHls(c.rgb);
        EXPECT_EQ(hls.hue, c.hls.hue) << c.rgb.name().toStdString();
        EXPECT_EQ(hls.luminance, c.hls.luminance) << c.rgb.name().toStdString();
        EXPECT_EQ(hls.saturation, c.hls.saturation) << c.rgb.name().toStdString();
        const QColor back = HlsToRgb(hls);
        EXPECT_NEAR(back.red(), c.rgb.red(), 2);
        EXPECT_NEAR(back.green(), c.rgb.green(), 2);
        EXPECT_NEAR(back.blue(), c.rgb.blue(), 2);
    }
}

TEST(BackdropShade, BlackWhiteAndInBetween)
{
    const QColor base(128, 64, 64);
    EXPECT_EQ(BackdropShade(base, 100), QColor(255, 255, 255));
    EXPECT_EQ(BackdropShade(base, -90.0 / 22), QColor(0, 0, 0));
    EXPECT_NE(BackdropShade(base, -89.0 / 22), QColor(0, 0, 0));
    EXPECT_EQ(BackdropShade(base, 0), HlsToRgb(RgbToHls(base)));
    // Truncation toward zero: -0.04 stops is a shift of 0.
    EXPECT_EQ(BackdropShade(base, -0.04), BackdropShade(base, 0));
}

TEST_F(Lighting, CancelledColourDialogStillRefreshesTheBackdrop)
{
    form.ColorDialog1.onExecute = [](QColor&) { return false; };
    form.lighting.shpImageBackground.setColor(Qt::green);
    form.Changecolour1.click();
    EXPECT_EQ(form.shpBackground.color(), QColor(128, 64, 64));
    EXPECT_NE(form.lighting.shpImageBackground.color(), QColor(Qt::green));

    form.ColorDialog1.onExecute = [](QColor& color) {
        EXPECT_EQ(color, QColor(128, 64, 64));
        color = QColor(20, 40, 160);
        return true;
    };
    form.Changebackgroundcolour1.click();
    EXPECT_EQ(form.shpBackground.color(), QColor(20, 40, 160));
    EXPECT_EQ(form.lighting.shpImageBackground.color(),
              BackdropShade(QColor(20, 40, 160), form.lighting.BackgroundExposure));
}

TEST_F(Lighting, OnlyTheRightButtonOpensTheStripMenu)
{
    QList<QPoint> shown;
    form.PopupMenu1.onPopup = [&](QPoint point) { shown << point; };
    form.onStripScreenOrigin = [] { return QPoint(100, 200); };
    form.shpBackground.mouseDown(Qt::LeftButton, QPoint(3, 4));
    EXPECT_TRUE(shown.isEmpty());
    form.shpBackground.mouseDown(Qt::RightButton, QPoint(3, 4));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], QPoint(103, 224));
}

}  // namespace
