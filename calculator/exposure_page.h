#pragma once
// The exposure page: exposure values and the S+L=A+T system.

#include "calculator/typedinputs.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

#include <QCoreApplication>

class TExposurePage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TExposurePage)

public:
    TExposurePage();
    TExposurePage(const TExposurePage&) = delete;
    TExposurePage& operator=(const TExposurePage&) = delete;

    // Exposure value at ISO 100 from a camera setting.
    CONTROL(TList, cmbxEV1Shutter);
    CONTROL(TEdit, edtEV1Fratio, "8");
    CONTROL(TList, cmbxEV1ISO);
    CONTROL(TLabel, lblEV1, NotAvailableText());
    CONTROL(TLabel, lblEV1_T, NotAvailableText());
    CONTROL(TLabel, lblEV1_A, NotAvailableText());
    CONTROL(TLabel, lblEV1_S, NotAvailableText());
    CONTROL(TLabel, lblEV1_L, NotAvailableText());

    // Camera settings from a light value.
    CONTROL(TEdit, edtEV2, "10");
    CONTROL(TList, cmbxEV2ISO);
    CONTROL(TEdit, edtEV2Fratio, "8");
    CONTROL(TLabel, lblEV2Shutter, NotAvailableText());
    CONTROL(TList, cmbxEV2Shutter);
    CONTROL(TLabel, lblEV2FRatio, NotAvailableText());
    CONTROL(TLabel, lblEV2_A, NotAvailableText());
    CONTROL(TLabel, lblEV2_T, NotAvailableText());
    CONTROL(TLabel, lblEV2_S, NotAvailableText());

    CONTROL(TMemo, MemoEV);

    void cmbxEV1ShutterChange();
    void edtEV2Change();

private:
    void bindHandlers();
};
