#pragma once
// The lower part of the first page: main, fill or reflector, hair, background and ambient light.

#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/edit.h"
#include "controls/image.h"
#include "controls/list.h"
#include "controls/slider.h"

struct TLightingControls {
    // Distance sliders step 0.25 m; stop sliders step half a stop.
    TSlider tbMainDistance{0, 40, 8};
    TSlider tbFillDistance{0, 40, 0};
    TSlider tbFillStops{0, 10, 2};
    TSlider tbHairDist{0, 40, 0};
    TSlider tbHairFstops{0, 20, 10};
    TSlider tbBacklight{0, 40, 8};
    TSlider tbBackgroundDist{0, 40, 8};
    TSlider tbAmbientExp{0, 20, 10};

    TLabel lblMainDistance{"0"};
    TLabel lblFillDistance{"0"};
    TLabel lblFillFactor{"1"};
    TLabel lblHairDist{"0"};
    TLabel lblHairFStops{"0 stops"};
    TLabel lblBacklightDist{"0"};
    TLabel lblBackdist{"0"};
    TLabel lblAmbientExp{"0 stops"};
    TLabel lblISO{"50"};
    TLabel lblMainGNISO{"N/A"};
    TLabel lblFillGNISO{"N/A"};
    TLabel lblBackGNISO{"N/A"};
    TLabel lblHairGNISO{"N/A"};
    TLabel lblBackExp{"N/A"};
    TLabel lblAmbient{"N/A"};
    TLabel lblFillFRatio{"lblFillFRatio"};
    TLabel lblHairFratio{"lblFillFRatio"};

    TList cmbxISO;
    TList cmbxFilter;
    TEdit edtMainGN{"45"};
    TEdit edtFillGN{"45"};
    TEdit edtHairGN{"45"};
    TEdit edtBackGN{"45"};
    TList cmbxMainPower;
    TList cmbxFillPower;
    TList cmbxHairPower;
    TList cmbxBackPower;
    TCheckBox chbxReflector;
    TEdit edtFillReflectorLoss{"1"};
    TLabel LblFillRelectorLoss{"Reflector loss in F stops:"};
    TLabel lblFillGN{"Effective GN (m)  at ISO 100:"};
    TLabel lblFillPower{"Power setting:"};
    TLabel lblFilldistanceCaption{"Fill light distance to subject:"};
    TList cmbxBackLight;
    TList cmbxAmbient;
    TButton btnUpdateLighting{"If you change the f/ratio, click to update lighting"};

    // The backdrop behind the portrait, shaded by the background exposure.
    TShape shpImageBackground{QColor(128, 64, 64)};

    TLightingControls();
};

// Half-stop factors of the flash power settings "Full" .. "1/32".
inline const QStringList PowerSettings{"Full", "1/2", "1/4", "1/8", "1/16", "1/32"};
// The ISO list shared by the lighting page and the guide-number conversion.
inline const QStringList IsoSettings{"25", "50", "64", "80", "100", "125", "160", "200", "250", "320", "400", "800", "1600", "3200"};
