// Telescope and camera combinations for astrophotography, and image sizes for a focal length.

#include "calculator/astro_page.h"

#include "calculator/barlow_lenses.h"
#include "calculator/documentation_texts_pages.h"
#include "calculator/dof_page.h"
#include "controls/numbers.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>
#include <optional>

namespace {

constexpr double Unbounded = std::numeric_limits<double>::infinity();

// The reference lens: 50 mm on the 36 x 24 mm frame is magnification 1.
constexpr double NormalFocalLength = 50;
// Area of a dark-adapted eye pupil of 6.35 mm, relative to a diameter squared in mm.
constexpr double EyePupilAreaFactor = 40.32;

double value(const TEdit& input) { return StrToFloat(input.text()); }

// The value of a box that holds one within [lowest, highest]: not empty, readable and not marked
// as refused, since the camera format may change while one of them is being corrected.
std::optional<double> given(const TEdit& box, double lowest, double highest)
{
    if (box.text().trimmed().isEmpty() || !box.error().isEmpty() || !FloatProblem(box.text()).isEmpty())
        return std::nullopt;
    const double x = value(box);
    return x >= lowest && x <= highest ? std::optional<double>(x) : std::nullopt;
}

std::optional<double> positive(const TEdit& box)
{
    const std::optional<double> x = given(box, 0, Unbounded);
    return x && *x > 0 ? x : std::nullopt;
}

QString secondsText(std::optional<double> seconds)
{
    return seconds ? RoundedText(CheckedResult(*seconds), 1) + QStringLiteral(" s") : NotAvailableText();
}

// Nothing selected counts as a factor of 0.
double barlowFactor(const TList& list)
{
    const int index = list.itemIndex();
    return index >= 0 && index < int(std::size(BarlowLenses)) ? BarlowLenses[index].factor : 0;
}

// The lenses' names as the user reads them, numbers with the user's decimal separator.
QStringList barlowNames()
{
    QStringList names;
    for (const TBarlowLens& lens : BarlowLenses)
        names << WithDecimalSeparator(QCoreApplication::translate("BarlowLenses", lens.name));
    return names;
}

}  // namespace

TAstroPage::TAstroPage(const TDofPage& camera)
    : cmbxA_PF_Barlow(barlowNames(), 0),
      MemoAstro(QCoreApplication::translate("Documentation", AstroText)),
      FCamera(camera)
{
    for (TControl* input :
         std::initializer_list<TControl*>{&cmbxA_PF_Barlow, &edtA_T_fl, &edtA_T_aperture, &edtA_T_EyepieceFL,
                                          &edtA_LensFL, &edtA_LensFR, &edtA_EffFL, &edtA_ImageWidth, &edtA_Declination})
        input->setColor(clInput);
    edtA_LensFL.setHint(tr("this should be in 35mm equivalent terms to get the equivalent magnification"));
    lblA_Afocal.setHint(tr("the f/ratio will be the smallest of either exit pupil or the camera aperture; "
                           "effective fl and magnification equate to 35mm film size"));
    for (TEdit* result : {&edtA_Mag, &edtA_Ang1, &edtA_Ang2, &edtA_MoonPC, &edtA_StarTrailTime})
        result->setReadOnly(true);
    edtA_ImageWidth.setHint(tr("the image's width in pixels: with the sensor width of the first page it "
                               "gives the pixel pitch"));
    edtA_Declination.setHint(tr("the declination the camera is aimed at, in degrees; 0 for the "
                                "celestial equator, where the stars move fastest"));
    lblA_Rule500.setHint(tr("500 / (focal length x crop factor of the first page's camera format)"));
    lblA_NPF.setHint(tr("(35 x f-ratio + 30 x pixel pitch in micrometres) / focal length"));
    bindHandlers();
}

void TAstroPage::bindHandlers()
{
    cmbxA_PF_Barlow.onChange = [this] { edtA_T_flChange(); };
    for (TEdit* edit : {&edtA_T_fl, &edtA_T_aperture, &edtA_T_EyepieceFL, &edtA_LensFL})
        edit->onChange = [this] { edtA_T_flChange(); };
    // The camera lens's f-ratio also sets the NPF time, which an afocal failure must not hold up.
    edtA_LensFR.onChange = [this] {
        UpdateStarSharpTimes();
        edtA_T_flChange();
    };
    edtA_EffFL.onChange = [this] {
        UpdateStarSharpTimes();
        edtA_EffFLChange();
    };
    for (TEdit* edit : {&edtA_ImageWidth, &edtA_Declination})
        edit->onChange = [this] { UpdateStarSharpTimes(); };
}

void TAstroPage::edtA_T_flChange()
{
    const double barlow = barlowFactor(cmbxA_PF_Barlow);
    if (edtA_T_fl.text().isEmpty() || edtA_T_aperture.text().isEmpty())
        return;
    const double telescopeFL = value(edtA_T_fl);
    const double aperture = value(edtA_T_aperture);
    if (aperture == 0) {
        lblA_Resolve.setText(QString());
        return;
    }

    lblA_Resolve.setText(tr("Dawe's limit of resolving power for this aperture = %1 arc seconds (compared to naked "
                            "eye approx. 18 arc seconds, but note that atmosphere disturbances usually limit this to "
                            "1 to 4 arc seconds at best)")
                             .arg(FloatToStr(RoundTo(1160 / aperture, 0) / 10)));
    lblLightGather.setText(tr("Light gathering power compared to naked eye = %1 times")
                               .arg(RoundedText(aperture * aperture / EyePupilAreaFactor, 0)));
    lblLimMagV.setText(tr("Visual limiting magnitude = %1  (photographic limiting magnitude usually 2-3 magnitudes "
                          "less depending on exposure)")
                           .arg(RoundedText(5 * CheckedLog10(aperture) + 1.96, 1)));

    // Each set-up line ends with the effective focal length and the magnification it gives.
    const double primeRatio = telescopeFL / aperture;
    lblA_T_fr.setText(
        tr("Prime focus f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x ")
            .arg(RoundedText(primeRatio, 1), edtA_T_fl.text(), RoundedText(telescopeFL / NormalFocalLength, 1)));

    const double projectedFL = telescopeFL * barlow;
    lblA_NegProjFR.setText(
        tr("Negative projection f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x ")
            .arg(RoundedText(primeRatio * barlow, 1), RoundedText(projectedFL, 0),
                 RoundedText(projectedFL / NormalFocalLength, 1)));

    lblA_Afocal.setText(
        tr("Afocal method not being used, need to give values for eyepiece and camera lens focal lengths"));
    lblExitPupil.setText(NotAvailableText());
    if (edtA_T_EyepieceFL.text().isEmpty() || edtA_LensFL.text().isEmpty())
        return;
    const double eyepieceFL = value(edtA_T_EyepieceFL);
    const double lensFL = value(edtA_LensFL);
    if (eyepieceFL == 0)
        return;

    const double visualMagnification = Divide(projectedFL, eyepieceFL);
    const double effectiveFL = CheckedResult(visualMagnification * lensFL);
    const double exitPupil = Divide(aperture * eyepieceFL, telescopeFL * barlow);
    const double lensAperture = edtA_LensFR.text().isEmpty() ? 0 : Divide(lensFL, value(edtA_LensFR));
    // Whichever of the camera's aperture and the telescope's exit pupil is smaller limits the light.
    const double afocalRatio =
        lensAperture != 0 && lensAperture < exitPupil ? Divide(lensFL, lensAperture) : Divide(lensFL, exitPupil);
    lblA_Afocal.setText(tr("Afocal method f/ratio = f/%1 Effective focal length = %2mm thus magnification = %3x ")
                            .arg(RoundedText(afocalRatio, 1), RoundedText(effectiveFL, 0),
                                 RoundedText(effectiveFL / NormalFocalLength, 1)));
    lblExitPupil.setText(tr("Telescope exit pupil = %1mm Visual telescope magnification = %2x ")
                             .arg(RoundedText(exitPupil, 1), RoundedText(visualMagnification, 1)));
}

void TAstroPage::edtA_EffFLChange()
{
    if (edtA_EffFL.text().isEmpty())
        return;
    const double magnification = value(edtA_EffFL) / NormalFocalLength;
    if (magnification == 0)
        return;
    edtA_Mag.setText(RoundedText(magnification, 1));
    // The angles a rectilinear lens takes in across the 36 mm and 24 mm sides of the frame, to
    // 2 decimals: 39.6 and 27 degrees at 50 mm.
    const double focalLength = value(edtA_EffFL);
    const auto angle = [focalLength](double side) {
        return 2 * std::atan(side / (2 * focalLength)) * 180 / std::numbers::pi;
    };
    const double height = angle(24);
    edtA_Ang1.setText(RoundedText(angle(36), 2));
    edtA_Ang2.setText(RoundedText(height, 2));
    // A full moon of 0.51 degrees against the frame height.
    edtA_MoonPC.setText(RoundedText(0.51 * 100 / height, 0));
    // 15 s untracked at 50 mm, shorter in proportion to the focal length.
    edtA_StarTrailTime.setText(FloatToStr(RoundTo(150 / magnification, 0) / 10));
}

void TAstroPage::UpdateStarSharpTimes()
{
    const std::optional<double> focalLength = positive(edtA_EffFL);
    const std::optional<double> crop = positive(FCamera.lblCrop);
    const std::optional<double> ratio = given(edtA_LensFR, 0, Unbounded);
    const std::optional<double> sensorWidth = positive(FCamera.edtSensorWidth);
    const std::optional<double> imageWidth = positive(edtA_ImageWidth);
    const std::optional<double> declination = given(edtA_Declination, -89, 89);

    std::optional<double> rule500, npf, npfAtDeclination;
    if (focalLength && crop)
        rule500 = 500 / (*focalLength * *crop);
    if (focalLength && ratio && sensorWidth && imageWidth) {
        const double pixelPitch = *sensorWidth * 1000 / *imageWidth;  // micrometres
        npf = (35 * *ratio + 30 * pixelPitch) / *focalLength;
        // Away from the equator a star's track on the sky is shorter by cos(declination).
        if (declination)
            npfAtDeclination = *npf / std::cos(*declination * std::numbers::pi / 180);
    }
    lblA_Rule500.setText(secondsText(rule500));
    lblA_NPF.setText(secondsText(npf));
    lblA_NPFDeclination.setText(secondsText(npfAtDeclination));
}
