#pragma once
// The More Data window: the year's events around a day for a location chosen from the
// program's places (TPlaceStore), that day's rise, transit and set times and its light. The day
// is the almanac clock's until the user picks another. Today's rise, transit and set times also
// go to the calculator's sun-and-moon page, whichever day this window shows.

#include "almanac/almanacclock.h"
#include "almanac/placestore.h"
#include "almanac/placezone.h"
#include "almanac/timesshown.h"
#include "controls/button.h"
#include "controls/clock.h"
#include "controls/dateedit.h"
#include "controls/edit.h"
#include "controls/list.h"
#include "controls/timer.h"
#include "controls/window.h"
#include "locations/location.h"
#include "moredata/lastcomputed.h"
#include "moredata/lightexport.h"
#include "moredata/yearevents.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class TFrmMain;
class Tfrm_planner;

// The zodiac animals, index = earthly branch (0 Rat .. 11 Pig); filled by LocalizeAndArrange.
extern QStringList AnimalNames;

class Tfrm_more final : public TWindow {
public:
    // Topic of the help document for this window.
    static constexpr int HelpContext = 1003;

    // Runs FormCreate: the window is shown and hidden once, which fills every value for the
    // places of `store`.
    Tfrm_more(TFrmMain& calculator, const TClock& clock, TPlaceStore& store);
    // The same with places of its own, read from `settingsFileName`.
    Tfrm_more(TFrmMain& calculator, const TClock& clock, const QString& settingsFileName);
    ~Tfrm_more() override;

    CONTROL(TLabel, lbl_location);
    CONTROL(TLabel, lbl_latitude);
    CONTROL(TLabel, lbl_longitude);
    CONTROL(TList, cbx_location);
    CONTROL(TLabel, val_latitude);
    CONTROL(TLabel, val_longitude);

    // The day shown, in the historical calendar: the place's local day. The last year is left out:
    // the next events after a day of it fall beyond the calendar's end.
    CONTROL(TLabel, lbl_day);
    CONTROL(TDateEdit, dtp_day, QDate(100, 1, 1), QDate(9998, 12, 31));
    CONTROL(TButton, btn_today);

    CONTROL(TLabel, lbl_spring);
    CONTROL(TLabel, lbl_summer);
    CONTROL(TLabel, lbl_autumn);
    CONTROL(TLabel, lbl_winter);
    CONTROL(TLabel, val_spring);
    CONTROL(TLabel, val_summer);
    CONTROL(TLabel, val_autumn);
    CONTROL(TLabel, val_winter);
    CONTROL(TLabel, lbl_sunrise);
    CONTROL(TLabel, lbl_suntransit);
    CONTROL(TLabel, lbl_sunset);
    CONTROL(TLabel, val_sunrise);
    CONTROL(TLabel, val_suntransit);
    CONTROL(TLabel, val_sunset);
    CONTROL(TLabel, lbl_perihel);
    CONTROL(TLabel, lbl_aphel);
    CONTROL(TLabel, val_perihel);
    CONTROL(TLabel, val_aphel);
    CONTROL(TLabel, lbl_suneclipse);
    CONTROL(TLabel, val_suneclipse);
    CONTROL(TLabel, typ_suneclipse);

    CONTROL(TLabel, lbl_easter);
    CONTROL(TLabel, lbl_pesach);
    CONTROL(TLabel, lbl_chinese);
    CONTROL(TLabel, val_easter);
    CONTROL(TLabel, val_pesach);
    CONTROL(TLabel, val_chinese);
    CONTROL(TLabel, lbl_moonrise);
    CONTROL(TLabel, lbl_moontransit);
    CONTROL(TLabel, lbl_moonset);
    CONTROL(TLabel, val_moonrise);
    CONTROL(TLabel, val_moontransit);
    CONTROL(TLabel, val_moonset);
    CONTROL(TLabel, lbl_perigee);
    CONTROL(TLabel, lbl_apogee);
    CONTROL(TLabel, val_perigee);
    CONTROL(TLabel, val_apogee);
    CONTROL(TLabel, lbl_mooneclipse);
    CONTROL(TLabel, val_mooneclipse);
    CONTROL(TLabel, typ_mooneclipse);

    // The light of the day: the morning from the darkest sky up, the evening mirrored.
    CONTROL(TLabel, lbl_light);
    CONTROL(TLabel, lbl_morning);
    CONTROL(TLabel, lbl_evening);
    CONTROL(TLabel, lbl_astrodawn);
    CONTROL(TLabel, lbl_nauticaldawn);
    CONTROL(TLabel, lbl_civildawn);
    CONTROL(TLabel, lbl_bluemorning);
    CONTROL(TLabel, lbl_goldenmorning);
    CONTROL(TLabel, lbl_sunriselight);
    CONTROL(TLabel, val_astrodawn);
    CONTROL(TLabel, val_nauticaldawn);
    CONTROL(TLabel, val_civildawn);
    CONTROL(TLabel, val_bluemorning);
    CONTROL(TLabel, val_goldenmorning);
    CONTROL(TLabel, val_sunriselight);
    CONTROL(TLabel, lbl_sunsetlight);
    CONTROL(TLabel, lbl_goldenevening);
    CONTROL(TLabel, lbl_blueevening);
    CONTROL(TLabel, lbl_civildusk);
    CONTROL(TLabel, lbl_nauticaldusk);
    CONTROL(TLabel, lbl_astrodusk);
    CONTROL(TLabel, val_sunsetlight);
    CONTROL(TLabel, val_goldenevening);
    CONTROL(TLabel, val_blueevening);
    CONTROL(TLabel, val_civildusk);
    CONTROL(TLabel, val_nauticaldusk);
    CONTROL(TLabel, val_astrodusk);
    CONTROL(TLabel, lbl_moonriselight);
    CONTROL(TLabel, lbl_moonsetlight);
    CONTROL(TLabel, val_moonriselight);
    CONTROL(TLabel, val_moonsetlight);

    // The night from the shown day's noon to the next: its dark sky and the Milky Way's core.
    CONTROL(TLabel, lbl_night);
    CONTROL(TLabel, lbl_darksky);
    CONTROL(TLabel, val_darksky);
    CONTROL(TLabel, lbl_mwcore);
    CONTROL(TLabel, val_mwcore);

    CONTROL(TLabel, Label1, QStringLiteral("Time zone:"));
    CONTROL(TLabel, lblTimeBias);
    // Exports the light of the place for days from the shown one; only with a place.
    CONTROL(TButton, btn_export);
    // Opens the planner's sky chart of the shown day; only with a place.
    CONTROL(TButton, btn_chart);
    // Runs LocationChange every 65.535 s, shown or not.
    CONTROL(TTimer, Timer, 65535);

    void FormCreate();
    void FormShow() override;
    void FormHide() override {}
    void LocationChange();
    // A location picked in the list becomes the program's current one, which every window
    // then shows. Throws EUserError "Unable to write to <file>" when its index cannot be stored.
    void cbx_locationChange();
    // The places read again from the settings file; the window shows them.
    void ReloadLocations();
    void LocalizeAndArrange();
    // A day picked in the date field: the window shows it from now on, whatever the clock does.
    void dtp_dayChange();
    // The window follows the almanac clock's day again.
    void btn_todayClick();
    // Asks what to export (onChooseLightExport), then where (onChooseLightFile), and exports.
    // Throws EUserError as ExportLight does, a count of days outside 1..366 before a file is
    // asked for.
    void btn_exportClick();
    // Shows the planner (given by ConnectPlanner) on the shown day at the selected place; it
    // follows the window's day and place while it is open.
    void btn_chartClick();
    void ConnectPlanner(Tfrm_planner* planner) { FPlanner = planner; }
    // Writes the light of the selected place, choice.Days of its local days from the shown day
    // on, to `fileName` in choice.Format: the rows or the calendar that `shutterly --light`
    // gives for them, local times on the place's clock, the calendar made at the clock's instant.
    // Throws EUserError for a count outside 1..366 and for days outside the years 1583..9999,
    // writing nothing; "Unable to write to <file>", leaving the file as it was.
    void ExportLight(const TLightExportChoice& choice, const QString& fileName) const;
    // Whether the shown day is the almanac clock's (no day picked since start or "Today").
    bool FollowsClock() const { return FFollowClock; }
    // Stores the current location's index at program end. Only the index is written, never
    // the list, so that locations saved to the file by other means survive.
    void SaveCurrentLocation();

    // The almanac clock this window reads from now on (the moon window's); until one is given
    // and after null, a clock of its own that shows the platform's time.
    void UseAlmanacClock(const TAlmanacClock* clock);
    // The export's dialogs, which the view supplies. The first asks for the days and the format,
    // starting from `choice`, and returns false when the user cancels; the second asks for the
    // file, proposing a name for `format`, and returns an empty name when the user cancels.
    std::function<bool(TLightExportChoice& choice)> onChooseLightExport;
    std::function<QString(const QString& proposed, TLightFileFormat format)> onChooseLightFile;

    // Shows the times on the place's clock, the computer's or in universal time from now on.
    void SetTimesShown(TTimesShown times);
    TTimesShown TimesShown() const { return FTimesShown; }

    // The current instant in universal time (TDateTime).
    double UniversalNow() const;
    // The local day number, at the place picked in the list, of the instant ut (universal
    // time); the UT day's without a place.
    double PlaceDayNumberAt(double ut) const;
    // The location picked in the list (the program's current one); null when there is none.
    const TLocation* SelectedLocation() const;
    const TLocationList& Locations() const;

private:
    // What today's sky is computed from.
    struct TDayAtPlace {
        astro::TDateTime Start, End;
        double Latitude, Longitude;
        bool operator==(const TDayAtPlace&) const = default;
    };

    void bindHandlers();
    // The list shows the places and the current one; the values follow.
    void ShowPlaces();
    void ShowSeasons(const TYearEvents& events, const TPlaceZone& shown);
    void ShowSeasonHints(double latitude);
    void ShowOrbitEvents(const TYearEvents& events, const TPlaceZone& shown);
    void ShowEclipses(const TYearEvents& events, const TPlaceZone& shown);
    void ShowFeasts(const TYearEvents& events);
    // The day's moonrise and moonset are taken from its light where there is one.
    void ShowRiseTransitSet(const TLocalDay& today, const TLocalDay& day, const std::optional<astro::TDayLight>& light,
                            const TLocation& place, const TPlaceZone& shown);
    void ShowLight(const TLocalDay& day, const std::optional<astro::TDayLight>& light, const TPlaceZone& shown);
    void ShowNight(const TLocalDay& day, const TLocation& place, const TPlaceZone& shown);
    void ClearDayValues();
    QString ZoneLineText(const TPlaceZone& zone, const TLocalDay& day) const;
    // The place's local day number of the clock's instant.
    double ShownDayNumber() const;
    // The day the window shows: the clock's, or the one picked.
    double DisplayedDayNumber() const;
    // The first of `days` days to export from the shown day; throws EUserError when the count or
    // the days lie beyond what an export takes.
    double ExportStart(int days) const;

    TFrmMain& FCalculator;
    const TClock& FClock;
    // Used until the moon window hands over the program's almanac clock.
    TAlmanacClock FOwnClock;
    const TAlmanacClock* FAlmanacClock = nullptr;
    TTimesShown FTimesShown = tsPlace;
    std::unique_ptr<TPlaceStore> FOwnStore;
    TPlaceStore& FStore;
    TPlaceStore::TSubscription FPlacesChanged;
    bool FFollowClock = true;
    Tfrm_planner* FPlanner = nullptr;
    // The shown day (whole day number) while one is picked.
    double FChosenDay = 0;
    // The days picked in one year share its seasons and feasts; today's rise, transit and set
    // stay while today and the place do.
    TLastComputed<int, TYearDates> FYearDates;
    TLastComputed<TDayAtPlace, TDaySky> FTodaysSky;
    TLightExportChoice FExportChoice;
};
