#pragma once

#include <QDialog>

class QTableView;
class Tfrm_planner;
class TSkyChart;

// The planner window: its pages (the sky chart, the month of light, the meteor showers) with
// their widgets bound and the chart drawn; every value is Tfrm_planner's.
class FrmPlannerView : public QDialog {
    Q_OBJECT
public:
    explicit FrmPlannerView(Tfrm_planner& form, QWidget* parent = nullptr);

    TSkyChart* chart() const { return FChart; }
    QTableView* monthTable() const { return FMonth; }
    QTableView* meteorTable() const { return FMeteors; }
    // Writes the chart as a PNG picture, at twice the screen's scale for a sharp print.
    // Throws EUserError "Unable to write to <file>", leaving an old file as it was.
    void savePicture(const QString& fileName) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* skyPage();
    QWidget* monthPage();
    QWidget* meteorPage();
    // The month's chosen day selected and in sight.
    void showChosenDay();
    // A table grown wider than the window was opened for widens it, as far as the screen allows.
    void widenFor(const QTableView* table);

    Tfrm_planner& FForm;
    TSkyChart* FChart;
    QTableView* FMonth = nullptr;
    QTableView* FMeteors = nullptr;
    bool FSized = false;
};
