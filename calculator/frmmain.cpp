#include "calculator/frmmain.h"

#include "calculator/calculatorinputs.h"
#include "calculator/documentation_texts.h"
#include "calculator/inputrules.h"
#include "moonwindow/mainform.h"
#include "moredata/frmmore.h"
#include "texts/appinfo.h"

TFrmMain::TFrmMain(const TClock& clock)
    : TWindow(QStringLiteral("Shutterly v") + QLatin1String(ApplicationVersion)),
      StatusBar1({{650, tr("Hints")}, {100, ""}, {135, ""}, {25, QString::fromUtf8("\u00a9"), Qt::AlignRight}}),
      dof(lighting),
      lighting(dof, shpBackground),
      astro(dof),
      sun(clock),
      FTypedInputs(CalculatorInputRules(*this))
{
    for (const TControlOwner* page :
         std::initializer_list<const TControlOwner*>{&dof, &lighting, &conversions, &exposure, &macro, &astro, &sun})
        FControls.insert(FControls.end(), page->controls().begin(), page->controls().end());
    shpBackground.setHint(tr("Background colour - right click to change this"));
    MemoZone.setText(QCoreApplication::translate("Documentation", ZoneSystemText));
    MemoHelp.setText(QCoreApplication::translate("Documentation", HelpText));
    lblContact.setText(QCoreApplication::translate("Documentation", ContactText));
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
    dof.onSensorChange = [this] { astro.UpdateStarSharpTimes(); };
}

void TFrmMain::FormCreate() { runStartupHandlers(); }

// Each page's first results, in an order where every computation finds the values it reads.
void TFrmMain::runStartupHandlers()
{
    lighting.tbBacklightChange();
    lighting.tbBackgroundDistChange();
    dof.cmbxSensorChange();
    lighting.cmbxISOChange();
    dof.edtFocusDistanceChange();
    conversions.cmbxFilmTypeChange();
    conversions.edtGNChange();
    conversions.edtGN2Change();
    exposure.cmbxEV1ShutterChange();
    exposure.edtEV2Change();
    astro.edtA_T_flChange();
    astro.edtA_EffFLChange();
    astro.UpdateStarSharpTimes();
    macro.edtM_flChange();
}

void TFrmMain::connectWindows(TMainForm* moon, Tfrm_more* more, Tfrm_locations* locations)
{
    FMoonForm = moon;
    MoonWindow = moon;
    FMore = more;
    sun.connectWindows(moon, more, locations);
}

void TFrmMain::TimerTimer()
{
    if (FMoonForm)
        FMoonForm->TimerTimer();
    sun.Tick();
}

void TFrmMain::useSettingsFile(const QString& fileName)
{
    FSettingsFile = fileName;
    LoadCalculatorInputs(*this, fileName);
}

void TFrmMain::FormClose()
{
    if (FMore)
        FMore->SaveCurrentLocation();
    if (!FSettingsFile.isEmpty())
        SaveCalculatorInputs(*this, FSettingsFile);
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
    lighting.UpdateBackdropShade();
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
