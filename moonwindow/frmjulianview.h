#pragma once

#include <QDialog>

class Tfrm_julian;

// The Julian-date dialog: builds and binds the widgets; every rule is Tfrm_julian's.
class FrmJulianView : public QDialog {
    Q_OBJECT
public:
    explicit FrmJulianView(Tfrm_julian& form, QWidget* parent = nullptr);
};
