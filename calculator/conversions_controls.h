#pragma once
// The conversions page: colour-temperature filters, guide-number conversion, flash distance.

#include "controls/edit.h"
#include "controls/list.h"

struct TConversionsControls {
    // Colour temperature filters.
    TList cmbxFilmType;
    TList cmbxLightSource;
    TLabel lblMiredShift{"Mired shift"};
    TLabel lblFilterNeeded{"lblFilterNeeded"};

    // Guide-number conversion.
    TEdit edtGN{"45"};
    TRadioGroup rdgpGN1;
    TList cmbxGNISO1;
    TList cmbxGNPower;
    TRadioGroup rdgpGN2;
    TList cmbxGNISO2;
    TLabel lblGNconv{"N/A"};

    // Flash distance or f-ratio.
    TEdit edtGN2{"45"};
    TEdit edtGN2Distance{"3"};
    TLabel lblGN2fratio{"N/A"};
    TEdit edtGN2FRatio{"8"};
    TLabel lblGN2distance{"N/A"};

    TConversionsControls();
};

// Units of the guide-number radio groups, in their order.
inline const QStringList GuideNumberUnits{"meters", "feet"};
