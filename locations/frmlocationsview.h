#pragma once

#include <QDialog>

class Tfrm_locations;

// The location editor's dialog: it builds and binds the widgets; every rule is Tfrm_locations'.
class FrmLocationsView : public QDialog {
    Q_OBJECT
public:
    explicit FrmLocationsView(Tfrm_locations& form, QWidget* parent = nullptr);

private:
    Tfrm_locations& FForm;
};
