#include "moonwindow/mainformview.h"

#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjewishview.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmjulianview.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/frmutcview.h"
#include "moonwindow/mainform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MoonWindowView : public ::testing::Test {
protected:
    QTemporaryDir folder;
    TFixedClock clock{46363.5, 0};  // 2026-12-07 12:00
    TFrmMain calculator{clock};
    TMainForm form{calculator, clock, folder.filePath("shutterly.ini")};
    MainFormView view{form};

    void SetUp() override { form.FormCreate(); }
};

TEST_F(MoonWindowView, EveryNamedControlIsBound)
{
    for (const char* name :
         {"lbl_julian", "val_julian", "lbl_utc", "val_utc", "lbl_local", "val_local", "lbl_age", "val_age",
          "lbl_phase", "val_phase", "lbl_moon_distance", "val_moon_distance", "lbl_moon_subtend", "val_moon_subtend",
          "lbl_sun_distance", "val_sun_distance", "lbl_sun_subtend", "val_sun_subtend", "lbl_lastnew", "val_newmoon",
          "lbl_firstquart", "val_firstquart", "lbl_full", "val_full", "lbl_lastquart", "val_lastquart", "lbl_nextnew",
          "val_nextnew", "lbl_lastlunation", "val_lastlunation", "lbl_nextlunation", "val_nextlunation",
          "lblSunAzimuth", "lblSunElevation", "lbl_north", "lbl_east", "lbl_west", "lbl_south"})
        EXPECT_NE(view.findChild<QLabel*>(name), nullptr) << name;
    EXPECT_NE(view.findChild<QWidget*>("Moon"), nullptr);
    EXPECT_NE(view.findChild<QWidget*>("Image1"), nullptr);
    EXPECT_NE(view.findChild<QTimer*>("Timer"), nullptr);
    for (const char* name : {"mnu_file", "mnu_edit", "mnu_options", "mnu_rotate", "mnu_help"})
        EXPECT_NE(view.findChild<QMenu*>(name), nullptr) << name;
    for (const char* name : {"mnu_tray", "mnu_exit", "mnu_copy", "mnu_fast", "mnu_stop", "mnu_julian", "mnu_utc",
                             "mnu_jewish", "mnu_rot_north", "mnu_rot_south", "mnu_color", "mnu_locations", "mnu_more",
                             "mnu_about", "mnu_help_item", "mnu_timezone"})
        EXPECT_NE(view.findChild<QAction*>(name), nullptr) << name;
}

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
    EXPECT_TRUE(browser->toPlainText().contains("Time zones and universal time"));
    browser->close();
}

TEST(UtcDialogView, EveryNamedControlIsBoundAndOkFollowsTheFields)
{
    TFixedClock clock{46363.5, 0};
    Tfrm_utc form{clock};
    FrmUtcView view{form};
    for (const char* name : {"lbl_year", "lbl_month", "lbl_day", "lbl_hour", "lbl_min", "lbl_sec", "lbl_julian"})
        EXPECT_NE(view.findChild<QLabel*>(name), nullptr) << name;
    for (const char* name : {"edt_year", "edt_day", "edt_hour", "edt_min", "edt_sec"})
        EXPECT_NE(view.findChild<QLineEdit*>(name), nullptr) << name;
    EXPECT_EQ(view.findChild<QComboBox*>("cbx_month")->count(), 12);
    EXPECT_NE(view.findChild<QGroupBox*>("grp_utc"), nullptr);
    EXPECT_NE(view.findChild<QGroupBox*>("grp_julian"), nullptr);
    for (const char* name : {"btn_now", "btn_ok", "btn_cancel"})
        EXPECT_NE(view.findChild<QPushButton*>(name), nullptr) << name;
    form.edt_hour.setText("24");
    EXPECT_FALSE(view.findChild<QPushButton*>("btn_ok")->isEnabled());
}

TEST(DateDialogViews, JulianAndJewishControlsAreBound)
{
    TFixedClock clock{46363.5, 0};
    Tfrm_julian julian{clock};
    FrmJulianView julianView{julian};
    EXPECT_NE(julianView.findChild<QLineEdit*>("edt_julian"), nullptr);
    EXPECT_NE(julianView.findChild<QLabel*>("lbl_utc"), nullptr);
    Tfrm_jewish jewish{clock};
    FrmJewishView jewishView{jewish};
    for (const char* name : {"edt_year", "edt_day", "edt_jyear", "edt_jday"})
        EXPECT_NE(jewishView.findChild<QLineEdit*>(name), nullptr) << name;
    for (const char* name : {"cbx_month", "cbx_jmonth"})
        EXPECT_NE(jewishView.findChild<QComboBox*>(name), nullptr) << name;
    EXPECT_NE(jewishView.findChild<QGroupBox*>("grp_christian"), nullptr);
}

}  // namespace
