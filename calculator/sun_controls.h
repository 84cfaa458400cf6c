#pragma once
// The sun-and-moon page: the almanac that the moon window writes, the rise and set times that
// the More Data window writes, and the model-comfort estimate.

#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "moonpicture/moon.h"

struct TSunControls {
    // Almanac captions and the values the moon window writes.
    TLabel lbl_julian{"Julian date:"};
    TLabel val_julian;
    TLabel lbl_utc{"Universal time:"};
    TLabel val_utc;
    TLabel lbl_local{"Local time:"};
    TLabel val_local;
    TLabel lbl_age{"Age of the moon:"};
    TLabel val_age;
    TLabel lbl_phase{"Moon phase:"};
    TLabel val_phase;
    TLabel lbl_moon_distance{"Moon's distance:"};
    TLabel val_moon_distance;
    TLabel lbl_moon_subtend{"Moon subtends:"};
    TLabel val_moon_subtend;
    TLabel lbl_sun_distance{"Sun's distance:"};
    TLabel val_sun_distance;
    TLabel lbl_sun_subtend{"Sun subtends:"};
    TLabel val_sun_subtend;
    TLabel lbl_lastnew{"Last new moon:"};
    TLabel val_newmoon;
    TLabel lbl_firstquart{"First quarter:"};
    TLabel val_firstquart;
    TLabel lbl_full{"Full moon:"};
    TLabel val_full;
    TLabel lbl_lastquart{"Last quarter:"};
    TLabel val_lastquart;
    TLabel lbl_nextnew{"New new moon:"};
    TLabel val_nextnew;
    TLabel lbl_lastlunation{"Lunation:"};
    TLabel val_lastlunation;
    TLabel lbl_nextlunation{"Lunation:"};
    TLabel val_nextlunation;
    TLabel Label110{"Sun azimuth:"};
    TLabel lblSunAzimuth;
    TLabel Label111{"Sun elevation:"};
    TLabel lblSunElevation;

    // Rise, transit and set, written by the More Data window.
    TLabel lbl_sunrise{"Sun rise:"};
    TLabel val_sunrise{"val_sunrise"};
    TLabel lbl_suntransit{"Sun transit:"};
    TLabel val_suntransit{"val_suntransit"};
    TLabel lbl_sunset{"Sun set:"};
    TLabel val_sunset{"val_sunset"};
    TLabel lbl_moonrise{"Moon rise:"};
    TLabel val_moonrise{"val_moonrise"};
    TLabel lbl_moontransit{"Moon transit:"};
    TLabel val_moontransit{"val_moontransit"};
    TLabel lbl_moonset{"Moon set:"};
    TLabel val_moonset{"val_moonset"};

    // The 265 x 265 compass on which the sun's bearing is drawn.
    TImage ImgSunPos{265, 265};
    TLabel lblSunVisible{"Night time, no sun"};
    TLabel lblLocation{"Location:"};
    TLabel Label129{"by default, UTC is calculated based on current computer  location and clock. Use this button to set UTC manually."};
    TButton btnUTCTime{"Set UTC time"};
    TButton btnLocation{"Set Location"};

    // Model comfort.
    TEdit edtTemp{"18"};
    TEdit edtHumidity{"50"};
    TEdit edtWind{"0"};
    TEdit edtSunElev{"90"};
    TCheckBox chbxSunElev{true};
    TEdit edtSolarCorr{"1"};
    TLabel lblTempAppShade{"lblTempAppShade"};
    TLabel lblTempAppSun{"lblTempAppSun"};
    TMemo MemoComfort;

    // The page's moon picture.
    TMoon Moon;

    explicit TSunControls(const TClock& clock);
};
