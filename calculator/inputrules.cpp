#include "calculator/inputrules.h"

#include "calculator/frmmain.h"

#include <QCoreApplication>

namespace {

// The boxes' names are the subjects of the messages of TypedInputs ("The %1 must not be
// negative"), where a language that needs one gives them their article.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(InputRules)
};

}  // namespace

// Zero is refused where it names no lens, distance or light; where the pages give it a meaning
// ("not given") or a message of their own (an f-ratio of 0), it reaches them.
std::vector<TInputRule> CalculatorInputRules(TFrmMain& form)
{
    TDofPage& dof = form.dof;
    TLightingPage& lighting = form.lighting;
    TConversionsPage& conversions = form.conversions;
    TExposurePage& exposure = form.exposure;
    TMacroPage& macro = form.macro;
    TAstroPage& astro = form.astro;
    TSunPage& sun = form.sun;
    const QString mm = QStringLiteral(" mm");
    const QString metres = QStringLiteral(" m");
    return {
        {&dof.edtflength,
         Text::tr("focal length"),
         mm,
         TBound::Positive,
         {&dof.edtfl35, &dof.lblAngleView, &dof.lblHyperfocal, &dof.lblHFhalf, &dof.lblDOFNear, &dof.lblDOFFar,
          &dof.lblDOFrange, &dof.lblSubjectSize, &dof.lblBackSize}},
        {&dof.edtFRatio,
         Text::tr("f-ratio"),
         {},
         TBound::NotNegative,
         {&dof.lblHyperfocal, &dof.lblHFhalf, &dof.lblDOFNear, &dof.lblDOFFar, &dof.lblDOFrange, &dof.lblSubjectSize,
          &dof.lblBackSize, &lighting.lblFillFRatio, &lighting.lblFillDistance, &lighting.lblAmbient}},
        {&dof.edtFocusDistance,
         Text::tr("focus distance"),
         metres,
         TBound::Positive,
         {&dof.lblDOFNear, &dof.lblDOFFar, &dof.lblDOFrange, &dof.lblSubjectSize, &dof.lblBackSize}},
        {&lighting.edtMainGN, Text::tr("main light's guide number"), {}, TBound::Positive, {&lighting.lblMainGNISO}},
        {&lighting.edtFillGN,
         Text::tr("fill light's guide number"),
         {},
         TBound::Positive,
         {&lighting.lblFillGNISO, &lighting.lblFillFRatio}},
        {&lighting.edtHairGN,
         Text::tr("hair light's guide number"),
         {},
         TBound::Positive,
         {&lighting.lblHairGNISO, &lighting.lblHairFratio}},
        {&lighting.edtBackGN,
         Text::tr("background light's guide number"),
         {},
         TBound::Positive,
         {&lighting.lblBackGNISO, &lighting.lblBackExp}},
        {&lighting.edtFillReflectorLoss,
         Text::tr("reflector loss"),
         {},
         TBound::NotNegative,
         {&lighting.lblFillFRatio}},
        {&conversions.edtGN, Text::tr("guide number"), {}, TBound::Positive, {&conversions.lblGNconv}},
        {&conversions.edtGN2,
         Text::tr("guide number"),
         {},
         TBound::Positive,
         {&conversions.lblGN2fratio, &conversions.lblGN2distance}},
        {&conversions.edtGN2Distance, Text::tr("flash distance"), {}, TBound::NotNegative, {&conversions.lblGN2fratio}},
        {&conversions.edtGN2FRatio, Text::tr("f-ratio"), {}, TBound::NotNegative, {&conversions.lblGN2distance}},
        {&exposure.edtEV1Fratio,
         Text::tr("f-ratio"),
         {},
         TBound::AnyNumber,
         {&exposure.lblEV1, &exposure.lblEV1_A, &exposure.lblEV1_L}},
        {&exposure.edtEV2,
         Text::tr("exposure value"),
         {},
         TBound::AnyNumber,
         {&exposure.lblEV2Shutter, &exposure.lblEV2FRatio}},
        {&exposure.edtEV2Fratio,
         Text::tr("f-ratio"),
         {},
         TBound::AnyNumber,
         {&exposure.lblEV2_A, &exposure.lblEV2Shutter, &exposure.lblEV2FRatio}},
        {&macro.edtM_fl, Text::tr("focal length"), mm, TBound::NotNegative, {&macro.lblM_Mag, &macro.lblM_Exp}},
        {&macro.edtM_Ext, Text::tr("extension"), {}, TBound::NotNegative, {&macro.lblM_Mag, &macro.lblM_Exp}},
        {&astro.edtA_T_fl,
         Text::tr("telescope focal length"),
         mm,
         TBound::Positive,
         {&astro.lblA_T_fr, &astro.lblA_NegProjFR, &astro.lblA_Afocal, &astro.lblExitPupil}},
        {&astro.edtA_T_aperture,
         Text::tr("aperture diameter"),
         {},
         TBound::NotNegative,
         {&astro.lblA_Resolve, &astro.lblLightGather, &astro.lblLimMagV, &astro.lblA_T_fr, &astro.lblA_NegProjFR,
          &astro.lblA_Afocal, &astro.lblExitPupil}},
        {&astro.edtA_T_EyepieceFL,
         Text::tr("eyepiece focal length"),
         {},
         TBound::NotNegative,
         {&astro.lblA_Afocal, &astro.lblExitPupil}},
        {&astro.edtA_LensFL,
         Text::tr("camera focal length"),
         {},
         TBound::NotNegative,
         {&astro.lblA_Afocal, &astro.lblExitPupil}},
        {&astro.edtA_LensFR,
         Text::tr("camera lens f-ratio"),
         {},
         TBound::NotNegative,
         {&astro.lblA_Afocal, &astro.lblA_NPF, &astro.lblA_NPFDeclination}},
        {&astro.edtA_EffFL,
         Text::tr("effective focal length"),
         mm,
         TBound::NotNegative,
         {&astro.edtA_Mag, &astro.edtA_Ang1, &astro.edtA_Ang2, &astro.edtA_MoonPC, &astro.edtA_StarTrailTime,
          &astro.lblA_Rule500, &astro.lblA_NPF, &astro.lblA_NPFDeclination}},
        {&astro.edtA_ImageWidth,
         Text::tr("image width"),
         Text::tr(" pixels"),
         TBound::Positive,
         {&astro.lblA_NPF, &astro.lblA_NPFDeclination}},
        {&astro.edtA_Declination,
         Text::tr("declination"),
         Text::tr(" degrees"),
         TBound::Declination,
         {&astro.lblA_NPFDeclination}},
        {&sun.edtTemp, Text::tr("air temperature"), {}, TBound::AnyNumber, {&sun.lblTempAppShade, &sun.lblTempAppSun}},
        {&sun.edtHumidity,
         Text::tr("relative humidity"),
         QStringLiteral(" %"),
         TBound::Percentage,
         {&sun.lblTempAppShade, &sun.lblTempAppSun}},
        {&sun.edtWind, Text::tr("wind speed"), {}, TBound::NotNegative, {&sun.lblTempAppShade, &sun.lblTempAppSun}},
        {&sun.edtSunElev, Text::tr("sun elevation"), Text::tr(" degrees"), TBound::Elevation, {&sun.lblTempAppSun}},
        {&sun.edtSolarCorr, Text::tr("solar correction factor"), {}, TBound::NotNegative, {&sun.lblTempAppSun}},
    };
}
