#pragma once

#include <QDialog>

class Tfrm_about;

// The about box: builds and binds the widgets.
class FrmAboutView : public QDialog {
    Q_OBJECT
public:
    explicit FrmAboutView(Tfrm_about& form, QWidget* parent = nullptr);
};
