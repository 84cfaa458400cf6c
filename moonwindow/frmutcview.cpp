#include "moonwindow/frmutcview.h"

#include "controls/bindingview.h"
#include "help/helpview.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/groupview.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmUtcView::FrmUtcView(Tfrm_utc& form, QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    QGroupBox* utc = BindGroup(form.grp_utc, this);
    auto* fields = new QGridLayout(utc);
    const struct {
        TLabel& caption;
        int row;
        int column;
    } captions[] = {
        {form.lbl_year, 0, 0}, {form.lbl_month, 0, 1}, {form.lbl_day, 0, 2},
        {form.lbl_hour, 2, 0}, {form.lbl_min, 2, 1},   {form.lbl_sec, 2, 2},
    };
    for (const auto& entry : captions) {
        QLabel* label = Bind::label(entry.caption, utc);
        label->setAlignment(Qt::AlignCenter);
        fields->addWidget(label, entry.row, entry.column);
    }
    fields->addWidget(Bind::edit(form.edt_year, utc), 1, 0);
    fields->addWidget(Bind::combo(form.cbx_month, utc), 1, 1);
    fields->addWidget(Bind::edit(form.edt_day, utc), 1, 2);
    fields->addWidget(Bind::edit(form.edt_hour, utc), 3, 0);
    fields->addWidget(Bind::edit(form.edt_min, utc), 3, 1);
    fields->addWidget(Bind::edit(form.edt_sec, utc), 3, 2);

    QGroupBox* julian = BindGroup(form.grp_julian, this);
    auto* julianLayout = new QVBoxLayout(julian);
    julianLayout->addWidget(Bind::label(form.lbl_julian, julian));

    QHBoxLayout* buttons = NowOkCancelRow(form.btn_now, form.btn_ok, form.btn_cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(utc);
    layout->addWidget(julian);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BindHelpKey(this, Tfrm_utc::HelpContext);
    Bind::window(form, this);
    layout->addItem(TitleRoom(this));
}
