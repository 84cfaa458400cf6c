#include "planner/frmplannerview.h"

#include "controls/bindingview.h"
#include "controls/errors.h"
#include "help/helpview.h"
#include "moredata/lightexport.h"
#include "planner/frmplanner.h"
#include "planner/plannertableview.h"
#include "planner/skychartview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Two weeks of the month in sight: the chosen day with a week on either side.
constexpr int MonthRowsShown = 15;
// Pixels a window manager's borders and title bar take at most, beside and above a window.
constexpr int FrameAllowance = 16;
constexpr int TitleAllowance = 48;

}  // namespace

FrmPlannerView::FrmPlannerView(Tfrm_planner& form, QWidget* parent)
    : QDialog(parent),
      FForm(form),
      FChart(new TSkyChart(this))
{
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    BindHelpKey(this, Tfrm_planner::HelpContext);

    auto* pages = new QTabWidget(this);
    pages->addTab(skyPage(), Tfrm_planner::PageCaption(Tfrm_planner::pgSky));
    pages->addTab(monthPage(), Tfrm_planner::PageCaption(Tfrm_planner::pgMonth));
    pages->addTab(meteorPage(), Tfrm_planner::PageCaption(Tfrm_planner::pgMeteors));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);

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
    form.onChooseMonthFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(this, FForm.btn_export.caption().remove(QStringLiteral("...")),
                                            QDir::home().filePath(proposed), LightFileFilter(TLightFileFormat::Csv));
    };
    Bind::window(form, this);
}

void FrmPlannerView::showEvent(QShowEvent* event)
{
    // Qt opens a window at most two thirds of the screen wide; the month's columns take more.
    // The frame is not known before the window is mapped: room is left for a window manager's,
    // and for its title bar above a window that Qt centres on the screen.
    if (!FSized) {
        FSized = true;
        const QSize room = screen()->availableGeometry().size() - QSize(2 * FrameAllowance, 2 * TitleAllowance);
        resize(sizeHint().boundedTo(room).expandedTo(size()));
    }
    QDialog::showEvent(event);
}

QWidget* FrmPlannerView::skyPage()
{
    auto* page = new QWidget;
    QLabel* title = Bind::label(FForm.lbl_title, page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    FChart->setParent(page);
    QSlider* time = Bind::slider(FForm.trk_time, Qt::Horizontal, page);
    time->setTickInterval(60);
    time->setPageStep(60);
    QPushButton* save = Bind::button(FForm.btn_save, page);
    save->setAutoDefault(false);

    auto* readout = new QGridLayout;
    readout->addWidget(Bind::label(FForm.lbl_time, page), 0, 0);
    readout->addWidget(Bind::label(FForm.lbl_light, page), 0, 1);
    readout->addWidget(Bind::label(FForm.lbl_sun, page), 1, 0);
    readout->addWidget(Bind::label(FForm.lbl_moon, page), 1, 1);
    readout->addWidget(Bind::label(FForm.lbl_core, page), 2, 0);
    readout->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(readout, 1);
    bottom->addWidget(save, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(FChart, 1);
    layout->addWidget(time);
    layout->addLayout(bottom);
    return page;
}

QWidget* FrmPlannerView::monthPage()
{
    auto* page = new QWidget;
    FMonth = new TPlannerTable(&FForm.monthTable(), MonthRowsShown, page);
    FMonth->setObjectName(QStringLiteral("month_table"));
    QPushButton* exportMonth = Bind::button(FForm.btn_export, page);
    exportMonth->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(exportMonth);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Bind::label(FForm.lbl_month, page));
    layout->addWidget(FMonth, 1);
    layout->addLayout(bottom);
    connect(&FForm.monthTable(), &QAbstractItemModel::modelReset, FMonth, [this] {
        showChosenDay();
        widenFor(FMonth);
    });
    return page;
}

QWidget* FrmPlannerView::meteorPage()
{
    auto* page = new QWidget;
    FMeteors = new TPlannerTable(&FForm.meteorTable(), astro::MeteorShowerCount, page);
    FMeteors->setObjectName(QStringLiteral("meteor_table"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Bind::label(FForm.lbl_meteors, page));
    layout->addWidget(FMeteors, 1);
    connect(&FForm.meteorTable(), &QAbstractItemModel::modelReset, FMeteors, [this] { widenFor(FMeteors); });
    return page;
}

void FrmPlannerView::widenFor(const QTableView* table)
{
    const int missing = table->sizeHint().width() - table->width();
    if (missing <= 0 || !isVisible() || isMaximized() || isFullScreen())
        return;
    const int most = screen()->availableGeometry().width() - (frameGeometry().width() - width());
    resize(std::max(width(), std::min(width() + missing, most)), height());
}

void FrmPlannerView::showChosenDay()
{
    const int row = FForm.monthTable().chosenRow();
    if (row < 0) {
        FMonth->clearSelection();
        return;
    }
    FMonth->selectRow(row);
    FMonth->scrollTo(FForm.monthTable().index(row, 0));
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
        throw EUserError(QCoreApplication::translate("Messages", "Unable to write to %1").arg(fileName));
}
