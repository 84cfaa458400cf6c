#pragma once
// The sun-and-moon page: the almanac that the moon window writes, the rise and set times that
// the More Data window writes, and the model-comfort estimate.

#include "almanac/placestore.h"
#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "moonpicture/moon.h"

#include <QCoreApplication>

class TMainForm;
class Tfrm_locations;
class Tfrm_more;

class TSunPage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TSunPage)

public:
    // The clock dates the page's moon picture until the almanac sets it.
    explicit TSunPage(const TClock& clock);
    TSunPage(const TSunPage&) = delete;
    TSunPage& operator=(const TSunPage&) = delete;

    // Almanac captions and the values the moon window writes.
    CONTROL(TLabel, lbl_julian, tr("Julian date:"));
    CONTROL(TLabel, val_julian);
    CONTROL(TLabel, lbl_utc, tr("Universal time:"));
    CONTROL(TLabel, val_utc);
    CONTROL(TLabel, lbl_local, tr("Local time:"));
    CONTROL(TLabel, val_local);
    CONTROL(TLabel, lbl_age, tr("Age of the moon:"));
    CONTROL(TLabel, val_age);
    CONTROL(TLabel, lbl_phase, tr("Moon phase:"));
    CONTROL(TLabel, val_phase);
    CONTROL(TLabel, lbl_moon_distance, tr("Moon's distance:"));
    CONTROL(TLabel, val_moon_distance);
    CONTROL(TLabel, lbl_moon_subtend, tr("Moon subtends:"));
    CONTROL(TLabel, val_moon_subtend);
    CONTROL(TLabel, lbl_sun_distance, tr("Sun's distance:"));
    CONTROL(TLabel, val_sun_distance);
    CONTROL(TLabel, lbl_sun_subtend, tr("Sun subtends:"));
    CONTROL(TLabel, val_sun_subtend);
    CONTROL(TLabel, lbl_lastnew, tr("Last new moon:"));
    CONTROL(TLabel, val_newmoon);
    CONTROL(TLabel, lbl_firstquart, tr("First quarter:"));
    CONTROL(TLabel, val_firstquart);
    CONTROL(TLabel, lbl_full, tr("Full moon:"));
    CONTROL(TLabel, val_full);
    CONTROL(TLabel, lbl_lastquart, tr("Last quarter:"));
    CONTROL(TLabel, val_lastquart);
    CONTROL(TLabel, lbl_nextnew, tr("New new moon:"));
    CONTROL(TLabel, val_nextnew);
    CONTROL(TLabel, lbl_lastlunation, tr("Lunation:"));
    CONTROL(TLabel, val_lastlunation);
    CONTROL(TLabel, lbl_nextlunation, tr("Lunation:"));
    CONTROL(TLabel, val_nextlunation);
    CONTROL(TLabel, Label110, tr("Sun azimuth:"));
    CONTROL(TLabel, lblSunAzimuth);
    CONTROL(TLabel, Label111, tr("Sun elevation:"));
    CONTROL(TLabel, lblSunElevation);

    // Rise, transit and set, written by the More Data window.
    CONTROL(TLabel, lbl_sunrise, tr("Sun rise:"));
    CONTROL(TLabel, val_sunrise, "val_sunrise");
    CONTROL(TLabel, lbl_suntransit, tr("Sun transit:"));
    CONTROL(TLabel, val_suntransit, "val_suntransit");
    CONTROL(TLabel, lbl_sunset, tr("Sun set:"));
    CONTROL(TLabel, val_sunset, "val_sunset");
    CONTROL(TLabel, lbl_moonrise, tr("Moon rise:"));
    CONTROL(TLabel, val_moonrise, "val_moonrise");
    CONTROL(TLabel, lbl_moontransit, tr("Moon transit:"));
    CONTROL(TLabel, val_moontransit, "val_moontransit");
    CONTROL(TLabel, lbl_moonset, tr("Moon set:"));
    CONTROL(TLabel, val_moonset, "val_moonset");

    // The 265 x 265 compass on which the sun's bearing is drawn.
    CONTROL(TImage, ImgSunPos, 265, 265);
    CONTROL(TLabel, lblSunVisible, tr("Night time, no sun"));
    CONTROL(TLabel, lblLocation, tr("Location:"));
    CONTROL(TLabel, Label129,
            tr("by default, UTC is calculated based on current computer  location and clock. Use this button to set "
               "UTC manually."));
    CONTROL(TButton, btnUTCTime, tr("Set UTC time"));
    CONTROL(TButton, btnLocation, tr("Set Location"));

    // Model comfort.
    CONTROL(TEdit, edtTemp, "18");
    CONTROL(TEdit, edtHumidity, "50");
    CONTROL(TEdit, edtWind, "0");
    CONTROL(TEdit, edtSunElev, "90");
    CONTROL(TCheckBox, chbxSunElev, true);
    CONTROL(TEdit, edtSolarCorr, "1");
    CONTROL(TLabel, lblTempAppShade, "lblTempAppShade");
    CONTROL(TLabel, lblTempAppSun, "lblTempAppSun");
    CONTROL(TMemo, MemoComfort);

    // The page's moon picture.
    CONTROL(TMoon, Moon);

    // The instant seen at the previous day-change check.
    double LastAlmanacDay = 0;

    // The windows whose location and almanac this page shows; until they are connected those
    // steps are left out. The page shows the current place of the editor's store, and follows
    // it as it changes.
    void connectWindows(TMainForm* moon, Tfrm_more* more, Tfrm_locations* locations);
    // The timer's step for this page, after the moon window has written the almanac.
    void Tick();
    void ShowLocation();
    void btnLocationClick();
    void btnUTCTimeClick();
    void edtTempChange();

private:
    void bindHandlers();
    void RefreshAlmanacDay();

    TMainForm* FMoonForm = nullptr;
    Tfrm_more* FMore = nullptr;
    Tfrm_locations* FLocations = nullptr;
    TPlaceStore::TSubscription FPlacesChanged;
};
