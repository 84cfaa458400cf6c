#pragma once
// The calculator window: eight pages of photographic computations that recompute as the user
// types. Its state is the text of its controls; a result that feeds another computation is read
// back from the label that shows it, rounded as shown.

#include "calculator/astro_page.h"
#include "calculator/conversions_page.h"
#include "calculator/dof_page.h"
#include "calculator/exposure_page.h"
#include "calculator/lighting_page.h"
#include "calculator/macro_page.h"
#include "calculator/sun_page.h"
#include "calculator/typedinputs.h"
#include "controls/button.h"
#include "controls/dialogs.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "controls/statusbar.h"
#include "controls/tabsheet.h"
#include "controls/timer.h"
#include "controls/window.h"

#include <QCoreApplication>
#include <QPoint>
#include <functional>

class TMainForm;
class Tfrm_locations;
class Tfrm_more;

// Each page owns its controls and handlers; the frame holds the menus, the status bar, the timer
// and the tab sheets, and its list of controls ends with the pages' lists.
class TFrmMain : public TWindow {
    Q_DECLARE_TR_FUNCTIONS(TFrmMain)

public:
    // Topics of the help document that F1 opens: the page's own, in the order of the pages;
    // the documentation page opens the contents.
    static constexpr int FirstPageHelpContext = 1020;
    static constexpr int PagesWithHelp = 7;
    static constexpr int ContentsHelpContext = 1000;
    static int PageHelpContext(int page)
    {
        return page >= 0 && page < PagesWithHelp ? FirstPageHelpContext + page : ContentsHelpContext;
    }

    // The clock dates the page's moon picture until the almanac sets it.
    explicit TFrmMain(const TClock& clock);

    // ---- Frame: pages, status bar, menus, dialogs, timer ----
    CONTROL(TTabSheet, tbshtDOF, tr("&DOF and lighting calculator"));
    CONTROL(TTabSheet, tbshtCalc, tr("Conversions"));
    CONTROL(TTabSheet, tbshtEV, tr("S+L=A+T and EV Exposure"));
    CONTROL(TTabSheet, tbshtZone, tr("Zone System"));
    CONTROL(TTabSheet, tbshtMacro, tr("Macro"));
    CONTROL(TTabSheet, tbshtAstro, tr("&Astrophotography"));
    CONTROL(TTabSheet, tbshtSun, tr("Sun, Moon, and model comfort"));
    CONTROL(TTabSheet, tbshtHelp, tr("&Help"));

    CONTROL(TStatusBar, StatusBar1);

    CONTROL(TMenuItem, SunandMoonposition1, tr("Sun and Moon position"));
    CONTROL(TMenuItem, Print1, tr("&Print..."));
    CONTROL(TMenuItem, PrintSetup1, tr("P&rint Setup..."));
    CONTROL(TMenuItem, Exit1, tr("E&xit"));
    CONTROL(TMenuItem, EditCut1, tr("Cu&t"));
    CONTROL(TMenuItem, EditCopy1, tr("&Copy"));
    CONTROL(TMenuItem, EditPaste1, tr("&Paste"));
    CONTROL(TMenuItem, Changebackgroundcolour1, tr("Change background colour"));
    CONTROL(TMenuItem, Changecolour1, tr("Change colour"));
    TPopupMenu PopupMenu1{{&Changecolour1}};
    TColorDialog ColorDialog1;
    TCommonDialog PrinterSetupDialog1;
    CONTROL(TTimer, Timer, 1000);

    // The background colour strip of the first page.
    CONTROL(TShape, shpBackground, QColor(128, 64, 64));

    CONTROL(TMemo, MemoZone);
    CONTROL(TMemo, MemoHelp);
    CONTROL(TLabel, lblContact);
    CONTROL(TButton, btnWebsite, tr("Visit the Shutterly web site"));

    // ---- Pages ----
    // The first page's two parts follow each other: the lens and f-ratio above, the lighting
    // plan below.
    TDofPage dof;
    TLightingPage lighting;
    TConversionsPage conversions;
    TExposurePage exposure;
    TMacroPage macro;
    TAstroPage astro;
    TSunPage sun;

    // ---- Frame handlers ----
    void FormCreate();
    // The settings file whose [Calculator] section gives the pages the inputs of the last run
    // now, after the start-up calculations, and takes them at FormClose.
    void useSettingsFile(const QString& fileName);
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

    // The windows created after this one that the timer, the menus, the sun page and the close
    // handler call upon; until they are connected those steps are left out.
    void connectWindows(TMainForm* moon, Tfrm_more* more, Tfrm_locations* locations);

private:
    void bindHandlers();
    void runStartupHandlers();

    TMainForm* FMoonForm = nullptr;
    Tfrm_more* FMore = nullptr;
    QString FSettingsFile;
    // After the pages: it stands in front of the handlers they have bound.
    TTypedInputs FTypedInputs;
};
