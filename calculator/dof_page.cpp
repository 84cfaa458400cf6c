// Sensor, lens and depth of field.

#include "calculator/dof_page.h"

#include "calculator/lighting_page.h"

#include "controls/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct SensorPreset {
    const char* name;    // source text of the TDofPage context; camera names alone stay as they are
    const char* width;   // mm, as written into the dimension box; "" for custom
    const char* height;  // mm
};

constexpr SensorPreset SensorPresets[] = {
    {QT_TRANSLATE_NOOP("TDofPage", "custom"), "", ""},
    {QT_TRANSLATE_NOOP("TDofPage", "6x7 medium format"), "69.5", "56"},
    {QT_TRANSLATE_NOOP("TDofPage", "6x6 medium format"), "56", "56"},
    {QT_TRANSLATE_NOOP("TDofPage", "645 medium format"), "56", "41.5"},
    {QT_TRANSLATE_NOOP("TDofPage", "35mm film, digital full frame"), "36", "24"},
    {QT_TRANSLATE_NOOP("TDofPage", "1.3x crop Canon 1D / Leica"), "27.7", "18.5"},
    {"Nikon DX", "23.7", "15.6"},
    {"Canon 300/350/20D", "22.7", "15.1"},
    {QT_TRANSLATE_NOOP("TDofPage", "Olympus E series (4/3rds format)"), "18", "13.5"},
    {QT_TRANSLATE_NOOP("TDofPage", "8 mpixel prosumer (2/3\")"), "8.8", "6.6"},
    {QT_TRANSLATE_NOOP("TDofPage", "1/1.8\" digital (most non-SLR)"), "7.18", "5.32"},
    {QT_TRANSLATE_NOOP("TDofPage", "1/2.5\" digital (eg. Pan. FZ20)"), "5.76", "4.29"},
    {QT_TRANSLATE_NOOP("TDofPage", "37x37 digital back for H'blad"), "37", "37"},
    {QT_TRANSLATE_NOOP("TDofPage", "48x36 digital back for Mamiya"), "48", "36"},
    {QT_TRANSLATE_NOOP("TDofPage", "Sigma Foveon (SD9, SD10, etc)"), "20.7", "13.8"},
};
constexpr int FullFramePreset = 4;

// The presets' names as the user reads them, numbers with the user's decimal separator.
QStringList sensorNames()
{
    QStringList names;
    for (const SensorPreset& preset : SensorPresets)
        names << WithDecimalSeparator(TDofPage::tr(preset.name));
    return names;
}

double value(const TEdit& control) { return StrToFloat(control.text()); }

// The angle (degrees) a rectilinear lens of focal length f takes in across a side of the
// frame `side` long (both in mm): the small-angle form 2060 / f is a quarter too wide at 24 mm
// and gives more than 180 degrees below 12 mm.
double angleOfView(double side, double f) { return 2 * std::atan(side / (2 * f)) * 180 / std::numbers::pi; }

}  // namespace

TDofPage::TDofPage(TLightingPage& lighting)
    : cmbxSensor(sensorNames(), FullFramePreset),
      FLighting(lighting)
{
    for (TEdit* input : {&edtflength, &edtFRatio, &edtFocusDistance})
        input->setColor(clInput);
    cmbxSensor.setColor(clInput);
    edtSensorWidth.setReadOnly(true);
    edtSensorHeight.setReadOnly(true);
    edtfl35.setReadOnly(true);
    lblCrop.setHint(tr("based on ratio of film widths"));
    lblAngleView.setHint(tr("lens angle of view for the sensor width"));
    lblHFhalf.setHint(tr("if set focus to hyperfocal distance, all should be sharp from this distance to infinity"));
    lblSubjectSize.setHint(tr("subject size given focal length and focus distance"));
    bindHandlers();
}

void TDofPage::bindHandlers()
{
    cmbxSensor.onChange = [this] { cmbxSensorChange(); };
    edtSensorWidth.onChange = [this] { edtSensorWidthChange(); };
    edtSensorHeight.onChange = [this] { edtSensorWidthChange(); };
    edtflength.onChange = [this] { edtflengthChange(); };
    edtFRatio.onChange = [this] { edtflengthChange(); };
    edtFocusDistance.onChange = [this] { edtFocusDistanceChange(); };
}

void TDofPage::cmbxSensorChange()
{
    const int index = cmbxSensor.itemIndex();
    if (index < 0)
        return;
    edtSensorWidth.setText(WithDecimalSeparator(QString::fromUtf8(SensorPresets[index].width)));
    edtSensorHeight.setText(WithDecimalSeparator(QString::fromUtf8(SensorPresets[index].height)));
}

void TDofPage::edtSensorWidthChange()
{
    if (edtSensorWidth.text().isEmpty() || edtSensorHeight.text().isEmpty()) {
        lblCOC.setText(NotAvailableText());
        lblCrop.setText(NotAvailableText());
    } else {
        const double width = value(edtSensorWidth);
        const double height = value(edtSensorHeight);
        const double diagonal = CheckedSqrt(width * width + height * height);
        lblCOC.setText(RoundedText(diagonal / 1.44, 2));
        const double crop = width > 0 ? Divide(36, width) : 0;
        lblCrop.setText(RoundedText(crop, 2));
    }
    edtflengthChange();
    if (onSensorChange)
        onSensorChange();
}

void TDofPage::edtflengthChange()
{
    UpdateLens();
    edtFocusDistanceChange();
    FLighting.tbFillStopsChange();
}

void TDofPage::UpdateLens()
{
    if (lblCrop.text() != NotAvailableText() && !edtflength.text().isEmpty()) {
        const double equivalent = CheckedResult(value(lblCrop) * value(edtflength));
        edtfl35.setText(RoundedText(equivalent, 0));
        const double width = value(edtSensorWidth);
        const double f = value(edtflength);
        lblAngleView.setText(equivalent > 0 && width > 0 ? tr("%1 degrees").arg(RoundedText(angleOfView(width, f), 1))
                                                         : NotAvailableText());
    } else {
        edtfl35.setText(QString());
        lblAngleView.setText(NotAvailableText());
    }

    if (lblCOC.text() != NotAvailableText() && !edtflength.text().isEmpty() && !edtFRatio.text().isEmpty()) {
        const double confusion = value(lblCOC) / 1000;
        const double f = value(edtflength);
        const double n = value(edtFRatio);
        const double hyperfocal = (f + Divide(f * f, n * confusion)) / 1000;
        lblHyperfocal.setText(RoundedText(hyperfocal, 1));
        lblHFhalf.setText(FloatToStr(RoundTo(5 * hyperfocal, 0) / 10) + "m");
    } else {
        lblHyperfocal.setText(NotAvailableText());
        lblHFhalf.setText(NotAvailableText());
    }

    FLighting.UpdateAmbientShutterSpeed();
}

void TDofPage::edtFocusDistanceChange()
{
    if (lblCOC.text() == NotAvailableText() || edtflength.text().isEmpty() || edtFRatio.text().isEmpty() ||
        edtFocusDistance.text().isEmpty()) {
        lblDOFNear.setText(NotAvailableText());
        lblDOFFar.setText(NotAvailableText());
        lblDOFrange.setText(NotAvailableText());
    } else {
        const double f = value(edtflength);
        const double confusion = value(lblCOC) / 1000;
        const double n = value(edtFRatio);
        const double s = value(edtFocusDistance) * 1000;
        const double k = Divide(n * confusion * (s - f), f * f);
        const double nearLimit = Divide(s, k + 1) / 1000;
        lblDOFNear.setText(RoundedText(nearLimit, 3));
        // At or beyond the hyperfocal distance everything to infinity is sharp; the formula
        // would give a negative or infinite far limit.
        if (k >= 1) {
            lblDOFFar.setText(tr("infinity"));
            lblDOFrange.setText(tr("infinity"));
        } else {
            const double farLimit = Divide(s, 1 - k) / 1000;
            lblDOFFar.setText(RoundedText(farLimit, 3));
            lblDOFrange.setText(RoundedText(farLimit - nearLimit, 3));
        }
    }
    UpdateSizes();
}

void TDofPage::UpdateSizes()
{
    if (edtSensorHeight.text().isEmpty() || edtflength.text().isEmpty() || edtFRatio.text().isEmpty() ||
        edtFocusDistance.text().isEmpty() || lblCOC.text() == NotAvailableText()) {
        lblSubjectSize.setText(NotAvailableText());
        lblBackSize.setText(NotAvailableText());
        return;
    }
    const double f = value(edtflength);
    const double width = value(edtSensorWidth);
    const double height = std::max(value(edtSensorHeight), 0.0);
    const double distance = value(edtFocusDistance);
    if (f <= 0 || width <= 0) {
        lblSubjectSize.setText(NotAvailableText());
        lblBackSize.setText(NotAvailableText());
        return;
    }
    // A rectilinear lens images the frame's sides on the subject plane in proportion, w * s / f.
    const auto covered = [&](double atDistance, double side) { return CheckedResult(side * atDistance / f); };
    lblSubjectSize.setText(
        tr("%1m wide x %2m high")
            .arg(RoundedText(covered(distance, width), 2), RoundedText(covered(distance, height), 2)));
    const double backgroundDistance = distance + FLighting.tbBackgroundDist.position() * 0.25;
    //: w and h: width and height of the area the frame takes in at the background.
    lblBackSize.setText(tr("%1m w x %2m h")
                            .arg(RoundedText(covered(backgroundDistance, width), 2),
                                 RoundedText(covered(backgroundDistance, height), 2)));
}
