#pragma once
// The macro page: magnification and extension compensation.

#include "controls/controllist.h"
#include "controls/edit.h"

class TMacroPage : public TControlOwner {
public:
    TMacroPage();
    TMacroPage(const TMacroPage&) = delete;
    TMacroPage& operator=(const TMacroPage&) = delete;

    CONTROL(TEdit, edtM_fl, "50");
    CONTROL(TEdit, edtM_Ext, "50");
    CONTROL(TLabel, lblM_Mag, "N/A");
    CONTROL(TLabel, lblM_Exp, "N/A");
    CONTROL(TMemo, MemoMacro);

    void edtM_flChange();
};
