#include "calculator/exposurepageview.h"

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

QGroupBox* groupBox(const QString& title, const char* name)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Fixed pitch keeps the documentation's tables in columns.
QPlainTextEdit* documentation(TMemo& memo, const char* name)
{
    QPlainTextEdit* text = Bind::memo(memo, name);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return text;
}

QGroupBox* exposureValueGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determine EV at ISO 100", "grpbxEV");
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->addWidget(Bind::caption("Shutter speed:"), 0, 0);
    grid->addWidget(Bind::combo(form.cmbxEV1Shutter, "cmbxEV1Shutter"), 0, 1);
    grid->addWidget(Bind::caption("f/ratio you wish to use:"), 1, 0);
    grid->addWidget(Bind::edit(form.edtEV1Fratio, "edtEV1Fratio"), 1, 1);
    grid->addWidget(Bind::caption("ISO setting:"), 2, 0);
    grid->addWidget(Bind::combo(form.cmbxEV1ISO, "cmbxEV1ISO"), 2, 1);
    grid->addWidget(Bind::caption("exposure value:"), 3, 0);
    grid->addWidget(Bind::label(form.lblEV1, "lblEV1"), 3, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto* system = new QHBoxLayout;
    system->addWidget(Bind::caption("S+L=A+T system:        Time: "));
    system->addWidget(Bind::label(form.lblEV1_T, "lblEV1_T"));
    system->addWidget(Bind::caption("+      Aperture: "));
    system->addWidget(Bind::label(form.lblEV1_A, "lblEV1_A"));
    system->addWidget(Bind::caption("=       Speed:"));
    system->addWidget(Bind::label(form.lblEV1_S, "lblEV1_S"));
    system->addWidget(Bind::caption("+       Light value: "));
    system->addWidget(Bind::label(form.lblEV1_L, "lblEV1_L"));
    system->addStretch(1);
    layout->addLayout(system);
    return box;
}

QGroupBox* settingsGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determine exposure settings given an ambient Light value:", "gpbxEV2");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bind::caption("ambient light LV:"), 0, 0);
    grid->addWidget(Bind::edit(form.edtEV2, "edtEV2"), 0, 1);
    // Each additive value sits beside the setting it comes from; its hint names it.
    grid->addWidget(Bind::caption("ISO setting:"), 1, 0);
    grid->addWidget(Bind::combo(form.cmbxEV2ISO, "cmbxEV2ISO"), 1, 1);
    grid->addWidget(Bind::label(form.lblEV2_S, "lblEV2_S"), 1, 2);
    grid->addWidget(Bind::caption("f/ratio you wish to use:"), 2, 0);
    grid->addWidget(Bind::edit(form.edtEV2Fratio, "edtEV2Fratio"), 2, 1);
    grid->addWidget(Bind::label(form.lblEV2_A, "lblEV2_A"), 2, 2);
    grid->addWidget(Bind::caption("=>"), 2, 3);
    grid->addWidget(Bind::caption("shutter speed to use:"), 2, 4);
    grid->addWidget(Bind::label(form.lblEV2Shutter, "lblEV2Shutter"), 2, 5);
    grid->addWidget(Bind::caption("or, shutter speed you wish to use:"), 3, 0);
    grid->addWidget(Bind::combo(form.cmbxEV2Shutter, "cmbxEV2Shutter"), 3, 1);
    grid->addWidget(Bind::label(form.lblEV2_T, "lblEV2_T"), 3, 2);
    grid->addWidget(Bind::caption("=>"), 3, 3);
    grid->addWidget(Bind::caption("f/ratio to use:"), 3, 4);
    grid->addWidget(Bind::label(form.lblEV2FRatio, "lblEV2FRatio"), 3, 5);
    grid->setColumnStretch(5, 1);
    return box;
}

}  // namespace

QWidget* createExposurePage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName("tbshtEV");
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(exposureValueGroup(form));
    left->addWidget(settingsGroup(form));
    QLabel* note = Bind::caption("NB. the above DO NOT take into account reciprocity failure of films which effects "
                                 "exposures longer than 1/10th sec  but this is not an issue with digital cameras");
    note->setWordWrap(true);
    left->addWidget(note);
    left->addStretch(1);
    layout->addLayout(left, 1);
    layout->addWidget(documentation(form.MemoEV, "MemoEV"), 1);
    return page;
}
