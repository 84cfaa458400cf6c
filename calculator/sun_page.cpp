// The sun-and-moon page: the almanac day, the location caption and the model-comfort estimate.

#include "calculator/sun_page.h"

#include "calculator/comfort_text.h"
#include "calculator/model_comfort.h"
#include "controls/numbers.h"
#include "locations/coordinatetext.h"
#include "locations/frmlocations.h"
#include "moonwindow/mainform.h"
#include "moredata/frmmore.h"
#include "texts/stringtable.h"

#include <cmath>

namespace {

QString degreesCelsiusText(double degrees) { return TSunPage::tr("%1 degrees C").arg(RoundedText(degrees, 1)); }

}  // namespace

TSunPage::TSunPage(const TClock& clock)
    : Moon(clock)
{
    btnLocation.setHint(tr("Choose or edit the place whose sun, moon and light these pages show"));
    MemoComfort.setText(QCoreApplication::translate("ComfortText", ComfortText));
    chbxSunElev.setHint(tr("check to use the current calculated position"));
    for (TEdit* input : {&edtTemp, &edtHumidity, &edtWind, &edtSunElev, &edtSolarCorr})
        input->setColor(clInput);
    bindHandlers();
}

void TSunPage::bindHandlers()
{
    btnLocation.onClick = [this] { btnLocationClick(); };
    btnUTCTime.onClick = [this] { btnUTCTimeClick(); };
    for (TEdit* input : {&edtTemp, &edtHumidity, &edtWind, &edtSunElev, &edtSolarCorr})
        input->onChange = [this] { edtTempChange(); };
}

void TSunPage::connectWindows(TMainForm* moon, Tfrm_more* more, Tfrm_locations* locations)
{
    FMoonForm = moon;
    FMore = more;
    FLocations = locations;
    FPlacesChanged =
        locations ? locations->store().subscribe([this] { ShowLocation(); }) : TPlaceStore::TSubscription();
}

void TSunPage::Tick()
{
    RefreshAlmanacDay();
    // The caption stays as declared until the location has been shown.
    if (lblLocation.text() == tr("Location:"))
        ShowLocation();
}

// Rise, transit and set belong to the place's local day: More Data, which writes them here,
// recomputes them when the almanac's instant enters another day there.
void TSunPage::RefreshAlmanacDay()
{
    if (!FMore || FMore->PlaceDayNumberAt(Moon.date()) == FMore->PlaceDayNumberAt(LastAlmanacDay))
        return;
    FMore->LocationChange();
    ShowLocation();
    LastAlmanacDay = Moon.date();
}

void TSunPage::ShowLocation()
{
    if (!FLocations)
        return;
    const TLocation* place = FLocations->store().current();
    // A deleted place is never named, nor is the sun shown for 0 degrees, 0 degrees.
    if (!place) {
        lblLocation.setText(LocalString(42174));
        return;
    }
    lblLocation.setText(tr("Location: %1 Longitude %2 Latitude %3")
                            .arg(place->Name, AngleToEditText(place->Longitude), AngleToEditText(place->Latitude)));
}

// A confirmed choice reaches every window through the store.
void TSunPage::btnLocationClick()
{
    if (FLocations)
        FLocations->ShowModal();
}

void TSunPage::btnUTCTimeClick()
{
    if (FMoonForm)
        FMoonForm->mnu_utcClick();
}

void TSunPage::edtTempChange()
{
    for (const TEdit* input : {&edtTemp, &edtHumidity, &edtWind, &edtSunElev, &edtSolarCorr})
        if (input->text().isEmpty())
            return;
    const double ta = StrToFloat(edtTemp.text());
    const double ws = StrToFloat(edtWind.text());
    const double rh = StrToFloat(edtHumidity.text());
    const double elevation = StrToFloat(edtSunElev.text());
    const double factor = StrToFloat(edtSolarCorr.text());
    const double e = VapourPressure(ta, rh);
    lblTempAppShade.setText(degreesCelsiusText(ApparentTempShade(ta, e, ws)));
    lblTempAppSun.setText(degreesCelsiusText(ApparentTempSun(ta, e, ws, elevation, factor)));
}
