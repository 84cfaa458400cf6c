#include "moonwindow/frmjewishview.h"

#include "controls/bindingview.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/groupview.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Year, month and day side by side in a group.
QGroupBox* DateGroup(TLabel& caption, QWidget* year, QWidget* month, QWidget* day, QWidget* parent)
{
    QGroupBox* group = BindGroup(caption, parent);
    auto* layout = new QHBoxLayout(group);
    for (QWidget* field : {year, month, day}) {
        field->setParent(group);
        layout->addWidget(field);
    }
    year->setFixedWidth(60);
    day->setFixedWidth(40);
    return group;
}

}  // namespace

FrmJewishView::FrmJewishView(Tfrm_jewish& form, QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    QGroupBox* christian = DateGroup(form.grp_christian, Bind::edit(form.edt_year, this),
                                     Bind::combo(form.cbx_month, this), Bind::edit(form.edt_day, this), this);
    QGroupBox* jewish = DateGroup(form.grp_jewish, Bind::edit(form.edt_jyear, this), Bind::combo(form.cbx_jmonth, this),
                                  Bind::edit(form.edt_jday, this), this);
    QGroupBox* julian = BindGroup(form.grp_julian, this);
    auto* julianLayout = new QVBoxLayout(julian);
    julianLayout->addWidget(Bind::label(form.lbl_julian, julian));

    QHBoxLayout* buttons = NowOkCancelRow(form.btn_now, form.btn_ok, form.btn_cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(christian);
    layout->addWidget(jewish);
    layout->addWidget(julian);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Bind::window(form, this);
    layout->addItem(TitleRoom(this));
}
