#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <gtest/gtest.h>

namespace {

constexpr int Barlow2x = 6;

const QString AfocalNotUsed =
    "Afocal method not being used, need to give values for eyepiece and camera lens focal lengths";

QString primeFocus(const char* ratio, const char* focalLength, const char* magnification)
{
    return LocaleText(QString("Prime focus f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x ")
                          .arg(ratio, focalLength, magnification));
}

QString negativeProjection(const char* ratio, const char* focalLength, const char* magnification)
{
    return LocaleText(
        QString("Negative projection f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x ")
            .arg(ratio, focalLength, magnification));
}

QString afocal(const char* ratio, const char* focalLength, const char* magnification)
{
    return LocaleText(QString("Afocal method f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x ")
                          .arg(ratio, focalLength, magnification));
}

QString exitPupil(const char* pupil, const char* magnification)
{
    return LocaleText(
        QString("Telescope exit pupil = %1mm Visual telescope magnification = %2x ").arg(pupil, magnification));
}

class MacroAstro : public CalculatorForm {
protected:
    void SetUp() override { form.FormCreate(); }

    QStringList telescopeLines() const
    {
        return {form.astro.lblA_T_fr.text(),    form.astro.lblA_NegProjFR.text(), form.astro.lblA_Afocal.text(),
                form.astro.lblExitPupil.text(), form.astro.lblA_Resolve.text(),   form.astro.lblLightGather.text(),
                form.astro.lblLimMagV.text()};
    }
    QStringList imageSizes() const
    {
        return {form.astro.edtA_Mag.text(), form.astro.edtA_Ang1.text(), form.astro.edtA_Ang2.text(),
                form.astro.edtA_MoonPC.text(), form.astro.edtA_StarTrailTime.text()};
    }
};

struct MacroCase {
    const char* focalLength;
    const char* extension;
    const char* magnification;
    const char* compensation;
};

class Macro : public MacroAstro, public testing::WithParamInterface<MacroCase> {};

TEST_P(Macro, MagnificationAndCompensation)
{
    const MacroCase& c = GetParam();
    form.macro.edtM_fl.setText(LocaleText(c.focalLength));
    form.macro.edtM_Ext.setText(LocaleText(c.extension));
    EXPECT_EQ(form.macro.lblM_Mag.text(), LocaleText(c.magnification));
    EXPECT_EQ(form.macro.lblM_Exp.text(), LocaleText(c.compensation));
}

INSTANTIATE_TEST_SUITE_P(Cases, Macro,
                         testing::Values(MacroCase{"50", "50", "1", "2 stops"},
                                         MacroCase{"50", "25", "0.5", "1.2 stops"},
                                         MacroCase{"100", "300", "3", "4 stops"}, MacroCase{"0", "25", "N/A", "N/A"}));

TEST_F(MacroAstro, MacroStartsComputedAndIgnoresEmptyInputs)
{
    EXPECT_EQ(form.macro.lblM_Mag.text(), "1");
    EXPECT_EQ(form.macro.lblM_Exp.text(), "2 stops");
    form.macro.edtM_Ext.setText("");
    form.macro.edtM_fl.setText("0");
    EXPECT_EQ(form.macro.lblM_Mag.text(), "1");
    EXPECT_EQ(form.macro.lblM_Exp.text(), "2 stops");
}

TEST_F(MacroAstro, MacroExtensionIsReadEvenForAZeroFocalLength)
{
    form.macro.edtM_fl.setText("0");
    expectUserError([&] { form.macro.edtM_Ext.setText("5o"); }, "'5o' is not a valid floating point value");
}

TEST_F(MacroAstro, MacroNegativeLengthsAreRefused)
{
    expectUserError([&] { form.macro.edtM_Ext.setText("-50"); }, "The extension must not be negative");
    EXPECT_EQ(form.macro.lblM_Mag.text(), "N/A");
    EXPECT_EQ(form.macro.lblM_Exp.text(), "N/A");
    form.macro.edtM_Ext.setText("50");
    expectUserError([&] { form.macro.edtM_fl.setText("-50"); }, "The focal length must not be negative");
    EXPECT_EQ(form.macro.lblM_Mag.text(), "N/A");
}

TEST_F(MacroAstro, TelescopeDefaults)
{
    EXPECT_EQ(telescopeLines(),
              QStringList({primeFocus("4.9", "1250", "25"), negativeProjection("4.9", "1250", "25"),
                           afocal("12.3", "3125", "62.5"), exitPupil("4.1", "62.5"),
                           LocaleText("Dawe's limit of resolving power for this aperture = 0.5 arc seconds (compared "
                                      "to naked eye approx. 18 arc seconds, but note that atmosphere disturbances "
                                      "usually limit this to 1 to 4 arc seconds at best)"),
                           "Light gathering power compared to naked eye = 1600 times",
                           "Visual limiting magnitude = 14  (photographic limiting magnitude usually 2-3 magnitudes "
                           "less depending on exposure)"}));
}

TEST_F(MacroAstro, BarlowLensLengthensProjectionAndAfocal)
{
    form.astro.cmbxA_PF_Barlow.setItemIndex(Barlow2x);
    const QStringList lines = telescopeLines();
    EXPECT_EQ(lines[0], primeFocus("4.9", "1250", "25"));
    EXPECT_EQ(lines[1], negativeProjection("9.8", "2500", "50"));
    EXPECT_EQ(lines[2], afocal("24.6", "6250", "125"));
    EXPECT_EQ(lines[3], exitPupil("2", "125"));
}

TEST_F(MacroAstro, SmallerCameraApertureLimitsTheAfocalRatio)
{
    form.astro.edtA_LensFR.setText("16");
    EXPECT_EQ(form.astro.lblA_Afocal.text(), afocal("16", "3125", "62.5"));
    form.astro.edtA_LensFR.setText("");
    EXPECT_EQ(form.astro.lblA_Afocal.text(), afocal("12.3", "3125", "62.5"));
}

TEST_F(MacroAstro, PrimeFocusRepeatsTheFocalLengthAsTyped)
{
    form.astro.edtA_T_fl.setText(LocaleText("1250.0"));
    EXPECT_EQ(form.astro.lblA_T_fr.text(), primeFocus("4.9", "1250.0", "25"));
    EXPECT_EQ(form.astro.lblA_NegProjFR.text(), negativeProjection("4.9", "1250", "25"));
}

TEST_F(MacroAstro, AfocalNeedsEyepieceAndCameraLens)
{
    for (const char* eyepiece : {"", "0"}) {
        form.astro.edtA_T_EyepieceFL.setText(eyepiece);
        EXPECT_EQ(form.astro.lblA_Afocal.text(), AfocalNotUsed) << eyepiece;
        EXPECT_EQ(form.astro.lblExitPupil.text(), "N/A");
        form.astro.edtA_T_EyepieceFL.setText("20");
        EXPECT_EQ(form.astro.lblExitPupil.text(), exitPupil("4.1", "62.5"));
    }
    form.astro.edtA_LensFL.setText("");
    EXPECT_EQ(form.astro.lblA_Afocal.text(), AfocalNotUsed);
}

TEST_F(MacroAstro, ZeroApertureOnlyEmptiesTheResolvingPower)
{
    const QStringList before = telescopeLines();
    form.astro.edtA_T_aperture.setText("0");
    QStringList after = before;
    after[4] = "";
    EXPECT_EQ(telescopeLines(), after);
    form.astro.edtA_T_aperture.setText("");
    form.astro.edtA_T_fl.setText("900");
    EXPECT_EQ(telescopeLines(), after);
}

TEST_F(MacroAstro, NoBarlowSelectionFailsAtTheExitPupil)
{
    expectUserError([&] { form.astro.cmbxA_PF_Barlow.setItemIndex(-1); }, ZeroDivideMessage);
    EXPECT_EQ(form.astro.lblA_NegProjFR.text(), negativeProjection("0", "0", "0"));
    EXPECT_EQ(form.astro.lblA_Afocal.text(), AfocalNotUsed);
    EXPECT_EQ(form.astro.lblExitPupil.text(), "N/A");
}

TEST_F(MacroAstro, ZeroCameraFRatioDividesByZero)
{
    expectUserError([&] { form.astro.edtA_LensFR.setText("0"); }, ZeroDivideMessage);
    EXPECT_EQ(form.astro.lblA_Afocal.text(), "N/A");
}

TEST_F(MacroAstro, TelescopeTextsThatAreNotNumbers)
{
    expectUserError([&] { form.astro.edtA_T_aperture.setText("10in"); }, "'10in' is not a valid floating point value");
    form.astro.edtA_T_aperture.setText("254");
    expectUserError([&] { form.astro.edtA_T_EyepieceFL.setText("x"); }, "'x' is not a valid floating point value");
    EXPECT_EQ(form.astro.lblExitPupil.text(), "N/A");
}

TEST_F(MacroAstro, ImageSizeForThousandMillimetres)
{
    // 150 / 20 = 7.5 rounds to the even 8: 0.8 s.
    EXPECT_EQ(imageSizes(), QStringList({"20", LocaleText("2.06"), LocaleText("1.38"), "37", LocaleText("0.8")}));
    // The rectilinear lens: 2 atan(18 / 50) and 2 atan(12 / 50), not 36 / 50 radians.
    form.astro.edtA_EffFL.setText("50");
    EXPECT_EQ(imageSizes(), QStringList({"1", LocaleText("39.6"), LocaleText("26.99"), "2", "15"}));
    form.astro.edtA_EffFL.setText("14");
    EXPECT_EQ(imageSizes(),
              QStringList({LocaleText("0.3"), LocaleText("104.25"), LocaleText("81.2"), "1", LocaleText("53.6")}));
}

TEST_F(MacroAstro, ImageSizeKeepsItsValuesForEmptyOrZero)
{
    for (const QString& none : {QString(), QString("0"), LocaleText("0.0")}) {
        form.astro.edtA_EffFL.setText(none);
        EXPECT_EQ(imageSizes(), QStringList({"20", LocaleText("2.06"), LocaleText("1.38"), "37", LocaleText("0.8")}))
            << none.toStdString();
    }
    expectUserError([&] { form.astro.edtA_EffFL.setText("1e400"); }, "'1e400' is not a valid floating point value");
}

using MacroAstroStart = CalculatorForm;

TEST_F(MacroAstroStart, CaptionsBeforeTheFirstComputation)
{
    EXPECT_EQ(form.astro.edtA_StarTrailTime.text(), "edtA_MoonPC");
    EXPECT_EQ(form.astro.lblA_T_fr.text(), "= f");
    EXPECT_EQ(form.astro.lblA_Resolve.text(), "lblA_Resolve");
    EXPECT_TRUE(form.astro.edtA_Mag.readOnly());
    EXPECT_TRUE(form.astro.MemoAstro.readOnly());
    EXPECT_TRUE(form.astro.MemoAstro.text().contains("0.00032"));
    EXPECT_TRUE(form.macro.MemoMacro.text().contains("0.4 mm"));
}

}  // namespace
