#pragma once
// The moon window: it owns the almanac clock (real time, 3600 times faster, or a time the user
// set), writes the almanac of the shown instant into the calculator's sun-and-moon page and
// into its own labels once per tick, and offers the menus that set the clock, turn and colour
// the moon, and hide the program into the notification area.

#include "almanac/almanacclock.h"
#include "almanac/timesshown.h"
#include "astro/phases.h"
#include "astro/sun.h"
#include "astro/types.h"
#include "controls/button.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "controls/timer.h"
#include "controls/window.h"
#include "moonpicture/moon.h"
#include "moonwindow/columnlayout.h"
#include "moonwindow/lunationphases.h"
#include "moonwindow/settimedialog.h"
#include "tray/trayicon.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class TClock;
class TFrmMain;
class Tfrm_about;
class Tfrm_jewish;
class Tfrm_julian;
class Tfrm_locations;
class Tfrm_more;
class Tfrm_utc;

// Help topics of the help document.
enum THelpTopic : int {
    htContents = 1000,
    htTimeZones = 1001,
    htMoonWindow = 1002,
    htMoreData = 1003,
    htUniversalTime = 1010,
    htLocations = 1013,
};

class TMainForm final : public TWindow {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)

public:
    // Client size of the window (pixels); the window is not resizable.
    static constexpr int ClientWidth = 729;
    static constexpr int ClientHeight = 325;

    TMainForm(TFrmMain& calculator, const TClock& clock, const QString& settingsFile);
    ~TMainForm() override;

    // Windows created after this one; null until they exist. Without the location editor the
    // update leaves the sun block out.
    void connectWindows(Tfrm_more* more, Tfrm_locations* locations, Tfrm_utc* utc);

    // ---- Captions ----
    CONTROL(TLabel, lbl_julian, QStringLiteral("Julian date:"));
    CONTROL(TLabel, lbl_utc, QStringLiteral("Universal time:"));
    CONTROL(TLabel, lbl_local, QStringLiteral("Local time:"));
    CONTROL(TLabel, lbl_age, QStringLiteral("Age of the moon:"));
    CONTROL(TLabel, lbl_phase, QStringLiteral("Moon phase:"));
    CONTROL(TLabel, lbl_moon_distance, QStringLiteral("Moon's distance:"));
    CONTROL(TLabel, lbl_moon_subtend, QStringLiteral("Moon subtends:"));
    CONTROL(TLabel, lbl_sun_distance, QStringLiteral("Sun's distance:"));
    CONTROL(TLabel, lbl_sun_subtend, QStringLiteral("Sun subtends:"));
    CONTROL(TLabel, lbl_lastnew, QStringLiteral("Last new moon:"));
    CONTROL(TLabel, lbl_firstquart, QStringLiteral("First quarter:"));
    CONTROL(TLabel, lbl_full, QStringLiteral("Full moon:"));
    CONTROL(TLabel, lbl_lastquart, QStringLiteral("Last quarter:"));
    CONTROL(TLabel, lbl_nextnew, QStringLiteral("Next new moon:"));
    CONTROL(TLabel, lbl_lastlunation, QStringLiteral("Lunation:"));
    CONTROL(TLabel, lbl_nextlunation, QStringLiteral("Lunation:"));
    CONTROL(TLabel, lbl_sun_azimuth, tr("Sun azimuth:"));
    CONTROL(TLabel, lbl_sun_elevation, tr("Sun elevation:"));
    CONTROL(TLabel, lbl_north, tr("North"));
    CONTROL(TLabel, lbl_east, tr("East"));
    CONTROL(TLabel, lbl_west, tr("West"));
    CONTROL(TLabel, lbl_south, tr("South"));

    // ---- Values (the same texts the update writes into the calculator's page) ----
    CONTROL(TLabel, val_julian);
    CONTROL(TLabel, val_utc);
    CONTROL(TLabel, val_local);
    CONTROL(TLabel, val_age);
    CONTROL(TLabel, val_phase);
    CONTROL(TLabel, val_moon_distance);
    CONTROL(TLabel, val_moon_subtend);
    CONTROL(TLabel, val_sun_distance);
    CONTROL(TLabel, val_sun_subtend);
    CONTROL(TLabel, val_newmoon);
    CONTROL(TLabel, val_firstquart);
    CONTROL(TLabel, val_full);
    CONTROL(TLabel, val_lastquart);
    CONTROL(TLabel, val_nextnew);
    CONTROL(TLabel, val_lastlunation);
    CONTROL(TLabel, val_nextlunation);
    CONTROL(TLabel, lblSunAzimuth);
    CONTROL(TLabel, lblSunElevation);

    // The window's own moon picture: source of the tray and application icons.
    CONTROL(TMoon, Moon);
    // The compass, as on the calculator's page.
    CONTROL(TImage, Image1, 265, 265);
    CONTROL(TTimer, Timer, 1000);

    // ---- Main menu ----
    CONTROL(TMenuItem, mnu_file, QStringLiteral("&File"));
    CONTROL(TMenuItem, mnu_tray, QStringLiteral("&Minimize to Tray"));
    CONTROL(TMenuItem, mnu_exit, QStringLiteral("E&xit"));
    CONTROL(TMenuItem, mnu_edit, QStringLiteral("&Edit"));
    CONTROL(TMenuItem, mnu_copy, QStringLiteral("&Copy"));
    CONTROL(TMenuItem, mnu_options, QStringLiteral("&Options"));
    CONTROL(TMenuItem, mnu_fast, QStringLiteral("&Fast Mode"));
    CONTROL(TMenuItem, mnu_stop, tr("&Stop"));
    CONTROL(TMenuItem, mnu_julian, QStringLiteral("Set &Julian Date..."));
    CONTROL(TMenuItem, mnu_utc, QStringLiteral("Set &Universal Time..."));
    CONTROL(TMenuItem, mnu_jewish, QStringLiteral("Je&wish Calendar..."));
    CONTROL(TMenuItem, mnu_rotate, QStringLiteral("&Rotate Moon"));
    CONTROL(TMenuItem, mnu_rot_north, QStringLiteral("&Northern Hemisphere"));
    CONTROL(TMenuItem, mnu_rot_south, QStringLiteral("&Southern Hemisphere"));
    CONTROL(TMenuItem, mnu_color, QStringLiteral("&Colorize Moon"));
    // Which clock the times of a place are shown on; one of the three is checked.
    CONTROL(TMenuItem, mnu_times, QStringLiteral("&Times"));
    CONTROL(TMenuItem, mnu_times_place, QStringLiteral("&Place's time"));
    CONTROL(TMenuItem, mnu_times_computer, QStringLiteral("&Computer's time"));
    CONTROL(TMenuItem, mnu_times_utc, QStringLiteral("&Universal time (UTC)"));
    CONTROL(TMenuItem, mnu_locations, QStringLiteral("Edit &Locations"));
    CONTROL(TMenuItem, mnu_more, QStringLiteral("&More Data"));
    // The planner on More Data's day and place; More Data itself while there is no place.
    CONTROL(TMenuItem, mnu_planner, QStringLiteral("&Planner..."));
    CONTROL(TMenuItem, mnu_help, QStringLiteral("&Help"));
    CONTROL(TMenuItem, mnu_about, QStringLiteral("&About"));
    CONTROL(TMenuItem, mnu_help_item, tr("&Help"));
    CONTROL(TMenuItem, mnu_timezone, QStringLiteral("Time zones..."));

    // ---- Creation and the update cycle ----
    void FormCreate();
    void FormClose();
    void TimerTimer();
    void LocalizeAndArrange();
    void DrawCompass();
    int GetUtcBias() const;

    // Writes a sun position (library convention: azimuth from the south, positive westward)
    // into the sun texts and draws it on the compasses above the day's trail; part of the
    // update's sun block.
    void ShowSunPosition(astro::THorizontalPosition sun);

    // ---- Menu handlers ----
    void minimize_to_tray();
    void tray_dblclick();
    void mnu_exitClick();
    void mnu_copyClick();
    void mnu_fastClick();
    void mnu_stopClick();
    void mnu_julianClick();
    void mnu_utcClick();
    void mnu_jewishClick();
    void mnu_rotate_Click(const TMenuItem& sender);
    void mnu_colorClick();
    void mnu_times_Click(const TMenuItem& sender);
    void mnu_locationsClick();
    void mnu_moreClick();
    void mnu_plannerClick();
    void mnu_help_itemClick();
    void mnu_timezoneClick();
    void mnu_aboutClick();

    // ---- State ----
    // The shown instant (universal time, TDateTime).
    astro::TDateTime ShownUniversalTime() const { return FAlmanacClock.universalNow(); }
    bool fastMode() const { return FAlmanacClock.fast(); }
    // The program's one almanac clock, which every window reads.
    const TAlmanacClock& almanacClock() const { return FAlmanacClock; }
    TTimesShown timesShown() const { return FTimesShown; }
    // The help document, or empty when none was found at creation.
    QString helpFile() const { return FHelpFile; }
    // Where the labels of this window were placed by LocalizeAndArrange.
    const QList<TArrangedLabel>& arrangedLabels() const { return FArranged; }
    const TColumnLayout& columnLayout() const { return FLayout; }
    // Width in pixels of the widest text a value beside a single caption can show (the local
    // time, the distances, the azimuth), as measured by LocalizeAndArrange.
    int widestValue() const { return FWidestValue; }
    TTrayIcon& trayIcon() { return FTrayIcon; }
    Tfrm_julian& julianDialog() { return *FJulian; }
    Tfrm_jewish& jewishDialog() { return *FJewish; }
    Tfrm_about& aboutDialog() { return *FAbout; }

    // ---- What the desktop does for the window (connected by the view) ----
    // Width in pixels of a label's text in the window's font (for the column layout).
    std::function<int(const QString& text)> onTextWidth;
    // The column layout has placed the labels (arrangedLabels, columnLayout).
    std::function<void()> onArranged;
    // Repaints the window at once and returns its client area as painted.
    std::function<QImage()> onGrabClientArea;
    std::function<void(const QImage&)> onCopyPicture;
    // Opens a topic of the help document.
    std::function<void(const QString& file, int topic)> onShowHelp;
    // The application's icon (window and task bar).
    std::function<void(const QImage&)> onApplicationIcon;
    // Minimises the program and removes it from the task bar, and the way back.
    std::function<void()> onHideApplication;
    // Minimise to Tray where the desktop has no notification area: the windows are minimised,
    // and onNotice tells the user so (once).
    std::function<void()> onMinimizeApplication;
    std::function<void(const QString& message)> onNotice;
    std::function<void()> onRestoreApplication;

    // Fields of the tray refresh (see the .cpp for their rules).
    // Illuminated percentage last pushed to the tray icon; 199 until one has been.
    int FLastPercent = 199;
    bool FToldNoTray = false;
    QString FPhaseLegend;
    QString FKilometerText;
    QString FEarthRadiiText;
    QString FAstroUnitsText;
    QString FAgeFormat;

private:
    void bindHandlers();
    void SetCaptions();
    void Arrange();
    void ReadOptions();
    void SetTime(TSetTimeDialog& dialog);
    void ShowValue(TLabel& calculatorLabel, TLabel& ownLabel, const QString& text);
    QString LocalTimeText(astro::TDateTime shown, int offsetSeconds) const;
    QString MoonDistanceText(double kilometres) const;
    QString SunDistanceText(double astronomicalUnits) const;
    QString AgeText(double days) const;
    QString PhaseText(int percent) const;
    QStringList WidestValueTexts() const;
    static QStringList PhaseTexts(const TLunationPhases& phases);
    void ShowPhases(astro::TDateTime ut);
    // Returns the illuminated percentage shown.
    int ShowMoonAndSunValues(const astro::TMoonAndSun& bodies);
    void ShowSunBlock(astro::TDateTime ut);
    // The day's trail and the current bearing, if any, on the calculator's and this window's
    // compass.
    void DrawSunOnCompasses(std::optional<double> current);
    bool SunBlockDue(astro::TDateTime ut) const;
    // The current location's longitude and latitude (degrees) as the editor answers them.
    std::pair<double, double> CurrentPlace() const;
    void RefreshTrayIcon(int percent);

    TFrmMain& FCalculator;
    const TClock& FClock;
    TAlmanacClock FAlmanacClock;
    TTimesShown FTimesShown = tsPlace;
    const QString FSettingsFile;
    Tfrm_more* FMore = nullptr;
    Tfrm_locations* FLocations = nullptr;
    Tfrm_utc* FUtc = nullptr;
    TTrayIcon FTrayIcon;
    std::unique_ptr<Tfrm_julian> FJulian;
    std::unique_ptr<Tfrm_jewish> FJewish;
    std::unique_ptr<Tfrm_about> FAbout;
    QString FHelpFile;
    // The phases of the lunation last shown; none before the first. Their texts, in the
    // order of the phase labels, are empty until shown.
    std::optional<TLunationPhases> FPhases;
    QStringList FPhaseTexts;
    // Universal time of the last sun computation; none before the first.
    std::optional<astro::TDateTime> FSunTime;
    // The place (longitude, latitude) and universal day of the sun's trail on the compasses,
    // and the shown azimuths of the trail in order; none before the first sun computation.
    std::optional<std::pair<double, double>> FSunPlace;
    double FSunTrailDay = 0;
    QList<double> FSunTrail;
    QList<TArrangedLabel> FArranged;
    TColumnLayout FLayout{};
    int FWidestValue = 0;
};
