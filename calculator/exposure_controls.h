#pragma once
// The exposure page: exposure values and the S+L=A+T system.

#include "controls/edit.h"
#include "controls/list.h"

struct TExposureControls {
    // Exposure value at ISO 100 from a camera setting.
    TList cmbxEV1Shutter;
    TEdit edtEV1Fratio{"8"};
    TList cmbxEV1ISO;
    TLabel lblEV1{"N/A"};
    TLabel lblEV1_T{"N/A"};
    TLabel lblEV1_A{"N/A"};
    TLabel lblEV1_S{"N/A"};
    TLabel lblEV1_L{"N/A"};

    // Camera settings from a light value.
    TEdit edtEV2{"10"};
    TList cmbxEV2ISO;
    TEdit edtEV2Fratio{"8"};
    TLabel lblEV2Shutter{"N/A"};
    TList cmbxEV2Shutter;
    TLabel lblEV2FRatio{"N/A"};
    TLabel lblEV2_A{"N/A"};
    TLabel lblEV2_T{"N/A"};
    TLabel lblEV2_S{"N/A"};

    TMemo MemoEV;

    TExposureControls();
};
