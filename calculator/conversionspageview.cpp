#include "calculator/conversionspageview.h"

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

using PageLayout::addCaptioned;
using PageLayout::groupBox;
using PageLayout::unitGroup;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConversionsPageView)
};

QGroupBox* colourTemperatureGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Colour temperature filters:"), "gpbxColourTemp");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, Text::tr("Film/sensor colour temperature:"), Bind::combo(form.conversions.cmbxFilmType));
    addCaptioned(grid, 1, Text::tr("light source colour temperature:"), Bind::combo(form.conversions.cmbxLightSource));
    grid->addWidget(
        Bind::caption(Text::tr("Mired shift = [(1/temp1) - (1/temp2)] x 1000000    NB. this does not use the "
                               "CC type filters")),
        2, 0, 1, 4);
    auto* result = new QHBoxLayout;
    result->addWidget(Bind::label(form.conversions.lblMiredShift));
    result->addSpacing(24);
    result->addWidget(Bind::caption(Text::tr("thus need filter:")));
    result->addWidget(Bind::label(form.conversions.lblFilterNeeded));
    result->addStretch(1);
    grid->addLayout(result, 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* guideNumberGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Flash GN conversions"), "gpbxFlashGN");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, Text::tr("Flash guide number:"), Bind::edit(form.conversions.edtGN));
    grid->addWidget(unitGroup(form.conversions.rdgpGN1), 0, 2, 2, 1);
    addCaptioned(grid, 1, Text::tr("ISO setting:"), Bind::combo(form.conversions.cmbxGNISO1));
    addCaptioned(grid, 2, Text::tr("Power setting:"), Bind::combo(form.conversions.cmbxGNPower));
    grid->addWidget(Bind::caption("=>"), 3, 0);
    grid->addWidget(unitGroup(form.conversions.rdgpGN2), 4, 2, 2, 1);
    addCaptioned(grid, 4, Text::tr("ISO setting:"), Bind::combo(form.conversions.cmbxGNISO2));
    addCaptioned(grid, 5, Text::tr("GN:"), Bind::label(form.conversions.lblGNconv));
    grid->setRowStretch(6, 1);
    return box;
}

// One row of the distance group: "caption: edit => caption: result".
void flashDistanceRow(QGridLayout* grid, int row, const QString& given, QWidget* edit, const QString& wanted,
                      QWidget* result)
{
    addCaptioned(grid, row, given, edit);
    grid->addWidget(Bind::caption("=>"), row, 2);
    addCaptioned(grid, row, wanted, result, 3);
}

QGroupBox* flashDistanceGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox(Text::tr("Flash distance or f/ratio calculator"), "GroupBox1");
    auto* grid = new QGridLayout(box);
    addCaptioned(grid, 0, Text::tr("Flash guide number:"), Bind::edit(form.conversions.edtGN2));
    flashDistanceRow(grid, 1, Text::tr("flash to subject distance in units of GN:"),
                     Bind::edit(form.conversions.edtGN2Distance), Text::tr("f/ratio to use:"),
                     Bind::label(form.conversions.lblGN2fratio));
    flashDistanceRow(grid, 2, Text::tr("f/ratio you wish to use:"), Bind::edit(form.conversions.edtGN2FRatio),
                     Text::tr("distance to use:"), Bind::label(form.conversions.lblGN2distance));
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    return box;
}

}  // namespace

QWidget* createConversionsPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(form.tbshtCalc.name());
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(colourTemperatureGroup(form));
    auto* lower = new QHBoxLayout;
    lower->addWidget(guideNumberGroup(form));
    lower->addWidget(flashDistanceGroup(form), 1);
    layout->addLayout(lower);
    layout->addStretch(1);
    return page;
}
