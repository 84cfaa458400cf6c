#include "calculator/macropageview.h"

#include "calculator/frmmain.h"
#include "controls/bindingview.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Fixed pitch keeps the documentation's tables in columns.
QPlainTextEdit* documentation(TMemo& memo, const char* name)
{
    QPlainTextEdit* text = Bind::memo(memo, name);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return text;
}

}  // namespace

QWidget* createMacroPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName("tbshtMacro");
    auto* layout = new QHBoxLayout(page);

    auto* box = new QGroupBox("Determine magnification and manual exposure compensation: ");
    box->setObjectName("gpbxMacro_Mag");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bind::caption("lens focal length:"), 0, 0);
    grid->addWidget(Bind::edit(form.edtM_fl, "edtM_fl"), 0, 1);
    grid->addWidget(Bind::caption("Length of extension tubes or bellows (mm):"), 1, 0);
    grid->addWidget(Bind::edit(form.edtM_Ext, "edtM_Ext"), 1, 1);
    grid->addWidget(Bind::caption("=> magnification:"), 2, 0);
    grid->addWidget(Bind::label(form.lblM_Mag, "lblM_Mag"), 2, 1);
    grid->addWidget(Bind::caption("=> exposure compensation required:"), 3, 0);
    grid->addWidget(Bind::label(form.lblM_Exp, "lblM_Exp"), 3, 1);
    grid->setRowStretch(4, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(box);
    left->addStretch(1);
    layout->addLayout(left, 2);
    layout->addWidget(documentation(form.MemoMacro, "MemoMacro"), 3);
    return page;
}
