#pragma once
// The conversions page: colour-temperature filters, guide-number conversion, flash distance.

#include "calculator/typedinputs.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

#include <QCoreApplication>

class TConversionsPage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TConversionsPage)

public:
    TConversionsPage();
    TConversionsPage(const TConversionsPage&) = delete;
    TConversionsPage& operator=(const TConversionsPage&) = delete;

    // Colour temperature filters.
    CONTROL(TList, cmbxFilmType);
    CONTROL(TList, cmbxLightSource);
    CONTROL(TLabel, lblMiredShift, tr("Mired shift"));
    CONTROL(TLabel, lblFilterNeeded, "lblFilterNeeded");

    // Guide-number conversion.
    CONTROL(TEdit, edtGN, "45");
    CONTROL(TRadioGroup, rdgpGN1);
    CONTROL(TList, cmbxGNISO1);
    CONTROL(TList, cmbxGNPower);
    CONTROL(TRadioGroup, rdgpGN2);
    CONTROL(TList, cmbxGNISO2);
    CONTROL(TLabel, lblGNconv, NotAvailableText());

    // Flash distance or f-ratio.
    CONTROL(TEdit, edtGN2, "45");
    CONTROL(TEdit, edtGN2Distance, "3");
    CONTROL(TLabel, lblGN2fratio, NotAvailableText());
    CONTROL(TEdit, edtGN2FRatio, "8");
    CONTROL(TLabel, lblGN2distance, NotAvailableText());

    void cmbxFilmTypeChange();
    void edtGNChange();
    void edtGN2Change();

private:
    void bindHandlers();
};

// Units of the guide-number radio groups, in their order, in the user's language.
QStringList GuideNumberUnitNames();
