#include "moredata/frmmoreview.h"

#include "cli/lightcommand.h"
#include "controls/bindingview.h"
#include "controls/datefieldview.h"
#include "controls/guard.h"
#include "help/helpview.h"
#include "moredata/frmmore.h"
#include "texts/stringtable.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int ExportTitle = 42187;
constexpr int DaysCaption = 42188;
constexpr int FormatCaption = 42189;

// The formats in the order the dialog lists them.
const TLightFileFormat Formats[] = {TLightFileFormat::Ics, TLightFileFormat::Csv};

}  // namespace

FrmMoreView::FrmMoreView(Tfrm_more& form, QWidget* parent)
    : QDialog(parent),
      FForm(form),
      FExportFolder(QDir::homePath())
{
    auto* place = new QGridLayout;
    place->addWidget(Bind::label(form.lbl_location), 0, 0);
    QComboBox* locations = Bind::combo(form.cbx_location);
    Bind::limitWidth(locations, 24);
    place->addWidget(locations, 0, 1);
    place->addWidget(Bind::label(form.lbl_latitude), 1, 0);
    place->addWidget(Bind::label(form.val_latitude), 1, 1);
    place->addWidget(Bind::label(form.lbl_longitude), 2, 0);
    place->addWidget(Bind::label(form.val_longitude), 2, 1);
    place->addWidget(Bind::label(form.lbl_day), 3, 0);
    auto* day = new QHBoxLayout;
    day->addWidget(Bind::dateEdit(form.dtp_day));
    QPushButton* today = Bind::button(form.btn_today);
    // Enter in the date field confirms the typed day; it must not press "Today".
    today->setAutoDefault(false);
    day->addWidget(today);
    day->addStretch(1);
    place->addLayout(day, 3, 1);
    place->setColumnStretch(2, 1);

    auto* events = new QGridLayout;
    events->setHorizontalSpacing(10);
    Bind::labelRows(events,
                    {{form.lbl_spring, form.val_spring},
                     {form.lbl_summer, form.val_summer},
                     {form.lbl_autumn, form.val_autumn},
                     {form.lbl_winter, form.val_winter},
                     {form.lbl_sunrise, form.val_sunrise},
                     {form.lbl_suntransit, form.val_suntransit},
                     {form.lbl_sunset, form.val_sunset},
                     {form.lbl_perihel, form.val_perihel},
                     {form.lbl_aphel, form.val_aphel},
                     {form.lbl_suneclipse, form.val_suneclipse}},
                    0);
    events->addWidget(Bind::label(form.typ_suneclipse), 10, 1);
    Bind::labelRows(events,
                    {{form.lbl_easter, form.val_easter},
                     {form.lbl_pesach, form.val_pesach},
                     {form.lbl_chinese, form.val_chinese},
                     {form.lbl_moonrise, form.val_moonrise},
                     {form.lbl_moontransit, form.val_moontransit},
                     {form.lbl_moonset, form.val_moonset},
                     {form.lbl_perigee, form.val_perigee},
                     {form.lbl_apogee, form.val_apogee},
                     {form.lbl_mooneclipse, form.val_mooneclipse}},
                    2);
    events->addWidget(Bind::label(form.typ_mooneclipse), 9, 3);
    // A gap between the sun's column and the moon's.
    events->setColumnMinimumWidth(1, 200);
    events->setColumnMinimumWidth(2, 130);
    // A wider light block leaves these columns as they are.
    events->setColumnStretch(4, 1);

    // The light of the day: the morning beside the evening, whose rows mirror the morning's.
    auto* light = new QGridLayout;
    light->setHorizontalSpacing(10);
    QLabel* heading = Bind::label(form.lbl_light);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    light->addWidget(heading, 0, 0);
    light->addWidget(Bind::label(form.lbl_morning), 1, 0);
    light->addWidget(Bind::label(form.lbl_evening), 1, 2);
    Bind::labelRows(light,
                    {{form.lbl_astrodawn, form.val_astrodawn},
                     {form.lbl_nauticaldawn, form.val_nauticaldawn},
                     {form.lbl_civildawn, form.val_civildawn},
                     {form.lbl_bluemorning, form.val_bluemorning},
                     {form.lbl_goldenmorning, form.val_goldenmorning},
                     {form.lbl_sunriselight, form.val_sunriselight},
                     {form.lbl_moonriselight, form.val_moonriselight}},
                    0, 2);
    Bind::labelRows(light,
                    {{form.lbl_sunsetlight, form.val_sunsetlight},
                     {form.lbl_goldenevening, form.val_goldenevening},
                     {form.lbl_blueevening, form.val_blueevening},
                     {form.lbl_civildusk, form.val_civildusk},
                     {form.lbl_nauticaldusk, form.val_nauticaldusk},
                     {form.lbl_astrodusk, form.val_astrodusk},
                     {form.lbl_moonsetlight, form.val_moonsetlight}},
                    2, 2);
    light->setColumnStretch(4, 1);

    // The night beside the light, each value under its caption: the block then needs no more
    // height than the light's, and its long spans no more width than one value.
    auto* night = new QVBoxLayout;
    QLabel* nightHeading = Bind::label(form.lbl_night);
    nightHeading->setFont(bold);
    night->addWidget(nightHeading);
    for (TLabel* caption : {&form.lbl_darksky, &form.lbl_mwcore}) {
        night->addWidget(Bind::label(*caption));
        // A night of two windows or a long core row wraps rather than widening the window.
        QLabel* value = Bind::label(caption == &form.lbl_darksky ? form.val_darksky : form.val_mwcore);
        value->setWordWrap(true);
        value->setMaximumWidth(value->fontMetrics().averageCharWidth() * 44);
        night->addWidget(value);
    }
    night->addStretch(1);
    auto* lightAndNight = new QHBoxLayout;
    lightAndNight->addLayout(light);
    lightAndNight->addSpacing(16);
    lightAndNight->addLayout(night);
    lightAndNight->addStretch(1);

    auto* bias = new QHBoxLayout;
    bias->addWidget(Bind::label(form.Label1));
    bias->addWidget(Bind::label(form.lblTimeBias));
    bias->addStretch(1);
    QPushButton* exportButton = Bind::button(form.btn_export);
    exportButton->setAutoDefault(false);
    bias->addWidget(exportButton);
    QPushButton* chartButton = Bind::button(form.btn_chart);
    chartButton->setAutoDefault(false);
    bias->addWidget(chartButton);
    form.onChooseLightExport = [this](TLightExportChoice& choice) { return chooseLightExport(choice); };
    form.onChooseLightFile = [this](const QString& proposed, TLightFileFormat format) {
        return chooseLightFile(proposed, format);
    };

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(place);
    layout->addSpacing(8);
    layout->addLayout(events);
    layout->addSpacing(8);
    layout->addLayout(lightAndNight);
    layout->addStretch(1);
    layout->addLayout(bias);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Bind::timer(form.Timer, this);
    Bind::window(form, this);
    BindHelpKey(this, Tfrm_more::HelpContext);
}

bool FrmMoreView::chooseLightExport(TLightExportChoice& choice)
{
    QDialog dialog(this);
    dialog.setWindowTitle(LocalString(ExportTitle));
    // Wide enough for its title beside the window manager's buttons.
    dialog.setMinimumWidth(2 * dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 120);
    auto* days = new QSpinBox(&dialog);
    days->setObjectName(QStringLiteral("export_days"));
    days->setRange(1, MostLightDays);
    days->setValue(choice.Days);
    auto* formats = new QComboBox(&dialog);
    formats->setObjectName(QStringLiteral("export_format"));
    for (const TLightFileFormat format : Formats) {
        formats->addItem(LightFileFilter(format));
        if (format == choice.Format)
            formats->setCurrentIndex(formats->count() - 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(LocalString(DaysCaption), days);
    layout->addRow(LocalString(FormatCaption), formats);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.Days = days->value();
    choice.Format = Formats[formats->currentIndex()];
    return true;
}

QString FrmMoreView::chooseLightFile(const QString& proposed, TLightFileFormat format)
{
    QFileDialog dialog(this, LocalString(ExportTitle), QDir(FExportFolder).filePath(proposed), LightFileFilter(format));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its suffix still gets one, so that calendars recognise the file.
    dialog.setDefaultSuffix(LightFileSuffix(format));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString fileName = dialog.selectedFiles().constFirst();
    FExportFolder = QFileInfo(fileName).absolutePath();
    return fileName;
}

void FrmMoreView::hideEvent(QHideEvent* event)
{
    // A hide that the desktop reports on its own (minimising) leaves the window open.
    if (!event->spontaneous())
        TGuard::run([this] { FForm.Hide(); });
    QDialog::hideEvent(event);
}
