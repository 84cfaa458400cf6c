#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/modalview.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "locations/location.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/frmutcview.h"
#include "moonwindow/mainform.h"
#include "moonwindow/moonwindowview.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"
#include "tests/sample_places.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A key pressed on the keyboard: it reaches the widget through its window, as the window
// system delivers it, so a window that a modal one blocks does not get it.
void press(QWidget* widget, Qt::Key key)
{
    widget->setFocus();
    QTest::keyClick(widget->window()->windowHandle(), key);
}

QTextBrowser* helpBrowser()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "HelpBrowser" && window->isVisible())
            return qobject_cast<QTextBrowser*>(window);
    return nullptr;
}

// Pages through the help and tells whether it moved.
bool helpScrolls(QTextBrowser* browser)
{
    QScrollBar* bar = browser->verticalScrollBar();
    const int before = bar->value();
    press(browser, before < bar->maximum() ? Qt::Key_PageDown : Qt::Key_PageUp);
    return bar->value() != before;
}

// The windows wired as the program wires them, the calculator on screen.
class ModalMoonWindow : public testing::Test {
protected:
    ModalMoonWindow()
    {
        const TLocationList places = HomeAndCoast();
        SaveLocations(settings, &places, 0);
    }

    void SetUp() override
    {
        calculator.FormCreate();
        BindModalOver(moon, &moonView, &calculatorView);
        moon.FormCreate();
        moon.connectWindows(&more, &locations, &utc);
        calculator.connectWindows(&moon, &more, &locations);
        calculator.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculatorView));
    }

    void TearDown() override
    {
        if (QTextBrowser* browser = helpBrowser())
            browser->close();
        moreView.hide();
        calculatorView.hide();
    }

    // Opens the moon window from the calculator's menu and runs steps while it is shown.
    void whileMoonWindowIsOpen(const std::function<void()>& steps)
    {
        bool ran = false;
        QTimer::singleShot(0, &moonView, [&] {
            steps();
            ran = true;
            moonView.close();
        });
        calculator.SunandMoonposition1Click();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(moonView.isVisible());
    }

    QTemporaryDir folder;
    const QString settings = folder.filePath("shutterly.ini");
    TFixedClock clock{46363.5, 0};
    TFrmMain calculator{clock};
    CalculatorWindowView calculatorView{calculator};
    TMainForm moon{calculator, clock, settings};
    MoonWindowView moonView{moon};
    Tfrm_more more{calculator, clock, settings};
    FrmMoreView moreView{more};
    Tfrm_locations locations{settings};
    FrmLocationsView locationsView{locations};
    Tfrm_utc utc{clock};
    FrmUtcView utcView{utc};
};

TEST_F(ModalMoonWindow, BlocksTheCalculatorUntilItCloses)
{
    auto* fRatio = calculatorView.findChild<QLineEdit*>("edtFRatio");
    ASSERT_NE(fRatio, nullptr);
    const QString before = fRatio->text();
    whileMoonWindowIsOpen([&] {
        EXPECT_TRUE(moonView.isVisible());
        // Window managers keep it above the calculator through this link.
        EXPECT_EQ(moonView.windowHandle()->transientParent(), calculatorView.windowHandle());
        press(fRatio, Qt::Key_1);
        EXPECT_EQ(fRatio->text(), before);
    });
    press(fRatio, Qt::Key_1);
    EXPECT_EQ(fRatio->text(), before + "1");
}

TEST_F(ModalMoonWindow, MoreDataAndTheHelpOpenedFromItTakeInput)
{
    whileMoonWindowIsOpen([&] {
        moon.mnu_moreClick();
        ASSERT_TRUE(moreView.isVisible());
        auto* places = moreView.findChild<QComboBox*>("cbx_location");
        ASSERT_EQ(places->count(), 2);
        const int shown = places->currentIndex();
        press(places, shown == 0 ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_NE(places->currentIndex(), shown);
        EXPECT_EQ(more.cbx_location.itemIndex(), places->currentIndex());

        press(moonView.centralWidget(), Qt::Key_F1);
        QTextBrowser* browser = helpBrowser();
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(helpScrolls(browser));

        // The time-zone topic of the Help menu reuses the open viewer; it still takes input.
        moon.mnu_timezoneClick();
        EXPECT_TRUE(helpScrolls(browser));
    });
}

TEST_F(ModalMoonWindow, ADialogOpenedFromItTakesInputAndItsHelpToo)
{
    whileMoonWindowIsOpen([&] {
        bool checked = false;
        QTimer::singleShot(0, &utcView, [&] {
            auto* year = utcView.findChild<QLineEdit*>("edt_year");
            ASSERT_NE(year, nullptr);
            const QString before = year->text();
            press(year, Qt::Key_End);
            press(year, Qt::Key_Backspace);
            EXPECT_EQ(year->text(), before.chopped(1));
            press(year, Qt::Key_F1);
            QTextBrowser* browser = helpBrowser();
            ASSERT_NE(browser, nullptr);
            EXPECT_TRUE(helpScrolls(browser));
            checked = true;
            utcView.reject();
        });
        moon.mnu_utcClick();
        EXPECT_TRUE(checked);
    });
}

}  // namespace
