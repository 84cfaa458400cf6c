#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/datefieldview.h"
#include "locations/location.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"
#include "tests/sample_places.h"
#include "tests/shown_text.h"
#include "tests/views/boundcontrols.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Runs `answer` on the modal dialog of type D once it is the one on top; tries again a little
// later while another one (or none) is, a few seconds at most.
template <typename D>
void WhenModal(QObject* context, const std::function<void(D*)>& answer, int triesLeft = 300)
{
    QTimer::singleShot(10, context, [=] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget()))
            answer(dialog);
        else if (triesLeft > 0)
            WhenModal<D>(context, answer, triesLeft - 1);
    });
}

class MoreDataView : public testing::Test {
protected:
    MoreDataView()
    {
        const TLocationList places = HomeAndCoast();
        SaveLocations(folder.filePath("shutterly.ini"), &places, 0);
        form = std::make_unique<Tfrm_more>(calculator, clock, folder.filePath("shutterly.ini"));
        view = std::make_unique<FrmMoreView>(*form);
    }

    template <typename W>
    W* child(const char* name) const
    {
        return view->findChild<W*>(QString::fromLatin1(name));
    }

    QTemporaryDir folder;
    // 2024-03-20 12:00, local time = universal time.
    TFixedClock clock{double(QDate(1899, 12, 30).daysTo(QDate(2024, 3, 20))) + 0.5, 0};
    TFrmMain calculator{clock};
    std::unique_ptr<Tfrm_more> form;
    std::unique_ptr<FrmMoreView> view;
};

TEST_F(MoreDataView, EveryControlIsBound)
{
    EXPECT_EQ(UnboundControls(form->controls(), *view), QStringList());
    QTimer* timer = child<QTimer>("Timer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 65535);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(MoreDataView, StartsHiddenWithTheLocationsListed)
{
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), Shown("More Data"));
    QComboBox* locations = child<QComboBox>("cbx_location");
    ASSERT_EQ(locations->count(), 2);
    EXPECT_EQ(locations->currentText(), "Home");
    EXPECT_EQ(child<QLabel>("typ_suneclipse")->text(), Shown("Total"));
    EXPECT_EQ(child<QLabel>("lbl_spring")->toolTip(), Shown("Begin of spring"));
}

TEST_F(MoreDataView, PickingALocationRecomputes)
{
    QComboBox* locations = child<QComboBox>("cbx_location");
    locations->setCurrentIndex(1);
    emit locations->activated(1);
    EXPECT_EQ(form->cbx_location.itemIndex(), 1);
    EXPECT_TRUE(child<QLabel>("val_longitude")->text().endsWith(Shown("East")));
    EXPECT_EQ(child<QLabel>("lbl_spring")->toolTip(), Shown("Begin of autumn"));
}

TEST_F(MoreDataView, DayFieldAndTodayButtonPickAndReturn)
{
    auto* day = child<TDateField>("dtp_day");
    ASSERT_NE(day, nullptr);
    ASSERT_NE(day->calendar(), nullptr);
    // Every locale shows the whole year.
    EXPECT_TRUE(day->text().contains(QLatin1String("2024"))) << day->text().toStdString();
    EXPECT_EQ(day->date(), QDate(2024, 3, 20));
    const QString sunrise = child<QLabel>("val_sunriselight")->text();
    day->selectAll();
    QTest::keyClicks(day, "2024-12-21");
    EXPECT_EQ(form->dtp_day.date(), QDate(2024, 12, 21));
    EXPECT_FALSE(form->FollowsClock());
    EXPECT_NE(child<QLabel>("val_sunriselight")->text(), sunrise);
    EXPECT_TRUE(child<QLabel>("val_sunrise")->text().endsWith(Shown("21 December 2024")));
    // Enter, which confirms a typed day, leaves the picked day.
    view->show();
    day->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(day, &enter);
    EXPECT_FALSE(form->FollowsClock());
    child<QPushButton>("btn_today")->click();
    EXPECT_TRUE(form->FollowsClock());
    EXPECT_EQ(day->date(), QDate(2024, 3, 20));
    EXPECT_EQ(child<QLabel>("val_sunriselight")->text(), sunrise);
    view->hide();
}

// With the longest texts of the high north (midnight sun, polar night), every row is shown whole
// and the window stays on a 1366 x 768 screen, in every language.
TEST_F(MoreDataView, LongestRowsFitOnTheScreenInEveryLanguage)
{
    TLocation tromso;
    tromso.Name = "Tromsø";
    tromso.Latitude = 69.65;
    tromso.Longitude = -18.96;
    const TLocationList north{tromso};
    SaveLocations(folder.filePath("shutterly.ini"), &north, 0);
    form->ReloadLocations();
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch language(locale);
        form->LocalizeAndArrange();
        for (const QDate& date : {QDate(2024, 6, 21), QDate(2024, 12, 21)}) {
            form->dtp_day.setDate(date);
            view->show();
            view->layout()->activate();
            EXPECT_LE(view->width(), 1366) << locale;
            EXPECT_LE(view->frameGeometry().height(), 740) << locale;
            for (const QLabel* label : view->findChildren<QLabel*>())
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << locale << " " << label->objectName().toStdString() << " " << label->text().toStdString();
        }
        view->hide();
    }
}

// A place named at length does not push the window past the screen: the list shows what fits,
// and the whole name in its tooltip.
TEST_F(MoreDataView, ALongPlaceNameKeepsTheWindowOnTheScreen)
{
    view->show();
    view->layout()->activate();
    const int usualWidth = view->width();
    TLocation place;
    place.Name = QString(200, u'W');
    place.Latitude = 48.2;
    place.Longitude = -16.37;
    const TLocationList places{place};
    SaveLocations(folder.filePath("shutterly.ini"), &places, 0);
    form->ReloadLocations();
    view->show();
    view->layout()->activate();
    QApplication::processEvents();
    const QRect screen = view->screen()->availableGeometry();
    EXPECT_LE(view->frameGeometry().width(), screen.width());
    EXPECT_EQ(view->width(), usualWidth);
    auto* list = child<QComboBox>("cbx_location");
    QHelpEvent tip(QEvent::ToolTip, QPoint(4, 4), list->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(list, &tip);
    EXPECT_EQ(QToolTip::text(), place.Name);
    QToolTip::hideText();
    view->hide();
}

// The export as the user goes through it: three days as CSV in the first dialog, then a file
// name typed without its suffix.
TEST_F(MoreDataView, ExportAsksForTheDaysTheFormatAndTheFileAndWritesThem)
{
    view->show();
    const QString typed = folder.filePath("week");
    bool asked = false;
    WhenModal<QDialog>(view.get(), [&](QDialog* dialog) {
        auto* days = dialog->findChild<QSpinBox*>("export_days");
        auto* format = dialog->findChild<QComboBox*>("export_format");
        ASSERT_TRUE(days && format);
        EXPECT_EQ(days->maximum(), 366);
        EXPECT_EQ(days->minimum(), 1);
        days->setValue(3);
        format->setCurrentIndex(format->findText("CSV (*.csv)"));
        WhenModal<QFileDialog>(view.get(), [&](QFileDialog* files) {
            EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_TRUE(files->selectedFiles().value(0).endsWith("/Home light 2024-03-20.csv"))
                << files->selectedFiles().value(0).toStdString();
            files->selectFile(typed);
            asked = true;
            static_cast<QDialog*>(files)->accept();
        });
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const TLocaleSwitch english("C.UTF-8");
    child<QPushButton>("btn_export")->click();
    ASSERT_TRUE(asked);
    QFile written(typed + ".csv");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    EXPECT_EQ(lines.size(), 1 + 3 * 14 + 1);
    EXPECT_TRUE(lines.value(1).startsWith("2024-03-20,astronomical_dawn,"));
    EXPECT_TRUE(lines.value(3 * 14).startsWith("2024-03-22,moonset,"));
    view->hide();
}

// Closed with the close box or Escape, the window must open again from the moon window's menu.
TEST_F(MoreDataView, ClosedWindowCanBeShownAgain)
{
    form->Show();
    ASSERT_TRUE(view->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_FALSE(form->visible());
    form->Show();
    EXPECT_TRUE(view->isVisible());
    view->close();
    EXPECT_FALSE(form->visible());
    form->Show();
    EXPECT_TRUE(view->isVisible());
    form->Hide();
}

}  // namespace
