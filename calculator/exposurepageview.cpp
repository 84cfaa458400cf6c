#include "calculator/exposurepageview.h"

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

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExposurePageView)
};

QGroupBox* exposureValueGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Determine EV at ISO 100"), "grpbxEV");
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    addCaptioned(grid, 0, Text::tr("Shutter speed:"), Bind::combo(form.exposure.cmbxEV1Shutter));
    addCaptioned(grid, 1, Text::tr("f/ratio you wish to use:"), Bind::edit(form.exposure.edtEV1Fratio));
    addCaptioned(grid, 2, Text::tr("ISO setting:"), Bind::combo(form.exposure.cmbxEV1ISO));
    addCaptioned(grid, 3, Text::tr("exposure value:"), Bind::label(form.exposure.lblEV1));
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto* system = new QHBoxLayout;
    system->addWidget(Bind::caption(Text::tr("S+L=A+T system:        Time: ")));
    system->addWidget(Bind::label(form.exposure.lblEV1_T));
    system->addWidget(Bind::caption(Text::tr("+      Aperture: ")));
    system->addWidget(Bind::label(form.exposure.lblEV1_A));
    system->addWidget(Bind::caption(Text::tr("=       Speed:")));
    system->addWidget(Bind::label(form.exposure.lblEV1_S));
    system->addWidget(Bind::caption(Text::tr("+       Light value: ")));
    system->addWidget(Bind::label(form.exposure.lblEV1_L));
    system->addStretch(1);
    layout->addLayout(system);
    return box;
}

QGroupBox* settingsGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Determine exposure settings given an ambient Light value:"), "gpbxEV2");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, Text::tr("ambient light LV:"), Bind::edit(form.exposure.edtEV2));
    // Each additive value sits beside the setting it comes from; its hint names it.
    addCaptioned(grid, 1, Text::tr("ISO setting:"), Bind::combo(form.exposure.cmbxEV2ISO));
    grid->addWidget(Bind::label(form.exposure.lblEV2_S), 1, 2);
    addCaptioned(grid, 2, Text::tr("f/ratio you wish to use:"), Bind::edit(form.exposure.edtEV2Fratio));
    grid->addWidget(Bind::label(form.exposure.lblEV2_A), 2, 2);
    grid->addWidget(Bind::caption("=>"), 2, 3);
    addCaptioned(grid, 2, Text::tr("shutter speed to use:"), Bind::label(form.exposure.lblEV2Shutter), 4);
    addCaptioned(grid, 3, Text::tr("or, shutter speed you wish to use:"), Bind::combo(form.exposure.cmbxEV2Shutter));
    grid->addWidget(Bind::label(form.exposure.lblEV2_T), 3, 2);
    grid->addWidget(Bind::caption("=>"), 3, 3);
    addCaptioned(grid, 3, Text::tr("f/ratio to use:"), Bind::label(form.exposure.lblEV2FRatio), 4);
    grid->setColumnStretch(5, 1);
    return box;
}

}  // namespace

QWidget* createExposurePage(TFrmMain& form, QWidget* parent)
{
    QGroupBox* exposureValue = exposureValueGroup(form);
    QGroupBox* settings = settingsGroup(form);
    QLabel* note = PageLayout::wrapped(
        Bind::caption(Text::tr("NB. the above DO NOT take into account reciprocity failure of films which effects "
                               "exposures longer than 1/10th sec  but this is not an issue with digital cameras")));
    QPlainTextEdit* memo = PageLayout::documentation(form.exposure.MemoEV);
    return PageLayout::documentedPage(parent, form.tbshtEV.name(), {exposureValue, settings, note}, 1, memo, 1);
}
