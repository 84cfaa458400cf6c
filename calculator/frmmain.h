#pragma once
// The calculator window: eight pages of photographic computations that recompute as the user
// types. Its state is the text of its controls; a result that feeds another computation is read
// back from the label that shows it, rounded as shown.

#include "calculator/conversions_controls.h"
#include "calculator/dof_controls.h"
#include "calculator/exposure_controls.h"
#include "calculator/lighting_controls.h"
#include "calculator/macroastro_controls.h"
#include "calculator/sun_controls.h"
#include "controls/button.h"
#include "controls/dialogs.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "controls/statusbar.h"
#include "controls/tabsheet.h"
#include "controls/timer.h"
#include "controls/window.h"

#include <QPoint>
#include <functional>

class TMainForm;
class Tfrm_locations;
class Tfrm_more;

class TFrmMain : public TWindow,
                 public TDofControls,
                 public TLightingControls,
                 public TConversionsControls,
                 public TExposureControls,
                 public TMacroAstroControls,
                 public TSunControls {
    // Every control of the window, the frame's and then the pages'. It hides the bases' lists,
    // so that CONTROL below lists the frame's controls here.
    TControlList FControls;

public:
    const TControlList& controls() const { return FControls; }

    // The clock dates the page's moon picture until the almanac sets it.
    explicit TFrmMain(const TClock& clock);

    // ---- Frame: pages, status bar, menus, dialogs, timer ----
    CONTROL(TTabSheet, tbshtDOF, "&DOF and lighting calculator");
    CONTROL(TTabSheet, tbshtCalc, "Conversions");
    CONTROL(TTabSheet, tbshtEV, "S+L=A+T and EV Exposure");
    CONTROL(TTabSheet, tbshtZone, "Zone System");
    CONTROL(TTabSheet, tbshtMacro, "Macro");
    CONTROL(TTabSheet, tbshtAstro, "&Astrophotography");
    CONTROL(TTabSheet, tbshtSun, "Sun, Moon, and model comfort");
    CONTROL(TTabSheet, tbshtHelp, "&Help");

    CONTROL(TStatusBar, StatusBar1);

    CONTROL(TMenuItem, SunandMoonposition1, "Sun and Moon position");
    CONTROL(TMenuItem, Print1, "&Print...");
    CONTROL(TMenuItem, PrintSetup1, "P&rint Setup...");
    CONTROL(TMenuItem, Exit1, "E&xit");
    CONTROL(TMenuItem, EditCut1, "Cu&t");
    CONTROL(TMenuItem, EditCopy1, "&Copy");
    CONTROL(TMenuItem, EditPaste1, "&Paste");
    CONTROL(TMenuItem, Changebackgroundcolour1, "Change background colour");
    CONTROL(TMenuItem, Changecolour1, "Change colour");
    TPopupMenu PopupMenu1{{&Changecolour1}};
    TColorDialog ColorDialog1;
    TCommonDialog PrinterSetupDialog1;
    CONTROL(TTimer, Timer, 1000);

    // The background colour strip of the first page.
    CONTROL(TShape, shpBackground, QColor(128, 64, 64));

    CONTROL(TMemo, MemoZone);
    CONTROL(TMemo, MemoHelp);
    CONTROL(TLabel, lblContact);
    CONTROL(TButton, btnWebsite, "Visit the Shutterly web site");

    // ---- Window fields ----
    // ISO corrected for the lens filter, unrounded.
    double EffectiveIso = 0;
    // Background exposure relative to the subject in stops; 100 when not available.
    double BackgroundExposure = 100;
    // The instant seen at the previous day-change check.
    double LastAlmanacDay = 0;

    // ---- Frame handlers ----
    void FormCreate();
    void FormClose();
    void HintToStatusBar(const QString& hint);
    void SunandMoonposition1Click();
    void Print1Click();
    void PrintSetup1Click();
    void Exit1Click();
    void Changecolour1Click();
    void shpBackgroundMouseDown(Qt::MouseButton button, QPoint position);
    void btnWebsiteClick();
    void TimerTimer();

    // What the desktop does for the window: printing its image, opening a web page, the screen
    // point of the colour strip's top-left corner (window + page + strip origin).
    std::function<void()> onPrintWindowImage;
    std::function<void(const QString& url)> onOpenUrl;
    std::function<QPoint()> onStripScreenOrigin;
    // The moon window, shown from the File menu; null until connectWindows.
    TWindow* MoonWindow = nullptr;

    // ---- Sensor, lens and depth of field ----
    void cmbxSensorChange();
    void edtSensorWidthChange();
    void edtflengthChange();
    void edtFocusDistanceChange();
    void UpdateLens();
    void UpdateSizes();

    // ---- Flash and ambient lighting ----
    void cmbxISOChange();
    void tbMainDistanceChange();
    void btnUpdateLightingClick();
    void tbFillStopsChange();
    void tbFillDistanceChange();
    void tbHairDistChange();
    void tbHairFstopsChange();
    void tbBacklightChange();
    void tbBackgroundDistChange();
    void cmbxAmbientChange();
    void tbAmbientExpChange();
    void UpdateBackgroundExposure();
    void UpdateBackdropShade();

    // ---- Conversions ----
    void cmbxFilmTypeChange();
    void edtGNChange();
    void edtGN2Change();

    // ---- Exposure value and S+L=A+T ----
    void cmbxEV1ShutterChange();
    void edtEV2Change();

    // ---- Macro and astrophotography ----
    void edtA_T_flChange();
    void edtA_EffFLChange();
    void edtM_flChange();

private:
    void bindHandlers();
    void bindDofHandlers();
    void bindLightingHandlers();
    void bindConversionsHandlers();
    void bindExposureHandlers();
    void bindMacroAstroHandlers();
    void UpdateAmbientShutterSpeed();
    void runStartupHandlers();

    // ---- Sun, moon and model comfort ----
public:
    // The windows created after this one that the timer, the buttons and the close handler call
    // upon; until they are connected those steps are left out.
    void connectWindows(TMainForm* moon, Tfrm_more* more, Tfrm_locations* locations);
    void ShowLocation();
    // The user confirmed the current location in the location editor: the More Data window
    // takes the stored list and the editor's selection, and the location texts of this page
    // and that window show the place at once rather than at the next universal day.
    void FollowEditorLocation();
    // The user picked the location at `index` of the More Data window's list, which has shown
    // it already: it becomes the editor's selection, the program's current location, and is
    // stored as such; the location caption follows.
    void FollowMoreDataLocation(int index);
    void btnLocationClick();
    void btnUTCTimeClick();
    void edtTempChange();

private:
    void bindSunHandlers();
    void RefreshAlmanacDay();

    TMainForm* FMoonForm = nullptr;
    Tfrm_more* FMore = nullptr;
    Tfrm_locations* FLocations = nullptr;
};
