#pragma once
// The upper band of the first page: camera format, lens and depth of field.

#include "calculator/typedinputs.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/list.h"

#include <QCoreApplication>

class TLightingPage;

class TDofPage : public TControlOwner {
    Q_DECLARE_TR_FUNCTIONS(TDofPage)

public:
    // The lighting plan below reads the background distance and follows the lens and f-ratio.
    explicit TDofPage(TLightingPage& lighting);
    TDofPage(const TDofPage&) = delete;
    TDofPage& operator=(const TDofPage&) = delete;

    CONTROL(TList, cmbxSensor);
    CONTROL(TEdit, edtSensorWidth, "36");
    CONTROL(TEdit, edtSensorHeight, "24");
    CONTROL(TEdit, edtflength, "90");
    CONTROL(TEdit, edtFRatio, "4");
    CONTROL(TEdit, edtFocusDistance, "3");

    CONTROL(TLabel, lblCOC, "30");
    CONTROL(TLabel, lblCrop, "1");
    CONTROL(TEdit, edtfl35);
    CONTROL(TLabel, lblAngleView, NotAvailableText());
    CONTROL(TLabel, lblHyperfocal, NotAvailableText());
    CONTROL(TLabel, lblHFhalf, NotAvailableText());
    CONTROL(TLabel, lblDOFNear, NotAvailableText());
    CONTROL(TLabel, lblDOFFar, NotAvailableText());
    CONTROL(TLabel, lblDOFrange, NotAvailableText());
    CONTROL(TLabel, lblSubjectSize, NotAvailableText());
    CONTROL(TLabel, lblBackSize, NotAvailableText());

    void cmbxSensorChange();
    void edtSensorWidthChange();
    void edtflengthChange();
    void edtFocusDistanceChange();
    void UpdateLens();
    void UpdateSizes();

    // Run after the sensor's size changed, for the other pages that read it.
    TNotifyEvent onSensorChange;

private:
    void bindHandlers();

    TLightingPage& FLighting;
};
