// The planner's chart as it is drawn: the phases' colours, the moon's phase, the saved picture.

#include "astro/calendar.h"
#include "controls/errors.h"
#include "planner/frmplanner.h"
#include "planner/frmplannerview.h"
#include "planner/skychartview.h"
#include "tests/views/boundcontrols.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

TEST(SkyChartColours, ThePhasesGrowLighterFromNightToDay)
{
    const TLightPhase phases[] = {TLightPhase::Night,    TLightPhase::Astronomical, TLightPhase::Nautical,
                                  TLightPhase::BlueHour, TLightPhase::GoldenHour,   TLightPhase::Day};
    // Lightness as a grey print or an eye without colours sees it (Rec. 709 luma).
    const auto luma = [](const QColor& c) { return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF(); };
    for (std::size_t i = 1; i < std::size(phases); ++i)
        EXPECT_GT(luma(LightPhaseColor(phases[i])), luma(LightPhaseColor(phases[i - 1])) + 0.05) << i;
}

struct TMoonCase {
    double Lit;
    bool Waxing;
};

class MoonInPhase : public ::testing::TestWithParam<TMoonCase> {};

// The bright share of the disc is the lit share, on the side the sun lights.
TEST_P(MoonInPhase, LightsItsShareOfTheDiscOnTheSunsSide)
{
    constexpr int Size = 201;
    constexpr double Radius = 90;
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawMoonInPhase(painter, QPointF(Size / 2.0, Size / 2.0), Radius, GetParam().Lit, GetParam().Waxing);
    }
    int disc = 0;
    int bright = 0;
    double brightX = 0;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double dx = x + 0.5 - Size / 2.0;
            const double dy = y + 0.5 - Size / 2.0;
            if (dx * dx + dy * dy > (Radius - 2) * (Radius - 2))
                continue;
            ++disc;
            if (qGray(image.pixel(x, y)) > 180) {
                ++bright;
                brightX += dx;
            }
        }
    EXPECT_NEAR(double(bright) / disc, GetParam().Lit, 0.03);
    if (bright > 0 && GetParam().Lit < 0.99) {
        EXPECT_EQ(brightX > 0, GetParam().Waxing);
    }
}

INSTANTIATE_TEST_SUITE_P(Phases, MoonInPhase,
                         ::testing::Values(TMoonCase{0, true}, TMoonCase{0.1, true}, TMoonCase{0.25, true},
                                           TMoonCase{0.5, false}, TMoonCase{0.75, false}, TMoonCase{0.9, true},
                                           TMoonCase{1, false}));

class PlannerView : public ::testing::Test {
protected:
    void SetUp() override
    {
        TLocation berlin;
        berlin.Name = QStringLiteral("Berlin");
        berlin.Latitude = 52.52;
        berlin.Longitude = -13.405;
        view.show();
        planner.ShowDay(berlin, zone.day(astro::CalendarToDateTime(2027, 6, 21)), zone, zone);
    }

    TPlaceZone zone{QTimeZone("Europe/Berlin")};
    Tfrm_planner planner;
    FrmPlannerView view{planner};
};

TEST_F(PlannerView, EveryControlIsBound) { EXPECT_EQ(UnboundControls(planner.controls(), view), QStringList()); }

TEST_F(PlannerView, TheSavedPictureIsTheChartAtTwiceItsSize)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(planner.pictureName());
    view.savePicture(fileName);
    QImage picture;
    ASSERT_TRUE(picture.load(fileName, "PNG"));
    EXPECT_EQ(picture.size(), view.chart()->size() * 2);
    // The day's path is there: some pixel has the colour of the day phase.
    const QRgb day = LightPhaseColor(TLightPhase::Day).rgb();
    bool found = false;
    for (int y = 0; y < picture.height() && !found; ++y)
        for (int x = 0; x < picture.width() && !found; ++x)
            found = picture.pixel(x, y) == day;
    EXPECT_TRUE(found);
}

TEST_F(PlannerView, APictureThatCannotBeWrittenSaysSo)
{
    QTemporaryDir folder;
    EXPECT_THROW(view.savePicture(folder.path()), EUserError);
    EXPECT_THROW(view.savePicture(folder.filePath(QStringLiteral("missing/sky.png"))), EUserError);
}

// The planner as More Data opens it: the day given, then the window shown.
class PlannerTables : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        TLocation tromso;
        tromso.Name = QStringLiteral("Tromsø");
        tromso.Latitude = 69.649;
        tromso.Longitude = -18.956;
        const TPlaceZone oslo{QTimeZone("Europe/Oslo")};
        planner.ShowDay(tromso, oslo.day(astro::CalendarToDateTime(2027, GetParam(), 21)), oslo, oslo);
        view.show();
        for (int round = 0; round < 4; ++round)
            QApplication::processEvents();
    }

    // Whether the table shows every column whole: no sideways scrolling, unless the window is
    // already as wide as the screen.
    static bool showsEveryColumn(const QTableView* table)
    {
        const bool wideAsScreen =
            table->window()->frameGeometry().width() >= table->screen()->availableGeometry().width();
        return wideAsScreen || table->horizontalScrollBar()->maximum() == 0;
    }

    Tfrm_planner planner;
    FrmPlannerView view{planner};
};

// June has the midnight sun (the longest texts of missing events), December the polar night.
TEST_P(PlannerTables, ShowEveryColumnAndTheChosenDay)
{
    view.findChild<QTabWidget*>()->setCurrentIndex(Tfrm_planner::pgMonth);
    QApplication::processEvents();
    EXPECT_TRUE(showsEveryColumn(view.monthTable()));
    const QModelIndexList selected = view.monthTable()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().row(), 20);
    EXPECT_TRUE(view.monthTable()->viewport()->rect().intersects(view.monthTable()->visualRect(selected.front())));
    view.findChild<QTabWidget*>()->setCurrentIndex(Tfrm_planner::pgMeteors);
    QApplication::processEvents();
    EXPECT_TRUE(showsEveryColumn(view.meteorTable()));
    EXPECT_EQ(view.meteorTable()->verticalScrollBar()->maximum(), 0);
}

// A month with longer texts than the one the window opened on widens it.
TEST_P(PlannerTables, AWiderMonthWidensTheWindow)
{
    TLocation sydney;
    sydney.Name = QStringLiteral("Sydney");
    sydney.Latitude = -33.868;
    sydney.Longitude = -151.209;
    const TPlaceZone zone{QTimeZone("Australia/Sydney")};
    for (const int month : {7, 1}) {
        planner.ShowDay(sydney, zone.day(astro::CalendarToDateTime(2027, month, 2)), zone, zone);
        QApplication::processEvents();
        EXPECT_TRUE(showsEveryColumn(view.monthTable())) << month;
    }
}

INSTANTIATE_TEST_SUITE_P(Months, PlannerTables, ::testing::Values(6, 12));

}  // namespace
