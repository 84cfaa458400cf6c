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

FrmJulianView::FrmJulianView(Tfrm_julian& form, QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    auto* entry = new QHBoxLayout;
    entry->addWidget(Bind::label(form.lbl_julian, this));
    entry->addWidget(Bind::edit(form.edt_julian, this));

    QGroupBox* utc = BindGroup(form.grp_utc, this);
    auto* utcLayout = new QVBoxLayout(utc);
    QLabel* time = Bind::label(form.lbl_utc, utc);
    time->setMinimumWidth(220);
    utcLayout->addWidget(time);

    QHBoxLayout* buttons = NowOkCancelRow(form.btn_now, form.btn_ok, form.btn_cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(utc);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Bind::window(form, this);
    layout->addItem(TitleRoom(this));
}
