#include "calculator/astropageview.h"

#include "calculator/frmmain.h"
#include "calculator/pagelayoutview.h"
#include "controls/bindingview.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using PageLayout::addCaptioned;
using PageLayout::groupBox;
using PageLayout::wrapped;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(AstroPageView)
};

QLineEdit* shortEdit(TEdit& control)
{
    QLineEdit* edit = Bind::edit(control);
    edit->setFixedWidth(80);
    return edit;
}

QGroupBox* telescopeGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Determining F ratio and effective focal length:"), "grpbxPrimeFocus");
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    addCaptioned(grid, 0, Text::tr("Barlow lens magnification:"), Bind::combo(form.astro.cmbxA_PF_Barlow));
    addCaptioned(grid, 1, Text::tr("Telescope focal length (mm):"), shortEdit(form.astro.edtA_T_fl));
    addCaptioned(grid, 1, Text::tr("aperture diameter (mm):"), shortEdit(form.astro.edtA_T_aperture), 2);
    addCaptioned(grid, 2, Text::tr("Eyepiece focal length (mm):"), shortEdit(form.astro.edtA_T_EyepieceFL));
    addCaptioned(grid, 3, Text::tr("Camera focal length (35mm):"), shortEdit(form.astro.edtA_LensFL));
    addCaptioned(grid, 3, Text::tr("Camera lens f/ratio:"), shortEdit(form.astro.edtA_LensFR), 2);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    // Result lines run long; they wrap inside the group.
    layout->addWidget(wrapped(Bind::label(form.astro.lblA_T_fr)));
    layout->addWidget(wrapped(Bind::label(form.astro.lblA_NegProjFR)));
    layout->addWidget(wrapped(Bind::label(form.astro.lblA_Afocal)));
    layout->addWidget(wrapped(Bind::label(form.astro.lblExitPupil)));
    layout->addWidget(wrapped(Bind::label(form.astro.lblA_Resolve)));
    layout->addWidget(wrapped(Bind::label(form.astro.lblLightGather)));
    layout->addWidget(wrapped(Bind::label(form.astro.lblLimMagV)));
    return box;
}

QGroupBox* imageSizeGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Determining image size and angular sizes"), "grbxA_ImageSize");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, Text::tr("Effective focal length (mm):"), shortEdit(form.astro.edtA_EffFL));
    addCaptioned(grid, 1, Text::tr("Magnification:"), shortEdit(form.astro.edtA_Mag));
    addCaptioned(grid, 2, Text::tr("Angle of view on 35mm film or full frame digital:"),
                 shortEdit(form.astro.edtA_Ang1));
    addCaptioned(grid, 2, Text::tr("deg X"), shortEdit(form.astro.edtA_Ang2), 2);
    grid->addWidget(Bind::caption(Text::tr("degrees")), 2, 4);
    addCaptioned(grid, 3, Text::tr("Full moon diameter as percent of film height:"), shortEdit(form.astro.edtA_MoonPC));
    grid->addWidget(wrapped(Bind::caption(Text::tr("%  (moon diameter approx. 0.51degrees)"))), 3, 2, 1, 4);
    addCaptioned(grid, 4, Text::tr("Max. duration untracked to avoid star trails:"),
                 shortEdit(form.astro.edtA_StarTrailTime));
    grid->addWidget(wrapped(Bind::caption(Text::tr("seconds. (based on 15sec for 50mm lens on 35mm camera)"))), 4, 2, 1,
                    4);
    grid->setColumnStretch(5, 1);
    return box;
}

// One caption and value a row: the group stands above the documentation, whose height it takes.
QGroupBox* starSharpGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Longest untracked exposure with stars still points"), "grbxA_StarSharp");
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(
        wrapped(Bind::caption(Text::tr("For the effective focal length and the camera lens f-ratio on the "
                                       "left and the camera format of the first page."))));
    auto* grid = new QGridLayout;
    addCaptioned(grid, 0, Text::tr("Image width (pixels):"), shortEdit(form.astro.edtA_ImageWidth));
    addCaptioned(grid, 1, Text::tr("Declination aimed at (degrees):"), shortEdit(form.astro.edtA_Declination));
    addCaptioned(grid, 2, Text::tr("500 rule:"), Bind::label(form.astro.lblA_Rule500));
    addCaptioned(grid, 3, Text::tr("NPF rule:"), Bind::label(form.astro.lblA_NPF));
    addCaptioned(grid, 4, Text::tr("NPF rule at that declination:"), Bind::label(form.astro.lblA_NPFDeclination));
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    return box;
}

}  // namespace

QWidget* createAstroPage(TFrmMain& form, QWidget* parent)
{
    QGroupBox* telescope = telescopeGroup(form);
    QGroupBox* imageSize = imageSizeGroup(form);
    QPlainTextEdit* memo = PageLayout::documentation(form.astro.MemoAstro);
    memo->setMinimumWidth(400);
    auto* documentation = new QWidget;
    auto* right = new QVBoxLayout(documentation);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(starSharpGroup(form));
    right->addWidget(memo, 1);
    return PageLayout::documentedPage(parent, form.tbshtAstro.name(), {telescope, imageSize}, 4, documentation, 3);
}
