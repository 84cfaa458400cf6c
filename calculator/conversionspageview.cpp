#include "calculator/conversionspageview.h"

#include "calculator/frmmain.h"
#include "controls/bindingview.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QGroupBox* groupBox(const QString& title, const char* name)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// The unit radio buttons side by side, as two columns.
QGroupBox* unitGroup(TRadioGroup& control, const char* name)
{
    QGroupBox* box = Bind::radioGroup(control, name, QString());
    if (auto* layout = qobject_cast<QBoxLayout*>(box->layout()))
        layout->setDirection(QBoxLayout::LeftToRight);
    return box;
}

QGroupBox* colourTemperatureGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Colour temperature filters:", "gpbxColourTemp");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bind::caption("Film/sensor colour temperature:"), 0, 0);
    grid->addWidget(Bind::combo(form.cmbxFilmType, "cmbxFilmType"), 0, 1);
    grid->addWidget(Bind::caption("light source colour temperature:"), 1, 0);
    grid->addWidget(Bind::combo(form.cmbxLightSource, "cmbxLightSource"), 1, 1);
    grid->addWidget(Bind::caption("Mired shift = [(1/temp1) - (1/temp2)] x 1000000    NB. this does not use the "
                                  "CC type filters"),
                    2, 0, 1, 4);
    auto* result = new QHBoxLayout;
    result->addWidget(Bind::label(form.lblMiredShift, "lblMiredShift"));
    result->addSpacing(24);
    result->addWidget(Bind::caption("thus need filter:"));
    result->addWidget(Bind::label(form.lblFilterNeeded, "lblFilterNeeded"));
    result->addStretch(1);
    grid->addLayout(result, 3, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* guideNumberGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Flash GN conversions", "gpbxFlashGN");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bind::caption("Flash guide number:"), 0, 0);
    grid->addWidget(Bind::edit(form.edtGN, "edtGN"), 0, 1);
    grid->addWidget(unitGroup(form.rdgpGN1, "rdgpGN1"), 0, 2, 2, 1);
    grid->addWidget(Bind::caption("ISO setting:"), 1, 0);
    grid->addWidget(Bind::combo(form.cmbxGNISO1, "cmbxGNISO1"), 1, 1);
    grid->addWidget(Bind::caption("Power setting:"), 2, 0);
    grid->addWidget(Bind::combo(form.cmbxGNPower, "cmbxGNPower"), 2, 1);
    grid->addWidget(Bind::caption("=>"), 3, 0);
    grid->addWidget(unitGroup(form.rdgpGN2, "rdgpGN2"), 4, 2, 2, 1);
    grid->addWidget(Bind::caption("ISO setting:"), 4, 0);
    grid->addWidget(Bind::combo(form.cmbxGNISO2, "cmbxGNISO2"), 4, 1);
    grid->addWidget(Bind::caption("GN:"), 5, 0);
    grid->addWidget(Bind::label(form.lblGNconv, "lblGNconv"), 5, 1);
    grid->setRowStretch(6, 1);
    return box;
}

QGroupBox* flashDistanceGroup(TFrmMain& form)
{
    QGroupBox* box = groupBox("Flash distance or f/ratio calculator", "GroupBox1");
    auto* grid = new QGridLayout(box);
    grid->addWidget(Bind::caption("Flash guide number:"), 0, 0);
    grid->addWidget(Bind::edit(form.edtGN2, "edtGN2"), 0, 1);
    grid->addWidget(Bind::caption("flash to subject distance in units of GN:"), 1, 0);
    grid->addWidget(Bind::edit(form.edtGN2Distance, "edtGN2Distance"), 1, 1);
    grid->addWidget(Bind::caption("=>"), 1, 2);
    grid->addWidget(Bind::caption("f/ratio to use:"), 1, 3);
    grid->addWidget(Bind::label(form.lblGN2fratio, "lblGN2fratio"), 1, 4);
    grid->addWidget(Bind::caption("f/ratio you wish to use:"), 2, 0);
    grid->addWidget(Bind::edit(form.edtGN2FRatio, "edtGN2FRatio"), 2, 1);
    grid->addWidget(Bind::caption("=>"), 2, 2);
    grid->addWidget(Bind::caption("distance to use:"), 2, 3);
    grid->addWidget(Bind::label(form.lblGN2distance, "lblGN2distance"), 2, 4);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    return box;
}

}  // namespace

QWidget* createConversionsPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName("tbshtCalc");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(colourTemperatureGroup(form));
    auto* lower = new QHBoxLayout;
    lower->addWidget(guideNumberGroup(form));
    lower->addWidget(flashDistanceGroup(form), 1);
    layout->addLayout(lower);
    layout->addStretch(1);
    return page;
}
