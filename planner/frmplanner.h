#pragma once
// The planner: the sky chart of the day that More Data shows, with a time slider that picks an
// instant of it and tells where the sun, the moon and the Milky Way's core stand then and what
// light the sun gives.

#include "almanac/placezone.h"
#include "controls/button.h"
#include "controls/dialogs.h"
#include "controls/edit.h"
#include "controls/slider.h"
#include "controls/window.h"
#include "locations/location.h"
#include "planner/skyday.h"

#include <functional>

class Tfrm_planner final : public TWindow {
public:
    // Topic of the help document for this window: More Data's, which opens it.
    static constexpr int HelpContext = 1003;

    Tfrm_planner();

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

    // The day `day` (a local day of the place's zone) at `place`, its times on the clock of
    // `shown`; the slider goes to the same time of day as before, or noon for a first day.
    // Failure: the library's E_OutOfAlgorithmRange for a place out of range.
    void ShowDay(const TLocation& place, const TLocalDay& day, const TPlaceZone& shown);
    void trk_timeChange();
    void btn_saveClick();

    const TSkyDay& sky() const { return FSky; }
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

    TSkyDay FSky;
    TPlaceZone FShown;
    QString FPlaceName;
};

// The light phase in words, in the interface language.
QString LightPhaseText(TLightPhase phase);
