// The sun-and-moon page: the timer that drives the almanac windows, the location caption and
// the model-comfort estimate.

#include "calculator/frmmain.h"
#include "calculator/model_comfort.h"
#include "controls/numbers.h"
#include "locations/frmlocations.h"
#include "moonwindow/mainform.h"
#include "moredata/frmmore.h"

#include <cmath>

namespace {

const QString DegreesC = QStringLiteral(" degrees C");
// The caption of lblLocation until the location has been shown.
const QString LocationCaption = QStringLiteral("Location:");

}  // namespace

void TFrmMain::bindSunHandlers()
{
    btnLocation.onClick = [this] { btnLocationClick(); };
    btnUTCTime.onClick = [this] { btnUTCTimeClick(); };
    for (TEdit* input : {&edtTemp, &edtHumidity, &edtWind, &edtSunElev, &edtSolarCorr})
        input->onChange = [this] { edtTempChange(); };
}

void TFrmMain::connectWindows(TMainForm* moon, Tfrm_more* more, Tfrm_locations* locations)
{
    FMoonForm = moon;
    MoonWindow = moon;
    FMore = more;
    FLocations = locations;
}

void TFrmMain::TimerTimer()
{
    if (FMoonForm)
        FMoonForm->TimerTimer();
    RefreshAlmanacDay();
    if (lblLocation.text() == LocationCaption)
        ShowLocation();
}

// Rise, transit and set belong to a universal-time day: they are recomputed when the almanac's
// instant enters another day, for the location current in the editor.
void TFrmMain::RefreshAlmanacDay()
{
    if (!FMore || std::trunc(Moon.date()) == std::trunc(LastAlmanacDay))
        return;
    FollowEditorLocation();
    LastAlmanacDay = Moon.date();
}

// The editor's index means the same place in the More Data window only while both hold the
// stored list, so that window first takes the list the editor may have saved since.
void TFrmMain::FollowEditorLocation()
{
    if (FMore) {
        if (FLocations) {
            FMore->ReloadLocations();
            FMore->cbx_location.assignItemIndex(FLocations->lbx_location.itemIndex());
        }
        FMore->LocationChange();
    }
    ShowLocation();
}

void TFrmMain::FollowMoreDataLocation(int index)
{
    if (!FLocations)
        return;
    FLocations->ChooseStoredLocation(index);
    ShowLocation();
}

void TFrmMain::FormClose()
{
    if (FMore)
        FMore->SaveAndReleaseLocations();
}

void TFrmMain::ShowLocation()
{
    if (!FLocations)
        return;
    lblLocation.setText(QStringLiteral("Location: ") + FLocations->edt_name.text() + QStringLiteral(" Longitude ") +
                        FLocations->edt_longitude.text() + QStringLiteral(" Latitude ") +
                        FLocations->edt_latitude.text());
}

void TFrmMain::btnLocationClick()
{
    if (FLocations && FLocations->ShowModal() == TModalResult::OK)
        FollowEditorLocation();
}

void TFrmMain::btnUTCTimeClick()
{
    if (FMoonForm)
        FMoonForm->mnu_utcClick();
}

void TFrmMain::edtTempChange()
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
    lblTempAppShade.setText(RoundedText(ApparentTempShade(ta, e, ws), 1) + DegreesC);
    lblTempAppSun.setText(RoundedText(ApparentTempSun(ta, e, ws, elevation, factor), 1) + DegreesC);
}
