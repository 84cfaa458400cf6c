#include "calculator/sunpageview.h"

#include "calculator/frmmain.h"
#include "controls/bindingview.h"
#include "moonpicture/moonview.h"

#include <QCheckBox>
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

struct TAlmanacRow {
    TLabel& caption;
    const char* captionName;
    TLabel& value;
    const char* valueName;
};

QGridLayout* almanacGrid(std::initializer_list<TAlmanacRow> rows)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const TAlmanacRow& r : rows) {
        grid->addWidget(Bind::label(r.caption, r.captionName), row, 0);
        grid->addWidget(Bind::label(r.value, r.valueName), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

QWidget* almanac(TFrmMain& form)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addLayout(almanacGrid({{form.lbl_julian, "lbl_julian", form.val_julian, "val_julian"},
                                {form.lbl_utc, "lbl_utc", form.val_utc, "val_utc"},
                                {form.lbl_local, "lbl_local", form.val_local, "val_local"},
                                {form.lbl_age, "lbl_age", form.val_age, "val_age"},
                                {form.lbl_phase, "lbl_phase", form.val_phase, "val_phase"},
                                {form.lbl_moon_distance, "lbl_moon_distance", form.val_moon_distance,
                                 "val_moon_distance"},
                                {form.lbl_moon_subtend, "lbl_moon_subtend", form.val_moon_subtend,
                                 "val_moon_subtend"},
                                {form.lbl_sun_distance, "lbl_sun_distance", form.val_sun_distance,
                                 "val_sun_distance"},
                                {form.lbl_sun_subtend, "lbl_sun_subtend", form.val_sun_subtend,
                                 "val_sun_subtend"}}),
                   1);
    top->addWidget(BindMoon(form.Moon, "Moon"), 0, Qt::AlignTop);
    layout->addLayout(top);

    auto* phases = almanacGrid({{form.lbl_lastnew, "lbl_lastnew", form.val_newmoon, "val_newmoon"},
                                {form.lbl_firstquart, "lbl_firstquart", form.val_firstquart, "val_firstquart"},
                                {form.lbl_full, "lbl_full", form.val_full, "val_full"},
                                {form.lbl_lastquart, "lbl_lastquart", form.val_lastquart, "val_lastquart"},
                                {form.lbl_nextnew, "lbl_nextnew", form.val_nextnew, "val_nextnew"}});
    phases->setColumnStretch(1, 0);
    phases->addWidget(Bind::label(form.lbl_lastlunation, "lbl_lastlunation"), 0, 2);
    phases->addWidget(Bind::label(form.val_lastlunation, "val_lastlunation"), 0, 3);
    phases->addWidget(Bind::label(form.lbl_nextlunation, "lbl_nextlunation"), 4, 2);
    phases->addWidget(Bind::label(form.val_nextlunation, "val_nextlunation"), 4, 3);
    phases->setColumnStretch(4, 1);
    layout->addLayout(phases);

    layout->addLayout(almanacGrid({{form.Label110, "Label110", form.lblSunAzimuth, "lblSunAzimuth"},
                                   {form.Label111, "Label111", form.lblSunElevation, "lblSunElevation"}}));

    auto* events = almanacGrid({{form.lbl_sunrise, "lbl_sunrise", form.val_sunrise, "val_sunrise"},
                                {form.lbl_suntransit, "lbl_suntransit", form.val_suntransit, "val_suntransit"},
                                {form.lbl_sunset, "lbl_sunset", form.val_sunset, "val_sunset"}});
    events->setColumnStretch(1, 0);
    events->addWidget(Bind::label(form.lbl_moonrise, "lbl_moonrise"), 0, 2);
    events->addWidget(Bind::label(form.val_moonrise, "val_moonrise"), 0, 3);
    events->addWidget(Bind::label(form.lbl_moontransit, "lbl_moontransit"), 1, 2);
    events->addWidget(Bind::label(form.val_moontransit, "val_moontransit"), 1, 3);
    events->addWidget(Bind::label(form.lbl_moonset, "lbl_moonset"), 2, 2);
    events->addWidget(Bind::label(form.val_moonset, "val_moonset"), 2, 3);
    events->setColumnMinimumWidth(1, 190);
    events->setColumnStretch(4, 1);
    layout->addLayout(events);

    layout->addWidget(Bind::label(form.lblLocation, "lblLocation"));
    auto* utc = new QHBoxLayout;
    QLabel* note = Bind::label(form.Label129, "Label129");
    note->setWordWrap(true);
    utc->addWidget(note, 1);
    utc->addWidget(Bind::button(form.btnUTCTime, "btnUTCTime"), 0, Qt::AlignVCenter);
    utc->addWidget(Bind::button(form.btnLocation, "btnLocation"), 0, Qt::AlignVCenter);
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
    grid->addWidget(Bind::caption("North"), 0, 1, Qt::AlignHCenter);
    grid->addWidget(Bind::caption("West"), 1, 0, Qt::AlignVCenter);
    TImageWidget* picture = Bind::image(form.ImgSunPos, "ImgSunPos");
    picture->setFixedSize(form.ImgSunPos.picture().size());
    grid->addWidget(picture, 1, 1);
    grid->addWidget(Bind::caption("East"), 1, 2, Qt::AlignVCenter);
    grid->addWidget(Bind::caption("South"), 2, 1, Qt::AlignHCenter);
    grid->addWidget(Bind::label(form.lblSunVisible, "lblSunVisible"), 3, 1, Qt::AlignHCenter);
    grid->setRowStretch(4, 1);
    return box;
}

// An input row: caption, yellow edit box, unit.
void addInput(QGridLayout* grid, int row, const char* caption, TEdit& edit, const char* name, const char* unit)
{
    grid->addWidget(Bind::caption(caption), row, 0);
    QLineEdit* field = Bind::edit(edit, name);
    field->setMaximumWidth(70);
    // Room for a signed value with a decimal and the edit's frame, also where space is short.
    field->setMinimumWidth(std::min(70, field->fontMetrics().horizontalAdvance(QStringLiteral("-88.8")) + 16));
    grid->addWidget(field, row, 1);
    if (*unit)
        grid->addWidget(Bind::caption(unit), row, 2);
}

QGroupBox* comfort(TFrmMain& form)
{
    auto* group = new QGroupBox("Model comfort:");
    group->setObjectName("gpbxComfort");
    auto* grid = new QGridLayout;
    addInput(grid, 0, "Air temperature:", form.edtTemp, "edtTemp", "degrees Celsius");
    addInput(grid, 1, "Relative humidity:", form.edtHumidity, "edtHumidity", "%");
    addInput(grid, 2, "Wind speed:", form.edtWind, "edtWind", "km/hour");
    addInput(grid, 3, "Sun elevation:", form.edtSunElev, "edtSunElev", "degrees");
    // Under its edit rather than beside it: the column stays narrow.
    grid->addWidget(Bind::checkBox(form.chbxSunElev, "chbxSunElev", "Use calculated"), 4, 1, 1, 2);
    addInput(grid, 5, "Solar correction factor:", form.edtSolarCorr, "edtSolarCorr", "");
    grid->addWidget(Bind::caption("Apparent temperature:"), 6, 0, 1, 2);
    grid->addWidget(Bind::caption("in the shade:"), 7, 0);
    grid->addWidget(Bind::label(form.lblTempAppShade, "lblTempAppShade"), 7, 1, 1, 2);
    grid->addWidget(Bind::caption("in the sun:"), 8, 0);
    grid->addWidget(Bind::label(form.lblTempAppSun, "lblTempAppSun"), 8, 1, 1, 2);
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
    right->addWidget(Bind::memo(form.MemoComfort, "MemoComfort"), 1);
    layout->addLayout(right, 2);
    return page;
}
