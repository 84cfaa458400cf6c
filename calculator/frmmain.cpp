#include "calculator/frmmain.h"

#include "texts/appinfo.h"
#include "calculator/documentation_texts.h"

TFrmMain::TFrmMain(const TClock& clock)
    : TWindow(QStringLiteral("Shutterly v") + QLatin1String(ApplicationVersion)),
      TSunControls(clock),
      StatusBar1({{650, "Hints"}, {100, ""}, {135, ""}, {25, QString::fromUtf8("\u00a9"), Qt::AlignRight}})
{
    for (const TControlOwner* page : std::initializer_list<const TControlOwner*>{
             static_cast<TDofControls*>(this), static_cast<TLightingControls*>(this),
             static_cast<TConversionsControls*>(this), static_cast<TExposureControls*>(this),
             static_cast<TMacroAstroControls*>(this), static_cast<TSunControls*>(this)})
        FControls.insert(FControls.end(), page->controls().begin(), page->controls().end());
    shpBackground.setHint("Background colour - right click to change this");
    MemoZone.setText(ZoneSystemText);
    MemoHelp.setText(HelpText);
    lblContact.setText(ContactText);
    bindHandlers();
}

void TFrmMain::bindHandlers()
{
    Print1.onClick = [this] { Print1Click(); };
    PrintSetup1.onClick = [this] { PrintSetup1Click(); };
    Exit1.onClick = [this] { Exit1Click(); };
    SunandMoonposition1.onClick = [this] { SunandMoonposition1Click(); };
    Changebackgroundcolour1.onClick = [this] { Changecolour1Click(); };
    Changecolour1.onClick = [this] { Changecolour1Click(); };
    shpBackground.onMouseDown = [this](Qt::MouseButton button, QPoint position) {
        shpBackgroundMouseDown(button, position);
    };
    btnWebsite.onClick = [this] { btnWebsiteClick(); };
    Timer.onTimer = [this] { TimerTimer(); };
    bindDofHandlers();
    bindLightingHandlers();
    bindConversionsHandlers();
    bindExposureHandlers();
    bindMacroAstroHandlers();
    bindSunHandlers();
}

void TFrmMain::FormCreate() { runStartupHandlers(); }

// Each page's first results, in an order where every computation finds the values it reads.
void TFrmMain::runStartupHandlers()
{
    tbBacklightChange();
    tbBackgroundDistChange();
    cmbxSensorChange();
    cmbxISOChange();
    edtFocusDistanceChange();
    cmbxFilmTypeChange();
    edtGNChange();
    edtGN2Change();
    cmbxEV1ShutterChange();
    edtEV2Change();
    edtA_T_flChange();
    edtA_EffFLChange();
    edtM_flChange();
}


void TFrmMain::HintToStatusBar(const QString& hint) { StatusBar1.setPanelText(0, hint); }

void TFrmMain::SunandMoonposition1Click()
{
    if (MoonWindow)
        MoonWindow->ShowModal();
}

void TFrmMain::Print1Click()
{
    if (onPrintWindowImage)
        onPrintWindowImage();
}

void TFrmMain::PrintSetup1Click() { PrinterSetupDialog1.Execute(); }

void TFrmMain::Exit1Click() { Close(); }

void TFrmMain::Changecolour1Click()
{
    ColorDialog1.setColor(shpBackground.color());
    if (ColorDialog1.Execute())
        shpBackground.setColor(ColorDialog1.color());
    UpdateBackdropShade();
}

void TFrmMain::shpBackgroundMouseDown(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::RightButton)
        return;
    const QPoint origin = onStripScreenOrigin ? onStripScreenOrigin() : QPoint();
    PopupMenu1.Popup(QPoint(origin.x() + position.x(), origin.y() + position.y() + 20));
}

void TFrmMain::btnWebsiteClick()
{
    if (onOpenUrl)
        onOpenUrl(QString::fromLatin1(WebsiteAddress));
}
