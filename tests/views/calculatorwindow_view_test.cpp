#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/bindingview.h"
#include "controls/clock.h"
#include "controls/guard.h"
#include "tests/test_printers.h"
#include "tests/views/boundcontrols.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class CalculatorView : public testing::Test {
protected:
    // 2026-12-07 00:00 local time, UTC+1.
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    CalculatorWindowView view{form};

    void SetUp() override { form.FormCreate(); }
};

TEST_F(CalculatorView, EveryControlIsBound)
{
    EXPECT_EQ(UnboundControls(form.controls(), view), QStringList());
    // The portrait is a plain picture, not a control.
    EXPECT_NE(view.findChild<QLabel*>("imgPortrait"), nullptr);
}

TEST_F(CalculatorView, EightPagesInOrderWithTheFirstActive)
{
    const auto* pages = view.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    const char* const english[] = {"&DOF and lighting calculator",
                                   "Conversions",
                                   "S+L=A+T and EV Exposure",
                                   "Zone System",
                                   "Macro",
                                   "&Astrophotography",
                                   "Sun, Moon, and model comfort",
                                   "&Help"};
    QStringList expected;
    for (const char* caption : english)
        expected << QCoreApplication::translate("TFrmMain", caption);
    ASSERT_EQ(pages->count(), expected.size());
    for (int i = 0; i < pages->count(); ++i)
        EXPECT_EQ(pages->tabText(i), expected[i]);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(view.windowTitle(), "Shutterly v2007.11");
}

TEST_F(CalculatorView, PortraitDecodesFromItsJpeg)
{
    QImageReader reader(":/portrait.jpg");
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage portrait = reader.read();
    ASSERT_FALSE(portrait.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(portrait.size(), QSize(367, 490));
    const auto* shown = view.findChild<QLabel*>("imgPortrait");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->size(), QSize(185, 225));
    EXPECT_FALSE(shown->pixmap().isNull());
}

TEST_F(CalculatorView, TypingIntoAnEditRunsTheHandlerChain)
{
    auto* focal = view.findChild<QLineEdit*>("edtflength");
    auto* fl35 = view.findChild<QLineEdit*>("edtfl35");
    focal->selectAll();
    QTest::keyClicks(focal, "50");
    EXPECT_EQ(form.dof.edtflength.text(), "50");
    EXPECT_EQ(fl35->text(), "50");
}

TEST_F(CalculatorView, HintsGoToTheFirstStatusPanel)
{
    QStatusTipEvent hint("Background colour - right click to change this");
    QApplication::sendEvent(&view, &hint);
    EXPECT_EQ(form.StatusBar1.panelText(0), "Background colour - right click to change this");
    QStatusTipEvent empty("");
    QApplication::sendEvent(&view, &empty);
    EXPECT_EQ(form.StatusBar1.panelText(0), "");
}

TEST_F(CalculatorView, ControlStateReachesTheWidgets)
{
    form.lighting.chbxReflector.setChecked(true);
    EXPECT_TRUE(view.findChild<QLineEdit*>("edtFillReflectorLoss")->isEnabled());
    EXPECT_FALSE(view.findChild<QLineEdit*>("edtFillGN")->isEnabled());
    EXPECT_EQ(view.findChild<QLabel*>("lblFilldistanceCaption")->text(),
              QCoreApplication::translate("TLightingPage", "Reflector distance to subject:"));
}

}  // namespace

// The window grows when a page's texts need more room; placed near the screen's corner, it must
// move back rather than reach past the edge, where its close button would be out of reach.
TEST_F(CalculatorView, AWindowThatGrowsStaysOnTheScreen)
{
    view.show();
    QApplication::processEvents();
    const QRect available = view.screen()->availableGeometry();
    view.move(available.right() - view.width() / 2, available.bottom() - view.height() / 2);
    QApplication::processEvents();
    form.lblContact.setText(QString(60, u'W') + " " + QString(60, u'W'));
    for (int round = 0; round < 6; ++round)
        QApplication::processEvents();
    EXPECT_TRUE(available.contains(view.frameGeometry()))
        << view.frameGeometry().x() << "," << view.frameGeometry().y();
}

namespace {

// The calculator shown on the screen, as the user sees it after start-up.
class CalculatorWindowSize : public testing::Test {
protected:
    CalculatorWindowSize()
    {
        form.FormCreate();
        view.show();
        settle();
    }
    ~CalculatorWindowSize() override { view.hide(); }
    static void settle()
    {
        for (int round = 0; round < 4; ++round)
            QApplication::processEvents();
    }

    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    CalculatorWindowView view{form};
};

// Results as long as a 1e9 m focus distance makes them do not widen the window: they are cut
// short with an ellipsis and shown whole in their tooltips.
TEST_F(CalculatorWindowSize, HugeResultsNeitherGrowTheWindowNorLeaveTheScreen)
{
    const QSize usual = view.size();
    form.dof.edtFocusDistance.setText("1e9");
    form.lighting.tbMainDistance.setPosition(form.lighting.tbMainDistance.maximum());
    settle();
    EXPECT_EQ(view.size(), usual);
    EXPECT_TRUE(view.screen()->availableGeometry().contains(view.frameGeometry()));
    auto* size = view.findChild<TElidingLabel*>("lblSubjectSize");
    ASSERT_NE(size, nullptr);
    EXPECT_TRUE(size->elided());
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), size->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(size, &tip);
    EXPECT_EQ(QToolTip::text(), form.dof.lblSubjectSize.text() + "\n" + form.dof.lblSubjectSize.hint());
    QToolTip::hideText();
}

// The window is sized once for the texts its results usually take: no value typed into any
// box on any page makes it grow or shrink.
TEST_F(CalculatorWindowSize, NoTypedValueResizesTheWindow)
{
    const QSize usual = view.size();
    auto* pages = view.findChild<QTabWidget*>();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (QLineEdit* edit : pages->widget(page)->findChildren<QLineEdit*>()) {
            if (edit->isReadOnly() || !edit->isEnabled())
                continue;
            const QString before = edit->text();
            for (QString typed : {"0.0001", "-1e9", "99999", "3.3333333", "x"}) {
                edit->selectAll();
                QTest::keyClicks(edit, typed.replace('.', QLocale().decimalPoint()));
                settle();
                EXPECT_EQ(view.size(), usual) << edit->objectName().toStdString() << " = " << typed.toStdString();
            }
            edit->selectAll();
            QTest::keyClicks(edit, before);
        }
    }
}

// Results turning to "N/A" while a box is marked leave the columns where they were.
TEST_F(CalculatorWindowSize, ShorterResultsKeepTheColumnsInPlace)
{
    const auto* mainLight = view.findChild<QWidget*>("edtMainGN");
    const auto* depth = view.findChild<QWidget*>("lblDOFNear");
    const QPoint mainAt = mainLight->mapTo(&view, QPoint(0, 0));
    const QPoint depthAt = depth->mapTo(&view, QPoint(0, 0));
    TGuard::runTyped(form.dof.edtFRatio, [&] { form.dof.edtFRatio.setText("x"); });
    ASSERT_EQ(form.dof.lblSubjectSize.text(), NotAvailableText());
    settle();
    EXPECT_EQ(mainLight->mapTo(&view, QPoint(0, 0)), mainAt);
    EXPECT_EQ(depth->mapTo(&view, QPoint(0, 0)), depthAt);
}

}  // namespace
