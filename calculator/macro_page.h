#pragma once
// The macro page: magnification and extension compensation.

#include "calculator/typedinputs.h"
#include "controls/controllist.h"
#include "controls/edit.h"

#include <QCoreApplication>

class TMacroPage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TMacroPage)

public:
    TMacroPage();
    TMacroPage(const TMacroPage&) = delete;
    TMacroPage& operator=(const TMacroPage&) = delete;

    CONTROL(TEdit, edtM_fl, "50");
    CONTROL(TEdit, edtM_Ext, "50");
    CONTROL(TLabel, lblM_Mag, NotAvailableText());
    CONTROL(TLabel, lblM_Exp, NotAvailableText());
    CONTROL(TMemo, MemoMacro);

    void edtM_flChange();
};
