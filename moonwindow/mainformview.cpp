#include "moonwindow/mainformview.h"

#include "controls/bindingview.h"
#include "controls/guard.h"
#include "moonpicture/moonview.h"
#include "moonwindow/frmabout.h"
#include "moonwindow/frmaboutview.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjewishview.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmjulianview.h"
#include "moonwindow/groupview.h"
#include "moonwindow/helpview.h"
#include "moonwindow/mainform.h"
#include "moonwindow/trayiconview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QUrl>
#include <algorithm>

namespace {

// The form's measures, the least the window uses: with taller fonts the rows grow, with wider
// texts the compass moves right, and the client area grows with them.
constexpr int RowHeight = 18;
constexpr int FirstRowTop = 6;
constexpr int CompassSize = 265;
constexpr int CompassMargin = 10;
constexpr int CompassCaptionHeight = 16;
constexpr int LunationWidth = 47;
constexpr int Gap = 10;
// Room kept free above and below the moon picture between the two lunation rows.
constexpr int MoonGap = 2;

int TextHeight(const QLabel* label)
{
    // Marks above and below some scripts' letters reach beyond the font's own line height.
    return label->fontMetrics().boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignLeft, label->text()).height();
}

}  // namespace

MainFormView::MainFormView(TMainForm& form, QWidget* parent) : QMainWindow(parent), FForm(form)
{
    buildMenus();
    buildClientArea();
    Bind::timer(FForm.Timer, "Timer", this);
    new TSystemTrayPlatform(FForm.trayIcon(), this);
    new FrmJulianView(FForm.julianDialog(), this);
    new FrmJewishView(FForm.jewishDialog(), this);
    new FrmAboutView(FForm.aboutDialog(), this);
    connectDesktop();
    BindHelpKey(this, htMoonWindow);
    Bind::window(FForm, this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainFormView::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [](QMenu* menu, TMenuItem& control, const char* name, bool checkable = false) {
        menu->addAction(Bind::action(control, name, menu, checkable));
    };

    QMenu* file = BindMenu(FForm.mnu_file, "mnu_file", bar);
    item(file, FForm.mnu_tray, "mnu_tray");
    item(file, FForm.mnu_exit, "mnu_exit");
    bar->addMenu(file);

    QMenu* edit = BindMenu(FForm.mnu_edit, "mnu_edit", bar);
    item(edit, FForm.mnu_copy, "mnu_copy");
    bar->addMenu(edit);

    QMenu* options = BindMenu(FForm.mnu_options, "mnu_options", bar);
    item(options, FForm.mnu_fast, "mnu_fast", true);
    item(options, FForm.mnu_stop, "mnu_stop");
    options->addSeparator();
    item(options, FForm.mnu_julian, "mnu_julian");
    item(options, FForm.mnu_utc, "mnu_utc");
    item(options, FForm.mnu_jewish, "mnu_jewish");
    options->addSeparator();
    QMenu* rotate = BindMenu(FForm.mnu_rotate, "mnu_rotate", options);
    item(rotate, FForm.mnu_rot_north, "mnu_rot_north", true);
    item(rotate, FForm.mnu_rot_south, "mnu_rot_south", true);
    options->addMenu(rotate);
    item(options, FForm.mnu_color, "mnu_color", true);
    options->addSeparator();
    item(options, FForm.mnu_locations, "mnu_locations");
    item(options, FForm.mnu_more, "mnu_more");
    bar->addMenu(options);

    QMenu* help = BindMenu(FForm.mnu_help, "mnu_help", bar);
    item(help, FForm.mnu_about, "mnu_about");
    item(help, FForm.mnu_help_item, "mnu_help_item");
    help->addSeparator();
    item(help, FForm.mnu_timezone, "mnu_timezone");
    bar->addMenu(help);
}

void MainFormView::buildClientArea()
{
    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(FClient);

    const struct {
        TLabel& label;
        const char* name;
    } labels[] = {
        {FForm.lbl_julian, "lbl_julian"},
        {FForm.val_julian, "val_julian"},
        {FForm.lbl_utc, "lbl_utc"},
        {FForm.val_utc, "val_utc"},
        {FForm.lbl_local, "lbl_local"},
        {FForm.val_local, "val_local"},
        {FForm.lbl_age, "lbl_age"},
        {FForm.val_age, "val_age"},
        {FForm.lbl_phase, "lbl_phase"},
        {FForm.val_phase, "val_phase"},
        {FForm.lbl_moon_distance, "lbl_moon_distance"},
        {FForm.val_moon_distance, "val_moon_distance"},
        {FForm.lbl_moon_subtend, "lbl_moon_subtend"},
        {FForm.val_moon_subtend, "val_moon_subtend"},
        {FForm.lbl_sun_distance, "lbl_sun_distance"},
        {FForm.val_sun_distance, "val_sun_distance"},
        {FForm.lbl_sun_subtend, "lbl_sun_subtend"},
        {FForm.val_sun_subtend, "val_sun_subtend"},
        {FForm.lbl_lastnew, "lbl_lastnew"},
        {FForm.val_newmoon, "val_newmoon"},
        {FForm.lbl_lastlunation, "lbl_lastlunation"},
        {FForm.val_lastlunation, "val_lastlunation"},
        {FForm.lbl_firstquart, "lbl_firstquart"},
        {FForm.val_firstquart, "val_firstquart"},
        {FForm.lbl_full, "lbl_full"},
        {FForm.val_full, "val_full"},
        {FForm.lbl_lastquart, "lbl_lastquart"},
        {FForm.val_lastquart, "val_lastquart"},
        {FForm.lbl_nextnew, "lbl_nextnew"},
        {FForm.val_nextnew, "val_nextnew"},
        {FForm.lbl_nextlunation, "lbl_nextlunation"},
        {FForm.val_nextlunation, "val_nextlunation"},
        {FForm.lbl_sun_azimuth, "lbl_sun_azimuth"},
        {FForm.lblSunAzimuth, "lblSunAzimuth"},
        {FForm.lbl_sun_elevation, "lbl_sun_elevation"},
        {FForm.lblSunElevation, "lblSunElevation"},
    };
    for (const auto& entry : labels)
        FLabels << Bind::label(entry.label, entry.name, FClient);
    for (QLabel* value : {FClient->findChild<QLabel*>("val_lastlunation"), FClient->findChild<QLabel*>("val_nextlunation")})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Bind::image(FForm.Image1, "Image1", FClient);
    const struct {
        TLabel& label;
        const char* name;
        Qt::Alignment alignment;
    } directions[] = {
        {FForm.lbl_north, "lbl_north", Qt::AlignHCenter | Qt::AlignBottom},
        {FForm.lbl_west, "lbl_west", Qt::AlignLeft | Qt::AlignBottom},
        {FForm.lbl_east, "lbl_east", Qt::AlignRight | Qt::AlignBottom},
        {FForm.lbl_south, "lbl_south", Qt::AlignHCenter | Qt::AlignTop},
    };
    for (const auto& direction : directions)
        Bind::label(direction.label, direction.name, FClient)->setAlignment(direction.alignment);
    BindMoon(FForm.Moon, "Moon", FClient);
    placeLabels();
}

// Rows follow the captions; a lunation caption and number share the row of the date before.
// Values get the room up to the next column, so that longer texts later are not cut. The rows
// between the two lunation rows leave room for the moon picture, the compass stands right of
// the widest value, and the client area holds it all.
void MainFormView::placeLabels()
{
    const QList<TArrangedLabel>& arranged = FForm.arrangedLabels();
    const TColumnLayout& layout = FForm.columnLayout();
    QWidget* moon = FClient->findChild<QWidget*>("Moon");
    QWidget* compass = FClient->findChild<QWidget*>("Image1");

    int rowHeight = RowHeight;
    QList<int> rows;
    int row = -1;
    int firstLunationRow = -1;
    int lastLunationRow = -1;
    for (int i = 0; i < arranged.size() && i < FLabels.size(); ++i) {
        if (arranged[i].tag == 1)
            ++row;
        if (arranged[i].tag == 5) {
            firstLunationRow = firstLunationRow < 0 ? row : firstLunationRow;
            lastLunationRow = row;
        }
        rows << row;
        rowHeight = std::max(rowHeight, TextHeight(FLabels[i]));
    }
    const int rowsBetween = lastLunationRow - firstLunationRow - 1;
    const int moonRowHeight =
        rowsBetween > 0 ? std::max(rowHeight, (moon->height() + 2 * MoonGap + rowsBetween - 1) / rowsBetween) : rowHeight;
    QList<int> rowTops{FirstRowTop};
    for (int r = 0; r <= row; ++r)
        rowTops << rowTops.last() + (r > firstLunationRow && r < lastLunationRow ? moonRowHeight : rowHeight);

    int captionHeight = CompassCaptionHeight;
    for (const char* name : {"lbl_north", "lbl_west", "lbl_east", "lbl_south"})
        captionHeight = std::max(captionHeight, TextHeight(FClient->findChild<QLabel*>(name)));
    const int compassLeft = std::max({TMainForm::ClientWidth - CompassSize - CompassMargin,
                                      layout.column2 + FForm.widestValue() + Gap, layout.right + Gap});
    const int compassTop = captionHeight + 6;

    for (int i = 0; i < arranged.size() && i < FLabels.size(); ++i) {
        const TArrangedLabel& item = arranged[i];
        QLabel* label = FLabels[i];
        label->adjustSize();
        int width = label->width();
        if (item.tag == 2 || item.tag == 3)
            width = compassLeft - 4 - item.left;
        else if (item.tag == 4)
            width = layout.column3 - item.left;
        else if (item.tag == 6)
            width = LunationWidth;
        label->setGeometry(item.left, rowTops[rows[i]], width, rowHeight);
    }
    if (firstLunationRow >= 0 && rowsBetween > 0) {
        const int top = rowTops[firstLunationRow + 1];
        moon->move(layout.moonLeft, top + (rowTops[lastLunationRow] - top - moon->height()) / 2);
    } else {
        moon->move(layout.moonLeft, rowTops.last());
    }

    compass->move(compassLeft, compassTop);
    const QRect above(compassLeft, compassTop - captionHeight - 2, CompassSize, captionHeight);
    for (const char* name : {"lbl_north", "lbl_west", "lbl_east"})
        FClient->findChild<QLabel*>(name)->setGeometry(above);
    FClient->findChild<QLabel*>("lbl_south")->setGeometry(above.translated(0, CompassSize + captionHeight + 4));

    const int bottom = std::max({rowTops.last(), moon->geometry().bottom() + 1, above.bottom() + CompassSize + captionHeight + 5});
    FClient->setFixedSize(std::max(TMainForm::ClientWidth, compassLeft + CompassSize + CompassMargin),
                          std::max(TMainForm::ClientHeight, bottom + FirstRowTop));
}

void MainFormView::connectDesktop()
{
    FForm.onTextWidth = [this](const QString& text) { return fontMetrics().horizontalAdvance(text); };
    FForm.onArranged = [this] { placeLabels(); };
    FForm.onGrabClientArea = [this] {
        FClient->repaint();
        return FClient->grab().toImage();
    };
    FForm.onCopyPicture = [](const QImage& picture) { QGuiApplication::clipboard()->setImage(picture); };
    FForm.onShowHelp = [](const QString& file, int topic) { ShowHelpTopic(file, topic); };
    FForm.onApplicationIcon = [](const QImage& icon) { QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon))); };
    FForm.onHideApplication = [this] { hideApplication(); };
    FForm.onRestoreApplication = [this] { restoreApplication(); };
    // Closing the calculator ends the program without closing this window; its moon options
    // must still be kept.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (FForm.visible())
            TGuard::run([this] { FForm.FormClose(); });
    });
}

void MainFormView::hideApplication()
{
    FHiddenWindows.clear();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) {
            FHiddenWindows << window;
            window->hide();
        }
}

void MainFormView::restoreApplication()
{
    for (const QPointer<QWidget>& window : FHiddenWindows)
        if (window) {
            window->show();
            window->showNormal();
        }
    FHiddenWindows.clear();
    activateWindow();
}

void MainFormView::closeEvent(QCloseEvent* event)
{
    TGuard::run([this] { FForm.FormClose(); });
    FForm.Close();
    event->accept();
}
