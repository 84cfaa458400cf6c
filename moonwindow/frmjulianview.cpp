#include "moonwindow/frmjulianview.h"

#include "controls/bindingview.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/groupview.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmJulianView::FrmJulianView(Tfrm_julian& form, QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    auto* entry = new QHBoxLayout;
    entry->addWidget(Bind::label(form.lbl_julian, "lbl_julian", this));
    entry->addWidget(Bind::edit(form.edt_julian, "edt_julian", this));

    QGroupBox* utc = BindGroup(form.grp_utc, "grp_utc", this);
    auto* utcLayout = new QVBoxLayout(utc);
    QLabel* time = Bind::label(form.lbl_utc, "lbl_utc", utc);
    time->setMinimumWidth(220);
    utcLayout->addWidget(time);

    QPushButton* now = Bind::button(form.btn_now, "btn_now", this);
    now->setAutoDefault(false);
    QPushButton* ok = Bind::button(form.btn_ok, "btn_ok", this);
    ok->setDefault(true);
    QPushButton* cancel = Bind::button(form.btn_cancel, "btn_cancel", this);
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(now);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(utc);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Bind::window(form, this);
}
