#include "calculator/exposurepageview.h"

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

namespace {

QGroupBox* exposureValueGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determine EV at ISO 100", "grpbxEV");
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    addCaptioned(grid, 0, "Shutter speed:", Bind::combo(form.exposure.cmbxEV1Shutter));
    addCaptioned(grid, 1, "f/ratio you wish to use:", Bind::edit(form.exposure.edtEV1Fratio));
    addCaptioned(grid, 2, "ISO setting:", Bind::combo(form.exposure.cmbxEV1ISO));
    addCaptioned(grid, 3, "exposure value:", Bind::label(form.exposure.lblEV1));
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto* system = new QHBoxLayout;
    system->addWidget(Bind::caption("S+L=A+T system:        Time: "));
    system->addWidget(Bind::label(form.exposure.lblEV1_T));
    system->addWidget(Bind::caption("+      Aperture: "));
    system->addWidget(Bind::label(form.exposure.lblEV1_A));
    system->addWidget(Bind::caption("=       Speed:"));
    system->addWidget(Bind::label(form.exposure.lblEV1_S));
    system->addWidget(Bind::caption("+       Light value: "));
    system->addWidget(Bind::label(form.exposure.lblEV1_L));
    system->addStretch(1);
    layout->addLayout(system);
    return box;
}

QGroupBox* settingsGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Determine exposure settings given an ambient Light value:", "gpbxEV2");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, "ambient light LV:", Bind::edit(form.exposure.edtEV2));
    // Each additive value sits beside the setting it comes from; its hint names it.
    addCaptioned(grid, 1, "ISO setting:", Bind::combo(form.exposure.cmbxEV2ISO));
    grid->addWidget(Bind::label(form.exposure.lblEV2_S), 1, 2);
    addCaptioned(grid, 2, "f/ratio you wish to use:", Bind::edit(form.exposure.edtEV2Fratio));
    grid->addWidget(Bind::label(form.exposure.lblEV2_A), 2, 2);
    grid->addWidget(Bind::caption("=>"), 2, 3);
    addCaptioned(grid, 2, "shutter speed to use:", Bind::label(form.exposure.lblEV2Shutter), 4);
    addCaptioned(grid, 3, "or, shutter speed you wish to use:", Bind::combo(form.exposure.cmbxEV2Shutter));
    grid->addWidget(Bind::label(form.exposure.lblEV2_T), 3, 2);
    grid->addWidget(Bind::caption("=>"), 3, 3);
    addCaptioned(grid, 3, "f/ratio to use:", Bind::label(form.exposure.lblEV2FRatio), 4);
    grid->setColumnStretch(5, 1);
    return box;
}

}  // namespace

QWidget* createExposurePage(TFrmMain& form, QWidget* parent)
{
    QGroupBox* exposureValue = exposureValueGroup(form);
    QGroupBox* settings = settingsGroup(form);
    QLabel* note = PageLayout::wrapped(
        Bind::caption("NB. the above DO NOT take into account reciprocity failure of films which effects "
                      "exposures longer than 1/10th sec  but this is not an issue with digital cameras"));
    QPlainTextEdit* memo = PageLayout::documentation(form.exposure.MemoEV);
    return PageLayout::documentedPage(parent, form.tbshtEV.name(), {exposureValue, settings, note}, 1, memo, 1);
}
