#pragma once
// The lower part of the first page: main, fill or reflector, hair, background and ambient light.

#include "calculator/typedinputs.h"
#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "controls/list.h"
#include "controls/slider.h"

#include <QCoreApplication>

class TDofPage;

class TLightingPage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TLightingPage)

public:
    // The f-ratio and the lens belong to the page's upper band; the backdrop is shaded from the
    // window's background colour.
    TLightingPage(TDofPage& dof, const TShape& background);
    TLightingPage(const TLightingPage&) = delete;
    TLightingPage& operator=(const TLightingPage&) = delete;

    // Distance sliders step 0.25 m; stop sliders step half a stop.
    CONTROL(TSlider, tbMainDistance, 0, 40, 8);
    CONTROL(TSlider, tbFillDistance, 0, 40, 0);
    CONTROL(TSlider, tbFillStops, 0, 10, 2);
    CONTROL(TSlider, tbHairDist, 0, 40, 0);
    CONTROL(TSlider, tbHairFstops, 0, 20, 10);
    CONTROL(TSlider, tbBacklight, 0, 40, 8);
    CONTROL(TSlider, tbBackgroundDist, 0, 40, 8);
    CONTROL(TSlider, tbAmbientExp, 0, 20, 10);

    CONTROL(TLabel, lblMainDistance, "0");
    CONTROL(TLabel, lblFillDistance, "0");
    CONTROL(TLabel, lblFillFactor, "1");
    CONTROL(TLabel, lblHairDist, "0");
    CONTROL(TLabel, lblHairFStops, tr("0 stops"));
    CONTROL(TLabel, lblBacklightDist, "0");
    CONTROL(TLabel, lblBackdist, "0");
    CONTROL(TLabel, lblAmbientExp, tr("0 stops"));
    CONTROL(TLabel, lblISO, "50");
    CONTROL(TLabel, lblMainGNISO, NotAvailableText());
    CONTROL(TLabel, lblFillGNISO, NotAvailableText());
    CONTROL(TLabel, lblBackGNISO, NotAvailableText());
    CONTROL(TLabel, lblHairGNISO, NotAvailableText());
    CONTROL(TLabel, lblBackExp, NotAvailableText());
    CONTROL(TLabel, lblAmbient, NotAvailableText());
    CONTROL(TLabel, lblFillFRatio, "lblFillFRatio");
    CONTROL(TLabel, lblHairFratio, "lblFillFRatio");

    CONTROL(TList, cmbxISO);
    CONTROL(TList, cmbxFilter);
    CONTROL(TEdit, edtMainGN, "45");
    CONTROL(TEdit, edtFillGN, "45");
    CONTROL(TEdit, edtHairGN, "45");
    CONTROL(TEdit, edtBackGN, "45");
    CONTROL(TList, cmbxMainPower);
    CONTROL(TList, cmbxFillPower);
    CONTROL(TList, cmbxHairPower);
    CONTROL(TList, cmbxBackPower);
    CONTROL(TCheckBox, chbxReflector);
    CONTROL(TEdit, edtFillReflectorLoss, "1");
    CONTROL(TLabel, LblFillRelectorLoss, tr("Reflector loss in F stops:"));
    CONTROL(TLabel, lblFillGN, tr("Effective GN (m)  at ISO 100:"));
    CONTROL(TLabel, lblFillPower, tr("Power setting:"));
    CONTROL(TLabel, lblFilldistanceCaption, tr("Fill light distance to subject:"));
    CONTROL(TList, cmbxBackLight);
    CONTROL(TList, cmbxAmbient);
    CONTROL(TButton, btnUpdateLighting, tr("If you change the f/ratio, click to update lighting"));

    // The backdrop behind the portrait, shaded by the background exposure.
    CONTROL(TShape, shpImageBackground, QColor(128, 64, 64));

    // ISO corrected for the lens filter, unrounded.
    double EffectiveIso = 0;
    // Background exposure relative to the subject in stops; 100 when not available.
    double BackgroundExposure = 100;

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
    void UpdateAmbientShutterSpeed();

private:
    void bindHandlers();

    TDofPage& FDof;
    const TShape& FBackground;
};

// The flash power settings "Full" .. "1/32", half a stop of guide number apart, in the user's
// language.
QStringList PowerSettingNames();
// The ISO list shared by the lighting page and the guide-number conversion.
inline const QStringList IsoSettings{"25",  "50",  "64",  "80",  "100", "125",  "160",
                                     "200", "250", "320", "400", "800", "1600", "3200"};
