#pragma once
// The upper band of the first page: camera format, lens and depth of field.

#include "controls/edit.h"
#include "controls/list.h"

struct TDofControls {
    TList cmbxSensor;
    TEdit edtSensorWidth{"36"};
    TEdit edtSensorHeight{"24"};
    TEdit edtflength{"90"};
    TEdit edtFRatio{"4"};
    TEdit edtFocusDistance{"3"};

    TLabel lblCOC{"30"};
    TLabel lblCrop{"1"};
    TEdit edtfl35;
    TLabel lblAngleView{"N/A"};
    TLabel lblHyperfocal{"N/A"};
    TLabel lblHFhalf{"N/A"};
    TLabel lblDOFNear{"N/A"};
    TLabel lblDOFFar{"N/A"};
    TLabel lblDOFrange{"N/A"};
    TLabel lblSubjectSize{"N/A"};
    TLabel lblBackSize{"N/A"};

    TDofControls();
};
