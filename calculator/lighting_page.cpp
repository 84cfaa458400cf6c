// Flash and ambient lighting: main, fill or reflector, hair, background and ambient light.

#include "calculator/lighting_page.h"

#include "calculator/backdrop_shade.h"
#include "calculator/dof_page.h"
#include "calculator/photo_values.h"
#include "controls/errors.h"
#include "controls/numbers.h"

#include <cmath>
#include <limits>

namespace {

const double Sqrt2 = std::sqrt(2.0);

constexpr double FilterStops[] = {0, 2.5, 1, 2, 2.5, 3};
constexpr double LightValues[] = {10, 9, 8, 7, 6, 5, 4, 0.6};

// The lists follow the order of FilterStops, BackLight and LightValues.
QStringList filterNames()
{
    return {TLightingPage::tr("None"),
            TLightingPage::tr("Polariser (2.5 stops)"),
            TLightingPage::tr("ND 2x (1 stop)"),
            TLightingPage::tr("ND 4x (2 stops)"),
            TLightingPage::tr("ND 6x (2.5 stops)"),
            TLightingPage::tr("ND 8x (3 stops)")};
}

QStringList backLightNames()
{
    return {TLightingPage::tr("Background light"), TLightingPage::tr("Main light"), TLightingPage::tr("Fill light"),
            TLightingPage::tr("Ambient"), TLightingPage::tr("None")};
}

QStringList ambientNames()
{
    return {TLightingPage::tr("Bright sunlight (LV10)"),
            TLightingPage::tr("EV 14 (LV9)"),
            TLightingPage::tr("EV 13 (LV8)"),
            TLightingPage::tr("Bright blue sky (LV7)"),
            TLightingPage::tr("EV 11 (LV 6)"),
            TLightingPage::tr("Bright indoor (LV5)"),
            TLightingPage::tr("Average indoor (LV4)"),
            TLightingPage::tr("Heavy overcast, rain (LV0.6)")};
}

enum BackLight { BackgroundLight, MainLight, FillLight, AmbientLight, NoLight };

double value(const TEdit& control) { return StrToFloat(control.text()); }

// Slider positions are a quarter metre each, quantised to 2 decimals.
double sliderDistance(const TSlider& slider) { return RoundTo(slider.position() * 0.25, 2); }

QString distanceText(double metres) { return TLightingPage::tr("%1 metres").arg(FloatToStr(metres)); }

// A distance beyond the slider's reach is written as a whole number straight before "metres".
QString farDistanceText(double metres)
{
    //: A distance beyond the slider's reach, in whole metres; a space is allowed.
    return TLightingPage::tr("%1metres").arg(RoundedText(metres, 0));
}

QString stopsText(const QString& stops) { return TLightingPage::tr("%1 stops").arg(stops); }

// The whole slider position nearest 4 d, kept within int so that huge distances still clamp.
int quarterMetrePosition(double metres)
{
    const double position = RoundTo(4 * metres, 0);
    return int(
        std::clamp(position, double(std::numeric_limits<int>::min() / 2), double(std::numeric_limits<int>::max() / 2)));
}

double powerFactor(const TList& power)
{
    const int index = power.itemIndex();
    return index < 0 ? 1 : std::pow(Sqrt2, -index);
}

double filterStops(const TList& filter)
{
    const int index = filter.itemIndex();
    return index < 0 ? 0 : FilterStops[index];
}

double lightValue(const TList& ambient)
{
    const int index = ambient.itemIndex();
    return index < 0 ? 0 : LightValues[index];
}

}  // namespace

QStringList PowerSettingNames() { return {TLightingPage::tr("Full"), "1/2", "1/4", "1/8", "1/16", "1/32"}; }

TLightingPage::TLightingPage(TDofPage& dof, const TShape& background)
    : cmbxISO(IsoSettings, 1),
      cmbxFilter(filterNames(), 0),
      cmbxMainPower(PowerSettingNames(), 0),
      cmbxFillPower(PowerSettingNames(), 2),
      cmbxHairPower(PowerSettingNames(), 2),
      cmbxBackPower(PowerSettingNames(), 2),
      cmbxBackLight(backLightNames(), BackgroundLight),
      cmbxAmbient(ambientNames(), 0),
      FDof(dof),
      FBackground(background)
{
    tbFillDistance.setEnabled(false);
    tbFillDistance.setHint(tr("Use the fill light F-stop slider to adjust"));
    chbxReflector.setHint(tr("Assumes main-light to reflector distance = main light to subject distance"));
    cmbxAmbient.setHint(tr("ambient light type"));
    edtFillReflectorLoss.setEnabled(false);
    for (TControl* input : std::initializer_list<TControl*>{&cmbxISO, &cmbxFilter, &edtMainGN, &edtFillGN, &edtHairGN,
                                                            &edtBackGN, &cmbxMainPower, &cmbxFillPower, &cmbxHairPower,
                                                            &cmbxBackPower, &cmbxBackLight, &cmbxAmbient})
        input->setColor(clInput);
    edtFillReflectorLoss.setColor(clBtnFace);
    bindHandlers();
}

void TLightingPage::bindHandlers()
{
    for (TList* list :
         {&cmbxISO, &cmbxFilter, &cmbxMainPower, &cmbxFillPower, &cmbxHairPower, &cmbxBackPower, &cmbxBackLight})
        list->onChange = [this] { cmbxISOChange(); };
    for (TEdit* edit : {&edtMainGN, &edtFillGN, &edtHairGN, &edtBackGN, &edtFillReflectorLoss})
        edit->onChange = [this] { cmbxISOChange(); };
    chbxReflector.onClick = [this] { cmbxISOChange(); };
    tbMainDistance.onChange = [this] { tbMainDistanceChange(); };
    btnUpdateLighting.onClick = [this] { btnUpdateLightingClick(); };
    tbFillStops.onChange = [this] { tbFillStopsChange(); };
    tbFillDistance.onChange = [this] { tbFillDistanceChange(); };
    tbHairDist.onChange = [this] { tbHairDistChange(); };
    tbHairFstops.onChange = [this] { tbHairFstopsChange(); };
    tbBacklight.onChange = [this] { tbBacklightChange(); };
    tbBackgroundDist.onChange = [this] { tbBackgroundDistChange(); };
    cmbxAmbient.onChange = [this] { cmbxAmbientChange(); };
    tbAmbientExp.onChange = [this] { tbAmbientExpChange(); };
}

void TLightingPage::cmbxISOChange()
{
    const bool reflector = chbxReflector.checked();
    edtFillReflectorLoss.setEnabled(reflector);
    LblFillRelectorLoss.setEnabled(reflector);
    for (TControl* fillInput : std::initializer_list<TControl*>{&edtFillGN, &cmbxFillPower, &lblFillGN, &lblFillPower})
        fillInput->setEnabled(!reflector);
    edtFillReflectorLoss.setColor(reflector ? clInput : clBtnFace);
    edtFillGN.setColor(reflector ? clBtnFace : clInput);
    cmbxFillPower.setColor(reflector ? clBtnFace : clInput);
    lblFilldistanceCaption.setText(reflector ? tr("Reflector distance to subject:")
                                             : tr("Fill light distance to subject:"));

    EffectiveIso = StrToFloat(cmbxISO.text()) * std::pow(2.0, -filterStops(cmbxFilter));
    lblISO.setText(RoundedText(EffectiveIso, 0));

    const auto guideNumberAtIso = [this](const TEdit& guideNumber, const TList& power, TLabel& result) {
        if (guideNumber.text().isEmpty())
            result.setText(NotAvailableText());
        else
            result.setText(RoundedText(CheckedSqrt(EffectiveIso / 100) * value(guideNumber) * powerFactor(power), 0));
    };
    guideNumberAtIso(edtMainGN, cmbxMainPower, lblMainGNISO);
    // The reflector bounces the main light: the greyed-out fill box is not read at all, so a
    // text left in it cannot stop the lighting update.
    if (reflector)
        lblFillGNISO.setText(NotAvailableText());
    else
        guideNumberAtIso(edtFillGN, cmbxFillPower, lblFillGNISO);
    guideNumberAtIso(edtBackGN, cmbxBackPower, lblBackGNISO);
    guideNumberAtIso(edtHairGN, cmbxHairPower, lblHairGNISO);

    FDof.UpdateLens();
    tbMainDistanceChange();
    tbFillStopsChange();
    tbHairFstopsChange();
    UpdateBackgroundExposure();
}

void TLightingPage::tbMainDistanceChange()
{
    const double distance = sliderDistance(tbMainDistance);
    lblMainDistance.setText(distanceText(distance));
    if (lblMainGNISO.text() != NotAvailableText() && distance > 0)
        FDof.edtFRatio.setText(RoundedText(value(lblMainGNISO) / distance, 1));
    UpdateBackgroundExposure();
    tbHairFstopsChange();
}

void TLightingPage::btnUpdateLightingClick()
{
    if (FDof.edtFRatio.text().isEmpty() || lblMainGNISO.text() == NotAvailableText())
        return;
    const double fRatio = value(FDof.edtFRatio);
    if (fRatio == 0)
        throw EInputError(tr("F ratio cannot be set to zero"));
    const double distance = value(lblMainGNISO) / fRatio;
    const int position = quarterMetrePosition(distance);
    tbMainDistance.setPosition(position);
    if (position > tbMainDistance.maximum())
        lblMainDistance.setText(farDistanceText(distance));
    else if (position >= tbMainDistance.minimum())
        // Rewrites a label left over from an earlier out-of-range distance; unchanged otherwise.
        lblMainDistance.setText(distanceText(sliderDistance(tbMainDistance)));
}

void TLightingPage::tbFillStopsChange()
{
    const double stops = RoundTo(tbFillStops.position() * 0.5, 1);
    lblFillFactor.setText(stopsText(FloatToStr(stops)));

    const bool reflector = chbxReflector.checked();
    if (reflector || (!FDof.edtFRatio.text().isEmpty() && lblFillGNISO.text() != NotAvailableText())) {
        const double fRatio = value(FDof.edtFRatio);
        double guideNumber;
        if (!reflector)
            guideNumber = value(lblFillGNISO);
        else if (edtFillReflectorLoss.text().isEmpty())
            guideNumber = -1;
        else
            guideNumber = value(lblMainGNISO) * std::pow(Sqrt2, -value(edtFillReflectorLoss));

        const double meterReading = std::pow(Sqrt2, -stops) * fRatio;
        double distance = Divide(guideNumber, meterReading);
        if (reflector)
            distance -= tbMainDistance.position() * 0.25;

        const int position = quarterMetrePosition(distance);
        tbFillDistance.setPosition(position);
        if (position > tbFillDistance.maximum())
            lblFillDistance.setText(farDistanceText(distance));
        else if (distance < 0)
            lblFillDistance.setText(tr("Not possible"));
        else
            tbFillDistanceChange();
        lblFillFRatio.setText(RoundedText(meterReading, 1));
    } else {
        lblFillFRatio.setText(NotAvailableText());
    }

    if (cmbxBackLight.itemIndex() == FillLight)
        UpdateBackgroundExposure();
}

void TLightingPage::tbFillDistanceChange() { lblFillDistance.setText(distanceText(sliderDistance(tbFillDistance))); }

void TLightingPage::tbHairDistChange() { lblHairDist.setText(distanceText(sliderDistance(tbHairDist))); }

void TLightingPage::tbHairFstopsChange()
{
    const double stops = RoundTo((tbHairFstops.position() - 10) * 0.5, 1);
    lblHairFStops.setText(stopsText(FloatToStr(stops)));
    if (FDof.edtFRatio.text().isEmpty() || lblHairGNISO.text() == NotAvailableText()) {
        lblHairFratio.setText(NotAvailableText());
        return;
    }
    const double meterReading = std::pow(Sqrt2, stops) * value(FDof.edtFRatio);
    const double distance = Divide(value(lblHairGNISO), meterReading);
    const int position = quarterMetrePosition(distance);
    tbHairDist.setPosition(position);
    if (position > tbHairDist.maximum())
        lblHairDist.setText(farDistanceText(distance));
    else
        tbHairDistChange();
    lblHairFratio.setText(RoundedText(meterReading, 1));
}

void TLightingPage::tbBacklightChange()
{
    lblBacklightDist.setText(distanceText(sliderDistance(tbBacklight)));
    cmbxISOChange();
}

void TLightingPage::tbBackgroundDistChange()
{
    lblBackdist.setText(distanceText(sliderDistance(tbBackgroundDist)));
    FDof.UpdateSizes();
    // The backdrop follows the slider when the light on it depends on this distance.
    const int light = cmbxBackLight.itemIndex();
    if (light == MainLight || light == FillLight)
        UpdateBackgroundExposure();
}

void TLightingPage::cmbxAmbientChange()
{
    FDof.UpdateLens();
    UpdateBackgroundExposure();
}

void TLightingPage::tbAmbientExpChange()
{
    lblAmbientExp.setText(stopsText(RoundedText((tbAmbientExp.position() - 10) * 0.5, 1)));
    cmbxAmbientChange();
}

void TLightingPage::UpdateAmbientShutterSpeed()
{
    if (FDof.edtFRatio.text().isEmpty()) {
        lblAmbient.setText(NotAvailableText());
        return;
    }
    const double apertureValue = ApertureValue(value(FDof.edtFRatio));
    const double speedValue = SpeedValue(EffectiveIso);
    const double exposureValue =
        speedValue + lightValue(cmbxAmbient) - apertureValue - (tbAmbientExp.position() - 10) * 0.5;
    lblAmbient.setText(ShutterTimeText(SecondsFromValue(exposureValue)));
}

void TLightingPage::UpdateBackgroundExposure()
{
    // The f-ratio that the light falling on the background would call for; 0 when none.
    const auto overDistance = [](double guideNumber, double distance) {
        return distance > 0 ? guideNumber / distance : 0.0;
    };
    double backgroundFRatio = 0;
    switch (cmbxBackLight.itemIndex()) {
    case BackgroundLight: backgroundFRatio = overDistance(value(lblBackGNISO), sliderDistance(tbBacklight)); break;
    case MainLight:
        backgroundFRatio =
            overDistance(value(lblMainGNISO), sliderDistance(tbBackgroundDist) + sliderDistance(tbMainDistance));
        break;
    case FillLight:
        if (!chbxReflector.checked())
            backgroundFRatio =
                overDistance(value(lblFillGNISO), sliderDistance(tbBackgroundDist) + sliderDistance(tbFillDistance));
        else if (!edtFillReflectorLoss.text().isEmpty())
            backgroundFRatio = overDistance(
                value(lblMainGNISO) * std::pow(Sqrt2, -value(edtFillReflectorLoss)),
                0.25 * (tbFillDistance.position() + tbMainDistance.position() + tbBackgroundDist.position()));
        break;
    case AmbientLight: backgroundFRatio = value(FDof.edtFRatio); break;
    case NoLight: backgroundFRatio = value(FDof.edtFRatio) * std::pow(Sqrt2, -6); break;
    default: break;
    }

    const double fRatio = FDof.edtFRatio.text().isEmpty() ? 0 : value(FDof.edtFRatio);
    if (fRatio > 0 && backgroundFRatio > 0) {
        // log10(F / N) / log10(sqrt 2), written as 2 log2(F / N) so that whole stops come out exact.
        BackgroundExposure = 2 * CheckedLog2(backgroundFRatio / fRatio);
        lblBackExp.setText(stopsText(RoundedText(BackgroundExposure, 1)));
    } else {
        BackgroundExposure = 100;
        lblBackExp.setText(NotAvailableText());
    }
    UpdateBackdropShade();
}

void TLightingPage::UpdateBackdropShade()
{
    shpImageBackground.setColor(BackdropShade(FBackground.color(), BackgroundExposure));
}
