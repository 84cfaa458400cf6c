// Every window and page, built as the program builds them and shown with the fonts of the
// desktop, in the language the suite runs under: no text may be cut off, whatever value the
// logic writes. The texts that change are driven through the logic to their long forms first.

#include "astro/calendar.h"
#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "help/helpview.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "locations/location.h"
#include "locations/settingsfile.h"
#include "moonwindow/frmabout.h"
#include "moonwindow/frmaboutview.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjewishview.h"
#include "moonwindow/frmjulian.h"
#include "moonwindow/frmjulianview.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/frmutcview.h"
#include "moonwindow/mainform.h"
#include "moonwindow/moonwindowview.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"
#include "planner/frmplanner.h"
#include "planner/frmplannerview.h"
#include "widgetfit.h"

#include <QApplication>
#include <QDate>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// A year of days ten days apart: every month name turns up in every dated text.
constexpr int DaysInAYear = 366;
constexpr int DayStep = 10;
// A bias whose hour offset has two digits, a sign and a fraction: "-10.5".
constexpr int LongestBias = 630;

double DayNumber(int year, int month, int day) { return QDate(1899, 12, 30).daysTo(QDate(year, month, day)); }

// The five windows in the program's order of creation, as the program entry connects them.
class WidgetFit : public testing::Test {
protected:
    WidgetFit()
    {
        TLocation home;
        home.Name = "Home";
        home.Latitude = 48.2;
        home.Longitude = -16.37;
        const TLocationList places{home};
        SaveLocations(settingsFile(), &places, 0);
        calculator.FormCreate();
        moon = std::make_unique<TMainForm>(calculator, clock, settingsFile());
        moonView = std::make_unique<MoonWindowView>(*moon);
        moon->FormCreate();
        more = std::make_unique<Tfrm_more>(calculator, clock, settingsFile());
        moreView = std::make_unique<FrmMoreView>(*more);
        locations = std::make_unique<Tfrm_locations>(settingsFile());
        locationsView = std::make_unique<FrmLocationsView>(*locations);
        utc = std::make_unique<Tfrm_utc>(clock);
        utcView = std::make_unique<FrmUtcView>(*utc);
        moon->connectWindows(more.get(), locations.get(), utc.get());
        calculator.connectWindows(moon.get(), more.get(), locations.get());
    }

    QString settingsFile() const { return folder.filePath("shutterly.ini"); }

    // Shows the window as it stands and records what does not fit.
    void measure(QWidget* window, const QString& state)
    {
        window->show();
        // A grown text asks for a new layout, which may grow the window, which lays out again.
        for (int round = 0; round < 6; ++round)
            QApplication::processEvents();
        for (const QString& fault : ClippedTexts(window))
            if (!seen.contains(fault)) {
                seen << fault;
                faults << fault + QStringLiteral("  [") + state + QStringLiteral("]");
            }
    }

    // Steps the almanac clock through a year; `each` measures after every step.
    template <typename Each>
    void throughAYear(Each each)
    {
        clock.setBias(LongestBias);
        const double start = DayNumber(2026, 1, 3) + 0.75;
        for (int day = 0; day < DaysInAYear; day += DayStep) {
            clock.set(start + day);
            calculator.TimerTimer();
            more->LocationChange();
            each(QDate(1899, 12, 30).addDays(qint64(start) + day).toString(Qt::ISODate));
        }
    }

    void measureEveryPage(const QString& state)
    {
        auto* pages = calculatorView.findChild<QTabWidget*>("PageControl1");
        ASSERT_NE(pages, nullptr);
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            measure(&calculatorView, state + QStringLiteral(", page ") + QString::number(i + 1));
        }
    }

    void expectNothingCut()
    {
        EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n"
                                      << faults.mid(0, 60).join(QLatin1Char('\n')).toStdString();
    }

    QTemporaryDir folder;
    // The windows are created on 2026-05-20 12:00 local time, UTC+1: the phase dates around
    // then carry short month names (May, June), the year walked through later longer ones.
    TFixedClock clock{DayNumber(2026, 5, 20) + 0.5, -60};
    TFrmMain calculator{clock};
    CalculatorWindowView calculatorView{calculator};
    std::unique_ptr<TMainForm> moon;
    std::unique_ptr<MoonWindowView> moonView;
    std::unique_ptr<Tfrm_more> more;
    std::unique_ptr<FrmMoreView> moreView;
    std::unique_ptr<Tfrm_locations> locations;
    std::unique_ptr<FrmLocationsView> locationsView;
    std::unique_ptr<Tfrm_utc> utc;
    std::unique_ptr<FrmUtcView> utcView;
    QStringList faults;
    QStringList seen;
};

TEST_F(WidgetFit, CalculatorPagesAtStartUp)
{
    measureEveryPage(QStringLiteral("start-up"));
    expectNothingCut();
}

TEST_F(WidgetFit, CalculatorWithItsLongestTexts)
{
    // The reflector can be too weak for the fill ratio asked for: "Not possible".
    calculator.lighting.chbxReflector.setChecked(true);
    calculator.lighting.tbFillStops.setPosition(0);
    ASSERT_EQ(calculator.lighting.lblFillDistance.text(), QCoreApplication::translate("TLightingPage", "Not possible"));
    measureEveryPage(QStringLiteral("not possible"));
    calculator.lighting.chbxReflector.setChecked(false);
    // The last sensor of the list and the longest ambient light.
    calculator.dof.cmbxSensor.setItemIndex(calculator.dof.cmbxSensor.items().size() - 1);
    calculator.lighting.cmbxAmbient.setItemIndex(calculator.lighting.cmbxAmbient.items().size() - 1);
    measureEveryPage(QStringLiteral("last sensor"));
    expectNothingCut();
}

TEST_F(WidgetFit, SunPageThroughAYear)
{
    calculatorView.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(6);
    throughAYear([this](const QString& date) { measure(&calculatorView, date); });
    expectNothingCut();
}

TEST_F(WidgetFit, MoonWindowThroughAYear)
{
    throughAYear([this](const QString& date) { measure(moonView.get(), date); });
    moon->mnu_fast.click();
    calculator.TimerTimer();
    measure(moonView.get(), QStringLiteral("fast mode"));
    expectNothingCut();
}

TEST_F(WidgetFit, MoreDataThroughAYear)
{
    throughAYear([this](const QString& date) { measure(moreView.get(), date); });
    expectNothingCut();
}

// Far north the days run from polar night to midnight sun, and the planner's texts through all
// their forms.
TEST_F(WidgetFit, PlannerThroughAYear)
{
    Tfrm_planner planner;
    FrmPlannerView plannerView(planner);
    TLocation tromso;
    tromso.Name = QStringLiteral("Troms\u00f8");
    tromso.Latitude = 69.65;
    tromso.Longitude = -18.96;
    const TPlaceZone zone{QTimeZone("Europe/Oslo")};
    const double start = astro::CalendarToDateTime(2027, 1, 3);
    for (int day = 0; day < DaysInAYear; day += 3 * DayStep) {
        planner.ShowDay(tromso, zone.day(start + day), zone, zone);
        measure(&plannerView, QDate(2027, 1, 3).addDays(day).toString(Qt::ISODate));
    }
    expectNothingCut();
}

TEST_F(WidgetFit, LocationEditor)
{
    locations->Show();
    measure(locationsView.get(), QStringLiteral("shown"));
    expectNothingCut();
}

TEST_F(WidgetFit, DateDialogsThroughAYear)
{
    auto* julianView = moonView->findChild<FrmJulianView*>();
    auto* jewishView = moonView->findChild<FrmJewishView*>();
    ASSERT_TRUE(julianView && jewishView);
    Tfrm_julian& julian = moon->julianDialog();
    Tfrm_jewish& jewish = moon->jewishDialog();
    throughAYear([&](const QString& date) {
        for (TSetTimeDialog* dialog : std::initializer_list<TSetTimeDialog*>{utc.get(), &julian, &jewish})
            dialog->FValue = clock.localNow();
        utc->ShowValue();
        julian.ShowValue();
        jewish.ShowValue();
        measure(utcView.get(), date);
        measure(julianView, date);
        measure(jewishView, date);
    });
    expectNothingCut();
}

TEST_F(WidgetFit, AboutDialogAndHelp)
{
    auto* aboutView = moonView->findChild<FrmAboutView*>();
    ASSERT_NE(aboutView, nullptr);
    moon->aboutDialog().FormShow();
    measure(aboutView, QStringLiteral("shown"));
    moon->mnu_help_item.click();
    QTextBrowser* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("HelpBrowser"))
            help = qobject_cast<QTextBrowser*>(window);
    ASSERT_NE(help, nullptr);
    measure(help, QStringLiteral("help"));
    help->close();
    expectNothingCut();
}

}  // namespace
