#include "moonwindow/moonwindowview.h"

#include "controls/bindingview.h"
#include "controls/guard.h"
#include "help/helpview.h"
#include "moonpicture/moonview.h"
#include "moonwindow/frmabout.h"
#include "moonwindow/frmaboutview.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjewishview.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmjulianview.h"
#include "moonwindow/groupview.h"
#include "moonwindow/mainform.h"
#include "tray/trayiconview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
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

// The rows of the text columns: each label's row, where each row starts, and the row height.
struct TRows {
    QList<int> ofLabel;
    QList<int> tops;  // one more than there are rows: the last is where the rows end
    int height = RowHeight;
    int firstLunation = -1;
    int lastLunation = -1;
};

// Rows follow the captions; a lunation caption and number share the row of the date before.
// Every row is as tall as the tallest text; the rows between the two lunation rows share the
// height of the moon picture that stands between them.
TRows ArrangeRows(const QList<TArrangedLabel>& arranged, const QList<QLabel*>& labels, int moonHeight)
{
    TRows rows;
    int row = -1;
    for (int i = 0; i < arranged.size() && i < labels.size(); ++i) {
        if (arranged[i].tag == 1)
            ++row;
        if (arranged[i].tag == 5) {
            rows.firstLunation = rows.firstLunation < 0 ? row : rows.firstLunation;
            rows.lastLunation = row;
        }
        rows.ofLabel << row;
        rows.height = std::max(rows.height, TextHeight(labels[i]));
    }
    const int between = rows.lastLunation - rows.firstLunation - 1;
    const int moonRowHeight =
        between > 0 ? std::max(rows.height, (moonHeight + 2 * MoonGap + between - 1) / between) : rows.height;
    rows.tops << FirstRowTop;
    for (int r = 0; r <= row; ++r)
        rows.tops << rows.tops.last() + (r > rows.firstLunation && r < rows.lastLunation ? moonRowHeight : rows.height);
    return rows;
}

}  // namespace

MoonWindowView::MoonWindowView(TMainForm& form, QWidget* parent)
    : QMainWindow(parent),
      FForm(form)
{
    buildMenus();
    buildClientArea();
    Bind::timer(FForm.Timer, this);
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

void MoonWindowView::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [](QMenu* menu, TMenuItem& control, bool checkable = false) {
        menu->addAction(Bind::action(control, menu, checkable));
    };

    QMenu* file = BindMenu(FForm.mnu_file, bar);
    item(file, FForm.mnu_tray);
    item(file, FForm.mnu_exit);
    bar->addMenu(file);

    QMenu* edit = BindMenu(FForm.mnu_edit, bar);
    item(edit, FForm.mnu_copy);
    bar->addMenu(edit);

    QMenu* options = BindMenu(FForm.mnu_options, bar);
    item(options, FForm.mnu_fast, true);
    item(options, FForm.mnu_stop);
    options->addSeparator();
    item(options, FForm.mnu_julian);
    item(options, FForm.mnu_utc);
    item(options, FForm.mnu_jewish);
    options->addSeparator();
    QMenu* rotate = BindMenu(FForm.mnu_rotate, options);
    item(rotate, FForm.mnu_rot_north, true);
    item(rotate, FForm.mnu_rot_south, true);
    options->addMenu(rotate);
    item(options, FForm.mnu_color, true);
    QMenu* times = BindMenu(FForm.mnu_times, options);
    item(times, FForm.mnu_times_place, true);
    item(times, FForm.mnu_times_computer, true);
    item(times, FForm.mnu_times_utc, true);
    options->addMenu(times);
    options->addSeparator();
    item(options, FForm.mnu_locations);
    item(options, FForm.mnu_more);
    item(options, FForm.mnu_planner);
    bar->addMenu(options);

    QMenu* help = BindMenu(FForm.mnu_help, bar);
    item(help, FForm.mnu_about);
    item(help, FForm.mnu_help_item);
    help->addSeparator();
    item(help, FForm.mnu_timezone);
    bar->addMenu(help);
}

void MoonWindowView::buildClientArea()
{
    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(FClient);

    TLabel* const labels[] = {
        &FForm.lbl_julian,       &FForm.val_julian,       &FForm.lbl_utc,           &FForm.val_utc,
        &FForm.lbl_local,        &FForm.val_local,        &FForm.lbl_age,           &FForm.val_age,
        &FForm.lbl_phase,        &FForm.val_phase,        &FForm.lbl_moon_distance, &FForm.val_moon_distance,
        &FForm.lbl_moon_subtend, &FForm.val_moon_subtend, &FForm.lbl_sun_distance,  &FForm.val_sun_distance,
        &FForm.lbl_sun_subtend,  &FForm.val_sun_subtend,  &FForm.lbl_lastnew,       &FForm.val_newmoon,
        &FForm.lbl_lastlunation, &FForm.val_lastlunation, &FForm.lbl_firstquart,    &FForm.val_firstquart,
        &FForm.lbl_full,         &FForm.val_full,         &FForm.lbl_lastquart,     &FForm.val_lastquart,
        &FForm.lbl_nextnew,      &FForm.val_nextnew,      &FForm.lbl_nextlunation,  &FForm.val_nextlunation,
        &FForm.lbl_sun_azimuth,  &FForm.lblSunAzimuth,    &FForm.lbl_sun_elevation, &FForm.lblSunElevation,
    };
    for (TLabel* label : labels)
        FLabels << Bind::label(*label, FClient);
    for (QLabel* value : {FClient->findChild<QLabel*>(FForm.val_lastlunation.name()),
                          FClient->findChild<QLabel*>(FForm.val_nextlunation.name())})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Bind::image(FForm.Image1, FClient);
    const struct {
        TLabel& label;
        Qt::Alignment alignment;
    } directions[] = {
        {FForm.lbl_north, Qt::AlignHCenter | Qt::AlignBottom},
        {FForm.lbl_west, Qt::AlignLeft | Qt::AlignBottom},
        {FForm.lbl_east, Qt::AlignRight | Qt::AlignBottom},
        {FForm.lbl_south, Qt::AlignHCenter | Qt::AlignTop},
    };
    for (const auto& direction : directions)
        Bind::label(direction.label, FClient)->setAlignment(direction.alignment);
    BindMoon(FForm.Moon, FClient);
    placeLabels();
}

// Values get the room up to the next column, so that longer texts later are not cut. The moon
// picture stands between the lunation rows, the compass right of the widest value, and the
// client area holds it all.
void MoonWindowView::placeLabels()
{
    const QList<TArrangedLabel>& arranged = FForm.arrangedLabels();
    const TColumnLayout& layout = FForm.columnLayout();
    QWidget* moon = FClient->findChild<QWidget*>(FForm.Moon.name());
    const TRows rows = ArrangeRows(arranged, FLabels, moon->height());
    const int compassLeft = std::max({TMainForm::ClientWidth - CompassSize - CompassMargin,
                                      layout.column2 + FForm.widestValue() + Gap, layout.right + Gap});

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
        label->setGeometry(item.left, rows.tops[rows.ofLabel[i]], width, rows.height);
    }
    if (rows.lastLunation - rows.firstLunation > 1) {
        const int top = rows.tops[rows.firstLunation + 1];
        moon->move(layout.moonLeft, top + (rows.tops[rows.lastLunation] - top - moon->height()) / 2);
    } else {
        moon->move(layout.moonLeft, rows.tops.last());
    }
    const int compassBottom = placeCompass(compassLeft);
    const int bottom = std::max({rows.tops.last(), moon->geometry().bottom() + 1, compassBottom});
    FClient->setFixedSize(std::max(TMainForm::ClientWidth, compassLeft + CompassSize + CompassMargin),
                          std::max(TMainForm::ClientHeight, bottom + FirstRowTop));
}

// North, with west and east at its sides, above the compass; south below it. Returns where
// the south caption ends.
int MoonWindowView::placeCompass(int left)
{
    int captionHeight = CompassCaptionHeight;
    const auto shown = [this](const TControl& control) { return FClient->findChild<QLabel*>(control.name()); };
    for (const TLabel* caption : {&FForm.lbl_north, &FForm.lbl_west, &FForm.lbl_east, &FForm.lbl_south})
        captionHeight = std::max(captionHeight, TextHeight(shown(*caption)));
    const int top = captionHeight + 6;
    FClient->findChild<QWidget*>(FForm.Image1.name())->move(left, top);
    const QRect above(left, top - captionHeight - 2, CompassSize, captionHeight);
    for (const TLabel* caption : {&FForm.lbl_north, &FForm.lbl_west, &FForm.lbl_east})
        shown(*caption)->setGeometry(above);
    const QRect below(left, top + CompassSize + 2, CompassSize, captionHeight);
    shown(FForm.lbl_south)->setGeometry(below);
    return below.bottom() + 1;
}

void MoonWindowView::connectDesktop()
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
    FForm.onMinimizeApplication = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    };
    FForm.onNotice = [this](const QString& message) { QMessageBox::information(this, windowTitle(), message); };
    // Closing the calculator ends the program without closing this window; its moon options
    // must still be kept.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (FForm.visible())
            TGuard::runAtEnd([this] { FForm.FormClose(); });
    });
}

void MoonWindowView::hideApplication()
{
    FHiddenWindows.clear();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) {
            FHiddenWindows << window;
            window->hide();
        }
}

void MoonWindowView::restoreApplication()
{
    for (const QPointer<QWidget>& window : FHiddenWindows)
        if (window) {
            window->show();
            window->showNormal();
        }
    FHiddenWindows.clear();
    activateWindow();
}

void MoonWindowView::closeEvent(QCloseEvent* event)
{
    TGuard::runAtEnd([this] { FForm.FormClose(); });
    FForm.Close();
    event->accept();
}
