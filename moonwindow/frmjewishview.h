#pragma once

#include <QDialog>

class Tfrm_jewish;

// The Jewish-calendar dialog: builds and binds the widgets; every rule is Tfrm_jewish's.
class FrmJewishView : public QDialog {
    Q_OBJECT
public:
    explicit FrmJewishView(Tfrm_jewish& form, QWidget* parent = nullptr);
};
