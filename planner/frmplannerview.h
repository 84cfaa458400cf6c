#pragma once

#include <QDialog>

class Tfrm_planner;
class TSkyChart;

// The planner window: builds and binds the widgets and draws the chart; every value is
// Tfrm_planner's.
class FrmPlannerView : public QDialog {
    Q_OBJECT
public:
    explicit FrmPlannerView(Tfrm_planner& form, QWidget* parent = nullptr);

    TSkyChart* chart() const { return FChart; }
    // Writes the chart as a PNG picture, at twice the screen's scale for a sharp print.
    // Throws EUserError "Unable to write to <file>", leaving an old file as it was.
    void savePicture(const QString& fileName) const;

private:
    Tfrm_planner& FForm;
    TSkyChart* FChart;
};
