#pragma once

#include <QDialog>

class Tfrm_utc;

// The universal-time dialog: builds and binds the widgets; every rule is Tfrm_utc's.
class FrmUtcView : public QDialog {
    Q_OBJECT
public:
    explicit FrmUtcView(Tfrm_utc& form, QWidget* parent = nullptr);
};
