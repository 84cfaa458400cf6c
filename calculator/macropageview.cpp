#include "calculator/macropageview.h"

#include "calculator/frmmain.h"
#include "calculator/pagelayoutview.h"
#include "controls/bindingview.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using PageLayout::addCaptioned;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(MacroPageView)
};

}  // namespace

QWidget* createMacroPage(TFrmMain& form, QWidget* parent)
{
    QGroupBox* box =
        PageLayout::groupBox(Text::tr("Determine magnification and manual exposure compensation: "), "gpbxMacro_Mag");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, Text::tr("lens focal length:"), Bind::edit(form.macro.edtM_fl));
    addCaptioned(grid, 1, Text::tr("Length of extension tubes or bellows (mm):"), Bind::edit(form.macro.edtM_Ext));
    addCaptioned(grid, 2, Text::tr("=> magnification:"), Bind::label(form.macro.lblM_Mag));
    addCaptioned(grid, 3, Text::tr("=> exposure compensation required:"), Bind::label(form.macro.lblM_Exp));
    grid->setRowStretch(4, 1);

    QPlainTextEdit* memo = PageLayout::documentation(form.macro.MemoMacro);
    return PageLayout::documentedPage(parent, form.tbshtMacro.name(), {box}, 2, memo, 3);
}
