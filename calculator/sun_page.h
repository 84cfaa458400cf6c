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

class TMainForm;
class Tfrm_locations;
class Tfrm_more;

class TSunPage : public TControlOwner {
public:
    // The clock dates the page's moon picture until the almanac sets it.
    explicit TSunPage(const TClock& clock);
    TSunPage(const TSunPage&) = delete;
    TSunPage& operator=(const TSunPage&) = delete;

    // Almanac captions and the values the moon window writes.
    CONTROL(TLabel, lbl_julian, "Julian date:");
    CONTROL(TLabel, val_julian);
    CONTROL(TLabel, lbl_utc, "Universal time:");
    CONTROL(TLabel, val_utc);
    CONTROL(TLabel, lbl_local, "Local time:");
    CONTROL(TLabel, val_local);
    CONTROL(TLabel, lbl_age, "Age of the moon:");
    CONTROL(TLabel, val_age);
    CONTROL(TLabel, lbl_phase, "Moon phase:");
    CONTROL(TLabel, val_phase);
    CONTROL(TLabel, lbl_moon_distance, "Moon's distance:");
    CONTROL(TLabel, val_moon_distance);
    CONTROL(TLabel, lbl_moon_subtend, "Moon subtends:");
    CONTROL(TLabel, val_moon_subtend);
    CONTROL(TLabel, lbl_sun_distance, "Sun's distance:");
    CONTROL(TLabel, val_sun_distance);
    CONTROL(TLabel, lbl_sun_subtend, "Sun subtends:");
    CONTROL(TLabel, val_sun_subtend);
    CONTROL(TLabel, lbl_lastnew, "Last new moon:");
    CONTROL(TLabel, val_newmoon);
    CONTROL(TLabel, lbl_firstquart, "First quarter:");
    CONTROL(TLabel, val_firstquart);
    CONTROL(TLabel, lbl_full, "Full moon:");
    CONTROL(TLabel, val_full);
    CONTROL(TLabel, lbl_lastquart, "Last quarter:");
    CONTROL(TLabel, val_lastquart);
    CONTROL(TLabel, lbl_nextnew, "New new moon:");
    CONTROL(TLabel, val_nextnew);
    CONTROL(TLabel, lbl_lastlunation, "Lunation:");
    CONTROL(TLabel, val_lastlunation);
    CONTROL(TLabel, lbl_nextlunation, "Lunation:");
    CONTROL(TLabel, val_nextlunation);
    CONTROL(TLabel, Label110, "Sun azimuth:");
    CONTROL(TLabel, lblSunAzimuth);
    CONTROL(TLabel, Label111, "Sun elevation:");
    CONTROL(TLabel, lblSunElevation);

    // Rise, transit and set, written by the More Data window.
    CONTROL(TLabel, lbl_sunrise, "Sun rise:");
    CONTROL(TLabel, val_sunrise, "val_sunrise");
    CONTROL(TLabel, lbl_suntransit, "Sun transit:");
    CONTROL(TLabel, val_suntransit, "val_suntransit");
    CONTROL(TLabel, lbl_sunset, "Sun set:");
    CONTROL(TLabel, val_sunset, "val_sunset");
    CONTROL(TLabel, lbl_moonrise, "Moon rise:");
    CONTROL(TLabel, val_moonrise, "val_moonrise");
    CONTROL(TLabel, lbl_moontransit, "Moon transit:");
    CONTROL(TLabel, val_moontransit, "val_moontransit");
    CONTROL(TLabel, lbl_moonset, "Moon set:");
    CONTROL(TLabel, val_moonset, "val_moonset");

    // The 265 x 265 compass on which the sun's bearing is drawn.
    CONTROL(TImage, ImgSunPos, 265, 265);
    CONTROL(TLabel, lblSunVisible, "Night time, no sun");
    CONTROL(TLabel, lblLocation, "Location:");
    CONTROL(TLabel, Label129,
            "by default, UTC is calculated based on current computer  location and clock. Use this button to set UTC "
            "manually.");
    CONTROL(TButton, btnUTCTime, "Set UTC time");
    CONTROL(TButton, btnLocation, "Set Location");

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
