// Exposure values and the S+L=A+T system.

#include "calculator/exposure_page.h"

#include "calculator/documentation_texts_pages.h"
#include "calculator/lighting_page.h"
#include "calculator/photo_values.h"
#include "calculator/shutter_speeds.h"
#include "controls/errors.h"
#include "controls/numbers.h"

namespace {

constexpr int Iso100 = 4;

void requirePositive(double fRatio)
{
    if (!(fRatio > 0))
        throw EInputError(TExposurePage::tr("F ratio must be greater than zero!"));
}

// The time, speed and aperture values of one S+L=A+T line, each written to its label as it is
// known (an F ratio that is not positive stops before the aperture).
struct TSlatValues {
    double Time, Speed, Aperture;
};

TSlatValues ShowSlatValues(double seconds, int iso, double fRatio, TLabel& speedLabel, TLabel& timeLabel,
                           TLabel& apertureLabel)
{
    const double time = TimeValue(seconds);
    const double speed = SpeedValue(iso);
    speedLabel.setText(FloatToStr(speed));
    timeLabel.setText(FloatToStr(time));
    requirePositive(fRatio);
    const double aperture = ApertureValue(fRatio);
    apertureLabel.setText(FloatToStr(aperture));
    return {time, speed, aperture};
}

}  // namespace

TExposurePage::TExposurePage()
    : cmbxEV1Shutter(ShutterSpeedNames(), DefaultShutterSpeed),
      cmbxEV1ISO(IsoSettings, Iso100),
      cmbxEV2ISO(IsoSettings, Iso100),
      cmbxEV2Shutter(ShutterSpeedNames(), DefaultShutterSpeed),
      MemoEV(QCoreApplication::translate("Documentation", ExposureValueText))
{
    for (TControl* input : std::initializer_list<TControl*>{&cmbxEV1Shutter, &edtEV1Fratio, &cmbxEV1ISO, &edtEV2,
                                                            &cmbxEV2ISO, &edtEV2Fratio, &cmbxEV2Shutter})
        input->setColor(clInput);
    lblEV2_A.setHint(tr("SLAT aperture value"));
    lblEV2_T.setHint(tr("SLAT Time value"));
    lblEV2_S.setHint(tr("SLAT Speed value"));
    bindHandlers();
}

void TExposurePage::bindHandlers()
{
    cmbxEV1Shutter.onChange = [this] { cmbxEV1ShutterChange(); };
    edtEV1Fratio.onChange = [this] { cmbxEV1ShutterChange(); };
    cmbxEV1ISO.onChange = [this] { cmbxEV1ShutterChange(); };
    edtEV2.onChange = [this] { edtEV2Change(); };
    edtEV2Fratio.onChange = [this] { edtEV2Change(); };
    cmbxEV2ISO.onChange = [this] { edtEV2Change(); };
    cmbxEV2Shutter.onChange = [this] { edtEV2Change(); };
}

void TExposurePage::cmbxEV1ShutterChange()
{
    const double seconds = ShutterSeconds(cmbxEV1Shutter);
    if (edtEV1Fratio.text().isEmpty())
        return;
    const double fRatio = StrToFloat(edtEV1Fratio.text());
    const int iso = StrToInt(cmbxEV1ISO.text());
    const TSlatValues values = ShowSlatValues(seconds, iso, fRatio, lblEV1_S, lblEV1_T, lblEV1_A);
    const double light = values.Aperture + values.Time - values.Speed;
    lblEV1.setText(FloatToStr(light + 5));
    lblEV1_L.setText(FloatToStr(light));
}

void TExposurePage::edtEV2Change()
{
    const double seconds = ShutterSeconds(cmbxEV2Shutter);
    const int iso = StrToInt(cmbxEV2ISO.text());
    // A lone minus sign is a negative light value still being typed.
    if (edtEV2Fratio.text().isEmpty() || edtEV2.text().isEmpty() || edtEV2.text() == QStringLiteral("-"))
        return;
    const double fRatio = StrToFloat(edtEV2Fratio.text());
    const double light = StrToFloat(edtEV2.text());
    const TSlatValues values = ShowSlatValues(seconds, iso, fRatio, lblEV2_S, lblEV2_T, lblEV2_A);
    lblEV2Shutter.setText(ShutterTimeText(SecondsFromValue(values.Speed + light - values.Aperture)));
    lblEV2FRatio.setText(FloatToStr(FRatioFromValue(values.Speed + light - values.Time)));
}
