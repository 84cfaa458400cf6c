// Colour-temperature filters, guide-number conversion and flash distance.

#include "calculator/conversions_page.h"

#include "calculator/colour_filters.h"
#include "calculator/lighting_page.h"
#include "controls/numbers.h"

#include <cmath>

namespace {

constexpr int GuideNumberIso1 = 4;  // "100"
constexpr int GuideNumberIso2 = 1;  // "50"
constexpr double FeetPerMetre = 3.28;

// Kelvin of the selected preset; nothing selected counts as 0 K.
double kelvin(const TList& list, std::span<const TColourTemperature> presets)
{
    const int index = list.itemIndex();
    return index >= 0 && index < int(presets.size()) ? presets[index].kelvin : 0;
}

double unitFactor(const TRadioGroup& units) { return units.itemIndex() == 1 ? FeetPerMetre : 1; }

// Half a stop of guide number per power step: "Full", "1/2", ... "1/32".
double powerFactor(const TList& power)
{
    const int index = power.itemIndex();
    return index < 0 ? 1 : std::pow(std::sqrt(2.0), -index);
}

// The text "0" alone means "not given"; other zeros ("0.0") reach the division.
bool assigned(const TEdit& input) { return !input.text().isEmpty() && input.text() != QStringLiteral("0"); }

}  // namespace

QStringList GuideNumberUnitNames() { return {TConversionsPage::tr("meters"), TConversionsPage::tr("feet")}; }

TConversionsPage::TConversionsPage()
    : cmbxFilmType(ColourTemperatureNames(FilmTypes), 0),
      cmbxLightSource(ColourTemperatureNames(LightSources), 0),
      rdgpGN1(GuideNumberUnitNames(), 0),
      cmbxGNISO1(IsoSettings, GuideNumberIso1),
      cmbxGNPower(PowerSettingNames(), 0),
      rdgpGN2(GuideNumberUnitNames(), 0),
      cmbxGNISO2(IsoSettings, GuideNumberIso2)
{
    for (TControl* input :
         std::initializer_list<TControl*>{&cmbxFilmType, &cmbxLightSource, &edtGN, &cmbxGNISO1, &cmbxGNPower,
                                          &cmbxGNISO2, &edtGN2, &edtGN2Distance, &edtGN2FRatio})
        input->setColor(clInput);
    const QString flashHint = tr("takes into account ISO, filter, and power setting");
    for (TLabel* result : {&lblGNconv, &lblGN2fratio, &lblGN2distance})
        result->setHint(flashHint);
    bindHandlers();
}

void TConversionsPage::bindHandlers()
{
    cmbxFilmType.onChange = [this] { cmbxFilmTypeChange(); };
    cmbxLightSource.onChange = [this] { cmbxFilmTypeChange(); };
    for (TList* list :
         {&cmbxGNISO1, &cmbxGNPower, &cmbxGNISO2, static_cast<TList*>(&rdgpGN1), static_cast<TList*>(&rdgpGN2)})
        list->onChange = [this] { edtGNChange(); };
    edtGN.onChange = [this] { edtGNChange(); };
    for (TEdit* edit : {&edtGN2, &edtGN2Distance, &edtGN2FRatio})
        edit->onChange = [this] { edtGN2Change(); };
}

void TConversionsPage::cmbxFilmTypeChange()
{
    const double film = kelvin(cmbxFilmType, FilmTypes);
    const double source = kelvin(cmbxLightSource, LightSources);
    const double shift = RoundTo((Divide(1, film) - Divide(1, source)) * 1000000, 0);
    lblMiredShift.setText(FloatToStr(shift));

    const TFilterChoice choice = FiltersForShift(int(shift));
    if (choice.count == 0)
        lblFilterNeeded.setText(QStringLiteral(" ") + tr("No filter needed"));
    else
        //: %1 lists the filters and their tint, such as " 81D + 81C (yellowish)"; %2 is a number.
        lblFilterNeeded.setText(
            tr("%1 filter exposure compensation = %2stops").arg(choice.filters, FloatToStr(choice.stops)));
}

void TConversionsPage::edtGNChange()
{
    double guideNumber = StrToFloat(edtGN.text());
    const double units1 = unitFactor(rdgpGN1);
    const double units2 = unitFactor(rdgpGN2);
    const int iso1 = StrToInt(cmbxGNISO1.text());
    const int iso2 = StrToInt(cmbxGNISO2.text());
    guideNumber *= powerFactor(cmbxGNPower);
    lblGNconv.setText(RoundedText(CheckedSqrt(Divide(iso2, iso1)) * guideNumber * (units2 / units1), 1));
}

void TConversionsPage::edtGN2Change()
{
    if (assigned(edtGN2Distance))
        lblGN2fratio.setText(RoundedText(Divide(StrToFloat(edtGN2.text()), StrToFloat(edtGN2Distance.text())), 1));
    else
        lblGN2fratio.setText(tr("N/A - no value assigned to distance"));

    if (assigned(edtGN2FRatio))
        lblGN2distance.setText(RoundedText(Divide(StrToFloat(edtGN2.text()), StrToFloat(edtGN2FRatio.text())), 1));
    else
        lblGN2distance.setText(tr("N/A - no value assigned to f/ratio"));
}
