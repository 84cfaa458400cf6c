#include "moonwindow/frmaboutview.h"

#include "controls/bindingview.h"
#include "moonpicture/moonview.h"
#include "moonwindow/frmabout.h"
#include "moonwindow/groupview.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmAboutView::FrmAboutView(Tfrm_about& form, QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    QLabel* title = Bind::label(form.lbl_title, this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    auto* heading = new QHBoxLayout;
    heading->addWidget(BindMoon(form.Moon, this));
    heading->addWidget(title, 1);

    QPushButton* ok = Bind::button(form.btn_ok, this);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(Bind::label(form.lbl_subtitle, this));
    layout->addWidget(Bind::label(form.lbl_credit_algorithms, this));
    layout->addWidget(Bind::label(form.lbl_credit_pictures, this));
    layout->addWidget(Bind::label(form.lbl_program, this));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Bind::window(form, this);
    layout->addItem(TitleRoom(this));
}
