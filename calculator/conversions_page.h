#pragma once
// The conversions page: colour-temperature filters, guide-number conversion, flash distance.

#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

class TConversionsPage : public TControlOwner {
public:
    TConversionsPage();
    TConversionsPage(const TConversionsPage&) = delete;
    TConversionsPage& operator=(const TConversionsPage&) = delete;

    // Colour temperature filters.
    CONTROL(TList, cmbxFilmType);
    CONTROL(TList, cmbxLightSource);
    CONTROL(TLabel, lblMiredShift, "Mired shift");
    CONTROL(TLabel, lblFilterNeeded, "lblFilterNeeded");

    // Guide-number conversion.
    CONTROL(TEdit, edtGN, "45");
    CONTROL(TRadioGroup, rdgpGN1);
    CONTROL(TList, cmbxGNISO1);
    CONTROL(TList, cmbxGNPower);
    CONTROL(TRadioGroup, rdgpGN2);
    CONTROL(TList, cmbxGNISO2);
    CONTROL(TLabel, lblGNconv, "N/A");

    // Flash distance or f-ratio.
    CONTROL(TEdit, edtGN2, "45");
    CONTROL(TEdit, edtGN2Distance, "3");
    CONTROL(TLabel, lblGN2fratio, "N/A");
    CONTROL(TEdit, edtGN2FRatio, "8");
    CONTROL(TLabel, lblGN2distance, "N/A");

    void cmbxFilmTypeChange();
    void edtGNChange();
    void edtGN2Change();

private:
    void bindHandlers();
};

// Units of the guide-number radio groups, in their order.
inline const QStringList GuideNumberUnits{"meters", "feet"};
