#include "moredata/frmmoreview.h"

#include "controls/bindingview.h"
#include "controls/guard.h"
#include "moonwindow/helpview.h"
#include "moredata/frmmore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct TRow {
    TLabel& caption;
    const char* captionName;
    TLabel& value;
    const char* valueName;
};

// One column of caption and value rows from `firstRow` down, starting at `column` of the grid.
void addRows(QGridLayout* grid, int column, std::initializer_list<TRow> rows, int firstRow = 0)
{
    int row = firstRow;
    for (const TRow& r : rows) {
        grid->addWidget(Bind::label(r.caption, r.captionName), row, column);
        grid->addWidget(Bind::label(r.value, r.valueName), row, column + 1);
        ++row;
    }
}

}  // namespace

FrmMoreView::FrmMoreView(Tfrm_more& form, QWidget* parent) : QDialog(parent), FForm(form)
{
    auto* place = new QGridLayout;
    place->addWidget(Bind::label(form.lbl_location, "lbl_location"), 0, 0);
    QComboBox* locations = Bind::combo(form.cbx_location, "cbx_location");
    locations->setMinimumContentsLength(24);
    place->addWidget(locations, 0, 1);
    place->addWidget(Bind::label(form.lbl_latitude, "lbl_latitude"), 1, 0);
    place->addWidget(Bind::label(form.val_latitude, "val_latitude"), 1, 1);
    place->addWidget(Bind::label(form.lbl_longitude, "lbl_longitude"), 2, 0);
    place->addWidget(Bind::label(form.val_longitude, "val_longitude"), 2, 1);
    place->addWidget(Bind::label(form.lbl_day, "lbl_day"), 3, 0);
    auto* day = new QHBoxLayout;
    day->addWidget(Bind::dateEdit(form.dtp_day, "dtp_day"));
    QPushButton* today = Bind::button(form.btn_today, "btn_today");
    // Enter in the date field confirms the typed day; it must not press "Today".
    today->setAutoDefault(false);
    day->addWidget(today);
    day->addStretch(1);
    place->addLayout(day, 3, 1);
    place->setColumnStretch(2, 1);

    auto* events = new QGridLayout;
    events->setHorizontalSpacing(10);
    addRows(events, 0,
            {{form.lbl_spring, "lbl_spring", form.val_spring, "val_spring"},
             {form.lbl_summer, "lbl_summer", form.val_summer, "val_summer"},
             {form.lbl_autumn, "lbl_autumn", form.val_autumn, "val_autumn"},
             {form.lbl_winter, "lbl_winter", form.val_winter, "val_winter"},
             {form.lbl_sunrise, "lbl_sunrise", form.val_sunrise, "val_sunrise"},
             {form.lbl_suntransit, "lbl_suntransit", form.val_suntransit, "val_suntransit"},
             {form.lbl_sunset, "lbl_sunset", form.val_sunset, "val_sunset"},
             {form.lbl_perihel, "lbl_perihel", form.val_perihel, "val_perihel"},
             {form.lbl_aphel, "lbl_aphel", form.val_aphel, "val_aphel"},
             {form.lbl_suneclipse, "lbl_suneclipse", form.val_suneclipse, "val_suneclipse"}});
    events->addWidget(Bind::label(form.typ_suneclipse, "typ_suneclipse"), 10, 1);
    addRows(events, 2,
            {{form.lbl_easter, "lbl_easter", form.val_easter, "val_easter"},
             {form.lbl_pesach, "lbl_pesach", form.val_pesach, "val_pesach"},
             {form.lbl_chinese, "lbl_chinese", form.val_chinese, "val_chinese"},
             {form.lbl_moonrise, "lbl_moonrise", form.val_moonrise, "val_moonrise"},
             {form.lbl_moontransit, "lbl_moontransit", form.val_moontransit, "val_moontransit"},
             {form.lbl_moonset, "lbl_moonset", form.val_moonset, "val_moonset"},
             {form.lbl_perigee, "lbl_perigee", form.val_perigee, "val_perigee"},
             {form.lbl_apogee, "lbl_apogee", form.val_apogee, "val_apogee"},
             {form.lbl_mooneclipse, "lbl_mooneclipse", form.val_mooneclipse, "val_mooneclipse"}});
    events->addWidget(Bind::label(form.typ_mooneclipse, "typ_mooneclipse"), 9, 3);
    // A gap between the sun's column and the moon's.
    events->setColumnMinimumWidth(1, 200);
    events->setColumnMinimumWidth(2, 130);
    // A wider light block leaves these columns as they are.
    events->setColumnStretch(4, 1);

    // The light of the day: the morning beside the evening, whose rows mirror the morning's.
    auto* light = new QGridLayout;
    light->setHorizontalSpacing(10);
    QLabel* heading = Bind::label(form.lbl_light, "lbl_light");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    light->addWidget(heading, 0, 0);
    light->addWidget(Bind::label(form.lbl_morning, "lbl_morning"), 1, 0);
    light->addWidget(Bind::label(form.lbl_evening, "lbl_evening"), 1, 2);
    addRows(light, 0,
            {{form.lbl_astrodawn, "lbl_astrodawn", form.val_astrodawn, "val_astrodawn"},
             {form.lbl_nauticaldawn, "lbl_nauticaldawn", form.val_nauticaldawn, "val_nauticaldawn"},
             {form.lbl_civildawn, "lbl_civildawn", form.val_civildawn, "val_civildawn"},
             {form.lbl_bluemorning, "lbl_bluemorning", form.val_bluemorning, "val_bluemorning"},
             {form.lbl_goldenmorning, "lbl_goldenmorning", form.val_goldenmorning, "val_goldenmorning"},
             {form.lbl_sunriselight, "lbl_sunriselight", form.val_sunriselight, "val_sunriselight"},
             {form.lbl_moonriselight, "lbl_moonriselight", form.val_moonriselight, "val_moonriselight"}},
            2);
    addRows(light, 2,
            {{form.lbl_sunsetlight, "lbl_sunsetlight", form.val_sunsetlight, "val_sunsetlight"},
             {form.lbl_goldenevening, "lbl_goldenevening", form.val_goldenevening, "val_goldenevening"},
             {form.lbl_blueevening, "lbl_blueevening", form.val_blueevening, "val_blueevening"},
             {form.lbl_civildusk, "lbl_civildusk", form.val_civildusk, "val_civildusk"},
             {form.lbl_nauticaldusk, "lbl_nauticaldusk", form.val_nauticaldusk, "val_nauticaldusk"},
             {form.lbl_astrodusk, "lbl_astrodusk", form.val_astrodusk, "val_astrodusk"},
             {form.lbl_moonsetlight, "lbl_moonsetlight", form.val_moonsetlight, "val_moonsetlight"}},
            2);
    light->setColumnStretch(4, 1);

    auto* bias = new QHBoxLayout;
    bias->addWidget(Bind::label(form.Label1, "Label1"));
    bias->addWidget(Bind::label(form.lblTimeBias, "lblTimeBias"));
    bias->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(place);
    layout->addSpacing(8);
    layout->addLayout(events);
    layout->addSpacing(8);
    layout->addLayout(light);
    layout->addStretch(1);
    layout->addLayout(bias);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Bind::timer(form.Timer, "Timer", this);
    Bind::window(form, this);
    BindHelpKey(this, Tfrm_more::HelpContext);
}

void FrmMoreView::hideEvent(QHideEvent* event)
{
    // A hide that the desktop reports on its own (minimising) leaves the window open.
    if (!event->spontaneous())
        TGuard::run([this] { FForm.Hide(); });
    QDialog::hideEvent(event);
}
