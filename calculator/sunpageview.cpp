#include "calculator/sunpageview.h"

#include "calculator/frmmain.h"
#include "controls/bindingview.h"
#include "moonpicture/moonview.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SunPageView)
};

QGridLayout* almanacGrid(std::initializer_list<Bind::LabelRow> rows)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    Bind::labelRows(grid, rows);
    grid->setColumnStretch(1, 1);
    return grid;
}

QWidget* almanac(TFrmMain& form)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addLayout(almanacGrid({{form.sun.lbl_julian, form.sun.val_julian},
                                {form.sun.lbl_utc, form.sun.val_utc},
                                {form.sun.lbl_local, form.sun.val_local},
                                {form.sun.lbl_age, form.sun.val_age},
                                {form.sun.lbl_phase, form.sun.val_phase},
                                {form.sun.lbl_moon_distance, form.sun.val_moon_distance},
                                {form.sun.lbl_moon_subtend, form.sun.val_moon_subtend},
                                {form.sun.lbl_sun_distance, form.sun.val_sun_distance},
                                {form.sun.lbl_sun_subtend, form.sun.val_sun_subtend}}),
                   1);
    top->addWidget(BindMoon(form.sun.Moon), 0, Qt::AlignTop);
    layout->addLayout(top);

    auto* phases = almanacGrid({{form.sun.lbl_lastnew, form.sun.val_newmoon},
                                {form.sun.lbl_firstquart, form.sun.val_firstquart},
                                {form.sun.lbl_full, form.sun.val_full},
                                {form.sun.lbl_lastquart, form.sun.val_lastquart},
                                {form.sun.lbl_nextnew, form.sun.val_nextnew}});
    phases->setColumnStretch(1, 0);
    phases->addWidget(Bind::label(form.sun.lbl_lastlunation), 0, 2);
    phases->addWidget(Bind::label(form.sun.val_lastlunation), 0, 3);
    phases->addWidget(Bind::label(form.sun.lbl_nextlunation), 4, 2);
    phases->addWidget(Bind::label(form.sun.val_nextlunation), 4, 3);
    phases->setColumnStretch(4, 1);
    layout->addLayout(phases);

    layout->addLayout(
        almanacGrid({{form.sun.Label110, form.sun.lblSunAzimuth}, {form.sun.Label111, form.sun.lblSunElevation}}));

    auto* events = almanacGrid({{form.sun.lbl_sunrise, form.sun.val_sunrise},
                                {form.sun.lbl_suntransit, form.sun.val_suntransit},
                                {form.sun.lbl_sunset, form.sun.val_sunset}});
    events->setColumnStretch(1, 0);
    Bind::labelRows(events,
                    {{form.sun.lbl_moonrise, form.sun.val_moonrise},
                     {form.sun.lbl_moontransit, form.sun.val_moontransit},
                     {form.sun.lbl_moonset, form.sun.val_moonset}},
                    2);
    events->setColumnMinimumWidth(1, 190);
    events->setColumnStretch(4, 1);
    layout->addLayout(events);

    layout->addWidget(Bind::label(form.sun.lblLocation));
    auto* utc = new QHBoxLayout;
    QLabel* note = Bind::label(form.sun.Label129);
    note->setWordWrap(true);
    utc->addWidget(note, 1);
    utc->addWidget(Bind::button(form.sun.btnUTCTime), 0, Qt::AlignVCenter);
    utc->addWidget(Bind::button(form.sun.btnLocation), 0, Qt::AlignVCenter);
    layout->addLayout(utc);
    layout->addStretch(1);
    return box;
}

// The compass picture with the four directions around it; east is on the right.
QWidget* compass(TFrmMain& form)
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Bind::caption(Text::tr("North")), 0, 1, Qt::AlignHCenter);
    grid->addWidget(Bind::caption(Text::tr("West")), 1, 0, Qt::AlignVCenter);
    TImageWidget* picture = Bind::image(form.sun.ImgSunPos);
    picture->setFixedSize(form.sun.ImgSunPos.picture().size());
    grid->addWidget(picture, 1, 1);
    grid->addWidget(Bind::caption(Text::tr("East")), 1, 2, Qt::AlignVCenter);
    grid->addWidget(Bind::caption(Text::tr("South")), 2, 1, Qt::AlignHCenter);
    grid->addWidget(Bind::label(form.sun.lblSunVisible), 3, 1, Qt::AlignHCenter);
    grid->setRowStretch(4, 1);
    return box;
}

// An input row: caption, yellow edit box, unit.
void addInput(QGridLayout* grid, int row, const QString& caption, TEdit& edit, const QString& unit)
{
    grid->addWidget(Bind::caption(caption), row, 0);
    QLineEdit* field = Bind::edit(edit);
    field->setMaximumWidth(70);
    // Room for a signed value with a decimal and the edit's frame, also where space is short.
    field->setMinimumWidth(std::min(70, field->fontMetrics().horizontalAdvance(QStringLiteral("-88.8")) + 16));
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(Bind::caption(unit), row, 2);
}

QGroupBox* comfort(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Model comfort:"));
    group->setObjectName("gpbxComfort");
    auto* grid = new QGridLayout;
    addInput(grid, 0, Text::tr("Air temperature:"), form.sun.edtTemp, Text::tr("degrees Celsius"));
    addInput(grid, 1, Text::tr("Relative humidity:"), form.sun.edtHumidity, QStringLiteral("%"));
    addInput(grid, 2, Text::tr("Wind speed:"), form.sun.edtWind, Text::tr("km/hour"));
    addInput(grid, 3, Text::tr("Sun elevation:"), form.sun.edtSunElev, Text::tr("degrees"));
    // Under its edit rather than beside it: the column stays narrow.
    grid->addWidget(Bind::checkBox(form.sun.chbxSunElev, Text::tr("Use calculated")), 4, 1, 1, 2);
    addInput(grid, 5, Text::tr("Solar correction factor:"), form.sun.edtSolarCorr, QString());
    grid->addWidget(Bind::caption(Text::tr("Apparent temperature:")), 6, 0, 1, 2);
    grid->addWidget(Bind::caption(Text::tr("in the shade:")), 7, 0);
    grid->addWidget(Bind::label(form.sun.lblTempAppShade), 7, 1, 1, 2);
    grid->addWidget(Bind::caption(Text::tr("in the sun:")), 8, 0);
    grid->addWidget(Bind::label(form.sun.lblTempAppSun), 8, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    group->setLayout(grid);
    return group;
}

}  // namespace

// The almanac, the compass and the model's comfort side by side, the comfort group's note
// below it: a page no taller than its longest column.
QWidget* createSunPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(almanac(form), 3);
    auto* middle = new QVBoxLayout;
    middle->addWidget(compass(form), 0, Qt::AlignHCenter);
    middle->addStretch(1);
    layout->addLayout(middle);
    auto* right = new QVBoxLayout;
    right->addWidget(comfort(form));
    right->addWidget(Bind::memo(form.sun.MemoComfort), 1);
    layout->addLayout(right, 2);
    return page;
}
