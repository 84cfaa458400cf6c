#include "moonwindow/moonwindowview.h"

#include "calculator/frmmain.h"
#include "controls/bindingview.h"
#include "controls/clock.h"
#include "help/helpdocument.h"
#include "moonwindow/frmabout.h"
#include "moonwindow/frmaboutview.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjewishview.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmjulianview.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/frmutcview.h"
#include "moonwindow/mainform.h"
#include "places/placetable.h"
#include "tests/views/boundcontrols.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class MoonWindowView : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TFixedClock clock{46363.5, 0};  // 2026-12-07 12:00
    TFrmMain calculator{clock};
    TMainForm form{calculator, clock, folder.filePath("shutterly.ini")};
    ::MoonWindowView view{form};

    void SetUp() override { form.FormCreate(); }
};

TEST_F(MoonWindowView, EveryControlIsBound) { EXPECT_EQ(UnboundControls(form.controls(), view), QStringList()); }

TEST_F(MoonWindowView, ShowsTheValuesItComputesInColumns)
{
    auto* julian = view.findChild<QLabel*>("val_julian");
    EXPECT_EQ(julian->text(), "2461382.00000");
    const auto* caption = view.findChild<QLabel*>("lbl_julian");
    EXPECT_GT(julian->x(), caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()));
    // The form's client area is the least; larger fonts and longer texts make it grow.
    EXPECT_GE(view.centralWidget()->width(), 729);
    EXPECT_GE(view.centralWidget()->height(), 325);
}

TEST_F(MoonWindowView, CopyPutsTheClientAreaOnTheClipboard)
{
    view.show();
    QApplication::processEvents();
    form.mnu_copy.click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), view.centralWidget()->size());
    view.hide();
}

TEST_F(MoonWindowView, HelpOpensTheTopicInABrowser)
{
    ASSERT_FALSE(form.helpFile().isEmpty());
    EXPECT_TRUE(form.mnu_timezone.enabled());
    form.mnu_timezone.click();
    QTextBrowser* browser = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "HelpBrowser")
            browser = qobject_cast<QTextBrowser*>(window);
    ASSERT_NE(browser, nullptr);
    // The topic's anchor in the document of the suite's language.
    EXPECT_EQ(browser->source().fileName(), QFileInfo(HelpDocumentFile()).fileName());
    EXPECT_TRUE(browser->toHtml().contains(QStringLiteral("topic%1").arg(htTimeZones)));
    browser->close();
}

TEST(UtcDialogView, EveryControlIsBoundAndOkFollowsTheFields)
{
    TFixedClock clock{46363.5, 0};
    Tfrm_utc form{clock};
    FrmUtcView view{form};
    EXPECT_EQ(UnboundControls(form.controls(), view), QStringList());
    EXPECT_EQ(view.findChild<QComboBox*>("cbx_month")->count(), 12);
    EXPECT_NE(view.findChild<QGroupBox*>("grp_utc"), nullptr);
    EXPECT_NE(view.findChild<QGroupBox*>("grp_julian"), nullptr);
    form.edt_hour.setText("24");
    EXPECT_FALSE(view.findChild<QPushButton*>("btn_ok")->isEnabled());
}

TEST(DateDialogViews, JulianAndJewishControlsAreBound)
{
    TFixedClock clock{46363.5, 0};
    Tfrm_julian julian{clock};
    FrmJulianView julianView{julian};
    EXPECT_EQ(UnboundControls(julian.controls(), julianView), QStringList());
    Tfrm_jewish jewish{clock};
    FrmJewishView jewishView{jewish};
    EXPECT_EQ(UnboundControls(jewish.controls(), jewishView), QStringList());
    EXPECT_NE(jewishView.findChild<QGroupBox*>("grp_christian"), nullptr);
}

TEST(AboutDialogView, EveryControlIsBound)
{
    TFixedClock clock{46363.5, 0};
    Tfrm_about form{clock};
    FrmAboutView view{form};
    EXPECT_EQ(UnboundControls(form.controls(), view), QStringList());
}

// The credit the place table's licence asks for is the second line of its label: a label of
// two lines is cut short only where a line does not fit, so the credit shows whole.
TEST(AboutDialogView, ThePlaceDataCreditShowsWhole)
{
    TFixedClock clock{46363.5, 0};
    Tfrm_about form{clock};
    FrmAboutView view{form};
    view.show();
    QApplication::processEvents();
    TElidingLabel* credit = nullptr;
    for (auto* label : view.findChildren<TElidingLabel*>())
        if (label->text().contains(PlaceDataCredit()))
            credit = label;
    ASSERT_NE(credit, nullptr);
    ASSERT_TRUE(credit->text().contains(u'\n'));
    EXPECT_FALSE(credit->elided()) << credit->text().toStdString();
    credit->setFixedWidth(credit->fontMetrics().horizontalAdvance(PlaceDataCredit()) / 2);
    EXPECT_TRUE(credit->elided()) << "a line wider than the label is still cut short";
}

}  // namespace

namespace {

// Share of the icon's pixels that are drawn (not transparent).
double DrawnShare(const QImage& icon)
{
    int drawn = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            drawn += qAlpha(icon.pixel(x, y)) > 0;
    return icon.isNull() ? 0 : double(drawn) / (icon.width() * icon.height());
}

TEST_F(MoonWindowView, TheTrayIconIsTheMoonPicture)
{
    auto* tray = view.findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    form.trayIcon().setActive(true);
    EXPECT_GT(DrawnShare(tray->icon().pixmap(32, 32).toImage()), 0.5);
    // A new picture style or rotation redraws it, never leaving it empty.
    form.mnu_color.click();
    EXPECT_GT(DrawnShare(tray->icon().pixmap(32, 32).toImage()), 0.5);
    form.mnu_rot_south.click();
    EXPECT_GT(DrawnShare(tray->icon().pixmap(32, 32).toImage()), 0.5);
    form.trayIcon().setActive(false);
}

}  // namespace
