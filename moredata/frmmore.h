#pragma once
// The More Data window: the year's events around a day for a location chosen from the stored
// list, that day's rise, transit and set times and its light. The day is the almanac clock's
// until the user picks another. Today's rise, transit and set times also go to the
// calculator's sun-and-moon page, whichever day this window shows.

#include "controls/button.h"
#include "controls/clock.h"
#include "controls/dateedit.h"
#include "controls/edit.h"
#include "controls/list.h"
#include "controls/shownclock.h"
#include "controls/timer.h"
#include "controls/window.h"
#include "locations/location.h"
#include "moredata/yearevents.h"

#include <QString>
#include <QStringList>
#include <memory>

class TFrmMain;

// The zodiac animals, index = earthly branch (0 Rat .. 11 Pig); filled by LocalizeAndArrange.
extern QStringList AnimalNames;

class Tfrm_more final : public TWindow {
public:
    // Topic of the help document for this window.
    static constexpr int HelpContext = 1003;

    // Runs FormCreate: the window is shown and hidden once, which loads the locations from
    // `settingsFileName` (used by every later load and save) and fills every value.
    Tfrm_more(TFrmMain& calculator, const TClock& clock, const QString& settingsFileName);

    TLabel lbl_location, lbl_latitude, lbl_longitude;
    TList cbx_location;
    TLabel val_latitude, val_longitude;

    // The day shown, in the historical calendar (universal time). The last year is left out:
    // the next events after a day of it fall beyond the calendar's end.
    TLabel lbl_day;
    TDateEdit dtp_day{QDate(100, 1, 1), QDate(9998, 12, 31)};
    TButton btn_today;

    TLabel lbl_spring, lbl_summer, lbl_autumn, lbl_winter;
    TLabel val_spring, val_summer, val_autumn, val_winter;
    TLabel lbl_sunrise, lbl_suntransit, lbl_sunset;
    TLabel val_sunrise, val_suntransit, val_sunset;
    TLabel lbl_perihel, lbl_aphel;
    TLabel val_perihel, val_aphel;
    TLabel lbl_suneclipse;
    TLabel val_suneclipse, typ_suneclipse;

    TLabel lbl_easter, lbl_pesach, lbl_chinese;
    TLabel val_easter, val_pesach, val_chinese;
    TLabel lbl_moonrise, lbl_moontransit, lbl_moonset;
    TLabel val_moonrise, val_moontransit, val_moonset;
    TLabel lbl_perigee, lbl_apogee;
    TLabel val_perigee, val_apogee;
    TLabel lbl_mooneclipse;
    TLabel val_mooneclipse, typ_mooneclipse;

    // The light of the day: the morning from the darkest sky up, the evening mirrored.
    TLabel lbl_light, lbl_morning, lbl_evening;
    TLabel lbl_astrodawn, lbl_nauticaldawn, lbl_civildawn, lbl_bluemorning, lbl_goldenmorning, lbl_sunriselight;
    TLabel val_astrodawn, val_nauticaldawn, val_civildawn, val_bluemorning, val_goldenmorning, val_sunriselight;
    TLabel lbl_sunsetlight, lbl_goldenevening, lbl_blueevening, lbl_civildusk, lbl_nauticaldusk, lbl_astrodusk;
    TLabel val_sunsetlight, val_goldenevening, val_blueevening, val_civildusk, val_nauticaldusk, val_astrodusk;
    TLabel lbl_moonriselight, lbl_moonsetlight;
    TLabel val_moonriselight, val_moonsetlight;

    TLabel Label1{QStringLiteral("Local time is UTC plus")};
    TLabel lblTimeBias;
    // Runs LocationChange every 65.535 s, shown or not.
    TTimer Timer{65535};

    void FormCreate();
    void FormShow() override;
    void FormHide() override {}
    void LocationChange();
    // A location picked in the list: shown here at once, and made the program's current one.
    void cbx_locationChange();
    // Replaces this window's copy of the stored locations with the file's list and selects the
    // stored current index; computes nothing.
    void ReloadLocations();
    void LocalizeAndArrange();
    // A day picked in the date field: the window shows it from now on, whatever the clock does.
    void dtp_dayChange();
    // The window follows the almanac clock's day again.
    void btn_todayClick();
    // Whether the shown day is the almanac clock's (no day picked since start or "Today").
    bool FollowsClock() const { return FFollowClock; }
    // Stores the selected location as the current one at program end. Only the index is
    // written, never this window's copy of the list, so that locations the editor saved after
    // the copy was loaded survive. Then releases the copy.
    void SaveAndReleaseLocations();

    // The moon window's clock base after the user set a time there: the platform clock reading
    // (local time) at that moment and the local time then shown. This window's instant then
    // runs at normal speed from the set time.
    void SetClockBase(double realBase, double shownBase);

    // The current instant in universal time (TDateTime).
    double UniversalNow() const;
    // The window's copy of the stored locations; null until first shown and after release.
    const TLocationList* Locations() const { return FLocations.get(); }

private:
    void ShowSeasons(const TYearEvents& events);
    void ShowSeasonHints(double latitude);
    void ShowOrbitEvents(const TYearEvents& events);
    void ShowEclipses(const TYearEvents& events);
    void ShowFeasts(const TYearEvents& events);
    void ShowRiseTransitSet(double today, double day, double latitude, double longitude);
    void ShowLight(double day, double latitude, double longitude);
    void ClearDayValues();

    TFrmMain& FCalculator;
    const TClock& FClock;
    // Runs at normal speed only.
    TShownClock FShownClock;
    const QString FSettingsFileName;
    std::unique_ptr<TLocationList> FLocations;
    bool FFollowClock = true;
    // The shown day (whole day number) while one is picked.
    double FChosenDay = 0;
};
