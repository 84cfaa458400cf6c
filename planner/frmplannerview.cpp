#include "planner/frmplannerview.h"

#include "controls/bindingview.h"
#include "controls/errors.h"
#include "help/helpview.h"
#include "planner/frmplanner.h"
#include "planner/skychartview.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QVBoxLayout>

FrmPlannerView::FrmPlannerView(Tfrm_planner& form, QWidget* parent)
    : QDialog(parent),
      FForm(form),
      FChart(new TSkyChart(this))
{
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    BindHelpKey(this, Tfrm_planner::HelpContext);

    QLabel* title = Bind::label(form.lbl_title, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    QSlider* time = Bind::slider(form.trk_time, Qt::Horizontal, this);
    time->setTickInterval(60);
    time->setPageStep(60);
    QPushButton* save = Bind::button(form.btn_save, this);
    save->setAutoDefault(false);

    auto* readout = new QGridLayout;
    readout->addWidget(Bind::label(form.lbl_time, this), 0, 0);
    readout->addWidget(Bind::label(form.lbl_light, this), 0, 1);
    readout->addWidget(Bind::label(form.lbl_sun, this), 1, 0);
    readout->addWidget(Bind::label(form.lbl_moon, this), 1, 1);
    readout->addWidget(Bind::label(form.lbl_core, this), 2, 0);
    readout->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(readout, 1);
    bottom->addWidget(save, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(FChart, 1);
    layout->addWidget(time);
    layout->addLayout(bottom);

    form.onSkyChange = [this] {
        FChart->setSky(&FForm.sky(), &FForm.shownZone());
        FChart->setPicked(FForm.pickedTime());
    };
    form.onPickedChange = [this] { FChart->setPicked(FForm.pickedTime()); };
    form.dlg_save.onExecute = [this] {
        const QString fileName =
            QFileDialog::getSaveFileName(this, FForm.btn_save.caption().remove(QStringLiteral("...")),
                                         QDir::home().filePath(FForm.pictureName()), QStringLiteral("PNG (*.png)"));
        if (fileName.isEmpty())
            return false;
        savePicture(fileName);
        return true;
    };
    Bind::window(form, this);
}

void FrmPlannerView::savePicture(const QString& fileName) const
{
    constexpr int Sharpness = 2;
    QImage picture(FChart->size() * Sharpness, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(Sharpness);
    picture.fill(FChart->palette().color(QPalette::Window));
    FChart->render(&picture);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
        throw EUserError(QStringLiteral("Unable to write to %1").arg(fileName));
}
