#pragma once
// The exposure page: exposure values and the S+L=A+T system.

#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

class TExposurePage : public TControlOwner {
public:
    TExposurePage();
    TExposurePage(const TExposurePage&) = delete;
    TExposurePage& operator=(const TExposurePage&) = delete;

    // Exposure value at ISO 100 from a camera setting.
    CONTROL(TList, cmbxEV1Shutter);
    CONTROL(TEdit, edtEV1Fratio, "8");
    CONTROL(TList, cmbxEV1ISO);
    CONTROL(TLabel, lblEV1, "N/A");
    CONTROL(TLabel, lblEV1_T, "N/A");
    CONTROL(TLabel, lblEV1_A, "N/A");
    CONTROL(TLabel, lblEV1_S, "N/A");
    CONTROL(TLabel, lblEV1_L, "N/A");

    // Camera settings from a light value.
    CONTROL(TEdit, edtEV2, "10");
    CONTROL(TList, cmbxEV2ISO);
    CONTROL(TEdit, edtEV2Fratio, "8");
    CONTROL(TLabel, lblEV2Shutter, "N/A");
    CONTROL(TList, cmbxEV2Shutter);
    CONTROL(TLabel, lblEV2FRatio, "N/A");
    CONTROL(TLabel, lblEV2_A, "N/A");
    CONTROL(TLabel, lblEV2_T, "N/A");
    CONTROL(TLabel, lblEV2_S, "N/A");

    CONTROL(TMemo, MemoEV);

    void cmbxEV1ShutterChange();
    void edtEV2Change();

private:
    void bindHandlers();
};
