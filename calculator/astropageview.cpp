#include "calculator/astropageview.h"

#include "calculator/frmmain.h"
#include "calculator/pagelayoutview.h"
#include "controls/bindingview.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using PageLayout::addCaptioned;
using PageLayout::groupBox;
using PageLayout::wrapped;

namespace {

QLineEdit* shortEdit(TEdit& control)
{
    QLineEdit* edit = Bind::edit(control);
    edit->setFixedWidth(80);
    return edit;
}

QGroupBox* telescopeGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determining F ratio and effective focal length:", "grpbxPrimeFocus");
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    addCaptioned(grid, 0, "Barlow lens magnification:", Bind::combo(form.cmbxA_PF_Barlow));
    addCaptioned(grid, 1, "Telescope focal length (mm):", shortEdit(form.edtA_T_fl));
    addCaptioned(grid, 1, "aperture diameter (mm):", shortEdit(form.edtA_T_aperture), 2);
    addCaptioned(grid, 2, "Eyepiece focal length (mm):", shortEdit(form.edtA_T_EyepieceFL));
    addCaptioned(grid, 3, "Camera focal length (35mm):", shortEdit(form.edtA_LensFL));
    addCaptioned(grid, 3, "Camera lens f/ratio:", shortEdit(form.edtA_LensFR), 2);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    // Result lines run long; they wrap inside the group.
    layout->addWidget(wrapped(Bind::label(form.lblA_T_fr)));
    layout->addWidget(wrapped(Bind::label(form.lblA_NegProjFR)));
    layout->addWidget(wrapped(Bind::label(form.lblA_Afocal)));
    layout->addWidget(wrapped(Bind::label(form.lblExitPupil)));
    layout->addWidget(wrapped(Bind::label(form.lblA_Resolve)));
    layout->addWidget(wrapped(Bind::label(form.lblLightGather)));
    layout->addWidget(wrapped(Bind::label(form.lblLimMagV)));
    return box;
}

QGroupBox* imageSizeGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determining image size and angular sizes", "grbxA_ImageSize");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, "Effective focal length (mm):", shortEdit(form.edtA_EffFL));
    addCaptioned(grid, 1, "Magnification:", shortEdit(form.edtA_Mag));
    addCaptioned(grid, 2, "Angle of view on 35mm film or full frame digital:", shortEdit(form.edtA_Ang1));
    addCaptioned(grid, 2, "deg X", shortEdit(form.edtA_Ang2), 2);
    grid->addWidget(Bind::caption("degrees"), 2, 4);
    addCaptioned(grid, 3, "Full moon diameter as percent of film height:", shortEdit(form.edtA_MoonPC));
    grid->addWidget(wrapped(Bind::caption("%  (moon diameter approx. 0.51degrees)")), 3, 2, 1, 4);
    addCaptioned(grid, 4, "Max. duration untracked to avoid star trails:",
                 shortEdit(form.edtA_StarTrailTime));
    grid->addWidget(wrapped(Bind::caption("seconds. (based on 15sec for 50mm lens on 35mm camera)")), 4, 2, 1, 4);
    grid->setColumnStretch(5, 1);
    return box;
}

}  // namespace

QWidget* createAstroPage(TFrmMain& form, QWidget* parent)
{
    QGroupBox* telescope = telescopeGroup(form);
    QGroupBox* imageSize = imageSizeGroup(form);
    QPlainTextEdit* memo = PageLayout::documentation(form.MemoAstro);
    memo->setMinimumWidth(400);
    return PageLayout::documentedPage(parent, form.tbshtAstro.name(), {telescope, imageSize}, 4, memo, 3);
}
