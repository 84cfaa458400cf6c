#include "calculator/astropageview.h"

#include "calculator/frmmain.h"
#include "controls/bindingview.h"

#include <QBoxLayout>
#include <QComboBox>
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

QGroupBox* groupBox(const QString& title, const char* name)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Result lines run long; they wrap inside the group.
QLabel* resultLine(TLabel& control, const char* name)
{
    QLabel* line = Bind::label(control, name);
    line->setWordWrap(true);
    return line;
}

QLabel* wrapped(const QString& text)
{
    QLabel* caption = Bind::caption(text);
    caption->setWordWrap(true);
    return caption;
}

QLineEdit* shortEdit(TEdit& control, const char* name)
{
    QLineEdit* edit = Bind::edit(control, name);
    edit->setFixedWidth(80);
    return edit;
}

QGroupBox* telescopeGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determining F ratio and effective focal length:", "grpbxPrimeFocus");
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->addWidget(Bind::caption("Barlow lens magnification:"), 0, 0);
    grid->addWidget(Bind::combo(form.cmbxA_PF_Barlow, "cmbxA_PF_Barlow"), 0, 1);
    grid->addWidget(Bind::caption("Telescope focal length (mm):"), 1, 0);
    grid->addWidget(shortEdit(form.edtA_T_fl, "edtA_T_fl"), 1, 1);
    grid->addWidget(Bind::caption("aperture diameter (mm):"), 1, 2);
    grid->addWidget(shortEdit(form.edtA_T_aperture, "edtA_T_aperture"), 1, 3);
    grid->addWidget(Bind::caption("Eyepiece focal length (mm):"), 2, 0);
    grid->addWidget(shortEdit(form.edtA_T_EyepieceFL, "edtA_T_EyepieceFL"), 2, 1);
    grid->addWidget(Bind::caption("Camera focal length (35mm):"), 3, 0);
    grid->addWidget(shortEdit(form.edtA_LensFL, "edtA_LensFL"), 3, 1);
    grid->addWidget(Bind::caption("Camera lens f/ratio:"), 3, 2);
    grid->addWidget(shortEdit(form.edtA_LensFR, "edtA_LensFR"), 3, 3);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    layout->addWidget(resultLine(form.lblA_T_fr, "lblA_T_fr"));
    layout->addWidget(resultLine(form.lblA_NegProjFR, "lblA_NegProjFR"));
    layout->addWidget(resultLine(form.lblA_Afocal, "lblA_Afocal"));
    layout->addWidget(resultLine(form.lblExitPupil, "lblExitPupil"));
    layout->addWidget(resultLine(form.lblA_Resolve, "lblA_Resolve"));
    layout->addWidget(resultLine(form.lblLightGather, "lblLightGather"));
    layout->addWidget(resultLine(form.lblLimMagV, "lblLimMagV"));
    return box;
}

QGroupBox* imageSizeGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determining image size and angular sizes", "grbxA_ImageSize");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bind::caption("Effective focal length (mm):"), 0, 0);
    grid->addWidget(shortEdit(form.edtA_EffFL, "edtA_EffFL"), 0, 1);
    grid->addWidget(Bind::caption("Magnification:"), 1, 0);
    grid->addWidget(shortEdit(form.edtA_Mag, "edtA_Mag"), 1, 1);
    grid->addWidget(Bind::caption("Angle of view on 35mm film or full frame digital:"), 2, 0);
    grid->addWidget(shortEdit(form.edtA_Ang1, "edtA_Ang1"), 2, 1);
    grid->addWidget(Bind::caption("deg X"), 2, 2);
    grid->addWidget(shortEdit(form.edtA_Ang2, "edtA_Ang2"), 2, 3);
    grid->addWidget(Bind::caption("degrees"), 2, 4);
    grid->addWidget(Bind::caption("Full moon diameter as percent of film height:"), 3, 0);
    grid->addWidget(shortEdit(form.edtA_MoonPC, "edtA_MoonPC"), 3, 1);
    grid->addWidget(wrapped("%  (moon diameter approx. 0.51degrees)"), 3, 2, 1, 4);
    grid->addWidget(Bind::caption("Max. duration untracked to avoid star trails:"), 4, 0);
    grid->addWidget(shortEdit(form.edtA_StarTrailTime, "edtA_StarTrailTime"), 4, 1);
    grid->addWidget(wrapped("seconds. (based on 15sec for 50mm lens on 35mm camera)"), 4, 2, 1, 4);
    grid->setColumnStretch(5, 1);
    return box;
}

}  // namespace

QWidget* createAstroPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName("tbshtAstro");
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(telescopeGroup(form));
    left->addWidget(imageSizeGroup(form));
    left->addStretch(1);
    layout->addLayout(left, 4);
    QPlainTextEdit* memo = documentation(form.MemoAstro, "MemoAstro");
    memo->setMinimumWidth(400);
    layout->addWidget(memo, 3);
    return page;
}
