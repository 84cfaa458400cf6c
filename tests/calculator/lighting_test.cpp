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
    void setMainGnAtIso(int power) { form.cmbxMainPower.setItemIndex(power); }
};

TEST_F(Lighting, EffectiveIsoAndGuideNumbers)
{
    EXPECT_EQ(form.lblISO.text(), "50");
    EXPECT_EQ(form.lblMainGNISO.text(), "32");
    EXPECT_EQ(form.lblFillGNISO.text(), "16");
    EXPECT_EQ(form.lblHairGNISO.text(), "16");
    EXPECT_EQ(form.lblBackGNISO.text(), "16");
    form.cmbxFilter.setItemIndex(5);
    EXPECT_DOUBLE_EQ(form.EffectiveIso, 6.25);
    EXPECT_EQ(form.lblISO.text(), "6");
    EXPECT_EQ(form.lblMainGNISO.text(), "11");
}

TEST_F(Lighting, MainDistanceSetsTheFRatio)
{
    EXPECT_EQ(form.tbMainDistance.position(), 8);
    EXPECT_EQ(form.lblMainDistance.text(), "2 metres");
    EXPECT_EQ(form.edtFRatio.text(), "16");
}

TEST_F(Lighting, UpdateButtonMovesTheMainLight)
{
    form.edtFRatio.setText("8");
    form.btnUpdateLighting.click();
    EXPECT_EQ(form.tbMainDistance.position(), 16);
    EXPECT_EQ(form.lblMainDistance.text(), "4 metres");
    EXPECT_EQ(form.edtFRatio.text(), "8");
}

TEST_F(Lighting, UpdateButtonBeyondTheSlider)
{
    form.edtFRatio.setText("2");
    form.btnUpdateLighting.click();
    EXPECT_EQ(form.tbMainDistance.position(), 40);
    EXPECT_EQ(form.edtFRatio.text(), LocaleText("3.2"));
    EXPECT_EQ(form.lblMainDistance.text(), "16metres");
}

TEST_F(Lighting, UpdateButtonRejectsZero)
{
    form.edtFRatio.setText("4");
    const int before = form.tbMainDistance.position();
    form.edtFRatio.onChange = nullptr;  // hold the text at 0 without running the lens chain
    form.edtFRatio.setText("0");
    expectUserError([&] { form.btnUpdateLighting.click(); }, "F ratio cannot be set to zero");
    EXPECT_EQ(form.tbMainDistance.position(), before);
}

TEST_F(Lighting, FillDistanceFromTheFillRatio)
{
    form.tbMainDistance.setPosition(16);  // f/8 would follow; use the f-ratio the case names
    form.edtFRatio.setText("4");
    EXPECT_EQ(form.tbFillStops.position(), 2);
    EXPECT_EQ(form.lblFillFactor.text(), "1 stops");
    EXPECT_EQ(form.lblFillFRatio.text(), LocaleText("2.8"));
    EXPECT_EQ(form.tbFillDistance.position(), 23);
    EXPECT_EQ(form.lblFillDistance.text(), LocaleText("5.75 metres"));
}

TEST_F(Lighting, DistancesBeyondTheSlidersAreWrittenAsWholeMetres)
{
    // Fill GN 16 at f/4 with 4 stops of fill ratio: n = 1, d = 16 m.
    form.edtFRatio.setText("4");
    form.tbFillStops.setPosition(8);
    EXPECT_EQ(form.tbFillDistance.position(), 40);
    EXPECT_EQ(form.lblFillDistance.text(), "16metres");
    // Back within reach, the label follows the slider again even though it stays at 40.
    form.tbFillStops.setPosition(7);
    EXPECT_EQ(form.lblFillDistance.text(), "13metres");
}

TEST_F(Lighting, ALabelLeftFromAnEarlierDistanceFollowsTheSliderAgain)
{
    // 16 m puts the slider at 40 with "16metres"; at f/6.4 the distance is exactly 10 m, which
    // is position 40 again, so the slider's own handler does not run.
    form.edtFRatio.setText("4");
    form.tbFillStops.setPosition(8);
    EXPECT_EQ(form.lblFillDistance.text(), "16metres");
    form.edtFRatio.setText(LocaleText("6.4"));
    EXPECT_EQ(form.tbFillDistance.position(), 40);
    EXPECT_EQ(form.lblFillDistance.text(), "10 metres");
}

TEST_F(Lighting, ReflectorAsFill)
{
    form.chbxReflector.setChecked(true);
    EXPECT_TRUE(form.edtFillReflectorLoss.enabled());
    EXPECT_FALSE(form.edtFillGN.enabled());
    EXPECT_FALSE(form.cmbxFillPower.enabled());
    EXPECT_EQ(form.lblFilldistanceCaption.text(), "Reflector distance to subject:");
    EXPECT_EQ(form.edtFillReflectorLoss.color(), clInput);
    EXPECT_EQ(form.edtFillGN.color(), clBtnFace);
    EXPECT_EQ(form.lblFillGNISO.text(), "N/A");
    EXPECT_EQ(form.edtFRatio.text(), "16");

    form.tbFillStops.setPosition(4);
    EXPECT_EQ(form.lblFillFRatio.text(), "8");
    EXPECT_EQ(form.tbFillDistance.position(), 3);
    EXPECT_EQ(form.lblFillDistance.text(), LocaleText("0.75 metres"));

    form.tbFillStops.setPosition(0);
    EXPECT_EQ(form.tbFillDistance.position(), 0);
    EXPECT_EQ(form.lblFillDistance.text(), "Not possible");

    form.chbxReflector.setChecked(false);
    EXPECT_EQ(form.lblFilldistanceCaption.text(), "Fill light distance to subject:");
    EXPECT_FALSE(form.edtFillReflectorLoss.enabled());
    EXPECT_EQ(form.edtFillGN.color(), clInput);
}

TEST_F(Lighting, EmptyReflectorLossIsNotPossible)
{
    form.chbxReflector.setChecked(true);
    form.edtFillReflectorLoss.setText("");
    EXPECT_EQ(form.lblFillDistance.text(), "Not possible");
}

// Regression: the fill guide number was read before the reflector replaced it, so text left in
// the greyed-out fill box stopped every lighting update and the reflector fill was never set.
TEST_F(Lighting, ReflectorNeverReadsTheFillGuideNumber)
{
    expectUserError([&] { form.edtFillGN.setText("4O"); }, "'4O' is not a valid floating point value");
    EXPECT_NO_THROW(form.chbxReflector.setChecked(true));
    EXPECT_EQ(form.lblFillGNISO.text(), "N/A");
    // Main GN 32 at 2 m, loss 1, fill ratio 2 stops: 0.83 m from the subject.
    EXPECT_NO_THROW(form.tbFillStops.setPosition(4));
    EXPECT_EQ(form.lblFillFRatio.text(), "8");
    EXPECT_EQ(form.tbFillDistance.position(), 3);
    // Any later lighting update passes the fill box by as well.
    form.tbFillDistance.setPosition(0);
    EXPECT_NO_THROW(form.cmbxHairPower.setItemIndex(1));
    EXPECT_EQ(form.tbFillDistance.position(), 3);
    // Without the reflector the box is read again and says what is wrong with it.
    expectUserError([&] { form.chbxReflector.setChecked(false); }, "'4O' is not a valid floating point value");
}

TEST_F(Lighting, HairLightFromItsExposure)
{
    form.edtFRatio.setText("8");
    form.tbHairFstops.setPosition(14);
    EXPECT_EQ(form.lblHairFStops.text(), "2 stops");
    EXPECT_EQ(form.lblHairFratio.text(), "16");
    EXPECT_EQ(form.tbHairDist.position(), 4);
    EXPECT_EQ(form.lblHairDist.text(), "1 metres");
}

TEST_F(Lighting, BackgroundExposureByLight)
{
    const struct {
        int light;
        const char* text;
    } cases[] = {{4, "-6 stops"}, {3, "0 stops"}, {1, "-2 stops"}};
    for (const auto& c : cases) {
        form.cmbxBackLight.setItemIndex(c.light);
        EXPECT_EQ(form.edtFRatio.text(), "16");
        EXPECT_EQ(form.lblBackExp.text(), LocaleText(c.text)) << c.light;
    }
    EXPECT_DOUBLE_EQ(form.BackgroundExposure, -2);
}

TEST_F(Lighting, BackdropDarkensWithTheBackgroundExposure)
{
    form.cmbxBackLight.setItemIndex(1);
    EXPECT_EQ(RgbToHls(QColor(128, 64, 64)).luminance, 90);
    EXPECT_EQ(form.shpImageBackground.color(), HlsToRgb({0, 90 - 44, 80}));
}

TEST_F(Lighting, BackgroundDistanceRefreshesAMainLitBackdrop)
{
    form.cmbxBackLight.setItemIndex(1);
    form.tbBackgroundDist.setPosition(24);  // 6 m behind: F = 32 / 8 = 4, two stops darker
    EXPECT_EQ(form.lblBackExp.text(), "-4 stops");
}

TEST_F(Lighting, AmbientShutterSpeed)
{
    form.edtFRatio.setText("4");
    EXPECT_EQ(form.lblAmbient.text(), "1/1024 sec");
    form.tbAmbientExp.setPosition(20);
    EXPECT_EQ(form.lblAmbientExp.text(), "5 stops");
    EXPECT_EQ(form.lblAmbient.text(), "1/32 sec");
}

TEST_F(Lighting, EmptyFRatioAndTheNextLightingUpdate)
{
    form.edtFRatio.setText("");
    EXPECT_EQ(form.lblAmbient.text(), "N/A");
    form.cmbxAmbient.setItemIndex(3);
    EXPECT_EQ(form.lblBackExp.text(), "N/A");
    EXPECT_EQ(form.shpImageBackground.color(), QColor(255, 255, 255));
    form.cmbxFilter.setItemIndex(0);
    form.edtMainGN.setText("44");
    EXPECT_EQ(form.edtFRatio.text(), LocaleText("15.5"));
}

TEST_F(Lighting, UnguardedGuideNumberLabelsRaiseTheConversionError)
{
    expectUserError([&] { form.edtBackGN.setText(""); }, "'N/A' is not a valid floating point value");
    EXPECT_EQ(form.lblBackGNISO.text(), "N/A");
    // Every control still works afterwards.
    form.edtBackGN.setText("45");
    EXPECT_EQ(form.lblBackGNISO.text(), "16");
}

TEST_F(Lighting, ReflectorWithEmptyFRatioRaisesTheConversionError)
{
    form.chbxReflector.setChecked(true);
    expectUserError([&] { form.edtFRatio.setText(""); }, "'' is not a valid floating point value");
}

TEST_F(Lighting, AmbientBackgroundWithEmptyFRatioRaisesTheConversionError)
{
    form.cmbxBackLight.setItemIndex(3);
    form.edtFRatio.setText("");
    expectUserError([&] { form.cmbxAmbient.setItemIndex(2); }, "'' is not a valid floating point value");
}

TEST_F(Lighting, ZeroFRatioInTheAmbientSpeed)
{
    // With a known circle of confusion the hyperfocal distance divides by zero first.
    expectUserError([&] { form.edtFRatio.setText("0"); }, "Floating point division by zero");
    form.edtFRatio.setText("4");
    form.cmbxSensor.setItemIndex(0);
    expectUserError([&] { form.edtFRatio.setText("0"); }, "F ratio cannot be zero");
    expectUserError([&] { form.tbAmbientExp.setPosition(12); }, "F ratio cannot be zero");
    EXPECT_EQ(form.lblAmbientExp.text(), "1 stops");
}

TEST(BackdropShade, HlsOnTheColourDialogScale)
{
    const struct {
        QColor rgb;
        THls hls;
    } cases[] = {{QColor(128, 64, 64), {0, 90, 80}}, {QColor(255, 0, 0), {0, 120, 240}},
                 {QColor(0, 255, 0), {80, 120, 240}}, {QColor(0, 0, 255), {160, 120, 240}},
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
    form.shpImageBackground.setColor(Qt::green);
    form.Changecolour1.click();
    EXPECT_EQ(form.shpBackground.color(), QColor(128, 64, 64));
    EXPECT_NE(form.shpImageBackground.color(), QColor(Qt::green));

    form.ColorDialog1.onExecute = [](QColor& color) {
        EXPECT_EQ(color, QColor(128, 64, 64));
        color = QColor(20, 40, 160);
        return true;
    };
    form.Changebackgroundcolour1.click();
    EXPECT_EQ(form.shpBackground.color(), QColor(20, 40, 160));
    EXPECT_EQ(form.shpImageBackground.color(), BackdropShade(QColor(20, 40, 160), form.BackgroundExposure));
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
