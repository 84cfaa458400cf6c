#pragma once
// The planner: the sky chart of the day that More Data shows, with a time slider that picks an
// instant of it and tells where the sun, the moon and the Milky Way's core stand then and what
// light the sun gives; the month of light around that day; the year's meteor shower peaks.

#include "almanac/placezone.h"
#include "controls/button.h"
#include "controls/dialogs.h"
#include "controls/edit.h"
#include "controls/slider.h"
#include "controls/window.h"
#include "locations/location.h"
#include "planner/meteortable.h"
#include "planner/monthoflight.h"
#include "planner/monthtable.h"
#include "planner/skyday.h"

#include <functional>

class Tfrm_planner final : public TWindow {
public:
    // Topic of the help document for this window: More Data's, which opens it.
    static constexpr int HelpContext = 1003;

    enum TPage { pgSky, pgMonth, pgMeteors };

    Tfrm_planner();

    // The caption of a page, in the interface language.
    static QString PageCaption(TPage page);

    CONTROL(TLabel, lbl_title);
    // Minutes from the day's first instant; the range follows the day's length.
    CONTROL(TSlider, trk_time, 0, 24 * 60, 12 * 60);
    CONTROL(TLabel, lbl_time);
    CONTROL(TLabel, lbl_light);
    CONTROL(TLabel, lbl_sun);
    CONTROL(TLabel, lbl_moon);
    CONTROL(TLabel, lbl_core);
    CONTROL(TButton, btn_save, QStringLiteral("Save picture..."));
    // Asks for a file and writes the chart into it as a PNG picture (the view's part).
    TCommonDialog dlg_save;

    // "Berlin, June 2027 · Europe/Berlin": the month's place and the clock of its times.
    CONTROL(TLabel, lbl_month);
    // Writes the month as CSV; only with a month shown.
    CONTROL(TButton, btn_export);
    // "Peaks of 2027 seen from Berlin".
    CONTROL(TLabel, lbl_meteors);

    // The day `day` (a local day of `zone`, the place's) at `place`, its month and the year's
    // meteor showers, the times on the clock of `shown`; the slider goes to the same time of day
    // as before, or noon for a first day.
    // Failure: the library's E_OutOfAlgorithmRange for a place out of range, nothing changed.
    void ShowDay(const TLocation& place, const TLocalDay& day, const TPlaceZone& zone, const TPlaceZone& shown);
    void trk_timeChange();
    void btn_saveClick();
    // Asks for a file (onChooseMonthFile) and writes the month into it as CSV.
    // Throws EUserError for a month before 1583 (the file's dates are Gregorian), writing
    // nothing; "Unable to write to <file>", leaving the file as it was.
    void btn_exportClick();
    // Proposes a file name and returns the one chosen, empty when the user cancels.
    std::function<QString(const QString& proposed)> onChooseMonthFile;

    const TSkyDay& sky() const { return FSky; }
    const TMonthOfLight& month() const { return FMonth; }
    TMonthTable& monthTable() { return FMonthTable; }
    TMeteorTable& meteorTable() { return FMeteorTable; }
    const TPlaceZone& shownZone() const { return FShown; }
    // The instant the slider picks (universal time).
    astro::TDateTime pickedTime() const;
    // The name of the picture a save proposes: "Berlin sky 2027-06-21.png".
    QString pictureName() const;

    // The chart draws the sky again (a new day) or marks another instant.
    std::function<void()> onSkyChange;
    std::function<void()> onPickedChange;

private:
    void bindHandlers();
    void showPicked();

    void showMonth(TMonthOfLight month, double chosen);
    void showMeteors(TMeteorYear year);

    TSkyDay FSky;
    TPlaceZone FShown;
    QString FPlaceName;
    TMonthOfLight FMonth;
    TMonthTable FMonthTable;
    double FMonthChosen = 0;
    QString FMonthShownId;
    TMeteorYear FMeteors;
    TMeteorTable FMeteorTable;
    QString FMeteorsShownId;
};

// The light phase in words, in the interface language.
QString LightPhaseText(TLightPhase phase);
